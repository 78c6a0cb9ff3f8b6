#include "MenuFixture.h"

#include "lib/menus/bsMenuMessages.h"
#include "platform/forms/TCustomControl.h"

namespace menustest {
namespace {

using namespace win;

// A control a menu is opened for; it logs the menu messages it hears.
class TMenuButton : public TCustomControl {
public:
    TMenuButton(TComponent* owner, std::vector<std::string>& log, std::string name)
        : TCustomControl(owner), FLog(log), FName(std::move(name)) {}
    std::string ClassName() const override { return "TMenuButton"; }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_SKINMENUCLOSED) FLog.push_back(FName + " closed");
        if (m.Msg == WM_SKINMENUCOMMAND) FLog.push_back(FName + " command");
        TCustomControl::WndProc(m);
    }

private:
    std::vector<std::string>& FLog;
    std::string FName;
};

class SkinMenuEngine : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        FButton = new TMenuButton(FForm, FLog, "button");
        FButton->SetParent(FForm);
        FButton->SetBounds(10, 10, 80, 24);
        FHost->OnFormMessage = [this](const TMessage& m) {
            if (m.Msg == WM_SKINMENUCLOSED) FLog.push_back("form closed");
        };
        Pump();
    }
    int ShownLevels() {
        int shown = 0;
        for (TbsSkinPopupWindow* level : Levels())
            if (IsWindowVisible(level->Handle())) ++shown;
        return shown;
    }
    TMenuButton* FButton{ nullptr };
};

const std::vector<TItemSpec> kFileMenu = {
    Item("&Open"),
    Item("&Recent").Sub({ Item("first.vob"), Item("second.vob") }),
    Item("-"),
    Item("E&xit"),
};

TEST_F(SkinMenuEngine, ACommandRowClosesEverythingThenRunsOnceAndTellsItsControlLast) {
    auto skin = LoadProgramSkin("main");
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    menu->SetSkinData(skin.get());
    menu->OnMenuClose = [&](TObject* sender) {
        FLog.push_back(std::string("menu close by ") + (sender == &Engine() ? "engine" : "?") +
                       ", levels shown " + std::to_string(ShownLevels()));
    };
    menu->PopupFromRect2(FButton, TRect(110, 134, 190, 134), false);
    ASSERT_EQ(Levels().size(), 1u);
    EXPECT_TRUE(FHost->FInMenu);
    ClickRow(0, 0);
    const std::vector<std::string> expected = { "button closed",
                                                "menu close by engine, levels shown 0",
                                                "form closed", "click &Open", "button command" };
    EXPECT_EQ(FLog, expected);
    EXPECT_TRUE(Levels().empty());
    EXPECT_FALSE(Engine().Visible());
    EXPECT_FALSE(FHost->FInMenu) << "the form left skin-menu mode";
}

TEST_F(SkinMenuEngine, ASubmenuOpensAfterHalfASecondOfRestOrAtOnceOnAClick) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    menu->Popup(150, 150);
    ASSERT_EQ(Levels().size(), 1u);
    PointAtRow(0, 1);
    EXPECT_EQ(Engine().WItem(), &Row(0, 1));
    Wait(440);
    EXPECT_EQ(Levels().size(), 1u) << "not before the delay";
    Wait(60);
    ASSERT_EQ(Levels().size(), 2u);
    EXPECT_EQ(FLog, std::vector<std::string>{ "click &Recent" }) << "its own handler ran first";
    EXPECT_TRUE(Row(0, 1).Down);
    EXPECT_EQ(Level(1).ItemList().size(), 2u);

    // Onto a command row of the same level: the submenu closes at once.
    PointAtRow(0, 3);
    EXPECT_EQ(Levels().size(), 1u);
    EXPECT_FALSE(Row(0, 1).Down);

    // Back onto the submenu row and away again before the delay: nothing opens.
    PointAtRow(0, 1);
    PointAtRow(0, 0);
    Wait(600);
    EXPECT_EQ(Levels().size(), 1u);

    // A click opens it at once; a second click on the open row does nothing more.
    FLog.clear();
    ClickRow(0, 1);
    ASSERT_EQ(Levels().size(), 2u);
    ClickRow(0, 1);
    EXPECT_EQ(Levels().size(), 2u);
    EXPECT_EQ(FLog, std::vector<std::string>{ "click &Recent" });

    // A command of the submenu closes every level and runs once.
    ClickRow(1, 1);
    EXPECT_TRUE(Levels().empty());
    EXPECT_EQ(FLog,
              (std::vector<std::string>{ "click &Recent", "form closed", "click second.vob" }));
}

