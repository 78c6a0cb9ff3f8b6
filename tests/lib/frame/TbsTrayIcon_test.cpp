#include "lib/frame/TbsTrayIcon.h"
#include "lib/frame/bsFrameMessages.h"
#include "platform/shell/FakeTray.h"
#include "platform/win/Messaging.h"
#include "tests/lib/menus/MenuFixture.h"
#include <string>
#include <vector>

namespace menustest {
namespace {

using namespace win;

// A tray icon owned by the test's main form, on a fake tray, with every event logged.
class TrayIcon : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        auto tray = std::make_unique<FakeTray>();
        FTray = tray.get();
        InstallTrayBackend(std::move(tray));
        FIcon = new TbsTrayIcon(FForm);
        FIcon->Loaded(); // as after reading the form: the visible icon goes in
        FIcon->OnClick = [this](TObject*) { FEvents.push_back("click"); };
        FIcon->OnDblClick = [this](TObject*) { FEvents.push_back("dblclick"); };
        FIcon->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            FEvents.push_back(b == mbLeft ? "down" : b == mbRight ? "rdown" : "mdown");
        };
        FIcon->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            FEvents.push_back(b == mbLeft ? "up" : b == mbRight ? "rup" : "mup");
        };
    }
    void TearDown() override {
        InstallTrayBackend(nullptr);
        MenuTest::TearDown();
    }
    void Mouse(UINT message) {
        ASSERT_TRUE(FTray->Mouse(message));
        Pump();
    }
    void WaitExactly(unsigned ms) {
        FDisplay->Time().Advance(ms);
        Pump();
    }

    FakeTray* FTray{ nullptr };
    TbsTrayIcon* FIcon{ nullptr };
    std::vector<std::string> FEvents;
};

using Events = std::vector<std::string>;

TEST_F(TrayIcon, AClickFiresOneDoubleClickTimeAfterThePressAndADoubleClickOnlyDblClick) {
    ASSERT_EQ(FTray->Icons().size(), 1u) << "visible once loaded";
    const unsigned dbl = GetDoubleClickTime();
    Mouse(WM_LBUTTONDOWN);
    WaitExactly(50);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(FEvents, (Events{ "down", "up" }));
    WaitExactly(dbl - 50);
    EXPECT_EQ(FEvents, (Events{ "down", "up", "click" }));

    FEvents.clear();
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    WaitExactly(dbl * 2);
    EXPECT_EQ(FEvents, (Events{ "down", "up", "dblclick", "up" }));

    FEvents.clear();
    Mouse(WM_LBUTTONDOWN);
    WaitExactly(dbl + 100);
    EXPECT_EQ(FEvents, (Events{ "down" })) << "held: no click yet";
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(FEvents, (Events{ "down", "click", "up" }));
}

TEST_F(TrayIcon, DisabledItRaisesNoEvents) {
    FIcon->SetEnabled(false);
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_RBUTTONDOWN);
    WaitExactly(GetDoubleClickTime() * 2);
    EXPECT_TRUE(FEvents.empty());
}

TEST_F(TrayIcon, TheRightPressOpensThePopupMenuAtThePointer) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("Restore"), Item("Quit") });
    FIcon->SetPopupMenu(menu);
    FDisplay->MoveMouse(300, 400);
    Pump();
    Mouse(WM_RBUTTONDOWN);
    EXPECT_EQ(FEvents, (Events{ "rdown" }));
    ASSERT_EQ(Levels().size(), 1u) << "on the press, not the release";
    EXPECT_EQ(menu->PopupComponent(), FIcon);
    RECT r;
    GetWindowRect(Level(0).Handle(), &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 400);
}

TEST_F(TrayIcon, ADoubleClickClicksTheFirstDefaultItemUnlessTheLeftButtonOpensTheMenu) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B"), Item("C") });
    menu->Items().Items(1)->SetDefault(true);
    menu->Items().Items(2)->SetDefault(true);
    FIcon->SetPopupMenu(menu);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "click B" }));
    FIcon->SetPopupByLeftButton(true);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "click B" }));
}

