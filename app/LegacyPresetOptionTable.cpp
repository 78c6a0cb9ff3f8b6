#include "app/LegacyPresetOptionTable.h"

#include "app/LegacyFormatCatalogue.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

using enum TPresetListId;

std::span<const std::string_view> Entries(TPresetListId id) {
    return PresetList(id).Entries;
}

// The main window's full resolution list with its largest widescreen size offered twice; no
// default reaches the second copy.
std::span<const std::string_view> FullResolutions() {
    static const std::vector<std::string_view> list = [] {
        std::vector<std::string_view> entries(Entries(R01).begin(), Entries(R01).end());
        const auto widest = std::ranges::find(entries, std::string_view("1920*1200"));
        entries.insert(widest, *widest);
        return entries;
    }();
    return list;
}

// The iPhone sizes up to "640*480", then the widescreen "720*406".
std::span<const std::string_view> IPhoneWideResolutions() {
    static const std::vector<std::string_view> list = [] {
        std::vector<std::string_view> entries(Entries(R06).begin(), Entries(R06).end());
        entries.push_back("720*406");
        return entries;
    }();
    return list;
}

enum class TLegacyList { IPhone, IPhoneWide, IPhoneVideoBitrate, IPhoneFrameRate, Aspect, Amr };

std::span<const std::string_view> ListOf(TLegacyList list) {
    switch (list) {
    case TLegacyList::IPhone:
        return Entries(R06);
    case TLegacyList::IPhoneWide:
        return IPhoneWideResolutions();
    case TLegacyList::IPhoneVideoBitrate:
        return Entries(V09).first(9); // up to "2000 kbps"
    case TLegacyList::IPhoneFrameRate:
        return Entries(F05);
    case TLegacyList::Aspect:
        return Entries(S01);
    case TLegacyList::Amr:
        break;
    }
    return Entries(A02); // whole-number rates from "5 kbps" to "12 kbps"
}

struct TLegacyChoice {
    int Code;
    TPresetPicker Picker;
    TLegacyList List;
    int DefaultIndex;
};

// Where this window's pickers differ from the main window's for the same code.
// clang-format off
constexpr TLegacyChoice kOwnChoices[] = {
    { 500, ppResolution, TLegacyList::IPhone, 6 },
    { 501, ppResolution, TLegacyList::IPhone, 11 },
    { 502, ppResolution, TLegacyList::IPhoneWide, 12 },
    { 502, ppVideoBitrate, TLegacyList::IPhoneVideoBitrate, 3 },
    { 502, ppFrameRate, TLegacyList::IPhoneFrameRate, 7 },
    { 503, ppResolution, TLegacyList::IPhoneWide, 11 },
    { 503, ppVideoBitrate, TLegacyList::IPhoneVideoBitrate, 5 },
    { 503, ppFrameRate, TLegacyList::IPhoneFrameRate, 7 },
    { 504, ppResolution, TLegacyList::IPhoneWide, 3 },
    { 504, ppVideoBitrate, TLegacyList::IPhoneVideoBitrate, 3 },
    { 504, ppFrameRate, TLegacyList::IPhoneFrameRate, 7 },
    { 505, ppResolution, TLegacyList::IPhoneWide, 6 },
    { 505, ppAspect, TLegacyList::Aspect, 0 },
    { 700, ppAudioBitrate, TLegacyList::Amr, 5 },
    { 702, ppAudioBitrate, TLegacyList::Amr, 5 },
    { 704, ppAudioBitrate, TLegacyList::Amr, 5 },
};
// clang-format on

} // namespace

std::optional<TPresetPickerStates> LegacyPresetPickersFor(int code) {
    if (!FindLegacyFormat(code)) return std::nullopt;
    TPresetPickerStates pickers = PresetPickersFor(code);
    TPresetPickerState& resolution = pickers[ppResolution];
    if (resolution.Items.data() == Entries(R01).data()) resolution.Items = FullResolutions();
    for (const TLegacyChoice& own : kOwnChoices) {
        if (own.Code != code) continue;
        TPresetPickerState& picker = pickers[own.Picker];
        picker.Items = ListOf(own.List);
        picker.ItemIndex = own.DefaultIndex;
        picker.Enabled = true;
    }
    return pickers;
}
