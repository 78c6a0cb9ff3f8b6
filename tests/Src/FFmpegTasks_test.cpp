#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr auto kWatchdog = std::chrono::seconds(30);

// What the fake tasks of one component did, and the events the component raised.
struct TRunLog {
    std::mutex Lock;
    std::condition_variable Changed;
    std::vector<int> Started;
    std::set<int> Released;
    // The turns each task's run took past its gate.
    std::map<int, int> Turns;
    int Running{ 0 };
    int MostRunning{ 0 };
    std::vector<std::int64_t> ReportIntervals;
    std::vector<TTerminateInfo> Terminates;
    std::vector<std::uint32_t> TerminateThreads;
    std::vector<TProgressInfo> Progress;
    std::vector<std::uint32_t> ProgressThreads;
    std::vector<TPostHooks> PostHooks;
    // The answers of the custom hook: update and stop flags per task.
    std::vector<std::pair<bool, bool>> HookAnswers;

    void Release(int task) {
        std::lock_guard lock(Lock);
        Released.insert(task);
        Changed.notify_all();
    }
    void ReleaseAll() {
        for (int task = 0; task < 64; ++task)
            Release(task);
    }
    // With Lock held.
    bool AllDone() const { return !Terminates.empty() && Terminates.back().TaskIndex == -1; }
    // Waits for the condition, running what the tasks hand to this (the GUI) thread meanwhile.
    bool WaitUntil(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
        for (;;) {
            {
                std::lock_guard lock(Lock);
                if (condition()) return true;
            }
            if (std::chrono::steady_clock::now() > deadline) return false;
            CheckSynchronize(1);
        }
    }
};

// A transcoder whose run reports once and then waits until the test releases it or the run is
// stopped. Its number is the name of its input file.
class TFakeTask : public TFFmpeg {
public:
    TFakeTask(int maxFiles, TRunLog& log) : TFFmpeg(maxFiles), FLog(log) {}
    ~TFakeTask() override { Stop(true); }

    int Number{ -1 };

    void Refuse(const std::string& message) { FLastErrMsg = message; }

protected:
    void Transcode() override {
        {
            std::lock_guard lock(FLog.Lock);
            FLog.Started.push_back(Number);
            FLog.ReportIntervals.push_back(ReportInterval);
            FLog.PostHooks.push_back(PostHooks());
            FLog.MostRunning = std::max(FLog.MostRunning, ++FLog.Running);
            FLog.Changed.notify_all();
        }
        if (OnProgress) OnProgress(this, 0, Number, 25, 2.0f, 128.0f, 1000, 40000, 80000);
        TBitmap picture(16, 16);
        if (OnPreviewBitmap) OnPreviewBitmap(this, &picture, Number, 40000);
        if (OnCustomHook) {
            bool update = false;
            bool stopHook = false;
            OnCustomHook(this, &picture, Number, 40000, update, stopHook);
            std::lock_guard lock(FLog.Lock);
            FLog.HookAnswers.emplace_back(update, stopHook);
        }
        // Every turn passes the gate first, so a paused run holds even once released.
        while (PassGate()) {
            std::unique_lock lock(FLog.Lock);
            ++FLog.Turns[Number];
            if (FLog.Changed.wait_for(lock, std::chrono::milliseconds(1),
                                      [this] { return FLog.Released.count(Number) > 0; }))
                break;
        }
        {
            std::lock_guard lock(FLog.Lock);
            --FLog.Running;
        }
        RunReachedEnd();
    }

private:
    TRunLog& FLog;
};

// The component with fake transcoders: an input named "missing" fails to open, an output
// named "none" is not added, so that task's start is refused.
class TTestTasks : public TCustomFFmpegTasks {
public:
    explicit TTestTasks(TRunLog& log) : TCustomFFmpegTasks(nullptr), FLog(log) {
        OnTerminate = [this](TObject*, const TTerminateInfo& info) {
            std::lock_guard lock(FLog.Lock);
            FLog.Terminates.push_back(info);
            FLog.TerminateThreads.push_back(win::GetCurrentThreadId());
            FLog.Changed.notify_all();
        };
        OnProgress = [this](TObject*, PProgressInfo info) {
            std::lock_guard lock(FLog.Lock);
            FLog.Progress.push_back(*info);
            FLog.ProgressThreads.push_back(win::GetCurrentThreadId());
        };
    }
    ~TTestTasks() override { Stop(true); }

