#include "OptionTestDispatcher.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpegTasks/OutputFileMapping.h"
#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

std::int64_t CodecOption(const TTranscoderOptions& options, int kind, const char* name) {
    std::int64_t value = -1;
    av::av_opt_get_int(options.FOptions.avcodec_opts[kind].get(), name, 0, &value);
    return value;
}

std::int64_t AudioBitRate(const TTranscoderOptions& options) {
    return CodecOption(options, 1, "b");
}

// Records the pending options that each new stream and the opening of the output see, and
// consumes the codec names the way stream creation does.
class TRecordingDispatcher : public TTestDispatcher {
public:
    std::vector<std::string> Events;

    void Record(const std::string& what) {
        const TTranscoderOptions& o = Options();
        Events.push_back(Format("%s a=%s v=%s s=%s size=%dx%d vf=%s", what, o.Faudio_codec_name,
                                o.Fvideo_codec_name, o.Fsubtitle_codec_name, o.Fframe_width,
                                o.Fframe_height, o.Fvfilters));
        Options().Faudio_codec_name.clear();
        Options().Fvideo_codec_name.clear();
        Options().Fsubtitle_codec_name.clear();
    }

protected:
    void NewOutputStream(AVMediaType type) override {
        Record(type == AVMEDIA_TYPE_AUDIO   ? "newaudio"
               : type == AVMEDIA_TYPE_VIDEO ? "newvideo"
                                            : "newsubtitle");
    }
};

class TRecordingTask : public TOutputFileTask {
public:
    TRecordingDispatcher FDispatcher;
    std::vector<int> Kept;
    std::vector<int> Resets;
    int OpenResult{ 0 };
    bool HookSet{ false };

    TOptionDispatcher& Dispatcher() override { return FDispatcher; }
    int OutputCount() const override { return FDispatcher.Options().Fnb_output_files; }
    void KeepOutputOptions(int index, const TOutputOptions&) override { Kept.push_back(index); }
    void ResetOutputOptions(int index) override { Resets.push_back(index); }
    int OpenOutputFile(const std::string& fileName, bool join) override {
        FDispatcher.Record(Format("open %s%s", fileName, join ? " join" : ""));
        if (OpenResult >= 0) ++FDispatcher.Options().Fnb_output_files;
        return OpenResult;
    }
    std::string LastErrMsg() const override { return "Could not open 'out'"; }
    void SetCustomHook(const TCustomHookEvent& hook) override { HookSet = bool(hook); }
};

class OutputFileMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    }
};

