#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>

#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

// The next event of that type for the window, waiting up to ten seconds for it.
bool NextEvent(Display* d, ::Window window, int type, XEvent* out) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(d)) {
            XNextEvent(d, out);
            if (out->type == type && out->xany.window == window) return true;
        }
        pollfd p{ ConnectionNumber(d), POLLIN, 0 };
        poll(&p, 1, 100);
    }
    return false;
}

::Window MapWindowAt(Display* d, int x, int y, int width, int height, long events) {
    const ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), x, y, unsigned(width),
                                           unsigned(height), 0, 0, 0xFFFFFF);
    XSelectInput(d, w, events);
    XMapWindow(d, w);
    XEvent e;
    NextEvent(d, w, MapNotify, &e);
    return w;
}

TEST(XHelpers, TestExtensionInputReachesTheWindowUnderThePointer) {
    XServer server(400, 300);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* d = XOpenDisplay(server.Name().c_str());
    ASSERT_TRUE(d);
    const ::Window w = MapWindowAt(d, 20, 30, 100, 80,
                                   StructureNotifyMask | PointerMotionMask | ButtonPressMask |
                                       ButtonReleaseMask | KeyPressMask | KeyReleaseMask);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);

    XTestInput input(server.Name());
    ASSERT_TRUE(input.Available());
    XEvent e;
    input.MovePointer(70, 60);
    ASSERT_TRUE(NextEvent(d, w, MotionNotify, &e));
    EXPECT_EQ(e.xmotion.x, 50);
    EXPECT_EQ(e.xmotion.y, 30);
    input.PressButton(3);
    ASSERT_TRUE(NextEvent(d, w, ButtonPress, &e));
    EXPECT_EQ(e.xbutton.button, 3u);
    input.ReleaseButton(3);
    ASSERT_TRUE(NextEvent(d, w, ButtonRelease, &e));
    input.TypeKey(XK_Return);
    ASSERT_TRUE(NextEvent(d, w, KeyPress, &e));
    EXPECT_EQ(XLookupKeysym(&e.xkey, 0), KeySym(XK_Return));
    ASSERT_TRUE(NextEvent(d, w, KeyRelease, &e));
    XCloseDisplay(d);
}

TEST(XHelpers, WindowManagerFramesWindowsUntilItEnds) {
    XServer server(400, 300);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    EXPECT_FALSE(XWindowManagerRuns(server.Name()));
    auto manager = std::make_unique<XWindowManager>(server.Name());
    if (!manager->Running()) GTEST_SKIP() << "openbox is not installed or did not start";
    EXPECT_TRUE(XWindowManagerRuns(server.Name()));

    Display* d = XOpenDisplay(server.Name().c_str());
    ASSERT_TRUE(d);
    const ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 20, 30, 100, 80, 0, 0, 0);
    XSelectInput(d, w, StructureNotifyMask);
    XMapWindow(d, w);
    XEvent e;
    ASSERT_TRUE(NextEvent(d, w, ReparentNotify, &e)) << "the manager put a frame around it";
    EXPECT_NE(e.xreparent.parent, DefaultRootWindow(d));

    manager.reset();
    EXPECT_FALSE(XWindowManagerRuns(server.Name()));
    XCloseDisplay(d);
}

} // namespace
