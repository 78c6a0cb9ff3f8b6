#include "app/LegacyFormatCatalogue.h"
#include "app/LegacyFormatParameterTable.h"
#include "app/LegacyPresetOptionTable.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(std::span<const std::string_view> items) {
    return { items.begin(), items.end() };
}

TEST(LegacyFormatCatalogue, FamiliesHoldTheirFormatsInCodeOrder) {
    const int sizes[LegacyFamilyCount] = { 15, 13, 10, 14, 6, 5, 14, 5, 10, 8, 5, 4 };
    std::size_t total = 0;
    for (int family = 0; family < LegacyFamilyCount; ++family) {
        const auto formats = LegacyFamilyFormats(family);
        ASSERT_EQ(int(formats.size()), sizes[family]) << family;
        for (std::size_t i = 0; i < formats.size(); ++i)
            EXPECT_EQ(formats[i].Code, (family + 1) * 100 + int(i));
        total += formats.size();
    }
    EXPECT_EQ(total, 109u);
    EXPECT_EQ(LegacyFormatCatalogue().size(), 109u);
    EXPECT_TRUE(LegacyFamilyFormats(-1).empty());
    EXPECT_TRUE(LegacyFamilyFormats(12).empty());
}

TEST(LegacyFormatCatalogue, TitlesDescriptionsAndPicturesStandAsShown) {
    struct Case {
        int code;
        const char* title;
        const char* description;
        int image;
    };
    const Case cases[] = {
        { 100, "AVI - 音频视频交错格式(*.avi)",
          "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式", 0 },
        { 202, "WAV - 波形音频格式(*.wav) ", "WAV为微软公司开发的波形声音文件格式", 2 },
        { 211, "ALAC-Apple Lossless无损音频格式(*.alac) ",
          "ALAC是流行的Apple Lossless无损音频格,ALAC是一种无损压缩音频技术,具有完美的CD音质", 11 },
        { 702, "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2))",
          "第三代合作伙伴项目2-3GPP2制定的多媒体格式，手机视频格式.(AMR音频)", 21 },
        { 909, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(微软编码2).",
          21 },
        { 1203, "SWF动画视频FLASH动画音频格式(*.swf)",
          "最常用的FLASH动画视频预置方案，动画格式为SWF文件(音频格式)", 25 },
    };
    for (const Case& c : cases) {
        const TLegacyFormat* format = FindLegacyFormat(c.code);
        ASSERT_NE(format, nullptr) << c.code;
        EXPECT_EQ(format->Title, c.title);
        EXPECT_EQ(format->Description, c.description);
        EXPECT_EQ(format->ImageIndex, c.image) << c.code;
    }
    EXPECT_EQ(FindLegacyFormat(114 + 1), nullptr);
    EXPECT_EQ(FindLegacyFormat(0), nullptr);
}

TEST(LegacyPresetTable, FirstFormatOffersTheFullResolutionListWithTheWidestSizeTwice) {
    const auto pickers = LegacyPresetPickersFor(100);
    ASSERT_TRUE(pickers);
    const auto& resolution = (*pickers)[ppResolution];
    ASSERT_EQ(resolution.Items.size(), 28u);
    EXPECT_EQ(resolution.Items[24], "1920*1200");
    EXPECT_EQ(resolution.Items[25], "1920*1200");
    EXPECT_EQ(resolution.Items[27], "2560*1600");
    const char* defaults[PresetPickerCount] = { "保持原分辨率",   "816 kbps", "128 kbps",
                                                "保持原视频模式", "25.00",    "44100" };
    for (int p = 0; p < PresetPickerCount; ++p) {
        EXPECT_EQ((*pickers)[p].Text(), defaults[p]) << p;
        EXPECT_TRUE((*pickers)[p].Enabled) << p;
    }
    EXPECT_FALSE(LegacyPresetPickersFor(0));
    EXPECT_FALSE(LegacyPresetPickersFor(515)) << "the main window's iPhone family is longer";
}