TEST_F(SkinMenuEngine, HoveringAnOpenSubmenusRowAgainClosesTheLevelsBelowItsSubmenu) {
    TbsSkinPopupMenu* menu = MakeMenu(
        { Item("A").Sub({ Item("B").Sub({ Item("C") }), Item("B2") }), Item("-"), Item("Z") });
    menu->Popup(150, 150);
    ClickRow(0, 0);
    ClickRow(1, 0);
    ASSERT_EQ(Levels().size(), 3u);
    PointAtRow(0, 1); // a separator: nothing closes, A's submenu stays open
    EXPECT_EQ(Levels().size(), 3u);
    PointAtRow(0, 0);
    EXPECT_EQ(Levels().size(), 2u) << "the submenu of A stays, the one below it goes";
    EXPECT_FALSE(Row(1, 0).Down);
    EXPECT_TRUE(Row(0, 0).Down);
}

TEST_F(SkinMenuEngine, MergedMenusShowTheSecondItemsChildrenAfterTheFirsts) {
    TbsSkinPopupMenu* first = MakeMenu({ Item("A"), Item("B") });
    TbsSkinPopupMenu* second = MakeMenu({ Item("C"), Item("D") });
    Engine().Popup2(nullptr, nullptr, 1, TRect(150, 150, 150, 150), &first->Items(),
                    &second->Items(), false);
    ASSERT_EQ(Levels().size(), 1u);
    ASSERT_EQ(Level(0).ItemList().size(), 3u);
    EXPECT_EQ(Row(0, 0).MenuItem->Caption(), "B");
    EXPECT_EQ(Row(0, 2).MenuItem->Caption(), "D");
    EXPECT_EQ(Level(0).Height(), 3 * 20 + 6);
    Engine().Hide();
    Engine().Popup2(nullptr, nullptr, 4, TRect(150, 150, 150, 150), &first->Items(),
                    &second->Items(), false);
    EXPECT_TRUE(Levels().empty()) << "nothing at or past the end";
}

TEST_F(SkinMenuEngine, APopupMenuOnAFormWithoutFormSkinComponentShowsNothing) {
    TForm* bare = nullptr;
    FApp->CreateForm(bare);
    auto* menu = new TbsSkinPopupMenu(bare);
    AddItems(menu->Items(), kFileMenu);
    int popups = 0;
    menu->OnPopup = [&](TObject* sender) { popups += sender == menu; };
    menu->Popup(150, 150);
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(Levels().empty());
    EXPECT_FALSE(Engine().Visible());
    for (const auto& w : FDisplay->Stack())
        EXPECT_FALSE(FDisplay->Native(w)->FPopup && FDisplay->Native(w)->FVisible);
}

TEST_F(SkinMenuEngine, APopupMenuTakesTheMenusSkinOnItsFirstShowingAndKeepsIt) {
    auto frame = LoadProgramSkin("tool");
    auto menus = LoadProgramSkin("main");
    FHost->FSkinData = frame.get();
    FHost->FMenusSkinData = menus.get();
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    EXPECT_EQ(menu->SkinData(), nullptr);
    menu->Popup(150, 150);
    EXPECT_EQ(menu->SkinData(), menus.get());
    EXPECT_EQ(Engine().SkinData(), menus.get());
    EXPECT_NE(Level(0).PW(), nullptr) << "a skinned level";
    Key(VK_ESCAPE);
    FHost->FMenusSkinData = nullptr;
    menu->Popup(150, 150);
    EXPECT_EQ(menu->SkinData(), menus.get()) << "latched";
    Key(VK_ESCAPE);
    menus.reset();
    EXPECT_EQ(menu->SkinData(), nullptr) << "a freed skin is forgotten";
    TbsSkinPopupMenu* other = MakeMenu(kFileMenu);
    other->Popup2(nullptr, 150, 150);
    EXPECT_EQ(other->SkinData(), frame.get()) << "the frame's skin without a menus skin";
    EXPECT_EQ(Levels().size(), 1u);
    EXPECT_EQ(Level(0).PW(), nullptr) << "the tool skin has no popup-window picture";
}

TEST_F(SkinMenuEngine, Popup2WithoutAnySkinShowsNothing) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    menu->Popup2(FButton, 150, 150);
    EXPECT_TRUE(Levels().empty());
    menu->Popup(150, 150);
    EXPECT_EQ(Levels().size(), 1u) << "the point form shows a plain menu";
}

