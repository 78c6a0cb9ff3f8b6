#pragma once
#include "app/FormatCodes.h"
#include "app/PresetLists.h"

#include <array>
#include <span>
#include <string_view>

// The output preset catalogue: for every catalogue format, the list and default entry of each of
// the six preset pickers, and whether the video pickers are usable.

struct TPresetChoice {
    TPresetListId List;
    int DefaultIndex;
};

// One format's presets, the pickers in the order they are filled.
struct TPresetRow {
    int Code;
    TPresetChoice Resolution;
    TPresetChoice VideoBitrate;
    TPresetChoice FrameRate;
    TPresetChoice AudioBitrate;
    TPresetChoice SampleRate;
    TPresetChoice Aspect;
    bool VideoEnabled; // false for the formats without video

    const TPresetChoice& Choice(TPresetPicker picker) const;
};

// Every row, ascending by FormatCode: one per catalogue format.
std::span<const TPresetRow> PresetOptionTable();
// The row of a FormatCode, or nullptr.
const TPresetRow* FindPresetRow(int formatCode);

// What one preset picker shows.
struct TPresetPickerState {
    std::span<const std::string_view> Items;
    int ItemIndex{ -1 };
    bool Enabled{ true };

    // The selected entry's text; empty with nothing selected.
    std::string_view Text() const;
};

// The six pickers indexed by TPresetPicker.
using TPresetPickerStates = std::array<TPresetPickerState, PresetPickerCount>;

// What the six preset pickers must show for a format: each picker's list with its default entry
// selected. A format without video switches the four video pickers off; while a conversion runs
// all six stay switched off, so that no choice can change a job that is already converting. A
// code without a row leaves the pickers empty.
TPresetPickerStates PresetPickersFor(int formatCode, bool conversionRunning = false);
