#include "platform/rtl/Clock.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"
#include "platform/rtl/TThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr unsigned kWatchdogMs = 10000;

// A thread whose work is a function of the thread itself.
class FnThread : public TThread {
public:
    using Body = std::function<void(FnThread&)>;
    explicit FnThread(Body body, TEvent* destroyed = nullptr)
        : FBody(std::move(body)), FDestroyed(destroyed) {}
    ~FnThread() override {
        Terminate();
        if (Started() && !FreeOnTerminate()) WaitFor();
        if (FDestroyed) FDestroyed->SetEvent();
    }

    using TThread::SetReturnValue;

protected:
    void Execute() override { FBody(*this); }

private:
    Body FBody;
    TEvent* FDestroyed;
};

// Acts as the GUI thread until the event is signalled; false when the watchdog fired first.
bool DrainUntil(TEvent& event) {
    const auto deadline = win::GetTickCount64() + kWatchdogMs;
    while (event.WaitFor(0) != wrSignaled) {
        if (win::GetTickCount64() > deadline) return false;
        CheckSynchronize(50);
    }
    return true;
}

} // namespace

TEST(MainThread, TheTestRunsOnTheMainThread) {
    EXPECT_EQ(MainThreadID(), win::GetCurrentThreadId());
    EXPECT_TRUE(IsMainThread());
    std::atomic<bool> workerIsMain{ true };
    std::atomic<std::uint32_t> workerId{ 0 };
    FnThread thread([&](FnThread&) {
        workerIsMain = IsMainThread();
        workerId = win::GetCurrentThreadId();
    });
    thread.Start();
    EXPECT_NE(thread.ThreadID(), 0u);
    thread.WaitFor();
    EXPECT_FALSE(workerIsMain);
    EXPECT_EQ(workerId, thread.ThreadID());
    EXPECT_NE(thread.ThreadID(), MainThreadID());
}

TEST(MainThread, SynchronizeRunsTheCallOnTheMainThreadAndWaitsForIt) {
    TEvent finished;
    std::vector<std::string> order; // touched by both threads, ordered by Synchronize
    std::uint32_t ranOn = 0;
    FnThread thread([&](FnThread&) {
        order.push_back("before");
        TThread::Synchronize([&] {
            ranOn = win::GetCurrentThreadId();
            order.push_back("synchronized");
        });
        order.push_back("after");
        finished.SetEvent();
    });
    thread.Start();
    ASSERT_TRUE(DrainUntil(finished));
    thread.WaitFor();
    EXPECT_EQ(ranOn, MainThreadID());
    EXPECT_EQ(order, (std::vector<std::string>{ "before", "synchronized", "after" }));
}

TEST(MainThread, SynchronizeRethrowsTheCallsExceptionInTheCaller) {
    std::string caught;
    FnThread thread([&](FnThread&) {
        try {
            TThread::Synchronize([] { throw Exception("refused on the GUI thread"); });
        } catch (const Exception& e) {
            caught = e.Message();
        }
    });
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(caught, "refused on the GUI thread");
    EXPECT_FALSE(thread.FatalException());

    bool direct = false;
    TThread::Synchronize([&] { direct = IsMainThread(); });
    EXPECT_TRUE(direct) << "on the main thread the call runs at once";
}

TEST(MainThread, QueueDoesNotWaitAndKeepsTheOrder) {
    std::vector<int> ran;
    TEvent queued;
    int wakes = 0; // the hook runs on the worker, read after WaitFor
    SetWakeMainThread([&] { ++wakes; });
    FnThread thread([&](FnThread&) {
        for (int i = 1; i <= 3; ++i)
            TThread::Queue([&ran, i] { ran.push_back(i); });
        queued.SetEvent();
    });
    thread.Start();
    ASSERT_EQ(queued.WaitFor(kWatchdogMs), wrSignaled) << "Queue must not block the worker";
    // Served here before WaitFor, which would serve the queue itself while the worker ends.
    EXPECT_TRUE(CheckSynchronize(0));
    EXPECT_EQ(ran, (std::vector<int>{ 1, 2, 3 }));
    EXPECT_FALSE(CheckSynchronize(0));
    thread.WaitFor();
    SetWakeMainThread(nullptr);
    EXPECT_GE(wakes, 3);
}

TEST(MainThread, AQueuedCallsExceptionLeavesTheRestQueued) {
    std::vector<int> ran;
    TEvent queued(true, false);
    FnThread thread([&](FnThread&) {
        TThread::Queue([&] { ran.push_back(1); });
        TThread::Queue([] { throw Exception("queued failure"); });
        TThread::Queue([&] { ran.push_back(3); });
        queued.SetEvent();
    });
    thread.Start();
    // WaitFor would serve the queue itself, so wait for the calls to be queued instead.
    ASSERT_EQ(queued.WaitFor(10000), wrSignaled);
    EXPECT_THROW(CheckSynchronize(0), Exception);
    EXPECT_EQ(ran, std::vector<int>{ 1 });
    EXPECT_TRUE(CheckSynchronize(0));
    EXPECT_EQ(ran, (std::vector<int>{ 1, 3 }));
    thread.WaitFor();
}

