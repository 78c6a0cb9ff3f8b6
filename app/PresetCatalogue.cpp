#include "app/PresetCatalogue.h"

#include <algorithm>

const TPresetChoice& TPresetRow::Choice(TPresetPicker picker) const {
    switch (picker) {
    case ppResolution:
        return Resolution;
    case ppVideoBitrate:
        return VideoBitrate;
    case ppAudioBitrate:
        return AudioBitrate;
    case ppAspect:
        return Aspect;
    case ppFrameRate:
        return FrameRate;
    case ppSampleRate:
        break;
    }
    return SampleRate;
}

const TPresetRow* FindPresetRow(int formatCode) {
    const auto table = PresetOptionTable();
    const auto it =
        std::lower_bound(table.begin(), table.end(), formatCode,
                         [](const TPresetRow& row, int code) { return row.Code < code; });
    return it != table.end() && it->Code == formatCode ? &*it : nullptr;
}

std::string_view TPresetPickerState::Text() const {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size())) return {};
    return Items[ItemIndex];
}

TPresetPickerStates PresetPickersFor(int formatCode, bool conversionRunning) {
    TPresetPickerStates pickers;
    for (auto& picker : pickers)
        picker.Enabled = !conversionRunning;
    const TPresetRow* row = FindPresetRow(formatCode);
    if (row == nullptr) return pickers;
    for (const TPresetPicker picker : PresetFillOrder) {
        const TPresetChoice& choice = row->Choice(picker);
        TPresetPickerState& state = pickers[picker];
        state.Items = PresetList(choice.List).Entries;
        state.ItemIndex = choice.DefaultIndex;
        if (IsVideoPicker(picker) && !row->VideoEnabled) state.Enabled = false;
    }
    return pickers;
}
