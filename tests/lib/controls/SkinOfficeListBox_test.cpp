// The office list: stepping over header and disabled rows, its own scroll bar, the ItemIndex
// setter's events, the mouse and the rows' plain look.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinOfficeListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class SkinOfficeListBox : public PointerTest {
protected:
    // Rows by caption: "#" before it makes a header row, "-" a disabled one.
    TbsSkinOfficeListBox* List(const std::vector<std::string>& rows) {
        auto* list = Add<TbsSkinOfficeListBox>(10, 10, 150, 150);
        Fill(list, rows);
        list->OnItemClick = [this](TObject*) { FLog.push_back("OnItemClick"); };
        Pump();
        return list;
    }
    void Fill(TbsSkinOfficeListBox* list, const std::vector<std::string>& rows) {
        for (const std::string& row : rows) {
            TbsSkinOfficeItem* item = list->Items().Add();
            std::string caption = row;
            if (!caption.empty() && caption[0] == '#') {
                item->SetHeader(true);
                caption.erase(0, 1);
            } else if (!caption.empty() && caption[0] == '-') {
                item->SetEnabled(false);
                caption.erase(0, 1);
            }
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { FLog.push_back("item:" + caption); };
        }
    }
    static std::vector<std::string> Numbered(int count) {
        std::vector<std::string> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back("row " + std::to_string(i));
        return rows;
    }

    Log FLog;
};

TEST_F(SkinOfficeListBox, KeysStepOverHeaderAndDisabledRows) {
    struct Case {
        const char* Name;
        int Start;
        win::UINT Key;
        int Expected;
        Log Events;
    };
    const Case cases[] = {
        { "Down from A skips B", 1, win::VK_DOWN, 3, { "item:C", "OnItemClick" } },
        { "Right steps as Down", 1, win::VK_RIGHT, 3, { "item:C", "OnItemClick" } },
        { "Up from C skips B", 3, win::VK_UP, 1, { "item:A", "OnItemClick" } },
        { "Up from A stops at the header", 1, win::VK_UP, 1, {} },
        { "Down from C finds nothing", 3, win::VK_DOWN, 3, {} },
        { "Down from none takes A", -1, win::VK_DOWN, 1, { "item:A", "OnItemClick" } },
        { "Up from none does nothing", -1, win::VK_UP, -1, {} },
    };
    for (const Case& c : cases) {
        TbsSkinOfficeListBox* list = List({ "#header", "A", "-B", "C" });
        list->SetFocus();
        list->SetItemIndex(c.Start);
        FLog.clear();
        Key(c.Key);
        EXPECT_EQ(list->ItemIndex(), c.Expected) << c.Name;
        EXPECT_EQ(FLog, c.Events) << c.Name;
        delete list;
    }
}

TEST_F(SkinOfficeListBox, PageStepsStopPastACrossedHeader) {
    struct Case {
        const char* Name;
        std::vector<std::string> Rows;
        int Start;
        win::UINT Key;
        int Expected;
    };
    // Rows of 30 in an items area 146 high: a page is 4 rows.
    const Case cases[] = {
        { "down across a header", { "0", "1", "2", "#h", "4", "5", "6", "7" }, 0, win::VK_NEXT, 4 },
        { "down without a header goes a page",
          { "0", "1", "2", "3", "4", "5", "6", "7" },
          0,
          win::VK_NEXT,
          5 },
        { "down skips a disabled farthest row",
          { "0", "1", "2", "3", "4", "-5", "6" },
          0,
          win::VK_NEXT,
          4 },
        { "up across a header", { "0", "1", "#h", "3", "4", "5", "6" }, 6, win::VK_PRIOR, 1 },
        { "up from the first row does nothing", { "0", "1" }, 0, win::VK_PRIOR, 0 },
        { "down from the last row does nothing", { "0", "1" }, 1, win::VK_NEXT, 1 },
    };
    for (const Case& c : cases) {
        TbsSkinOfficeListBox* list = List(c.Rows);
        ASSERT_EQ(list->ItemsRect().Height(), 146) << c.Name;
        list->SetFocus();
        list->SetItemIndex(c.Start);
        Key(c.Key);
        EXPECT_EQ(list->ItemIndex(), c.Expected) << c.Name;
        delete list;
    }
}

