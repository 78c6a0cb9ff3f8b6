#include "Src/FFmpegTasks/TFFmpegList.h"

#include "OptionTestDispatcher.h"
#include "Src/AVProbe/TAVProbe.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

constexpr unsigned kWatchdogMs = 20000;

// A task whose run loops until it is stopped.
class TLoopingTask : public TFFmpeg {
public:
    explicit TLoopingTask(int maxFiles = 2) : TFFmpeg(maxFiles) {}
    ~TLoopingTask() override { Stop(true); }

    TEvent Looping{ true, false };
    std::atomic<int> Terminates{ 0 };

protected:
    void Transcode() override {
        while (PassGate())
            Looping.SetEvent();
        RunReachedEnd();
    }
    void NewOutputStream(AVMediaType type) override {
        AddOutputStream(nb_output_files() - 1, type);
    }
    void AddVideoHook(const std::string&) override {}
};

std::unique_ptr<TLoopingTask> MakeTask() {
    auto task = std::make_unique<TLoopingTask>();
    task->Reset();
    TLoopingTask* self = task.get();
    task->OnTerminate = [self](TObject*) { ++self->Terminates; };
    return task;
}

class TFFmpegTaskTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
    }
};

TEST_F(TFFmpegTaskTest, ExtOptionsApplyInOrderWithCodecsOnlyOnTheInputSide) {
    struct Case {
        bool applyCodecs;
        const char* audioCodec;
    };
    const Case kCases[] = { { true, "mp2" }, { false, "" } };
    for (const auto& c : kCases) {
        auto task = MakeTask();
        task->ParseExtOptions(
            "  Deinterlace=1<CRLF>acodec=mp2\r\nar=22050\rvfilters=hflip\nnewaudio\n  ",
            c.applyCodecs);
        const TTranscoderOptions& opt = task->Options();
        EXPECT_TRUE(opt.Fdo_deinterlace) << c.applyCodecs;
        EXPECT_EQ(opt.Faudio_codec_name, c.audioCodec);
        EXPECT_EQ(opt.Faudio_sample_rate, 22050);
        // The output side applies these itself.
        EXPECT_TRUE(opt.Fvfilters.empty());
        EXPECT_EQ(task->nb_output_files(), 0);
    }
}

TEST_F(TFFmpegTaskTest, AFailingLineRaisesAndKeepsTheLinesBeforeIt) {
    auto task = MakeTask();
    EXPECT_FALSE(ErrorOf([&] { task->ParseExtOptions("ar=8000\ns=huge\nac=1", true); }).empty());
    EXPECT_EQ(task->Options().Faudio_sample_rate, 8000);
    EXPECT_EQ(task->Options().Faudio_channels, 2);
}

TEST_F(TFFmpegTaskTest, ProbesAndRecordCopiesBelongToTheirIndex) {
    auto task = MakeTask();
    TAVProbe& probe = task->InputAVProbe(1);
    EXPECT_EQ(&task->InputAVProbe(1), &probe);
    EXPECT_NE(&task->InputAVProbe(0), &probe);
    EXPECT_FALSE(ErrorOf([&] { task->InputAVProbe(2); }).empty());

    TOutputOptions output;
    output.AudioBitrate = 128000;
    task->SetOutputOptions(1, output);
    output.AudioBitrate = 64000; // the task keeps its own copy
    ASSERT_NE(task->OptionRecords().OutputOptions(1), nullptr);
    EXPECT_EQ(task->OptionRecords().OutputOptions(1)->AudioBitrate, 128000);
    task->ResetOutputOptions(1);
    EXPECT_EQ(task->OptionRecords().OutputOptions(1)->AudioBitrate, -1);
    EXPECT_EQ(task->OptionRecords().OutputOptions(0), nullptr);
}

TEST_F(TFFmpegTaskTest, ListKeepsOrderAndRefusesIndexesOutsideIt) {
    TFFmpegList list;
    auto first = MakeTask();
    auto second = MakeTask();
    TFFmpeg* a = first.get();
    TFFmpeg* b = second.get();
    EXPECT_EQ(list.Add(std::move(first)), 0);
    EXPECT_EQ(list.Add(std::move(second)), 1);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Items(0), b);
    EXPECT_EQ(list.IndexOf(a), 1);
    TLoopingTask outsider;
    EXPECT_EQ(list.IndexOf(&outsider), -1);
    for (int bad : { -1, 2 }) {
        EXPECT_EQ(ErrorOf([&] { list.Items(bad); }), Format("List index out of bounds (%d)", bad));
        EXPECT_FALSE(ErrorOf([&] { list.Delete(bad); }).empty());
        EXPECT_FALSE(ErrorOf([&] { list.Exchange(0, bad); }).empty());
    }
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), a);
}

TEST_F(TFFmpegTaskTest, StopAllEndsReadyAndRunningTasksOnceEach) {
    TFFmpegList list;
    auto ready = MakeTask();
    auto running = MakeTask();
    TLoopingTask* readyTask = ready.get();
    TLoopingTask* runningTask = running.get();
    ASSERT_EQ(runningTask->AddInputFile(
                  [] {
                      AVFormatContext* context = nullptr;
                      AVOpenInput(&context, FileNameToAV(fixtures::Standard().Wav), nullptr,
                                  nullptr);
                      return InputContextPtr(context);
                  }(),
                  0),
              0);
    auto output = std::make_shared<TOutputFile>();
    AVFormatContext* context = nullptr;
    av::avformat_alloc_output_context2(&context, nullptr, "null", nullptr);
    output->Context.reset(context);
    runningTask->AddOutputFile(output);
    list.Add(std::move(ready));
    list.Add(std::move(running));
    ASSERT_TRUE(runningTask->StartConvert(true));
    ASSERT_EQ(runningTask->Looping.WaitFor(kWatchdogMs), wrSignaled);
    list.PauseAll();
    EXPECT_TRUE(runningTask->Paused());
    list.ResumeAll();
    EXPECT_FALSE(runningTask->Paused());
    list.StopAll(true);
    list.StopAll(true);
    EXPECT_EQ(readyTask->Terminates, 1);
    EXPECT_EQ(runningTask->Terminates, 1);
    EXPECT_FALSE(runningTask->Finished());
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(TFFmpegTaskTest, PreviewSwitchesChangeOnlyTheirOwnHook) {
    TFFmpegList list;
    list.Add(MakeTask());
    list.Add(MakeTask());
    list.Items(1)->SetPostHooks({ phBitmap });
    list.SetPreview(true);
    EXPECT_EQ(list.Items(0)->PostHooks(), TPostHooks{ phPreview });
    EXPECT_EQ(list.Items(1)->PostHooks(), (TPostHooks{ phPreview, phBitmap }));
    list.SetPreviewBitmap(false);
    list.SetPreview(false);
    EXPECT_TRUE(list.Items(1)->PostHooks().Empty());
}

} // namespace
