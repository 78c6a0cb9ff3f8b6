#include "Src/FFmpegTasks/TFFmpeg.h"

#include "OptionTestDispatcher.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/RateOverride.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"
#include "tests/fixtures/MediaWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class TranscodeOpeningTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("opening");
        FTask = std::make_unique<TFFmpeg>(8);
        FTask->Reset();
    }

    void TearDown() override {
        FTask.reset();
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    std::string FFolder;
    std::unique_ptr<TFFmpeg> FTask;
};

TEST_F(TranscodeOpeningTest, CodecLookupNamesWhatIsWrong) {
    struct Case {
        const char* name;
        AVMediaType type;
        bool encoder;
        const char* message; // empty: found
    };
    const Case kCases[] = {
        { "", AVMEDIA_TYPE_VIDEO, true, "" },
        { "mpeg4", AVMEDIA_TYPE_VIDEO, true, "" },
        { "nosuchcodec", AVMEDIA_TYPE_VIDEO, true, "Unknown encoder 'nosuchcodec'" },
        { "nosuchcodec", AVMEDIA_TYPE_AUDIO, false, "Unknown decoder 'nosuchcodec'" },
        { "mp2", AVMEDIA_TYPE_VIDEO, true, "Invalid encoder type 'mp2'" },
        { "h264", AVMEDIA_TYPE_VIDEO, true, "Unknown encoder 'h264'" },
    };
    for (const auto& c : kCases) {
        AVCodecID id = AV_CODEC_ID_PROBE;
        const bool found = FTask->FindCodecID(c.name, c.type, id, 0, c.encoder);
        EXPECT_EQ(found, *c.message == 0) << c.name;
        if (found) {
            EXPECT_EQ(id == AV_CODEC_ID_NONE, *c.name == 0) << c.name;
        } else {
            EXPECT_EQ(FTask->LastErrMsg(), c.message);
        }
    }
}

TEST(RateOverride, GroupsGiveQuantisersOrQualityFactors) {
    std::string error;
    if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
    CodecContextPtr codec(av::avcodec_alloc_context3(nullptr));
    SetRateOverrides(codec.get(), "0,100,2/101,200,-50");
    ASSERT_EQ(codec->rc_override_count, 2);
    EXPECT_EQ(codec->rc_override[0].start_frame, 0);
    EXPECT_EQ(codec->rc_override[0].end_frame, 100);
    EXPECT_EQ(codec->rc_override[0].qscale, 2);
    EXPECT_EQ(codec->rc_override[1].start_frame, 101);
    EXPECT_EQ(codec->rc_override[1].qscale, 0);
    EXPECT_FLOAT_EQ(codec->rc_override[1].quality_factor, 0.5f);
    EXPECT_EQ(ErrorOf([&] { SetRateOverrides(codec.get(), "0/100"); }),
              "error parsing rc_override");
}

TEST_F(TranscodeOpeningTest, AnInputGivesItsPictureAndSoundToTheNextOutput) {
    ASSERT_TRUE(FTask->OpenInputFile(fixtures::Standard().Vob)) << FTask->LastErrMsg();
    const TTranscoderOptions& opt = FTask->Options();
    EXPECT_EQ(opt.Fframe_width, 160);
    EXPECT_EQ(opt.Fframe_height, 120);
    EXPECT_FLOAT_EQ(opt.Fframe_aspect_ratio, 4.0f / 3.0f);
    EXPECT_EQ(opt.Fframe_rate.num, 25);
    EXPECT_EQ(opt.Faudio_sample_rate, 48000);
    EXPECT_EQ(opt.Faudio_channels, 2);
    EXPECT_GT(opt.FTotalOutputDuration, 1900000);
    EXPECT_EQ(FTask->InputCodecs().size(), 2u);
}

TEST_F(TranscodeOpeningTest, AnOutputMakesOnlyTheStreamsItsInputsCanFeed) {
    ASSERT_TRUE(FTask->OpenInputFile(fixtures::Standard().Mp3)) << FTask->LastErrMsg();
    FTask->ParseOption("vcodec", "mpeg4");
    ASSERT_EQ(FTask->OpenOutputFile(FFolder + "sound.avi", false), 1) << FTask->LastErrMsg();
    const TOutputFile& output = FTask->OutputFile(0);
    ASSERT_EQ(output.Streams.size(), 1u);
    EXPECT_EQ(output.Streams[0]->Context->codec_type, AVMEDIA_TYPE_AUDIO);
}

