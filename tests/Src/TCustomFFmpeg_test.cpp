#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "OptionTestDispatcher.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>

namespace {

constexpr unsigned kWatchdogMs = 20000;

// A transcoder whose run is the test's: streams are made bare, hooks are recorded.
class TFakeFFmpeg : public TCustomFFmpeg {
public:
    using TCustomFFmpeg::TCustomFFmpeg;
    ~TFakeFFmpeg() override { Stop(true); }

    using TCustomFFmpeg::FDecoderList;
    using TCustomFFmpeg::FEncoderList;
    using TCustomFFmpeg::PassGate;
    using TCustomFFmpeg::RunReachedEnd;

    std::function<void(TFakeFFmpeg&)> Run;

protected:
    void Transcode() override {
        if (Run) Run(*this);
    }
    void NewOutputStream(AVMediaType type) override {
        AddOutputStream(nb_output_files() - 1, type);
    }
    void AddVideoHook(const std::string&) override {}
};

InputContextPtr OpenInput(const std::string& fileName) {
    AVFormatContext* context = nullptr;
    if (AVOpenInput(&context, FileNameToAV(fileName), nullptr, nullptr) < 0) return nullptr;
    return InputContextPtr(context);
}

std::shared_ptr<TOutputFile> MakeOutput(const std::string& fileName) {
    auto file = std::make_shared<TOutputFile>();
    AVFormatContext* context = nullptr;
    av::avformat_alloc_output_context2(&context, nullptr, nullptr, FileNameToAV(fileName).c_str());
    file->Context.reset(context);
    return file;
}

class TCustomFFmpegTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("transcoder");
        ASSERT_FALSE(FFolder.empty());
        FTask = MakeTask();
    }

    void TearDown() override {
        FTask.reset();
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    std::unique_ptr<TFakeFFmpeg> MakeTask() {
        auto task = std::make_unique<TFakeFFmpeg>(4);
        task->Reset();
        TObject* self = task.get();
        task->OnTerminate = [this, self](TObject* sender) {
            EXPECT_EQ(sender, self);
            FTerminateThread = win::GetCurrentThreadId();
            ++FTerminates;
            FTerminated.SetEvent();
        };
        return task;
    }

    // One input and one output file, opened for writing.
    void AddFiles() {
        ASSERT_EQ(FTask->AddInputFile(OpenInput(fixtures::Standard().Wav), 0), 0);
        auto output = MakeOutput(FFolder + "out.wav");
        ASSERT_GE(output->OpenIO(), 0);
        ASSERT_EQ(FTask->AddOutputFile(output), 0);
    }

    // A run that loops until stopped, announcing its first turn.
    void LoopUntilStopped() {
        FTask->Run = [this](TFakeFFmpeg& task) {
            bool first = true;
            while (task.PassGate()) {
                if (first) FLooping.SetEvent();
                first = false;
            }
            task.RunReachedEnd();
        };
    }

    void WaitTerminated() { ASSERT_EQ(FTerminated.WaitFor(kWatchdogMs), wrSignaled); }

    std::string FFolder;
    std::unique_ptr<TFakeFFmpeg> FTask;
    std::atomic<int> FTerminates{ 0 };
    std::atomic<std::uint32_t> FTerminateThread{ 0 };
    TEvent FTerminated{ true, false };
    TEvent FLooping{ true, false };
};

TEST(TCustomFFmpegCreate, CapacityMustLieWithinOneTo512Files) {
    struct Case {
        int maxFiles;
        bool accepted;
    };
    const Case kCases[] = {
        { 1, true }, { 512, true }, { 0, false }, { 513, false }, { -1, false }
    };
    for (const auto& c : kCases) {
        const std::string error = ErrorOf([&] { TFakeFFmpeg task(c.maxFiles); });
        if (c.accepted)
            EXPECT_EQ(error, "") << c.maxFiles;
        else
            EXPECT_EQ(error.rfind("Assertion failure (", 0), 0u) << c.maxFiles << ": " << error;
    }
}