TEST_F(OutputFileMappingTest, LaterStepsWinAndPerStreamLinesServeExtraStreams) {
    struct Case {
        const char* name;
        std::function<void(TOutputOptions&)> setup;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        { "record codec over text; text codec for the extra stream",
          [](TOutputOptions& o) {
              o.AudioCodec = "mp2";
              o.ExtOptions = "acodec=libmp3lame\nnewaudio=";
          },
          { "open out a=mp2 v= s= size=0x0 vf=", "newaudio a=libmp3lame v= s= size=0x0 vf=" } },
        { "per-stream lines used up one per stream, in order",
          [](TOutputOptions& o) { o.ExtOptions = "acodec=mp2\nacodec=ac3\nnewaudio=\nnewaudio="; },
          { "open out a=mp2 v= s= size=0x0 vf=", "newaudio a=mp2 v= s= size=0x0 vf=",
            "newaudio a=ac3 v= s= size=0x0 vf=" } },
        { "used-up lines give the default",
          [](TOutputOptions& o) {
              o.AudioCodec = "mp2";
              o.ExtOptions = "acodec=ac3\nnewaudio=\nnewaudio=";
          },
          { "open out a=mp2 v= s= size=0x0 vf=", "newaudio a=ac3 v= s= size=0x0 vf=",
            "newaudio a=mp2 v= s= size=0x0 vf=" } },
        { "subtitle codec line serves the extra subtitle stream",
          [](TOutputOptions& o) { o.ExtOptions = "scodec=dvdsub\nnewsubtitle="; },
          { "open out a= v= s=dvdsub size=0x0 vf=", "newsubtitle a= v= s=dvdsub size=0x0 vf=" } },
        { "record chain for the main stream, text chain for the extra one",
          [](TOutputOptions& o) {
              o.VideoFilters = "hflip";
              o.ExtOptions = "vfilters=vflip\nnewvideo=";
          },
          { "open out a= v= s= size=0x0 vf=hflip", "newvideo a= v= s= size=0x0 vf=vflip" } },
        { "record frame size over the target's",
          [](TOutputOptions& o) {
              o.TargetType = ttDVD;
              o.NormType = ntPAL;
              o.FrameSize = "352x288";
          },
          { "open out a=ac3 v=mpeg2video s= size=352x288 vf=" } },
        { "target alone",
          [](TOutputOptions& o) { o.TargetType = ttVCD, o.NormType = ntNTSC; },
          { "open out a=mp2 v=mpeg1video s= size=352x240 vf=" } },
        { "join",
          [](TOutputOptions& o) { o.Join = true; },
          { "open out join a= v= s= size=0x0 vf=" } },
    };
    for (const Case& c : cases) {
        TRecordingTask task;
        TOutputOptions record;
        c.setup(record);
        std::string error;
        EXPECT_TRUE(MapOutputFile(task, "out", &record, nullptr, error)) << c.name << ": " << error;
        EXPECT_EQ(task.FDispatcher.Events, c.events) << c.name;
        EXPECT_EQ(record.FileName, "out") << c.name;
        EXPECT_EQ(task.Kept, std::vector<int>{ 0 }) << c.name;
    }
}

TEST_F(OutputFileMappingTest, FieldsOverrideTheOptionText) {
    TRecordingTask task;
    TOutputOptions record;
    record.ExtOptions = "ab=64000\nr=30\nacodec=ac3";
    record.AudioBitrate = 128000;
    record.FrameRate = "25";
    record.Info.TimeStamp = 0;
    record.Info.Title = "Title";
    record.Info.Year = 2010;
    record.CustomHook = true;
    std::string error;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(MapOutputFile(
        task, "out", &record, [](auto&&...) {}, error))
        << error;
    const TTranscoderOptions& o = task.FDispatcher.Options();
    EXPECT_EQ(AudioBitRate(o), 128000);
    EXPECT_EQ(o.Fframe_rate.num / o.Fframe_rate.den, 25);
    EXPECT_GE(o.Frecording_timestamp, std::int64_t(before) - 1);
    EXPECT_LE(o.Frecording_timestamp, std::int64_t(std::time(nullptr)) + 1);
    const std::vector<std::pair<std::string, std::string>> tags = { { "year", "2010" },
                                                                    { "title", "Title" } };
    EXPECT_EQ(o.Fmetadata, tags);
    EXPECT_TRUE(task.HookSet);
}

TEST_F(OutputFileMappingTest, AChosenVideoRateWidensTheTargetsLimits) {
    struct Case {
        const char* name;
        TOptionTargetType target;
        int bitrate, minRate, maxRate;
        std::int64_t expectedMin, expectedMax;
    };
    const Case cases[] = {
        { "below the VCD's constant rate", ttVCD, 1000000, 0, 0, 1000000, 1150000 },
        { "above the VCD's constant rate", ttVCD, 2000000, 0, 0, 1150000, 2000000 },
        { "the VCD's own rate", ttVCD, 1150000, 0, 0, 1150000, 1150000 },
        { "above the SVCD's ceiling", ttSVCD, 3000000, 0, 0, 0, 3000000 },
        { "inside the DVD's ceiling", ttDVD, 6000000, 0, 0, 0, 9000000 },
        { "limits of the record's own stay", ttVCD, 1000000, 0, 1500000, 1150000, 1500000 },
        { "no chosen rate", ttVCD, 0, 0, 0, 1150000, 1150000 },
    };
    for (const Case& c : cases) {
        TRecordingTask task;
        TOutputOptions record;
        record.TargetType = c.target;
        record.NormType = ntPAL;
        record.VideoBitrate = c.bitrate;
        record.VideoMinRate = c.minRate;
        record.VideoMaxRate = c.maxRate;
        std::string error;
        ASSERT_TRUE(MapOutputFile(task, "out", &record, nullptr, error)) << c.name << ": " << error;
        const TTranscoderOptions& o = task.FDispatcher.Options();
        EXPECT_EQ(CodecOption(o, 0, "minrate"), c.expectedMin) << c.name;
        EXPECT_EQ(CodecOption(o, 0, "maxrate"), c.expectedMax) << c.name;
    }
}

