#include "ControlsFixture.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/win/Focus.h"
#include "platform/win/Win.h"
#include <string>

namespace formstest {
namespace {

using namespace win;

class ComboBox : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        FCombo = Add<TComboBox>(20, 20, 160, 22);
        FCombo->SetStyle(csDropDownList);
        FCombo->Items().SetCommaText("low,medium,high,best");
        FCombo->OnChange = [this](TObject*) { FEvents += "change "; };
        FCombo->OnDropDown = [this](TObject*) { FEvents += "drop "; };
        FCombo->OnCloseUp = [this](TObject*) { FEvents += "close "; };
        FCombo->SetFocus();
        Pump();
    }
    // Presses and releases at a client point of the open list, moving there first.
    void ClickList(int line) {
        TListBox& list = FCombo->DropDownList();
        const TRect r = list.ItemRect(line);
        const TPoint p = list.ClientToScreen(TPoint(r.Left + 5, r.Top + 2));
        FDisplay->MoveMouse(p.X, p.Y);
        Pump();
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    void ExpectFocusKept() {
        EXPECT_EQ(GetFocus(), FCombo->Handle()) << "the list never takes the focus";
        EXPECT_EQ(GetActiveWindow(), FForm->Handle()) << "nor the activation";
    }

    TComboBox* FCombo{ nullptr };
    std::string FEvents;
};

TEST_F(ComboBox, ItemsAndTextGoThroughTheComboMessages) {
    EXPECT_EQ(SendMessage(FCombo->Handle(), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(FCombo->Text(), "");
    FCombo->SetItemIndex(2);
    EXPECT_EQ(FCombo->Text(), "high");
    EXPECT_EQ(SendMessage(FCombo->Handle(), CB_SELECTSTRING, WPARAM(-1), LPARAM("me")), 1);
    EXPECT_EQ(FCombo->Text(), "medium");
    FCombo->SetText("BEST");
    EXPECT_EQ(FCombo->ItemIndex(), 3);
    EXPECT_EQ(FCombo->Text(), "best") << "a picker shows the line as it reads";
    FCombo->SetText("none of them");
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(FCombo->Text(), "");
    FCombo->SetItemIndex(0);
    FCombo->Items().Delete(0);
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(FCombo->Text(), "") << "the shown line went with its item";
    EXPECT_EQ(FEvents, "") << "changes made by code fire nothing";
}

TEST_F(ComboBox, ADropDownOpensIsChosenFromAndClosesWithoutTakingTheFocus) {
    ClickAt(FCombo, 10, 10);
    EXPECT_TRUE(FCombo->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(FCombo->DropDownList().Handle()));
    EXPECT_EQ(SendMessage(FCombo->Handle(), CB_GETDROPPEDSTATE, 0, 0), TRUE);
    RECT listRect;
    SendMessage(FCombo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&listRect));
    EXPECT_EQ(listRect.top, FCombo->ClientToScreen(TPoint(0, FCombo->Height())).Y)
        << "the list opens below the box";
    ExpectFocusKept();

    ClickList(2);
    EXPECT_FALSE(FCombo->DroppedDown());
    EXPECT_EQ(FCombo->ItemIndex(), 2);
    EXPECT_EQ(FCombo->Text(), "high");
    EXPECT_EQ(FEvents, "drop change close ");
    ExpectFocusKept();
    EXPECT_EQ(GetCapture(), nullptr);

    // Near the bottom of the work area the list opens upwards.
    FForm->SetTop(900);
    Pump();
    ClickAt(FCombo, 10, 10);
    SendMessage(FCombo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&listRect));
    EXPECT_EQ(listRect.bottom, FCombo->ClientToScreen(TPoint(0, 0)).Y);
    Key(VK_ESCAPE);
    FForm->SetTop(30);
    Pump();

    // A press outside closes the list and leaves the choice as it was.
    FEvents.clear();
    int selects = 0;
    FCombo->OnSelect = [&](TObject*) { ++selects; };
    ClickAt(FCombo, 10, 10);
    const TPoint outside = FForm->ClientToScreen(TPoint(300, 200));
    FDisplay->MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_EQ(FCombo->ItemIndex(), 2) << "passing the pointer over the list chooses nothing";
    FDisplay->Click(outside.X, outside.Y);
    Pump();
    EXPECT_FALSE(FCombo->DroppedDown());
    EXPECT_EQ(FCombo->ItemIndex(), 2);
    EXPECT_EQ(FEvents, "drop close ");
    EXPECT_EQ(selects, 0);
}

TEST_F(ComboBox, KeysPickLinesOpenAndCloseTheList) {
    int selects = 0;
    FCombo->OnSelect = [&](TObject*) { ++selects; };
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(FCombo->Text(), "medium");
    EXPECT_EQ(selects, 2) << "each line the user steps to is selected";
    EXPECT_EQ(FEvents, "") << "OnSelect replaces OnChange";
    Type("b");
    EXPECT_EQ(FCombo->Text(), "best") << "typing jumps to the line";

    Key(VK_DOWN, { VK_MENU });
    EXPECT_TRUE(FCombo->DroppedDown());
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(FCombo->Text(), "best") << "moving in the open list changes nothing yet";
    Key(VK_ESCAPE);
    EXPECT_FALSE(FCombo->DroppedDown());
    EXPECT_EQ(FCombo->ItemIndex(), 3) << "Escape takes back the moves";

    Key(VK_F4);
    Key(VK_HOME);
    Key(VK_RETURN);
    EXPECT_FALSE(FCombo->DroppedDown());
    EXPECT_EQ(FCombo->Text(), "low");
    EXPECT_EQ(selects, 4);
    EXPECT_EQ(FEvents, "drop close drop close ");
    ExpectFocusKept();
}

TEST_F(ComboBox, TheEditStyleTakesTypedTextAndChosenLines) {
    FCombo->SetStyle(csDropDown);
    FCombo->SetFocus();
    Pump();
    TEdit* edit = FCombo->EditControl();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->Focused());
    Type("720");
    Type("p");
    EXPECT_EQ(FCombo->Text(), "720p");
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(FEvents, "change change change change ");

    FEvents.clear();
    const int buttonX = FCombo->Width() - 6;
    ClickAt(FCombo, buttonX, 10);
    ASSERT_TRUE(FCombo->DroppedDown());
    EXPECT_EQ(GetFocus(), edit->Handle());
    ClickList(1);
    EXPECT_EQ(FCombo->Text(), "medium");
    EXPECT_EQ(edit->Text(), "medium");
    EXPECT_EQ(FCombo->ItemIndex(), 1);
    EXPECT_EQ(FEvents, "drop change close ");

    FEvents.clear();
    Key(VK_DOWN);
    EXPECT_EQ(edit->Text(), "high") << "arrows in the edit step through the lines";
    Key(VK_BACK);
    EXPECT_EQ(FCombo->Text(), "") << "the chosen text is selected, so a key replaces it";
    EXPECT_EQ(FEvents, "change change ");
}

} // namespace
} // namespace formstest
