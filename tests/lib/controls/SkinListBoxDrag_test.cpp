// Rows dragged from one skinned list box to another: the inner lists drive the drag, and the
// skinned list boxes' own drag events see it.
#include "ListBoxDragPair.h"
#include "SkinnedFormTest.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class SkinListBoxDrag : public SkinnedFormTest {
protected:
    void MoveTo(TControl* c, const TPoint& at) {
        const TPoint p = c->ClientToScreen(at);
        FDisplay->MoveMouse(p.X, p.Y);
        Pump();
    }
};

TEST_F(SkinListBoxDrag, ARowDraggedOntoTheOtherListMovesAcross) {
    ListBoxDragPair pair(FForm, 3);
    Pump();
    MoveTo(pair.From->ListBox, ListBoxDragPair::RowCentre(pair.From, 1));
    FDisplay->PressButton();
    Pump();
    // The press chose the row as any press does.
    EXPECT_EQ(pair.From->ItemIndex(), 1);
    MoveTo(pair.To->ListBox, TPoint(20, 40));
    MoveTo(pair.To->ListBox, TPoint(24, 44));
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(pair.DropSender, pair.To->ListBox);
    EXPECT_EQ(pair.EndTarget, pair.To->ListBox);
    EXPECT_EQ(pair.Ends, 1);
    ASSERT_EQ(pair.To->Items().Count(), 2);
    EXPECT_EQ(pair.To->Items().Strings(1), "row 10.1");
    EXPECT_EQ(pair.From->Items().Count(), 2);
}

TEST_F(SkinListBoxDrag, AShortPressOnlySelectsAndADropOnTheSourceIsRefused) {
    ListBoxDragPair pair(FForm, 3);
    Pump();
    const TPoint row2 = ListBoxDragPair::RowCentre(pair.From, 2);
    MoveTo(pair.From->ListBox, row2);
    FDisplay->PressButton();
    Pump();
    MoveTo(pair.From->ListBox, TPoint(row2.X + 3, row2.Y));
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(pair.From->ItemIndex(), 2);
    EXPECT_EQ(pair.Ends, 0);

    // The source list takes no drops of its own: it has no drag-over handler.
    MoveTo(pair.From->ListBox, row2);
    FDisplay->PressButton();
    Pump();
    MoveTo(pair.From->ListBox, TPoint(row2.X + 20, row2.Y));
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(pair.Ends, 1);
    EXPECT_EQ(pair.EndTarget, nullptr);
    EXPECT_EQ(pair.From->Items().Count(), 3);
}

} // namespace
