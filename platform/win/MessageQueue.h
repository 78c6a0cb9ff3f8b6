#pragma once
#include "platform/win/Msg.h"
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace win {

class ThreadQueue;

// A message sent from another thread: it waits in the target thread's queue until that thread
// runs it, while the sender waits for the result (and keeps answering messages sent to it).
struct PendingSend {
    HWND FHwnd{};
    UINT FMessage{ 0 };
    WPARAM FWParam{ 0 };
    LPARAM FLParam{ 0 };
    LRESULT FResult{ 0 };
    std::exception_ptr FError;
    bool FDone{ false }; // guarded by the sender's queue lock
    std::shared_ptr<ThreadQueue> FSender;
};

struct TimerEntry {
    HWND FHwnd{};
    UINT_PTR FId{ 0 };
    std::uint64_t FInterval{ 0 };
    std::uint64_t FDue{ 0 };
    TIMERPROC FProc{ nullptr };
};

// The message queue of one thread: posted messages, messages sent from other threads, the quit
// flag and the thread's timers. Other threads only post, send and wake; the rest runs on the
// owning thread.
class ThreadQueue : public std::enable_shared_from_this<ThreadQueue> {
public:
    explicit ThreadQueue(std::thread::id thread) : FThread(thread) {}
    ~ThreadQueue();

    // The calling thread's queue, created on first use.
    static std::shared_ptr<ThreadQueue> Current();
    // The queue of another thread, or nullptr when that thread never had one or has ended.
    static std::shared_ptr<ThreadQueue> ForThread(std::thread::id thread);

    std::thread::id Thread() const { return FThread; }

    void Post(const MSG& msg);
    void PostQuit(int exitCode);
    // Takes the first posted message matching the filter; WM_QUIT once the posted messages are
    // gone and the quit flag is set.
    bool TakePosted(MSG* msg, HWND filter, UINT first, UINT last, bool remove);
    bool HasPosted() const;

    // Runs on this thread the messages other threads sent to it; true when one ran.
    bool ProcessIncomingSends();
    LRESULT SendFrom(const std::shared_ptr<ThreadQueue>& sender, HWND hwnd, UINT msg, WPARAM wParam,
                     LPARAM lParam);

    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now);
    bool KillTimer(HWND hwnd, UINT_PTR id);
    void KillTimers(HWND hwnd);
    bool TakeTimer(MSG* msg, HWND filter, std::uint64_t now, bool remove);
    std::uint64_t NextTimerDue() const;

    // Waits until something is posted or sent to this thread, Wake is called, or deadlineMs.
    void Wait(std::uint64_t deadlineMs);
    void Wake();

    bool IsGuiThread() const;

private:
    void Complete(const std::shared_ptr<PendingSend>& send);
    void FailPendingSends();

    const std::thread::id FThread;
    mutable std::mutex FMutex;
    std::condition_variable FCondition;
    bool FWoken{ false };
    std::deque<MSG> FPosted;
    std::deque<std::shared_ptr<PendingSend>> FIncoming;
    bool FQuit{ false };
    int FQuitCode{ 0 };
    std::vector<TimerEntry> FTimers;
    UINT_PTR FNextThreadTimer{ 1 };
};

} // namespace win

namespace win {

// True when the message passes GetMessage's window and range filter (a window filter also takes
// the window's descendants).
bool MessageMatches(const MSG& msg, HWND filter, UINT first, UINT last);

// The thread that installed the back end (and so receives input), if any.
bool IsBackendThread(std::thread::id thread);

} // namespace win
