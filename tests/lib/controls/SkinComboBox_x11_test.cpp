// The skinned picker on a private X server: a row chosen with the real pointer by pressing on
// the picker, dragging over the opened list and releasing there, while the list's window never
// takes the input focus from the form.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/win/Focus.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XWindows.h"

#include <gtest/gtest.h>

// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class SkinComboBoxOnX11 : public formstest::XInputFormTest {
protected:
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FInput->MovePointer(screen.X, screen.Y);
    }
    // The server's focus window.
    Window XFocus() {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(FUser, &focus, &revert);
        return focus;
    }
};

TEST_F(SkinComboBoxOnX11, PressDragReleaseChoosesARowWithoutThePopupTakingTheFocus) {
    FForm->SetBounds(40, 40, 300, 300);
    auto* combo = new TbsSkinComboBox(FForm);
    combo->SetParent(FForm);
    combo->SetBounds(20, 20, 160, 20);
    for (const char* item : { "High quality", "Small file", "Phone", "Tablet", "Web" })
        combo->Items().Add(item);
    combo->SetItemIndex(0);
    ShowForm();
    combo->SetFocus();
    ASSERT_TRUE(RunUntil([&] { return win::GetFocus() == combo->Handle(); }));
    const Window focusBefore = XFocus();

    PointAt(combo, TPoint(combo->Width() - 8, 10));
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return combo->IsPopupVisible(); })) << "the list opens";
    const Window popup = XOf(combo->FListBox);
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, popup); }));

    // Drag down over the rows to the fourth one (20 pixels each).
    TbsListBox* rows = combo->FListBox->ListBox;
    for (int y : { 5, 25, 45, 70 }) {
        PointAt(rows, TPoint(30, y));
        ASSERT_TRUE(RunUntil([&] { return combo->FListBox->ItemIndex() == y / 20; }))
            << "row under the pointer at " << y;
        EXPECT_NE(XFocus(), popup);
        EXPECT_EQ(win::GetFocus(), combo->Handle());
    }
    // The picker still shows the item it had while the list is open.
    EXPECT_EQ(combo->Text(), "High quality");
    FInput->ReleaseButton();
    ASSERT_TRUE(RunUntil([&] { return !combo->IsPopupVisible(); })) << "the release closes it";
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), "Tablet");
    EXPECT_EQ(win::GetFocus(), combo->Handle());
    EXPECT_EQ(XFocus(), focusBefore);
    EXPECT_NE(win::GetActiveWindow(), combo->FListBox->Handle());
}

} // namespace
