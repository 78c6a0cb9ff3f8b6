#include "OptionTestDispatcher.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/EncoderNames.h"
#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

namespace {

class TargetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    }
};

std::int64_t IntOption(void* context, const char* name) {
    std::int64_t value = -1;
    if (av::av_opt_get_int(context, name, 0, &value) < 0) return -99;
    return value;
}

// What a target sets, in one line: codecs, container, size, pixel format, rate, aspect,
// audio rate and channels, mux preload.
std::string Summary(const TTranscoderOptions& o) {
    return Format("%s %s %s %dx%d %d %d/%d %.4f %d %d %.2f", o.Fvideo_codec_name,
                  o.Faudio_codec_name, o.Flast_asked_format, o.Fframe_width, o.Fframe_height,
                  int(o.Fframe_pix_fmt), o.Fframe_rate.num, o.Fframe_rate.den,
                  o.Fframe_aspect_ratio, o.Faudio_sample_rate, o.Faudio_channels, o.Fmux_preload);
}

// The generic options: video "g", "b", "maxrate", "minrate", "bufsize", audio "b", format
// "packetsize", and the private options remembered.
std::string Generic(const TTranscoderOptions& o) {
    void* video = o.FOptions.avcodec_opts[0].get();
    void* audio = o.FOptions.avcodec_opts[1].get();
    std::string text =
        Format("g=%d b=%d max=%d min=%d buf=%d ab=%d packet=%d", IntOption(video, "g"),
               IntOption(video, "b"), IntOption(video, "maxrate"), IntOption(video, "minrate"),
               IntOption(video, "bufsize"), IntOption(audio, "b"),
               IntOption(o.FOptions.avformat_opts.get(), "packetsize"));
    for (const TPrivateOption& option : o.FPrivateOptions)
        text += Format(" %d:%s=%s", int(option.Owner), option.Name, option.Value);
    return text;
}

struct TTargetCase {
    const char* Options;
    std::vector<AVRational> InputRates;
    std::string Summary;
};

const TTargetCase kTargetCases[] = {
    { "target=pal-dvd",
      {},
      Format("mpeg2video ac3 dvd 720x576 -1 25/1 %.4f 48000 2 0.50", 16.0 / 9) },
    { "target=ntsc-vcd",
      {},
      Format("mpeg1video mp2 vcd 352x240 -1 30000/1001 %.4f 44100 2 0.44", 4.0 / 3) },
    { "ac=1;target=film-svcd",
      {},
      Format("mpeg2video mp2 svcd 480x480 -1 24000/1001 %.4f 44100 2 0.50", 4.0 / 3) },
    { "ac=6;aspect=2;target=pal-svcd",
      {},
      "mpeg2video mp2 svcd 480x576 -1 25/1 2.0000 44100 6 0.50" },
    { "r=25;target=dvd",
      {},
      Format("mpeg2video ac3 dvd 720x576 -1 25/1 %.4f 48000 2 0.50", 16.0 / 9) },
    { "r=24000/1001;target=dvd",
      {},
      Format("mpeg2video ac3 dvd 720x480 -1 30000/1001 %.4f 48000 2 0.50", 16.0 / 9) },
    { "r=10;target=dvd",
      {},
      Format("mpeg2video ac3 dvd 720x480 -1 30000/1001 %.4f 48000 2 0.50", 16.0 / 9) },
    { "r=10;target=dvd",
      { { 0, 0 }, { 25, 1 }, { 30000, 1001 } },
      Format("mpeg2video ac3 dvd 720x576 -1 25/1 %.4f 48000 2 0.50", 16.0 / 9) },
    { "r=10;target=dvd",
      { { 12, 1 }, { 2997, 100 } },
      Format("mpeg2video ac3 dvd 720x480 -1 30000/1001 %.4f 48000 2 0.50", 16.0 / 9) },
    { "ac=1;target=pal-dv",
      {},
      Format("  dv 720x576 %d 25/1 0.0000 48000 2 0.50", int(AV_PIX_FMT_YUV420P)) },
    { "target=ntsc-dv",
      {},
      Format("  dv 720x480 %d 30000/1001 0.0000 48000 2 0.50", int(AV_PIX_FMT_YUV411P)) },
    { "target=ntsc-dv50",
      {},
      Format("  dv 720x480 %d 30000/1001 0.0000 48000 2 0.50", int(AV_PIX_FMT_YUV422P)) },
};

