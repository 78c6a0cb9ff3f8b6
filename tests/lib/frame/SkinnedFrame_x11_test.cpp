#include "FrameFixture.h"

#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "platform/forms/TMenuItem.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
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
#include <vector>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace frametest {
namespace {

using namespace x11test;

// Skinned forms on a private X server, worked with real input through the test extension,
// bare (no window manager) or under openbox.
class SkinnedFrameOnX11 : public ::testing::TestWithParam<bool> {
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
        auto backend = std::make_unique<win::X11Backend>(FServer.Name().c_str());
        FBackend = backend.get();
        win::InstallBackend(std::move(backend));
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FSkin = MakeFrameSkin();
        // The main form: sizeable, with the maximize and minimize buttons.
        FApp->CreateForm(FForm);
        FForm->SetBorderStyle(bsSizeable);
        FForm->SetCaption("frame test");
        FForm->SetBounds(100, 100, 300, 200);
        FSkinForm = new TbsSkinForm(FForm);
        FSkinForm->SetBorderIcons({ TbsSkinForm::biMaximize, TbsSkinForm::biMinimize });
        Dress();
        FSkinForm->SetSkinData(FSkin.get());
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm)); }));
        ASSERT_TRUE(RunUntil([&] { return OnScreen(XOf(FForm)) == FForm->BoundsRect(); }));
    }
    void TearDown() override {
        if (!FUser) return;
        FApp.reset();
        FSkin.reset();
        if (FBackend) win::InstallBackend(nullptr);
        if (FDock) XDestroyWindow(FUser, FDock);
        XCloseDisplay(FUser);
    }

    // What a test adds to the main form, its component and its skin before the form shows.
    virtual void Dress() {}

    unsigned long XOf(TWinControl* control) { return FBackend->XWindowOf(control->Handle()); }
    // The middle of a frame object on the screen, as the frame lays it out now.
    static TPoint ObjectCentre(TbsSkinForm* skinForm, const char* name) {
        const TRect r = skinForm->ObjectList.at(std::size_t(skinForm->GetIndex(name)))->ObjectRect;
        const TCustomForm* form = skinForm->Form();
        return TPoint(form->Left() + (r.Left + r.Right) / 2, form->Top() + (r.Top + r.Bottom) / 2);
    }
    // Where the server shows the window, on the given connection.
    static TRect OnScreen(_XDisplay* d, unsigned long window) {
        int x = 0, y = 0;
        ::Window child, root;
        XTranslateCoordinates(d, window, XDefaultRootWindow(d), 0, 0, &x, &y, &child);
        int gx, gy;
        unsigned w = 0, h = 0, border, depth;
        XGetGeometry(d, window, &root, &gx, &gy, &w, &h, &border, &depth);
        return TRect(x, y, x + int(w), y + int(h));
    }
    TRect OnScreen(unsigned long window) { return OnScreen(FUser, window); }
    // Asks the server to report every move and size of the window and of the frames a window
    // manager put it in.
    static void WatchMovesAndSizes(_XDisplay* d, unsigned long window) {
        ::Window w = window;
        while (w) {
            XSelectInput(d, w, StructureNotifyMask);
            ::Window root = 0, parent = 0, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(d, w, &root, &parent, &children, &count)) break;
            if (children) XFree(children);
            w = parent == root ? 0 : parent;
        }
        XSync(d, False);
    }
    // Waits for the server's next report; false when the deadline passed without one.
    static bool NextChange(_XDisplay* d, std::chrono::steady_clock::time_point deadline) {
        while (!XPending(d)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd fd{ ConnectionNumber(d), POLLIN, 0 };
            poll(&fd, 1, int(left.count()));
        }
        while (XPending(d)) {
            XEvent event;
            XNextEvent(d, &event);
        }
        return true;
    }
    static bool WithinAPixel(const TRect& a, const TRect& b) {
        return std::abs(a.Left - b.Left) <= 1 && std::abs(a.Top - b.Top) <= 1 &&
               std::abs(a.Right - b.Right) <= 1 && std::abs(a.Bottom - b.Bottom) <= 1;
    }

    // A drag with the left button in steps, given by a thread of its own while this one runs
    // the program: after each step the server must show the window where expected(step) says,
    // within a pixel. Returns what went wrong.
    std::vector<std::string> Drag(TPoint from, TPoint to, int steps, unsigned long window,
                                  const std::function<TRect(int step)>& expected) {
        std::vector<std::string> problems;
        std::atomic<bool> done{ false };
        const std::string display = FServer.Name();
        std::thread hands([&] {
            _XDisplay* eyes = XOpenDisplay(display.c_str());
            WatchMovesAndSizes(eyes, window);
            auto seen = [&](int step) {
                const TRect want = expected(step);
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                TRect got = OnScreen(eyes, window);
                // Looked at again whenever the server reports a change, until the watchdog.
                while (!WithinAPixel(got, want) && NextChange(eyes, deadline))
                    got = OnScreen(eyes, window);
                if (WithinAPixel(got, want)) return;
                problems.push_back("step " + std::to_string(step) + ": " +
                                   ::testing::PrintToString(got) + " instead of " +
                                   ::testing::PrintToString(want));
            };
            FInput->MovePointer(from.X, from.Y);
            FInput->PressButton();
            for (int i = 1; i <= steps; ++i) {
                FInput->MovePointer(from.X + (to.X - from.X) * i / steps,
                                    from.Y + (to.Y - from.Y) * i / steps);
                seen(i);
            }
            FInput->ReleaseButton();
            seen(steps);
            XCloseDisplay(eyes);
            done = true;
        });
        RunUntil([&] { return done.load(); });
        hands.join();
        // The program has seen the release too.
        RunUntil([&] { return !FSkinForm->FSizeMove; });
        return problems;
    }
    // As a hand double-clicks: the second press comes after the program has had the first
    // click. Four events sent in one burst meet the window manager's own press handling in an
    // order no hand makes, and under openbox the second press then now and then never arrives.
    void DoubleClick(TPoint at) {
        const int before = FFramePresses;
        FInput->Click(at.X, at.Y);
        RunUntil([&] { return FFramePresses > before; }, std::chrono::seconds(5));
        FInput->Click(at.X, at.Y);
    }
    // Counts the presses on the main form's frame it has finished with (a press on the caption
    // returns once the move it began ended with the release) and the releases on its client.
    void CountPresses() {
        FFormProc = FForm->WindowProc;
        FForm->WindowProc = [this](TMessage& m) {
            FFormProc(m);
            if (m.Msg == win::WM_NCLBUTTONDOWN) ++FFramePresses;
            if (m.Msg == win::WM_LBUTTONUP) ++FClientReleases;
        };
    }
    // Minimized as the server has it: iconic for the window manager, unmapped on a bare server.
    bool ShownAsMinimized(unsigned long window) {
        if (!GetParam()) return !XWindowViewable(FUser, window);
        const Atom wmState = XInternAtom(FUser, "WM_STATE", False);
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        long value = -1;
        if (XGetWindowProperty(FUser, window, wmState, 0, 2, False, wmState, &type, &format, &items,
                               &after, &data) == Success &&
            data && items >= 1)
            value = reinterpret_cast<long*>(data)[0];
        if (data) XFree(data);
        return value == IconicState;
    }
    // The work area a maximized form fills: under the manager, the screen above a panel the
    // test adds; on a bare server, which knows no work area, a pixel inside the screen.
    TRect MaximizedBounds() {
        if (!GetParam()) return TRect(1, 1, 799, 599);
        AddBottomPanel();
        EXPECT_TRUE(RunUntil([&] {
            return FBackend->Monitors().front().FWorkArea == win::RECT{ 0, 0, 800, 570 };
        })) << "the panel's strut reached the program";
        return TRect(0, 0, 800, 570);
    }
    // A panel at the bottom of the screen that keeps 30 rows free of windows.
    void AddBottomPanel() {
        FDock = XCreateSimpleWindow(FUser, XDefaultRootWindow(FUser), 0, 570, 800, 30, 0, 0, 0);
        const Atom type = XInternAtom(FUser, "_NET_WM_WINDOW_TYPE", False);
        const Atom dock = XInternAtom(FUser, "_NET_WM_WINDOW_TYPE_DOCK", False);
        XChangeProperty(FUser, FDock, type, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&dock), 1);
        const long strut[12] = { 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 799 };
        XChangeProperty(FUser, FDock, XInternAtom(FUser, "_NET_WM_STRUT_PARTIAL", False),
                        XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(strut), 12);
        XChangeProperty(FUser, FDock, XInternAtom(FUser, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 4);
        XMapWindow(FUser, FDock);
        XSync(FUser, False);
    }

    XServer FServer{ 800, 600 };
    std::unique_ptr<XWindowManager> FManager;
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<XTestInput> FInput;
    win::X11Backend* FBackend{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TbsSkinData> FSkin;
    TForm* FForm{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
    unsigned long FDock{ 0 };
    TWndMethod FFormProc;
    int FFramePresses{ 0 };
    int FClientReleases{ 0 };
};

TEST_P(SkinnedFrameOnX11, NoManagerFrameAndTheFrameMovesAndSizesTheWindow) {
    const unsigned long window = XOf(FForm);
    ::Window root, parent, *children = nullptr;
    unsigned count = 0;
    ASSERT_TRUE(XQueryTree(FUser, window, &root, &parent, &children, &count));
    if (children) XFree(children);
    if (GetParam()) {
        // Reparented into the manager's frame, which draws nothing around the form.
        EXPECT_NE(parent, root);
        EXPECT_EQ(OnScreen(parent), FForm->BoundsRect());
    }

    // The caption by (+120, +80), in four steps.
    const TRect start = FForm->BoundsRect();
    auto problems = Drag(TPoint(250, 110), TPoint(370, 190), 4, window, [&](int step) {
        return TRect(start.Left + 30 * step, start.Top + 20 * step, start.Right + 30 * step,
                     start.Bottom + 20 * step);
    });
    EXPECT_EQ(problems, std::vector<std::string>{});
    EXPECT_EQ(FForm->BoundsRect(), TRect(220, 180, 520, 380));

    // The bottom-right border by (+60, +40).
    problems = Drag(TPoint(518, 378), TPoint(578, 418), 2, window,
                    [&](int step) { return TRect(220, 180, 520 + 30 * step, 380 + 20 * step); });
    EXPECT_EQ(problems, std::vector<std::string>{});
    EXPECT_EQ(FForm->BoundsRect(), TRect(220, 180, 580, 420));

    // Far below the minimum: the frame's minimum size.
    const int minW = FSkinForm->GetMinWidth(), minH = FSkinForm->GetMinHeight();
    problems = Drag(TPoint(578, 418), TPoint(240, 190), 1, window,
                    [&](int) { return TRect(220, 180, 220 + minW, 180 + minH); });
    EXPECT_EQ(problems, std::vector<std::string>{});
    EXPECT_EQ(FForm->BoundsRect(), TRect(220, 180, 220 + minW, 180 + minH));
}

TEST_P(SkinnedFrameOnX11, CaptionDoubleClickMaximizesOntoTheWorkAreaAndRestores) {
    const TRect expected = MaximizedBounds();
    const unsigned long window = XOf(FForm);
    CountPresses();
    DoubleClick(TPoint(250, 110));
    EXPECT_TRUE(RunUntil([&] { return FSkinForm->WindowState() == wsMaximized; }));
    EXPECT_TRUE(RunUntil([&] { return WithinAPixel(OnScreen(window), expected); }))
        << ::testing::PrintToString(OnScreen(window));
    EXPECT_EQ(FForm->BoundsRect(), expected);

    DoubleClick(TPoint(400, expected.Top + 10));
    EXPECT_TRUE(RunUntil([&] { return FSkinForm->WindowState() == wsNormal; }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == TRect(100, 100, 400, 300); }));
}

