#include "FrameFixture.h"

#include "lib/frame/TbsFormLayerBorder.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XCompositor.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <poll.h>
#include <string>
#include <thread>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace frametest {
namespace {

using namespace x11test;

constexpr std::uint32_t kDesktop = 0x3366CC;

// The layered border of a skinned form on a private X server, bare or under openbox, with a
// compositing manager when the test starts one.
class LayerBorderOnX11 : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
        if (GetParam()) {
            FManager = std::make_unique<XWindowManager>(FServer.Name());
            if (!FManager->Running()) GTEST_SKIP() << "openbox is not installed or did not start";
        }
        FUser = XOpenDisplay(FServer.Name().c_str());
        if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
        FInput = std::make_unique<XTestInput>(FServer.Name());
        if (!FInput->Available()) GTEST_SKIP() << "the server has no test extension";
        PaintDesktop();
    }
    void TearDown() override {
        if (!FUser) return;
        FApp.reset();
        FSkin.reset();
        if (FBackend) win::InstallBackend(nullptr);
        FCompositor.reset();
        if (FOther) XDestroyWindow(FUser, FOther);
        if (FBackground) XFreePixmap(FUser, FBackground);
        XCloseDisplay(FUser);
    }

    // The desktop in one colour, as a desktop program sets it: the root's background and the
    // pixmap a compositor paints below the windows (_XROOTPMAP_ID).
    void PaintDesktop() {
        const ::Window root = XDefaultRootWindow(FUser);
        FBackground = XCreatePixmap(FUser, root, 800, 600, unsigned(XDefaultDepth(FUser, 0)));
        GC gc = XCreateGC(FUser, FBackground, 0, nullptr);
        XSetForeground(FUser, gc, kDesktop);
        XFillRectangle(FUser, FBackground, gc, 0, 0, 800, 600);
        XFreeGC(FUser, gc);
        XChangeProperty(FUser, root, XInternAtom(FUser, "_XROOTPMAP_ID", False), XA_PIXMAP, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&FBackground), 1);
        XSetWindowBackgroundPixmap(FUser, root, FBackground);
        XClearWindow(FUser, root);
        XSync(FUser, False);
    }
    bool StartCompositor() {
        FCompositor = std::make_unique<XCompositor>(FServer.Name());
        return FCompositor->Running();
    }
    // The program with a skinned form at (100, 100) 400 x 300 whose skin has a layered border;
    // the border stands 34 pixels left of the form and 31 above it.
    void StartProgram() {
        FPopupsBefore = ViewablePopups();
        auto backend = std::make_unique<win::X11Backend>(FServer.Name().c_str());
        FBackend = backend.get();
        win::InstallBackend(std::move(backend));
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FSkin = MakeFrameSkin();
        AddLayerFrame(*FSkin, false);
        FApp->CreateForm(FForm);
        FForm->SetBorderStyle(bsSizeable);
        FForm->SetCaption("layer test");
        FForm->SetBounds(100, 100, 400, 300);
        FSkinForm = new TbsSkinForm(FForm);
        FSkinForm->SetSkinData(FSkin.get());
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm->Handle())); }));
    }
    unsigned long XOf(win::HWND hwnd) const { return FBackend->XWindowOf(hwnd); }
    TbsFormLayerBorder& Border() const { return FSkinForm->LayerBorder(); }
    unsigned long TopBorderWindow() const {
        TbsFormLayerWindow* top = Border().Window(bsflTop);
        return top ? XOf(top->Handle()) : 0;
    }
    TPoint OnScreen(unsigned long window) const {
        int x = 0, y = 0;
        ::Window child;
        XTranslateCoordinates(FUser, window, XDefaultRootWindow(FUser), 0, 0, &x, &y, &child);
        return TPoint(x, y);
    }
    // What the screen shows at x, y (the compositor's picture when one runs).
    std::uint32_t ScreenPixel(int x, int y) const {
        return XPixelAt(FUser, XDefaultRootWindow(FUser), x, y).value_or(0xFFFFFFFF);
    }
    bool ShowsOnScreen(int x, int y, std::uint32_t colour) {
        return RunUntil([&] { return ScreenPixel(x, y) == colour; }, std::chrono::seconds(10));
    }
    // The viewable windows that no window manager may frame (override-redirect ones).
    int ViewablePopups() const {
        int count = 0;
        ::Window root, parent, *children = nullptr;
        unsigned n = 0;
        if (!XQueryTree(FUser, XDefaultRootWindow(FUser), &root, &parent, &children, &n)) return 0;
        for (unsigned i = 0; i < n; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(FUser, children[i], &a) && a.override_redirect &&
                a.map_state == IsViewable)
                ++count;
        }
        if (children) XFree(children);
        return count;
    }
    // The place of the top-level window holding window (its own or its frame) in the stack of
    // the root's children, 0 at the bottom; -1 when it is not there.
    int StackIndex(unsigned long window) const {
        ::Window root, parent, *children = nullptr;
        unsigned n = 0;
        for (;;) {
            if (!XQueryTree(FUser, window, &root, &parent, &children, &n)) return -1;
            if (children) XFree(children);
            if (parent == root) break;
            window = parent;
        }
        int index = -1;
        if (!XQueryTree(FUser, root, &root, &parent, &children, &n)) return -1;
        for (unsigned i = 0; i < n; ++i)
            if (children[i] == window) index = int(i);
        if (children) XFree(children);
        return index;
    }
    // Every side window of the border lies directly above the form's top-level window.
    bool BorderRightAboveTheForm() const {
        const int form = StackIndex(XOf(FForm->Handle()));
        for (auto type : { bsflLeft, bsflTop, bsflRight, bsflBottom }) {
            TbsFormLayerWindow* side = Border().Window(type);
            const int at = side ? StackIndex(XOf(side->Handle())) : -1;
            if (at <= form || at > form + 4) return false;
        }
        return true;
    }
    // A press on the caption, moved by (dx, dy) in steps and released, by a thread of its own
    // while this one runs the program's move loop. As a hand drags: each step waits until the
    // server shows the form where the last one took it.
    void DragCaption(TPoint from, int dx, int dy) {
        std::atomic<bool> done{ false };
        const unsigned long form = XOf(FForm->Handle());
        const TPoint start = FForm->BoundsRect().TopLeft();
        const std::string display = FServer.Name();
        std::thread hands([&] {
            _XDisplay* eyes = XOpenDisplay(display.c_str());
            auto seen = [&](TPoint want) {
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                while (std::chrono::steady_clock::now() < deadline) {
                    int x = 0, y = 0;
                    ::Window child;
                    XTranslateCoordinates(eyes, form, XDefaultRootWindow(eyes), 0, 0, &x, &y,
                                          &child);
                    if (TPoint(x, y) == want) return;
                    poll(nullptr, 0, 10);
                }
            };
            FInput->MovePointer(from.X, from.Y);
            FInput->PressButton();
            for (int i = 1; i <= 4; ++i) {
                FInput->MovePointer(from.X + dx * i / 4, from.Y + dy * i / 4);
                seen(TPoint(start.X + dx * i / 4, start.Y + dy * i / 4));
            }
            FInput->ReleaseButton();
            XCloseDisplay(eyes);
            done = true;
        });
        RunUntil([&] { return done.load(); });
        hands.join();
        RunUntil([&] { return !FSkinForm->FSizeMove; });
    }

    XServer FServer{ 800, 600 };
    std::unique_ptr<XWindowManager> FManager;
    std::unique_ptr<XCompositor> FCompositor;
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<XTestInput> FInput;
    win::X11Backend* FBackend{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TbsSkinData> FSkin;
    TForm* FForm{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
    unsigned long FBackground{ 0 };
    unsigned long FOther{ 0 };
    int FPopupsBefore{ 0 };
};

TEST_P(LayerBorderOnX11, ComposedOverTheDesktopFollowingTheCompositor) {
    if (!StartCompositor()) GTEST_SKIP() << "xcompmgr is not installed or did not start";
    StartProgram();
    ASSERT_TRUE(win::LayeredWindowsAvailable());
    ASSERT_TRUE(
        RunUntil([&] { return TopBorderWindow() && XWindowViewable(FUser, TopBorderWindow()); }));
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(FUser, TopBorderWindow(), &a));
    EXPECT_EQ(a.depth, 32) << "a visual with alpha";
    EXPECT_TRUE(RunUntil([&] { return BorderRightAboveTheForm(); }));
    // The picture's outermost ring is clear: the desktop shows through; further in the picture
    // is opaque and shows itself.
    EXPECT_TRUE(ShowsOnScreen(66, 69, kDesktop)) << std::hex << ScreenPixel(66, 69);
    EXPECT_TRUE(ShowsOnScreen(66 + 40, 69 + 35, LayerPixel(40, 35)))
        << std::hex << ScreenPixel(66 + 40, 69 + 35);

    // The compositor ends: nothing composes the border any more, so it leaves the screen
    // rather than show black; it comes back with a compositor.
    FCompositor->Stop();
    EXPECT_TRUE(RunUntil([] { return !win::LayeredWindowsAvailable(); }));
    EXPECT_TRUE(RunUntil([&] { return !XWindowViewable(FUser, TopBorderWindow()); }));
    ASSERT_TRUE(StartCompositor());
    EXPECT_TRUE(RunUntil([] { return win::LayeredWindowsAvailable(); }));
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, TopBorderWindow()); }));
    EXPECT_TRUE(RunUntil([&] { return BorderRightAboveTheForm(); }));
    EXPECT_TRUE(ShowsOnScreen(66, 69, kDesktop)) << std::hex << ScreenPixel(66, 69);
}

