#include "WinTestSupport.h"
#include "platform/rtl/MainThread.h"
#include <atomic>
#include <condition_variable>
#include <future>
#include <thread>

namespace wintest {
namespace {

using Messaging = WinTest;

std::vector<UINT> DispatchAll() {
    std::vector<UINT> seen;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        seen.push_back(msg.message);
        if (msg.message == WM_QUIT) break;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return seen;
}

TEST_F(Messaging, SendIsSynchronousAndReentrant) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                        if (m != WM_USER) return std::nullopt;
                        // Counts down by sending to itself.
                        return wp == 0 ? 0 : 1 + SendMessage(h, WM_USER, wp - 1, 0);
                    });
    EXPECT_EQ(SendMessage(w, WM_USER, 5, 0), 5);
}

TEST_F(Messaging, QueueOrderIsPostedInputPaintTimer) {
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    Pump();
    SetTimer(w, 1, 100, nullptr);
    FDisplay->Time().Advance(150);
    InvalidateRect(w, nullptr, FALSE);
    FDisplay->MoveMouse(50, 50);
    PostMessage(w, WM_USER, 0, 0);
    PostMessage(w, WM_USER + 1, 0, 0);
    EXPECT_EQ(DispatchAll(),
              (std::vector<UINT>{ WM_USER, WM_USER + 1, WM_MOUSEMOVE, WM_PAINT, WM_TIMER }));
}

TEST_F(Messaging, QuitComesAfterPostedMessagesAndEndsGetMessage) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 });
    PostMessage(w, WM_USER, 0, 0);
    PostQuitMessage(7);
    PostMessage(w, WM_USER + 1, 0, 0);
    MSG msg;
    std::vector<UINT> seen;
    while (GetMessage(&msg, nullptr, 0, 0))
        seen.push_back(msg.message);
    EXPECT_EQ(seen, (std::vector<UINT>{ WM_USER, WM_USER + 1 }));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(Messaging, PeekFiltersByWindowAndRange) {
    HWND a = Create(WS_POPUP, { 0, 0, 10, 10 });
    HWND b = Create(WS_POPUP, { 0, 0, 10, 10 });
    HWND child = Create(WS_CHILD, { 0, 0, 5, 5 }, b);
    PostMessage(a, WM_USER, 0, 0);
    PostMessage(child, WM_USER + 5, 0, 0);
    PostMessage(b, WM_USER + 9, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child) << "a window filter takes the window's children too";
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 6, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 9);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 6, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(DispatchAll(), (std::vector<UINT>{ WM_USER, WM_USER + 5 }));
}

TEST_F(Messaging, RegisteredMessagesAreStableAndCaseBlind) {
    const UINT a = RegisterWindowMessage("TaskbarCreated");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("taskbarcreated"), a);
    EXPECT_NE(RegisterWindowMessage("Other"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

// Each subclass adds its letter to the answer of the one below it.
SUBCLASSPROC Letter(char c) {
    return [c](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_USER) return DefSubclassProc(h, m, w, l);
        auto* text = reinterpret_cast<std::string*>(l);
        text->push_back(c);
        return DefSubclassProc(h, m, w, l);
    };
}

TEST_F(Messaging, SubclassChainsUnhookInAnyOrder) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_USER) reinterpret_cast<std::string*>(l)->push_back('w');
                        return std::nullopt;
                    });
    auto run = [&] {
        std::string text;
        SendMessage(w, WM_USER, 0, reinterpret_cast<LPARAM>(&text));
        return text;
    };
    SetWindowSubclass(w, Letter('a'), 1);
    SetWindowSubclass(w, Letter('b'), 2);
    SetWindowSubclass(w, Letter('c'), 3);
    EXPECT_EQ(run(), "cbaw");
    RemoveWindowSubclass(w, 2);
    EXPECT_EQ(run(), "caw");
    RemoveWindowSubclass(w, 1);
    EXPECT_EQ(run(), "cw");
    SetWindowSubclass(w, Letter('d'), 1);
    EXPECT_EQ(run(), "dcw");
    EXPECT_FALSE(RemoveWindowSubclass(w, 2));
}

TEST_F(Messaging, SubclassRemovedDuringItsOwnCallStillPassesOn) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_USER) reinterpret_cast<std::string*>(l)->push_back('w');
                        return std::nullopt;
                    });
    SetWindowSubclass(w, Letter('a'), 1);
    SetWindowSubclass(
        w,
        [](HWND h, UINT m, WPARAM wp, LPARAM l) -> LRESULT {
            if (m == WM_USER) {
                reinterpret_cast<std::string*>(l)->push_back('x');
                // Unhooks itself and the one below it, then passes the message on.
                RemoveWindowSubclass(h, 2);
                RemoveWindowSubclass(h, 1);
            }
            return DefSubclassProc(h, m, wp, l);
        },
        2);
    std::string first, second;
    SendMessage(w, WM_USER, 0, reinterpret_cast<LPARAM>(&first));
    SendMessage(w, WM_USER, 0, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(first, "xw");
    EXPECT_EQ(second, "w");
}

WNDPROC g_previous = nullptr;
LRESULT Replacement(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) return 100 + CallWindowProc(g_previous, h, m, w, l);
    return CallWindowProc(g_previous, h, m, w, l);
}

TEST_F(Messaging, ReplacedProcedureCallsThePreviousOne) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                        if (m == WM_USER) return 1;
                        return std::nullopt;
                    });
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Replacement)));
    ASSERT_NE(g_previous, nullptr);
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 101);
    SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 1);
}