    // Adds tasks numbered from 0, each with its output unless it is listed in noOutput.
    void AddTasks(int count, std::set<int> noOutput = {}) {
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(AddTask(IntToText(i), nullptr), i) << LastErrMsg();
            ASSERT_TRUE(SetOutputFile(i, noOutput.count(i) ? "none" : "out", nullptr));
        }
    }

protected:
    std::unique_ptr<TFFmpeg> NewTask(int maxFiles) override {
        return std::make_unique<TFakeTask>(maxFiles, FLog);
    }
    bool OpenTaskInput(TFFmpeg& task, const std::string& fileName) override {
        auto& fake = static_cast<TFakeTask&>(task);
        if (fileName == "missing") {
            fake.Refuse("missing: No such file or directory");
            return false;
        }
        fake.Number = std::stoi(fileName);
        return task.AddInputFile(InputContextPtr(av::avformat_alloc_context()), 0) >= 0;
    }
    bool OpenTaskOutput(TFFmpeg& task, const std::string& fileName, TOutputOptions* options,
                        const TCustomHookEvent& customHook, std::string&) override {
        if (options && options->CustomHook) task.OnCustomHook = customHook;
        if (fileName == "none") return true;
        auto output = std::make_shared<TOutputFile>();
        AVFormatContext* context = nullptr;
        av::avformat_alloc_output_context2(&context, nullptr, "null", nullptr);
        output->Context.reset(context);
        return task.AddOutputFile(output) >= 0;
    }

private:
    static std::string IntToText(int value) { return std::to_string(value); }

    TRunLog& FLog;
};

class FFmpegTasksTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
    }

    TRunLog Log;
};

TEST_F(FFmpegTasksTest, TwoThreadsRunFiveTasksInListOrderAndEndWithOneAllDone) {
    TTestTasks tasks(Log);
    tasks.AddTasks(5);
    tasks.Start(2);
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Started.size() == 2; }));
    // The first two start together on their own threads: either may get going first.
    EXPECT_EQ(std::set<int>(Log.Started.begin(), Log.Started.end()), (std::set<int>{ 0, 1 }));
    // Each task that ends, in whatever order, makes room for the next one of the list.
    for (int ending : { 1, 0, 2 }) {
        const std::size_t started = Log.Started.size();
        Log.Release(ending);
        ASSERT_TRUE(Log.WaitUntil([&] { return Log.Started.size() == started + 1; }));
    }
    EXPECT_EQ(std::vector<int>(Log.Started.begin() + 2, Log.Started.end()),
              (std::vector<int>{ 2, 3, 4 }));
    Log.ReleaseAll();
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Terminates.size() == 6; }));

    EXPECT_EQ(Log.MostRunning, 2);
    std::multiset<int> ended;
    for (std::size_t i = 0; i + 1 < Log.Terminates.size(); ++i) {
        ended.insert(Log.Terminates[i].TaskIndex);
        EXPECT_TRUE(Log.Terminates[i].Finished);
        EXPECT_FALSE(Log.Terminates[i].Exception);
    }
    EXPECT_EQ(ended, (std::multiset<int>{ 0, 1, 2, 3, 4 }));
    EXPECT_EQ(Log.Terminates.back().TaskIndex, -1);
    EXPECT_TRUE(Log.Terminates.back().Finished);
    for (std::uint32_t thread : Log.TerminateThreads)
        EXPECT_NE(thread, MainThreadID());
    EXPECT_TRUE(tasks.Terminated());
    EXPECT_TRUE(tasks.Working());
}

TEST_F(FFmpegTasksTest, InlineStartRunsTasksInTurnOnTheCallerAndReturnsAfterAllDone) {
    TTestTasks tasks(Log);
    tasks.AddTasks(3);
    Log.ReleaseAll();
    tasks.Start(0);

    EXPECT_EQ(Log.Started, (std::vector<int>{ 0, 1, 2 }));
    EXPECT_EQ(Log.MostRunning, 1);
    ASSERT_EQ(Log.Terminates.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Log.Terminates[std::size_t(i)].TaskIndex, i);
    EXPECT_EQ(Log.Terminates.back().TaskIndex, -1);
    for (std::uint32_t thread : Log.TerminateThreads)
        EXPECT_EQ(thread, MainThreadID());
    EXPECT_TRUE(tasks.Terminated());
}

