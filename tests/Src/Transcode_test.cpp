#include "Src/FFmpegTasks/TFFmpeg.h"

#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"

#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/UnicodeProtocol.h"
#include "tests/fixtures/MediaWriter.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstring>
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

    // Ten seconds of MPEG-2 and MP2, more than the libraries read while opening it.
    const std::string& LongVob() {
        static const std::string path = [] {
            const std::string name = fixtures::Standard().Folder + "/long-run.vob";
            fixtures::MediaSpec spec;
            spec.Format = "vob";
            spec.Extension = ".vob";
            spec.VideoCodec = "mpeg2video";
            spec.AudioCodec = "mp2";
            spec.SampleRate = 48000;
            spec.Seconds = 10.0;
            if (FileExists(name)) return name;
            // Other test processes may read the file meanwhile: it appears only when whole.
            const std::string writing = name + ".writing-" + std::to_string(getpid());
            fixtures::WriteMedia(writing, spec);
            std::filesystem::rename(writing, name);
            return name;
        }();
        return path;
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

    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    ASSERT_EQ(check.Streams.size(), 1u);
    const fixtures::StreamCheck& video = check.Streams[0];
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
    // The AVI fixture leaves out its second picture, so its pictures span 51 frames; audio
    // encoders prime and pad to whole frames.
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

        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        ASSERT_TRUE(check.Opened);
        EXPECT_EQ(check.ReadError, 0);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        const fixtures::StreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO);
        ASSERT_TRUE(video && audio);
        EXPECT_EQ(check.Streams.size(), 2u);
        EXPECT_EQ(video->Codec, c.video);
        EXPECT_EQ(audio->Codec, c.audio);
        // A constant-rate output shows the first picture twice; Matroska keeps the gap in its
        // time stamps.
        const bool gap = c.input == &fixtures.Avi;
        const bool variableRate = std::string(c.output).ends_with(".mkv");
        EXPECT_EQ(video->Decoded, gap && !variableRate ? 51 : 50);
        EXPECT_EQ(video->DecodeErrors, 0);
        EXPECT_EQ(audio->DecodeErrors, 0);
        EXPECT_NEAR(video->Duration, gap ? 2.04 : 2.0, kFrame);
        EXPECT_NEAR(double(audio->Decoded) / audio->SampleRate, 2.0, kAudioSlack);
    }
}

// The catalogue names encoders these libraries lack and AAC for program streams, which refuse
// it: each output still gets an encoder it can be written with.
TEST_F(TranscodeTest, MissingEncodersAndRefusedAudioAreReplaced) {
    const auto& fixtures = fixtures::Standard();
    struct Case {
        const char* output;
        const char* options;
        AVCodecID video;
        AVCodecID audio;
    };
    const Case kCases[] = {
        { "dvd.vob", "vcodec=mpeg2video;acodec=libfaac", AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3 },
        { "program.mpg", "vcodec=mpeg1video;acodec=libfaac", AV_CODEC_ID_MPEG1VIDEO,
          AV_CODEC_ID_MP2 },
        { "faac.mp4", "vcodec=mpeg4;acodec=libfaac", AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC },
        { "old.avi", "vcodec=msmpeg4v1;acodec=libmp3lame", AV_CODEC_ID_MSMPEG4V2, AV_CODEC_ID_MP3 },
        { "phone.3gp", "vcodec=h263;s=176x144;acodec=libamr_nb;ar=8000;ac=1", AV_CODEC_ID_H263,
          AV_CODEC_ID_AMR_NB },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.output);
        auto task = NewTask();
        const std::string output = FFolder + c.output;
        Convert(*task, fixtures.Vob, output, c.options);
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        ASSERT_TRUE(check.Opened);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        const fixtures::StreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO);
        ASSERT_TRUE(video && audio);
        EXPECT_EQ(video->Codec, c.video);
        EXPECT_EQ(audio->Codec, c.audio);
        EXPECT_EQ(audio->DecodeErrors, 0);
    }
}

