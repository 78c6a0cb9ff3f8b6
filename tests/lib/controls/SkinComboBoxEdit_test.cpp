// The combo box's edit style: typing completes from the items with the tail selected unless the
// key-ups come quickly, Up and Down step through the items, and the style switch keeps one
// inner edit and hands it the tab stop.
#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/platform/forms/ControlsFixture.h"

#include <string>

namespace {

class SkinComboBoxEdit : public formstest::ControlsTest {
protected:
    TbsSkinComboBox* EditCombo() {
        auto* combo = new TbsSkinComboBox(FForm);
        combo->SetParent(FForm);
        combo->SetBounds(10, 10, 150, 20);
        for (const char* item : { "apple", "banana", "berry", "cherry" })
            combo->Items().Add(item);
        combo->SetStyle(bscbEditStyle);
        Pump();
        combo->Edit()->SetFocus();
        Pump();
        return combo;
    }
    // One key typed, its key-up `ms` after the previous one.
    void TypeAfter(int ms, char c) {
        FDisplay->Time().Advance(ms);
        FDisplay->TypeKey(win::UINT(std::toupper(static_cast<unsigned char>(c))),
                          std::string(1, c));
        Pump();
    }
    static int EditsIn(TbsSkinComboBox* combo) {
        int edits = 0;
        for (int i = 0; i < combo->ControlCount(); ++i)
            if (dynamic_cast<TbsCustomEdit*>(combo->Controls(i))) ++edits;
        return edits;
    }
};

TEST_F(SkinComboBoxEdit, TypingCompletesWithTheTailSelectedUnlessKeyUpsComeQuickly) {
    struct Case {
        const char* Name;
        int Gap;
        std::string Text;
        int SelStart;
        int SelLength;
    };
    const Case cases[] = {
        { "slow typing completes", 300, "berry", 2, 3 },
        { "key-ups 150 ms apart", 150, "be", 2, 0 },
    };
    for (const Case& c : cases) {
        TbsSkinComboBox* combo = EditCombo();
        TypeAfter(1000, 'b');
        // One letter completes to the first item starting with it.
        EXPECT_EQ(combo->Text(), "banana") << c.Name;
        EXPECT_EQ(combo->SelStart(), 1) << c.Name;
        EXPECT_EQ(combo->SelLength(), 5) << c.Name;
        TypeAfter(c.Gap, 'e');
        EXPECT_EQ(combo->Text(), c.Text) << c.Name;
        EXPECT_EQ(combo->Edit()->Text(), c.Text) << c.Name;
        EXPECT_EQ(combo->SelStart(), c.SelStart) << c.Name;
        EXPECT_EQ(combo->SelLength(), c.SelLength) << c.Name;
        // The list follows the typed text either way.
        EXPECT_EQ(combo->FListBox->ItemIndex(), 2) << c.Name;
        delete combo;
    }
}

TEST_F(SkinComboBoxEdit, UpFiresOnClickTwiceAndDownOnce) {
    TbsSkinComboBox* combo = EditCombo();
    combo->SetItemIndex(2);
    int clicks = 0;
    int changes = 0;
    combo->OnClick = [&clicks](TObject*) { ++clicks; };
    combo->OnChange = [&changes](TObject*) { ++changes; };
    FDisplay->TypeKey(win::VK_UP);
    Pump();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Edit()->Text(), "banana");
    EXPECT_EQ(combo->Edit()->SelLength(), 6) << "the whole text selected";
    clicks = 0;
    FDisplay->TypeKey(win::VK_DOWN);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "berry");
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinComboBoxEdit, StyleSwitchKeepsOneEditAndMovesTheTabStop) {
    TbsSkinComboBox* combo = EditCombo();
    TbsCustomEdit* edit = combo->Edit();
    EXPECT_FALSE(combo->TabStop());
    EXPECT_TRUE(edit->TabStop());
    const win::HWND window = combo->Handle();
    combo->SetStyle(bscbEditStyle);
    EXPECT_EQ(combo->Edit(), edit);
    EXPECT_EQ(EditsIn(combo), 1);
    EXPECT_TRUE(edit->TabStop()) << "the edit keeps the tab stop it took the first time";
    EXPECT_NE(combo->Handle(), window) << "the control's window is made anew for the style";
    EXPECT_TRUE(edit->Focused()) << "and the focus stays in the edit";
    // The edit's messages still reach it through one hook: typing works.
    TypeAfter(1000, 'c');
    EXPECT_EQ(combo->Text(), "cherry");
    // Choosing from the list puts the item into the edit.
    combo->DropDown();
    combo->FListBox->SetItemIndex(0);
    combo->CloseUp(true);
    EXPECT_EQ(edit->Text(), "apple");
    combo->SetStyle(bscbFixedStyle);
    EXPECT_EQ(combo->Edit(), nullptr);
    EXPECT_EQ(EditsIn(combo), 0);
}

} // namespace