TEST_F(FFmpegTasksTest, ATaskThatCannotStartEndsWithItsReasonAndTheRunGoesOn) {
    for (int threads : { 0, 1 }) {
        TRunLog log;
        TTestTasks tasks(log);
        tasks.AddTasks(3, { 1 });
        log.ReleaseAll();
        tasks.Start(threads);
        ASSERT_TRUE(log.WaitUntil([&] { return log.Terminates.size() == 4; })) << threads;
        EXPECT_EQ(log.Started, (std::vector<int>{ 0, 2 })) << threads;
        const auto refused =
            std::find_if(log.Terminates.begin(), log.Terminates.end(),
                         [](const TTerminateInfo& info) { return info.TaskIndex == 1; });
        ASSERT_NE(refused, log.Terminates.end());
        EXPECT_FALSE(refused->Finished);
        EXPECT_TRUE(refused->Exception);
        EXPECT_EQ(refused->ExceptionMsg, "At least one output file must be specified");
        EXPECT_EQ(log.Terminates.back().TaskIndex, -1) << threads;
    }
}

TEST_F(FFmpegTasksTest, StopWithWaitingEndsRunningAndWaitingTasksThenAllDone) {
    TTestTasks tasks(Log);
    tasks.AddTasks(3);
    tasks.Start(1);
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Started.size() == 1; }));
    tasks.Stop(true);
    // Waiting covers the terminate events too.
    ASSERT_EQ(Log.Terminates.size(), 4u);
    EXPECT_EQ(Log.Running, 0);

    EXPECT_EQ(Log.Started, (std::vector<int>{ 0 }));
    std::multiset<int> ended;
    for (std::size_t i = 0; i + 1 < Log.Terminates.size(); ++i) {
        ended.insert(Log.Terminates[i].TaskIndex);
        EXPECT_FALSE(Log.Terminates[i].Finished);
        EXPECT_FALSE(Log.Terminates[i].Exception);
    }
    EXPECT_EQ(ended, (std::multiset<int>{ 0, 1, 2 }));
    EXPECT_EQ(Log.Terminates.back().TaskIndex, -1);
    EXPECT_TRUE(Log.Terminates.back().Finished);
    EXPECT_TRUE(tasks.Terminated());
}

TEST_F(FFmpegTasksTest, AHandlerMayStopTheRunFromTheFirstTerminate) {
    for (int threads : { 0, 1 }) {
        TRunLog log;
        TTestTasks tasks(log);
        const auto record = tasks.OnTerminate;
        tasks.OnTerminate = [&](TObject* sender, const TTerminateInfo& info) {
            record(sender, info);
            if (info.TaskIndex == 0) tasks.Stop(true);
        };
        tasks.AddTasks(3);
        log.ReleaseAll();
        tasks.Start(threads);
        ASSERT_TRUE(log.WaitUntil([&] { return log.AllDone(); })) << threads;
        EXPECT_EQ(log.Terminates.size(), 4u) << threads;
        if (threads > 0) continue;
        // Inline, the handler runs before the next task is taken.
        EXPECT_EQ(log.Started, (std::vector<int>{ 0 }));
        for (std::size_t i = 1; i < 3; ++i)
            EXPECT_FALSE(log.Terminates[i].Finished);
    }
}

TEST_F(FFmpegTasksTest, StopBeforeStartLeavesTheTasksReady) {
    TTestTasks tasks(Log);
    tasks.AddTasks(2);
    tasks.Stop(true);
    EXPECT_TRUE(Log.Terminates.empty());
    Log.ReleaseAll();
    tasks.Start(0);
    EXPECT_EQ(Log.Started, (std::vector<int>{ 0, 1 }));
    ASSERT_EQ(Log.Terminates.size(), 3u);
    EXPECT_TRUE(Log.Terminates[0].Finished);
}

