#include "Src/FFmpeg/ConvertLifecycle.h"

#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/MainThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {

constexpr unsigned kWatchdogMs = 20000;

class ConvertLifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        FRun = std::make_unique<TConvertLifecycle>();
        FRun->OnTerminate = [this] {
            ++FTerminates;
            FTerminateThread = win::GetCurrentThreadId();
            FTerminated.SetEvent();
        };
    }

    // A run whose packet loop turns until it is stopped, reporting its first turn.
    void LoopUntilStopped() {
        // The object itself, not FRun: resetting FRun empties it before the object goes.
        TConvertLifecycle* run = FRun.get();
        FRun->Steps = { [this, run] {
                           bool first = true;
                           while (run->PassGate()) {
                               if (first) FLooping.SetEvent();
                               first = false;
                           }
                           run->RunReachedEnd();
                       },
                        [this] { FCleanedUp = true; } };
    }

    void WaitTerminated() { ASSERT_EQ(FTerminated.WaitFor(kWatchdogMs), wrSignaled); }

    std::unique_ptr<TConvertLifecycle> FRun;
    std::atomic<int> FTerminates{ 0 };
    std::atomic<std::uint32_t> FTerminateThread{ 0 };
    std::atomic<bool> FCleanedUp{ false };
    TEvent FTerminated{ true, false };
    TEvent FLooping{ true, false };
};

