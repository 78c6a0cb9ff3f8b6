#include "ControlsFixture.h"
#include "FormsTestSupport.h"
#include "platform/forms/ShortCutText.h"
#include "platform/forms/TAction.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Input.h"

namespace formstest {
namespace {

TEST(MenuCaptions, AcceleratorsAndSeparators) {
    struct Case {
        const char* caption;
        char hotkey;
        const char* stripped;
    };
    const Case cases[] = { { "&Open", 'O', "Open" },
                           { "Save &as", 'A', "Save as" },
                           { "Fish && &chips", 'C', "Fish & chips" },
                           { "No hotkey", '\0', "No hotkey" },
                           { "&&", '\0', "&" },
                           { "trailing&", '\0', "trailing" } };
    for (const Case& c : cases) {
        EXPECT_EQ(GetHotkey(c.caption), c.hotkey) << c.caption;
        EXPECT_EQ(StripHotkey(c.caption), c.stripped) << c.caption;
    }
    EXPECT_TRUE(IsAccel('o', "&Open"));
    EXPECT_FALSE(IsAccel('p', "&Open"));
    TMenuItem line(nullptr);
    line.SetCaption("-");
    EXPECT_TRUE(line.IsLine());
}

TEST(MenuItems, TreesFreeTheirItemsAndItemsLeaveTheirParent) {
    TPopupMenu menu(nullptr);
    auto* file = new TMenuItem(&menu);
    menu.Items().Add(file);
    auto* open = new TMenuItem(&menu);
    auto* quit = new TMenuItem(&menu);
    file->Add(open);
    file->Add(quit);
    EXPECT_EQ(quit->MenuIndex(), 1);
    EXPECT_THROW(menu.Items().Add(open), EComponentError) << "an item has one place";
    EXPECT_THROW(open->Add(file), EComponentError) << "no item inside itself";
    delete open;
    EXPECT_EQ(file->Count(), 1);
    const int before = menu.ComponentCount();
    file->Clear();
    EXPECT_EQ(menu.ComponentCount(), before - 1) << "freed items leave their owner";
}

TEST(MenuItems, RadioItemsOfAGroupExcludeEachOther) {
    TMenuItem root(nullptr);
    std::vector<TMenuItem*> items;
    for (int group : { 1, 1, 1, 2 }) {
        auto* item = new TMenuItem(nullptr);
        item->SetRadioItem(true);
        item->SetGroupIndex(group);
        root.Add(item);
        items.push_back(item);
    }
    items[3]->SetChecked(true);
    items[0]->SetChecked(true);
    items[1]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[3]->Checked()) << "another group is left alone";
}

TEST(MenuItems, ShortcutsAndHotkeysFindEnabledItems) {
    TMainMenu menu(nullptr);
    auto* edit = new TMenuItem(&menu);
    edit->SetCaption("&Edit");
    menu.Items().Add(edit);
    auto* copy = new TMenuItem(&menu);
    copy->SetCaption("&Copy");
    copy->SetShortCut(ShortCut('C', { ssCtrl }));
    edit->Add(copy);
    int clicks = 0;
    copy->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(menu.IsShortCut(scCtrl | 'C'));
    EXPECT_FALSE(menu.IsShortCut('C'));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.Items().FindByHotkey('e'), edit);
    copy->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(scCtrl | 'C'));
    copy->Click();
    EXPECT_EQ(clicks, 1) << "a disabled item does nothing";
}

TEST(MenuItems, AKeyMessageIsAShortcutWithTheAltOfItsKeyData) {
    TMainMenu menu(nullptr);
    auto* item = new TMenuItem(&menu);
    item->SetShortCut(ShortCut(win::VK_F4, { ssAlt }));
    menu.Items().Add(item);
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    const win::LPARAM altDown = win::LPARAM(1) << 29;
    EXPECT_FALSE(menu.IsShortCut(TWMKey{ win::WM_KEYDOWN, win::VK_F4, 0 }));
    EXPECT_TRUE(menu.IsShortCut(TWMKey::From(TMessage{ win::WM_SYSKEYDOWN, win::VK_F4, altDown })));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(KeyDataToShiftState(altDown), TShiftState{ ssAlt });
}