TEST_F(TCustomFFmpegTest, StartWithoutFilesTerminatesOnTheCallingThreadWithTheReason) {
    struct Case {
        bool input;
        bool output;
        const char* message;
    };
    const Case kCases[] = {
        { true, false, "At least one output file must be specified" },
        { false, true, "At least one input file must be specified" },
        { false, false, "At least one output file must be specified" },
    };
    for (const auto& c : kCases) {
        FTask = MakeTask();
        FTerminates = 0;
        bool ran = false;
        FTask->Run = [&](TFakeFFmpeg&) { ran = true; };
        if (c.input) FTask->AddInputFile(OpenInput(fixtures::Standard().Wav), 0);
        if (c.output) FTask->AddOutputFile(MakeOutput(FFolder + "refused.wav"));
        EXPECT_FALSE(FTask->StartConvert(true)) << c.message;
        EXPECT_FALSE(ran);
        EXPECT_EQ(FTerminates, 1) << c.message;
        EXPECT_EQ(FTerminateThread, win::GetCurrentThreadId());
        EXPECT_TRUE(FTask->FatalException());
        EXPECT_EQ(FTask->FatalMessage(), c.message);
        EXPECT_FALSE(FTask->Finished());
        EXPECT_TRUE(FTask->Terminated());
        // Cleaned up: nothing stays open, nothing was written.
        EXPECT_EQ(FTask->nb_input_files(), 0);
        EXPECT_EQ(FTask->nb_output_files(), 0);
        EXPECT_FALSE(FileExists(FFolder + "refused.wav"));
        EXPECT_FALSE(FTask->StartConvert(false));
        EXPECT_EQ(FTerminates, 1);
    }
}