TEST(LegacyPresetTable, OwnRowsOfTheIPhoneAndAmrFormats) {
    const auto iphone = LegacyPresetPickersFor(502);
    ASSERT_TRUE(iphone);
    EXPECT_EQ((*iphone)[ppResolution].Text(), "720*406");
    EXPECT_EQ((*iphone)[ppResolution].Items.size(), 13u);
    EXPECT_EQ((*iphone)[ppVideoBitrate].Text(), "768 kbps");
    EXPECT_EQ(Texts((*iphone)[ppVideoBitrate].Items).back(), "2000 kbps");
    EXPECT_EQ((*iphone)[ppFrameRate].Text(), "25.00");
    EXPECT_EQ((*LegacyPresetPickersFor(500))[ppResolution].Text(), "480*320");
    EXPECT_EQ((*LegacyPresetPickersFor(505))[ppAspect].Text(), "保持原视频模式");
    const auto amr = LegacyPresetPickersFor(704);
    EXPECT_EQ(
        Texts((*amr)[ppAudioBitrate].Items),
        (std::vector<std::string>{ "5 kbps", "6 kbps", "7 kbps", "8 kbps", "10 kbps", "12 kbps" }));
    EXPECT_EQ((*amr)[ppAudioBitrate].Text(), "12 kbps");

    const auto audio = LegacyPresetPickersFor(708);
    ASSERT_TRUE(audio);
    for (const TPresetPicker p : { ppResolution, ppVideoBitrate, ppFrameRate, ppAspect })
        EXPECT_FALSE((*audio)[p].Enabled) << p;
    EXPECT_TRUE((*audio)[ppAudioBitrate].Enabled);
    EXPECT_EQ((*audio)[ppAudioBitrate].Text(), "7.4 kbps");
    EXPECT_EQ((*audio)[ppSampleRate].Text(), "8000");
    EXPECT_EQ((*audio)[ppResolution].Text(), "该格式无视频");
}

TEST(LegacyPresetTable, FollowsTheMainWindowsTableApartFromItsOwnRows) {
    // Code and picker of the rows this window keeps for itself.
    const std::set<std::pair<int, int>> own{
        { 500, ppResolution },   { 501, ppResolution },   { 502, ppResolution },
        { 502, ppVideoBitrate }, { 502, ppFrameRate },    { 503, ppResolution },
        { 503, ppVideoBitrate }, { 503, ppFrameRate },    { 504, ppResolution },
        { 504, ppVideoBitrate }, { 504, ppFrameRate },    { 505, ppResolution },
        { 505, ppAspect },       { 700, ppAudioBitrate }, { 702, ppAudioBitrate },
        { 704, ppAudioBitrate },
    };
    std::map<int, std::set<std::vector<std::string>>> lists;
    for (const TLegacyFormat& format : LegacyFormatCatalogue()) {
        const auto legacy = LegacyPresetPickersFor(format.Code);
        ASSERT_TRUE(legacy) << format.Code;
        const TPresetPickerStates main = PresetPickersFor(format.Code);
        for (int p = 0; p < PresetPickerCount; ++p) {
            const TPresetPickerState& mine = (*legacy)[p];
            lists[p].insert(Texts(mine.Items));
            if (own.contains({ format.Code, p })) {
                EXPECT_TRUE(mine.Enabled);
                continue;
            }
            std::vector<std::string> expected = Texts(main[p].Items);
            if (p == ppResolution && expected.size() == 27)
                expected.insert(expected.begin() + 24, "1920*1200");
            EXPECT_EQ(Texts(mine.Items), expected) << format.Code << " picker " << p;
            EXPECT_EQ(mine.ItemIndex, main[p].ItemIndex) << format.Code << " picker " << p;
            EXPECT_EQ(mine.Enabled, main[p].Enabled) << format.Code << " picker " << p;
        }
    }
    EXPECT_EQ(lists[ppResolution].size(), 19u);
    EXPECT_EQ(lists[ppVideoBitrate].size(), 10u);
    EXPECT_EQ(lists[ppAudioBitrate].size(), 6u);
    EXPECT_EQ(lists[ppFrameRate].size(), 7u);
    EXPECT_EQ(lists[ppSampleRate].size(), 5u);
    EXPECT_EQ(lists[ppAspect].size(), 3u);
}