TEST(MenuItems, ShortcutTextsUseEnglishKeyNames) {
    struct Case {
        TShortCut shortCut;
        const char* text;
    };
    const Case cases[] = {
        { ShortCut(win::VK_F4, { ssAlt }), "Alt+F4" },
        { ShortCut(win::VK_F4, { ssCtrl }), "Ctrl+F4" },
        { ShortCut('A', { ssShift, ssCtrl }), "Ctrl+Shift+A" },
        { ShortCut(win::VK_F12, { ssShift, ssCtrl, ssAlt }), "Ctrl+Alt+Shift+F12" },
        { ShortCut(win::VK_DELETE, {}), "Del" },
        { ShortCut(win::VK_RETURN, {}), "Enter" },
        { ShortCut(win::VK_NEXT, { ssCtrl }), "Ctrl+PgDn" },
        { ShortCut('7', {}), "7" },
        { scNone, "" },
        { ShortCut(0x07, { ssCtrl }), "" }, // a key without a name
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.text;
}

// A menu written as captions, "-" for a line and "(-)" for a line the program hid; the visible
// items read back the same way after RethinkLines.
std::string Rethought(const std::vector<std::string>& captions, TMenuItem& root) {
    root.Clear();
    for (const std::string& c : captions) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(c == "(-)" ? "-" : c);
        item->SetVisible(c != "(-)" && c != "(A)");
        root.Add(item);
    }
    root.RethinkLines();
    std::string shown;
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i)->Visible()) shown += root.Items(i)->Caption();
    return shown;
}

TEST(MenuItems, RethinkLinesHidesTheLinesThatSeparateNothing) {
    struct Case {
        std::vector<std::string> captions;
        const char* shown;
    };
    const Case cases[] = {
        { { "-", "A", "-", "-", "B", "-" }, "A-B" },
        { { "A", "-", "(A)", "-", "B" }, "A-B" }, // a hidden item separates nothing
        { { "A", "(-)", "B" }, "AB" },            // the program's own choice stays
        { { "-", "-" }, "" },
        { { "A", "-", "B", "-", "C" }, "A-B-C" },
    };
    TMenuItem root(nullptr);
    for (const Case& c : cases)
        EXPECT_EQ(Rethought(c.captions, root), c.shown) << c.shown;

    // A line it hid comes back once it separates something again.
    Rethought({ "A", "-", "(A)" }, root);
    EXPECT_FALSE(root.Items(1)->Visible());
    root.Items(2)->SetVisible(true);
    EXPECT_TRUE(root.RethinkLines());
    EXPECT_TRUE(root.Items(1)->Visible());
    EXPECT_FALSE(root.RethinkLines()) << "nothing left to change";
}

TEST(MenuItems, CommandsAreUniqueAndDispatchedByTheMenu) {
    TPopupMenu menu(nullptr);
    auto* sub = new TMenuItem(&menu);
    menu.Items().Add(sub);
    auto* run = new TMenuItem(&menu);
    sub->Add(run);
    int clicks = 0;
    run->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_NE(run->Command(), sub->Command());
    EXPECT_NE(run->Command(), menu.Items().Command());
    EXPECT_EQ(run->GetParentMenu(), &menu);
    EXPECT_EQ(menu.FindItem(run->Command()), run);

    EXPECT_TRUE(menu.DispatchCommand(run->Command()));
    EXPECT_EQ(clicks, 1);
    const unsigned short gone = run->Command();
    delete run;
    EXPECT_FALSE(menu.DispatchCommand(gone)) << "the freed item's command is nobody's";
    TMenuItem loose(nullptr);
    EXPECT_EQ(loose.GetParentMenu(), nullptr);
    EXPECT_EQ(loose.Command(), gone) << "a freed id is given out again";
}

TEST(MenuItems, AnItemShowsItsActionAndRunsItWithoutAClickHandler) {
    TPopupMenu menu(nullptr);
    auto* action = new TAction(&menu);
    action->SetCaption("&Snapshot");
    action->SetChecked(true);
    action->SetShortCut(ShortCut('S', { ssCtrl }));
    int executed = 0, updated = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    action->OnUpdate = [&](TObject*) { ++updated; };
    auto* item = new TMenuItem(&menu);
    item->SetName("SnapItem");
    menu.Items().Add(item);
    item->SetAction(action);
    EXPECT_EQ(item->Caption(), "&Snapshot");
    EXPECT_TRUE(item->Checked());
    EXPECT_EQ(item->ShortCut(), ShortCut('S', { ssCtrl }));
    action->SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    action->SetEnabled(true);
    EXPECT_TRUE(item->Action()->Update());
    EXPECT_EQ(updated, 1);
    item->Click();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(menu.Items().FindByName("SnapItem"), item);
    EXPECT_EQ(menu.Items().FindByName("Other"), nullptr);
    delete action;
    EXPECT_EQ(item->Action(), nullptr) << "the item lets a freed action go";
    item->Click();
    EXPECT_EQ(executed, 1);
}

class TMenuForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TMenuForm"; }
    int FTicks{ 0 };
    int FOpened{ 0 };
};

using DescribedMenus = FormsTest;

TEST_F(DescribedMenus, MenusAndTimersReadFromADescription) {
    TApplication app(nullptr);
    RegisterStandardClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("TMenuForm", "TForm");
    r.RegisterMethod("TMenuForm", "Tick", [](TComponent* root) {
        auto* f = static_cast<TMenuForm*>(root);
        return std::any(TNotifyEvent([f](TObject*) { ++f->FTicks; }));
    });
    r.RegisterMethod("TMenuForm", "OpenClick", [](TComponent* root) {
        auto* f = static_cast<TMenuForm*>(root);
        return std::any(TNotifyEvent([f](TObject*) { ++f->FOpened; }));
    });
    TMenuForm form(nullptr);
    ReadFormDescription(&form, R"(object MenuForm: TMenuForm
  PopupMenu = Popup
  object Popup: TPopupMenu
    object Open: TMenuItem
      Caption = '&Open'
      ShortCut = 16463
      OnClick = OpenClick
    end
    object Line: TMenuItem
      Caption = '-'
    end
  end
  object Clock: TTimer
    Interval = 250
    OnTimer = Tick
  end
end
)",
                        "menu.form");
    auto* popup = DescribedComponent<TPopupMenu>(&form, "Popup");
    EXPECT_EQ(form.PopupMenu(), popup);
    ASSERT_EQ(popup->Items().Count(), 2);
    EXPECT_TRUE(popup->Items().Items(1)->IsLine());
    EXPECT_TRUE(popup->IsShortCut(scCtrl | 'O'));
    EXPECT_EQ(form.FOpened, 1);
    FDisplay->Time().Advance(250);
    Pump();
    EXPECT_EQ(form.FTicks, 1);

    TMenuForm bad(nullptr);
    EXPECT_THROW(ReadFormDescription(&bad,
                                     "object MenuForm: TMenuForm\n  object C: TTimer\n"
                                     "    Interval = -5\n  end\nend\n",
                                     "bad.form"),
                 EReadError);
    EXPECT_EQ(bad.ComponentCount(), 0);
    delete popup;
    EXPECT_EQ(form.PopupMenu(), nullptr);
}

using PopupMenus = ControlsTest;

TEST_F(PopupMenus, ARightClickOrTheMenuKeyShowsTheControlsPopupMenuWhereAsked) {
    auto* edit = Add<TEdit>(20, 30, 100, 24);
    auto* popup = new TPopupMenu(FForm);
    std::vector<TPoint> shown;
    popup->OnShowMenu = [&](TPopupMenu* menu, int x, int y) {
        EXPECT_EQ(menu->PopupComponent(), edit);
        shown.push_back(TPoint(x, y));
    };
    edit->SetPopupMenu(popup);
    Pump();
    edit->SetFocus();
    const TPoint click = edit->ClientToScreen(TPoint(7, 5));
    FDisplay->Click(click.X, click.Y, win::MouseButton::Right);
    Key(win::VK_APPS);
    Key(win::VK_F10, { win::VK_SHIFT });
    const TPoint centre = edit->ClientToScreen(TPoint(50, 12));
    EXPECT_EQ(shown, (std::vector<TPoint>{ click, centre, centre }));
    // A control without a menu of its own shows its form's.
    edit->SetPopupMenu(nullptr);
    FForm->SetPopupMenu(popup);
    popup->OnShowMenu = [&](TPopupMenu*, int x, int y) { shown.push_back(TPoint(x, y)); };
    FDisplay->Time().Advance(1000);
    FDisplay->Click(click.X, click.Y, win::MouseButton::Right);
    Pump();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown.back(), click);
    EXPECT_EQ(popup->PopupComponent(), FForm);
    // A menu that does not pop up by itself stays hidden.
    popup->SetAutoPopup(false);
    FDisplay->Time().Advance(1000);
    FDisplay->Click(click.X, click.Y, win::MouseButton::Right);
    Pump();
    EXPECT_EQ(shown.size(), 4u);
}

} // namespace
} // namespace formstest