TEST_F(TCustomFFmpegTest, InlineRunClosesItsCodecsAndCleansUpBeforeStartReturns) {
    AddFiles();
    TStreamCodec* decoder = FTask->InputFile(0).Streams.at(0).get();
    TOutputStreamCodec* encoder = &FTask->AddOutputStream(0, AVMEDIA_TYPE_AUDIO);
    FTask->Run = [&](TFakeFFmpeg& task) {
        // As a two-pass run does: the statistics text belongs to the codec until it closes.
        encoder->Context->stats_in = av::av_strdup("pass 1 statistics");
        AddCodecItem(task.FEncoderList, encoder);
        AddCodecItem(task.FDecoderList, decoder);
        EXPECT_TRUE(task.PassGate());
        task.RunReachedEnd();
    };
    EXPECT_TRUE(FTask->StartConvert(false));
    EXPECT_EQ(FTerminates, 1);
    EXPECT_EQ(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_TRUE(FTask->Finished());
    EXPECT_FALSE(FTask->FatalException());
    EXPECT_TRUE(FTask->FEncoderList.empty());
    EXPECT_TRUE(FTask->FDecoderList.empty());
    EXPECT_EQ(FTask->nb_input_files(), 0);
    EXPECT_EQ(FTask->nb_output_files(), 0);
    EXPECT_EQ(FTask->Options().Fnb_output_files, 0);
    // Nothing was written, so no empty output stays behind.
    EXPECT_FALSE(FileExists(FFolder + "out.wav"));
}

TEST_F(TCustomFFmpegTest, ThreadedRunPausesResumesAndStopsWithoutWaiting) {
    AddFiles();
    TEvent paused{ true, false };
    TEvent passed{ true, false };
    FTask->Run = [&](TFakeFFmpeg& task) {
        task.Pause();
        paused.SetEvent();
        if (task.PassGate()) passed.SetEvent();
        while (task.PassGate())
            FLooping.SetEvent();
        task.RunReachedEnd();
    };
    ASSERT_TRUE(FTask->StartConvert(true, tpLower));
    EXPECT_FALSE(FTask->StartConvert(true)); // already converting
    ASSERT_EQ(paused.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_TRUE(FTask->Paused());
    EXPECT_EQ(passed.WaitFor(0), wrTimeout);
    FTask->Resume();
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FTask->Stop(false);
    WaitTerminated();
    EXPECT_NE(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_FALSE(FTask->Finished());
    EXPECT_EQ(FTask->nb_output_files(), 0);
    FTask.reset();
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(TCustomFFmpegTest, WaitingStopOnAPausedRunResumesItAndReturnsAfterItsEnd) {
    AddFiles();
    LoopUntilStopped();
    ASSERT_TRUE(FTask->StartConvert(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FTask->Pause();
    FTask->Stop(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_FALSE(FTask->Finished());
    EXPECT_FALSE(FTask->Paused());
    EXPECT_EQ(FTask->nb_input_files(), 0);
}

TEST_F(TCustomFFmpegTest, AFailingRunIsRecordedAndTheObjectStillCleansUpAndTerminates) {
    AddFiles();
    FTask->Run = [](TFakeFFmpeg&) { throw FFmpegException("Could not write header"); };
    ASSERT_TRUE(FTask->StartConvert(true));
    WaitTerminated();
    FTask->Stop(true);
    EXPECT_TRUE(FTask->FatalException());
    EXPECT_EQ(FTask->FatalMessage(), "Could not write header");
    EXPECT_FALSE(FTask->Finished());
    EXPECT_EQ(FTask->nb_input_files(), 0);
    EXPECT_FALSE(FileExists(FFolder + "out.wav"));
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(TCustomFFmpegTest, StopOrTerminateEndsAReadyObjectOnceFromAnotherThread) {
    FTask->StopOrTerminate(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_NE(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_FALSE(FTask->Finished());
    EXPECT_FALSE(FTask->FatalException());
    FTask->StopOrTerminate(true);
    EXPECT_FALSE(FTask->StartConvert(true));
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(TCustomFFmpegTest, StopOrTerminateStopsARunningObject) {
    AddFiles();
    LoopUntilStopped();
    ASSERT_TRUE(FTask->StartConvert(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FTask->StopOrTerminate(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_FALSE(FTask->Finished());
}

TEST_F(TCustomFFmpegTest, DestroyingRightAfterTerminateOrWhileRunningIsSafe) {
    for (int i = 0; i < 10; ++i) {
        FTerminated.ResetEvent();
        FTask = MakeTask();
        AddFiles();
        ASSERT_TRUE(FTask->StartConvert(true));
        WaitTerminated();
        FTask.reset();
    }
    FTerminates = 0;
    FTask = MakeTask();
    AddFiles();
    LoopUntilStopped();
    ASSERT_TRUE(FTask->StartConvert(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FTask->Pause();
    FTask.reset(); // stops and waits for the whole run
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(TCustomFFmpegTest, CleanupDeletesOnlyAnOutputLeftEmpty) {
    AddFiles();
    auto written = MakeOutput(FFolder + "written.wav");
    ASSERT_GE(written->OpenIO(), 0);
    const unsigned char bytes[] = { 1, 2, 3, 4 };
    av::avio_write(written->Context->pb, bytes, sizeof bytes);
    FTask->AddOutputFile(written);
    ASSERT_TRUE(FileExists(FFolder + "out.wav"));
    FTask->Cleanup();
    EXPECT_FALSE(FileExists(FFolder + "out.wav"));
    EXPECT_EQ(FileSize(FFolder + "written.wav"), 4);
    EXPECT_EQ(FTask->nb_output_files(), 0);
}

TEST_F(TCustomFFmpegTest, JoinedSlotsShareOneOutputClosedOnce) {
    AddFiles();
    FTask->AddInputFile(OpenInput(fixtures::Standard().Mp3), 0);
    FTask->SetJoinMode(true);
    FTask->RepeatLastOutputSlot();
    EXPECT_EQ(FTask->nb_output_files(), 2);
    EXPECT_EQ(FTask->Options().Fnb_output_files, 2);
    EXPECT_EQ(&FTask->OutputFile(0), &FTask->OutputFile(1));
    FTask->Cleanup();
    EXPECT_EQ(FTask->nb_output_files(), 0);
    EXPECT_FALSE(FileExists(FFolder + "out.wav"));
}

TEST_F(TCustomFFmpegTest, FileTablesHoldAtMostTheCapacity) {
    FTask = std::make_unique<TFakeFFmpeg>(1);
    FTask->Reset();
    ASSERT_EQ(FTask->AddInputFile(OpenInput(fixtures::Standard().Wav), 250000), 0);
    EXPECT_EQ(FTask->InputFile(0).TSOffset, 250000);
    EXPECT_FALSE(
        ErrorOf([&] { FTask->AddInputFile(OpenInput(fixtures::Standard().Mp3), 0); }).empty());
    EXPECT_EQ(FTask->nb_input_files(), 1);
    EXPECT_EQ(FTask->Options().Fnb_input_files, 1);
    EXPECT_FALSE(ErrorOf([&] { FTask->InputFile(1); }).empty());
    EXPECT_FALSE(ErrorOf([&] { FTask->OutputFile(0); }).empty());
}

TEST_F(TCustomFFmpegTest, InputStreamsGetADecoderContextFromTheirParameters) {
    ASSERT_EQ(FTask->AddInputFile(OpenInput(fixtures::Standard().Avi), 0), 0);
    const TInputFile& file = FTask->InputFile(0);
    ASSERT_EQ(file.Streams.size(), file.Context->nb_streams);
    for (const auto& record : file.Streams) {
        ASSERT_TRUE(record->Context);
        EXPECT_EQ(record->Context->codec_type, record->Stream->codecpar->codec_type);
        EXPECT_EQ(record->Context->codec_id, record->Stream->codecpar->codec_id);
        EXPECT_EQ(av_cmp_q(record->Context->pkt_timebase, record->Stream->time_base), 0);
    }
}

TEST_F(TCustomFFmpegTest, NewStreamsTakeTheirIdAndPendingBitstreamFilters) {
    AddFiles();
    FTask->ParseOption("streamid", "1:33");
    FTask->ParseOption("absf", "aac_adtstoasc");
    FTask->ParseOption("newvideo", "");
    FTask->ParseOption("newaudio", "");
    FTask->ParseOption("newaudio", "");
    const TOutputFile& file = FTask->OutputFile(0);
    ASSERT_EQ(file.Streams.size(), 3u);
    EXPECT_EQ(file.Streams[0]->Context->codec_type, AVMEDIA_TYPE_VIDEO);
    EXPECT_EQ(file.Streams[1]->Context->codec_type, AVMEDIA_TYPE_AUDIO);
    EXPECT_EQ(file.Streams[0]->Stream->id, 0);
    EXPECT_EQ(file.Streams[1]->Stream->id, 33);
    EXPECT_TRUE(file.Streams[0]->BitstreamFilters.empty());
    EXPECT_EQ(file.Streams[1]->BitstreamFilters, std::vector<std::string>{ "aac_adtstoasc" });
    // The chain went to the first audio stream only.
    EXPECT_TRUE(file.Streams[2]->BitstreamFilters.empty());
    EXPECT_TRUE(FTask->Options().Faudio_bitstream_filters.empty());
}

TEST(TCodecList, NewestFirstAndRemovingAnUnlistedRecordIsIgnored) {
    TStreamCodec a, b, c;
    TCodecList list;
    AddCodecItem(list, &a);
    AddCodecItem(list, &b);
    AddCodecItem(list, &c);
    EXPECT_EQ(list, (TCodecList{ &c, &b, &a }));
    RemoveCodecItem(list, &b);
    TStreamCodec unlisted;
    RemoveCodecItem(list, &unlisted);
    EXPECT_EQ(list, (TCodecList{ &c, &a }));
}

TEST_F(TCustomFFmpegTest, ResetClosesFilesAndRestoresDefaultsButInitDefaultsKeepsFiles) {
    AddFiles();
    FTask->ParseOption("ar", "22050");
    FTask->ParseOption("vcodec", "mpeg4");
    FTask->SetPostHooks({ phPreview, phBitmap });
    FTask->InitDefaults();
    EXPECT_EQ(FTask->Options().Faudio_sample_rate, 44100);
    EXPECT_TRUE(FTask->Options().Fvideo_codec_name.empty());
    EXPECT_TRUE(FTask->PostHooks().Empty());
    EXPECT_EQ(FTask->nb_input_files(), 1);
    EXPECT_EQ(FTask->Options().Fnb_input_files, 1);
    EXPECT_EQ(FTask->Options().Fnb_output_files, 1);

    FTask->ParseOption("ar", "22050");
    FTask->Reset();
    EXPECT_EQ(FTask->Options().Faudio_sample_rate, 44100);
    EXPECT_EQ(FTask->nb_input_files(), 0);
    EXPECT_EQ(FTask->nb_output_files(), 0);
    EXPECT_FALSE(FileExists(FFolder + "out.wav"));
    // The generic option contexts are there again for the next options.
    EXPECT_TRUE(FTask->SetDefaultOption("g", "12"));
}

TEST_F(TCustomFFmpegTest, ResetRefusesWhileARunIsUnderWay) {
    AddFiles();
    LoopUntilStopped();
    ASSERT_TRUE(FTask->StartConvert(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_EQ(ErrorOf([&] { FTask->Reset(); }), "Cannot Reset while working.");
    FTask->Stop(true);
    EXPECT_EQ(FTerminates, 1);
}

} // namespace
