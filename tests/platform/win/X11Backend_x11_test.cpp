#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XWindows.h"
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <thread>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace win;
using namespace x11test;

struct Seen {
    int FClientPaints{ 0 };
    int FChildPaints{ 0 };
    int FChildClicks{ 0 };
    std::string FTyped;
    bool FClosed{ false };
};
Seen g_seen;
HWND g_child{};

void Fill(HWND h, COLORREF colour) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
}

LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    const bool child = h == g_child;
    switch (m) {
    case WM_PAINT:
        Fill(h, child ? RGB(0, 0, 255) : RGB(255, 0, 0));
        ++(child ? g_seen.FChildPaints : g_seen.FClientPaints);
        return 0;
    case WM_LBUTTONDOWN:
        if (child) ++g_seen.FChildClicks;
        return 0;
    case WM_CHAR:
        g_seen.FTyped += char(w);
        return 0;
    case WM_CLOSE:
        g_seen.FClosed = true;
        break;
    default:
        break;
    }
    return DefWindowProc(h, m, w, l);
}

void SendButton(Display* d, unsigned long window, int type, int x, int y, int rootX, int rootY) {
    XEvent e{};
    e.xbutton.type = type;
    e.xbutton.window = window;
    e.xbutton.root = DefaultRootWindow(d);
    e.xbutton.x = x;
    e.xbutton.y = y;
    e.xbutton.x_root = rootX;
    e.xbutton.y_root = rootY;
    e.xbutton.button = Button1;
    e.xbutton.same_screen = True;
    XSendEvent(d, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &e);
    XFlush(d);
}

TEST(X11Backend, WindowShowsPaintsTakesInputAndCloses) {
    XServer server(800, 600);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* user = XOpenDisplay(server.Name().c_str());
    if (!user) GTEST_SKIP() << "the X server did not accept a client";
    auto owned = std::make_unique<X11Backend>(server.Name().c_str());
    X11Backend* display = owned.get();
    InstallBackend(std::move(owned));

    WNDCLASSEX wc;
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "X11TestWnd";
    RegisterClassEx(&wc);
    HWND form = CreateWindowEx(0, "X11TestWnd", "视频", WS_POPUP | WS_VISIBLE, 50, 40, 200, 150,
                               nullptr, nullptr, nullptr, nullptr);
    g_child = CreateWindowEx(0, "X11TestWnd", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, form,
                             nullptr, nullptr, nullptr);
    ASSERT_TRUE(form && g_child);
    const unsigned long xwindow = display->XWindowOf(form);
    ASSERT_NE(xwindow, 0u);

    ASSERT_TRUE(RunUntil([] { return g_seen.FClientPaints > 0 && g_seen.FChildPaints > 0; }));
    XSync(user, False);
    EXPECT_TRUE(RunUntil([&] {
        return XPixelAt(user, xwindow, 150, 100) == 0xFF0000u &&
               XPixelAt(user, xwindow, 20, 20) == 0x0000FFu;
    })) << "the form is red and its child blue on the server";

    // A native child for a video library sits at its window's client area.
    const unsigned long video = NativeChildWindowId(g_child);
    ASSERT_NE(video, 0u);
    // The server has done what the program asked once a round trip on its connection returns.
    XSync(display->XDisplay(), False);
    ::Window root, parent, *children = nullptr;
    unsigned count = 0;
    ASSERT_TRUE(XQueryTree(user, video, &root, &parent, &children, &count));
    if (children) XFree(children);
    EXPECT_EQ(parent, xwindow);
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(user, video, &root, &x, &y, &width, &height, &border, &depth);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(width, 100u);

    SendButton(user, xwindow, ButtonPress, 20, 20, 70, 60);
    SendButton(user, xwindow, ButtonRelease, 20, 20, 70, 60);
    EXPECT_TRUE(RunUntil([] { return g_seen.FChildClicks == 1; }));

    SetFocus(g_child);
    XEvent key{};
    key.xkey.type = KeyPress;
    key.xkey.window = xwindow;
    key.xkey.root = DefaultRootWindow(user);
    key.xkey.keycode = XKeysymToKeycode(user, XK_a);
    key.xkey.same_screen = True;
    XSendEvent(user, xwindow, True, KeyPressMask, &key);
    key.xkey.type = KeyRelease;
    XSendEvent(user, xwindow, True, KeyReleaseMask, &key);
    XFlush(user);
    EXPECT_TRUE(RunUntil([] { return g_seen.FTyped == "a"; }));

    SendXCloseRequest(user, xwindow);
    EXPECT_TRUE(RunUntil([&] { return !IsWindow(form); }));
    EXPECT_TRUE(g_seen.FClosed);

    if (IsWindow(form)) DestroyWindow(form);
    UnregisterClass("X11TestWnd", nullptr);
    InstallBackend(nullptr);
    XCloseDisplay(user);
}

