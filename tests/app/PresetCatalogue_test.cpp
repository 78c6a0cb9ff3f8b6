#include "app/PresetCatalogue.h"

#include "app/FormatCatalogue.h"
#include "app/FormatParameters.h"
#include "app/PresetTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

bool IsKeepText(std::string_view text) {
    return text == KeepResolutionText || text == KeepFrameRateText || text == KeepAspectText;
}

bool IsNoVideoText(std::string_view text) {
    return text == NoVideoText || text == NoVideoResolutionText;
}

TPresetTexts ShownTexts(const TPresetPickerStates& pickers) {
    TPresetTexts texts;
    for (int picker = 0; picker < PresetPickerCount; ++picker)
        texts[picker] = pickers[picker].Text();
    return texts;
}

} // namespace

TEST(PresetCatalogue, EightySixListsOfDistinctEntriesThatFitTwoDigits) {
    std::map<TPresetPicker, int> perPicker;
    std::set<std::string_view> labels;
    for (const TPresetList& list : PresetLists()) {
        SCOPED_TRACE(std::string(list.Label));
        labels.insert(list.Label);
        ++perPicker[PresetListPicker(list)];
        ASSERT_FALSE(list.Entries.empty());
        EXPECT_LE(list.Entries.size(), 28u);
        std::set<std::string_view> distinct(list.Entries.begin(), list.Entries.end());
        EXPECT_EQ(distinct.size(), list.Entries.size());
        for (size_t i = 0; i < list.Entries.size(); ++i) {
            if (IsKeepText(list.Entries[i])) {
                EXPECT_EQ(i, 0u) << list.Entries[i];
            }
            if (IsNoVideoText(list.Entries[i])) {
                EXPECT_EQ(list.Entries.size(), 1u);
            }
        }
    }
    EXPECT_EQ(labels.size(), 86u);
    EXPECT_EQ(PresetLists().size(), static_cast<size_t>(PresetListCount));
    const std::map<TPresetPicker, int> expected{ { ppResolution, 30 }, { ppVideoBitrate, 33 },
                                                 { ppFrameRate, 8 },   { ppAudioBitrate, 6 },
                                                 { ppSampleRate, 6 },  { ppAspect, 3 } };
    EXPECT_EQ(perPicker, expected);
    EXPECT_EQ(PresetList(TPresetListId::R01).Label, "R01");
    EXPECT_EQ(PresetList(TPresetListId::S03).Label, "S03");
}

TEST(PresetCatalogue, EveryFormatHasARowOfFittingListsAndDefaults) {
    const auto table = PresetOptionTable();
    EXPECT_EQ(table.size(), 288u);
    std::set<const TPresetList*> used;
    for (const int code : CatalogueFormatCodes()) {
        const TPresetRow* row = FindPresetRow(code);
        ASSERT_NE(row, nullptr) << code;
        for (int picker = 0; picker < PresetPickerCount; ++picker) {
            const TPresetChoice& choice = row->Choice(static_cast<TPresetPicker>(picker));
            const TPresetList& list = PresetList(choice.List);
            used.insert(&list);
            EXPECT_EQ(PresetListPicker(list), picker) << code << " " << list.Label;
            EXPECT_GE(choice.DefaultIndex, 0) << code;
            EXPECT_LT(choice.DefaultIndex, static_cast<int>(list.Entries.size())) << code;
        }
    }
    EXPECT_EQ(used.size(), 86u) << "every list serves some format";
    for (const int code : { 99, 115, 213, 409 + 5, 2106, 2813, -1 })
        EXPECT_EQ(FindPresetRow(code), nullptr) << code;
}

