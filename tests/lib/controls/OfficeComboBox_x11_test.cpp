// The program's format picker on a private X server, worked with real input: a click opens
// its list, the wheel scrolls the list, a click on a row chooses it, and the picker's form
// keeps the input focus throughout.
#include "OfficePickers.h"
#include "TestSkins.h"
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Focus.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindows.h"

// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class OfficeComboBoxOnX11 : public formstest::XInputFormTest {
protected:
    void SetUp() override {
        XInputFormTest::SetUp();
        if (!FInput || !FInput->Available()) return;
        FSkin = LoadProgramSkin("main");
        FForm->SetBounds(40, 40, 360, 200);
        FFormats = MakeToolPicker(FForm, FSkin.get(), MakePickerImages(FForm));
        FFormats->SetParent(FForm);
        FFormats->SetBounds(20, 20, 220, 44);
        FillFormats(*FFormats);
        FFormats->SetItemIndex(1);
        FFormats->OnChange = [this](TObject*) { ++FChanges; };
        ShowForm();
    }
    void TearDown() override {
        XInputFormTest::TearDown();
        FSkin.reset();
    }
    // The server never gives the input focus to the list's window, and the form stays the
    // active window with the picker focused.
    bool FormKeepsFocus() {
        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus(FUser, &focus, &revert);
        return focus != XOf(FFormats->FListBox) && win::GetActiveWindow() == FForm->Handle() &&
               FFormats->Focused();
    }

    std::unique_ptr<TbsSkinData> FSkin;
    TbsSkinOfficeComboBox* FFormats{ nullptr };
    int FChanges{ 0 };
};

TEST_F(OfficeComboBoxOnX11, WheelScrollsTheOpenListAndAClickChoosesARow) {
    const TPoint onPicker = FFormats->ClientToScreen(TPoint(100, 22));
    FInput->Click(onPicker.X, onPicker.Y);
    TbsPopupOfficeListBox* list = FFormats->FListBox;
    ASSERT_TRUE(RunUntil([&] { return FFormats->IsPopupVisible(); })) << "a click opens the list";
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(list)); }));
    ASSERT_NE(list->ScrollBar, nullptr);
    EXPECT_TRUE(FormKeepsFocus());

    // Notches towards the user move the highlight down over the separator until the list
    // scrolls; none of them chooses.
    const TPoint inList = list->ClientToScreen(TPoint(60, 40));
    FInput->MovePointer(inList.X, inList.Y);
    for (int notch = 0; notch < 8 && list->ScrollOffset() == 0; ++notch) {
        const int before = list->ItemIndex();
        FInput->PressButton(5);
        FInput->ReleaseButton(5);
        ASSERT_TRUE(RunUntil([&] { return list->ItemIndex() != before; }))
            << "notch " << notch << " moved nothing";
        EXPECT_NE(list->ItemIndex(), 5) << "the separator row";
    }
    EXPECT_GT(list->ScrollOffset(), 0);
    const TRect highlighted = list->Items()[list->ItemIndex()]->ItemRect;
    EXPECT_LE(highlighted.Bottom, list->ItemsRect().Bottom);
    // The closed look still shows the chosen row; nothing was chosen yet.
    EXPECT_EQ(FFormats->FOldItemIndex, 1);
    EXPECT_EQ(FChanges, 0);
    EXPECT_TRUE(FFormats->IsPopupVisible());

    // The row under the pointer is highlighted; a click chooses it and closes the list.
    const TRect row = list->Items()[4]->ItemRect;
    const TPoint onRow = list->ClientToScreen(TPoint(row.Left + 40, row.Top + row.Height() / 2));
    FInput->MovePointer(onRow.X, onRow.Y);
    ASSERT_TRUE(RunUntil([&] { return list->ItemIndex() == 4; }));
    FInput->Click(onRow.X, onRow.Y);
    ASSERT_TRUE(RunUntil([&] { return !FFormats->IsPopupVisible(); }));
    EXPECT_EQ(FFormats->ItemIndex(), 4);
    EXPECT_EQ(FChanges, 1);
    EXPECT_TRUE(FormKeepsFocus());
}

} // namespace
