#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace win;
using namespace x11test;

std::vector<UINT_PTR> g_settingChanges;

LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SETTINGCHANGE) g_settingChanges.push_back(w);
    return DefWindowProc(h, m, w, l);
}

// A private X server with the program's display on it, a second connection that plays the
// desktop's other programs, and a window class whose windows log WM_SETTINGCHANGE.
class WindowManagerX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
        FOther = XOpenDisplay(FServer.Name().c_str());
        if (!FOther) GTEST_SKIP() << "the X server did not accept a client";
        g_settingChanges.clear();
    }
    void TearDown() override {
        for (HWND h : FWindows)
            if (IsWindow(h)) DestroyWindow(h);
        if (FDisplay) {
            UnregisterClass("WmTestWnd", nullptr);
            InstallBackend(nullptr);
        }
        if (FOther) XCloseDisplay(FOther);
    }
    void StartProgram() {
        auto owned = std::make_unique<X11Backend>(FServer.Name().c_str());
        FDisplay = owned.get();
        InstallBackend(std::move(owned));
        WNDCLASSEX wc;
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = "WmTestWnd";
        RegisterClassEx(&wc);
    }
    HWND Create(DWORD style, int x, int y, int w, int h) {
        HWND hwnd = CreateWindowEx(0, "WmTestWnd", "wm test", style, x, y, w, h, nullptr, nullptr,
                                   nullptr, nullptr);
        FWindows.push_back(hwnd);
        return hwnd;
    }
    // Sets a CARDINAL list on the root window, as a window manager does.
    void SetRootCardinals(const char* name, const std::vector<long>& values) {
        const Atom atom = XInternAtom(FOther, name, False);
        XChangeProperty(FOther, DefaultRootWindow(FOther), atom, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.data()), int(values.size()));
        XSync(FOther, False);
    }
    RECT WorkArea() const { return FDisplay->Monitors().front().FWorkArea; }

    XServer FServer{ 800, 600 };
    Display* FOther{ nullptr };
    X11Backend* FDisplay{ nullptr };
    std::vector<HWND> FWindows;
};

TEST_F(WindowManagerX11, WorkAreaIsTheCurrentDesktopsAndFollowsItsChanges) {
    StartProgram();
    EXPECT_EQ(WorkArea(), (RECT{ 0, 0, 800, 600 })) << "no _NET_WORKAREA: the whole monitor";
    HWND w = Create(WS_POPUP | WS_VISIBLE, 10, 10, 100, 100);
    ASSERT_TRUE(w);

    // A panel starts after the program: two desktops, the second one current.
    SetRootCardinals("_NET_WORKAREA", { 0, 0, 800, 570, 0, 40, 800, 560 });
    SetRootCardinals("_NET_CURRENT_DESKTOP", { 1 });
    EXPECT_TRUE(RunUntil([&] { return WorkArea() == RECT{ 0, 40, 800, 600 }; }));
    EXPECT_TRUE(RunUntil([] {
        return !g_settingChanges.empty() && g_settingChanges.back() == SPI_SETWORKAREA;
    })) << "top-level windows hear that the work area changed";

    g_settingChanges.clear();
    SetRootCardinals("_NET_CURRENT_DESKTOP", { 0 });
    EXPECT_TRUE(RunUntil([&] { return WorkArea() == RECT{ 0, 0, 800, 570 }; }));
    EXPECT_TRUE(RunUntil([] { return !g_settingChanges.empty(); }));
}

TEST_F(WindowManagerX11, BareServerHasNoManagerAndMinimizeUnmaps) {
    StartProgram();
    EXPECT_FALSE(FDisplay->WindowManager().FPresent);
    HWND w = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120);
    const unsigned long xw = FDisplay->XWindowOf(w);
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FOther, xw); }));

    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(RunUntil([&] { return !XWindowViewable(FOther, xw); }))
        << "nothing would answer an iconify request: the window leaves the screen";
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FOther, xw); }));
    EXPECT_FALSE(IsIconic(w));
}

TEST_F(WindowManagerX11, NormalHintsCarryTheSizeLimits) {
    StartProgram();
    HWND fixed = Create(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 10, 10, 300, 200);
    HWND sizeable = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
    ASSERT_TRUE(fixed && sizeable);
    XSync(FDisplay->XDisplay(), False);
    auto hints = [&](HWND h) {
        XSizeHints read{};
        long supplied = 0;
        XGetWMNormalHints(FOther, FDisplay->XWindowOf(h), &read, &supplied);
        return read;
    };
    const XSizeHints f = hints(fixed);
    ASSERT_TRUE(f.flags & PMinSize);
    ASSERT_TRUE(f.flags & PMaxSize);
    EXPECT_EQ(f.min_width, 300);
    EXPECT_EQ(f.max_width, 300);
    EXPECT_EQ(f.min_height, 200);
    EXPECT_EQ(f.max_height, 200);
    const XSizeHints s = hints(sizeable);
    ASSERT_TRUE(s.flags & PMinSize);
    EXPECT_LT(s.min_width, 300);
    EXPECT_GT(s.max_width, 300);
    EXPECT_TRUE(s.flags & USPosition) << "the position the program asked stays a user's choice";

    SetWindowPos(fixed, nullptr, 0, 0, 360, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    XSync(FDisplay->XDisplay(), False);
    EXPECT_EQ(hints(fixed).min_width, 360);
    EXPECT_EQ(hints(fixed).max_height, 90);
}

TEST_F(WindowManagerX11, ManagerIsFoundAndIconifies) {
    XWindowManager manager(FServer.Name());
    if (!manager.Running()) GTEST_SKIP() << "openbox is not available";
    StartProgram();
    EXPECT_TRUE(FDisplay->WindowManager().FPresent);
    EXPECT_TRUE(FDisplay->WindowManager().FMoveResize);

    HWND w = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120);
    const unsigned long xw = FDisplay->XWindowOf(w);
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FOther, xw); }));
    const Atom wmState = XInternAtom(FOther, "WM_STATE", False);
    auto state = [&] {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        long value = -1;
        if (XGetWindowProperty(FOther, xw, wmState, 0, 2, False, wmState, &type, &format, &items,
                               &after, &data) == Success &&
            data && items >= 1)
            value = reinterpret_cast<long*>(data)[0];
        if (data) XFree(data);
        return value;
    };
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(RunUntil([&] { return state() == IconicState; }));
    ShowWindow(w, SW_RESTORE);
    EXPECT_TRUE(RunUntil([&] { return state() == NormalState && XWindowViewable(FOther, xw); }));
}

TEST_F(WindowManagerX11, ManagerStartingLaterIsNoticed) {
    StartProgram();
    EXPECT_FALSE(FDisplay->WindowManager().FPresent);
    XWindowManager manager(FServer.Name());
    if (!manager.Running()) GTEST_SKIP() << "openbox is not available";
    EXPECT_TRUE(RunUntil([&] { return FDisplay->WindowManager().FPresent; }));
}

} // namespace
