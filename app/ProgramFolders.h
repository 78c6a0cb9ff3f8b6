#pragma once
#include <string>

// Where the program keeps its settings and its default output and snapshot folders.

// Names a folder that replaces the settings file's folder; tests point it at a temporary folder.
constexpr const char* kSettingsFolderVariable = "VOBCONV_SETTINGS_DIR";
// Names a folder that replaces the home folder as the root of the default output and snapshot
// folders.
constexpr const char* kDataRootVariable = "VOBCONV_DATA_ROOT";

// "option.ini" next to the program when that folder is writable, else in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config) under "vobconv", created on demand.
std::string SettingsFileName();
// The same choice for a given program folder (ending in '/'), without the override.
std::string SettingsFileNameIn(const std::string& programFolder);
// "<home>/苇川视频软件/输出" and ".../快照", without a trailing '/'.
std::string DefaultOutputFolder();
std::string DefaultSnapshotFolder();
// The program's folder, ending in '/'.
std::string ProgramPath();
