// A row dragged from one skinned list box to another with the real pointer, on a bare private
// X server and under a window manager.
#include "ListBoxDragPair.h"
#include "platform/win/Input.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"

#include <gtest/gtest.h>

namespace {

using namespace x11test;

class SkinListBoxDragOnX11 : public formstest::XInputFormTest,
                             public ::testing::WithParamInterface<bool> {
protected:
    bool UnderWindowManager() const override { return GetParam(); }
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FInput->MovePointer(screen.X, screen.Y);
    }
};

TEST_P(SkinListBoxDragOnX11, ARowDraggedOntoTheOtherListArrivesThere) {
    FForm->SetBounds(40, 40, 400, 200);
    ListBoxDragPair pair(FForm, 3);
    ShowForm();

    PointAt(pair.From->ListBox, ListBoxDragPair::RowCentre(pair.From, 1));
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return pair.From->ItemIndex() == 1; })) << "the press chose row 1";
    // Past the threshold within the source first, then over the other list.
    PointAt(pair.From->ListBox, ListBoxDragPair::RowCentre(pair.From, 2));
    ASSERT_TRUE(RunUntil([&] { return pair.From->ListBox->Dragging(); }));
    PointAt(pair.To->ListBox, TPoint(30, 40));
    ASSERT_TRUE(RunUntil([&] {
        return win::GetCursor() == win::LoadCursor(nullptr, win::IDC_DRAG);
    })) << "the drag cursor shows over the list that takes the row";
    FInput->ReleaseButton();
    ASSERT_TRUE(RunUntil([&] { return pair.To->Items().Count() == 2; })) << "the row arrives";
    EXPECT_EQ(pair.To->Items().Strings(1), "row 10.1");
    EXPECT_EQ(pair.From->Items().Count(), 2);
    EXPECT_EQ(pair.EndTarget, pair.To->ListBox);
    EXPECT_FALSE(pair.From->ListBox->Dragging());
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, SkinListBoxDragOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "Bare"; });

} // namespace
