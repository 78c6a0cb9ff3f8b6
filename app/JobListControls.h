#pragma once
#include <array>

// The main window's controls that the job list operations switch together.

// The six preset pickers, in the order of their PresetDigits pairs.
inline constexpr std::array<const char*, 6> PresetPickerNames{
    "bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3",
    "bsSkinComboBox4", "bsSkinComboBox9", "bsSkinComboBox10"
};
inline constexpr const char* FamilyPickerName = "bsSkinOfficeComboBox2";
inline constexpr const char* FormatPickerName = "bsSkinOfficeComboBox1";

// Job row cells (sub-item indexes).
enum TJobCell {
    jcDuration = 0,
    jcSize = 1,
    jcOutputName = 2,
    jcProgress = 3,
    jcFps = 4,
    jcMediaTime = 5,
    jcOutputSize = 6,
    jcTaskNumber = 7,
    jcPickerCode = 8,
    jcPresetDigits = 9,
    jcFirstParameter = 10,
    jcCount = 24
};