// Cropping and scaling through the scaler, or through a filter chain when one is given.
TEST_F(TranscodeTest, CropScaleAndFiltersShapeThePicture) {
    struct Case {
        const char* options;
        int width;
        int height;
    };
    const Case kCases[] = {
        { "s=80x60", 80, 60 },
        { "croptop=20;cropbottom=20", 160, 80 },
        { "cropleft=40;s=64x64", 64, 64 },
        { "vf=scale=96:72", 96, 72 },
        { "croptop=40;vf=pad=160:120:0:20", 160, 120 },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.options);
        auto task = NewTask();
        const std::string output = FFolder + "shaped.avi";
        Convert(*task, fixtures::Standard().Vob, output,
                std::string("an=1;vcodec=mpeg4;") + c.options);
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        ASSERT_TRUE(video);
        EXPECT_EQ(video->Width, c.width);
        EXPECT_EQ(video->Height, c.height);
        EXPECT_EQ(video->Decoded, 50);
        EXPECT_EQ(video->DecodeErrors, 0);
    }
}

TEST_F(TranscodeTest, StreamCopyKeepsEveryPacketAndTheDuration) {
    const auto& fixtures = fixtures::Standard();
    auto task = NewTask();
    const std::string output = FFolder + "copy.mkv";
    Convert(*task, fixtures.Mkv, output, "vcodec=copy;acodec=copy");
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_TRUE(task->Finished());

    const fixtures::MediaCheck input = fixtures::CheckMedia(fixtures.Mkv);
    const fixtures::MediaCheck copy = fixtures::CheckMedia(output);
    ASSERT_TRUE(copy.Opened);
    for (const AVMediaType type : { AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO }) {
        const fixtures::StreamCheck* in = input.First(type);
        const fixtures::StreamCheck* out = copy.First(type);
        ASSERT_TRUE(in && out) << type;
        EXPECT_EQ(out->Codec, in->Codec);
        EXPECT_EQ(out->Packets, in->Packets) << type;
        EXPECT_EQ(out->Decoded, in->Decoded) << type;
        EXPECT_EQ(out->DecodeErrors, 0);
        EXPECT_NEAR(out->Duration, in->Duration, 0.002) << type;
    }
}

TEST_F(TranscodeTest, ProgressCarriesFramesSizeAndTimesAndEndsWithTheLastReport) {
    const auto& fixtures = fixtures::Standard();
    auto task = NewTask();
    struct Report {
        int fileIndex, frame, fps;
        float quality, bitRate;
        std::int64_t size, time, total;
    };
    std::vector<Report> reports;
    task->ReportInterval = 0;
    task->OnProgress = [&](TObject*, int fileIndex, int frame, int fps, float quality,
                           float bitRate, std::int64_t size, std::int64_t time,
                           std::int64_t total) {
        reports.push_back({ fileIndex, frame, fps, quality, bitRate, size, time, total });
    };
    Convert(*task, fixtures.Vob, FFolder + "progress.avi", "vcodec=mpeg4;acodec=libmp3lame");
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    ASSERT_GE(reports.size(), 2u);
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].frame, reports[i - 1].frame);
        EXPECT_GE(reports[i].time, reports[i - 1].time);
    }
    const Report& last = reports.back();
    EXPECT_EQ(last.fileIndex, -1);
    EXPECT_EQ(last.frame, 50);
    EXPECT_EQ(last.size, std::int64_t(std::filesystem::file_size(FFolder + "progress.avi")));
    EXPECT_NEAR(double(last.time), 2000000.0, 80000.0);
    EXPECT_GT(last.total, 1900000);
    // The encoder's quantiser of the last picture, frames per second of the time taken (0 within
    // the first second) and kbit/s of what was written over the time reached.
    EXPECT_GE(last.quality, 1.0f);
    EXPECT_LE(last.quality, 31.0f);
    EXPECT_GE(last.fps, 0);
    EXPECT_NEAR(last.bitRate, double(last.size) * 8.0 / (double(last.time) / 1e6) / 1000.0,
                0.01 * last.bitRate);
    EXPECT_EQ(reports.front().fileIndex, 0);
    EXPECT_GE(reports.front().frame, 1);
}