TEST_P(SkinnedFrameOnX11, MagneticFormSnapsToTheLeftEdge) {
    TForm* about = nullptr;
    FApp->CreateForm(about);
    about->SetBounds(300, 200, 260, 160);
    auto* skinForm = new TbsSkinForm(about);
    skinForm->SetBorderIcons({ TbsSkinForm::biRollUp });
    skinForm->SetMagnetic(true);
    skinForm->SetMagneticSize(10);
    skinForm->SetSkinData(FSkin.get());
    about->Show();
    const unsigned long window = XOf(about);
    ASSERT_TRUE(RunUntil([&] {
        return XWindowViewable(FUser, window) && OnScreen(window) == TRect(300, 200, 560, 360);
    }));
    // Grabbed at (400, 210) and let go with the form 5 pixels from the edge.
    std::atomic<bool> done{ false };
    std::thread hands([&] {
        FInput->MovePointer(400, 210);
        FInput->PressButton();
        for (int x = 380; x >= 105; x -= 25)
            FInput->MovePointer(x, 210);
        FInput->MovePointer(105, 210);
        FInput->ReleaseButton();
        done = true;
    });
    RunUntil([&] { return done.load(); });
    hands.join();
    EXPECT_TRUE(RunUntil([&] { return !skinForm->FSizeMove && about->Left() == 0; }))
        << about->Left();
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window).Left == 0; }));
}

