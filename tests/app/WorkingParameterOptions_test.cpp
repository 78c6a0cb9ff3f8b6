#include "app/WorkingParameterOptions.h"

#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(WorkingParameterOptions, ResetFieldsLeaveTheEngineDefaults) {
    const TOutputOptions options = OutputOptionsOf(TWorkingParameters{});
    TOutputOptions reset;
    InitOutputOptions(reset);
    EXPECT_EQ(options.VideoCodec, reset.VideoCodec);
    EXPECT_EQ(options.AudioCodec, reset.AudioCodec);
    EXPECT_EQ(options.AudioChannels, reset.AudioChannels);
    EXPECT_EQ(options.AudioSampleRate, reset.AudioSampleRate);
    EXPECT_EQ(options.TargetType, ttIgnore);
    EXPECT_EQ(options.NormType, ntAuto);
    EXPECT_EQ(options.AudioVolume, 256);
    EXPECT_EQ(options.VideoBitrate, -1);
    EXPECT_EQ(options.AudioBitrate, -1);
    EXPECT_FALSE(options.DisableVideo);
}

TEST(WorkingParameterOptions, FormatWithPresetsBecomesItsOptions) {
    TWorkingParameters fields = FormatWorkingParameters(2100);
    ApplyPresetTexts(fields,
                     { "720*480", "1000 kbps", "128 kbps", "保持原视频模式", "29.97", "44100" });
    const TOutputOptions options = OutputOptionsOf(fields);
    EXPECT_EQ(options.FrameSize, "720*480");
    EXPECT_EQ(options.VideoBitrate, 1000000);
    EXPECT_EQ(options.AudioBitrate, 128000);
    EXPECT_EQ(options.FrameRate, "29.97");
    EXPECT_EQ(options.AudioSampleRate, 44100);
    EXPECT_EQ(options.AudioChannels, 2);
    EXPECT_EQ(options.AudioCodec, "libfaac");
    EXPECT_EQ(options.FrameAspectRatio, "");
    EXPECT_EQ(options.VideoCodec, "");
}

TEST(WorkingParameterOptions, CodecTargetAndNormRules) {
    struct Case {
        const char* videoCodec;
        const char* expectedPreset;
        const char* target;
        TOptionTargetType expectedTarget;
        const char* norm;
        TOptionNormType expectedNorm;
    };
    const Case cases[] = {
        { "libx264", "libx264-default", "dvd", ttDVD, "PAL", ntPAL },
        { "mpeg4", "", "svcd", ttSVCD, "NTSC", ntNTSC },
        { "", "", "vcd", ttVCD, "", ntAuto },
        { "", "", "DVD", ttIgnore, "pal", ntAuto }, // compared exactly
    };
    for (const Case& c : cases) {
        TWorkingParameters fields;
        fields.VideoCodec = c.videoCodec;
        fields.TargetType = c.target;
        fields.NormType = c.norm;
        const TOutputOptions options = OutputOptionsOf(fields);
        EXPECT_EQ(options.VideoCodec, c.videoCodec);
        EXPECT_EQ(options.VideoPreset, c.expectedPreset) << c.videoCodec;
        EXPECT_EQ(options.TargetType, c.expectedTarget) << c.target;
        EXPECT_EQ(options.NormType, c.expectedNorm) << c.norm;
    }
}

TEST(WorkingParameterOptions, SentinelsLeaveTheirOptionUnset) {
    TWorkingParameters fields;
    fields.VideoBitrate = BitrateNotSet;
    fields.AudioBitrate = BitrateNotSetAlso;
    fields.AudioSampleRate = "AUTO";
    fields.AudioCodec = "AUTO";
    fields.DisableVideo = true;
    fields.AudioVolume = "300";
    TOutputOptions options = OutputOptionsOf(fields);
    EXPECT_EQ(options.VideoBitrate, -1);
    EXPECT_EQ(options.AudioBitrate, -1);
    EXPECT_EQ(options.AudioSampleRate, -1);
    EXPECT_EQ(options.AudioCodec, "");
    EXPECT_TRUE(options.DisableVideo);
    EXPECT_EQ(options.AudioVolume, 300);

    fields.AudioBitrate = BitrateNotSet;
    EXPECT_EQ(OutputOptionsOf(fields).AudioBitrate, -1);
    fields.AudioBitrate = BitrateNone; // reaches the engine, which ignores it
    fields.VideoBitrate = 816000;
    options = OutputOptionsOf(fields);
    EXPECT_EQ(options.AudioBitrate, BitrateNone);
    EXPECT_EQ(options.VideoBitrate, 816000);
}

TEST(WorkingParameterOptions, NumberTextsThatAreNotNumbersAreRefused) {
    for (const auto set : { +[](TWorkingParameters& f) { f.AudioChannels = "two"; },
                            +[](TWorkingParameters& f) { f.AudioSampleRate = "44.1k"; },
                            +[](TWorkingParameters& f) { f.AudioVolume = ""; } }) {
        TWorkingParameters fields;
        set(fields);
        EXPECT_THROW(OutputOptionsOf(fields), EConvertError);
    }
}

// Every format, with its presets' defaults, must make a record the engine can take.
TEST(WorkingParameterOptions, EveryFormatWithItsDefaultsConverts) {
    for (const TPresetRow& row : PresetOptionTable()) {
        const TPresetPickerStates pickers = PresetPickersFor(row.Code);
        TPresetTexts texts;
        for (int picker = 0; picker < PresetPickerCount; ++picker)
            texts[picker] = pickers[picker].Text();
        TWorkingParameters fields = FormatWorkingParameters(row.Code);
        ApplyPresetTexts(fields, texts);
        EXPECT_NO_THROW(OutputOptionsOf(fields)) << row.Code;
    }
}

// libx264 takes its settings from the built-in default preset and no tag; the other encoders
// take the tag.
TEST(WorkingParameterOptions, Libx264TakesTheDefaultPresetAndNoTag) {
    TWorkingParameters row;
    row.VideoTag = "H264";
    for (const auto& [codec, tag, preset] :
         { std::tuple{ "libx264", "", "libx264-default" }, std::tuple{ "mpeg4", "H264", "" } }) {
        row.VideoCodec = codec;
        const TOutputOptions options = OutputOptionsOf(row);
        EXPECT_EQ(options.VideoCodec, codec);
        EXPECT_EQ(options.VideoTag, tag) << codec;
        EXPECT_EQ(options.VideoPreset, preset) << codec;
    }
}