TEST_F(TranscodeTest, AStoppedRunWritesAPlayableFileAndIsNotFinished) {
    auto task = NewTask();
    const std::string output = FFolder + "stopped.mp4";
    task->ReportInterval = 0;
    TFFmpeg* self = task.get();
    task->OnProgress = [self](TObject*, int, int frame, int, float, float, std::int64_t,
                              std::int64_t, std::int64_t) {
        if (frame >= 20) self->Stop(false);
    };
    Convert(*task, LongVob(), output, "vcodec=mpeg4;acodec=aac");
    EXPECT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_FALSE(task->Finished());

    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video);
    EXPECT_GE(video->Decoded, 20);
    EXPECT_LT(video->Decoded, 250);
    EXPECT_EQ(video->DecodeErrors, 0);
    EXPECT_EQ(check.ReadError, 0);
}

// Each failure ends the task with the exception flag and its message, never as finished, and
// leaves no empty output behind.
TEST_F(TranscodeTest, FailuresEndTheTaskWithTheirMessage) {
    struct Case {
        const char* name;
        const char* options;
        std::function<void(TFFmpeg&)> sabotage;
        const char* message;
    };
    const auto failingReads = [](TFFmpeg& task) {
        task.InputFile(0).Context->pb->read_packet = [](void*, std::uint8_t*, int) {
            return AVERROR(EIO);
        };
    };
    const Case kCases[] = {
        { "refused.mp4", "vcodec=h263;acodec=aac", nullptr,
          "Error while opening encoder for output stream #0.0 (Video) - maybe incorrect "
          "parameters such as bit_rate, rate, width or height. Please check error log message "
          "to find out more detail information." },
        { "unreadable.avi", "vcodec=mpeg4;acodec=libmp3lame", failingReads, ": I/O error" },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        auto task = NewTask();
        const std::string output = FFolder + c.name;
        ASSERT_TRUE(task->OpenInputFile(LongVob())) << task->LastErrMsg();
        Apply(*task, c.options);
        ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
        if (c.sabotage) c.sabotage(*task);
        ASSERT_TRUE(task->StartConvert(false));
        EXPECT_TRUE(task->FatalException());
        EXPECT_FALSE(task->Finished());
        EXPECT_NE(task->FatalMessage().find(c.message), std::string::npos) << task->FatalMessage();
        EXPECT_FALSE(FileExists(output) && std::filesystem::file_size(output) == 0);
    }
}

TEST_F(TranscodeTest, AnOutputThatCannotBeCreatedLeavesNothingBehind) {
    struct Case {
        std::string output;
        const char* options;
        const char* message;
    };
    const Case kCases[] = {
        { FFolder + "missing/folder/out.avi", "vcodec=mpeg4", "No such file or directory" },
        { FFolder + "decoder-only.avi", "vcodec=h264",
          "new_video_stream fail: Unknown encoder 'h264'" },
    };
    for (const auto& c : kCases) {
        auto task = NewTask();
        ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob));
        Apply(*task, c.options);
        EXPECT_EQ(task->OpenOutputFile(c.output, false), -1);
        EXPECT_NE(task->LastErrMsg().find(c.message), std::string::npos) << task->LastErrMsg();
        EXPECT_EQ(task->nb_output_files(), 0);
        EXPECT_FALSE(FileExists(c.output));
    }
}