// Waits on the connection for an event of one type to one window, for at most ten seconds.
bool NextEvent(Display* d, unsigned long window, int type, XEvent* e) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (XCheckTypedWindowEvent(d, window, type, e)) return true;
        pollfd p{ ConnectionNumber(d), POLLIN, 0 };
        poll(&p, 1, 100);
    }
    return false;
}

TEST(X11Backend, ClipboardTextTravelsBothWays) {
    XServer server(800, 600);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* other = XOpenDisplay(server.Name().c_str());
    if (!other) GTEST_SKIP() << "the X server did not accept a client";
    InstallBackend(std::make_unique<X11Backend>(server.Name().c_str()));
    const Atom clipboard = XInternAtom(other, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(other, "UTF8_STRING", False);
    const Atom property = XInternAtom(other, "OTHER_PROGRAM", False);
    const ::Window otherWindow =
        XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 1, 1, 0, 0, 0);

    // Another program pastes what we copied; our event loop answers it.
    SetClipboardText("苇川 video");
    std::string pasted;
    std::atomic<bool> done{ false };
    std::thread paster([&] {
        XConvertSelection(other, clipboard, utf8, property, otherWindow, CurrentTime);
        XFlush(other);
        XEvent e;
        if (NextEvent(other, otherWindow, SelectionNotify, &e) && e.xselection.property != None) {
            Atom type;
            int format;
            unsigned long items, after;
            unsigned char* data = nullptr;
            XGetWindowProperty(other, otherWindow, property, 0, 1024, True, AnyPropertyType, &type,
                               &format, &items, &after, &data);
            if (data) {
                pasted.assign(reinterpret_cast<char*>(data), items);
                XFree(data);
            }
        }
        done = true;
    });
    RunUntil([&] { return done.load(); });
    paster.join();
    EXPECT_EQ(pasted, "苇川 video");

    // We paste what another program copied.
    XSetSelectionOwner(other, clipboard, otherWindow, CurrentTime);
    XSync(other, False);
    std::thread owner([&] {
        XEvent e;
        if (!NextEvent(other, otherWindow, SelectionRequest, &e)) return;
        const XSelectionRequestEvent& r = e.xselectionrequest;
        const std::string text = "快照 snapshot";
        XChangeProperty(other, r.requestor, r.property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = r.requestor;
        reply.xselection.selection = r.selection;
        reply.xselection.target = r.target;
        reply.xselection.property = r.property;
        reply.xselection.time = r.time;
        XSendEvent(other, r.requestor, False, NoEventMask, &reply);
        XFlush(other);
    });
    EXPECT_EQ(GetClipboardText(), "快照 snapshot");
    owner.join();

    InstallBackend(nullptr);
    XDestroyWindow(other, otherWindow);
    XCloseDisplay(other);
}

// Whether the window's _NET_WM_STATE names _NET_WM_STATE_ABOVE.
bool StateAbove(Display* d, unsigned long window) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    bool above = false;
    if (XGetWindowProperty(d, window, XInternAtom(d, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                           &type, &format, &items, &after, &data) == Success &&
        data && format == 32) {
        const Atom* states = reinterpret_cast<const Atom*>(data);
        above = std::find(states, states + items, XInternAtom(d, "_NET_WM_STATE_ABOVE", False)) !=
                states + items;
    }
    if (data) XFree(data);
    return above;
}

TEST(X11Backend, TopmostWindowsAskTheWindowManagerToKeepThemAbove) {
    XServer server(800, 600);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* wm = XOpenDisplay(server.Name().c_str());
    if (!wm) GTEST_SKIP() << "the X server did not accept a client";
    // In the place of a window manager, this connection hears what is asked of one.
    XSelectInput(wm, DefaultRootWindow(wm), SubstructureNotifyMask);
    XSync(wm, False);
    auto owned = std::make_unique<X11Backend>(server.Name().c_str());
    X11Backend* display = owned.get();
    InstallBackend(std::move(owned));
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "X11TopWnd";
    RegisterClassEx(&wc);
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    auto sync = [&] { XSync(display->XDisplay(), False); };

    // Before the window is mapped the program writes the state that the manager reads then.
    HWND form = CreateWindowEx(WS_EX_TOPMOST, "X11TopWnd", "", WS_CAPTION, 10, 10, 100, 80, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_TRUE(form);
    const unsigned long xwindow = display->XWindowOf(form);
    sync();
    EXPECT_TRUE(StateAbove(wm, xwindow)) << "created topmost";
    SetWindowPos(form, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    sync();
    EXPECT_FALSE(StateAbove(wm, xwindow));
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, keep);
    sync();
    EXPECT_TRUE(StateAbove(wm, xwindow));

    // A mapped window's state belongs to the manager: the program asks it with a message.
    ShowWindow(form, SW_SHOWNA);
    sync();
    auto request = [&](long action) {
        XEvent e;
        for (;;) {
            if (!NextEvent(wm, xwindow, ClientMessage, &e)) return false;
            if (e.xclient.message_type == XInternAtom(wm, "_NET_WM_STATE", False)) break;
        }
        return e.xclient.data.l[0] == action &&
               Atom(e.xclient.data.l[1]) == XInternAtom(wm, "_NET_WM_STATE_ABOVE", False);
    };
    SetWindowPos(form, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    EXPECT_TRUE(request(0)) << "_NET_WM_STATE_REMOVE of ABOVE";
    SetWindowLong(form, GWL_EXSTYLE, GetWindowLong(form, GWL_EXSTYLE) | WS_EX_TOPMOST);
    EXPECT_TRUE(request(1)) << "_NET_WM_STATE_ADD of ABOVE";

    // The manager forgets a withdrawn window's state; shown again, the window brings its own.
    // (No manager runs here, so the property still holds what was written before the map.)
    SetWindowPos(form, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    ShowWindow(form, SW_HIDE);
    sync();
    EXPECT_TRUE(StateAbove(wm, xwindow));
    ShowWindow(form, SW_SHOWNA);
    sync();
    EXPECT_FALSE(StateAbove(wm, xwindow));

    DestroyWindow(form);
    UnregisterClass("X11TopWnd", nullptr);
    InstallBackend(nullptr);
    XCloseDisplay(wm);
}

} // namespace

namespace {

// The name of the window's _NET_WM_WINDOW_TYPE; empty when it has none.
std::string WindowType(Display* d, unsigned long window) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(d, window, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), 0, 1, False,
                           XA_ATOM, &type, &format, &items, &after, &data) == Success &&
        data && items == 1)
        if (char* text = XGetAtomName(d, *reinterpret_cast<Atom*>(data))) {
            name = text;
            XFree(text);
        }
    if (data) XFree(data);
    return name;
}

TEST(X11Backend, PopupsCarryTheirKindAsWindowType) {
    XServer server(800, 600);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* reader = XOpenDisplay(server.Name().c_str());
    if (!reader) GTEST_SKIP() << "the X server did not accept a client";
    auto owned = std::make_unique<X11Backend>(server.Name().c_str());
    X11Backend* display = owned.get();
    InstallBackend(std::move(owned));
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "X11KindWnd";
    RegisterClassEx(&wc);
    auto make = [](DWORD style) {
        return CreateWindowEx(0, "X11KindWnd", "", style, 10, 10, 60, 40, nullptr, nullptr, nullptr,
                              nullptr);
    };
    HWND form = make(WS_CAPTION);
    HWND popup = make(WS_POPUP);
    auto typeOf = [&](HWND h) {
        XSync(display->XDisplay(), False);
        return WindowType(reader, display->XWindowOf(h));
    };
    EXPECT_EQ(typeOf(form), "_NET_WM_WINDOW_TYPE_NORMAL");
    EXPECT_EQ(typeOf(popup), "_NET_WM_WINDOW_TYPE_POPUP_MENU");
    SetWindowPopupKind(popup, PopupKind::DropDown);
    EXPECT_EQ(typeOf(popup), "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU");
    SetWindowPopupKind(popup, PopupKind::Tooltip);
    EXPECT_EQ(typeOf(popup), "_NET_WM_WINDOW_TYPE_TOOLTIP");
    SetWindowPopupKind(popup, PopupKind::Layer);
    EXPECT_EQ(typeOf(popup), "_NET_WM_WINDOW_TYPE_NOTIFICATION");
    // Nothing composes a layer on this server: shown, it stays off the screen.
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    XSync(display->XDisplay(), False);
    EXPECT_FALSE(XWindowViewable(reader, display->XWindowOf(popup)));
    SetWindowPopupKind(form, PopupKind::Tooltip);
    EXPECT_EQ(typeOf(form), "_NET_WM_WINDOW_TYPE_NORMAL") << "only popups have a kind";

    DestroyWindow(popup);
    DestroyWindow(form);
    UnregisterClass("X11KindWnd", nullptr);
    InstallBackend(nullptr);
    XCloseDisplay(reader);
}

} // namespace

