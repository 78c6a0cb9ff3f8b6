// The skinned list box: its height for a number of rows, and the skinned bar that comes and goes
// with the content and follows the inner list's scroll state.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"

namespace {

class SkinListBox : public SkinnedFormTest {
protected:
    TbsSkinListBox* ListBox(int items) {
        auto* list = new TbsSkinListBox(FForm);
        list->SetParent(FForm);
        list->SetBounds(10, 10, 150, 120);
        for (int i = 0; i < items; ++i)
            list->Items().Add("item " + std::to_string(i));
        return list;
    }
};

TEST_F(SkinListBox, CalcHeightCountsRowsFrameAndCaption) {
    TbsSkinListBox* list = ListBox(0);
    EXPECT_EQ(list->CalcHeight(8), 164);
    list->SetCaptionMode(true);
    EXPECT_EQ(list->CalcHeight(8), 184);
    list->SetRowCount(3);
    EXPECT_EQ(list->Height(), 84);
}

TEST_F(SkinListBox, VerticalBarShowsOnlyWhileRowsDoNotFit) {
    struct Case {
        int Items;
        int RowCount;
        bool Bar;
    };
    const Case cases[] = { { 5, 5, false }, { 6, 5, true }, { 0, 5, false }, { 40, 0, true } };
    for (const Case& c : cases) {
        TbsSkinListBox* list = ListBox(c.Items);
        list->SetRowCount(c.RowCount);
        EXPECT_EQ(list->ScrollBar != nullptr, c.Bar) << c.Items << " items, " << c.RowCount;
        // The inner list takes no room for native bars: its whole width is client.
        EXPECT_EQ(list->ListBox->ClientWidth(), list->ListBox->Width());
        if (!c.Bar) continue;
        EXPECT_EQ(list->ScrollBar->Kind(), sbVertical);
        EXPECT_EQ(list->ScrollBar->Max(), c.Items - 1);
        EXPECT_EQ(list->ScrollBar->LargeChange(), list->ListBox->Height() / 20);
        // The list sits left of the bar.
        EXPECT_LE(list->ListBox->BoundsRect().Right, list->ScrollBar->Left());
    }
}

TEST_F(SkinListBox, BarFollowsTheListAndScrollsIt) {
    TbsSkinListBox* list = ListBox(40);
    ASSERT_NE(list->ScrollBar, nullptr);
    list->SetTopIndex(10);
    EXPECT_EQ(list->ScrollBar->Position(), 10);
    list->ScrollBar->SetPosition(20);
    EXPECT_EQ(list->TopIndex(), 20);
    // Emptying the list removes the bar and gives its room back.
    list->Clear();
    EXPECT_EQ(list->ScrollBar, nullptr);
    EXPECT_EQ(list->ListBox->BoundsRect(), TRect(2, 2, 148, 118));
}

TEST_F(SkinListBox, AddingRowsBringsTheBarDeletingThemRemovesIt) {
    TbsSkinListBox* list = ListBox(5);
    list->SetRowCount(5);
    EXPECT_EQ(list->ScrollBar, nullptr);
    list->Items().Add("sixth");
    EXPECT_NE(list->ScrollBar, nullptr);
    list->Items().Delete(5);
    EXPECT_EQ(list->ScrollBar, nullptr);
}

} // namespace
