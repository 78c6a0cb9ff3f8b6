#include "FrameFixture.h"

#include "lib/frame/IbsMainMenuBar.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"

#include <string>
#include <vector>

namespace frametest {
namespace {

using namespace win;

// A menu bar that records what the component asks of it; FindAccelItem takes the keys listed.
class TFakeBar : public TComponent, public IbsMainMenuBar {
public:
    using TComponent::TComponent;
    TMainMenu* MainMenu() const override { return FMenu; }
    TMainMenu* GetChildMainMenu() const override { return FChildMenu; }
    bool FindAccelItem(std::uint16_t key) override {
        FCalls.push_back("accel " + std::to_string(key));
        return FAccelKeys.find(char(key)) != std::string::npos;
    }
    void EnterMainMenu() override { FCalls.push_back("enter"); }
    void ExitMainMenu() override { FCalls.push_back("exit"); }
    void SubMenuClosed() override { FCalls.push_back("subclosed"); }
    void SelectPriorItem() override { FCalls.push_back("prior"); }
    void SelectNextItem() override { FCalls.push_back("next"); }
    void MDIChildMaximized() override { FCalls.push_back("maximized"); }
    void MDIChildRestored() override { FCalls.push_back("restored"); }
    bool ClickActiveItem() override {
        FCalls.push_back("click");
        return FClickTakes;
    }

    TMainMenu* FMenu{ nullptr };
    TMainMenu* FChildMenu{ nullptr };
    std::string FAccelKeys;
    bool FClickTakes{ false };
    std::vector<std::string> FCalls;
};

constexpr LPARAM kAltDown = LPARAM(1) << 29;

// A shown skinned form with a menu of two rows, the first with a submenu of its own, and the
// test's own filter on the application's messages below whatever the component installs.
class MenuGlue : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FSkin = MakeFrameSkin();
        FForm = NewForm(TRect(100, 100, 400, 300), bsSizeable);
        FSkinForm = SkinForm(FForm, FSkin.get());
        FForm->Show();
        FMenu = new TPopupMenu(FForm);
        auto* sub = AddItem(&FMenu->Items(), "&Open");
        AddItem(sub, "&Recent");
        AddItem(&FMenu->Items(), "&Save");
        FOwnFilter = FApp->OnMessage.Add([this](MSG& msg, bool&) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_MOUSEWHEEL)
                FSeenByOwnFilter.push_back(msg.message);
        });
    }
    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(FForm);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    // A message through the application's loop, as the user's key or wheel would come.
    void Post(UINT msg, WPARAM wParam, LPARAM lParam = 0) {
        PostMessage(FForm->Handle(), msg, wParam, lParam);
        FApp->ProcessMessages();
    }
    bool ShortCut(WPARAM key, LPARAM keyData) {
        TMessage message{ keyData & kAltDown ? WM_SYSKEYDOWN : WM_KEYDOWN, key, keyData, 0 };
        return FForm->IsShortCut(message);
    }
    std::size_t Levels() { return FSkinForm->SkinMenu().PopupList().size(); }

    TForm* FForm{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
    TPopupMenu* FMenu{ nullptr };
    TMessageFilters::TToken FOwnFilter{ 0 };
    std::vector<UINT> FSeenByOwnFilter;
};

