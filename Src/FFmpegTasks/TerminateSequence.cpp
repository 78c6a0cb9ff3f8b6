#include "Src/FFmpegTasks/TerminateSequence.h"

#include "Src/MyUtils/MainThreadCalls.h"
#include "platform/rtl/MainThread.h"

#include <chrono>

namespace {

// A turn's handler may wait for the GUI thread; a GUI thread waiting here keeps serving it.
constexpr auto kServeSlice = std::chrono::milliseconds(20);

// The sequence whose turn the calling thread is running.
thread_local const TTerminateSequence* tDelivering = nullptr;

// Marks the thread as running a turn, and ends the turn however its handler leaves.
class TTurnScope {
public:
    TTurnScope(const TTerminateSequence* sequence, const std::function<void()>& end)
        : FOuter(tDelivering), FEnd(end) {
        tDelivering = sequence;
    }
    ~TTurnScope() {
        tDelivering = FOuter;
        FEnd();
    }
    TTurnScope(const TTurnScope&) = delete;
    TTurnScope& operator=(const TTurnScope&) = delete;

private:
    const TTerminateSequence* FOuter;
    const std::function<void()>& FEnd;
};

} // namespace

std::uint64_t TTerminateSequence::Take() {
    std::lock_guard lock(FLock);
    return FTaken++;
}

void TTerminateSequence::Run(std::uint64_t turn, const std::function<void()>& fn) {
    WaitUntil([this, turn] { return FEnded == turn; });
    const std::function<void()> end = [this] {
        {
            std::lock_guard lock(FLock);
            ++FEnded;
        }
        FChanged.notify_all();
    };
    TTurnScope scope(this, end);
    fn();
}

bool TTerminateSequence::Delivering() const {
    return tDelivering == this;
}

void TTerminateSequence::WaitAll() {
    if (Delivering()) return;
    std::uint64_t taken = 0;
    {
        std::lock_guard lock(FLock);
        taken = FTaken;
    }
    WaitUntil([this, taken] { return FEnded >= taken; });
}

void TTerminateSequence::WaitUntil(const std::function<bool()>& ready) {
    std::unique_lock lock(FLock);
    if (!IsMainThread()) {
        FChanged.wait(lock, ready);
        return;
    }
    while (!FChanged.wait_for(lock, kServeSlice, ready)) {
        lock.unlock();
        CheckSynchronize(0);
        PumpMessages();
        lock.lock();
    }
}