TEST_P(SkinnedFrameOnX11, MainFormMinimizesTheProgramAndComesBack) {
    const unsigned long window = XOf(FForm);
    FSkinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(FSkinForm->WindowState(), wsNormal);
    EXPECT_TRUE(RunUntil([&] { return ShownAsMinimized(window); }));
    FApp->Restore();
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, window); }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == TRect(100, 100, 400, 300); }));
}

// A second form whose skin has caption buttons of its own: maximize, minimize, roll-up, close.
TEST_P(SkinnedFrameOnX11, CaptionButtonsDoTheirCommandsWhenClicked) {
    auto skin = MakeFrameSkin();
    AddStdButton(*skin, "close", cmClose, TRect(0, 0, 14, 14));
    AddStdButton(*skin, "max", cmMaximize, TRect(16, 0, 30, 14));
    AddStdButton(*skin, "min", cmMinimize, TRect(32, 0, 46, 14));
    AddStdButton(*skin, "roll", cmRollUp, TRect(48, 0, 62, 14));
    TForm* form = nullptr;
    FApp->CreateForm(form);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(200, 150, 320, 200);
    auto* skinForm = new TbsSkinForm(form);
    skinForm->SetBorderIcons(
        { TbsSkinForm::biMaximize, TbsSkinForm::biMinimize, TbsSkinForm::biRollUp });
    skinForm->SetSkinData(skin.get());
    form->Show();
    const unsigned long window = XOf(form);
    ASSERT_TRUE(RunUntil([&] {
        return XWindowViewable(FUser, window) && OnScreen(window) == TRect(200, 150, 520, 350);
    }));
    auto centre = [&](const char* name) { return ObjectCentre(skinForm, name); };
    auto click = [&](const char* name) {
        const TPoint at = centre(name);
        FInput->Click(at.X, at.Y);
    };

    click("max");
    EXPECT_TRUE(RunUntil([&] { return skinForm->WindowState() == wsMaximized; }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window).Width() >= 790; }))
        << ::testing::PrintToString(OnScreen(window));
    click("max"); // now the restore button
    EXPECT_TRUE(RunUntil([&] { return skinForm->WindowState() == wsNormal; }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == TRect(200, 150, 520, 350); }))
        << ::testing::PrintToString(OnScreen(window));

    click("roll");
    EXPECT_TRUE(RunUntil([&] { return skinForm->RollUpState(); }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window).Height() == skinForm->GetMinHeight(); }))
        << ::testing::PrintToString(OnScreen(window));
    click("roll");
    EXPECT_TRUE(RunUntil([&] { return !skinForm->RollUpState(); }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == TRect(200, 150, 520, 350); }));

    // A press on close let go over the client does nothing.
    const TPoint close = centre("close");
    FInput->MovePointer(close.X, close.Y);
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return skinForm->MouseCaptureObject != -1; }));
    FInput->MovePointer(300, 280);
    FInput->ReleaseButton();
    ASSERT_TRUE(RunUntil([&] { return skinForm->MouseCaptureObject == -1; }));
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(XWindowViewable(FUser, window));

    click("min");
    EXPECT_TRUE(RunUntil([&] { return skinForm->WindowState() == wsMinimized; }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == form->BoundsRect(); }));
    EXPECT_EQ(form->Height(), skinForm->GetMinHeight()) << "a bar of the caption";

    skinForm->SetWindowState(wsNormal);
    ASSERT_TRUE(RunUntil([&] { return OnScreen(window) == TRect(200, 150, 520, 350); }));
    click("close");
    EXPECT_TRUE(RunUntil([&] { return !XWindowViewable(FUser, window); }));
    EXPECT_FALSE(form->Visible());
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, SkinnedFrameOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "Bare"; });

