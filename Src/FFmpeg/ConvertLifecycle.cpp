#include "Src/FFmpeg/ConvertLifecycle.h"

#include "Src/FFmpegLogger.h"
#include "Src/MyUtils/MainThreadCalls.h"
#include "platform/rtl/MainThread.h"

namespace {

// A thread that runs one body and frees itself at its end.
class TBodyThread : public TThread {
public:
    explicit TBodyThread(std::function<void()> body) : FBody(std::move(body)) {}

protected:
    void Execute() override { FBody(); }

private:
    std::function<void()> FBody;
};

void StartBodyThread(TThreadPriority priority, std::function<void()> body) {
    auto thread = std::make_unique<TBodyThread>(std::move(body));
    thread->SetFreeOnTerminate(true);
    thread->SetPriority(priority);
    thread->Start();
    // From here on the thread owns itself.
    thread.release();
}

} // namespace

TConvertLifecycle::TConvertLifecycle(TObject* logSender) : FLogSender(logSender) {}

TConvertLifecycle::~TConvertLifecycle() {
    Stop(true);
    bool terminator = false;
    {
        std::lock_guard lock(FStateLock);
        terminator = FHasTerminator;
    }
    if (terminator && !OnOwnThread()) WaitServing(*FTermEvent);
}

bool TConvertLifecycle::Start(bool useThread, TThreadPriority priority,
                              const std::function<void()>& checks) {
    const auto refuses = [this] {
        return FConverting || FTerminated || FTerminateRaised || FHasTerminator;
    };
    {
        std::lock_guard lock(FStateLock);
        if (refuses()) return false;
    }
    // The checks run without the lock: they may clean up, log, or stop.
    std::string refusal;
    bool refused = false;
    if (checks) {
        try {
            checks();
        } catch (const std::exception& error) {
            refused = true;
            refusal = error.what();
        }
    }
    {
        std::lock_guard lock(FStateLock);
        if (refuses()) return false;
        if (!refused) {
            {
                std::lock_guard gate(FGateLock);
                FBroken = false;
                FPaused = false;
            }
            FFinished = false;
            FConverting = true;
            if (useThread) {
                FHasWorker = true;
                // Reset before the thread exists, so that a Stop(True) right after Start waits
                // even for a worker that has not begun.
                FStopEvent->ResetEvent();
            }
        }
    }
    if (refused) {
        RecordFailure(refusal);
        DoTerminate();
        return false;
    }
    if (!useThread) {
        DoConvert();
        return true;
    }
    StartBodyThread(priority, [this, stopEvent = FStopEvent] {
        FWorkerThreadID = win::GetCurrentThreadId();
        DoConvert();
        // The object may be gone once OnTerminate has returned; the event is shared.
        stopEvent->SetEvent();
    });
    return true;
}

void TConvertLifecycle::DoConvert() {
    FFinished = false;
    for (const auto& step : Steps) {
        try {
            if (step) step();
        } catch (const std::exception& error) {
            RecordFailure(error.what());
        } catch (...) {
            RecordFailure("Unknown exception");
        }
    }
    DoTerminate();
}

void TConvertLifecycle::DoTerminate() {
    if (FTerminateRaised.exchange(true)) return;
    FConverting = false;
    FTerminated = true;
    // A copy: the handler may free this object, and with it OnTerminate.
    const std::function<void()> handler = OnTerminate;
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        RecordFailure(error.what());
    }
}

void TConvertLifecycle::RecordFailure(const std::string& message) {
    GlobalLogger().Log(FLogSender, llQuiet, message);
    std::lock_guard lock(FMessageLock);
    FFatalException = true;
    FFatalMessage = message;
}

std::string TConvertLifecycle::FatalMessage() const {
    std::lock_guard lock(FMessageLock);
    return FFatalMessage;
}

bool TConvertLifecycle::OnOwnThread() const {
    const std::uint32_t current = win::GetCurrentThreadId();
    return current == FWorkerThreadID || current == FTerminatorThreadID;
}

void TConvertLifecycle::WaitServing(TEvent& event) {
    if (!IsMainThread()) {
        event.WaitFor();
        return;
    }
    // Events the run hands to the main thread must be able to complete while it waits.
    while (event.WaitFor(20) != wrSignaled) {
        CheckSynchronize(0);
        PumpMessages();
    }
}

void TConvertLifecycle::Stop(bool waitFor) {
    bool worker = false;
    std::shared_ptr<TEvent> stopEvent;
    {
        std::lock_guard lock(FStateLock);
        worker = FHasWorker;
        stopEvent = FStopEvent;
    }
    const bool wait = worker && waitFor && !OnOwnThread();
    {
        // Notified under the lock: once the run sees the stop, its terminate handler may free
        // this object, so nothing here may touch it after the unlock.
        std::lock_guard gate(FGateLock);
        FBroken = true;
        FPaused = false;
        FGate.notify_all();
    }
    if (wait) WaitServing(*stopEvent);
}

void TConvertLifecycle::Pause() {
    {
        std::lock_guard lock(FStateLock);
        if (!FHasWorker || !FConverting) return;
    }
    std::lock_guard gate(FGateLock);
    if (!FBroken) FPaused = true;
}

void TConvertLifecycle::Resume() {
    std::lock_guard gate(FGateLock);
    FPaused = false;
    FGate.notify_all();
}

bool TConvertLifecycle::Paused() const {
    std::lock_guard gate(FGateLock);
    return FPaused;
}

bool TConvertLifecycle::PassGate() {
    std::unique_lock gate(FGateLock);
    FGate.wait(gate, [this] { return !FPaused || FBroken; });
    return !FBroken;
}

void TConvertLifecycle::StopOrTerminate(bool waitFor) {
    bool converting = false;
    bool startTerminator = false;
    bool terminator = false;
    std::shared_ptr<TEvent> termEvent;
    {
        std::lock_guard lock(FStateLock);
        converting = FConverting;
        if (!converting && !FTerminated && !FTerminateRaised && !FHasTerminator) {
            FHasTerminator = true;
            FTermEvent->ResetEvent();
            startTerminator = true;
        }
        terminator = FHasTerminator;
        termEvent = FTermEvent;
    }
    if (converting) {
        Stop(waitFor);
        return;
    }
    const bool wait = waitFor && terminator && !OnOwnThread();
    // Once the terminate thread runs, its handler may free this object: nothing below may
    // touch it.
    if (startTerminator)
        StartBodyThread(tpNormal, [this, termEvent] {
            FTerminatorThreadID = win::GetCurrentThreadId();
            DoTerminate();
            termEvent->SetEvent();
        });
    if (wait) WaitServing(*termEvent);
}
