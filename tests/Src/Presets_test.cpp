#include "OptionTestDispatcher.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/BuiltInPresets.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class PresetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
        FFolder = std::filesystem::temp_directory_path() /
                  ("vc-presets-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override { std::filesystem::remove_all(FFolder); }

    std::string WriteFile(const std::string& name, const std::string& content) {
        const std::string path = (FFolder / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path FFolder;
};

std::int64_t VideoOption(const TTranscoderOptions& o, const char* name) {
    std::int64_t value = -1;
    av::av_opt_get_int(o.FOptions.avcodec_opts[0].get(), name, 0, &value);
    return value;
}

bool HasPrivate(const TTranscoderOptions& o, const TPrivateOption& wanted) {
    for (const TPrivateOption& option : o.FPrivateOptions)
        if (option == wanted) return true;
    return false;
}

TEST(BuiltInPresets, ThirtySixPresetsFoundIgnoringCase) {
    const auto& presets = BuiltInPresets();
    ASSERT_EQ(presets.size(), 36u);
    EXPECT_EQ(presets.front().Name, "libx264-baseline");
    EXPECT_EQ(presets[1].Name, "libx264-default");
    EXPECT_EQ(presets.back().Name, "libx264-veryslow_firstpass");
    for (const TOptionsPreset& preset : presets) {
        EXPECT_EQ(FindBuiltInPreset(UpperCase(preset.Name)), preset.Value) << preset.Name;
        EXPECT_TRUE(preset.Value.ends_with("\n")) << preset.Name;
    }
    EXPECT_EQ(FindBuiltInPreset("medium"), "");
    EXPECT_EQ(FindBuiltInPreset(""), "");
}

TEST(BuiltInPresets, LinesSpeakTheInstalledEncodersNames) {
    EXPECT_EQ(FindBuiltInPreset("libx264-default"),
              "coder=1\nflags=+loop\ncmp=+chroma\npartitions=i8x8,i4x4,p8x8,b8x8\n"
              "me_method=hex\nsubq=7\nme_range=16\ng=250\nkeyint_min=25\nsc_threshold=40\n"
              "i_qfactor=0.71\nb_strategy=1\nqcomp=0.6\nqmin=10\nqmax=51\nqdiff=4\nbf=3\n"
              "refs=3\ndirect-pred=1\ntrellis=1\nmixed-refs=1\nweightb=1\n8x8dct=1\n"
              "fast-pskip=1\nweightp=2\n");
    // Changed values, lines added after the flags2 lines, and the baseline family's drops.
    EXPECT_EQ(FindBuiltInPreset("libx264-ipod640"),
              "coder=0\nbf=0\nrefs=1\nweightb=0\n8x8dct=0\nlevel=30\nmaxrate=10000000\n"
              "bufsize=10000000\nweightp=0\n");
    EXPECT_EQ(FindBuiltInPreset("libx264-lossless_ultrafast"),
              "coder=0\nflags=+loop\ncmp=+chroma\npartitions=none\nme_method=dia\nsubq=0\n"
              "me_range=16\ng=250\nkeyint_min=25\nsc_threshold=40\ni_qfactor=0.71\n"
              "b_strategy=1\nqcomp=0.6\nqmin=10\nqmax=51\nqdiff=4\ndirect-pred=1\n"
              "fast-pskip=1\nqp=0\n");
}

TEST(BuiltInPresets, OldOptionsTranslateToTheEncodersOwn) {
    using Lines = std::vector<std::string>;
    const std::tuple<const char*, const char*, Lines> cases[] = {
        { "flags2",
          "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree",
          { "b-pyramid=normal", "mixed-refs=0", "weightb=1", "8x8dct=0", "fast-pskip=1",
            "mbtree=0" } },
        { "flags2", "-bpyramid", { "b-pyramid=none" } },
        { "partitions",
          "-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8",
          { "partitions=i4x4,p8x8" } },
        { "partitions", "+partp4x4+partb8x8", { "partitions=p4x4,b8x8" } },
        { "partitions", "-parti8x8", { "partitions=none" } },
        { "directpred", "3", { "direct-pred=3" } },
        { "wpredp", "1", { "weightp=1" } },
        { "cqp", "0", { "qp=0" } },
        { "me_method", "tesa", { "me_method=tesa" } },
        { "flags", "-loop", { "flags=-loop" } },
    };
    for (const auto& [name, value, lines] : cases)
        EXPECT_EQ(TranslateX264Option(name, value), lines) << name << "=" << value;
}

struct FrameFree {
    void operator()(AVFrame* frame) const { av::av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av::av_packet_free(&packet); }
};

// Encodes one grey picture and drains the encoder; the number of packets it gave.
int EncodeOneFrame(AVCodecContext* context) {
    std::unique_ptr<AVFrame, FrameFree> frame(av::av_frame_alloc());
    frame->format = context->pix_fmt;
    frame->width = context->width;
    frame->height = context->height;
    frame->pts = 0;
    if (av::av_frame_get_buffer(frame.get(), 0) < 0) return -1;
    for (int plane = 0; plane < 3; ++plane)
        for (int y = 0; y < (plane ? frame->height / 2 : frame->height); ++y)
            std::memset(frame->data[plane] + y * frame->linesize[plane], 128,
                        size_t(plane ? frame->width / 2 : frame->width));
    if (av::avcodec_send_frame(context, frame.get()) < 0 ||
        av::avcodec_send_frame(context, nullptr) < 0)
        return -1;
    std::unique_ptr<AVPacket, PacketFree> packet(av::av_packet_alloc());
    int packets = 0;
    while (av::avcodec_receive_packet(context, packet.get()) >= 0) {
        ++packets;
        av::av_packet_unref(packet.get());
    }
    return packets;
}

// Every built-in preset applies through "vpre", then opens libx264 on a small picture with no
// option left over (each of its names is one the installed encoder takes) and encodes with it.
TEST_F(PresetsTest, EveryBuiltInPresetOpensTheEncoder) {
    const AVCodec* codec = av::avcodec_find_encoder_by_name("libx264");
    if (!codec) GTEST_SKIP() << "the installed libraries have no libx264";
    for (const TOptionsPreset& preset : BuiltInPresets()) {
        TTestDispatcher d;
        ASSERT_EQ(ErrorOf([&] { d.ParseOption("vpre", preset.Name); }), "") << preset.Name;
        const TTranscoderOptions& o = d.Options();

        std::unique_ptr<AVCodecContext, CodecContextFree> context(
            av::avcodec_alloc_context3(codec));
        context->width = 64;
        context->height = 64;
        context->pix_fmt = AV_PIX_FMT_YUV420P;
        context->time_base = { 1, 25 };
        ApplyFFOptions(o.FOptions, context.get(), o.FOptions.avcodec_opts[0].get(),
                       AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        AVDictionary* options = nullptr;
        for (const TPrivateOption& option : o.FPrivateOptions) {
            EXPECT_EQ(option.Owner, poVideoEncoder) << preset.Name << " " << option.Name;
            av::av_dict_set(&options, option.Name.c_str(), option.Value.c_str(), 0);
        }
        const int opened = av::avcodec_open2(context.get(), codec, &options);
        EXPECT_GE(opened, 0) << preset.Name;
        for (const AVDictionaryEntry* left = nullptr;
             (left = av::av_dict_get(options, "", left, AV_DICT_IGNORE_SUFFIX));)
            ADD_FAILURE() << preset.Name << " left " << left->key << "=" << left->value;
        av::av_dict_free(&options);
        if (opened >= 0) {
            EXPECT_GT(EncodeOneFrame(context.get()), 0) << preset.Name;
        }
    }
}

TEST_F(PresetsTest, ABareNameIsTriedWithTheCodecOfItsKind) {
    TTestDispatcher d;
    d.Apply("vcodec=libx264;vpre=medium");
    EXPECT_TRUE(HasPrivate(d.Options(), { poVideoEncoder, "b-pyramid", "normal" }));
    EXPECT_EQ(VideoOption(d.Options(), "g"), 250);

    // "apre" without an audio codec falls back to the subtitle codec's name, then the bare name.
    TTestDispatcher other;
    other.Apply("scodec=libx264");
    other.ApplyPreset("apre", "fast");
    EXPECT_EQ(VideoOption(other.Options(), "refs"), 2);
    EXPECT_EQ(ErrorOf([&] { other.ApplyPreset("vpre", "nosuch"); }), "Preset \"nosuch\" not found");
}

TEST_F(PresetsTest, PresetFilesApplyLineByLine) {
    TTestDispatcher d;
    const std::string file =
        WriteFile("p.ffpreset", "\r\n  g=12 \r\n\r\nVCodec=mpeg4\nACODEC=mp2\nkeyint_min=5\n\n");
    d.ApplyPreset("fpre", file);
    EXPECT_EQ(VideoOption(d.Options(), "g"), 12);
    EXPECT_EQ(VideoOption(d.Options(), "keyint_min"), 5);
    EXPECT_EQ(d.Options().Fvideo_codec_name, "mpeg4");
    EXPECT_EQ(d.Options().Faudio_codec_name, "mp2");

    // "fpre" never looks at the built-in table.
    EXPECT_EQ(ErrorOf([&] { d.ApplyPreset("fpre", "libx264-medium"); }),
              "Preset \"libx264-medium\" not found");
    EXPECT_EQ(ErrorOf([&] { d.ApplyPreset("fpre", WriteFile("empty", "")); }), "");
}

TEST_F(PresetsTest, BadLinesRaiseWithTheKeyAndKeepWhatCameBefore) {
    const std::string syntax = WriteFile("syntax", "g=30\nnovalue\ng=40");
    const std::string option = WriteFile("option", "g=31\nbogus_option=1\n");
    const std::string value = WriteFile("value", "g=32\nme_range=abc\n");
    const std::string empty = WriteFile("emptyvalue", "g=33\ncoder=\n");
    const std::string noName = WriteFile("noname", "=5\n");
    const std::tuple<std::string, std::string, int> cases[] = {
        { syntax, Format("%s: Invalid syntax: \"novalue\"", syntax), 30 },
        { option,
          Format("%s: Invalid option or argument: \"bogus_option=1\", parsed as "
                 "\"bogus_option\" = \"1\"",
                 option),
          31 },
        { value,
          Format("%s: Invalid option or argument: \"me_range=abc\", parsed as \"me_range\" = "
                 "\"abc\"",
                 value),
          32 },
        { empty, Format("%s: Invalid syntax: \"coder=\"", empty), 33 },
        { noName, Format("%s: Invalid syntax: \"=5\"", noName), -1 },
    };
    for (const auto& [file, message, g] : cases) {
        TTestDispatcher d;
        // Captured by name: clang 14 cannot capture a structured binding.
        EXPECT_EQ(ErrorOf([&d, &preset = file] { d.ApplyPreset("vpre", preset); }), message);
        if (g >= 0) {
            EXPECT_EQ(VideoOption(d.Options(), "g"), g) << file;
        }
    }
}

TEST_F(PresetsTest, EmptyNamesDoNothingAndUnknownNamesAreNotFound) {
    TTestDispatcher d;
    d.ApplyPreset("", "libx264-medium");
    d.ApplyPreset("vpre", "");
    EXPECT_TRUE(d.Options().FPrivateOptions.empty());
    EXPECT_EQ(ErrorOf([&] { d.ParseOption("apre", "nowhere-at-all"); }),
              "Preset \"nowhere-at-all\" not found");
}

} // namespace
