#include "Src/FFUtils.h"

#include "Src/FFmpegLoader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class FFUtilsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    }
};

TEST(DurationToText, ClockTextWithoutWrappingHours) {
    const std::pair<std::int64_t, const char*> cases[] = {
        { AV_NOPTS_VALUE, "N/A" },         { 0, "00:00:00.000" },
        { 3723004000, "01:02:03.004" },    { 90061001000, "25:01:01.001" },
        { 360000000000, "100:00:00.000" }, { 999, "00:00:00.000" },
        { 1999999, "00:00:01.999" },
    };
    for (const auto& [duration, text] : cases)
        EXPECT_EQ(DurationToText(duration), text) << duration;
}

TEST(FrameDuration, MicrosecondsOfOneFrame) {
    const std::pair<AVRational, std::int64_t> cases[] = {
        { { 25, 1 }, 40000 }, { { 30000, 1001 }, 33366 }, { { 0, 1 }, 40000 },
        { { 25, 0 }, 40000 }, { { 24, 1 }, 41666 },       { { 50, 1 }, 20000 },
    };
    for (const auto& [rate, micros] : cases)
        EXPECT_EQ(FrameDuration(rate), micros) << rate.num << "/" << rate.den;
}

TEST(ErrorToText, NamesTheLibraryErrorCodes) {
    const std::pair<int, const char*> cases[] = {
        { AVERROR(ENOENT), "in.avi: No such file or directory" },
        { AVERROR(EIO), "in.avi: I/O error" },
        { AVERROR(ENOMEM), "in.avi: Not enough memory" },
        { AVERROR_INVALIDDATA, "in.avi: Invalid data found when processing input" },
        { AVERROR_EOF, "in.avi: End of file" },
        { AVERROR(EDOM), "in.avi: Number syntax expected in filename" },
        { AVERROR_DEMUXER_NOT_FOUND, "in.avi: Unknown format" },
        { AVERROR_PROTOCOL_NOT_FOUND, "in.avi: Unsupported network protocol" },
        { AVERROR_PATCHWELCOME, "in.avi: Not yet implemented in FFmpeg" },
        { -7, "in.avi: Error number -7 occurred" },
        { 0, "in.avi: Error number 0 occurred" },
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(ErrorToText("in.avi", code), text) << code;
}

TEST(WriteErrorToText, NamesTheFileAndTheSystemsReasonInWords) {
    const std::pair<int, const char*> cases[] = {
        { AVERROR(ENOSPC), "Cannot write /out/a.avi: no space left on device" },
        { AVERROR(EFBIG), "Cannot write /out/a.avi: file too large" },
        { AVERROR(EACCES), "Cannot write /out/a.avi: permission denied" },
        { AVERROR(EROFS), "Cannot write /out/a.avi: read-only file system" },
        // Codes of the libraries' own keep their texts.
        { AVERROR_INVALIDDATA, "/out/a.avi: Invalid data found when processing input" },
        { AVERROR_EOF, "/out/a.avi: End of file" },
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(WriteErrorToText("/out/a.avi", code), text) << code;
}

TEST(MediaTypeName, NamesEachType) {
    const std::pair<int, const char*> cases[] = {
        { AVMEDIA_TYPE_VIDEO, "Video" },
        { AVMEDIA_TYPE_AUDIO, "Audio" },
        { AVMEDIA_TYPE_DATA, "Data" },
        { AVMEDIA_TYPE_SUBTITLE, "Subtitle" },
        { AVMEDIA_TYPE_ATTACHMENT, "Attachment" },
        { -1, "Unknown" },
        { 5, "Unknown" },
    };
    for (const auto& [type, name] : cases)
        EXPECT_EQ(MediaTypeName(type), name) << type;
}

TEST_F(FFUtilsTest, CodecNamesFromCodecTheIdOrTheTag) {
    struct Case {
        AVCodecID Id;
        std::uint32_t Tag;
        bool Encoder;
        const char* Text;
    };
    const Case cases[] = {
        { AV_CODEC_ID_MPEG2VIDEO, 0, false, "mpeg2video(MPEG-2 video)" },
        { AV_CODEC_ID_PCM_S16LE, 0, true, "pcm_s16le(PCM signed 16-bit little-endian)" },
        { AV_CODEC_ID_MPEG2TS, 0, false, "mpeg2ts" },
        { AV_CODEC_ID_NONE, MKTAG('X', 'V', 'I', 'D'), false, "XVID / 0x44495658" },
        { AV_CODEC_ID_NONE, 0x00000001, false, "0x0001" },
        { AV_CODEC_ID_NONE, MKTAG('X', 'V', 'I', 0x7F), false, "0x7f495658" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodecNameText(c.Id, c.Tag, c.Encoder), c.Text) << c.Text;
}

TEST_F(FFUtilsTest, MetadataValueOrDefault) {
    AVDictionary* metadata = nullptr;
    av::av_dict_set(&metadata, "title", "电影 Title", 0);
    av::av_dict_set(&metadata, "empty", "", 0);
    EXPECT_EQ(MetadataValue(metadata, "title", "-"), "电影 Title");
    EXPECT_EQ(MetadataValue(metadata, "TITLE", "-"), "电影 Title");
    EXPECT_EQ(MetadataValue(metadata, "empty", "-"), "");
    EXPECT_EQ(MetadataValue(metadata, "artist", "-"), "-");
    EXPECT_EQ(MetadataValue(nullptr, "title", "none"), "none");
    av::av_dict_free(&metadata);
}

TEST(ReadWholeFile, ReadsEverythingOrReportsTheFailure) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("vc-read-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string binary("a\0b\nc", 5);
    std::ofstream(folder / "empty.txt");
    std::ofstream(folder / "data.bin", std::ios::binary) << binary;
    std::string content = "stale";
    EXPECT_EQ(ReadWholeFile((folder / "empty.txt").string(), content), 0);
    EXPECT_EQ(content, "");
    EXPECT_EQ(ReadWholeFile((folder / "data.bin").string(), content), 0);
    EXPECT_EQ(content, binary);
    content = "kept";
    EXPECT_EQ(ReadWholeFile((folder / "missing.txt").string(), content), -1);
    EXPECT_EQ(content, "kept");
    std::filesystem::remove_all(folder);
}

class FFOptionsTest : public FFUtilsTest {
protected:
    void SetUp() override {
        FFUtilsTest::SetUp();
        AllocFFOptions(FOptions, SWS_BICUBIC);
    }
    TFFOptions FOptions;
};

TEST_F(FFOptionsTest, SetsKnownNamesAndRefusesTheRest) {
    struct Case {
        const char* Name;
        const char* Value;
        bool Result;
    };
    const Case cases[] = {
        { "", "1", false },
        { "  ", "1", false },
        { "b", "", false },
        { "b", "  ", false },
        { "b", "1200k", true },
        { " g ", " 12 ", true },
        { "nosuchoption", "1", false },
        { "b", "lots", false },
        { "vqmin", "3", true },
        { "ar", "22050", true },
        { "probesize", "5000000", true },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetFFOption(FOptions, c.Name, c.Value), c.Result) << c.Name << "=" << c.Value;
    EXPECT_EQ(FOptions.avcodec_opts[0]->bit_rate, 1200000);
    EXPECT_EQ(FOptions.avcodec_opts[0]->gop_size, 12);
    EXPECT_EQ(FOptions.avcodec_opts[0]->qmin, 3);
    EXPECT_EQ(FOptions.avcodec_opts[1]->sample_rate, 22050);
    EXPECT_EQ(FOptions.avformat_opts->probesize, 5000000);
    const std::vector<std::string> names{ "b", "g", "qmin", "ar", "probesize" };
    EXPECT_EQ(FOptions.opt_names, names);
}

TEST_F(FFOptionsTest, AppliesRememberedOptionsWhoseFlagsMatch) {
    ASSERT_TRUE(SetFFOption(FOptions, "g", "25"));
    ASSERT_TRUE(SetFFOption(FOptions, "ar", "8000"));
    AVCodecContext* target = av::avcodec_alloc_context3(nullptr);
    ApplyFFOptions(FOptions, target, FOptions.avcodec_opts[0].get(), AV_OPT_FLAG_VIDEO_PARAM);
    EXPECT_EQ(target->gop_size, 25);
    EXPECT_NE(target->sample_rate, 8000);
    ApplyFFOptions(FOptions, target, FOptions.avcodec_opts[1].get(), AV_OPT_FLAG_AUDIO_PARAM);
    EXPECT_EQ(target->sample_rate, 8000);
    av::avcodec_free_context(&target);
    FreeFFOptions(FOptions);
    EXPECT_TRUE(FOptions.opt_names.empty());
    EXPECT_EQ(FOptions.avformat_opts, nullptr);
}

// A frame of one flat colour, in planar 4:2:0 with limited-range BT.601 values.
struct YuvFrame {
    YuvFrame(int width, int height, std::uint8_t y, std::uint8_t u, std::uint8_t v) {
        Y.assign(std::size_t(width * height), y);
        const int chroma = ((width + 1) / 2) * ((height + 1) / 2);
        U.assign(std::size_t(chroma), u);
        V.assign(std::size_t(chroma), v);
        Data[0] = Y.data();
        Data[1] = U.data();
        Data[2] = V.data();
        Linesize[0] = width;
        Linesize[1] = Linesize[2] = (width + 1) / 2;
    }
    std::vector<std::uint8_t> Y, U, V;
    const std::uint8_t* Data[4]{};
    int Linesize[4]{};
};

TEST_F(FFUtilsTest, YuvPictureConvertsToBgraPixels) {
    struct Case {
        const char* Colour;
        std::uint8_t Y, U, V;
        std::uint8_t R, G, B;
    };
    const Case cases[] = {
        { "white", 235, 128, 128, 255, 255, 255 }, { "black", 16, 128, 128, 0, 0, 0 },
        { "red", 81, 90, 240, 255, 0, 0 },         { "green", 145, 54, 34, 0, 255, 0 },
        { "blue", 41, 240, 110, 0, 0, 255 },
    };
    TRGBConvertContext context;
    for (const Case& c : cases) {
        YuvFrame frame(16, 8, c.Y, c.U, c.V);
        ASSERT_TRUE(
            PictureToBitmap(context, frame.Data, frame.Linesize, AV_PIX_FMT_YUV420P, 8, 16));
        EXPECT_EQ(context.Bitmap->PixelFormat(), pf24bit);
        const gfx::Surface pixels = context.Bitmap->ToSurface();
        ASSERT_EQ(pixels.Width(), 16);
        ASSERT_EQ(pixels.Height(), 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) {
                const gfx::Pixel p = pixels.At(x, y);
                EXPECT_NEAR(gfx::PixelR(p), c.R, 3) << c.Colour;
                EXPECT_NEAR(gfx::PixelG(p), c.G, 3) << c.Colour;
                EXPECT_NEAR(gfx::PixelB(p), c.B, 3) << c.Colour;
            }
    }
}

TEST_F(FFUtilsTest, BitmapFollowsSizeChangesAndOddSizes) {
    TRGBConvertContext context;
    for (const auto& [width, height] : { std::pair{ 16, 8 }, { 7, 5 }, { 32, 18 }, { 1, 1 } }) {
        YuvFrame frame(width, height, 235, 128, 128);
        ASSERT_TRUE(PictureToBitmap(context, frame.Data, frame.Linesize, AV_PIX_FMT_YUV420P, height,
                                    width));
        EXPECT_EQ(context.Bitmap->Width(), width);
        EXPECT_EQ(context.Bitmap->Height(), height);
        const auto* last = static_cast<const std::uint8_t*>(context.Bitmap->ScanLine(height - 1));
        EXPECT_NEAR(last[3 * (width - 1) + 1], 255, 3);
    }
    YuvFrame frame(4, 4, 16, 128, 128);
    EXPECT_FALSE(PictureToBitmap(context, frame.Data, frame.Linesize, AV_PIX_FMT_YUV420P, 0, 4));
    EXPECT_FALSE(PictureToBitmap(context, frame.Data, frame.Linesize, AV_PIX_FMT_NONE, 4, 4));
    EXPECT_EQ(context.Bitmap->Width(), 4); // the new size stays after a failure
    ResetRGBConvertContext(context);
    EXPECT_EQ(context.Bitmap, nullptr);
    EXPECT_EQ(context.toRGB_convert_ctx, nullptr);
}

TEST_F(FFUtilsTest, Bgr24PictureWithBitmapRowsIsCopiedAsItIs) {
    struct Case {
        int Width, Height;
        bool Copied; // odd sizes and other row lengths go through the scaler instead
    };
    for (const Case& c : { Case{ 4, 2, true }, Case{ 6, 2, true }, Case{ 5, 3, false } }) {
        const int linesize0 = ((c.Width * 3 + 3) / 4) * 4;
        std::vector<std::uint8_t> bytes(std::size_t(linesize0 * c.Height), 0);
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < c.Width * 3; ++x)
                bytes[std::size_t(y * linesize0 + x)] = std::uint8_t(40 + 7 * x + 50 * y);
        const std::uint8_t* data[4] = { bytes.data() };
        const int linesize[4] = { linesize0 };
        TRGBConvertContext context;
        ASSERT_TRUE(PictureToBitmap(context, data, linesize, AV_PIX_FMT_BGR24, c.Height, c.Width));
        for (int y = 0; y < c.Height; ++y) {
            const auto* row = static_cast<const std::uint8_t*>(context.Bitmap->ScanLine(y));
            for (int x = 0; x < c.Width * 3; ++x)
                EXPECT_NEAR(row[x], bytes[std::size_t(y * linesize0 + x)], c.Copied ? 0 : 2)
                    << c.Width << " " << x << "," << y;
        }
        EXPECT_EQ(context.toRGB_convert_ctx == nullptr, c.Copied);
    }
}

} // namespace
