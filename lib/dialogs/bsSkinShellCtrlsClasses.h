#pragma once

// Makes the folder tree, the location combo box and the file list known to the form reader,
// with the skinned controls and the standard views they stand on.
void RegisterSkinShellCtrlsClasses();
