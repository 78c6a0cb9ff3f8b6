// The skinned list box: its height for a number of rows, and the skinned bar that comes and goes
// with the content and follows the inner list's scroll state.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsSkinItemDrawing.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/TMenuItem.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/headless/HeadlessBackend.h"

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

TEST_F(SkinListBox, SelectionAndInnerListSettingsReachTheInnerList) {
    TbsSkinListBox* list = ListBox(4);
    list->SetMultiSelect(true);
    list->SetExtandedSelect(false);
    list->SetSelected(1, true);
    list->SetSelected(3, true);
    EXPECT_TRUE(list->ListBox->MultiSelect());
    EXPECT_FALSE(list->ListBox->ExtendedSelect());
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(3));
    EXPECT_EQ(list->ItemAtPos(TPoint(list->ItemRect(2).Left + 3, list->ItemRect(2).Top + 3), true),
              2);

    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(17);
    list->SetListBoxFont(font);
    list->SetListBoxTabStop(false);
    list->SetListBoxTabOrder(0);
    TPopupMenu menu(FForm);
    list->SetListBoxPopupMenu(&menu);
    EXPECT_EQ(list->ListBox->Font().Height(), 17);
    EXPECT_FALSE(list->ListBox->TabStop());
    EXPECT_EQ(list->ListBox->PopupMenu(), &menu);
    list->SetListBoxPopupMenu(nullptr);
}

TEST_F(SkinListBox, SortingKeepsTheBarInStepWithTheNewOrder) {
    TbsSkinListBox* list = ListBox(0);
    for (int i = 39; i >= 0; --i)
        list->Items().Add("item " + std::string(i < 10 ? "0" : "") + std::to_string(i));
    list->SetTopIndex(30);
    ASSERT_NE(list->ScrollBar, nullptr);
    list->SetSorted(true);
    EXPECT_EQ(list->Items()[0], "item 00");
    ASSERT_NE(list->ScrollBar, nullptr);
    EXPECT_EQ(list->ScrollBar->Max(), 39);
    EXPECT_EQ(list->ScrollBar->Position(), list->TopIndex());
    list->ScrollBar->SetPosition(5);
    EXPECT_EQ(list->TopIndex(), 5);
}

TEST_F(SkinListBox, InnerListAnswersTheSkinPaintMessages) {
    using namespace win;
    TbsSkinListBox* list = ListBox(0);
    TBitmap canvas;
    canvas.SetSize(list->ListBox->Width(), list->ListBox->Height());
    canvas.Canvas().Brush().SetColor(clRed);
    canvas.Canvas().FillRect(TRect(0, 0, canvas.Width(), canvas.Height()));
    const auto dc = WPARAM(canvas.Canvas().Handle());
    const HWND inner = list->ListBox->Handle();
    // The inner list has no frame to paint.
    EXPECT_EQ(SendMessage(inner, WM_SKINFRAMEPAINT, dc, 0), SKIN_FRAME_PAINTED);
    // Its background only for the key, and only while it has no rows.
    EXPECT_EQ(SendMessage(inner, WM_SKINLISTBGPAINT, dc, 0), 0);
    EXPECT_EQ(canvas.Canvas().Pixels(5, 5), clRed);
    EXPECT_EQ(SendMessage(inner, WM_SKINLISTBGPAINT, dc, SKIN_PAINT_KEY), SKIN_PAINT_KEY);
    EXPECT_EQ(canvas.Canvas().Pixels(5, 5), ColorToRGB(clWindow));
    list->Items().Add("row");
    EXPECT_EQ(SendMessage(inner, WM_SKINLISTBGPAINT, dc, SKIN_PAINT_KEY), 0);
}

// Counts what the inner list tells about its focus and its window.
class CountingListBox : public TbsSkinListBox {
public:
    using TbsSkinListBox::TbsSkinListBox;
    void ListBoxEnter() override { ++Enters; }
    void ListBoxExit() override { ++Exits; }
    void ListBoxCreateWnd() override { ++Windows; }
    int Enters{ 0 }, Exits{ 0 }, Windows{ 0 };
};

