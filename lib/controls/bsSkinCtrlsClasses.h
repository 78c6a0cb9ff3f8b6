#pragma once

// Makes the skinned controls known to form descriptions, with the properties a description
// stores for them (the skin object and record, the hint title and image, the plain-look font
// and size). Each skinned control adds its own class here. Safe to call more than once.
void RegisterSkinCtrlsClasses();
