#include "lib/frame/TbsTrayIcon.h"
#include "platform/gfx/IconObject.h"
#include "platform/shell/X11Tray.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/lib/menus/MenuFixture.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindows.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace frametest {
namespace {

using namespace x11test;
using menustest::TFakeMenuHost;

constexpr int kSlot = 32;

// A system tray as small as the protocol allows, on a connection of its own: it owns the
// screen's tray selection and says so on the root, embeds every icon that asks to dock in a
// strip of its own window (kept in its save set, as an embedder does, so that its quitting
// hands the icons back), and keeps the balloon texts it is sent.
class TTestTrayManager {
public:
    // argb: the tray asks its icons to use a visual with alpha (_NET_SYSTEM_TRAY_VISUAL);
    // Running() is false when the server has none.
    TTestTrayManager(const std::string& display, int left, int top, bool argb = false) {
        FDisplay = XOpenDisplay(display.c_str());
        if (!FDisplay) return;
        const ::Window root = XDefaultRootWindow(FDisplay);
        FOpcode = XInternAtom(FDisplay, "_NET_SYSTEM_TRAY_OPCODE", False);
        FMessageData = XInternAtom(FDisplay, "_NET_SYSTEM_TRAY_MESSAGE_DATA", False);
        FXEmbed = XInternAtom(FDisplay, "_XEMBED", False);
        FXEmbedInfo = XInternAtom(FDisplay, "_XEMBED_INFO", False);
        const Atom selection = XInternAtom(FDisplay, "_NET_SYSTEM_TRAY_S0", False);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.background_pixel = 0x404040;
        FStrip = XCreateWindow(FDisplay, root, left, top, 5 * kSlot, kSlot, 0, CopyFromParent,
                               InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel,
                               &attributes);
        XMapWindow(FDisplay, FStrip);
        if (argb) {
            XVisualInfo info;
            if (!XMatchVisualInfo(FDisplay, XDefaultScreen(FDisplay), 32, TrueColor, &info)) {
                FStrip = 0;
                return;
            }
            const long visual = long(info.visualid);
            XChangeProperty(FDisplay, FStrip,
                            XInternAtom(FDisplay, "_NET_SYSTEM_TRAY_VISUAL", False), XA_VISUALID,
                            32, PropModeReplace, reinterpret_cast<const unsigned char*>(&visual),
                            1);
        }
        XSetSelectionOwner(FDisplay, selection, FStrip, CurrentTime);
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = root;
        e.xclient.message_type = XInternAtom(FDisplay, "MANAGER", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = CurrentTime;
        e.xclient.data.l[1] = long(selection);
        e.xclient.data.l[2] = long(FStrip);
        XSendEvent(FDisplay, root, False, StructureNotifyMask, &e);
        XSync(FDisplay, False);
    }
    // The tray quits: the server hands the icons back to the root.
    ~TTestTrayManager() {
        if (FDisplay) XCloseDisplay(FDisplay);
    }
    bool Running() const { return FDisplay && FStrip; }

    // Answers what the icons asked since the last call.
    void Pump() {
        while (XPending(FDisplay) > 0) {
            XEvent e;
            XNextEvent(FDisplay, &e);
            if (e.type != ClientMessage) continue;
            if (e.xclient.message_type == FOpcode && e.xclient.data.l[1] == 0)
                Dock(::Window(e.xclient.data.l[2]));
            else if (e.xclient.message_type == FOpcode && e.xclient.data.l[1] == 1)
                FMessages.push_back({ std::size_t(e.xclient.data.l[3]), "" });
            else if (e.xclient.message_type == FMessageData && !FMessages.empty())
                AddMessageData(e.xclient.data.b);
        }
    }

    std::vector<::Window> FDocked;
    // Each icon's _XEMBED_INFO as it asked to dock: version and flags.
    std::vector<std::vector<long>> FXEmbedInfos;
    struct Message {
        std::size_t Length;
        std::string Text;
    };
    std::vector<Message> FMessages;
    ::Window FStrip{ 0 };

private:
    void Dock(::Window icon) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<long> info;
        if (XGetWindowProperty(FDisplay, icon, FXEmbedInfo, 0, 2, False, FXEmbedInfo, &type,
                               &format, &count, &after, &data) == Success &&
            data && format == 32)
            info.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        if (data) XFree(data);
        FXEmbedInfos.push_back(info);
        XAddToSaveSet(FDisplay, icon);
        XReparentWindow(FDisplay, icon, FStrip, int(FDocked.size()) * kSlot, 0);
        XResizeWindow(FDisplay, icon, kSlot, kSlot);
        if (info.size() == 2 && (info[1] & 1)) XMapWindow(FDisplay, icon);
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = icon;
        e.xclient.message_type = FXEmbed;
        e.xclient.format = 32;
        e.xclient.data.l[0] = CurrentTime;
        e.xclient.data.l[1] = 0; // XEMBED_EMBEDDED_NOTIFY
        e.xclient.data.l[3] = long(FStrip);
        XSendEvent(FDisplay, icon, False, NoEventMask, &e);
        XSync(FDisplay, False);
        FDocked.push_back(icon);
    }
    void AddMessageData(const char* bytes) {
        Message& m = FMessages.back();
        m.Text.append(bytes, std::min<std::size_t>(20, m.Length - m.Text.size()));
    }