TEST_F(TrayIcon, CyclingGivesTheNextIndexRoundTheList) {
    TImageList* images = MakeImages();
    images->Delete(3);
    FIcon->SetIconList(images);
    std::vector<int> next;
    FIcon->OnCycle = [&](TObject*, int index) { next.push_back(index); };
    FIcon->SetAnimateTimerInterval(100);
    FIcon->SetCycleIcons(true);
    for (int i = 0; i < 6; ++i)
        WaitExactly(100);
    EXPECT_EQ(next, (std::vector<int>{ 1, 2, 0, 1, 2, 0 }));
}

TEST_F(TrayIcon, IconIndexIsClampedIntoTheListAndIgnoredWithoutImages) {
    struct Case {
        int set;
        int expected;
    };
    FIcon->SetIconList(MakeImages());
    for (const Case& c : { Case{ 2, 2 }, Case{ 9, 3 }, Case{ -5, 0 } }) {
        FIcon->SetIconIndex(c.set);
        EXPECT_EQ(FIcon->IconIndex(), c.expected) << c.set;
    }
    auto* empty = new TImageList(FForm);
    FIcon->SetIconList(empty);
    FIcon->SetIconIndex(3);
    EXPECT_EQ(FIcon->IconIndex(), 0);
}

TEST_F(TrayIcon, ATrayThatStartsAgainGetsAVisibleIconBackAndDestroyDeletesIt) {
    FIcon->SetHint(std::string(200, 'h'));
    ASSERT_EQ(FTray->Icons().size(), 1u);
    EXPECT_EQ(FTray->Icons()[0].szTip.size(), 127u);
    FTray->Restart();
    Pump();
    EXPECT_EQ(FTray->Icons().size(), 1u);
    FIcon->SetIconVisible(false);
    EXPECT_TRUE(FTray->Icons().empty());
    FTray->Restart();
    Pump();
    EXPECT_TRUE(FTray->Icons().empty()) << "a hidden icon stays away";
    FIcon->SetIconVisible(true);
    delete FIcon;
    FIcon = nullptr;
    EXPECT_TRUE(FTray->Icons().empty());
}

TEST_F(TrayIcon, WithoutATrayAddingFailsAndNothingElseHappens) {
    InstallTrayBackend(nullptr);
    FIcon->SetIconVisible(false);
    FIcon->SetIconVisible(true);
    EXPECT_TRUE(FIcon->IconVisible());
    EXPECT_FALSE(FIcon->Refresh());
}

TEST_F(TrayIcon, MinimizingHidesTheMainFormToTheTrayAndRestoreBringsItBack) {
    FIcon->SetIconVisible(false);
    FIcon->OnClick = [this](TObject*) { FIcon->ShowMainForm(); };
    FApp->Minimize();
    Pump();
    EXPECT_FALSE(FForm->Visible());
    EXPECT_EQ(FForm->Tag(), TRAY_HIDDEN_TAG);
    EXPECT_EQ(FTray->Icons().size(), 1u) << "the icon shows while the form is away";
    bool restoredMessage = false;
    FHost->OnFormMessage = [&](const TMessage& m) {
        restoredMessage |= m.Msg == WM_SKINTRAYRESTORED;
    };
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    WaitExactly(GetDoubleClickTime());
    EXPECT_TRUE(FForm->Visible());
    EXPECT_EQ(FForm->Tag(), TRAY_HIDDEN_TAG);
    EXPECT_TRUE(restoredMessage);

    FIcon->SetMinimizeToTray(false);
    FApp->Restore();
    FApp->Minimize();
    Pump();
    EXPECT_TRUE(FForm->Visible()) << "without MinimizeToTray the form stays";
}

TEST_F(TrayIcon, BalloonsAreCutToTheirFieldsAndTheFlagsGoBack) {
    EXPECT_TRUE(FIcon->ShowBalloonHint(std::string(70, 't'), std::string(300, 'x'), bsbitWarning));
    const FakeTray::Call& call = FTray->Calls().back();
    EXPECT_EQ(call.Message, NIM_MODIFY);
    EXPECT_EQ(call.Data.szInfoTitle.size(), 63u);
    EXPECT_EQ(call.Data.szInfo.size(), 255u);
    EXPECT_EQ(call.Data.dwInfoFlags, NIIF_WARNING);
    EXPECT_TRUE(call.Data.uFlags & NIF_INFO);
    EXPECT_TRUE(FIcon->Refresh());
    EXPECT_FALSE(FTray->Calls().back().Data.uFlags & NIF_INFO);
}

} // namespace
} // namespace menustest
