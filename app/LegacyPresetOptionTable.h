#pragma once
#include "app/PresetCatalogue.h"

#include <optional>

// The settings window's preset table: for each format of its own catalogue, what its six preset
// pickers offer. It follows the main window's preset catalogue for the same code, apart from a
// longer resolution list (the largest widescreen size offered twice) and the iPhone and AMR video
// formats, which offer shorter lists or start on other entries.

// The six pickers for a code of the settings window's catalogue, indexed by TPresetPicker; no
// value for any other code.
std::optional<TPresetPickerStates> LegacyPresetPickersFor(int code);