TEST_F(SkinOfficeListBox, ScrollBarComesWhileRowsDoNotFitAndGoesWhenTheyDo) {
    TbsSkinOfficeListBox* list = List(Numbered(10));
    ASSERT_NE(list->ScrollBar, nullptr);
    EXPECT_EQ(list->ScrollBar->Max(), 300);
    EXPECT_EQ(list->ScrollBar->PageSize(), 146);
    // The bar stands inside the frame at the right, and the rows leave room for it.
    EXPECT_EQ(list->ScrollBar->Left() + list->ScrollBar->Width(), 148);
    EXPECT_EQ(list->ItemsRect().Right, 148 - list->ScrollBar->Width());
    list->Items().Clear();
    Fill(list, Numbered(4));
    EXPECT_EQ(list->ScrollBar, nullptr);
    EXPECT_EQ(list->ItemsRect().Right, 148);
}

TEST_F(SkinOfficeListBox, ScrollingFollowsTheCurrentRowAndKeepsATopHeaderInView) {
    std::vector<std::string> rows = Numbered(12);
    rows[0] = "#header";
    TbsSkinOfficeListBox* list = List(rows);
    list->SetItemIndex(11);
    // The last row's bottom comes up to one pixel above the bottom margin.
    EXPECT_EQ(list->Items()[11]->ItemRect.Bottom, list->Height() - 3);
    EXPECT_EQ(list->ScrollBar->Position(), list->ScrollOffset());
    list->SetItemIndex(5);
    EXPECT_EQ(list->Items()[5]->ItemRect.Top, list->ItemsRect().Top);
    list->SetItemIndex(1);
    EXPECT_EQ(list->ScrollOffset(), 0);
    EXPECT_TRUE(list->Items()[0]->IsVisible);
    // The bar scrolls the rows by pixels.
    list->ScrollBar->SetPosition(45);
    EXPECT_EQ(list->ScrollOffset(), 45);
    EXPECT_EQ(list->Items()[0]->ItemRect.Top, 2 - 45);
    // The wheel towards the user scrolls down by a row.
    list->SetFocus();
    WheelOver(list, -1);
    EXPECT_EQ(list->ScrollOffset(), 75);
}

TEST_F(SkinOfficeListBox, AGrownListClosesTheGapUnderItsLastRow) {
    TbsSkinOfficeListBox* list = List(Numbered(10));
    list->SetItemIndex(9);
    ASSERT_GT(list->ScrollOffset(), 0);
    list->SetBounds(list->Left(), list->Top(), list->Width(), 250);
    Pump();
    // 300 pixels of rows in an items area of 246: the last row ends on the area's bottom.
    EXPECT_EQ(list->ScrollOffset(), 54);
    EXPECT_EQ(list->Items()[9]->ItemRect.Bottom, list->ItemsRect().Bottom);
    ASSERT_NE(list->ScrollBar, nullptr);
    EXPECT_EQ(list->ScrollBar->Height(), 246);
    EXPECT_EQ(list->ScrollBar->PageSize(), 246);
    // Grown until every row fits, it scrolls back to the top and drops its bar.
    list->SetBounds(list->Left(), list->Top(), list->Width(), 320);
    Pump();
    EXPECT_EQ(list->ScrollOffset(), 0);
    EXPECT_EQ(list->ScrollBar, nullptr);
}

TEST_F(SkinOfficeListBox, ItemIndexFiresOnEveryAssignmentButNotForNoRow) {
    struct Case {
        const char* Name;
        int Before;
        int Assign;
        Log Events;
        std::vector<bool> Active;
    };
    const Case cases[] = {
        { "another row", 0, 1, { "item:b", "OnItemClick" }, { false, true, false } },
        { "the same row again", 1, 1, { "item:b", "OnItemClick" }, { false, true, false } },
        { "-1 keeps the marks", 1, -1, {}, { false, true, false } },
        { "at the count", 1, 3, {}, { false, false, false } },
        { "past the count", 1, 8, {}, { false, false, false } },
    };
    for (const Case& c : cases) {
        TbsSkinOfficeListBox* list = List({ "a", "b", "c" });
        list->SetItemIndex(c.Before);
        FLog.clear();
        list->SetItemIndex(c.Assign);
        EXPECT_EQ(FLog, c.Events) << c.Name;
        EXPECT_EQ(list->ItemIndex(), c.Assign) << c.Name;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(list->Items()[i]->Active, c.Active[std::size_t(i)]) << c.Name << " row " << i;
        EXPECT_EQ(list->ScrollOffset(), 0) << c.Name;
        // Keys from an index past the rows stay in range.
        list->FindUp();
        list->FindPageUp();
        EXPECT_LT(list->ItemIndex(), 3) << c.Name;
        delete list;
    }
}