TEST_F(TranscodeTest, JoinedInputsPlayOneAfterTheOtherInOneFile) {
    const auto& fixtures = fixtures::Standard();
    auto task = NewTask();
    ASSERT_TRUE(task->OpenInputFile(fixtures.Vob)) << task->LastErrMsg();
    ASSERT_TRUE(task->OpenInputFile(fixtures.Mp4)) << task->LastErrMsg();
    Apply(*task, "vcodec=mpeg4;acodec=libmp3lame;ar=44100");
    const std::string output = FFolder + "joined.avi";
    ASSERT_EQ(task->OpenOutputFile(output, true), 2) << task->LastErrMsg();
    EXPECT_TRUE(task->JoinMode());
    EXPECT_EQ(task->OpenOutputFile(FFolder + "second.avi", true), -1);
    EXPECT_EQ(task->LastErrMsg(), "Cannot join more than one output file.");
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_TRUE(task->Finished());

    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    const fixtures::StreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO);
    ASSERT_TRUE(video && audio);
    EXPECT_EQ(check.Streams.size(), 2u);
    EXPECT_EQ(video->Decoded, 100);
    EXPECT_EQ(video->DecodeErrors, 0);
    EXPECT_NEAR(video->Duration, 4.0, 0.08);
    EXPECT_NEAR(double(audio->Decoded) / audio->SampleRate, 4.0, 0.1);
}

// Limits on time, frames and size end the run as finished, with the trailer written.
TEST_F(TranscodeTest, LimitsEndTheRunEarly) {
    struct Case {
        const char* options;
        int minFrames;
        int maxFrames;
        std::int64_t maxSize;
    };
    const Case kCases[] = {
        { "t=4", 99, 101, 0 },
        { "vframes=30", 30, 30, 0 },
        { "fs=60000", 2, 249, 60000 + 40000 },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.options);
        auto task = NewTask();
        const std::string output = FFolder + "limited.avi";
        Convert(*task, LongVob(), output,
                std::string("vcodec=mpeg4;b=400k;acodec=mp2;") + c.options);
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
        EXPECT_TRUE(task->Finished());
        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        ASSERT_TRUE(video);
        EXPECT_GE(video->Decoded, c.minFrames);
        EXPECT_LE(video->Decoded, c.maxFrames);
        EXPECT_EQ(video->DecodeErrors, 0);
        if (c.maxSize) {
            EXPECT_LE(std::int64_t(std::filesystem::file_size(output)), c.maxSize);
        }
    }
}

TEST_F(TranscodeTest, TwoPassesShareTheirLogAndGiveAPlayableFile) {
    const std::string prefix = FFolder + "passes";
    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        auto task = NewTask();
        const std::string output = FFolder + "pass" + std::to_string(pass) + ".avi";
        Convert(*task, fixtures::Standard().Vob, output,
                "an=1;vcodec=mpeg4;b=300k;passlogfile=" + prefix + ";pass=" + std::to_string(pass));
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
        EXPECT_TRUE(task->Finished());
        ASSERT_TRUE(FileExists(prefix + "-0.log"));
        EXPECT_GT(std::filesystem::file_size(prefix + "-0.log"), 0u);
        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        ASSERT_TRUE(video);
        EXPECT_EQ(video->Decoded, 50);
    }
}

TEST_F(TranscodeTest, ASecondPassWithoutTheFirstFails) {
    auto task = NewTask();
    Convert(*task, fixtures::Standard().Vob, FFolder + "pass2.avi",
            "an=1;vcodec=mpeg4;passlogfile=" + FFolder + "none;pass=2");
    EXPECT_TRUE(task->FatalException());
    EXPECT_EQ(task->FatalMessage(), "Cannot read file: Error reading log file \"" + FFolder +
                                        "none-0.log\" for pass-2 encoding");
}

TEST_F(TranscodeTest, AThreadedRunStoppedFromOutsideEndsWithItsTrailer) {
    constexpr unsigned kWatchdogMs = 30000;
    auto task = NewTask();
    TEvent started;
    TEvent terminated;
    task->ReportInterval = 0;
    task->OnProgress = [&started](TObject*, int, int frame, int, float, float, std::int64_t,
                                  std::int64_t, std::int64_t) {
        if (frame >= 10) started.SetEvent();
    };
    task->OnTerminate = [&terminated](TObject*) { terminated.SetEvent(); };
    const std::string output = FFolder + "threaded.mkv";
    ASSERT_TRUE(task->OpenInputFile(LongVob()));
    Apply(*task, "vcodec=libx264;acodec=aac");
    ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
    ASSERT_TRUE(task->StartConvert(true));
    ASSERT_EQ(started.WaitFor(kWatchdogMs), wrSignaled);
    task->Stop(true);
    ASSERT_EQ(terminated.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_FALSE(task->Finished());
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video);
    EXPECT_GE(video->Decoded, 10);
    EXPECT_EQ(video->DecodeErrors, 0);
}