namespace {

// A window manager reparents a window into a frame it first makes at the corner and then moves
// to where the window stood, telling the window nothing more (it did not move on the screen).
// An event of the window's from before the reparent, read after it, gives the root's
// coordinates, not the corner frame's.
TEST(X11Backend, AWindowReparentedIntoAFrameKeepsItsPlace) {
    XServer server(800, 600);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* wm = XOpenDisplay(server.Name().c_str());
    if (!wm) GTEST_SKIP() << "the X server did not accept a client";
    auto owned = std::make_unique<X11Backend>(server.Name().c_str());
    X11Backend* display = owned.get();
    InstallBackend(std::move(owned));
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "X11FramedWnd";
    RegisterClassEx(&wc);
    HWND form = CreateWindowEx(0, "X11FramedWnd", "", WS_POPUP, 141, 118, 200, 150, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_TRUE(form);
    ShowWindow(form, SW_SHOWNA);
    const auto settled = [&] {
        RECT r;
        GetWindowRect(form, &r);
        return r.left == 141 && r.top == 118;
    };
    ASSERT_TRUE(RunUntil(settled));

    const unsigned long xwindow = display->XWindowOf(form);
    // The manager's first word, a size: a real configure event, relative to the root.
    XResizeWindow(wm, xwindow, 210, 150);
    const ::Window frame = XCreateSimpleWindow(wm, DefaultRootWindow(wm), 0, 0, 210, 150, 0, 0, 0);
    XMapWindow(wm, frame);
    XReparentWindow(wm, xwindow, frame, 0, 0);
    XSync(wm, False);
    RunUntil([] { return false; }, std::chrono::milliseconds(200));
    XMoveWindow(wm, frame, 141, 118);
    XSync(wm, False);
    RunUntil([] { return false; }, std::chrono::milliseconds(200));
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r.left, 141);
    EXPECT_EQ(r.top, 118);
    EXPECT_EQ(r.right - r.left, 210) << "the manager's size is taken";

    DestroyWindow(form);
    UnregisterClass("X11FramedWnd", nullptr);
    InstallBackend(nullptr);
    XCloseDisplay(wm);
}

} // namespace
