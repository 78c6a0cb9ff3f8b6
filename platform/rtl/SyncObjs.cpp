#include "platform/rtl/SyncObjs.h"

#include <chrono>

TEvent::TEvent(bool manualReset, bool initialState)
    : FManualReset(manualReset), FSignaled(initialState) {}

void TEvent::SetEvent() {
    // Notifying under the lock: a waiter that wakes may destroy the event at once, so nothing
    // here may touch it after the unlock.
    std::lock_guard lock(FMutex);
    FSignaled = true;
    if (FManualReset)
        FChanged.notify_all();
    else
        FChanged.notify_one();
}

void TEvent::ResetEvent() {
    std::lock_guard lock(FMutex);
    FSignaled = false;
}

TWaitResult TEvent::WaitFor(unsigned timeoutMs) {
    std::unique_lock lock(FMutex);
    const auto signaled = [this] { return FSignaled; };
    if (timeoutMs == win::INFINITE) {
        FChanged.wait(lock, signaled);
    } else {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        if (!FChanged.wait_until(lock, deadline, signaled)) return wrTimeout;
    }
    if (!FManualReset) FSignaled = false;
    return wrSignaled;
}
