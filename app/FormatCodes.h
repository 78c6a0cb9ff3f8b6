#pragma once
#include <array>
#include <string>
#include <string_view>

// The numbers that tie the family picker, the format picker, the format catalogue, the
// per-format parameters, the preset catalogue and a job row's hidden cells together.
//
// FamilyCode: 0..27, a family of the format catalogue.
// FormatCode: (FamilyCode + 1) * 100 + the format's index in its family.
// PickerCode: (family picker position + 1) * 100 + format picker position; a job row keeps it.
// PresetDigits: the six preset pickers' positions, two decimal digits each.

// The family picker's positions 0..12 and the families they offer.
inline constexpr std::array<int, 13> FamilyPickerMap{
    20, 0, 2, 4, 26, 10, 13, 16, 17, 18, 12, 11, 1
};

// The FamilyCode offered at a family picker position, or -1 for a position the picker lacks.
int FamilyCodeAt(int familyPosition);
// The family picker position that offers a family, or -1 when the picker does not offer it.
int FamilyPositionOf(int familyCode);

int FormatCodeOf(int familyCode, int formatIndex);
// The FormatCode the two pickers stand for, or -1 for a family position the picker lacks.
int FormatCodeAt(int familyPosition, int formatPosition);
int FamilyCodeOfFormat(int formatCode);
int FormatIndexOf(int formatCode);

struct TPickerPositions {
    int Family{ 0 };
    int Format{ 0 };
    bool operator==(const TPickerPositions&) const = default;
};

int PickerCodeOf(TPickerPositions positions);
TPickerPositions PickerPositionsOf(int pickerCode);

// The six preset pickers, numbered in the order of their PresetDigits pairs.
enum TPresetPicker {
    ppResolution,   // bsSkinComboBox1
    ppVideoBitrate, // bsSkinComboBox2
    ppAudioBitrate, // bsSkinComboBox3
    ppAspect,       // bsSkinComboBox4
    ppFrameRate,    // bsSkinComboBox9
    ppSampleRate    // bsSkinComboBox10
};
inline constexpr int PresetPickerCount = 6;

// The order in which the preset pickers are filled and their defaults selected; a picker's
// change event fires before the next one is filled, so this order is visible to the row.
inline constexpr std::array<TPresetPicker, PresetPickerCount> PresetFillOrder{
    ppResolution, ppVideoBitrate, ppFrameRate, ppAudioBitrate, ppSampleRate, ppAspect
};

// The pickers that a format without video switches off.
bool IsVideoPicker(TPresetPicker picker);

using TPresetIndexes = std::array<int, PresetPickerCount>;

// Twelve digits, two per picker in TPresetPicker order ("00" to "99"). An index outside 0..99
// cannot be kept in two digits and fails an assertion.
std::string PresetDigitsOf(const TPresetIndexes& indexes);
// Reads twelve digits back; any other text raises EConvertError.
TPresetIndexes PresetIndexesOf(std::string_view digits);
// The digits with one picker's pair replaced; the other pairs are kept as they are.
std::string ReplacePresetDigits(std::string_view digits, TPresetPicker picker, int index);