TEST_P(LayerBorderOnX11, BorderFollowsACaptionDrag) {
    if (!StartCompositor()) GTEST_SKIP() << "xcompmgr is not installed or did not start";
    StartProgram();
    ASSERT_TRUE(
        RunUntil([&] { return TopBorderWindow() && XWindowViewable(FUser, TopBorderWindow()); }));
    // The press falls where the top side window lies over the caption: the border lets it
    // through to the form.
    DragCaption(TPoint(250, 110), 120, 80);
    ASSERT_EQ(FForm->BoundsRect().TopLeft(), TPoint(220, 180));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(TopBorderWindow()) == TPoint(186, 149); }))
        << ::testing::PrintToString(OnScreen(TopBorderWindow()));
    TbsFormLayerWindow* left = Border().Window(bsflLeft);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(RunUntil([&] { return OnScreen(XOf(left->Handle())) == TPoint(186, 192); }))
        << ::testing::PrintToString(OnScreen(XOf(left->Handle())));
}

TEST_P(LayerBorderOnX11, AnotherProgramsWindowOverTheFormCoversTheBorderToo) {
    if (!StartCompositor()) GTEST_SKIP() << "xcompmgr is not installed or did not start";
    StartProgram();
    ASSERT_TRUE(
        RunUntil([&] { return TopBorderWindow() && XWindowViewable(FUser, TopBorderWindow()); }));
    ASSERT_TRUE(RunUntil([&] { return BorderRightAboveTheForm(); }));
    // Opaque border at (106, 104) before anything covers it.
    ASSERT_TRUE(ShowsOnScreen(106, 104, LayerPixel(40, 35)))
        << std::hex << ScreenPixel(106, 104) << std::dec << " form at "
        << ::testing::PrintToString(OnScreen(XOf(FForm->Handle()))) << ", top side at "
        << ::testing::PrintToString(OnScreen(TopBorderWindow()));

    // Another program's window over the form's top-left corner and the border above it.
    constexpr std::uint32_t kRed = 0xCC2020;
    FOther = XCreateSimpleWindow(FUser, XDefaultRootWindow(FUser), 60, 60, 200, 150, 0, 0, kRed);
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = 60;
    hints.y = 60;
    hints.width = 200;
    hints.height = 150;
    XSetWMNormalHints(FUser, FOther, &hints);
    XMapRaised(FUser, FOther);
    XSync(FUser, False);
    EXPECT_TRUE(RunUntil([&] { return StackIndex(TopBorderWindow()) < StackIndex(FOther); }))
        << StackIndex(TopBorderWindow()) << " " << StackIndex(FOther);
    // The program restacks the side windows one by one as the server reports the change.
    EXPECT_TRUE(RunUntil([&] { return BorderRightAboveTheForm(); }))
        << "the border keeps to the form";
    EXPECT_TRUE(ShowsOnScreen(106, 104, kRed)) << std::hex << ScreenPixel(106, 104);

    // The form activated again: the window manager raises it, and its border comes along.
    if (!GetParam()) return;
    FInput->Click(300, 380);
    EXPECT_TRUE(RunUntil([&] { return StackIndex(TopBorderWindow()) > StackIndex(FOther); }));
    EXPECT_TRUE(RunUntil([&] { return BorderRightAboveTheForm(); }));
    EXPECT_TRUE(ShowsOnScreen(106, 104, LayerPixel(40, 35))) << std::hex << ScreenPixel(106, 104);
}

TEST_P(LayerBorderOnX11, WithoutACompositorNoBorderWindowShows) {
    StartProgram();
    EXPECT_FALSE(win::LayeredWindowsAvailable());
    EXPECT_FALSE(Border().FVisible);
    EXPECT_EQ(Border().Window(bsflTop), nullptr);
    EXPECT_EQ(ViewablePopups(), FPopupsBefore);
    EXPECT_TRUE(ShowsOnScreen(66, 69, kDesktop))
        << "no black box: " << std::hex << ScreenPixel(66, 69);
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, LayerBorderOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "Bare"; });

} // namespace
} // namespace frametest
