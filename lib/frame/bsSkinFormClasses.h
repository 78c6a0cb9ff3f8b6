#pragma once

// Makes the form-skin component and the tray icon known to the form reader, with the skinned
// controls and menus they work with.
void RegisterSkinFormClasses();
