#include "app/JobRowParameters.h"

#include "app/FormatCatalogue.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/WorkingParameterOptions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

struct TOffered {
    int Code;
    TWorkingParameters Fields;
};

// Every format the pickers offer, once with its default presets and once more for every other
// entry of each of its preset pickers, as the main window makes their working parameters.
std::vector<TOffered> OfferedRecords() {
    std::vector<TOffered> records;
    for (int family = 0; family < int(FamilyPickerMap.size()); ++family) {
        const auto captions = FamilyFormatCaptions(FamilyCodeAt(family));
        for (int format = 0; format < int(captions.size()); ++format) {
            const int code = FormatCodeAt(family, format);
            const TPresetPickerStates pickers = PresetPickersFor(code);
            TPresetTexts defaults;
            for (int p = 0; p < PresetPickerCount; ++p)
                defaults[p] = pickers[p].Text();
            for (int p = -1; p < PresetPickerCount; ++p) {
                const auto entries = p < 0 ? std::span<const std::string_view>{} : pickers[p].Items;
                for (std::size_t entry = 0; entry < (p < 0 ? 1 : entries.size()); ++entry) {
                    TPresetTexts texts = defaults;
                    if (p >= 0) texts[p] = entries[entry];
                    TOffered record{ code, FormatWorkingParameters(code) };
                    ApplyPresetTexts(record.Fields, texts);
                    records.push_back(std::move(record));
                }
            }
        }
    }
    return records;
}

TEST(JobRowParameters, EveryFieldStandsInItsOwnCell) {
    TWorkingParameters fields;
    fields.VideoCodec = "mpeg4";
    fields.AudioCodec = "libmp3lame";
    fields.AudioChannels = "2";
    fields.VideoTag = "XVID";
    fields.FileExt = ".avi";
    fields.FrameSize = "640*480";
    fields.VideoBitrate = 816000;
    fields.FrameRate = "29.97";
    fields.AudioBitrate = 128000;
    fields.AudioSampleRate = "44100";
    fields.FrameAspectRatio = "16:9";
    fields.DisableVideo = true;
    fields.TargetType = "dvd";
    fields.NormType = "PAL";
    const std::pair<int, const char*> expected[] = {
        { 10, "mpeg4" },   { 11, "libmp3lame" }, { 12, "2" },     { 13, "XVID" },   { 14, ".avi" },
        { 15, "640*480" }, { 16, "816000" },     { 17, "29.97" }, { 18, "128000" }, { 19, "44100" },
        { 20, "16:9" },    { 21, "True" },       { 22, "dvd" },   { 23, "PAL" },
    };
    TStringList cells;
    cells.Add("00:00:02"); // a row's first cells are not the schema's
    WriteParameterCells(fields, cells);
    ASSERT_EQ(cells.Count(), jcCount);
    EXPECT_EQ(cells.Strings(0), "00:00:02");
    for (const auto& [cell, text] : expected) {
        EXPECT_EQ(cells.Strings(cell), text) << cell;
        EXPECT_EQ(ParameterCellText(fields, TJobCell(cell)), text) << cell;
    }
    EXPECT_THROW(ParameterCellText(fields, jcOutputName), EListError);
}

// The row keeps what the add or a format change wrote and gives back the very record the
// rebuild converts with.
TEST(JobRowParameters, WriterAndReaderAreInversesForEveryOfferedFormat) {
    std::set<int> formats;
    for (const TOffered& record : OfferedRecords()) {
        formats.insert(record.Code);
        TStringList cells;
        WriteParameterCells(record.Fields, cells);
        const TWorkingParameters read = ReadParameterCells(cells);
        ASSERT_EQ(read, record.Fields) << record.Code << ": " << cells.Text();
        TStringList again;
        WriteParameterCells(read, again);
        ASSERT_EQ(again.Text(), cells.Text()) << record.Code;
    }
    EXPECT_EQ(formats.size(), 123u);
}

TEST(JobRowParameters, ReadingRefusesBitRatesThatAreNoNumbers) {
    TStringList cells;
    WriteParameterCells(FormatWorkingParameters(100), cells);
    for (const auto& [cell, text] : { std::pair{ 16, "816 kbps" }, std::pair{ 18, "" } }) {
        TStringList broken;
        broken.Assign(cells);
        broken.SetStrings(cell, text);
        EXPECT_THROW(ReadParameterCells(broken), EConvertError) << cell;
    }
    TStringList shortRow;
    shortRow.Add("");
    EXPECT_THROW(ReadParameterCells(shortRow), EConvertError) << "a row without its bit rates";
    // Only "True" switches the video off, as the rebuild compares it.
    cells.SetStrings(21, "true");
    EXPECT_FALSE(ReadParameterCells(cells).DisableVideo);
}

// Starting a row that was added and not changed since must convert it as the add checked it.
TEST(JobRowParameters, AnUntouchedRowRebuildsIntoTheOptionsItWasAddedWith) {
    for (const TOffered& record : OfferedRecords()) {
        const TOutputOptions added = OutputOptionsOf(record.Fields);
        TStringList cells;
        WriteParameterCells(record.Fields, cells);
        const TOutputOptions rebuilt = OutputOptionsOf(ReadParameterCells(cells));
        SCOPED_TRACE(record.Code);
        EXPECT_EQ(rebuilt.VideoCodec, added.VideoCodec);
        EXPECT_EQ(rebuilt.VideoPreset, added.VideoPreset);
        EXPECT_EQ(rebuilt.AudioCodec, added.AudioCodec);
        EXPECT_EQ(rebuilt.AudioChannels, added.AudioChannels);
        EXPECT_EQ(rebuilt.VideoTag, added.VideoTag);
        EXPECT_EQ(rebuilt.FileExt, added.FileExt);
        EXPECT_EQ(rebuilt.FrameSize, added.FrameSize);
        EXPECT_EQ(rebuilt.VideoBitrate, added.VideoBitrate);
        EXPECT_EQ(rebuilt.FrameRate, added.FrameRate);
        EXPECT_EQ(rebuilt.AudioBitrate, added.AudioBitrate);
        EXPECT_EQ(rebuilt.AudioSampleRate, added.AudioSampleRate);
        EXPECT_EQ(rebuilt.FrameAspectRatio, added.FrameAspectRatio);
        EXPECT_EQ(rebuilt.DisableVideo, added.DisableVideo);
        EXPECT_EQ(rebuilt.TargetType, added.TargetType);
        EXPECT_EQ(rebuilt.NormType, added.NormType);
        EXPECT_EQ(rebuilt.AudioVolume, added.AudioVolume);
        if (HasFailure()) return;
    }
}

} // namespace