// The whole frame: the main form with every caption button of the skin and a skinned menu
// bar of four items over a skinned main menu, each item with three rows that note when they
// run.
class WholeFrameOnX11 : public SkinnedFrameOnX11 {
protected:
    void Dress() override {
        AddStdButton(*FSkin, "close", cmClose, TRect(0, 0, 14, 14));
        AddStdButton(*FSkin, "max", cmMaximize, TRect(16, 0, 30, 14));
        AddStdButton(*FSkin, "min", cmMinimize, TRect(32, 0, 46, 14));
        AddStdButton(*FSkin, "roll", cmRollUp, TRect(48, 0, 62, 14));
        FSkinForm->SetBorderIcons({ TbsSkinForm::biSystemMenu, TbsSkinForm::biMaximize,
                                    TbsSkinForm::biMinimize, TbsSkinForm::biRollUp });
        FMenu = new TbsSkinMainMenu(FForm);
        FMenu->SetSkinData(FSkin.get());
        for (const char* caption : { "&File", "&Edit", "&View", "&Help" }) {
            auto* top = new TMenuItem(FForm);
            top->SetCaption(caption);
            FMenu->Items().Add(top);
            for (const char* row : { "One", "Two", "Three" }) {
                auto* item = new TMenuItem(FForm);
                item->SetCaption(row);
                item->OnClick = [this, top, row](TObject*) {
                    FCommands.push_back(top->Caption() + " " + row);
                };
                top->Add(item);
            }
        }
        FBar = new TbsSkinMainMenuBar(FForm);
        FBar->SetParent(FForm);
        FBar->SetSkinForm(FSkinForm);
        FBar->SetMainMenu(FMenu);
        FSkinForm->SetMainMenuBar(FBar);
    }

