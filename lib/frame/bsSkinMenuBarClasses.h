#pragma once

// Makes the skinned main menu and main menu bar known to form descriptions, with the
// properties a description stores for them. Safe to call more than once.
void RegisterSkinMenuBarClasses();
