#pragma once
#include "platform/rtl/SyncObjs.h"
#include "platform/rtl/TThread.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TObject;

// How one conversion runs: inline or on a worker thread of its own, paused and resumed at the
// turns of its packet loop, stopped, and ended by exactly one terminate notification whichever
// way it ends (a run that finished, was stopped or failed, a start refused by its checks, or an
// object that never started).
//
// Pausing is cooperative: the run's loop calls PassGate at every turn and waits there while
// paused; the run keeps whatever it holds meanwhile. Worker and terminate threads free
// themselves; once OnTerminate has returned they no longer touch this object, so it may be
// destroyed right after OnTerminate, even from inside it.
class TConvertLifecycle {
public:
    explicit TConvertLifecycle(TObject* logSender = nullptr);
    // Stops the run and waits for its end, and for a pending terminate thread.
    ~TConvertLifecycle();
    TConvertLifecycle(const TConvertLifecycle&) = delete;
    TConvertLifecycle& operator=(const TConvertLifecycle&) = delete;

    // The body of a run, in order (the transcoding, closing the codecs, the cleanup). A step
    // that raises is logged and recorded as the fatal message, and the next step still runs.
    std::vector<std::function<void()>> Steps;
    // Raised once, on the thread that ends the object: the worker, the caller of an inline run
    // or of a refused start, or a terminate thread.
    std::function<void()> OnTerminate;

    // False, doing nothing, while converting or once terminated. checks run first: an
    // exception from them is logged and recorded, the object terminates on the calling thread
    // and the result is false. Inline, the run is over when Start returns.
    bool Start(bool useThread, TThreadPriority priority = tpNormal,
               const std::function<void()>& checks = {});
    // Asks the run to end at its next turn; a paused run is resumed so that it can. With
    // waitFor, returns after the run's whole body has ended; waiting on the main thread keeps
    // serving synchronised calls and window messages.
    void Stop(bool waitFor);
    void Pause();
    void Resume();
    // Ends the object whatever its state: stops a run, or terminates a ready object from a
    // thread of its own (waiting for its OnTerminate with waitFor).
    void StopOrTerminate(bool waitFor);

    // The run's loop calls this at every turn: waits while paused; false once a stop was asked.
    bool PassGate();
    // The run reached its end: it finished unless a stop was asked.
    void RunReachedEnd() { FFinished = !FBroken; }

    bool Converting() const { return FConverting; }
    bool Terminated() const { return FTerminated; }
    bool Broken() const { return FBroken; }
    bool Paused() const;
    bool Finished() const { return FFinished; }
    bool FatalException() const { return FFatalException; }
    std::string FatalMessage() const;

private:
    void DoConvert();
    void DoTerminate();
    void RecordFailure(const std::string& message);
    bool OnOwnThread() const;
    static void WaitServing(TEvent& event);

    TObject* FLogSender{ nullptr };
    std::mutex FStateLock;
    std::atomic<bool> FConverting{ false };
    std::atomic<bool> FBroken{ false };
    std::atomic<bool> FFinished{ false };
    std::atomic<bool> FTerminated{ false };
    std::atomic<bool> FTerminateRaised{ false };
    std::atomic<bool> FFatalException{ false };
    mutable std::mutex FMessageLock;
    std::string FFatalMessage;
    mutable std::mutex FGateLock;
    std::condition_variable FGate;
    bool FPaused{ false };
    bool FHasWorker{ false };
    bool FHasTerminator{ false };
    std::atomic<std::uint32_t> FWorkerThreadID{ 0 };
    std::atomic<std::uint32_t> FTerminatorThreadID{ 0 };
    // Shared with the threads, which set them as their very last step.
    std::shared_ptr<TEvent> FStopEvent{ std::make_shared<TEvent>(true, true) };
    std::shared_ptr<TEvent> FTermEvent{ std::make_shared<TEvent>(true, true) };
};
