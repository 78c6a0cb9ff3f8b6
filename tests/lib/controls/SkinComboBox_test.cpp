// The skinned combo box: the order of text and events when an item is chosen, where the list
// opens, and choosing from the keyboard.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <initializer_list>

#include <string>
#include <vector>

namespace {

// Records the text seen in each handler, in order.
class TRecordingComboBox : public TbsSkinComboBox {
public:
    using TbsSkinComboBox::TbsSkinComboBox;
    std::vector<std::string> Log;

protected:
    void Change() override { Log.push_back("Change:" + Text()); }
};

class SkinComboBox : public SkinnedFormTest {
protected:
    TRecordingComboBox* Combo(int items, int left = 10, int top = 10) {
        auto* combo = new TRecordingComboBox(FForm);
        combo->SetParent(FForm);
        combo->SetBounds(left, top, 150, 20);
        for (int i = 0; i < items; ++i)
            combo->Items().Add(Name(i));
        combo->OnChange = [combo](TObject*) { combo->Log.push_back("OnChange:" + combo->Text()); };
        combo->OnClick = [combo](TObject*) { combo->Log.push_back("OnClick:" + combo->Text()); };
        return combo;
    }
    static std::string Name(int i) {
        static const char* const names[] = { "apple", "banana", "berry", "cherry", "date" };
        return i < 5 ? names[i] : "item " + std::to_string(i);
    }
    // The popup's top-left corner and height on the screen.
    static TRect PopupRect(TbsSkinCustomComboBox* combo) {
        win::RECT r;
        win::GetWindowRect(combo->FListBox->Handle(), &r);
        return TRect(r.left, r.top, r.right, r.bottom);
    }
};

TEST_F(SkinComboBox, ItemIndexSetsTheTextThenFiresOnClickAndChange) {
    using Log = std::vector<std::string>;
    struct Case {
        const char* Name;
        int Before;
        int Assign;
        bool Loading;
        Log Expected;
    };
    const Case cases[] = {
        { "different text", 0, 1, false, { "OnChange:banana", "OnClick:banana", "Change:banana" } },
        { "same text", 1, 1, false, { "OnClick:banana", "Change:banana" } },
        { "-1 keeps the text", 1, -1, false, { "OnClick:banana", "Change:banana" } },
        { "loading, different text", 0, 2, true, { "OnChange:berry" } },
        { "loading, same text", 2, 2, true, {} },
    };
    for (const Case& c : cases) {
        TRecordingComboBox* combo = Combo(3);
        combo->SetItemIndex(c.Before);
        combo->Log.clear();
        if (c.Loading) combo->SetLoading(true);
        combo->SetItemIndex(c.Assign);
        EXPECT_EQ(combo->Log, c.Expected) << c.Name;
        EXPECT_EQ(combo->ItemIndex(), c.Assign) << c.Name;
        if (c.Loading) combo->SetLoading(false);
    }
}

TEST_F(SkinComboBox, PlainLookShowsTheChosenItemAndTheButtonWithoutFiringEvents) {
    TRecordingComboBox* combo = Combo(3);
    combo->SetDefaultColor(clYellow);
    const gfx::Surface empty = PaintedPixels(*combo);
    combo->SetItemIndex(1);
    combo->Log.clear();
    const gfx::Surface banana = PaintedPixels(*combo);
    EXPECT_TRUE(combo->Log.empty());
    // Frame, ring, field and button face.
    EXPECT_EQ(RgbAt(banana, 0, 0), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(banana, 1, 1), PlainFace());
    EXPECT_EQ(RgbAt(banana, 3, 3), RgbOf(clYellow));
    EXPECT_EQ(RgbAt(banana, combo->Button.R.Left, combo->Button.R.Top), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(banana, combo->Button.R.Left + 1, combo->Button.R.Top + 1), PlainFace());
    // The item's text shows in the field, and only with an item chosen.
    const TRect field = combo->CBItem.R;
    int ink = 0;
    for (int y = field.Top; y < field.Bottom; ++y)
        for (int x = field.Left; x < field.Right; ++x)
            ink += RgbAt(banana, x, y) != RgbAt(empty, x, y);
    EXPECT_GT(ink, 10);
    // While the list is open the field keeps the item chosen before it opened.
    combo->DropDown();
    combo->FListBox->SetItemIndex(2);
    EXPECT_TRUE(SamePixels(PaintedPixels(*combo), banana));
}

TEST_F(SkinComboBox, ListOpensBelowOrAboveByTheWorkAreaWithDropDownCountRows) {
    FDisplay->SetMonitors({ win::MonitorArea{ { 0, 0, 1000, 840 }, { 0, 0, 1000, 800 }, true } });
    struct Case {
        const char* Name;
        int FormTop;
        int Items;
        bool Above;
    };
    // The work area ends at 800; 8 rows take 164 pixels.
    const Case cases[] = {
        { "below", 30, 20, false },
        { "above near the bottom", 600, 20, true },
        { "few items near the bottom", 600, 3, false },
    };
    for (const Case& c : cases) {
        FForm->SetBounds(40, c.FormTop, 400, 180);
        TRecordingComboBox* combo = Combo(c.Items);
        combo->DropDown();
        Pump();
        ASSERT_TRUE(combo->IsPopupVisible()) << c.Name;
        const int rows = std::min(c.Items, 8);
        EXPECT_EQ(combo->FListBox->Height(), combo->FListBox->CalcHeight(rows)) << c.Name;
        const TRect popup = PopupRect(combo);
        const TPoint bottomLeft = combo->ClientToScreen(TPoint(0, combo->Height()));
        EXPECT_EQ(popup.Left, bottomLeft.X) << c.Name;
        if (c.Above)
            EXPECT_EQ(popup.Bottom, bottomLeft.Y - combo->Height()) << c.Name;
        else
            EXPECT_EQ(popup.Top, bottomLeft.Y) << c.Name;
        combo->CloseUp(false);
        EXPECT_FALSE(combo->IsPopupVisible()) << c.Name;
    }
}

TEST_F(SkinComboBox, ClosingAcceptsTheHighlightedItemOrGoesBack) {
    for (bool accept : { true, false }) {
        TRecordingComboBox* combo = Combo(5);
        combo->SetItemIndex(0);
        combo->DropDown();
        combo->FListBox->SetItemIndex(3);
        combo->Log.clear();
        combo->CloseUp(accept);
        EXPECT_EQ(combo->ItemIndex(), accept ? 3 : 0);
        EXPECT_EQ(combo->Text(), accept ? "cherry" : "apple");
        if (accept)
            EXPECT_EQ(combo->Log, (std::vector<std::string>{ "OnChange:cherry", "OnClick:cherry",
                                                             "Change:cherry" }));
        else
            EXPECT_TRUE(combo->Log.empty());
    }
}

TEST_F(SkinComboBox, KeysStepOpenAndClose) {
    TRecordingComboBox* combo = Combo(21);
    combo->SetFocus();
    Pump();
    combo->SetItemIndex(20);
    Key(win::VK_PRIOR);
    EXPECT_EQ(combo->ItemIndex(), 11);
    combo->SetItemIndex(0);
    Key(win::VK_NEXT);
    EXPECT_EQ(combo->ItemIndex(), 7);
    Key(win::VK_DOWN, { win::VK_MENU });
    EXPECT_TRUE(combo->IsPopupVisible());
    // The control keeps the focus while its list is open.
    EXPECT_TRUE(combo->Focused());
    Key(win::VK_DOWN);
    Key(win::VK_UP, { win::VK_MENU });
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 8);
    Key(win::VK_DOWN, { win::VK_MENU });
    Key(win::VK_DOWN);
    Key(win::VK_ESCAPE);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 9);
}