TEST_F(MenuGlue, AnOpenMenuTakesTheKeysAndTheWheelThenGivesTheLoopBack) {
    FSkinForm->PopupSkinMenu(FMenu, TPoint(150, 150));
    FSkinForm->SkinMenuOpen(); // a second opening installs no second filter
    ASSERT_TRUE(FSkinForm->InMenu);
    const int active = FSkinForm->SkinMenu().PopupList().back()->ActiveItem();
    Post(WM_MOUSEWHEEL, MAKEWPARAM(0, 120));
    Post(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(FSeenByOwnFilter.empty()) << "the menu's filter sees them first and eats them";
    EXPECT_NE(FSkinForm->SkinMenu().PopupList().back()->ActiveItem(), active);

    FSkinForm->SkinMenu().Hide();
    EXPECT_FALSE(FSkinForm->InMenu);
    Post(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(FSeenByOwnFilter, std::vector<UINT>{ WM_KEYDOWN })
        << "the earlier filter is in place and nothing eats keys any more";
    FApp->OnMessage.Remove(FOwnFilter);
    EXPECT_TRUE(FApp->OnMessage.Empty());
}

TEST_F(MenuGlue, EscapeClosesTheInnermostLevelThenEndsMenuMode) {
    FSkinForm->PopupSkinMenu(FMenu, TPoint(150, 150));
    while (FSkinForm->SkinMenu().PopupList().back()->ActiveItem() != 0)
        Post(WM_KEYDOWN, VK_DOWN);
    Post(WM_KEYDOWN, VK_RIGHT);
    ASSERT_EQ(Levels(), 2u);
    Post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Levels(), 1u);
    EXPECT_TRUE(FSkinForm->InMenu);
    Post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Levels(), 0u);
    EXPECT_FALSE(FSkinForm->InMenu);
    EXPECT_FALSE(FSkinForm->SkinMenu().Visible());
}