TEST_F(SkinMenuEngine, ASecondPopupTellsTheFirstControlItsMenuClosed) {
    auto* other = new TMenuButton(FForm, FLog, "other");
    other->SetParent(FForm);
    other->SetBounds(100, 10, 80, 24);
    TbsSkinPopupMenu* first = MakeMenu(kFileMenu);
    TbsSkinPopupMenu* second = MakeMenu({ Item("Snapshot") });
    first->PopupFromRect2(FButton, TRect(110, 134, 190, 134), false);
    FLog.clear();
    second->PopupFromRect2(other, TRect(200, 134, 280, 134), false);
    EXPECT_EQ(FLog, std::vector<std::string>{ "button closed" }) << "the new one hears nothing yet";
    ASSERT_EQ(Levels().size(), 1u);
    EXPECT_EQ(Level(0).ItemList().size(), 1u);
    EXPECT_FALSE(Engine().First()) << "a menu that replaces one does not fade in";
    Key(VK_ESCAPE);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "button closed", "other closed" }));
}

TEST_F(SkinMenuEngine, OnMenuCloseFiresOncePerShowingWithTheEngineAsSender) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    std::vector<TObject*> senders;
    menu->OnMenuClose = [&](TObject* sender) { senders.push_back(sender); };
    menu->Popup(150, 150);
    ClickRow(0, 1); // a submenu opens: no close
    Key(VK_ESCAPE); // the submenu goes: no close
    EXPECT_TRUE(senders.empty());
    Key(VK_ESCAPE);
    EXPECT_EQ(senders, std::vector<TObject*>{ &Engine() });
    Engine().Hide();
    EXPECT_EQ(senders.size(), 1u) << "one-shot";
    menu->Popup(150, 150);
    ClickRow(0, 0);
    EXPECT_EQ(senders.size(), 2u);
}

TEST_F(SkinMenuEngine, PressesOnTheFormCloseTheMenuButPressesInsideALevelDoNot) {
    struct Case {
        UINT message;
        bool closes;
    };
    const Case cases[] = {
        { WM_MOVE, true },          { WM_SIZE, true },          { WM_ACTIVATE, true },
        { WM_KILLFOCUS, true },     { WM_CANCELMODE, true },    { WM_MOUSEACTIVATE, true },
        { WM_NCLBUTTONDOWN, true }, { WM_NCRBUTTONDOWN, true }, { WM_NCMBUTTONDOWN, true },
        { WM_LBUTTONDOWN, true },   { WM_RBUTTONDOWN, true },   { WM_MBUTTONDOWN, true },
        { WM_PARENTNOTIFY, true },  { WM_LBUTTONUP, false },    { WM_MOUSEMOVE, false },
        { WM_KEYDOWN, false },      { WM_SETFOCUS, false },     { WM_PAINT, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsMenuCloseMessage(c.message), c.closes) << c.message;

    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    menu->Popup(150, 150);
    ClickAt(TPoint(Level(0).Left() + 1, Level(0).Top() + 1)); // the level's frame
    EXPECT_EQ(Levels().size(), 1u);
    ClickAt(FForm->ClientToScreen(TPoint(300, 200)));
    EXPECT_TRUE(Levels().empty());
    EXPECT_EQ(FLog, std::vector<std::string>{ "form closed" }) << "and no command ran";
}

TEST_F(SkinMenuEngine, APressOutsideEveryWindowOfTheProgramCancelsTheMenu) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    menu->Popup(150, 150);
    EXPECT_EQ(FDisplay->MenuGrab(), FForm->Handle()) << "presses anywhere are reported";
    ClickAt(TPoint(1100, 900));
    EXPECT_TRUE(Levels().empty());
    EXPECT_EQ(FDisplay->MenuGrab(), nullptr);
    EXPECT_EQ(FLog, std::vector<std::string>{ "form closed" }) << "and no command ran";
}

TEST_F(SkinMenuEngine, TrackingAMenuGivesTheChosenCommandInsteadOfRunningIt) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    TMenuItem& items = menu->Items();
    // The user's clicks wait in the queue; a plain level's first row lies 2 pixels in.
    FDisplay->MoveMouse(160, 162);
    FDisplay->PressButton();
    FDisplay->ReleaseButton();
    const unsigned short chosen =
        Engine().TrackPopup(FButton, nullptr, TRect(150, 150, 150, 150), &items, false);
    EXPECT_EQ(chosen, items.Items(0)->Command());
    EXPECT_EQ(FLog, (std::vector<std::string>{ "button closed", "form closed" }))
        << "no handler ran and no command was reported";
    EXPECT_TRUE(Levels().empty());

    FLog.clear();
    FDisplay->MoveMouse(1100, 900);
    FDisplay->PressButton();
    FDisplay->ReleaseButton();
    EXPECT_EQ(Engine().TrackPopup(nullptr, nullptr, TRect(150, 150, 150, 150), &items, false), 0)
        << "closed without a choice";
}

