#include "app/PresetTexts.h"

#include "app/PresetLists.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextUtils.h"

#include <gtest/gtest.h>

TEST(PresetTexts, BitrateTextsBecomeBitsPerSecond) {
    struct Case {
        const char* text;
        int32_t video;
        int32_t audio;
    };
    const Case cases[] = {
        { "816 kbps", 816000, 816000 },
        { "  128   kbps", 128000, 128000 },
        { "8kbps", 8000, 8000 },
        { "无视频", BitrateNotSet, -2 },         // -2: refused
        { "自动音频比特率", -2, BitrateNotSet }, //
        { "4.75 kbps", -2, 4750 },
        { "5.15 kbps", -2, 5150 },
        { "7.95 kbps", -2, 7950 },
        { "12.2 kbps", -2, 12200 },
        { "kbps", -2, -2 },
        { "128", -2, -2 }, // no "kbps": nothing in front of it
        { "abc kbps", -2, -2 },
        { "4.7555 kbps", -2, -2 },  // a fraction of a bit per second
        { "3000000 kbps", -2, -2 }, // beyond the 32-bit field
    };
    for (const Case& c : cases) {
        if (c.video == -2)
            EXPECT_THROW(VideoBitrateFromPreset(c.text), EConvertError) << c.text;
        else
            EXPECT_EQ(VideoBitrateFromPreset(c.text), c.video) << c.text;
        if (c.audio == -2)
            EXPECT_THROW(AudioBitrateFromPreset(c.text), EConvertError) << c.text;
        else
            EXPECT_EQ(AudioBitrateFromPreset(c.text), c.audio) << c.text;
    }
}

TEST(PresetTexts, KeepAndNoVideoTextsGiveNoValue) {
    EXPECT_EQ(FrameSizeFromPreset(KeepResolutionText), "");
    EXPECT_EQ(FrameSizeFromPreset(NoVideoResolutionText), "");
    EXPECT_EQ(FrameSizeFromPreset("640*480"), "640*480");
    EXPECT_EQ(FrameRateFromPreset(KeepFrameRateText), "");
    EXPECT_EQ(FrameRateFromPreset(NoVideoText), "");
    EXPECT_EQ(FrameRateFromPreset("23.98"), "23.98");
    EXPECT_EQ(SampleRateFromPreset(AutoSampleRateText), "AUTO");
    EXPECT_EQ(SampleRateFromPreset("44100"), "44100");

    struct Case {
        const char* text;
        std::optional<std::string> aspect;
    };
    const Case cases[] = {
        { "保持原视频模式", "" },         { "普通视频4:3模式", "4:3" },
        { "宽屏视频16:9模式", "16:9" },   { "宽屏视频37:20模式", "37:20" },
        { "宽屏视频47:20模式", "47:20" }, { "无视频", "" },
        { "16:9", std::nullopt },         { "", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AspectFromPreset(c.text), c.aspect) << c.text;
}

// Every entry a preset picker can show must convert, or choosing it would fail the add.
TEST(PresetTexts, EveryListEntryConverts) {
    for (const TPresetList& list : PresetLists()) {
        const TPresetPicker picker = PresetListPicker(list);
        for (const std::string_view entry : list.Entries) {
            SCOPED_TRACE(std::string(list.Label) + " " + std::string(entry));
            switch (picker) {
            case ppVideoBitrate:
                if (entry != NoVideoText) {
                    EXPECT_GT(VideoBitrateFromPreset(entry), 0);
                }
                break;
            case ppAudioBitrate: {
                const int32_t bits = AudioBitrateFromPreset(entry);
                EXPECT_GT(bits, 0);
                EXPECT_EQ(bits % 10, 0);
                break;
            }
            case ppResolution: {
                const std::string size = FrameSizeFromPreset(entry);
                if (size.empty()) break;
                const size_t star = size.find('*');
                ASSERT_NE(star, std::string::npos);
                EXPECT_GT(StrToInt(size.substr(0, star)), 0);
                EXPECT_GT(StrToInt(size.substr(star + 1)), 0);
                break;
            }
            case ppFrameRate: {
                const std::string rate = FrameRateFromPreset(entry);
                if (!rate.empty()) {
                    EXPECT_GT(StrToFloat(rate), 0.0);
                }
                break;
            }
            case ppSampleRate:
                EXPECT_GT(StrToInt(SampleRateFromPreset(entry)), 0);
                break;
            case ppAspect:
                EXPECT_TRUE(AspectFromPreset(entry).has_value());
                break;
            }
        }
    }
}

TEST(PresetTexts, ApplyingOverridesThePresetFieldsOnly) {
    TWorkingParameters fields = FormatWorkingParameters(100);
    fields.FrameAspectRatio = "16:9";
    TPresetTexts texts;
    texts[ppResolution] = "720*480";
    texts[ppVideoBitrate] = "1000 kbps";
    texts[ppAudioBitrate] = "12.2 kbps";
    texts[ppAspect] = "something else"; // leaves the format's aspect
    texts[ppFrameRate] = "29.97";
    texts[ppSampleRate] = "44100";
    ApplyPresetTexts(fields, texts);
    EXPECT_EQ(fields.FrameSize, "720*480");
    EXPECT_EQ(fields.VideoBitrate, 1000000);
    EXPECT_EQ(fields.AudioBitrate, 12200);
    EXPECT_EQ(fields.FrameAspectRatio, "16:9");
    EXPECT_EQ(fields.FrameRate, "29.97");
    EXPECT_EQ(fields.AudioSampleRate, "44100");
    EXPECT_EQ(fields.VideoCodec, "mpeg4");
    EXPECT_EQ(fields.VideoTag, "XVID");

    texts = { "该格式无视频", "无视频", "128 kbps", "无视频", "无视频", "48000" };
    ApplyPresetTexts(fields, texts);
    EXPECT_EQ(fields.FrameSize, "");
    EXPECT_EQ(fields.FrameRate, "");
    EXPECT_EQ(fields.VideoBitrate, BitrateNotSet);
    EXPECT_EQ(fields.FrameAspectRatio, "");
}

TEST(PresetTexts, AFailedConversionChangesNoField) {
    const TWorkingParameters before = FormatWorkingParameters(2100);
    TWorkingParameters fields = before;
    // The audio bit rate is converted after frame size, rate and video bit rate.
    const TPresetTexts texts{ "640*480", "816 kbps", "bad", "普通视频4:3模式", "25.00", "44100" };
    EXPECT_THROW(ApplyPresetTexts(fields, texts), EConvertError);
    EXPECT_EQ(fields, before);
}
