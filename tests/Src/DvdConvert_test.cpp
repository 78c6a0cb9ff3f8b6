#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/DvdSet.h"
#include "tests/fixtures/MediaCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// An output format of the program, with the options its window gives a job of that format.
struct TOutputKind {
    const char* Name;
    const char* Extension;
    std::function<void(TOutputOptions&)> Fill;
    AVCodecID Video; // AV_CODEC_ID_NONE: no picture
    AVCodecID Audio;
};

const std::vector<TOutputKind>& OutputKinds() {
    static const std::vector<TOutputKind> kinds = {
        { "AVI (MPEG-4 + MP3)", ".avi",
          [](TOutputOptions& o) {
              o.VideoCodec = "mpeg4";
              o.VideoTag = "XVID";
              o.FrameRate = "25";
              o.VideoBitrate = 816000;
              o.AudioCodec = "libmp3lame";
              o.AudioChannels = 2;
              o.AudioSampleRate = 44100;
              o.AudioBitrate = 128000;
          },
          AV_CODEC_ID_MPEG4, AV_CODEC_ID_MP3 },
        { "MP4 (H.264 + AAC)", ".mp4",
          [](TOutputOptions& o) {
              o.VideoCodec = "libx264";
              o.VideoPreset = "libx264-default";
              o.FrameSize = "320*240";
              o.FrameRate = "25";
              o.VideoBitrate = 512000;
              o.AudioCodec = "libfaac";
              o.AudioChannels = 2;
              o.AudioSampleRate = 48000;
              o.AudioBitrate = 128000;
          },
          AV_CODEC_ID_H264, AV_CODEC_ID_AAC },
        { "DVD", ".mpg",
          [](TOutputOptions& o) {
              o.TargetType = ttDVD;
              o.NormType = ntPAL;
          },
          AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3 },
        { "MP3", ".mp3",
          [](TOutputOptions& o) {
              o.AudioCodec = "libmp3lame";
              o.AudioChannels = 2;
              o.AudioSampleRate = 48000;
              o.AudioBitrate = 128000;
              o.DisableVideo = true;
          },
          AV_CODEC_ID_NONE, AV_CODEC_ID_MP3 },
    };
    return kinds;
}

// How far an output may be from its input: a picture of its own rate, or 50 ms of sound.
constexpr double kAudioSlack = 0.05;
constexpr double kStartSlack = 0.05;

// The output plays as long as the input, all of it decodes, and sound and picture start
// together.
void ExpectWholeOutput(const fixtures::MediaCheck& input, const std::string& output,
                       const TOutputKind& kind) {
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened) << output;
    EXPECT_EQ(check.ReadError, 0);
    EXPECT_EQ(check.Count(AVMEDIA_TYPE_SUBTITLE), 0);
    const fixtures::StreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO);
    const fixtures::StreamCheck* audioIn = input.First(AVMEDIA_TYPE_AUDIO);
    ASSERT_TRUE(audio && audioIn);
    EXPECT_EQ(check.Count(AVMEDIA_TYPE_AUDIO), 1);
    EXPECT_EQ(audio->Codec, kind.Audio);
    EXPECT_EQ(audio->DecodeErrors, 0);
    EXPECT_NEAR(audio->DecodedSeconds(), audioIn->DecodedSeconds(), kAudioSlack) << "audio";
    // No gap or overlap in the sound's time line where the container keeps one.
    EXPECT_NEAR(audio->Duration, audio->DecodedSeconds(), kAudioSlack) << "audio time line";
    if (kind.Video == AV_CODEC_ID_NONE) {
        EXPECT_EQ(check.Count(AVMEDIA_TYPE_VIDEO), 0);
        return;
    }
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    const fixtures::StreamCheck* videoIn = input.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video && videoIn);
    EXPECT_EQ(check.Count(AVMEDIA_TYPE_VIDEO), 1);
    EXPECT_EQ(video->Codec, kind.Video);
    EXPECT_EQ(video->DecodeErrors, 0);
    ASSERT_GT(video->FrameRate.num, 0);
    const double frame = av_q2d(av_inv_q(video->FrameRate));
    EXPECT_NEAR(video->DecodedSeconds(), videoIn->DecodedSeconds(), frame + 1e-6) << "video";
    EXPECT_NEAR(video->Duration, video->DecodedSeconds(), frame + 1e-6) << "video time line";
    EXPECT_NEAR(video->Start, audio->Start, kStartSlack) << "start";
    // A 16:9 disc picture stays 16:9 whatever size the output gives it.
    EXPECT_NEAR(video->DisplayAspect, videoIn->DisplayAspect, 0.02) << "display aspect";
}

class DvdConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("dvd-convert");
        ASSERT_FALSE(FFolder.empty());
    }

    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    // Converts the inputs (several: joined into one output) into every output kind, on the
    // calling thread, and checks each output against `whole`, the input as one file.
    void ConvertIntoEveryKind(const std::vector<std::string>& inputs, const std::string& whole,
                              const std::function<void(const TOutputKind&, const std::string&,
                                                       const TLogCapture&)>& more = nullptr) {
        const fixtures::MediaCheck input = fixtures::CheckMedia(whole);
        ASSERT_TRUE(input.Opened) << whole;
        for (const TOutputKind& kind : OutputKinds()) {
            SCOPED_TRACE(kind.Name);
            const std::string output = FFolder + "out" + kind.Extension;
            TLogCapture log;
            std::vector<TTerminateInfo> ends;
            TFFmpegTasks tasks(nullptr);
            tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) { ends.push_back(info); };
            ASSERT_EQ(tasks.AddTask(inputs[0], nullptr), 0) << tasks.LastErrMsg();
            for (std::size_t i = 1; i < inputs.size(); ++i)
                ASSERT_TRUE(tasks.AddInputFile(0, inputs[i], nullptr)) << tasks.LastErrMsg();
            TOutputOptions options;
            InitOutputOptions(options);
            kind.Fill(options);
            options.Join = inputs.size() > 1;
            ASSERT_TRUE(tasks.SetOutputFile(0, output, &options)) << tasks.LastErrMsg();
            tasks.Start(0);
            ASSERT_EQ(ends.size(), 2u);
            EXPECT_TRUE(ends[0].Finished);
            EXPECT_FALSE(ends[0].Exception) << ends[0].ExceptionMsg;
            ExpectWholeOutput(input, output, kind);
            const bool cutOff = whole == fixtures::Dvd().CutOff;
            EXPECT_EQ(log.Count(llWarning, whole + ": the input ended early"), cutOff ? 1 : 0);
            if (more) more(kind, output, log);
            std::filesystem::remove(output);
        }
    }

    void ConvertEachIntoEveryKind(const std::vector<std::string>& inputs) {
        for (const std::string& input : inputs) {
            SCOPED_TRACE(input);
            ConvertIntoEveryKind({ input }, input);
        }
    }

    std::string FFolder;
};

TEST_F(DvdConvertTest, PalAc3InMonoStereoAndSurroundConverts) {
    const fixtures::DvdSet& set = fixtures::Dvd();
    ConvertEachIntoEveryKind({ set.PalStereo, set.PalMonoWide, set.PalInterlaced });
}

TEST_F(DvdConvertTest, NtscAndNtscFilmConvert) {
    ConvertEachIntoEveryKind({ fixtures::Dvd().Ntsc, fixtures::Dvd().NtscFilm });
}

TEST_F(DvdConvertTest, LpcmConverts) {
    ConvertEachIntoEveryKind({ fixtures::Dvd().Lpcm });
}

// The audio output's clock follows the repeated stamp back, so the encoded audio repeats a
// time: the packet is raised past the one before it, with one warning naming the stream.
TEST_F(DvdConvertTest, RepeatedAc3TimeStampIsRaisedWithOneWarning) {
    ConvertIntoEveryKind(
        { fixtures::Dvd().RepeatedStamp }, fixtures::Dvd().RepeatedStamp,
        [](const TOutputKind& kind, const std::string&, const TLogCapture& log) {
            const std::string audio = kind.Video == AV_CODEC_ID_NONE ? "0:0" : "0:1";
            EXPECT_EQ(log.Count(llWarning, "Non-monotonous DTS in output stream " + audio), 1);
            EXPECT_EQ(log.Count(llWarning, "Non-monotonous DTS"), 1);
        });
}

TEST_F(DvdConvertTest, ClockRestartAndJumpKeepSoundAndPictureTogether) {
    ConvertEachIntoEveryKind({ fixtures::Dvd().ClockRestart, fixtures::Dvd().ClockJump });
}

TEST_F(DvdConvertTest, CutOffFileConvertsWhatCanBeRead) {
    ConvertEachIntoEveryKind({ fixtures::Dvd().CutOff });
}

// The automatic choice takes the first of two equal audio streams, says so in the stream
// mapping, and leaves the subtitles out.
TEST_F(DvdConvertTest, SecondLanguageAndSubtitlesLeaveTheFirstAudioStream) {
    ConvertIntoEveryKind({ fixtures::Dvd().TwoAudioSubtitles }, fixtures::Dvd().TwoAudioSubtitles,
                         [](const TOutputKind& kind, const std::string&, const TLogCapture& log) {
                             const bool video = kind.Video != AV_CODEC_ID_NONE;
                             EXPECT_TRUE(log.Has(video ? "  Stream #0.2 -> #0.1 (Audio)"
                                                       : "  Stream #0.2 -> #0.0 (Audio)"));
                             EXPECT_EQ(log.Count(llVerbose, "  Stream #0.3 ->"), 0);
                         });
}

TEST_F(DvdConvertTest, TitlePiecesJoinIntoTheWholeTitle) {
    ConvertIntoEveryKind(fixtures::Dvd().TitlePieces, fixtures::Dvd().Title);
}

} // namespace
