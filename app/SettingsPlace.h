#pragma once
#include "app/TSettingsFile.h"
#include <string>

// Where the program keeps "option.ini" for a run: beside the program when the file there can be
// created or written, else in the user's configuration folder. The start-up decides once.

// Names a folder that stands for the program's folder as the first place of the settings file;
// tests point it at a temporary folder.
constexpr const char* kSettingsFolderVariable = "VOBCONV_SETTINGS_DIR";

struct TSettingsPlace {
    std::string FileName;
    // False when neither place can be written: the program then runs with what it read and
    // writes nothing.
    bool Writable{ true };
    // Why neither place can be written: each file with its reason, one a line; empty while
    // Writable.
    std::string Problem;
};

// The place for a program in programFolder (ending in '/'): "option.ini" there when it can be
// created or written, else "vobconv/option.ini" in $XDG_CONFIG_HOME (else ~/.config), its folder
// made on demand. When neither can be written, the place is the first of the two that can be
// read (else the one beside the program), kept read-only.
TSettingsPlace SettingsPlaceIn(const std::string& programFolder);
// Decides the place for this run, from the program's folder or the folder that stands for it,
// and keeps it.
const TSettingsPlace& ChooseSettingsPlace();
// The place kept for this run; decided now when the start-up has not.
const TSettingsPlace& SettingsPlace();
// The settings file of this run, read-only when its place cannot be written.
TSettingsFile ProgramSettings();
