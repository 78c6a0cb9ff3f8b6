#include "platform/rtl/MainThread.h"

#include "platform/rtl/Exception.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace win {

std::uint32_t GetCurrentThreadId() {
    return std::uint32_t(::gettid());
}

} // namespace win

namespace {

std::atomic<std::uint32_t>& MainId() {
    static std::atomic<std::uint32_t> id{ win::GetCurrentThreadId() };
    return id;
}

// Records the initial thread while static data is set up, before any other thread exists.
[[maybe_unused]] const bool kMainThreadRecorded = (MainId(), true);

class CallQueue {
public:
    void Push(std::function<void()> call) {
        std::function<void()> wake;
        {
            std::lock_guard lock(FMutex);
            FCalls.push_back(std::move(call));
            wake = FWakeHook;
            // Under the lock: once the main thread has taken the call, a thread that raised
            // it and ends unjoined has touched the queue for the last time, also when the
            // queue goes at the program's exit.
            FArrived.notify_all();
        }
        if (wake) wake();
    }

    bool Drain(unsigned timeoutMs) {
        std::deque<std::function<void()>> calls;
        {
            std::unique_lock lock(FMutex);
            const unsigned long long woken = FWakeCount;
            FArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return !FCalls.empty() || FWakeCount != woken; });
            calls.swap(FCalls);
        }
        bool ran = false;
        while (!calls.empty()) {
            auto call = std::move(calls.front());
            calls.pop_front();
            ran = true;
            try {
                call();
            } catch (...) {
                PutBack(calls);
                throw;
            }
        }
        return ran;
    }

    void Wake() {
        {
            std::lock_guard lock(FMutex);
            ++FWakeCount;
        }
        FArrived.notify_all();
    }

    void SetWakeHook(std::function<void()> hook) {
        std::lock_guard lock(FMutex);
        FWakeHook = std::move(hook);
    }

private:
    void PutBack(std::deque<std::function<void()>>& calls) {
        std::lock_guard lock(FMutex);
        while (!calls.empty()) {
            FCalls.push_front(std::move(calls.back()));
            calls.pop_back();
        }
    }

    std::mutex FMutex;
    std::condition_variable FArrived;
    std::deque<std::function<void()>> FCalls;
    std::function<void()> FWakeHook;
    unsigned long long FWakeCount{ 0 };
};

CallQueue& Calls() {
    static CallQueue queue;
    return queue;
}

} // namespace

std::uint32_t MainThreadID() {
    return MainId().load();
}

bool IsMainThread() {
    return win::GetCurrentThreadId() == MainThreadID();
}

void SetMainThread() {
    MainId().store(win::GetCurrentThreadId());
}

bool CheckSynchronize(unsigned timeoutMs) {
    if (!IsMainThread())
        throw Exception("CheckSynchronize called from a thread that is not the main thread");
    return Calls().Drain(timeoutMs);
}

void SetWakeMainThread(std::function<void()> hook) {
    Calls().SetWakeHook(std::move(hook));
}

void SynchronizeWithMainThread(std::function<void()> fn) {
    if (IsMainThread()) {
        fn();
        return;
    }
    auto task = std::make_shared<std::packaged_task<void()>>(std::move(fn));
    std::future<void> done = task->get_future();
    Calls().Push([task] { (*task)(); });
    done.get();
}

void QueueToMainThread(std::function<void()> fn) {
    if (IsMainThread()) {
        fn();
        return;
    }
    Calls().Push(std::move(fn));
}

void WakeSynchronizeWaiters() {
    Calls().Wake();
}
