#include "Src/FFPlay/PlayerTypes.h"

void TPlayEvent::Push(const TPlayEventItem& item) {
    {
        std::lock_guard lock(FLock);
        const int last = (FTailer + Capacity - 1) % Capacity;
        if (FHeader == FTailer || FEvents[last].Kind != item.Kind) {
            FTailer = (FTailer + 1) % Capacity;
            if (FTailer == FHeader) FHeader = (FHeader + 1) % Capacity;
        }
        FEvents[(FTailer + Capacity - 1) % Capacity] = item;
    }
    FEvent.SetEvent();
}

TPlayEventItem TPlayEvent::Pop() {
    std::lock_guard lock(FLock);
    if (FHeader == FTailer) return {};
    const TPlayEventItem item = FEvents[FHeader];
    FHeader = (FHeader + 1) % Capacity;
    if (FHeader == FTailer) FEvent.ResetEvent();
    return item;
}

void TDataLock::lock() {
    std::unique_lock guard(FMutex);
    FReleased.wait(guard, [this] { return !FLocked; });
    FLocked = true;
}

void TDataLock::unlock() {
    {
        std::lock_guard guard(FMutex);
        FLocked = false;
    }
    FReleased.notify_one();
}

bool TDataLock::try_lock_for(std::chrono::milliseconds timeout) {
    std::unique_lock guard(FMutex);
    if (!FReleased.wait_for(guard, timeout, [this] { return !FLocked; })) return false;
    FLocked = true;
    return true;
}