TEST_F(OutputFileMappingTest, FailureLeavesTheOptionsAsTheyWere) {
    struct Case {
        const char* name;
        std::function<void(TOutputOptions&)> setup;
        int openResult;
        const char* message;
    };
    const Case cases[] = {
        { "refused field after applied text",
          [](TOutputOptions& o) {
              o.ExtOptions = "ab=64000";
              o.AudioCodec = "ac3";
              o.FrameRate = "fast";
          },
          0, "Incorrect frame rate" },
        { "refused line of the text",
          [](TOutputOptions& o) {
              o.VideoCodec = "mpeg4";
              o.ExtOptions = "ab=64000\naspect=wide";
          },
          0, "Incorrect aspect ratio specification." },
        { "target refused",
          [](TOutputOptions& o) {
              o.ExtOptions = "ab=64000";
              o.TargetType = ttDVD;
          },
          0, "frame_rate is invalid." },
        { "output cannot be opened",
          [](TOutputOptions& o) {
              o.ExtOptions = "ab=64000";
              o.TargetType = ttDVD;
              o.NormType = ntPAL;
          },
          -1, "Could not open 'out'" },
    };
    for (const Case& c : cases) {
        TRecordingTask task;
        task.OpenResult = c.openResult;
        const std::int64_t bitRate = AudioBitRate(task.FDispatcher.Options());
        TOutputOptions record;
        c.setup(record);
        std::string error;
        EXPECT_FALSE(MapOutputFile(task, "out", &record, nullptr, error)) << c.name;
        EXPECT_EQ(error, c.message) << c.name;
        const TTranscoderOptions& o = task.FDispatcher.Options();
        EXPECT_EQ(AudioBitRate(o), bitRate) << c.name;
        EXPECT_EQ(o.Faudio_codec_name, "") << c.name;
        EXPECT_EQ(o.Fvideo_codec_name, "") << c.name;
        EXPECT_EQ(o.Fframe_width, 0) << c.name;
        EXPECT_EQ(task.Resets, std::vector<int>{ 0 }) << c.name;
        EXPECT_FALSE(task.HookSet) << c.name;
    }
}

TEST_F(OutputFileMappingTest, WithoutRecordTheKeptRecordIsResetAndNothingJoins) {
    TRecordingTask task;
    std::string error;
    ASSERT_TRUE(MapOutputFile(task, "out", nullptr, nullptr, error)) << error;
    EXPECT_EQ(task.FDispatcher.Events,
              std::vector<std::string>{ "open out a= v= s= size=0x0 vf=" });
    EXPECT_EQ(task.Resets, std::vector<int>{ 0 });
}

TEST(OutputOptionsText, TakesItsOwnNamesAndKeepsTheRest) {
    const TOutputOptions out =
        OutputOptionsFromText("join=0\nHOOK=\nTimeStart=5000\nTimeLength=soon\nvcodec=mpeg4");
    EXPECT_TRUE(out.Join);
    EXPECT_TRUE(out.CustomHook);
    EXPECT_EQ(out.TimeStart, 5000);
    EXPECT_EQ(out.TimeLength, kNoTime);
    EXPECT_EQ(out.ExtOptions, "vcodec=mpeg4\n");

    const TInputOptions in = InputOptionsFromText("timestart=-7\nJoin=1\nf=mpeg");
    EXPECT_EQ(in.TimeStart, -7);
    EXPECT_EQ(in.ExtOptions, "Join=1\nf=mpeg\n");
}

} // namespace
