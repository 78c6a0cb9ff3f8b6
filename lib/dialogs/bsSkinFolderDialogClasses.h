#pragma once

// Makes the skinned folder and skin choosers known to the form reader.
void RegisterSkinFolderDialogClasses();