    _XDisplay* FDisplay{ nullptr };
    Atom FOpcode{ 0 };
    Atom FMessageData{ 0 };
    Atom FXEmbed{ 0 };
    Atom FXEmbedInfo{ 0 };
};

// A tray icon of the program's main form on a private X server with the desktop's tray as
// the tray, worked with real input.
class TrayIconOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
        FUser = XOpenDisplay(FServer.Name().c_str());
        if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
        FInput = std::make_unique<XTestInput>(FServer.Name());
        if (!FInput->Available()) GTEST_SKIP() << "the server has no test extension";
        auto backend = std::make_unique<win::X11Backend>(FServer.Name().c_str());
        FBackend = backend.get();
        win::InstallBackend(std::move(backend));
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        auto tray = std::make_unique<win::X11Tray>(*FBackend);
        FTray = tray.get();
        win::InstallTrayBackend(std::move(tray));
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 200, 300, 200);
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm)); }));
    }
    void TearDown() override {
        if (!FUser) return;
        FManager.reset();
        // As the program does: the tray goes before the application.
        win::InstallTrayBackend(nullptr);
        FApp.reset();
        FSkin.reset();
        win::InstallBackend(nullptr);
        XCloseDisplay(FUser);
    }

    unsigned long XOf(TWinControl* control) { return FBackend->XWindowOf(control->Handle()); }
    void StartTray(bool argb = false) {
        FManager = std::make_unique<TTestTrayManager>(FServer.Name(), 560, 0, argb);
        ASSERT_TRUE(FManager->Running());
    }
    // A visible icon of a red picture, with a tip, added as after reading the form.
    void MakeIcon(gfx::Pixel colour = 0xFFFF0000) {
        FIcon = new TbsTrayIcon(FForm);
        TIcon red;
        red.SetHandle(win::CreateIconFromImages({ gfx::Surface(16, 16, colour) }));
        FIcon->SetIcon(red);
        FIcon->SetHint("converter");
        FIcon->OnClick = [this](TObject*) { ++FClicks; };
        FIcon->Loaded();
    }
    unsigned long IconWindow() { return FTray->IconWindow(FIcon->Handle(), 1); }
    // Runs the program and the tray until the icon is docked in it for the n-th time and shown.
    bool WaitDocked(std::size_t n = 1) {
        return RunUntil([&] {
            FManager->Pump();
            return FManager->FDocked.size() == n && IconWindow() == FManager->FDocked.back() &&
                   XWindowViewable(FUser, IconWindow());
        });
    }
    TPoint IconCentre() {
        int x = 0, y = 0;
        ::Window child;
        XTranslateCoordinates(FUser, IconWindow(), XDefaultRootWindow(FUser), kSlot / 2, kSlot / 2,
                              &x, &y, &child);
        return TPoint(x, y);
    }

    XServer FServer{ 800, 600 };
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<XTestInput> FInput;
    win::X11Backend* FBackend{ nullptr };
    win::X11Tray* FTray{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TbsSkinData> FSkin;
    TForm* FForm{ nullptr };
    std::unique_ptr<TTestTrayManager> FManager;
    TbsTrayIcon* FIcon{ nullptr };
    int FClicks{ 0 };
};