TEST_F(SkinOfficeListBox, MousePressMarksARowAndReleaseChoosesItButNeverADisabledRow) {
    TbsSkinOfficeListBox* list = List({ "#header", "A", "-B", "C" });
    auto centre = [list](int row) {
        const TRect r = list->Items()[row]->ItemRect;
        return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    };
    EXPECT_EQ(list->ItemAtPos(centre(2).X, centre(2).Y), -1);
    EXPECT_EQ(list->ItemAtPos(centre(0).X, centre(0).Y), 0);
    // Pressed on A, dragged onto the disabled B and released there: A stays, nothing fires.
    MoveTo(list, centre(1));
    Press();
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(FLog.empty());
    MoveTo(list, centre(2));
    Release();
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(FLog.empty());
    // Dragging onto C makes it current at once, releasing there chooses it.
    MoveTo(list, centre(1));
    Press();
    MoveTo(list, centre(3));
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_TRUE(FLog.empty());
    Release();
    EXPECT_EQ(FLog, (Log{ "item:C", "OnItemClick" }));
    // A header row is never chosen.
    FLog.clear();
    ClickAt(list, centre(0).X, centre(0).Y);
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_TRUE(FLog.empty());
}

// The leftmost column of row's rectangle in which the pixels differ from the row's fill.
int FirstInkColumn(const gfx::Surface& pixels, const TRect& row) {
    const std::uint32_t fill = RgbAt(pixels, row.Right - 3, row.Top + 3);
    for (int x = row.Left; x < row.Right; ++x)
        for (int y = row.Top; y < row.Bottom; ++y)
            if (RgbAt(pixels, x, y) != fill) return x;
    return -1;
}

TEST_F(SkinOfficeListBox, PlainRowsShowHeaderCurrentRowAndTheTitleIndent) {
    TbsSkinOfficeListBox* list = List({ "#Header", "first", "second" });
    list->Items()[1]->SetTitle("Title");
    list->SetItemIndex(2);
    const gfx::Surface pixels = PaintedPixels(*list);
    EXPECT_EQ(RgbAt(pixels, 0, 0), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(pixels, 2, 2), RgbOf(clBtnShadow)); // the header row's fill
    const TRect current = list->Items()[2]->ItemRect;
    EXPECT_EQ(RgbAt(pixels, current.Right - 3, current.Top + 3), RgbOf(clHighlight));
    const TRect plain = list->Items()[1]->ItemRect;
    EXPECT_EQ(RgbAt(pixels, plain.Right - 3, plain.Bottom - 3), RgbOf(clWindow));
    // The caption of a row without an image moves 10 px right only while titles are shown.
    const int withTitles = FirstInkColumn(pixels, current);
    list->SetShowItemTitles(false);
    const int without = FirstInkColumn(PaintedPixels(*list), current);
    ASSERT_GE(without, 0);
    EXPECT_EQ(withTitles - without, 10);
}

TEST_F(SkinOfficeListBox, RowsComeFromTheProgramSkinsRecords) {
    std::unique_ptr<TbsSkinData> skin = LoadProgramSkin("main");
    TbsSkinOfficeListBox* list = List({ "#Header", "first", "-off", "third" });
    list->SetItemIndex(1);
    const gfx::Surface plain = PaintedPixels(*list);
    list->SetSkinData(skin.get());
    const gfx::Surface skinned = PaintedPixels(*list);
    EXPECT_NE(list->FIndex, -1);
    EXPECT_FALSE(SamePixels(plain, skinned));
    // The current row differs from a row at rest.
    const TRect a = list->Items()[1]->ItemRect, c = list->Items()[3]->ItemRect;
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = a.Left; x < a.Right; ++x)
            differing += RgbAt(skinned, x, a.Top + y) != RgbAt(skinned, x, c.Top + y);
    EXPECT_GT(differing, 0);
    list->SetSkinData(nullptr);
}

} // namespace
