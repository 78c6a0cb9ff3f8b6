#include "app/FormatParameters.h"

#include "app/FormatCatalogue.h"
#include "app/JobRowParameters.h"
#include "app/PresetCatalogue.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

// A job row's cells holding the fields.
std::unique_ptr<TStringList> CellsOf(const TWorkingParameters& fields) {
    auto cells = std::make_unique<TStringList>();
    WriteParameterCells(fields, *cells);
    return cells;
}

} // namespace

TEST(FormatParameters, EveryCatalogueFormatButOneHasAnEntry) {
    const auto table = FormatParameterTable();
    EXPECT_EQ(table.size(), 287u);
    for (size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].Code, table[i].Code) << table[i].Code;
    for (const int code : CatalogueFormatCodes()) {
        const TFormatParameters* entry = FindFormatParameters(code);
        if (code == 409) {
            EXPECT_EQ(entry, nullptr);
            continue;
        }
        ASSERT_NE(entry, nullptr) << code;
        EXPECT_EQ(entry->Code, code);
    }
    for (const TFormatParameters& entry : table)
        EXPECT_TRUE(IsCatalogueFormat(entry.Code)) << entry.Code;
    EXPECT_EQ(FindFormatParameters(115), nullptr);
    EXPECT_EQ(FindFormatParameters(-1), nullptr);
}

// The parameters' own no-video flag and the preset catalogue's switched-off video pickers must
// name the same formats, or a format would show video choices it cannot convert (or hide them).
TEST(FormatParameters, AudioOnlyEntriesAreThePresetRowsWithoutVideo) {
    std::set<int> audioOnly;
    for (const TFormatParameters& entry : FormatParameterTable()) {
        if (!entry.DisableVideo) continue;
        audioOnly.insert(entry.Code);
        EXPECT_TRUE(entry.VideoCodec.empty()) << entry.Code;
        EXPECT_TRUE(entry.FrameSize.empty()) << entry.Code;
        EXPECT_EQ(entry.VideoBitrate, BitrateNone) << entry.Code;
        EXPECT_FALSE(entry.AudioSampleRate.empty()) << entry.Code;
    }
    std::set<int> withoutVideo;
    for (const TPresetRow& row : PresetOptionTable())
        if (!row.VideoEnabled) withoutVideo.insert(row.Code);
    EXPECT_EQ(audioOnly.size(), 20u);
    EXPECT_EQ(audioOnly, withoutVideo);
}

TEST(FormatParameters, DiscFormatsSetOnlyTargetNormAndUnsetBitrates) {
    std::map<std::string_view, int> targets;
    for (const TFormatParameters& entry : FormatParameterTable()) {
        if (entry.TargetType.empty()) {
            EXPECT_TRUE(entry.NormType.empty()) << entry.Code;
            continue;
        }
        ++targets[entry.TargetType];
        EXPECT_EQ(entry.NormType, "PAL") << entry.Code;
        EXPECT_EQ(entry.VideoBitrate, BitrateNotSet) << entry.Code;
        EXPECT_EQ(entry.AudioBitrate, BitrateNotSet) << entry.Code;
        EXPECT_TRUE(entry.VideoCodec.empty() && entry.AudioCodec.empty() && entry.FileExt.empty() &&
                    entry.FrameSize.empty() && entry.AudioSampleRate.empty())
            << entry.Code;
        EXPECT_EQ(entry.Ext, ".mpg") << entry.Code;
    }
    const std::map<std::string_view, int> expected{ { "dvd", 5 }, { "svcd", 5 }, { "vcd", 5 } };
    EXPECT_EQ(targets, expected);
}

TEST(FormatParameters, OutputExtensionFollowsTheCaptionButForFiveFormats) {
    std::set<int> differing;
    for (const TFormatParameters& entry : FormatParameterTable())
        if (entry.Ext != CaptionExtension(FormatCaption(entry.Code))) differing.insert(entry.Code);
    EXPECT_EQ(differing, (std::set<int>{ 901, 906, 909, 2500, 2700 }));
}

TEST(FormatParameters, WorkingFieldsOfAFormatWithoutEntryAreTheResetOnes) {
    EXPECT_EQ(FormatWorkingParameters(409), TWorkingParameters{});
    const auto cells = CellsOf(TWorkingParameters{});
    for (int cell = 10; cell <= 23; ++cell) {
        const std::string text = cells->Strings(cell);
        if (cell == 16 || cell == 18)
            EXPECT_EQ(text, "-1");
        else if (cell == 21)
            EXPECT_EQ(text, "False");
        else
            EXPECT_EQ(text, "") << cell;
    }
}

TEST(FormatParameters, CellsCarryTheSentinelsAsText) {
    const TWorkingParameters audio = FormatWorkingParameters(200);
    EXPECT_TRUE(audio.DisableVideo);
    EXPECT_EQ(audio.AudioVolume, "256");
    auto cells = CellsOf(audio);
    EXPECT_EQ(cells->Strings(16), "-1");
    EXPECT_EQ(cells->Strings(18), "128000");
    EXPECT_EQ(cells->Strings(21), "True");
    EXPECT_EQ(cells->Strings(11), "libmp3lame");

    cells = CellsOf(FormatWorkingParameters(111));
    EXPECT_EQ(cells->Strings(14), "");
    EXPECT_EQ(cells->Strings(16), "-1000");
    EXPECT_EQ(cells->Strings(18), "-1000");
    EXPECT_EQ(cells->Strings(22), "dvd");
    EXPECT_EQ(cells->Strings(23), "PAL");

    const TWorkingParameters vob = FormatWorkingParameters(2100);
    EXPECT_EQ(vob.FrameSize, "1280*720");
    EXPECT_EQ(vob.VideoBitrate, 1200000);
    EXPECT_EQ(vob.AudioSampleRate, "48000");
    EXPECT_EQ(vob.FileExt, ".vob");
}