TEST_F(SkinComboBox, WheelChoosesWhileClosedAndOnlyHighlightsWhileOpen) {
    TRecordingComboBox* combo = Combo(5);
    combo->SetFocus();
    combo->SetItemIndex(2);
    combo->Log.clear();
    WheelOver(combo, -1);
    EXPECT_EQ(combo->Text(), "cherry");
    WheelOver(combo, 1);
    EXPECT_EQ(combo->Text(), "berry");
    EXPECT_EQ(combo->Log.size(), 6u);
    combo->DropDown();
    combo->Log.clear();
    WheelOver(combo, 1);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "berry");
    EXPECT_TRUE(combo->Log.empty());
}

TEST_F(SkinComboBox, CancelModeFromAnotherControlClosesTheList) {
    TRecordingComboBox* combo = Combo(5);
    TRecordingComboBox* other = Combo(5, 10, 60);
    combo->DropDown();
    for (TControl* own :
         std::initializer_list<TControl*>{ combo, combo->FListBox, combo->FListBox->ListBox }) {
        combo->Perform(CM_CANCELMODE, 0, win::LPARAM(own));
        EXPECT_TRUE(combo->IsPopupVisible());
    }
    combo->Perform(CM_CANCELMODE, 0, win::LPARAM(static_cast<TControl*>(other)));
    EXPECT_FALSE(combo->IsPopupVisible());
    combo->DropDown();
    combo->Perform(CM_CANCELMODE, 0, 0);
    EXPECT_FALSE(combo->IsPopupVisible());
}