TEST_F(MenuGlue, ClicksOnTheFormOrAChildCloseTheMenuAndTheObjectHint) {
    auto* hint = new TbsSkinHint(FForm);
    FSkinForm->SetSkinHint(hint);
    FSkinForm->SetShowObjectHint(true);
    auto* panel = new TPanel(FForm);
    panel->SetParent(FForm);
    panel->SetBounds(10, 10, 80, 40);
    Pump();
    for (bool onChild : { false, true }) {
        FSkinForm->PopupSkinMenu(FMenu, TPoint(600, 600));
        hint->ActivateHint(TPoint(50, 50), "hint");
        ASSERT_TRUE(FSkinForm->SkinMenu().Visible());
        if (onChild) {
            // The press reaches the form as WM_PARENTNOTIFY.
            POINT p{ 20, 20 };
            ClientToScreen(panel->Handle(), &p);
            FDisplay->MoveMouse(p.x, p.y);
            FDisplay->PressButton();
            FDisplay->ReleaseButton();
            FApp->ProcessMessages();
        } else {
            Send(FForm, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        }
        EXPECT_FALSE(FSkinForm->SkinMenu().Visible()) << onChild;
        EXPECT_FALSE(FSkinForm->InMenu) << onChild;
        EXPECT_FALSE(hint->IsVisible()) << onChild;
    }
}

TEST_F(MenuGlue, AltSpaceWithoutASystemMenuObjectIsTakenAndOpensNothing) {
    auto* bar = new TFakeBar(FForm);
    FSkinForm->SetMainMenuBar(bar);
    ASSERT_TRUE(ShortCut(VK_SPACE, kAltDown));
    EXPECT_FALSE(FSkinForm->InMenu);
    // From the keyboard: the space typed with Alt must not start the bar's keyboard mode.
    FDisplay->PressKey(VK_MENU);
    FDisplay->TypeKey(VK_SPACE, " ");
    FDisplay->ReleaseKey(VK_MENU);
    FApp->ProcessMessages();
    EXPECT_FALSE(FSkinForm->SkinMenu().Visible());
    EXPECT_EQ(bar->FCalls, std::vector<std::string>{}) << "neither accelerator nor menu mode";
}

TEST_F(MenuGlue, AltSpaceDropsTheSystemMenuBelowTheSystemMenuButton) {
    FSkinForm->SetSkinData(nullptr);
    FSkinForm->CreateDefaultButtons();
    FSkinForm->CalcDefRects();
    ASSERT_TRUE(ShortCut(VK_SPACE, kAltDown));
    EXPECT_TRUE(FSkinForm->InMenu);
    ASSERT_EQ(Levels(), 1u);
    EXPECT_GT(FSkinForm->SkinMenu().PopupList()[0]->ItemList().size(), 1u);
}

TEST_F(MenuGlue, ShortcutsGoToTheBarsAcceleratorsThenTheMainAndChildMenus) {
    auto* bar = new TFakeBar(FForm);
    bar->FMenu = new TMainMenu(FForm);
    bar->FChildMenu = new TMainMenu(FForm);
    bar->FAccelKeys = "F";
    bar->FAccelKeys += char(VK_F4); // a bar that would take F4: Alt+F4 never asks it
    FSkinForm->SetMainMenuBar(bar);
    std::vector<std::string> clicked;
    auto addShortCut = [&](TMainMenu* menu, const char* name, TShortCut shortCut) {
        auto* item = new TMenuItem(FForm);
        item->SetShortCut(shortCut);
        item->OnClick = [&clicked, name](TObject*) { clicked.push_back(name); };
        menu->Items().Add(item);
    };
    addShortCut(bar->FMenu, "open", ::ShortCut('O', { ssCtrl }));
    addShortCut(bar->FChildMenu, "child", ::ShortCut('W', { ssAlt }));

    struct Case {
        WPARAM key;
        LPARAM keyData;
        bool handled;
        const char* barCall;
    };
    const Case cases[] = {
        { 'F', kAltDown, true, "accel 70" }, { VK_F4, kAltDown, false, nullptr },
        { 'W', kAltDown, true, "accel 87" }, { 'X', kAltDown, false, "accel 88" },
        { 'O', 0, false, nullptr },
    };
    for (const Case& c : cases) {
        bar->FCalls.clear();
        EXPECT_EQ(ShortCut(c.key, c.keyData), c.handled) << c.key;
        if (c.barCall)
            EXPECT_EQ(bar->FCalls.at(0), c.barCall) << c.key;
        else
            EXPECT_TRUE(bar->FCalls.empty()) << c.key;
    }
    EXPECT_EQ(clicked, std::vector<std::string>{ "child" });
    FDisplay->PressKey(VK_CONTROL);
    FApp->ProcessMessages();
    EXPECT_TRUE(ShortCut('O', 0));
    FDisplay->ReleaseKey(VK_CONTROL);
    EXPECT_EQ(clicked, (std::vector<std::string>{ "child", "open" }));
}

TEST_F(MenuGlue, MainMenuModeKeysMoveAlongTheBarAndEscapeLeavesIt) {
    auto* bar = new TFakeBar(FForm);
    FSkinForm->SetMainMenuBar(bar);
    Send(FForm, WM_SYSCOMMAND, SC_KEYMENU);
    ASSERT_EQ(bar->FCalls, std::vector<std::string>{ "enter" });
    // What the bar does when it enters main-menu mode.
    FSkinForm->InMainMenu = true;
    FSkinForm->HookAppMessages();
    bar->FCalls.clear();
    Post(WM_KEYDOWN, VK_LEFT);
    Post(WM_KEYDOWN, VK_RIGHT);
    Post(WM_KEYDOWN, VK_RETURN);
    Post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(bar->FCalls, (std::vector<std::string>{ "accel 37", "prior", "accel 39", "next",
                                                      "accel 13", "click", "accel 27", "exit" }));
    EXPECT_FALSE(FSkinForm->InMainMenu);
    Post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(FSeenByOwnFilter.size(), 1u) << "leaving main-menu mode removed the filter";
}

TEST_F(MenuGlue, EscapeInABarsSubmenuReturnsToTheBarItem) {
    auto* bar = new TFakeBar(FForm);
    FSkinForm->SetMainMenuBar(bar);
    FSkinForm->InMainMenu = true;
    FSkinForm->HookAppMessages();
    // What the bar's item does when it drops its submenu.
    FSkinForm->PopupSkinMenu(FMenu, TPoint(150, 150));
    bar->FCalls.clear();
    Post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(bar->FCalls, (std::vector<std::string>{ "accel 27", "subclosed" }));
    EXPECT_TRUE(FSkinForm->InMainMenu);
    EXPECT_FALSE(FSkinForm->InMenu);
}

} // namespace
} // namespace frametest