TEST_F(ConvertLifecycleTest, InlineRunIsOverWithItsTerminateWhenStartReturns) {
    std::vector<int> order;
    FRun->Steps = { [&] {
                       order.push_back(1);
                       FRun->RunReachedEnd();
                   },
                    [&] { order.push_back(2); }, [&] { order.push_back(3); } };
    EXPECT_TRUE(FRun->Start(false));
    EXPECT_EQ(order, (std::vector<int>{ 1, 2, 3 }));
    EXPECT_EQ(FTerminates, 1);
    EXPECT_EQ(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_TRUE(FRun->Finished());
    EXPECT_TRUE(FRun->Terminated());
    EXPECT_FALSE(FRun->Converting());
    EXPECT_FALSE(FRun->FatalException());
    // A terminated object does not start again.
    EXPECT_FALSE(FRun->Start(false));
    EXPECT_FALSE(FRun->Start(true));
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, ThreadedRunStopsWithoutWaitingAtItsNextTurn) {
    LoopUntilStopped();
    ASSERT_TRUE(FRun->Start(true, tpLower));
    EXPECT_FALSE(FRun->Start(true)); // already converting
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FRun->Stop(false);
    WaitTerminated();
    EXPECT_NE(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_FALSE(FRun->Finished());
    EXPECT_TRUE(FCleanedUp);
    FRun.reset();
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, PauseHoldsTheLoopUntilResumed) {
    TEvent paused{ true, false };
    TEvent passed{ true, false };
    FRun->Steps = { [&] {
        // Pausing from the run itself makes the next gate the one that holds.
        FRun->Pause();
        paused.SetEvent();
        if (FRun->PassGate()) passed.SetEvent();
        FRun->RunReachedEnd();
    } };
    ASSERT_TRUE(FRun->Start(true));
    ASSERT_EQ(paused.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_TRUE(FRun->Paused());
    EXPECT_EQ(passed.WaitFor(0), wrTimeout);
    FRun->Resume();
    ASSERT_EQ(passed.WaitFor(kWatchdogMs), wrSignaled);
    WaitTerminated();
    EXPECT_TRUE(FRun->Finished());
}

TEST_F(ConvertLifecycleTest, WaitingStopResumesAPausedRunAndReturnsAfterItsEnd) {
    LoopUntilStopped();
    ASSERT_TRUE(FRun->Start(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FRun->Pause();
    FRun->Stop(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_TRUE(FCleanedUp);
    EXPECT_FALSE(FRun->Finished());
    EXPECT_FALSE(FRun->Paused());
}

TEST_F(ConvertLifecycleTest, WaitingStopRightAfterStartWaitsForTheWholeBody) {
    FRun->Steps = { [this] { FRun->RunReachedEnd(); }, [this] { FCleanedUp = true; } };
    ASSERT_TRUE(FRun->Start(true));
    FRun->Stop(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_TRUE(FCleanedUp);
}

TEST_F(ConvertLifecycleTest, PauseAndResumeWithoutAWorkerDoNothing) {
    FRun->Pause();
    EXPECT_FALSE(FRun->Paused());
    FRun->Resume();
    FRun->Stop(true); // no worker: returns at once, and the stop is kept until a start
    EXPECT_TRUE(FRun->Broken());
    FRun->Steps = { [this] { EXPECT_TRUE(FRun->PassGate()); } };
    EXPECT_TRUE(FRun->Start(false));
    EXPECT_FALSE(FRun->Broken());
}

TEST_F(ConvertLifecycleTest, FailingStepsAreRecordedAndTheRestStillRuns) {
    FRun->Steps = { [] { throw FFmpegException("first failure"); },
                    [] { throw std::runtime_error("second failure"); },
                    [this] { FCleanedUp = true; } };
    ASSERT_TRUE(FRun->Start(true));
    WaitTerminated();
    FRun->Stop(true);
    EXPECT_TRUE(FCleanedUp);
    EXPECT_TRUE(FRun->FatalException());
    EXPECT_EQ(FRun->FatalMessage(), "second failure");
    EXPECT_FALSE(FRun->Finished());
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, RefusedStartTerminatesOnTheCallingThread) {
    bool ran = false;
    FRun->Steps = { [&] { ran = true; } };
    EXPECT_FALSE(FRun->Start(true, tpNormal, [] {
        throw FFmpegException("At least one output file must be specified");
    }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_EQ(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_TRUE(FRun->FatalException());
    EXPECT_EQ(FRun->FatalMessage(), "At least one output file must be specified");
    EXPECT_FALSE(FRun->Finished());
    FRun->StopOrTerminate(true);
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, StopOrTerminateEndsAReadyObjectOnceFromAnotherThread) {
    FRun->StopOrTerminate(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_NE(FTerminateThread, win::GetCurrentThreadId());
    EXPECT_FALSE(FRun->Finished());
    EXPECT_FALSE(FRun->FatalException());
    FRun->StopOrTerminate(false);
    FRun->StopOrTerminate(true);
    EXPECT_FALSE(FRun->Start(true));
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, StopOrTerminateWithoutWaitingStillTerminatesOnce) {
    FRun->StopOrTerminate(false);
    FRun->StopOrTerminate(false);
    WaitTerminated();
    FRun.reset(); // waits for the terminate thread
    EXPECT_EQ(FTerminates, 1);
}

TEST_F(ConvertLifecycleTest, StopOrTerminateStopsARunningObject) {
    LoopUntilStopped();
    ASSERT_TRUE(FRun->Start(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FRun->StopOrTerminate(true);
    EXPECT_EQ(FTerminates, 1);
    EXPECT_TRUE(FCleanedUp);
}

TEST_F(ConvertLifecycleTest, DestroyingRightAfterTerminateIsSafe) {
    for (int i = 0; i < 20; ++i) {
        auto run = std::make_unique<TConvertLifecycle>();
        TEvent done{ true, false };
        run->Steps = { [] {} };
        run->OnTerminate = [&done] { done.SetEvent(); };
        ASSERT_TRUE(run->Start(true));
        ASSERT_EQ(done.WaitFor(kWatchdogMs), wrSignaled);
        run.reset();
    }
}

TEST_F(ConvertLifecycleTest, AnObjectMayBeFreedByItsOwnTerminate) {
    TEvent done{ true, false };
    auto* run = new TConvertLifecycle(); // freed by its own handler
    run->Steps = { [] {} };
    run->OnTerminate = [run, &done] {
        delete run;
        done.SetEvent();
    };
    ASSERT_TRUE(run->Start(true));
    ASSERT_EQ(done.WaitFor(kWatchdogMs), wrSignaled);

    TEvent done2{ true, false };
    auto* ready = new TConvertLifecycle();
    ready->OnTerminate = [ready, &done2] {
        delete ready;
        done2.SetEvent();
    };
    ready->StopOrTerminate(false);
    ASSERT_EQ(done2.WaitFor(kWatchdogMs), wrSignaled);

    // Waiting callers too: the wait ends on the object's end without touching it again.
    auto* waited = new TConvertLifecycle();
    waited->OnTerminate = [waited] { delete waited; };
    waited->StopOrTerminate(true);

    TEvent looping{ true, false };
    auto* stopped = new TConvertLifecycle();
    stopped->Steps = { [stopped, &looping] {
        while (stopped->PassGate())
            looping.SetEvent();
    } };
    stopped->OnTerminate = [stopped] { delete stopped; };
    ASSERT_TRUE(stopped->Start(true));
    ASSERT_EQ(looping.WaitFor(kWatchdogMs), wrSignaled);
    stopped->Stop(true);
}

TEST_F(ConvertLifecycleTest, DestroyingARunningObjectStopsAndWaits) {
    LoopUntilStopped();
    ASSERT_TRUE(FRun->Start(true));
    ASSERT_EQ(FLooping.WaitFor(kWatchdogMs), wrSignaled);
    FRun->Pause();
    FRun.reset();
    EXPECT_EQ(FTerminates, 1);
    EXPECT_TRUE(FCleanedUp);
}

} // namespace
