#include "Src/FFmpegTasks/TFFmpeg.h"

#include "MediaCheck.h"
#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

std::string Lines(const TLogCapture& log) {
    std::string text;
    for (const std::string& line : log.Lines())
        text += "\n" + line;
    return text;
}

class TranscodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("transcode");
        ASSERT_FALSE(FFolder.empty());
    }

    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    static std::unique_ptr<TFFmpeg> NewTask() {
        auto task = std::make_unique<TFFmpeg>(8);
        task->Reset();
        return task;
    }

    // Options as "name=value" lines separated by ";".
    static void Apply(TFFmpeg& task, const std::string& lines) {
        std::size_t start = 0;
        while (start < lines.size()) {
            std::size_t end = lines.find(';', start);
            if (end == std::string::npos) end = lines.size();
            const std::string line = lines.substr(start, end - start);
            start = end + 1;
            if (line.empty()) continue;
            const auto equals = line.find('=');
            task.ParseOption(line.substr(0, equals),
                             equals == std::string::npos ? "" : line.substr(equals + 1));
        }
    }

    // Opens the input and the output with the options and runs the conversion inline.
    void Convert(TFFmpeg& task, const std::string& input, const std::string& output,
                 const std::string& options) {
        ASSERT_TRUE(task.OpenInputFile(input)) << task.LastErrMsg();
        Apply(task, options);
        ASSERT_GT(task.OpenOutputFile(output, false), 0) << task.LastErrMsg();
        ASSERT_TRUE(task.StartConvert(false));
    }

    std::string FFolder;
};

TEST_F(TranscodeTest, VobVideoBecomesMpeg4InAvi) {
    const auto& fixtures = fixtures::Standard();
    auto task = NewTask();
    const std::string output = FFolder + "video.avi";
    Convert(*task, fixtures.Vob, output, "an=1;vcodec=mpeg4;b=400k");
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_TRUE(task->Finished());

    const TMediaCheck check = CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    ASSERT_EQ(check.Streams.size(), 1u);
    const TStreamCheck& video = check.Streams[0];
    EXPECT_EQ(video.Codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(video.Width, 160);
    EXPECT_EQ(video.Height, 120);
    EXPECT_EQ(video.Decoded, 50);
    EXPECT_EQ(video.DecodeErrors, 0);
    EXPECT_NEAR(video.Duration, 2.0, 0.04);
}

// The containers with video that the output formats use, each from a fixture of two seconds
// of 25 fps video with a tone.
TEST_F(TranscodeTest, EveryContainerConvertsAndPlaysToTheEnd) {
    const auto& fixtures = fixtures::Standard();
    struct Case {
        const char* output;
        const std::string* input;
        const char* options;
        AVCodecID video;
        AVCodecID audio;
    };
    const Case kCases[] = {
        { "mpeg1.mpg", &fixtures.Vob, "vcodec=mpeg1video;acodec=mp2", AV_CODEC_ID_MPEG1VIDEO,
          AV_CODEC_ID_MP2 },
        { "dvd.vob", &fixtures.Mp4, "vcodec=mpeg2video;acodec=ac3", AV_CODEC_ID_MPEG2VIDEO,
          AV_CODEC_ID_AC3 },
        { "mpeg4.avi", &fixtures.Vob, "vcodec=mpeg4;acodec=libmp3lame", AV_CODEC_ID_MPEG4,
          AV_CODEC_ID_MP3 },
        { "msmpeg4.avi", &fixtures.Mkv, "vcodec=msmpeg4v2;acodec=libmp3lame", AV_CODEC_ID_MSMPEG4V2,
          AV_CODEC_ID_MP3 },
        { "h264.mp4", &fixtures.Vob, "vcodec=libx264;acodec=aac", AV_CODEC_ID_H264,
          AV_CODEC_ID_AAC },
        { "mpeg4.mp4", &fixtures.Avi, "vcodec=mpeg4;acodec=aac", AV_CODEC_ID_MPEG4,
          AV_CODEC_ID_AAC },
        { "mobile.3gp", &fixtures.Vob, "vcodec=mpeg4;acodec=aac;ar=22050;ac=1", AV_CODEC_ID_MPEG4,
          AV_CODEC_ID_AAC },
        { "h264.mkv", &fixtures.Avi, "vcodec=libx264;acodec=ac3", AV_CODEC_ID_H264,
          AV_CODEC_ID_AC3 },
        { "wmv2.wmv", &fixtures.Vob, "vcodec=wmv2;acodec=wmav2", AV_CODEC_ID_WMV2,
          AV_CODEC_ID_WMAV2 },
        { "flash.flv", &fixtures.Vob, "vcodec=flv;acodec=libmp3lame;ar=44100", AV_CODEC_ID_FLV1,
          AV_CODEC_ID_MP3 },
        { "mpeg4.mov", &fixtures.Mp4, "vcodec=mpeg4;acodec=aac", AV_CODEC_ID_MPEG4,
          AV_CODEC_ID_AAC },
    };
    // AVI counts a frame more than it holds; audio encoders prime and pad to whole frames.
    constexpr double kFrame = 1.0 / 25 + 1e-9;
    constexpr double kAudioSlack = 0.07;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.output);
        auto task = NewTask();
        const std::string output = FFolder + c.output;
        TLogCapture log;
        Convert(*task, *c.input, output, c.options);
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage() << Lines(log);
        EXPECT_TRUE(task->Finished());

        const TMediaCheck check = CheckMedia(output);
        ASSERT_TRUE(check.Opened);
        EXPECT_EQ(check.ReadError, 0);
        const TStreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        const TStreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO);
        ASSERT_TRUE(video && audio);
        EXPECT_EQ(check.Streams.size(), 2u);
        EXPECT_EQ(video->Codec, c.video);
        EXPECT_EQ(audio->Codec, c.audio);
        EXPECT_EQ(video->Decoded, 50);
        EXPECT_EQ(video->DecodeErrors, 0);
        EXPECT_EQ(audio->DecodeErrors, 0);
        EXPECT_NEAR(video->Duration, 2.0, kFrame);
        EXPECT_NEAR(double(audio->Decoded) / audio->SampleRate, 2.0, kAudioSlack);
    }
}

} // namespace
