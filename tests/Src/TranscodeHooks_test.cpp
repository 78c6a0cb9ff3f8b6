#include "Src/FFmpeg/TranscodeFilterGraph.h"

#include "OptionTestDispatcher.h"
#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/FFmpegTasks/OutputFileMapping.h"
#include "Src/FFmpegTasks/TFFmpeg.h"
#include "Src/UnicodeProtocol.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

CodecContextPtr VideoContext(int width, int height) {
    CodecContextPtr context(av::avcodec_alloc_context3(nullptr));
    context->codec_type = AVMEDIA_TYPE_VIDEO;
    context->width = width;
    context->height = height;
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    return context;
}

int Luma(const AVFrame& frame, int x, int y) {
    return frame.data[0][y * frame.linesize[0] + x];
}

// The first picture of the file's first video stream.
FramePtr FirstPicture(const std::string& fileName) {
    AVFormatContext* raw = nullptr;
    if (AVOpenInput(&raw, FileNameToAV(fileName), nullptr, nullptr) < 0) return nullptr;
    InputContextPtr input(raw);
    if (av::avformat_find_stream_info(input.get(), nullptr) < 0) return nullptr;
    const AVCodec* codec = nullptr;
    const int index = av::av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (index < 0 || !codec) return nullptr;
    CodecContextPtr decoder(av::avcodec_alloc_context3(codec));
    av::avcodec_parameters_to_context(decoder.get(), input->streams[index]->codecpar);
    if (av::avcodec_open2(decoder.get(), codec, nullptr) < 0) return nullptr;
    PacketPtr packet(av::av_packet_alloc());
    FramePtr frame(av::av_frame_alloc());
    while (av::av_read_frame(input.get(), packet.get()) >= 0) {
        const bool ours = packet->stream_index == index;
        if (ours) av::avcodec_send_packet(decoder.get(), packet.get());
        av::av_packet_unref(packet.get());
        if (ours && av::avcodec_receive_frame(decoder.get(), frame.get()) >= 0) return frame;
    }
    av::avcodec_send_packet(decoder.get(), nullptr);
    if (av::avcodec_receive_frame(decoder.get(), frame.get()) >= 0) return frame;
    return nullptr;
}

class TranscodeHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
        FFolder = CreateTempFolder("transcode-hooks");
        ASSERT_FALSE(FFolder.empty());
    }
    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    static std::unique_ptr<TFFmpeg> NewTask() {
        auto task = std::make_unique<TFFmpeg>(4);
        task->Reset();
        return task;
    }

    std::string FFolder;
};

TEST_F(TranscodeHooksTest, GraphGivesTheEncoderItsSize) {
    struct Case {
        const char* name;
        int encoderWidth, encoderHeight;
        TFilterGraphSettings settings;
        int width, height;
    };
    const Case cases[] = {
        { "same size, chain keeps it", 160, 120, { 0, 0, 0, 0, "hflip" }, 160, 120 },
        { "scaled", 80, 60, {}, 80, 60 },
        { "padded by the chain", 160, 120, { 0, 0, 0, 0, "pad=160:152:0:16" }, 160, 152 },
        { "chain scale decides", 160, 120, { 0, 0, 0, 0, "scale=64:48" }, 64, 48 },
        { "cropped", 160, 80, { 20, 20, 0, 0, "" }, 160, 80 },
    };
    for (const Case& c : cases) {
        CodecContextPtr decoder = VideoContext(160, 120);
        CodecContextPtr encoder = VideoContext(c.encoderWidth, c.encoderHeight);
        TTranscodeFilterGraph graph;
        graph.Build(*decoder, *encoder, c.settings);
        EXPECT_EQ(encoder->width, c.width) << c.name;
        EXPECT_EQ(encoder->height, c.height) << c.name;
    }
}

