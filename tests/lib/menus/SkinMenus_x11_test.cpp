#include "MenuFixture.h"

#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"

#include <memory>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace menustest {
namespace {

using namespace x11test;

// A skinned popup menu of a form on a private X server, worked with real input, bare (no
// window manager) or under openbox.
class SkinMenusOnX11 : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
        if (GetParam()) {
            FManager = std::make_unique<XWindowManager>(FServer.Name());
            if (!FManager->Running()) GTEST_SKIP() << "openbox is not installed or did not start";
        }
        FUser = XOpenDisplay(FServer.Name().c_str());
        if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
        auto backend = std::make_unique<win::X11Backend>(FServer.Name().c_str());
        FBackend = backend.get();
        win::InstallBackend(std::move(backend));
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 40, 300, 200);
        FForm->Show();
        FHost = new TFakeMenuHost(FForm);
        FSkin = LoadProgramSkin("main");
        FMenu = new TbsSkinPopupMenu(FForm);
        FMenu->SetSkinData(FSkin.get());
        for (const char* caption : { "&Open", "E&xit" }) {
            auto* item = new TMenuItem(FForm);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { FCommands.push_back(caption); };
            FMenu->Items().Add(item);
        }
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm)); }));
    }
    void TearDown() override {
        if (!FUser) return;
        FApp.reset();
        FSkin.reset();
        win::InstallBackend(nullptr);
        if (FOther) XDestroyWindow(FUser, FOther);
        XCloseDisplay(FUser);
    }

    unsigned long XOf(TWinControl* control) { return FBackend->XWindowOf(control->Handle()); }
    // Opens the menu at the point and waits until the server shows its level.
    unsigned long OpenAt(int x, int y) {
        FMenu->Popup(x, y);
        EXPECT_EQ(FHost->SkinMenu().PopupList().size(), 1u);
        if (FHost->SkinMenu().PopupList().empty()) return 0;
        const unsigned long level = XOf(FHost->SkinMenu().PopupList()[0]);
        EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, level); }));
        return level;
    }
    TPoint RowCentre(int row) {
        TbsSkinPopupWindow* level = FHost->SkinMenu().PopupList()[0];
        const TRect& r = level->ItemList()[std::size_t(row)]->ObjectRect;
        return level->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // The window's top-left corner on the screen as the server has it.
    TPoint OnScreen(unsigned long window) {
        int x = 0, y = 0;
        ::Window child;
        XTranslateCoordinates(FUser, window, XDefaultRootWindow(FUser), 0, 0, &x, &y, &child);
        return TPoint(x, y);
    }
    // Clicks and waits until the menu has closed and its level is gone from the screen.
    void ClickAndWaitForClose(const TPoint& p, unsigned long level) {
        FInput->Click(p.X, p.Y);
        EXPECT_TRUE(RunUntil(
            [&] { return !FHost->SkinMenu().Visible() && !XWindowViewable(FUser, level); }));
    }

    XServer FServer{ 800, 600 };
    std::unique_ptr<XWindowManager> FManager;
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<XTestInput> FInput{ nullptr };
    win::X11Backend* FBackend{ nullptr };
    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TFakeMenuHost* FHost{ nullptr };
    std::unique_ptr<TbsSkinData> FSkin;
    TbsSkinPopupMenu* FMenu{ nullptr };
    std::vector<std::string> FCommands;
    unsigned long FOther{ 0 };
};

TEST_P(SkinMenusOnX11, AMenuShowsWhereAskedRunsAClickedRowOnceAndClosesOnOutsideClicks) {
    FInput = std::make_unique<XTestInput>(FServer.Name());
    if (!FInput->Available()) GTEST_SKIP() << "the server has no test extension";

    unsigned long level = OpenAt(200, 120);
    EXPECT_EQ(OnScreen(level), TPoint(200, 120));
    FInput->MovePointer(RowCentre(0).X, RowCentre(0).Y);
    ClickAndWaitForClose(RowCentre(1), level);
    EXPECT_EQ(FCommands, std::vector<std::string>{ "E&xit" });
    EXPECT_TRUE(RunUntil([&] { return FApp->ComponentCount() == 1; })) << "the level was freed";

    // A click on the desktop closes the menu and runs nothing.
    level = OpenAt(200, 120);
    ClickAndWaitForClose(TPoint(700, 550), level);

    // So does a click on another program's window, and on the manager's frame of it.
    XSetWindowAttributes attributes{};
    attributes.background_pixel = 0x808080;
    FOther = XCreateWindow(FUser, XDefaultRootWindow(FUser), 450, 300, 200, 150, 0, CopyFromParent,
                           InputOutput, CopyFromParent, CWBackPixel, &attributes);
    XSelectInput(FUser, FOther, ButtonPressMask);
    XMapWindow(FUser, FOther);
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, FOther); }));
    const TPoint other = OnScreen(FOther);
    level = OpenAt(200, 120);
    ClickAndWaitForClose(TPoint(other.X + 100, other.Y + 75), level);
    if (GetParam()) {
        const TPoint titleBar(other.X + 100, other.Y - 8);
        int x = 0, y = 0;
        ::Window frame = 0;
        XTranslateCoordinates(FUser, XDefaultRootWindow(FUser), XDefaultRootWindow(FUser),
                              titleBar.X, titleBar.Y, &x, &y, &frame);
        ASSERT_NE(frame, 0u) << "the manager framed the window";
        ASSERT_NE(frame, FOther);
        level = OpenAt(200, 120);
        ClickAndWaitForClose(titleBar, level);
    }
    EXPECT_EQ(FCommands, std::vector<std::string>{ "E&xit" }) << "no command ran";
    EXPECT_FALSE(FHost->FInMenu);
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, SkinMenusOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Managed" : "Bare"; });

} // namespace
} // namespace menustest
