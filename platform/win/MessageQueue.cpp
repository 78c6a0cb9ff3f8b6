#include "platform/win/MessageQueue.h"
#include "platform/win/Backend.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowProc.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>
#include <map>

namespace win {

namespace {

struct Registry {
    std::mutex FMutex;
    std::map<std::thread::id, std::weak_ptr<ThreadQueue>> FQueues;
};

Registry& Queues() {
    static Registry registry;
    return registry;
}

// Ends with its thread: the queue leaves the registry and senders still waiting on it are
// released with a zero result instead of waiting forever.
struct QueueHolder {
    std::shared_ptr<ThreadQueue> FQueue;
    ~QueueHolder() {
        if (!FQueue) return;
        Registry& r = Queues();
        std::lock_guard lock(r.FMutex);
        r.FQueues.erase(FQueue->Thread());
    }
};

thread_local QueueHolder tQueue;

bool IsDescendant(HWND ancestor, HWND hwnd) {
    WindowSystem& ws = WindowSystem::Instance();
    for (auto w = ws.Find(hwnd); w && !w->FDesktop; w = ws.Find(w->FParent))
        if (w->FHandle == ancestor) return true;
    return false;
}

} // namespace

bool MessageMatches(const MSG& msg, HWND filter, UINT first, UINT last) {
    if ((first || last) && (msg.message < first || msg.message > last)) return false;
    return !filter || msg.hwnd == filter || IsDescendant(filter, msg.hwnd);
}

ThreadQueue::~ThreadQueue() {
    FailPendingSends();
}

std::shared_ptr<ThreadQueue> ThreadQueue::Current() {
    if (!tQueue.FQueue) {
        tQueue.FQueue = std::make_shared<ThreadQueue>(std::this_thread::get_id());
        Registry& r = Queues();
        std::lock_guard lock(r.FMutex);
        r.FQueues[tQueue.FQueue->Thread()] = tQueue.FQueue;
    }
    return tQueue.FQueue;
}

std::shared_ptr<ThreadQueue> ThreadQueue::ForThread(std::thread::id thread) {
    Registry& r = Queues();
    std::lock_guard lock(r.FMutex);
    auto it = r.FQueues.find(thread);
    return it == r.FQueues.end() ? nullptr : it->second.lock();
}

void ThreadQueue::Post(const MSG& msg) {
    {
        std::lock_guard lock(FMutex);
        FPosted.push_back(msg);
    }
    Wake();
}

void ThreadQueue::PostQuit(int exitCode) {
    {
        std::lock_guard lock(FMutex);
        FQuit = true;
        FQuitCode = exitCode;
    }
    Wake();
}

bool ThreadQueue::HasPosted() const {
    std::lock_guard lock(FMutex);
    return !FPosted.empty() || FQuit;
}

bool ThreadQueue::TakePosted(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
    std::lock_guard lock(FMutex);
    for (auto it = FPosted.begin(); it != FPosted.end(); ++it) {
        if (!MessageMatches(*it, filter, first, last)) continue;
        *msg = *it;
        if (remove) FPosted.erase(it);
        return true;
    }
    if (FQuit) {
        *msg = MSG{ nullptr, WM_QUIT, WPARAM(FQuitCode), 0, 0, {} };
        if (remove) FQuit = false;
        return true;
    }
    return false;
}

bool ThreadQueue::ProcessIncomingSends() {
    bool ran = false;
    for (;;) {
        std::shared_ptr<PendingSend> send;
        {
            std::lock_guard lock(FMutex);
            if (FIncoming.empty()) return ran;
            send = FIncoming.front();
            FIncoming.pop_front();
        }
        ran = true;
        try {
            send->FResult =
                SendMessageOnThisThread(send->FHwnd, send->FMessage, send->FWParam, send->FLParam);
        } catch (...) {
            send->FError = std::current_exception();
        }
        Complete(send);
    }
}

void ThreadQueue::Complete(const std::shared_ptr<PendingSend>& send) {
    {
        std::lock_guard lock(send->FSender->FMutex);
        send->FDone = true;
    }
    send->FSender->Wake();
}

void ThreadQueue::FailPendingSends() {
    std::deque<std::shared_ptr<PendingSend>> pending;
    {
        std::lock_guard lock(FMutex);
        pending.swap(FIncoming);
    }
    for (const auto& send : pending)
        Complete(send);
}

LRESULT ThreadQueue::SendFrom(const std::shared_ptr<ThreadQueue>& sender, HWND hwnd, UINT msg,
                              WPARAM wParam, LPARAM lParam) {
    auto send = std::make_shared<PendingSend>();
    send->FHwnd = hwnd;
    send->FMessage = msg;
    send->FWParam = wParam;
    send->FLParam = lParam;
    send->FSender = sender;
    {
        std::lock_guard lock(FMutex);
        FIncoming.push_back(send);
    }
    Wake();
    // While waiting, the sender answers messages sent to it, so two threads sending to each
    // other do not deadlock.
    for (;;) {
        sender->ProcessIncomingSends();
        std::unique_lock lock(sender->FMutex);
        if (send->FDone) break;
        if (!sender->FIncoming.empty()) continue;
        sender->FCondition.wait(
            lock, [&] { return send->FDone || !sender->FIncoming.empty() || sender->FWoken; });
        sender->FWoken = false;
    }
    if (send->FError) std::rethrow_exception(send->FError);
    return send->FResult;
}

UINT_PTR ThreadQueue::SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc,
                               std::uint64_t now) {
    // Win32 raises intervals below 10 ms to 10 ms.
    const std::uint64_t interval = std::max<UINT>(elapse, 10);
    if (!hwnd) {
        // Thread timers get their own ids; a given id renews that timer.
        if (id == 0 || std::none_of(FTimers.begin(), FTimers.end(),
                                    [&](const TimerEntry& t) { return !t.FHwnd && t.FId == id; }))
            id = FNextThreadTimer++;
    }
    for (TimerEntry& t : FTimers) {
        if (t.FHwnd == hwnd && t.FId == id) {
            t.FInterval = interval;
            t.FDue = now + interval;
            t.FProc = proc;
            return hwnd ? 1 : id;
        }
    }
    FTimers.push_back(TimerEntry{ hwnd, id, interval, now + interval, proc });
    return hwnd ? 1 : id;
}