    // Where the bar shows an item, on the screen.
    TRect ItemOnScreen(std::size_t item) {
        const TRect& r = FBar->ObjectList.at(item)->ObjectRect;
        return TRect(FBar->ClientToScreen(r.TopLeft()), FBar->ClientToScreen(r.BottomRight()));
    }
    TbsSkinMenu& Menu() { return FSkinForm->SkinMenu(); }
    // The open menu's first level once the server shows it; nullptr when none came.
    TbsSkinPopupWindow* ShownLevel() {
        const bool shown = RunUntil([&] {
            return Menu().Visible() && !Menu().PopupList().empty() &&
                   XWindowViewable(FUser, XOf(Menu().PopupList().front()));
        });
        return shown ? Menu().PopupList().front() : nullptr;
    }
    // The bar item shown highlighted, -1 for none.
    int HighlightedItem() const {
        for (std::size_t i = 0; i < FBar->ObjectList.size(); ++i)
            if (FBar->ObjectList[i]->Active) return int(i);
        return -1;
    }
    static TPoint RowCentre(TbsSkinPopupWindow* level, int row) {
        const TRect& r = level->ItemList().at(std::size_t(row))->ObjectRect;
        return level->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // Every level closed, off the screen, and the form out of both menu modes.
    bool MenusClosed(unsigned long level) {
        return !Menu().Visible() && Menu().PopupList().empty() && !FSkinForm->InMenu &&
               !FSkinForm->InMainMenu && !XWindowViewable(FUser, level);
    }
    // A key as a hand types it; the next comes once the program shows it took this one.
    void Type(unsigned long keysym, const std::function<bool()>& taken) {
        FInput->TypeKey(keysym);
        EXPECT_TRUE(RunUntil(taken)) << "key " << keysym;
    }
    // Keys go to the form: a click on its client area below the bar activates it.
    void FocusForm() {
        // Under the manager the focus comes with the press, before the program has the click:
        // a click it took late would close the menu the next keys open.
        CountPresses();
        FInput->Click(FForm->Left() + FForm->Width() / 2, FForm->Top() + FForm->Height() - 30);
        ASSERT_TRUE(RunUntil([&] { return FClientReleases > 0; }));
        ASSERT_TRUE(RunUntil([&] {
            ::Window focus = 0;
            int revert = 0;
            XGetInputFocus(FUser, &focus, &revert);
            // A bare server sends the keys to the window under the pointer.
            const bool keysReachTheForm =
                focus == XOf(FForm) || (!GetParam() && focus == PointerRoot);
            return keysReachTheForm && FForm->Active() && FSkinForm->GetFormActive();
        }));
    }

    // The menus' key hook sits in the application's loop.
    ProgramLoop FLoop{ [this] {
        if (FApp) FApp->ProcessMessages();
    } };
    TbsSkinMainMenu* FMenu{ nullptr };
    TbsSkinMainMenuBar* FBar{ nullptr };
    std::vector<std::string> FCommands;
};

TEST_P(WholeFrameOnX11, MovesAndSizesByTheFrameAndChangesStateByTheCaptionButtons) {
    const TRect maximized = MaximizedBounds();
    const unsigned long window = XOf(FForm);
    // Grabbed on the caption, away from the buttons.
    const TRect start = FForm->BoundsRect();
    const TPoint grip(start.Left + 40, start.Top + 10);
    auto problems = Drag(grip, TPoint(grip.X + 60, grip.Y + 40), 2, window, [&](int step) {
        return TRect(start.Left + 30 * step, start.Top + 20 * step, start.Right + 30 * step,
                     start.Bottom + 20 * step);
    });
    EXPECT_EQ(problems, std::vector<std::string>{});
    const TRect moved(start.Left + 60, start.Top + 40, start.Right + 60, start.Bottom + 40);
    EXPECT_EQ(FForm->BoundsRect(), moved);

    problems = Drag(TPoint(moved.Right - 2, moved.Bottom - 2),
                    TPoint(moved.Right + 38, moved.Bottom + 28), 2, window, [&](int step) {
                        return TRect(moved.Left, moved.Top, moved.Right + 20 * step,
                                     moved.Bottom + 15 * step);
                    });
    EXPECT_EQ(problems, std::vector<std::string>{});
    const TRect normal(moved.Left, moved.Top, moved.Right + 40, moved.Bottom + 30);
    EXPECT_EQ(FForm->BoundsRect(), normal);

    auto click = [&](const char* name) {
        const TPoint at = ObjectCentre(FSkinForm, name);
        FInput->Click(at.X, at.Y);
    };
    click("max");
    EXPECT_TRUE(RunUntil([&] { return FSkinForm->WindowState() == wsMaximized; }));
    EXPECT_TRUE(RunUntil([&] { return WithinAPixel(OnScreen(window), maximized); }))
        << ::testing::PrintToString(OnScreen(window));
    EXPECT_EQ(FForm->BoundsRect(), maximized);
    click("max"); // the restore button now
    EXPECT_TRUE(RunUntil([&] { return FSkinForm->WindowState() == wsNormal; }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == normal; }))
        << ::testing::PrintToString(OnScreen(window));