TEST(PresetCatalogue, OnlyFormatsWithoutVideoNameTheNoVideoLists) {
    int withoutVideo = 0;
    for (const TPresetRow& row : PresetOptionTable()) {
        const TPresetPickerStates pickers = PresetPickersFor(row.Code);
        withoutVideo += !row.VideoEnabled;
        for (int picker = 0; picker < PresetPickerCount; ++picker) {
            const bool video = IsVideoPicker(static_cast<TPresetPicker>(picker));
            const bool noVideoList =
                pickers[picker].Items.size() == 1 && IsNoVideoText(pickers[picker].Items[0]);
            EXPECT_EQ(noVideoList, video && !row.VideoEnabled) << row.Code << " " << picker;
            EXPECT_EQ(pickers[picker].Enabled, !video || row.VideoEnabled) << row.Code;
        }
    }
    EXPECT_EQ(withoutVideo, 20);
}

TEST(PresetCatalogue, StartUpFormatShowsItsDefaults) {
    const TPresetPickerStates pickers = PresetPickersFor(FormatCodeAt(0, 0));
    const TPresetTexts expected{ "720*480",        "1000 kbps", "128 kbps",
                                 "保持原视频模式", "29.97",     "44100" };
    EXPECT_EQ(ShownTexts(pickers), expected);
    for (const TPresetPickerState& picker : pickers)
        EXPECT_TRUE(picker.Enabled);
    EXPECT_EQ(pickers[ppResolution].ItemIndex, 14);
    EXPECT_EQ(pickers[ppResolution].Items.size(), 27u);
    EXPECT_EQ(pickers[ppVideoBitrate].ItemIndex, 1);
    EXPECT_EQ(pickers[ppFrameRate].Items.size(), 4u);
}

TEST(PresetCatalogue, AudioFormatSwitchesTheVideoPickersOff) {
    const TPresetPickerStates pickers = PresetPickersFor(FormatCodeAt(12, 12)); // AMR
    const TPresetTexts expected{ "该格式无视频", "无视频", "7.4 kbps", "无视频", "无视频", "8000" };
    EXPECT_EQ(ShownTexts(pickers), expected);
    EXPECT_FALSE(pickers[ppResolution].Enabled);
    EXPECT_FALSE(pickers[ppVideoBitrate].Enabled);
    EXPECT_FALSE(pickers[ppAspect].Enabled);
    EXPECT_FALSE(pickers[ppFrameRate].Enabled);
    EXPECT_TRUE(pickers[ppAudioBitrate].Enabled);
    EXPECT_TRUE(pickers[ppSampleRate].Enabled);
    EXPECT_EQ(pickers[ppAudioBitrate].Items.size(), 8u);
}

TEST(PresetCatalogue, PickersStayOffWhileAConversionRuns) {
    for (const int code : { 2100, 200 }) {
        const TPresetPickerStates pickers = PresetPickersFor(code, true);
        for (const TPresetPickerState& picker : pickers) {
            EXPECT_FALSE(picker.Enabled) << code;
            EXPECT_GE(picker.ItemIndex, 0) << code;
        }
    }
}

TEST(PresetCatalogue, CodeWithoutRowLeavesThePickersEmpty) {
    for (const int code : { 2099, 115, -1 }) {
        for (const TPresetPickerState& picker : PresetPickersFor(code)) {
            EXPECT_TRUE(picker.Items.empty()) << code;
            EXPECT_EQ(picker.ItemIndex, -1) << code;
            EXPECT_TRUE(picker.Enabled) << code;
            EXPECT_EQ(picker.Text(), "") << code;
        }
    }
}

// What the pickers show by default must be a conversion the front end can carry out: every
// format's six default texts convert, and for formats without video they unset the video.
TEST(PresetCatalogue, EveryFormatsDefaultsConvert) {
    for (const TPresetRow& row : PresetOptionTable()) {
        TWorkingParameters fields = FormatWorkingParameters(row.Code);
        ASSERT_NO_THROW(ApplyPresetTexts(fields, ShownTexts(PresetPickersFor(row.Code))))
            << row.Code;
        if (!row.VideoEnabled) {
            EXPECT_EQ(fields.VideoBitrate, BitrateNotSet) << row.Code;
            EXPECT_TRUE(fields.FrameSize.empty() && fields.FrameRate.empty()) << row.Code;
        }
    }
}
