#pragma once
#include <string>
#include <string_view>

class TComponent;

// Makes the settings window's own classes known to form descriptions (once): the media task
// component it holds.
void RegisterSettingsWindowClasses();

// Reads the settings window's description with its office pickers made as the skinned office
// combo box, whatever the other windows' descriptions get under that class name.
void ReadSettingsWindowDescription(TComponent* root, std::string_view text,
                                   const std::string& fileName);