TEST(MainThread, OnlyTheMainThreadDrainsTheQueue) {
    std::atomic<bool> refused{ false };
    FnThread thread([&](FnThread&) {
        try {
            CheckSynchronize(0);
        } catch (const Exception&) {
            refused = true;
        }
    });
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(refused);
}

TEST(Thread, WaitForReturnsTheReturnValueAfterOnTerminateRanOnTheMainThread) {
    TEvent looping;
    std::uint32_t terminateRanOn = 0;
    TThread* sender = nullptr;
    FnThread thread([&](FnThread& self) {
        looping.SetEvent();
        while (!self.Terminated()) {
            TEvent idle;
            idle.WaitFor(1);
        }
        self.SetReturnValue(42);
    });
    thread.OnTerminate = [&](TThread* s) {
        sender = s;
        terminateRanOn = win::GetCurrentThreadId();
    };
    EXPECT_FALSE(thread.Started());
    thread.Start();
    ASSERT_EQ(looping.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_FALSE(thread.Finished());
    thread.Terminate();
    EXPECT_EQ(thread.WaitFor(), 42);
    EXPECT_TRUE(thread.Finished());
    EXPECT_EQ(sender, &thread);
    EXPECT_EQ(terminateRanOn, MainThreadID());
}

TEST(Thread, AnExceptionEscapingExecuteIsKept) {
    bool terminated = false;
    FnThread thread([](FnThread&) { throw std::runtime_error("decoder failed"); });
    thread.OnTerminate = [&](TThread*) { terminated = true; };
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(terminated);
    ASSERT_TRUE(thread.FatalException());
    try {
        std::rethrow_exception(thread.FatalException());
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "decoder failed");
    }
}

TEST(Thread, FreeOnTerminateDeletesItselfAfterOnTerminate) {
    TEvent destroyed;
    std::vector<std::string> order;
    FnThread* thread = new FnThread([&](FnThread&) { order.push_back("execute"); }, &destroyed);
    thread->SetFreeOnTerminate(true);
    thread->OnTerminate = [&](TThread*) { order.push_back("terminate"); };
    thread->Start();
    ASSERT_TRUE(DrainUntil(destroyed));
    EXPECT_EQ(order, (std::vector<std::string>{ "execute", "terminate" }));
}