bool ThreadQueue::KillTimer(HWND hwnd, UINT_PTR id) {
    return std::erase_if(FTimers,
                         [&](const TimerEntry& t) { return t.FHwnd == hwnd && t.FId == id; }) > 0;
}

void ThreadQueue::KillTimers(HWND hwnd) {
    std::erase_if(FTimers, [&](const TimerEntry& t) { return t.FHwnd == hwnd; });
}

bool ThreadQueue::TakeTimer(MSG* msg, HWND filter, std::uint64_t now, bool remove) {
    TimerEntry* due = nullptr;
    for (TimerEntry& t : FTimers) {
        if (t.FDue > now) continue;
        MSG candidate{ t.FHwnd, WM_TIMER, t.FId, 0, 0, {} };
        if (!MessageMatches(candidate, filter, 0, 0)) continue;
        if (!due || t.FDue < due->FDue) due = &t;
    }
    if (!due) return false;
    *msg =
        MSG{ due->FHwnd, WM_TIMER, due->FId, reinterpret_cast<LPARAM>(due->FProc), DWORD(now), {} };
    // Missed periods are not caught up: one WM_TIMER, then a full interval from now.
    if (remove) due->FDue = now + due->FInterval;
    return true;
}

std::uint64_t ThreadQueue::NextTimerDue() const {
    std::uint64_t next = Backend::kNoDeadline;
    for (const TimerEntry& t : FTimers)
        next = std::min(next, t.FDue);
    return next;
}

bool ThreadQueue::IsGuiThread() const {
    return IsBackendThread(FThread);
}

void ThreadQueue::Wait(std::uint64_t deadlineMs) {
    if (IsGuiThread()) {
        {
            std::lock_guard lock(FMutex);
            if (FWoken || !FPosted.empty() || !FIncoming.empty() || FQuit) {
                FWoken = false;
                return;
            }
        }
        CurrentBackend().WaitEvents(deadlineMs);
        std::lock_guard lock(FMutex);
        FWoken = false;
        return;
    }
    std::unique_lock lock(FMutex);
    auto ready = [&] { return FWoken || !FPosted.empty() || !FIncoming.empty() || FQuit; };
    if (deadlineMs == Backend::kNoDeadline) {
        FCondition.wait(lock, ready);
    } else {
        // Threads without the back end time their waits on the steady clock.
        const std::uint64_t now = SteadyClock().NowMs();
        if (deadlineMs > now)
            FCondition.wait_for(lock, std::chrono::milliseconds(deadlineMs - now), ready);
    }
    FWoken = false;
}

void ThreadQueue::Wake() {
    {
        std::lock_guard lock(FMutex);
        FWoken = true;
    }
    FCondition.notify_all();
    if (IsGuiThread()) CurrentBackend().Wake();
}

} // namespace win
