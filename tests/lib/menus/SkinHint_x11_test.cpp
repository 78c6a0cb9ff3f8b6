#include "MenuFixture.h"
#include "TitledPanel.h"

#include "lib/menus/bsSkinHint.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindows.h"

#include <memory>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace menustest {
namespace {

using namespace x11test;

// The program's hints on a private X server: a skinned hint component on the main form, and
// controls that offer a hint title, hovered with the real pointer.
class SkinHintOnX11 : public ::testing::Test {
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
        FApp->CreateForm(FForm);
        // Reaching the screen's right and bottom edges.
        FForm->SetBounds(400, 300, 400, 300);
        FSkin = LoadProgramSkin("main");
        FHint = new TbsSkinHint(FForm);
        FHint->SetSkinData(FSkin.get());
        FForm->Show();
        FInput->MovePointer(10, 10);
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm)); }));
    }
    void TearDown() override {
        if (!FUser) return;
        FApp.reset();
        FSkin.reset();
        win::InstallBackend(nullptr);
        XCloseDisplay(FUser);
    }

    unsigned long XOf(TWinControl* control) { return FBackend->XWindowOf(control->Handle()); }
    TTitledPanel* AddPanel(int left, int top) {
        auto* panel = new TTitledPanel(FForm);
        panel->SetParent(FForm);
        panel->SetBounds(left, top, 100, 50);
        panel->SetHint("Converts the chosen files");
        panel->SetShowHint(true);
        panel->FTitle = "Convert";
        return panel;
    }
    // Rests the pointer on the point and waits until the server shows the application's hint
    // window; its place on the screen then.
    TRect HoverUntilHint(const TPoint& p) {
        FInput->MovePointer(p.X, p.Y);
        TbsSkinHintWindow* window = nullptr;
        const bool shown = RunUntil([&] {
            window = dynamic_cast<TbsSkinHintWindow*>(FApp->Hints().HintWindow());
            return window && window->HandleAllocated() && XWindowViewable(FUser, XOf(window));
        });
        EXPECT_TRUE(shown) << "no hint at " << p.X << "," << p.Y;
        if (!shown) return TRect();
        EXPECT_TRUE(window->AExtendedStyle) << "the control's title is shown";
        int x = 0, y = 0;
        ::Window child;
        XTranslateCoordinates(FUser, XOf(window), XDefaultRootWindow(FUser), 0, 0, &x, &y, &child);
        return TRect(x, y, x + window->Width(), y + window->Height());
    }
    void LeaveForTheDesktop() {
        FInput->MovePointer(10, 10);
        ASSERT_TRUE(RunUntil([&] {
            TWinControl* window = FApp->Hints().HintWindow();
            return !window || !window->HandleAllocated() || !XWindowViewable(FUser, XOf(window));
        }));
    }

    XServer FServer{ 800, 600 };
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<XTestInput> FInput;
    win::X11Backend* FBackend{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TbsSkinData> FSkin;
    TForm* FForm{ nullptr };
    TbsSkinHint* FHint{ nullptr };
};

TEST_F(SkinHintOnX11, AHoveredControlsHintShowsBelowThePointerAndFlipsAtTheScreenEdges) {
    TTitledPanel* inside = AddPanel(20, 20);
    TTitledPanel* corner = AddPanel(FForm->ClientWidth() - 100, FForm->ClientHeight() - 50);
    const int margin = TbsSkinHint::GetCursorHeightMargin();

    const TPoint p = inside->ClientToScreen(TPoint(10, 10));
    const TRect below = HoverUntilHint(p);
    EXPECT_EQ(below.TopLeft(), TPoint(p.X, p.Y + margin));
    LeaveForTheDesktop();

    // Past the right and bottom edges the hint moves left and up by its size and two.
    const TPoint q = corner->ClientToScreen(TPoint(90, 40));
    const TRect flipped = HoverUntilHint(q);
    ASSERT_GT(q.X + flipped.Width(), 800);
    ASSERT_GT(q.Y + margin + flipped.Height(), 600);
    EXPECT_EQ(flipped.TopLeft(),
              TPoint(q.X - flipped.Width() - 2, q.Y + margin - flipped.Height() - 2));
}

} // namespace
} // namespace menustest