TEST_F(FFmpegTasksTest, PausedTasksHoldUntilResumed) {
    TTestTasks tasks(Log);
    tasks.AddTasks(1);
    tasks.Start(1);
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Turns[0] > 0; }));
    tasks.Pause();
    const auto turns = [&] {
        std::lock_guard lock(Log.Lock);
        return Log.Turns[0];
    };
    // A running task takes a turn every millisecond; paused, it ends at most the turn it was
    // in, however long this thread serves it.
    const int paused = turns();
    for (int round = 0; round < 20; ++round)
        CheckSynchronize(5);
    const int held = turns();
    EXPECT_LE(held, paused + 1);
    tasks.Resume();
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Turns[0] > held + 1; })) << "goes on once resumed";
    Log.ReleaseAll();
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Terminates.size() == 2; }));
    EXPECT_TRUE(Log.Terminates.front().Finished);
}

TEST_F(FFmpegTasksTest, ChangesRefuseFromStartUntilClearTasks) {
    TTestTasks tasks(Log);
    tasks.AddTasks(2);
    tasks.Start(1);
    EXPECT_EQ(ErrorOf([&] { tasks.ClearTasks(); }), "Cannot ClearTasks while working.");
    Log.ReleaseAll();
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.Terminates.size() == 3; }));

    TInputOptions input;
    TOutputOptions output;
    struct Case {
        const char* operation;
        std::function<void()> action;
    };
    const Case kCases[] = {
        { "AddTask", [&] { tasks.AddTask("2", &input); } },
        { "AddTask", [&] { tasks.AddTask(nullptr, "data", &input); } },
        { "AddInputFile", [&] { tasks.AddInputFile(0, "2", &input); } },
        { "SetOutputFile", [&] { tasks.SetOutputFile(0, "out", &output); } },
        { "SetOutputFile", [&] { tasks.SetOutputStream(0, nullptr, "data", &output); } },
        { "Exchange", [&] { tasks.Exchange(0, 1); } },
        { "RemoveTask", [&] { tasks.RemoveTask(0); } },
        { "StartTask", [&] { tasks.Start(1); } },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ErrorOf(c.action), Format("Cannot %s while working.", c.operation));
    EXPECT_EQ(tasks.TasksCount(), 2);

    tasks.ClearTasks();
    EXPECT_FALSE(tasks.Working());
    EXPECT_FALSE(tasks.Terminated());
    EXPECT_EQ(tasks.TasksCount(), 0);
    EXPECT_EQ(tasks.AddTask("0", nullptr), 0);
}

TEST_F(FFmpegTasksTest, StartWithoutTasksEndsAtOnce) {
    for (int threads : { 0, 2 }) {
        TRunLog log;
        TTestTasks tasks(log);
        tasks.Start(threads);
        ASSERT_TRUE(log.WaitUntil([&] { return log.Terminates.size() == 1; })) << threads;
        EXPECT_EQ(log.Terminates[0].TaskIndex, -1);
        EXPECT_TRUE(tasks.Terminated());
        tasks.ClearTasks();
        EXPECT_FALSE(tasks.Working());
    }
}

TEST_F(FFmpegTasksTest, ProgressIntervalIsAtLeast100msAndBecomesTheTasksReportInterval) {
    struct Case {
        int set;
        int stored;
    };
    const Case kCases[] = { { 50, 100 }, { 100, 100 }, { 101, 101 }, { 500, 500 } };
    for (const auto& c : kCases) {
        TRunLog log;
        TTestTasks tasks(log);
        tasks.AddTasks(1);
        tasks.SetProgressInterval(c.set);
        EXPECT_EQ(tasks.ProgressInterval(), c.stored) << c.set;
        log.ReleaseAll();
        tasks.Start(0);
        ASSERT_EQ(log.ReportIntervals.size(), 1u);
        EXPECT_EQ(log.ReportIntervals[0], std::int64_t(c.stored) * 1000) << c.set;
    }
}

TEST_F(FFmpegTasksTest, ProgressReachesTheGuiThreadUnlessToldOtherwise) {
    for (bool mainThread : { true, false }) {
        TRunLog log;
        TTestTasks tasks(log);
        tasks.SetTriggerEventInMainThread(mainThread);
        tasks.AddTasks(2);
        log.ReleaseAll();
        tasks.Start(2);
        ASSERT_TRUE(log.WaitUntil([&] { return log.Terminates.size() == 3; })) << mainThread;
        ASSERT_EQ(log.Progress.size(), 2u);
        std::set<int> indexes;
        for (std::size_t i = 0; i < log.Progress.size(); ++i) {
            indexes.insert(log.Progress[i].TaskIndex);
            EXPECT_EQ(log.Progress[i].FrameNumber, log.Progress[i].TaskIndex);
            EXPECT_EQ(log.Progress[i].TotalDuration, 80000);
            EXPECT_EQ(log.ProgressThreads[i] == MainThreadID(), mainThread);
        }
        EXPECT_EQ(indexes, (std::set<int>{ 0, 1 }));
    }
}