// What the run cannot map or set up ends it before anything is written.
TEST_F(TranscodeTest, SetupFailuresNameWhatCannotBeMapped) {
    struct Case {
        const char* options;
        const char* message;
    };
    const Case kCases[] = {
        { "map=0:0", "Number of stream maps must match number of output streams" },
        { "map=0:0;map=0:5", "Could not find input stream #0.5" },
        { "map=0:0;map=0:1:3:0", "Could not find sync stream #3.0" },
        { "map=0:1;map=0:0", "Codec type mismatch for mapping #0.1 (Audio) -> #0.0 (Video)" },
        { "map_meta_data=3:0", "Invalid output file index 3 map_meta_data(3,0)" },
        { "vol=512;acodec=copy",
          "-acodec copy and -vol are incompatible (frames are not decoded)" },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.options);
        auto task = NewTask();
        ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob));
        Apply(*task, std::string("vcodec=mpeg4;acodec=mp2;") + c.options);
        const std::string output = FFolder + "unmapped.avi";
        ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
        ASSERT_TRUE(task->StartConvert(false));
        EXPECT_TRUE(task->FatalException());
        EXPECT_FALSE(task->Finished());
        EXPECT_EQ(task->FatalMessage(), c.message);
        EXPECT_FALSE(FileExists(output));
    }
}

TEST_F(TranscodeTest, ASecondVideoStreamTakesTheOnlyVideoInputAgain) {
    auto task = NewTask();
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob));
    Apply(*task, "an=1;vcodec=mpeg4");
    const std::string output = FFolder + "twice.mkv";
    ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
    Apply(*task, "vcodec=libx264;newvideo=");
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_EQ(check.Streams.size(), 2u);
    EXPECT_EQ(check.Streams[0].Codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(check.Streams[1].Codec, AV_CODEC_ID_H264);
    for (const auto& stream : check.Streams)
        EXPECT_EQ(stream.Decoded, 50);
}

TEST_F(TranscodeTest, ChaptersOfTheInputReachTheOutput) {
    auto task = NewTask();
    ASSERT_TRUE(task->OpenInputFile(fixtures::Standard().Vob));
    // The input gets two chapters of a second each, in milliseconds from its start; the output
    // starts at 0.
    AVFormatContext* input = task->InputFile(0).Context.get();
    const std::int64_t startMs = input->start_time / 1000;
    for (int i = 0; i < 2; ++i) {
        auto* chapter = static_cast<AVChapter*>(av::av_mallocz(sizeof(AVChapter)));
        chapter->id = i + 1;
        chapter->time_base = AVRational{ 1, 1000 };
        chapter->start = startMs + i * 1000;
        chapter->end = startMs + (i + 1) * 1000;
        av::av_dict_set(&chapter->metadata, "title", i ? "Second" : "First", 0);
        input->chapters = static_cast<AVChapter**>(
            av::av_realloc(input->chapters, (input->nb_chapters + 1) * sizeof(AVChapter*)));
        input->chapters[input->nb_chapters++] = chapter;
    }
    Apply(*task, "vcodec=mpeg4;acodec=mp2");
    const std::string output = FFolder + "chapters.mkv";
    ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();

    AVFormatContext* raw = nullptr;
    ASSERT_GE(AVOpenInput(&raw, FileNameToAV(output), nullptr, nullptr), 0);
    InputContextPtr written(raw);
    ASSERT_EQ(written->nb_chapters, 2u);
    const AVChapter* second = written->chapters[1];
    EXPECT_NEAR(double(second->start) * av_q2d(second->time_base), 1.0, 0.002);
    EXPECT_NEAR(double(second->end) * av_q2d(second->time_base), 2.0, 0.002);
    const AVDictionaryEntry* title = av::av_dict_get(second->metadata, "title", nullptr, 0);
    ASSERT_TRUE(title);
    EXPECT_STREQ(title->value, "Second");
}