TEST_F(TrayIconOnX11, AVisibleIconDocksPaintsItsPictureAtTheTraysSizeAndAClickFiresOnClick) {
    StartTray();
    MakeIcon();
    ASSERT_TRUE(WaitDocked());
    EXPECT_EQ(FManager->FXEmbedInfos.back(), (std::vector<long>{ 0, 1 })) << "version 0, mapped";
    // The 16-pixel picture fills the 32-pixel slot.
    for (const TPoint& p : { TPoint(1, 1), TPoint(16, 16), TPoint(30, 30) })
        EXPECT_TRUE(RunUntil([&] { return XPixelAt(FUser, IconWindow(), p.X, p.Y) == 0xFF0000u; }))
            << p.X << "," << p.Y;

    const TPoint centre = IconCentre();
    FInput->Click(centre.X, centre.Y);
    EXPECT_TRUE(RunUntil([&] { return FClicks == 1; }));
}

TEST_F(TrayIconOnX11, AHalfClearPictureLetsTheTrayShowThroughWithOrWithoutAnAlphaVisual) {
    // Half-transparent red: over the strip's grey on the default visual; premultiplied on the
    // tray's alpha visual, for the tray's compositor to lay over its background.
    struct Case {
        bool argb;
        int depth;
        std::uint32_t expected;
    };
    MakeIcon(0x80FF0000);
    // The second tray asks for another visual: the icon comes to it in a new window.
    for (const Case& c : { Case{ false, 24, 0xA02020u }, Case{ true, 32, 0x800000u } }) {
        SCOPED_TRACE(c.argb ? "alpha visual" : "default visual");
        FManager.reset();
        FManager = std::make_unique<TTestTrayManager>(FServer.Name(), 560, 0, c.argb);
        if (!FManager->Running()) GTEST_SKIP() << "the server has no 32-bit visual";
        ASSERT_TRUE(WaitDocked());
        XWindowAttributes attributes;
        ASSERT_TRUE(XGetWindowAttributes(FUser, IconWindow(), &attributes));
        EXPECT_EQ(attributes.depth, c.depth);
        EXPECT_TRUE(RunUntil([&] { return XPixelAt(FUser, IconWindow(), 16, 16) == c.expected; }))
            << std::hex << XPixelAt(FUser, IconWindow(), 16, 16).value_or(0);
    }
}

TEST_F(TrayIconOnX11, TwoClicksInTheDoubleClickTimeFireOnDblClick) {
    StartTray();
    MakeIcon();
    int presses = 0, doubles = 0;
    FIcon->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    FIcon->OnDblClick = [&](TObject*) { ++doubles; };
    ASSERT_TRUE(WaitDocked());
    const TPoint centre = IconCentre();
    FInput->Click(centre.X, centre.Y);
    ASSERT_TRUE(RunUntil([&] { return presses == 1; }));
    FInput->Click(centre.X, centre.Y);
    EXPECT_TRUE(RunUntil([&] { return doubles == 1; }));
    EXPECT_EQ(FClicks, 0);
}

