#pragma once

// Makes the skinned popup menu and the skinned hint known to the form reader.
void RegisterSkinMenusClasses();
