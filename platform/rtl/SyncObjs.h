#pragma once
#include <condition_variable>
#include <mutex>

namespace win {
// The timeout that never expires.
constexpr unsigned INFINITE = 0xFFFFFFFFu;
} // namespace win

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

// A lock the owning thread may take again; each Enter needs its Leave.
class TCriticalSection {
public:
    void Enter() { FMutex.lock(); }
    void Leave() { FMutex.unlock(); }
    bool TryEnter() { return FMutex.try_lock(); }

private:
    std::recursive_mutex FMutex;
};

// Holds a critical section for one scope.
class TCriticalSectionGuard {
public:
    explicit TCriticalSectionGuard(TCriticalSection& section) : FSection(section) {
        FSection.Enter();
    }
    ~TCriticalSectionGuard() { FSection.Leave(); }
    TCriticalSectionGuard(const TCriticalSectionGuard&) = delete;
    TCriticalSectionGuard& operator=(const TCriticalSectionGuard&) = delete;

private:
    TCriticalSection& FSection;
};

// A signal threads wait for. A manual-reset event stays signalled until ResetEvent and releases
// every waiter; an auto-reset event releases one waiter and resets itself.
class TEvent {
public:
    explicit TEvent(bool manualReset = true, bool initialState = false);

    void SetEvent();
    void ResetEvent();
    // win::INFINITE waits without limit; 0 only tests the state.
    TWaitResult WaitFor(unsigned timeoutMs = win::INFINITE);

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    const bool FManualReset;
    bool FSignaled;
};