TEST_F(TranscodeOpeningTest, ACopiedStreamTakesNoEncoder) {
    ASSERT_TRUE(FTask->OpenInputFile(fixtures::Standard().Vob)) << FTask->LastErrMsg();
    FTask->ParseOption("vcodec", "copy");
    FTask->ParseOption("acodec", "mp2");
    ASSERT_EQ(FTask->OpenOutputFile(FFolder + "copy.mpg", false), 1) << FTask->LastErrMsg();
    const TOutputFile& output = FTask->OutputFile(0);
    ASSERT_EQ(output.Streams.size(), 2u);
    EXPECT_TRUE(output.Streams[0]->StreamCopy);
    EXPECT_FALSE(output.Streams[1]->StreamCopy);
    ASSERT_EQ(FTask->OutputCodecs().size(), 2u);
    EXPECT_EQ(FTask->OutputCodecs()[0], nullptr);
    EXPECT_NE(FTask->OutputCodecs()[1], nullptr);
}

TEST_F(TranscodeOpeningTest, JoiningTakesOneSlotPerInputAndTheSumOfTheirDurations) {
    const auto& fixtures = fixtures::Standard();
    ASSERT_TRUE(FTask->OpenInputFile(fixtures.Vob));
    EXPECT_EQ(FTask->OpenOutputFile(FFolder + "single.avi", true), 1);
    EXPECT_FALSE(FTask->JoinMode());

    auto task = std::make_unique<TFFmpeg>(8);
    task->Reset();
    std::int64_t sum = 0;
    for (const std::string* input : { &fixtures.Vob, &fixtures.Mp4, &fixtures.Avi }) {
        ASSERT_TRUE(task->OpenInputFile(*input));
        sum += task->InputFile(task->nb_input_files() - 1).Context->duration;
    }
    EXPECT_EQ(task->OpenOutputFile(FFolder + "joined.avi", true), 3);
    EXPECT_TRUE(task->JoinMode());
    EXPECT_EQ(task->Options().FTotalOutputDuration, sum);
    EXPECT_EQ(&task->OutputFile(0), &task->OutputFile(2));
}

} // namespace

// Only the picture demuxer loops; any other input refuses the option rather than dropping it.
TEST_F(TranscodeOpeningTest, LoopInputRepeatsAPictureOrIsRefused) {
    fixtures::MediaSpec picture;
    picture.Format = "image2";
    picture.Extension = ".png";
    picture.VideoCodec = "png";
    picture.Seconds = 0.04;
    picture.MuxerOptions = { { "update", "1" } };
    const std::string still = FFolder + "still.png";
    fixtures::WriteMedia(still, picture);

    FTask->ParseOption("loop_input", "");
    ASSERT_TRUE(FTask->OpenInputFile(still)) << FTask->LastErrMsg();
    FTask->ParseOption("t", "2");
    FTask->ParseOption("vcodec", "mpeg4");
    const std::string output = FFolder + "looped.avi";
    ASSERT_GT(FTask->OpenOutputFile(output, false), 0) << FTask->LastErrMsg();
    ASSERT_TRUE(FTask->StartConvert(false));
    ASSERT_FALSE(FTask->FatalException()) << FTask->FatalMessage();
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video);
    EXPECT_NEAR(double(video->Decoded), 50, 1);

    TFFmpeg other(8);
    other.Reset();
    other.ParseOption("loop_input", "");
    const std::string vob = fixtures::Standard().Vob;
    EXPECT_FALSE(other.OpenInputFile(vob));
    EXPECT_EQ(other.LastErrMsg(),
              vob + ": loop_input cannot loop this input (mpeg); only pictures loop");
    EXPECT_EQ(other.nb_input_files(), 0);
    // The option went with the refused input.
    EXPECT_TRUE(other.OpenInputFile(vob)) << other.LastErrMsg();
}
