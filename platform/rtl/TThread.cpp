#include "platform/rtl/TThread.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"

#include <sys/resource.h>

namespace {

int NiceValue(TThreadPriority priority) {
    switch (priority) {
    case tpIdle:
        return 19;
    case tpLowest:
        return 10;
    case tpLower:
        return 5;
    case tpNormal:
        return 0;
    case tpHigher:
        return -5;
    case tpHighest:
        return -10;
    case tpTimeCritical:
        return -20;
    }
    return 0;
}

} // namespace

TThread::TThread() = default;

TThread::~TThread() {
    if (FThread.joinable() && FThread.get_id() == std::this_thread::get_id()) {
        // Deleted on its own thread (FreeOnTerminate, or OnTerminate freeing it): nobody is left
        // to join it.
        FThread.detach();
        return;
    }
    if (FStarted && !FFinished) {
        Terminate();
        // A queued call may fail while the main thread serves the queue here; a destructor
        // cannot pass that on, so it goes to the event loop's handler and the wait goes on.
        for (;;) {
            try {
                WaitUntilDone();
                break;
            } catch (...) {
                HandleException();
            }
        }
    }
    if (FThread.joinable()) FThread.join();
}

void TThread::Start() {
    std::future<void> running;
    {
        // The worker first takes this lock, so it cannot run (and free itself) before FThread
        // holds it.
        std::lock_guard lock(FStartLock);
        if (FStarted) throw EThread("Cannot call Start on a running or terminated thread");
        FStarted = true;
        std::promise<void> ready;
        running = ready.get_future();
        FThread =
            std::thread([this, ready = std::move(ready)]() mutable { Run(std::move(ready)); });
    }
    running.wait();
}

int TThread::WaitFor() {
    if (FFreeOnTerminate) throw EThread("Cannot call WaitFor on a FreeOnTerminate thread");
    if (!FStarted) throw EThread("Cannot call WaitFor on a thread that was never started");
    if (win::GetCurrentThreadId() == FThreadID)
        throw EThread("Cannot call WaitFor on the thread itself");
    WaitUntilDone();
    return FReturnValue;
}

void TThread::WaitUntilDone() {
    if (!IsMainThread()) {
        FDone.WaitFor();
        return;
    }
    // The worker may be waiting for the main thread (OnTerminate, Synchronize): keep serving it.
    // The worker wakes the queue when it ends, so the timeout is only a safety net.
    while (FDone.WaitFor(0) != wrSignaled)
        CheckSynchronize(20);
}

void TThread::SetPriority(TThreadPriority value) {
    std::lock_guard lock(FStartLock);
    FPriority = value;
    if (FThreadID != 0) ApplyPriority();
}

void TThread::ApplyPriority() {
    // Linux keeps a nice value per thread; raising it back needs a privilege the program
    // usually lacks, and a priority is a wish, not a condition for running.
    [[maybe_unused]] const int ignored =
        ::setpriority(PRIO_PROCESS, id_t(FThreadID.load()), NiceValue(FPriority));
}

void TThread::Run(std::promise<void> running) {
    {
        std::lock_guard lock(FStartLock);
        FThreadID = win::GetCurrentThreadId();
        if (FPriority != tpNormal) ApplyPriority();
    }
    running.set_value();

    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
    }
    try {
        DoTerminate();
    } catch (...) {
        if (!FFatalException) FFatalException = std::current_exception();
    }

    if (FFreeOnTerminate) {
        FFinished = true;
        delete this;
        return;
    }
    FFinished = true;
    FDone.SetEvent();
    // Nothing of this object may be touched from here on: a waiter may already be freeing it.
    WakeSynchronizeWaiters();
}

void TThread::DoTerminate() {
    if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

void TThread::Synchronize(std::function<void()> fn) {
    SynchronizeWithMainThread(std::move(fn));
}

void TThread::Queue(std::function<void()> fn) {
    QueueToMainThread(std::move(fn));
}