TEST_F(SkinMenuEngine, TrackingAPopupMenuGivesTheChosenItemAndLeavesSkinMenuMode) {
    // The form-skin component hands the form's keys to the open menu.
    FHost->OnFormMessage = [this](const TMessage& m) {
        if (m.Msg == WM_SKINMENUCLOSED) FLog.push_back("form closed");
        if (m.Msg == WM_KEYDOWN && Engine().Visible()) Engine().KeyDown(int(m.WParam));
    };
    TbsSkinPopupMenu* other = MakeMenu({ Item("&Other") });
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    std::vector<std::string> closes;
    other->OnMenuClose = [&](TObject*) { closes.push_back("other"); };
    menu->OnMenuClose = [&](TObject*) { closes.push_back("tracked"); };
    other->Popup(400, 400);
    // The user's keys wait in the queue, for the form; the first row is highlighted as the
    // menu opens, and Up goes round to the last.
    SetFocus(FForm->Handle());
    FDisplay->TypeKey(VK_UP);
    FDisplay->TypeKey(VK_RETURN);
    EXPECT_EQ(menu->TrackPopup(FButton, 150, 150), menu->Items().Items(3));
    EXPECT_EQ(closes, (std::vector<std::string>{ "other", "tracked" }))
        << "each menu's close handler hears of its own menu only";
    EXPECT_EQ(FLog, (std::vector<std::string>{ "button closed", "form closed" }))
        << "the chosen item's handler did not run";
    EXPECT_TRUE(Levels().empty());
    EXPECT_FALSE(FHost->FInMenu);

    FDisplay->TypeKey(VK_ESCAPE);
    EXPECT_EQ(menu->TrackPopup(FButton, 150, 150), nullptr) << "closed without a choice";
    EXPECT_FALSE(FHost->FInMenu);

    TForm* bare = nullptr;
    FApp->CreateForm(bare);
    auto* unhosted = new TbsSkinPopupMenu(bare);
    AddItems(unhosted->Items(), kFileMenu);
    EXPECT_EQ(unhosted->TrackPopup(nullptr, 150, 150), nullptr) << "nothing to show it with";
}

TEST_F(SkinMenuEngine, AClickHandlerMayFreeTheMenusForm) {
    TForm* dialog = nullptr;
    FApp->CreateForm(dialog);
    dialog->SetBounds(300, 300, 200, 150);
    dialog->Show();
    auto* host = new TFakeMenuHost(dialog);
    auto* menu = new TbsSkinPopupMenu(dialog);
    AddItems(menu->Items(), { Item("&Close") });
    menu->Items().Items(0)->OnClick = [&](TObject*) { delete dialog; };
    int closes = 0;
    menu->OnMenuClose = [&](TObject*) { ++closes; };
    menu->Popup(320, 320);
    ASSERT_EQ(host->SkinMenu().PopupList().size(), 1u);
    TbsSkinPopupWindow* level = host->SkinMenu().PopupList()[0];
    const TRect r = level->ItemList()[0]->ObjectRect;
    ClickAt(level->ClientToScreen(TPoint(r.Left + 5, r.Top + 5)));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(FApp->ComponentCount(), 1) << "only the main form is left";
}

// Hears when the component it watches is freed.
class TFreeWatch : public TComponent {
public:
    using TComponent::TComponent;
    bool Freed{ false };

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == opRemove) Freed = true;
        TComponent::Notification(component, operation);
    }
};

// A command that runs a modal dialog pumps the messages that free the menu's level while the
// level's release is still being handled.
TEST_F(SkinMenuEngine, AClickHandlerMayRunAMessageLoop) {
    TbsSkinPopupMenu* menu = MakeMenu(kFileMenu);
    TFreeWatch watch(nullptr);
    bool freedInTheCommand = false;
    menu->Items().Items(0)->OnClick = [&](TObject*) {
        FApp->ProcessMessages();
        freedInTheCommand = watch.Freed;
    };
    menu->PopupFromRect2(FButton, TRect(110, 134, 190, 134), false);
    ASSERT_EQ(Levels().size(), 1u);
    Levels()[0]->FreeNotification(&watch);
    int releasesHeardAfterTheCommand = 0;
    Levels()[0]->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        if (freedInTheCommand) ++releasesHeardAfterTheCommand;
    };
    ClickRow(0, 0);
    EXPECT_TRUE(freedInTheCommand);
    EXPECT_EQ(releasesHeardAfterTheCommand, 0) << "a freed level ran its release handler";
    EXPECT_TRUE(Levels().empty());
}

} // namespace
} // namespace menustest