TEST_F(TargetsTest, TargetsSetTheirNormsSettings) {
    for (const TTargetCase& c : kTargetCases) {
        TTestDispatcher d;
        d.InputRates = c.InputRates;
        const std::string error = ErrorOf([&] { d.Apply(c.Options); });
        EXPECT_EQ(error, "") << c.Options;
        EXPECT_EQ(Summary(d.Options()), c.Summary) << c.Options;
    }
}

TEST_F(TargetsTest, TargetsSetTheirRatesAndMuxOptions) {
    const std::pair<const char*, const char*> cases[] = {
        { "target=pal-dvd",
          "g=15 b=6000000 max=9000000 min=0 buf=1835008 ab=448000 packet=2048 3:muxrate=10080000" },
        { "target=ntsc-vcd",
          "g=18 b=1150000 max=1150000 min=1150000 buf=327680 ab=224000 packet=2324 "
          "3:muxrate=1411200" },
        { "target=pal-svcd",
          "g=15 b=2040000 max=2516000 min=0 buf=1835008 ab=224000 packet=2324 0:scan_offset=1" },
    };
    for (const auto& [options, generic] : cases) {
        TTestDispatcher d;
        d.Apply(options);
        EXPECT_EQ(Generic(d.Options()), generic) << options;
    }
}

TEST_F(TargetsTest, DetectedNormsAndAssumedAspectsAreLogged) {
    TLogCapture log;
    TTestDispatcher d;
    d.Apply("r=25;target=dvd");
    EXPECT_TRUE(log.Has("Assuming PAL for target."));
    EXPECT_TRUE(log.Has("Assuming 16:9 for aspect ratio"));

    log.Clear();
    TTestDispatcher film;
    film.Apply("r=10");
    film.SetTarget("vcd", "auto", "film");
    EXPECT_EQ(film.Options().Fframe_rate.num, 24000);
    EXPECT_TRUE(log.Has("Assuming NTSC for target."));
    EXPECT_TRUE(log.Has("Assuming 4:3 for aspect ratio"));

    log.Clear();
    TTestDispatcher quiet;
    quiet.Apply("v=0;aspect=4:3;r=10");
    quiet.SetTarget("dvd", "", "anything");
    EXPECT_EQ(quiet.Options().Fframe_height, 576);
    EXPECT_FALSE(log.Has("Assuming PAL for target."));
    EXPECT_FALSE(log.Has("Assuming 16:9 for aspect ratio"));
    EXPECT_FLOAT_EQ(quiet.Options().Fframe_aspect_ratio, 4.0f / 3.0f);

    log.Clear();
    TTestDispatcher named;
    named.SetTarget("dvd", "pal", "ntsc");
    EXPECT_FALSE(log.Has("Assuming PAL for target."));
}

TEST_F(TargetsTest, NormsAndTargetsAreCaseSensitive) {
    TTestDispatcher d;
    d.Apply("r=25");
    EXPECT_EQ(ErrorOf([&] { d.SetTarget("vcd", "PAL", "ntsc"); }), "");
    EXPECT_EQ(d.Options().Fframe_height, 288); // "PAL" is no norm: detected from the rate
    EXPECT_EQ(ErrorOf([&] { d.SetTarget("Vcd", "pal", "ntsc"); }), "Unknown target type");
    TTestDispatcher noRate;
    EXPECT_EQ(ErrorOf([&] { noRate.SetTargetOption(" vcd "); }), "frame_rate is invalid.");
}

TEST(EncoderNames, MissingEncodersMapToTheNearestInstalledOne) {
    std::string error;
    ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    const std::pair<const char*, const char*> cases[] = {
        { "libfaac", "aac" }, { "msmpeg4v1", "msmpeg4v2" }, { "libamr_nb", "libopencore_amrnb" },
        { "mpeg4", "mpeg4" }, { "libx264", "libx264" },     { "nonesuch", "nonesuch" },
    };
    for (const auto& [name, installed] : cases)
        EXPECT_EQ(InstalledEncoderName(name), installed) << name;
}

TEST(EncoderNames, ProgramStreamsTakeTheAudioTheyCarry) {
    struct Case {
        const char* Format;
        const char* Codec;
        const char* Expected;
    };
    const Case cases[] = {
        { "vob", "aac", "ac3" },  { "dvd", "libfaac", "ac3" }, { "mpeg", "aac", "mp2" },
        { "svcd", "aac", "mp2" }, { "vcd", "libfaac", "mp2" }, { "mp4", "aac", "aac" },
        { "vob", "mp2", "mp2" },  { "mpeg", "ac3", "ac3" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContainerAudioCodec(c.Format, c.Codec), c.Expected) << c.Format << " " << c.Codec;
}

} // namespace
