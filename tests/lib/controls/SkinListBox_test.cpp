// The skinned list box: its height for a number of rows, and the skinned bar that comes and goes
// with the content and follows the inner list's scroll state.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsSkinItemDrawing.h"
#include "lib/skindata/bsSkinListRecords.h"

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

namespace {

class SkinListBoxRows : public SkinnedFormTest {};

TEST_F(SkinListBoxRows, RowsTakeTheRecordsFaceForTheirState) {
    // Row faces 100 x 20 at three places of the picture; the text sits far right.
    const TRect normal(0, 40, 100, 60);
    const TRect active(0, 60, 100, 80);
    const TRect focus(100, 60, 200, 80);
    auto& record = AddFaceRecord<TbsDataSkinListBox>(*FSkin, "listbox", 0,
                                                     NineSliceFace(TRect(0, 0, 60, 40), 4));
    record.SItemRect = normal;
    record.ActiveItemRect = active;
    record.FocusItemRect = focus;
    record.ItemTextRect = TRect(90, 0, 100, 20);
    auto* list = new TbsSkinListBox(FForm);
    list->SetParent(FForm);
    list->SetSkinData(FSkin.get());
    list->SetBounds(10, 10, 120, 108);
    for (const char* item : { "a", "b", "c" })
        list->Items().Add(item);
    ASSERT_EQ(list->ListBox->ItemHeight(), 20);
    list->SetItemIndex(1);
    const auto rowPixel = [&](const gfx::Surface& pixels, int row) {
        return RgbAt(pixels, 3, row * 20 + 3);
    };
    gfx::Surface pixels = PaintedPixels(*list->ListBox);
    EXPECT_EQ(rowPixel(pixels, 0), PictureAt(normal.Left + 3, normal.Top + 3));
    EXPECT_EQ(rowPixel(pixels, 1), PictureAt(active.Left + 3, active.Top + 3));
    // Below the last row: the record's client part, tiled.
    EXPECT_EQ(RgbAt(pixels, 0, 60), PictureAt(4, 4));
    list->ListBox->SetFocus();
    pixels = PaintedPixels(*list->ListBox);
    EXPECT_EQ(rowPixel(pixels, 1), PictureAt(focus.Left + 3, focus.Top + 3));

    // Owner drawing replaces the content and hears each row's state.
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    list->OnDrawItem = [&drawn](TObject*, TCanvas&, int index, int, int, const TRect&,
                                TOwnerDrawState state) { drawn.emplace_back(index, state); };
    PaintedPixels(*list->ListBox);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].second, TOwnerDrawState{});
    EXPECT_EQ(drawn[1].second, (TOwnerDrawState{ odSelected, odFocused }));
}

TEST(SkinItemDrawing, TabStopsCountDigitLinesOnlyAndAtMostTen) {
    TStringList lines;
    for (const char* line : { "40", "abc", "", "12x", "7", "1", "2", "3", "4", "5", "6", "99" })
        lines.Add(line);
    EXPECT_EQ(TabStopsOf(lines), (std::vector<int>{ 40, 0, 0, 0, 7, 1, 2, 3, 4, 5 }));
}

} // namespace
