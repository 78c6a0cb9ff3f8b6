#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
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

} // namespace
} // namespace formstest
