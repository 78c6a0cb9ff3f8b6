#include "platform/win/Backend.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowSystem.h"
#include <atomic>
#include <mutex>

namespace win {

namespace {

struct BackendSlot {
    std::unique_ptr<Backend> FBackend;
    std::atomic<bool> FInstalled{ false };
    std::thread::id FThread;
};

BackendSlot& Slot() {
    static BackendSlot slot;
    return slot;
}

} // namespace

void InstallBackend(std::unique_ptr<Backend> backend) {
    if (!WindowSystem::Instance().AllWindows().empty())
        throw Exception("Cannot replace the window back end while windows exist.");
    BackendSlot& s = Slot();
    s.FInstalled = false;
    s.FBackend = std::move(backend);
    s.FThread = std::this_thread::get_id();
    s.FInstalled = s.FBackend != nullptr;
    // Calls queued for the main thread must interrupt the event loop's wait.
    SetWakeMainThread(s.FInstalled ? std::function<void()>(WakeGuiThread) : nullptr);
}

Backend& CurrentBackend() {
    BackendSlot& s = Slot();
    if (!s.FInstalled) throw Exception("No window back end is installed.");
    return *s.FBackend;
}

bool HasBackend() {
    return Slot().FInstalled;
}

bool IsBackendThread(std::thread::id thread) {
    BackendSlot& s = Slot();
    return s.FInstalled && s.FThread == thread;
}

} // namespace win