TEST(Thread, StartNewRunsAtOnce) {
    TEvent destroyed;
    TEvent ran;
    auto* thread = TThread::StartNew<FnThread>(
        [&](FnThread& self) {
            self.SetFreeOnTerminate(true);
            ran.SetEvent();
        },
        &destroyed);
    (void)thread;
    EXPECT_EQ(ran.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_EQ(destroyed.WaitFor(kWatchdogMs), wrSignaled);
}

TEST(Thread, MisuseIsRefused) {
    FnThread never([](FnThread&) {});
    EXPECT_THROW(never.WaitFor(), EThread);

    FnThread twice([](FnThread&) {});
    twice.Start();
    EXPECT_THROW(twice.Start(), EThread);
    twice.WaitFor();

    std::string waitedOnItself;
    FnThread self([&](FnThread& me) {
        try {
            me.WaitFor();
        } catch (const EThread& e) {
            waitedOnItself = e.Message();
        }
    });
    self.Start();
    self.WaitFor();
    EXPECT_FALSE(waitedOnItself.empty());
}

TEST(Thread, DestroyingARunningThreadTerminatesAndWaits) {
    TEvent looping;
    std::atomic<bool> ended{ false };
    {
        FnThread thread([&](FnThread& self) {
            looping.SetEvent();
            while (!self.Terminated()) {
                TEvent idle;
                idle.WaitFor(1);
            }
            ended = true;
        });
        thread.Start();
        ASSERT_EQ(looping.WaitFor(kWatchdogMs), wrSignaled);
    }
    EXPECT_TRUE(ended);
}

// Leaves a failing call in the queue and then waits for the main thread, touching nothing of
// its own object after it signalled, so it may be destroyed while it runs.
class QueueFailureThread : public TThread {
public:
    explicit QueueFailureThread(TEvent& queued) : FQueued(&queued) {}

protected:
    void Execute() override {
        TEvent* queued = FQueued;
        Queue([] { throw Exception("late failure"); });
        queued->SetEvent();
        Synchronize([] {});
    }

private:
    TEvent* FQueued;
};

TEST(Thread, AQueuedFailureWhileDestroyingGoesToTheHandler) {
    TEvent queued;
    std::string shown;
    SetExceptionHandler([&](const std::exception& e) { shown = e.what(); });
    {
        QueueFailureThread thread(queued);
        thread.Start();
        ASSERT_EQ(queued.WaitFor(kWatchdogMs), wrSignaled);
        // The destructor serves the queue while it waits: the failure first, then the
        // synchronised call the worker waits for.
    }
    SetExceptionHandler(nullptr);
    EXPECT_EQ(shown, "late failure");
}

TEST(Thread, PriorityMapsToTheThreadsNiceValue) {
    TEvent release;
    TEvent checked;
    FnThread thread([&](FnThread&) { release.WaitFor(kWatchdogMs); });
    thread.SetPriority(tpLower);
    thread.Start();
    EXPECT_EQ(::getpriority(PRIO_PROCESS, id_t(thread.ThreadID())), 5);
    thread.SetPriority(tpIdle);
    EXPECT_EQ(thread.Priority(), tpIdle);
    EXPECT_EQ(::getpriority(PRIO_PROCESS, id_t(thread.ThreadID())), 19);
    // Without the privilege this is refused by the system, silently.
    EXPECT_NO_THROW(thread.SetPriority(tpTimeCritical));
    EXPECT_EQ(thread.Priority(), tpTimeCritical);
    release.SetEvent();
    thread.WaitFor();
}

TEST(SyncObjs, ManualResetEventReleasesEveryWaiterAndStaysSet) {
    TEvent go(true, false);
    TEvent allDone(true, false);
    std::atomic<int> released{ 0 };
    std::vector<std::unique_ptr<FnThread>> waiters;
    for (int i = 0; i < 3; ++i) {
        waiters.push_back(std::make_unique<FnThread>([&](FnThread&) {
            if (go.WaitFor(kWatchdogMs) == wrSignaled && ++released == 3) allDone.SetEvent();
        }));
        waiters.back()->Start();
    }
    go.SetEvent();
    ASSERT_EQ(allDone.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_EQ(go.WaitFor(0), wrSignaled);
    go.ResetEvent();
    EXPECT_EQ(go.WaitFor(0), wrTimeout);
}

TEST(SyncObjs, AutoResetEventReleasesOneWaiterAtATime) {
    TEvent token(false, true);
    EXPECT_EQ(token.WaitFor(0), wrSignaled);
    EXPECT_EQ(token.WaitFor(0), wrTimeout) << "the wait consumed the signal";

    TEvent got(false, false);
    std::atomic<int> passes{ 0 };
    FnThread a([&](FnThread&) {
        if (token.WaitFor(kWatchdogMs) == wrSignaled) ++passes;
        got.SetEvent();
    });
    FnThread b([&](FnThread&) {
        if (token.WaitFor(kWatchdogMs) == wrSignaled) ++passes;
        got.SetEvent();
    });
    a.Start();
    b.Start();
    token.SetEvent();
    ASSERT_EQ(got.WaitFor(kWatchdogMs), wrSignaled);
    EXPECT_EQ(passes, 1);
    token.SetEvent();
    a.WaitFor();
    b.WaitFor();
    EXPECT_EQ(passes, 2);
}

TEST(SyncObjs, TimedWaitRunsOutAfterItsTime) {
    TEvent never;
    const std::int64_t start = win::MonotonicMicroseconds();
    EXPECT_EQ(never.WaitFor(30), wrTimeout);
    EXPECT_GE(win::MonotonicMicroseconds() - start, 30000);
}

TEST(SyncObjs, CriticalSectionIsRecursiveAndExcludesOtherThreads) {
    TCriticalSection section;
    section.Enter();
    {
        TCriticalSectionGuard again(section);
        std::atomic<bool> otherGotIt{ true };
        FnThread other([&](FnThread&) {
            otherGotIt = section.TryEnter();
            if (otherGotIt) section.Leave();
        });
        other.Start();
        other.WaitFor();
        EXPECT_FALSE(otherGotIt);
    }
    section.Leave();
    std::atomic<bool> otherGotIt{ false };
    FnThread other([&](FnThread&) {
        otherGotIt = section.TryEnter();
        if (otherGotIt) section.Leave();
    });
    other.Start();
    other.WaitFor();
    EXPECT_TRUE(otherGotIt);
}

TEST(Clock, ClocksMoveForwardTogether) {
    const std::uint64_t ticks64 = win::GetTickCount64();
    const win::DWORD ticks = win::GetTickCount();
    const std::int64_t micros = win::MonotonicMicroseconds();
    win::Sleep(20);
    EXPECT_GE(win::MonotonicMicroseconds() - micros, 20000);
    EXPECT_GE(win::GetTickCount64() - ticks64, 20u);
    EXPECT_GE(win::DWORD(win::GetTickCount() - ticks), 20u);
    EXPECT_LE(win::DWORD(win::GetTickCount() - win::DWORD(win::GetTickCount64())), 1u);
}