    // The main form minimizes the program.
    click("min");
    EXPECT_TRUE(RunUntil([&] { return ShownAsMinimized(window); }));
    FApp->Restore();
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, window); }));
    EXPECT_TRUE(RunUntil([&] { return OnScreen(window) == normal; }))
        << ::testing::PrintToString(OnScreen(window));
}

TEST_P(WholeFrameOnX11, ABarItemOpensItsMenuBelowItAndAClickedRowRunsOnceAndClosesAll) {
    const TRect item = ItemOnScreen(1);
    FInput->Click((item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2);
    TbsSkinPopupWindow* level = ShownLevel();
    ASSERT_NE(level, nullptr);
    const unsigned long levelWindow = XOf(level);
    EXPECT_EQ(OnScreen(levelWindow).TopLeft(), TPoint(item.Left, item.Bottom));
    EXPECT_TRUE(FSkinForm->InMainMenu);

    const TPoint row = RowCentre(level, 2);
    FInput->MovePointer(row.X, row.Y);
    EXPECT_TRUE(RunUntil([&] { return level->ActiveItem() == 2; }));
    FInput->Click(row.X, row.Y);
    EXPECT_TRUE(RunUntil([&] { return MenusClosed(levelWindow); }));
    EXPECT_EQ(FCommands, std::vector<std::string>{ "&Edit Three" });

    // Open again: a click on the desktop closes it and runs nothing.
    FInput->Click((item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2);
    level = ShownLevel();
    ASSERT_NE(level, nullptr);
    const unsigned long again = XOf(level);
    FInput->Click(700, 550);
    EXPECT_TRUE(RunUntil([&] { return MenusClosed(again); }));
    EXPECT_EQ(FCommands, std::vector<std::string>{ "&Edit Three" });
}

TEST_P(WholeFrameOnX11, AltWithAnAcceleratorOpensAMenuAndF10EntersMenuModeUntilEscape) {
    FocusForm();
    FInput->PressKey(XK_Alt_L);
    FInput->TypeKey(XK_f);
    FInput->ReleaseKey(XK_Alt_L);
    TbsSkinPopupWindow* level = ShownLevel();
    ASSERT_NE(level, nullptr);
    const unsigned long levelWindow = XOf(level);
    EXPECT_EQ(level->ItemList().front()->MenuItem, FMenu->Items().Items(0)->Items(0));
    // A menu opens with its first row highlighted.
    EXPECT_EQ(level->ActiveItem(), 0);
    Type(XK_Down, [&] { return level->ActiveItem() == 1; });
    Type(XK_Down, [&] { return level->ActiveItem() == 2; });
    FInput->TypeKey(XK_Return);
    EXPECT_TRUE(RunUntil([&] { return MenusClosed(levelWindow); }));
    EXPECT_EQ(FCommands, std::vector<std::string>{ "&File Three" });

    Type(XK_F10, [&] { return FSkinForm->InMainMenu && HighlightedItem() == 0; });
    Type(XK_Right, [&] { return HighlightedItem() == 1; });
    Type(XK_Escape, [&] { return !FSkinForm->InMainMenu; });
    EXPECT_EQ(HighlightedItem(), -1);
    EXPECT_FALSE(Menu().Visible());
    EXPECT_EQ(FCommands, std::vector<std::string>{ "&File Three" }) << "nothing more ran";
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, WholeFrameOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "Bare"; });

} // namespace
} // namespace frametest