// Two seconds of SubRip text in Matroska: a line at 0.5 s and one at 1.2 s.
void WriteSubtitles(const std::string& fileName) {
    AVFormatContext* raw = nullptr;
    ASSERT_GE(av::avformat_alloc_output_context2(&raw, nullptr, "matroska",
                                                 FileNameToAV(fileName).c_str()),
              0);
    FormatContextPtr context(raw);
    AVStream* stream = av::avformat_new_stream(raw, nullptr);
    stream->codecpar->codec_type = AVMEDIA_TYPE_SUBTITLE;
    stream->codecpar->codec_id = AV_CODEC_ID_SUBRIP;
    stream->time_base = AVRational{ 1, 1000 };
    ASSERT_GE(AVOpenIO(&raw->pb, FileNameToAV(fileName), AVIO_FLAG_WRITE, nullptr, nullptr), 0);
    ASSERT_GE(av::avformat_write_header(raw, nullptr), 0);
    const struct {
        std::int64_t pts;
        const char* text;
    } kLines[] = { { 500, "First line" }, { 1200, "Second line" } };
    for (const auto& line : kLines) {
        PacketPtr packet(av::av_packet_alloc());
        const int size = int(std::strlen(line.text));
        av::av_new_packet(packet.get(), size);
        std::memcpy(packet->data, line.text, std::size_t(size));
        packet->pts = packet->dts = av::av_rescale_q(line.pts, { 1, 1000 }, stream->time_base);
        packet->duration = av::av_rescale_q(500, { 1, 1000 }, stream->time_base);
        packet->stream_index = 0;
        packet->flags = AV_PKT_FLAG_KEY;
        ASSERT_GE(av::av_interleaved_write_frame(raw, packet.get()), 0);
    }
    ASSERT_GE(av::av_write_trailer(raw), 0);
    AVCloseIO(&raw->pb);
}

TEST_F(TranscodeTest, SubtitlesAreDecodedAndEncodedAgain) {
    const std::string input = FFolder + "subtitles.mkv";
    WriteSubtitles(input);
    auto task = NewTask();
    TLogCapture log;
    Convert(*task, input, FFolder + "subtitles.ass", "scodec=ass");
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage() << Lines(log);
    EXPECT_TRUE(task->Finished());
    const fixtures::MediaCheck check = fixtures::CheckMedia(FFolder + "subtitles.ass");
    ASSERT_TRUE(check.Opened);
    ASSERT_EQ(check.Streams.size(), 1u);
    EXPECT_EQ(check.Streams[0].Codec, AV_CODEC_ID_ASS);
    EXPECT_EQ(check.Streams[0].Packets, 2);
}

// A full disk: the file-size limit of a child process stands in for it. The child reports the
// run's message and exits with 0 when the run failed as it should.
void ConvertWithFileSizeLimit(const std::string& input, const std::string& output) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{ 100000, 100000 };
    setrlimit(RLIMIT_FSIZE, &limit);
    auto task = std::make_unique<TFFmpeg>(8);
    task->Reset();
    task->OpenInputFile(input);
    task->ParseOption("vcodec", "mpeg4");
    task->ParseOption("b", "2000k");
    task->OpenOutputFile(output, false);
    task->StartConvert(false);
    std::fprintf(stderr, "[%s]", task->FatalMessage().c_str());
    std::exit(task->FatalException() && !task->Finished() ? 0 : 1);
}

TEST_F(TranscodeTest, AWriteErrorFailsTheRun) {
    const std::string input = LongVob();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ConvertWithFileSizeLimit(input, FFolder + "full.avi"), ::testing::ExitedWithCode(0),
                "av_interleaved_write_frame|av_write_trailer");
}

} // namespace