TEST(LegacyParameterTable, RowsWriteOverTheFieldsAsTheyStand) {
    TWorkingParameters before;
    before.VideoCodec = "old";
    before.VideoTag = "OLDT";
    before.FileExt = ".old";
    before.TargetType = "dvd";
    before.FrameSize = "1*1";
    before.VideoFilters = "crop";

    struct Case {
        int code;
        std::string_view ext;
        TWorkingParameters expected;
    };
    auto with = [&](auto change) {
        TWorkingParameters p = before;
        change(p);
        return p;
    };
    auto video = [](TWorkingParameters& p, const char* ext, const char* codec, const char* tag,
                    const char* size, int32_t rate) {
        p.FileExt = ext;
        p.VideoCodec = codec;
        p.VideoTag = tag;
        p.FrameRate = "25";
        p.FrameSize = size;
        p.FrameAspectRatio = "";
        p.VideoBitrate = rate;
        p.VideoFilters = "";
        p.AudioVolume = "256";
        p.NormType = p.FileFormat = p.TargetType = "";
    };
    const Case cases[] = {
        { 100, ".avi", with([&](TWorkingParameters& p) {
              video(p, ".avi", "mpeg4", "XVID", "", 816000);
              p.AudioCodec = "libmp3lame";
              p.AudioChannels = "2";
              p.AudioSampleRate = "44100";
              p.AudioBitrate = 128000;
          }) },
        { 305, ".asf", with([&](TWorkingParameters& p) {
              video(p, ".asf", "msmpeg4", "OLDT", "1280*720", 1600000);
              p.AudioCodec = "wmav2";
              p.AudioChannels = "2";
              p.AudioSampleRate = "48000";
              p.AudioBitrate = 128000;
          }) },
        { 306, ".wmv", with([&](TWorkingParameters& p) {
              video(p, ".asf", "wmv2", "", "1280*720", 1600000);
              p.AudioCodec = "wmav2";
              p.AudioChannels = "2";
              p.AudioSampleRate = "48000";
              p.AudioBitrate = 128000;
          }) },
        { 405, ".mp4", with([&](TWorkingParameters& p) {
              video(p, ".mp4", "libx264", "", "640*480", 1200000);
              p.TargetType = "dvd";
              p.AudioCodec = "libfaac";
              p.AudioChannels = "2";
              p.AudioSampleRate = "48000";
              p.AudioBitrate = 128000;
          }) },
        { 200, ".mp3", with([](TWorkingParameters& p) {
              p.FileExt = ".mp3";
              p.DisableVideo = true;
              p.AudioCodec = "libmp3lame";
              p.AudioChannels = "2";
              p.AudioSampleRate = "48000";
              p.AudioBitrate = 128000;
              p.TargetType = "";
          }) },
        { 211, ".m4a", with([](TWorkingParameters& p) {
              p.FileExt = ".alac";
              p.DisableVideo = true;
              p.AudioCodec = "alac";
              p.AudioChannels = "2";
              p.AudioSampleRate = "48000";
              p.AudioBitrate = 128000;
              p.TargetType = "";
          }) },
        { 1202, ".flv", with([](TWorkingParameters& p) {
              p.DisableVideo = true;
              p.AudioCodec = "libmp3lame";
              p.AudioChannels = "2";
              p.AudioSampleRate = "22050";
              p.AudioBitrate = 128000;
              p.TargetType = "";
          }) },
        { 112, ".mpg", with([](TWorkingParameters& p) {
              p.TargetType = "svcd";
              p.NormType = "PAL";
              p.VideoBitrate = p.AudioBitrate = BitrateNotSet;
              p.VideoCodec = p.VideoTag = p.FrameSize = "";
          }) },
        { 114, ".rm", with([](TWorkingParameters& p) {
              p.VideoCodec = "rv20";
              p.FrameSize = "320*240";
              p.TargetType = "";
          }) },
    };
    for (const Case& c : cases) {
        TWorkingParameters fields = before;
        const auto ext = ApplyLegacyFormatParameters(c.code, fields);
        ASSERT_TRUE(ext) << c.code;
        EXPECT_EQ(*ext, c.ext) << c.code;
        EXPECT_EQ(fields, c.expected) << c.code;
    }
    TWorkingParameters untouched = before;
    EXPECT_FALSE(ApplyLegacyFormatParameters(0, untouched));
    EXPECT_EQ(untouched, before);
}

TEST(LegacyParameterTable, EveryCatalogueFormatHasARow) {
    for (const TLegacyFormat& format : LegacyFormatCatalogue()) {
        TWorkingParameters fields;
        const auto ext = ApplyLegacyFormatParameters(format.Code, fields);
        ASSERT_TRUE(ext) << format.Code;
        EXPECT_EQ(ext->front(), '.') << format.Code;
    }
    TWorkingParameters fields;
    EXPECT_EQ(ApplyLegacyFormatParameters(408, fields), std::optional<std::string_view>(".mp4"));
    EXPECT_EQ(fields.VideoBitrate, 7680000) << "as the format stands, not 768000";
}

} // namespace
