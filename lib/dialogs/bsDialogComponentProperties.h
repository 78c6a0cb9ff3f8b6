#pragma once
#include <string>

class TClassRegistry;

// Registers with the form reader, for the dialog class named className, what every skinned dialog
// component holds: the two skins, the frame's alpha settings, DefaultFont and Title.
void RegisterDialogComponentProperties(TClassRegistry& registry, const std::string& className);

// The same, and what the file-system dialogs add: the stored size, the frame's minimum size and
// ToolButtonsTransparent.
void RegisterShellDialogComponentProperties(TClassRegistry& registry, const std::string& className);