TEST_F(SkinComboBox, TypeAheadFindsByPrefixWithinHalfASecond) {
    TRecordingComboBox* combo = Combo(5);
    combo->SetFocus();
    Pump();
    combo->SetItemIndex(0);
    Type("b");
    EXPECT_EQ(combo->Text(), "banana");
    FDisplay->Time().Advance(100);
    Type("e");
    EXPECT_EQ(combo->Text(), "berry");
    // After a pause a single letter finds the next item beginning with it, wrapping round.
    FDisplay->Time().Advance(600);
    Type("b");
    EXPECT_EQ(combo->Text(), "banana");
}

} // namespace

namespace {

TEST_F(SkinComboBox, PopupSettingsPassThroughAndItsCheckButtonAccepts) {
    TRecordingComboBox* combo = Combo(5);
    combo->SetListBoxCaptionMode(true);
    combo->SetListBoxCaption("Presets");
    combo->SetListBoxDefaultItemHeight(24);
    EXPECT_TRUE(combo->FListBox->CaptionMode());
    EXPECT_EQ(combo->FListBox->Text(), "Presets");
    EXPECT_EQ(combo->FListBox->ListBox->ItemHeight(), 24);
    // The popup's rows never take the focus by Tab.
    EXPECT_FALSE(combo->FListBox->ListBox->TabStop());

    int closeUps = 0;
    combo->OnCloseUp = [&closeUps](TObject*) { ++closeUps; };
    combo->SetItemIndex(0);
    combo->DropDown();
    combo->FListBox->SetItemIndex(3);
    combo->FListBox->OnCheckButtonClick(combo->FListBox);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), Name(3));
    EXPECT_EQ(closeUps, 1);
    // CanCancelDropDown only while open and away from the control.
    EXPECT_FALSE(combo->CanCancelDropDown());
    combo->DropDown();
    EXPECT_TRUE(combo->CanCancelDropDown());
}

} // namespace

namespace {

TEST_F(SkinComboBox, OnlyTheButtonOrTheItemOpensTheListWithAPress) {
    struct Case {
        const char* Name;
        TPoint At;
        bool Opens;
    };
    // 150 x 20: the item from x 2 to 130, the button from 131 to 148, a 2-pixel frame around.
    const Case cases[] = {
        { "button", { 140, 10 }, true },
        { "item", { 40, 10 }, true },
        { "frame", { 149, 10 }, false },
    };
    for (const Case& c : cases) {
        TRecordingComboBox* combo = Combo(5);
        combo->Perform(win::WM_LBUTTONDOWN, win::MK_LBUTTON, win::MAKELPARAM(c.At.X, c.At.Y));
        combo->Perform(win::WM_LBUTTONUP, 0, win::MAKELPARAM(c.At.X, c.At.Y));
        EXPECT_EQ(combo->IsPopupVisible(), c.Opens) << c.Name;
        delete combo;
    }
}

} // namespace