TEST_F(SkinListBox, FocusAndWindowOfTheInnerListReachTheOwner) {
    auto* list = new CountingListBox(FForm);
    list->SetParent(FForm);
    list->SetBounds(10, 10, 150, 120);
    list->ListBox->HandleNeeded();
    EXPECT_EQ(list->Windows, 1);
    auto* other = new TbsSkinListBox(FForm);
    other->SetParent(FForm);
    other->SetBounds(200, 10, 100, 100);
    list->ListBox->SetFocus();
    EXPECT_EQ(list->Enters, 1);
    other->ListBox->SetFocus();
    EXPECT_EQ(list->Exits, 1);
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

namespace {

class SkinListBoxBars : public SkinnedFormTest {
protected:
    TbsSkinListBox* List(int items, const std::string& text) {
        auto* list = new TbsSkinListBox(FForm);
        list->SetParent(FForm);
        list->SetBounds(10, 10, 150, 120);
        for (int i = 0; i < items; ++i)
            list->Items().Add(text + std::to_string(i));
        return list;
    }
};

TEST_F(SkinListBoxBars, WideRowsBringAHorizontalBarSteppingByTheWidthOfZero) {
    TbsSkinListBox* list = List(5, "A row far wider than the list can show at once ");
    // High enough for all rows: no vertical bar narrows the list under the offset.
    list->SetBounds(10, 10, 150, 200);
    EXPECT_EQ(list->HScrollBar, nullptr) << "only with HorizontalExtent";
    list->SetHorizontalExtent(true);
    ASSERT_NE(list->HScrollBar, nullptr);
    const int zero = list->ListBox->Canvas().TextWidth("0");
    EXPECT_EQ(list->HScrollBar->SmallChange(), zero);
    EXPECT_EQ(list->HScrollBar->LargeChange(), zero);
    EXPECT_EQ(list->HScrollBar->PageSize(), list->ListBox->Width() - 4);
    // Right and Left in the list move it by that step.
    list->ListBox->SetFocus();
    FDisplay->TypeKey(win::VK_RIGHT);
    FDisplay->TypeKey(win::VK_RIGHT);
    Pump();
    EXPECT_EQ(list->HScrollBar->Position(), 2 * zero);
    EXPECT_EQ(list->ListBox->FHorizontalExtentValue, 2 * zero);
    FDisplay->TypeKey(win::VK_LEFT);
    Pump();
    EXPECT_EQ(list->HScrollBar->Position(), zero);

    // As high as its rows: the bar adds its height and covers none of them.
    list->SetRowCount(5);
    EXPECT_EQ(list->ScrollBar, nullptr);
    EXPECT_LE(list->ListBox->BoundsRect().Bottom, list->HScrollBar->Top());
    EXPECT_GE(list->ListBox->Height(), 5 * 20);

    // Narrow rows need no bar.
    list->Clear();
    list->Items().Add("short");
    list->UpDateScrollBar();
    EXPECT_EQ(list->HScrollBar, nullptr);
    EXPECT_EQ(list->ListBox->FHorizontalExtentValue, 0);
}

TEST_F(SkinListBoxBars, ColumnsTakeAHorizontalBarAndTheWheelScrollsOneLineMore) {
    TbsSkinListBox* columns = List(40, "item ");
    columns->SetColumns(2);
    ASSERT_NE(columns->ScrollBar, nullptr);
    EXPECT_EQ(columns->ScrollBar->Kind(), sbHorizontal);
    EXPECT_EQ(columns->ScrollBar->PageSize(), 2);
    EXPECT_LE(columns->ListBox->BoundsRect().Bottom, columns->ScrollBar->Top());

    TbsSkinListBox* skinned = List(40, "item ");
    auto* plain = new TListBox(FForm);
    plain->SetParent(FForm);
    plain->SetStyle(lbOwnerDrawFixed);
    plain->SetItemHeight(20);
    plain->SetBounds(200, 10, skinned->ListBox->Width(), skinned->ListBox->Height());
    for (int i = 0; i < 40; ++i)
        plain->Items().Add("item " + std::to_string(i));
    const auto wheelDown = win::WPARAM(std::uint32_t(-120) << 16);
    plain->Perform(win::WM_MOUSEWHEEL, wheelDown, 0);
    skinned->ListBox->Perform(win::WM_MOUSEWHEEL, wheelDown, 0);
    EXPECT_EQ(skinned->TopIndex(), plain->TopIndex() + 1);
    EXPECT_EQ(skinned->ScrollBar->Position(), skinned->TopIndex());
}

} // namespace