TEST_F(FFmpegTasksTest, PreviewAndHooksReachTheirHandlersWithTheTaskIndex) {
    TTestTasks tasks(Log);
    tasks.AddTasks(1);
    tasks.SetPreview(true);
    ASSERT_EQ(tasks.AddTask("1", nullptr), 1);
    TOutputOptions withHook;
    withHook.CustomHook = true;
    ASSERT_TRUE(tasks.SetOutputFile(1, "out", &withHook));
    tasks.SetPreviewBitmap(true);

    std::vector<TPreviewInfo> previews;
    std::vector<bool> previewOnGuiThread;
    tasks.OnPreviewBitmap = [&](TObject*, const TPreviewInfo& info) {
        previews.push_back(info);
        previewOnGuiThread.push_back(IsMainThread());
    };
    std::vector<int> hooked;
    tasks.OnCustomHook = [&](TObject*, PHookInfo info) {
        hooked.push_back(info->TaskIndex);
        // The handler draws while no other thread may.
        EXPECT_GT(info->Bitmap->Canvas().LockCount(), 0);
        EXPECT_FALSE(info->Update);
        info->Update = true;
        info->StopHook = true;
    };
    Log.ReleaseAll();
    tasks.Start(1);
    ASSERT_TRUE(Log.WaitUntil([&] { return Log.AllDone(); }));

    // Tasks added before and after the switch both show the preview and the bitmaps.
    const TPostHooks both{ phPreview, phBitmap };
    EXPECT_EQ(Log.PostHooks, (std::vector<TPostHooks>{ both, both }));
    ASSERT_EQ(previews.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(previews[std::size_t(i)].TaskIndex, i);
        EXPECT_EQ(previews[std::size_t(i)].FrameNumber, i);
        EXPECT_EQ(previews[std::size_t(i)].PTS, 40000);
        EXPECT_TRUE(previewOnGuiThread[std::size_t(i)]);
    }
    // Only the task whose output asked for it raises the hook, and gets the handler's answer.
    EXPECT_EQ(hooked, (std::vector<int>{ 1 }));
    EXPECT_EQ(Log.HookAnswers, (std::vector<std::pair<bool, bool>>{ { true, true } }));
}

TEST_F(FFmpegTasksTest, AFailedAddLeavesNoTaskAndKeepsTheReason) {
    TTestTasks tasks(Log);
    EXPECT_EQ(tasks.AddTask("missing", nullptr), -1);
    EXPECT_EQ(tasks.LastErrMsg(), "missing: No such file or directory");
    EXPECT_EQ(tasks.TasksCount(), 0);

    TInputOptions options;
    EXPECT_EQ(tasks.AddTask("0", &options), 0);
    EXPECT_EQ(options.FileName, "0");
    EXPECT_FALSE(tasks.AddInputFile(0, "missing", nullptr));
    EXPECT_EQ(tasks.TasksCount(), 1);
    tasks.SetCustomMaxFiles(1);
    EXPECT_EQ(tasks.AddTask("1", nullptr), 1);
    EXPECT_FALSE(tasks.AddInputFile(1, "2", nullptr));
    EXPECT_EQ(tasks.LastErrMsg(), "max input files 1 reached");
}

TEST_F(FFmpegTasksTest, TasksGoRightAfterTheRunEndsOrWhileItRuns) {
    {
        TTestTasks tasks(Log);
        tasks.AddTasks(2);
        Log.ReleaseAll();
        tasks.Start(2);
        // The last worker may still be inside its terminate: clearing must wait for it.
        ASSERT_TRUE(Log.WaitUntil([&] { return Log.AllDone(); }));
        tasks.ClearTasks();
    }
    TRunLog running;
    TTestTasks tasks(running);
    tasks.AddTasks(3);
    tasks.Start(2);
    ASSERT_TRUE(running.WaitUntil([&] { return running.Started.size() == 2; }));
    // Leaving scope destroys the component with the run under way.
}

} // namespace