TEST_F(TrayIconOnX11, RestingOnTheIconShowsItsTipBelowThePointerAndLeavingHidesIt) {
    StartTray();
    MakeIcon();
    ASSERT_TRUE(WaitDocked());
    const TPoint centre = IconCentre();
    FInput->MovePointer(centre.X, centre.Y);
    unsigned long tip = 0;
    ASSERT_TRUE(RunUntil([&] { return (tip = FindViewableXWindow(FUser, "converter")) != 0; }));
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(FUser, tip, XDefaultRootWindow(FUser), 0, 0, &x, &y, &child);
    EXPECT_EQ(x, centre.X);
    EXPECT_GT(y, centre.Y) << "clear of the pointer";

    FInput->MovePointer(100, 500);
    EXPECT_TRUE(RunUntil([&] { return !XWindowViewable(FUser, tip); }));
}

TEST_F(TrayIconOnX11, ARightClickOnTheIconOpensThePopupMenuAtThePointer) {
    FSkin = menustest::LoadProgramSkin("main");
    auto* host = new TFakeMenuHost(FForm);
    auto* menu = new TbsSkinPopupMenu(FForm);
    menu->SetSkinData(FSkin.get());
    auto* item = new TMenuItem(FForm);
    item->SetCaption("&Restore");
    menu->Items().Add(item);
    StartTray();
    MakeIcon();
    FIcon->SetPopupMenu(menu);
    ASSERT_TRUE(WaitDocked());

    const TPoint centre = IconCentre();
    FInput->Click(centre.X, centre.Y, 3);
    ASSERT_TRUE(RunUntil([&] {
        const auto& levels = host->SkinMenu().PopupList();
        return levels.size() == 1 && XWindowViewable(FUser, XOf(levels[0]));
    }));
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(FUser, XOf(host->SkinMenu().PopupList()[0]), XDefaultRootWindow(FUser), 0,
                          0, &x, &y, &child);
    EXPECT_EQ(TPoint(x, y), centre);
    EXPECT_EQ(FClicks, 0);
}

TEST_F(TrayIconOnX11, ATrayThatQuitsTakesTheIconOffAndTheNextTrayDocksItAgain) {
    StartTray();
    MakeIcon();
    ASSERT_TRUE(WaitDocked());
    const unsigned long first = IconWindow();

    FManager.reset();
    EXPECT_TRUE(RunUntil([&] { return !XWindowViewable(FUser, first); }))
        << "handed back to the root, the icon stays off the screen";

    StartTray();
    ASSERT_TRUE(WaitDocked());
    EXPECT_TRUE(XWindowViewable(FUser, XOf(FForm))) << "the program went on";
}

TEST_F(TrayIconOnX11, WithoutATrayTheIconFailsAndATrayStartingLaterGetsIt) {
    MakeIcon();
    win::NOTIFYICONDATA data;
    data.hWnd = FIcon->Handle();
    data.uID = 1;
    EXPECT_FALSE(win::Shell_NotifyIcon(win::NIM_ADD, &data));
    EXPECT_FALSE(FIcon->Refresh());
    EXPECT_EQ(IconWindow(), 0u);

    // The program goes on: its form still takes a click.
    int formClicks = 0;
    FForm->OnClick = [&](TObject*) { ++formClicks; };
    FInput->Click(100, 300);
    EXPECT_TRUE(RunUntil([&] { return formClicks == 1; }));

    StartTray();
    EXPECT_TRUE(WaitDocked());
}

TEST_F(TrayIconOnX11, ABalloonGoesToTheTrayAsItsMessageWithTheTitleFirst) {
    StartTray();
    MakeIcon();
    ASSERT_TRUE(WaitDocked());
    const std::string text = "All 3 files were converted without an error.";
    EXPECT_TRUE(FIcon->ShowBalloonHint("Done", text, bsbitInfo));
    ASSERT_TRUE(RunUntil([&] {
        FManager->Pump();
        return !FManager->FMessages.empty() &&
               FManager->FMessages[0].Text.size() == FManager->FMessages[0].Length;
    }));
    EXPECT_EQ(FManager->FMessages[0].Text, "Done\n" + text);
}

} // namespace
} // namespace frametest
