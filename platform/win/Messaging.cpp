#include "platform/win/Messaging.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Backend.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/QueueSources.h"
#include "platform/win/UpdateState.h"
#include "platform/win/WindowProc.h"
#include "platform/win/WindowSystem.h"
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace win {

namespace {

struct WorkRunner {
    std::mutex FMutex;
    std::function<bool()> FRunner;
    // Set when another thread queued a call for the main thread; the queue is only looked at
    // then, as looking costs a system call or two on every pass of the loop.
    std::atomic<bool> FQueued{ true };
};

WorkRunner& Runner() {
    static WorkRunner runner;
    return runner;
}

bool RunQueuedWork() {
    std::function<bool()> runner;
    {
        std::lock_guard lock(Runner().FMutex);
        runner = Runner().FRunner;
    }
    if (runner) return runner();
    // TThread::Synchronize and Queue hand their calls to the main thread's event loop.
    if (!Runner().FQueued.exchange(false) || !IsMainThread()) return false;
    try {
        return CheckSynchronize(0);
    } catch (...) {
        // The calls behind the failed one are still queued.
        Runner().FQueued = true;
        throw;
    }
}

thread_local DWORD tMessageTime = 0;

POINT MessagePoint() {
    return WindowSystem::Instance().FCursorPos;
}

} // namespace

std::uint64_t CurrentTimeMs() {
    if (IsBackendThread(std::this_thread::get_id())) return CurrentBackend().GetClock().NowMs();
    return SteadyClock().NowMs();
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || w->FDesktop) return 0;
    if (w->FThread == std::this_thread::get_id()) return CallProcedure(w, msg, wParam, lParam);
    auto target = ThreadQueue::ForThread(w->FThread);
    if (!target) return 0;
    return target->SendFrom(ThreadQueue::Current(), hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG m{ hwnd, msg, wParam, lParam, DWORD(CurrentTimeMs()), MessagePoint() };
    if (!hwnd) {
        ThreadQueue::Current()->Post(m);
        return TRUE;
    }
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || w->FDesktop) return FALSE;
    auto target = w->FThread == std::this_thread::get_id() ? ThreadQueue::Current()
                                                           : ThreadQueue::ForThread(w->FThread);
    if (!target) return FALSE;
    target->Post(m);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    ThreadQueue::Current()->PostQuit(exitCode);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    if (!msg) return FALSE;
    auto queue = ThreadQueue::Current();
    const bool take = (remove & PM_REMOVE) != 0;
    queue->ProcessIncomingSends();
    if (queue->IsGuiThread()) RunQueuedWork();
    bool found = queue->TakePosted(msg, hwnd, first, last, take);
    if (!found && queue->IsGuiThread()) found = TakeInputMessage(msg, hwnd, first, last, take);
    auto inRange = [&](UINT m) { return (first == 0 && last == 0) || (m >= first && m <= last); };
    if (!found && inRange(WM_PAINT)) found = TakePaintMessage(msg, hwnd, take);
    if (!found && inRange(WM_TIMER)) found = queue->TakeTimer(msg, hwnd, CurrentTimeMs(), take);
    if (found && take) tMessageTime = msg->time;
    if (!found && queue->IsGuiThread()) PresentPainted();
    return found ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) {
    if (!msg) return -1;
    auto queue = ThreadQueue::Current();
    while (!PeekMessage(msg, hwnd, first, last, PM_REMOVE))
        queue->Wait(queue->NextTimerDue());
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    auto queue = ThreadQueue::Current();
    MSG msg;
    while (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
        queue->Wait(queue->NextTimerDue());
    return TRUE;
}

bool ProcessPendingMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return true;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return false;
}

DWORD GetMessageTime() {
    return tMessageTime;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (!msg->hwnd) return 0;
    auto w = WindowSystem::Instance().Find(msg->hwnd);
    if (!w || w->FDesktop || w->FThread != std::this_thread::get_id()) return 0;
    const LRESULT result = CallProcedure(w, msg->message, msg->wParam, msg->lParam);
    PresentPainted();
    return result;
}

UINT RegisterWindowMessage(const char* name) {
    static std::mutex mutex;
    static std::vector<std::string> names;
    if (!name || !*name) return 0;
    std::lock_guard lock(mutex);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameClassName(names[i], name)) return UINT(0xC000 + i);
    if (names.size() >= 0x4000) return 0;
    names.emplace_back(name);
    return UINT(0xC000 + names.size() - 1);
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    if (hwnd) {
        auto w = WindowSystem::Instance().Find(hwnd);
        if (!w || w->FDesktop || w->FThread != std::this_thread::get_id()) return 0;
    }
    return ThreadQueue::Current()->SetTimer(hwnd, id, elapseMs, proc, CurrentTimeMs());
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return ThreadQueue::Current()->KillTimer(hwnd, id) ? TRUE : FALSE;
}

UINT GetDoubleClickTime() {
    return 500;
}

void SetQueuedWorkRunner(std::function<bool()> runner) {
    std::lock_guard lock(Runner().FMutex);
    Runner().FRunner = std::move(runner);
}

void WakeGuiThread() {
    Runner().FQueued = true;
    if (HasBackend()) CurrentBackend().Wake();
}

} // namespace win