TEST_F(TranscodeHooksTest, CropAndScaleGiveTheScaledCrop) {
    // Dark top band, bright bottom band, and a left-to-right ramp in between.
    CodecContextPtr decoder = VideoContext(160, 120);
    FramePtr picture(av::av_frame_alloc());
    picture->width = 160;
    picture->height = 120;
    picture->format = AV_PIX_FMT_YUV420P;
    ASSERT_GE(av::av_frame_get_buffer(picture.get(), 0), 0);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            picture->data[0][y * picture->linesize[0] + x] = std::uint8_t(y < 20     ? 16
                                                                          : y >= 100 ? 235
                                                                                     : 40 + x);
    for (int plane = 1; plane < 3; ++plane)
        for (int y = 0; y < 60; ++y)
            std::fill_n(picture->data[plane] + y * picture->linesize[plane], 80, 128);

    CodecContextPtr encoder = VideoContext(80, 40);
    TTranscodeFilterGraph graph;
    graph.Build(*decoder, *encoder, { 20, 20, 0, 0, "" });
    ASSERT_GE(graph.Push(*picture, 40000, AVRational{ 1, 1 }), 0);
    FramePtr out(av::av_frame_alloc());
    ASSERT_TRUE(graph.Pull(*out));
    EXPECT_EQ(out->width, 80);
    EXPECT_EQ(out->height, 40);
    EXPECT_EQ(out->format, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(out->pts, 40000);
    // The whole ramp is there at half width, and neither band is.
    EXPECT_NEAR(Luma(*out, 40, 0), 40 + 80, 6);
    EXPECT_NEAR(Luma(*out, 78, 39), 40 + 156, 6);
    EXPECT_NEAR(Luma(*out, 1, 20), 40 + 2, 6);
    EXPECT_FALSE(graph.Pull(*out));
}

TEST_F(TranscodeHooksTest, SyntaxErrorInTheChainIsReported) {
    CodecContextPtr decoder = VideoContext(160, 120);
    CodecContextPtr encoder = VideoContext(160, 120);
    TTranscodeFilterGraph graph;
    const std::string error = ErrorOf([&] {
        graph.Build(*decoder, *encoder, { 0, 0, 0, 0, "pad=160:152:0:16,,[" });
    });
    EXPECT_EQ(error.rfind("Error opening filters: ", 0), 0u) << error;
    EXPECT_NE(error.find("pad=160:152:0:16,,["), std::string::npos) << error;
}

TEST_F(TranscodeHooksTest, PadFilterChangesTheEncodedHeight) {
    auto task = NewTask();
    const std::string output = FFolder + "padded.avi";
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob)) << task->LastErrMsg();
    task->ParseOption("an", "1");
    task->ParseOption("vcodec", "mpeg4");
    task->ParseOption("vf", "pad=160:152:0:16");
    ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->Width, 160);
    EXPECT_EQ(video->Height, 152);
    EXPECT_EQ(video->DecodeErrors, 0);
}

TEST_F(TranscodeHooksTest, PluginChangesTheConvertedPictures) {
    auto task = NewTask();
    const std::string output = FFolder + "hooked.avi";
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob)) << task->LastErrMsg();
    task->ParseOption("vhook", std::string(VC_VHOOK_DIR) + "/vhook_full.so|50");
    task->ParseOption("an", "1");
    task->ParseOption("vcodec", "mpeg4");
    task->ParseOption("qscale", "2");
    ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    FramePtr picture = FirstPicture(output);
    ASSERT_NE(picture, nullptr);
    for (const auto& [x, y] : { std::pair{ 10, 10 }, std::pair{ 80, 60 }, std::pair{ 150, 110 } })
        EXPECT_NEAR(Luma(*picture, x, y), 50, 3) << x << "," << y;
}

TEST_F(TranscodeHooksTest, SetOutputFileOpensTheRecordsOutput) {
    auto task = NewTask();
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Avi)) << task->LastErrMsg();
    TOutputOptions record;
    record.VideoCodec = "mpeg4";
    record.FrameSize = "80x64";
    record.DisableAudio = true;
    record.ExtOptions = "b=200k";
    const std::string output = FFolder + "mapped.avi";
    std::string error;
    ASSERT_TRUE(SetOutputFile(*task, output, &record, nullptr, error)) << error;
    ASSERT_NE(task->OptionRecords().OutputOptions(0), nullptr);
    EXPECT_EQ(task->OptionRecords().OutputOptions(0)->FileName, output);
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_EQ(check.Streams.size(), 1u);
    EXPECT_EQ(check.Streams[0].Codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(check.Streams[0].Width, 80);
    EXPECT_EQ(check.Streams[0].Height, 64);
}

TEST_F(TranscodeHooksTest, SetOutputFileThatCannotOpenLeavesNoOutput) {
    auto task = NewTask();
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Avi)) << task->LastErrMsg();
    TOutputOptions record;
    record.VideoCodec = "no-such-encoder";
    std::string error;
    EXPECT_FALSE(SetOutputFile(*task, FFolder + "never.avi", &record, nullptr, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(task->nb_output_files(), 0);
    EXPECT_EQ(task->Options().Fvideo_codec_name, "");
    EXPECT_FALSE(FileExists(FFolder + "never.avi"));
}

} // namespace