TEST_F(Messaging, TimersFollowTheClockWithoutCatchingUp) {
    std::vector<WPARAM> ticks;
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                        if (m == WM_TIMER) ticks.push_back(wp);
                        return std::nullopt;
                    });
    EXPECT_NE(SetTimer(w, 7, 100, nullptr), 0u);
    EXPECT_NE(SetTimer(w, 8, 250, nullptr), 0u);
    FDisplay->Time().Advance(99);
    Pump();
    EXPECT_TRUE(ticks.empty());
    FDisplay->Time().Advance(1);
    Pump();
    EXPECT_EQ(ticks, (std::vector<WPARAM>{ 7 }));
    // Far behind: one WM_TIMER per timer, not one per missed period.
    FDisplay->Time().Advance(1000);
    Pump();
    EXPECT_EQ(ticks, (std::vector<WPARAM>{ 7, 7, 8 }));
    EXPECT_TRUE(KillTimer(w, 7));
    EXPECT_FALSE(KillTimer(w, 7));
    FDisplay->Time().Advance(250);
    Pump();
    EXPECT_EQ(ticks, (std::vector<WPARAM>{ 7, 7, 8, 8 }));
    DestroyWindow(w);
    FDisplay->Time().Advance(1000);
    Pump();
    EXPECT_EQ(ticks.size(), 4u) << "a destroyed window's timers end with it";
}

std::vector<UINT_PTR> g_callbackTimers;
void TimerCallback(HWND, UINT, UINT_PTR id, DWORD) {
    g_callbackTimers.push_back(id);
}

TEST_F(Messaging, ThreadTimersCallTheirProcedure) {
    g_callbackTimers.clear();
    const UINT_PTR a = SetTimer(nullptr, 0, 50, TimerCallback);
    const UINT_PTR b = SetTimer(nullptr, 0, 50, TimerCallback);
    EXPECT_NE(a, b);
    FDisplay->Time().Advance(50);
    Pump();
    EXPECT_EQ(g_callbackTimers.size(), 2u);
    KillTimer(nullptr, a);
    KillTimer(nullptr, b);
}

TEST_F(Messaging, GetMessageWaitsForTheTimer) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 });
    SetTimer(w, 1, 500, nullptr);
    std::thread clockHand([&] {
        // Another thread moves the fake clock; the waiting loop must notice.
        FDisplay->Time().Advance(500);
    });
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    clockHand.join();
    EXPECT_EQ(msg.message, WM_TIMER);
}

TEST_F(Messaging, SendFromAnotherThreadRunsOnTheWindowsThread) {
    std::thread::id ranOn;
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                        if (m != WM_USER) return std::nullopt;
                        ranOn = std::this_thread::get_id();
                        return LRESULT(wp * 2);
                    });
    auto result = std::async(std::launch::async, [w] { return SendMessage(w, WM_USER, 21, 0); });
    // The GUI thread answers while it waits for messages.
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        MSG msg;
        PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
        std::this_thread::yield();
    }
    EXPECT_EQ(result.get(), 42);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(GetWindowThreadProcessId(w, nullptr), GetCurrentThreadId());
}

TEST_F(Messaging, CrossThreadSendsDoNotDeadlock) {
    // A worker window sends back to the GUI thread while the GUI thread waits for it.
    HWND gui = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                      [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                          if (m == WM_USER + 1) return 5;
                          return std::nullopt;
                      });
    std::promise<HWND> created;
    std::atomic<bool> done{ false };
    std::thread worker([&] {
        WNDCLASSEX wc;
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_USER) return 10 + SendMessage(reinterpret_cast<HWND>(l), WM_USER + 1, 0, 0);
            return DefWindowProc(h, m, w, l);
        };
        wc.lpszClassName = "WorkerWnd";
        RegisterClassEx(&wc);
        HWND own = CreateWindowEx(0, "WorkerWnd", "", WS_POPUP, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
        created.set_value(own);
        MSG msg;
        while (!done) {
            if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
                std::this_thread::yield();
                continue;
            }
            DispatchMessage(&msg);
        }
        DestroyWindow(own);
        UnregisterClass("WorkerWnd", nullptr);
    });
    HWND workerWindow = created.get_future().get();
    EXPECT_EQ(SendMessage(workerWindow, WM_USER, 0, reinterpret_cast<LPARAM>(gui)), 15);
    done = true;
    worker.join();
}

TEST_F(Messaging, PostFromAnotherThreadWakesTheLoop) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 });
    std::thread poster([w] { PostMessage(w, WM_USER + 3, 1, 2); });
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    poster.join();
    EXPECT_EQ(msg.message, WM_USER + 3);
    EXPECT_EQ(msg.hwnd, w);
}

TEST_F(Messaging, QueuedWorkRunsInTheEventLoop) {
    std::atomic<int> pending{ 0 };
    std::atomic<int> ran{ 0 };
    SetQueuedWorkRunner([&] {
        int n = pending.exchange(0);
        ran += n;
        return n > 0;
    });
    std::thread worker([&] {
        ++pending;
        WakeGuiThread();
        PostMessage(nullptr, WM_NULL, 0, 0);
    });
    worker.join();
    Pump();
    EXPECT_EQ(ran, 1);
    SetQueuedWorkRunner({});
}

TEST_F(Messaging, CallsQueuedForTheMainThreadRunInTheWaitingLoop) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 });
    std::thread worker([w] {
        // Runs on the GUI thread, which is waiting in GetMessage with nothing in its queue.
        QueueToMainThread([w] { PostMessage(w, WM_USER + 4, 0, 0); });
    });
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    worker.join();
    EXPECT_EQ(msg.message, WM_USER + 4);
}

TEST_F(Messaging, ThreadMessagesHaveNoWindow) {
    PostMessage(nullptr, WM_USER + 2, 3, 4);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, WM_USER + 2);
    EXPECT_EQ(DispatchMessage(&msg), 0);
}

} // namespace
} // namespace wintest
