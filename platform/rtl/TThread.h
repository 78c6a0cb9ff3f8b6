#pragma once
#include "platform/rtl/Exception.h"
#include "platform/rtl/SyncObjs.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <utility>

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class EThread : public Exception {
public:
    using Exception::Exception;
};

// A worker thread: derive, put the work in Execute, Start it. A thread is built suspended;
// StartNew builds one and starts it at once (a base constructor cannot start the worker, since
// Execute would run before the derived object exists).
//
// When Execute returns (or throws: the exception is kept in FatalException), OnTerminate runs
// on the main thread through Synchronize, then the thread is finished. Pausing is up to
// Execute (a flag it checks): there is no suspend.
//
// FreeOnTerminate: the thread object deletes itself on its own thread once OnTerminate has
// returned. This is the one object in the platform that owns itself; it must have been made
// with new (StartNew does so), and nobody may touch it after Start, nor WaitFor it.
//
// A derived class whose Execute uses the derived object's own members must make Execute end
// before those members go (Terminate and WaitFor in its destructor): the base destructor also
// terminates and waits, but only after the derived part is gone.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    template <class T, class... Args>
    static T* StartNew(Args&&... args) {
        T* thread = new T(std::forward<Args>(args)...);
        thread->Start();
        return thread;
    }

    // Starts the worker; ThreadID() is known when Start returns. Starting twice is an error.
    void Start();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    bool Started() const { return FStarted; }
    bool Finished() const { return FFinished; }
    // Waits until the thread has finished (OnTerminate included) and returns ReturnValue.
    // On the main thread, synchronised calls keep running while it waits, so a worker that
    // synchronises on its way out cannot deadlock the wait.
    int WaitFor();

    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
    TThreadPriority Priority() const { return FPriority; }
    // Maps to the thread's nice value; a raise the process is not allowed is ignored.
    void SetPriority(TThreadPriority value);
    std::uint32_t ThreadID() const { return FThreadID; }
    int ReturnValue() const { return FReturnValue; }
    // The exception that escaped Execute (or OnTerminate), or null.
    std::exception_ptr FatalException() const { return FFatalException; }

    std::function<void(TThread* sender)> OnTerminate;

    static void Synchronize(std::function<void()> fn);
    static void Queue(std::function<void()> fn);

protected:
    virtual void Execute() = 0;
    // Raises OnTerminate on the main thread.
    virtual void DoTerminate();
    void SetReturnValue(int value) { FReturnValue = value; }

private:
    void Run(std::promise<void> running);
    void ApplyPriority();
    void WaitUntilDone();

    std::thread FThread;
    std::mutex FStartLock;
    TEvent FDone{ true, false };
    std::atomic<bool> FTerminated{ false };
    std::atomic<bool> FStarted{ false };
    std::atomic<bool> FFinished{ false };
    std::atomic<bool> FFreeOnTerminate{ false };
    std::atomic<TThreadPriority> FPriority{ tpNormal };
    std::atomic<std::uint32_t> FThreadID{ 0 };
    std::atomic<int> FReturnValue{ 0 };
    std::exception_ptr FFatalException;
};
