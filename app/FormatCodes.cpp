#include "app/FormatCodes.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <algorithm>

int FamilyCodeAt(int familyPosition) {
    if (familyPosition < 0 || familyPosition >= static_cast<int>(FamilyPickerMap.size())) return -1;
    return FamilyPickerMap[familyPosition];
}

int FamilyPositionOf(int familyCode) {
    const auto it = std::find(FamilyPickerMap.begin(), FamilyPickerMap.end(), familyCode);
    return it == FamilyPickerMap.end() ? -1 : static_cast<int>(it - FamilyPickerMap.begin());
}

int FormatCodeOf(int familyCode, int formatIndex) {
    return (familyCode + 1) * 100 + formatIndex;
}

int FormatCodeAt(int familyPosition, int formatPosition) {
    const int familyCode = FamilyCodeAt(familyPosition);
    return familyCode < 0 ? -1 : FormatCodeOf(familyCode, formatPosition);
}

int FamilyCodeOfFormat(int formatCode) {
    return formatCode / 100 - 1;
}

int FormatIndexOf(int formatCode) {
    return formatCode % 100;
}

int PickerCodeOf(TPickerPositions positions) {
    return (positions.Family + 1) * 100 + positions.Format;
}

TPickerPositions PickerPositionsOf(int pickerCode) {
    return { pickerCode / 100 - 1, pickerCode % 100 };
}

bool IsVideoPicker(TPresetPicker picker) {
    return picker != ppAudioBitrate && picker != ppSampleRate;
}

std::string PresetDigitsOf(const TPresetIndexes& indexes) {
    std::string digits;
    for (const int index : indexes) {
        Assert(index >= 0 && index <= 99, "Preset index out of range");
        digits += static_cast<char>('0' + index / 10);
        digits += static_cast<char>('0' + index % 10);
    }
    return digits;
}

TPresetIndexes PresetIndexesOf(std::string_view digits) {
    const bool valid =
        digits.size() == 2 * PresetPickerCount &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!valid)
        throw EConvertError(Format("'%s' is not a valid integer value", std::string(digits)));
    TPresetIndexes indexes{};
    for (int i = 0; i < PresetPickerCount; ++i)
        indexes[i] = (digits[2 * i] - '0') * 10 + (digits[2 * i + 1] - '0');
    return indexes;
}

std::string ReplacePresetDigits(std::string_view digits, TPresetPicker picker, int index) {
    TPresetIndexes indexes = PresetIndexesOf(digits);
    indexes[picker] = index;
    return PresetDigitsOf(indexes);
}
