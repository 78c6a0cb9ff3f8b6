// Choosing from the skinned combo box's list with the pointer: press on the control, drag over
// the rows, release; stepping while held above or below the list.
#include "PointerTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"

#include <string>

namespace {

class SkinComboBoxMouse : public PointerTest {
protected:
    TbsSkinComboBox* Combo(int items) {
        auto* combo = Add<TbsSkinComboBox>(10, 10, 150, 20);
        for (int i = 0; i < items; ++i)
            combo->Items().Add("item " + std::to_string(i));
        combo->SetItemIndex(0);
        return combo;
    }
    // The middle of a row of the open list.
    static TPoint Row(TbsSkinComboBox* combo, int row) {
        return TPoint(20, row * combo->FListBox->ListBox->ItemHeight() + 5);
    }
};

TEST_F(SkinComboBoxMouse, ReleaseChoosesOnlyOverTheListAfterEnteringIt) {
    enum TWhere { kRow2, kOutsideAfterEntering, kOnTheControlWithoutEntering };
    struct Case {
        const char* Name;
        TWhere Where;
        bool Open;
        int Index;
    };
    const Case cases[] = {
        { "release on a row", kRow2, false, 2 },
        { "release outside after entering", kOutsideAfterEntering, false, 0 },
        { "release without entering", kOnTheControlWithoutEntering, true, 0 },
    };
    for (const Case& c : cases) {
        TbsSkinComboBox* combo = Combo(5);
        MoveTo(combo, 30, 10);
        Press();
        ASSERT_TRUE(combo->IsPopupVisible()) << c.Name;
        TbsListBox* inner = combo->FListBox->ListBox;
        if (c.Where != kOnTheControlWithoutEntering) MoveTo(inner, Row(combo, 2));
        if (c.Where == kOutsideAfterEntering) MoveTo(combo, 300, 10);
        Release();
        EXPECT_EQ(combo->IsPopupVisible(), c.Open) << c.Name;
        EXPECT_EQ(combo->ItemIndex(), c.Index) << c.Name;
        // The control kept the focus throughout.
        EXPECT_TRUE(combo->Focused()) << c.Name;
        combo->CloseUp(false);
    }
}

TEST_F(SkinComboBoxMouse, HeldBelowTheListStepsEvery25MsUpToTheLastItem) {
    TbsSkinComboBox* combo = Combo(12);
    MoveTo(combo, 30, 10);
    Press();
    TbsListBox* inner = combo->FListBox->ListBox;
    MoveTo(inner, Row(combo, 7));
    ASSERT_EQ(combo->FListBox->ItemIndex(), 7);
    MoveTo(inner, 20, inner->Height() + 10);
    Wait(24, 1);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 7);
    Wait(2, 1);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 8);
    Wait(25, 1);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 9);
    Wait(500);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 11);
    Release();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 0);
}

} // namespace

namespace {

TEST_F(SkinComboBoxMouse, ButtonIsHotOnlyUnderThePointer) {
    TbsSkinComboBox* combo = Combo(3);
    const TRect button = combo->Button.R;
    MoveTo(combo, button.Left + 3, button.Top + 3);
    EXPECT_TRUE(combo->Button.MouseIn);
    MoveTo(combo, 5, 5);
    EXPECT_FALSE(combo->Button.MouseIn);
    MoveTo(combo, button.Left + 3, button.Top + 3);
    MoveTo(FForm, 300, 200);
    EXPECT_FALSE(combo->Button.MouseIn);
}

} // namespace
