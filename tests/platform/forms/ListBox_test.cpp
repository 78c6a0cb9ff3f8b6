#include "ControlsFixture.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/forms/TListBox.h"
#include "platform/rtl/Exception.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <vector>

namespace formstest {
namespace {

using namespace win;

class ListBox : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        FList = Add<TListBox>(10, 10, 150, 0);
        // Five whole rows plus the sunken edge.
        FList->SetHeight(5 * FList->ItemHeight() + 4);
        FList->OnClick = [this](TObject*) { ++FClicks; };
        for (int i = 0; i < 20; ++i)
            FList->Items().Add("item " + std::to_string(100 + i));
        FList->SetFocus();
        Pump();
    }
    SCROLLINFO Scroll() {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(FList->Handle(), SB_VERT, &info));
        return info;
    }
    int Row() const { return FList->ItemHeight(); }

    TListBox* FList{ nullptr };
    int FClicks{ 0 };
};

TEST_F(ListBox, ItemsGoThroughTheListMessagesAndKeepTheirObjects) {
    std::vector<UINT> seen;
    const TWndMethod inner = FList->WindowProc;
    FList->WindowProc = [&](TMessage& m) {
        if (m.Msg >= LB_ADDSTRING && m.Msg <= LB_DELETESTRING) seen.push_back(m.Msg);
        inner(m);
    };
    TStrings& items = FList->Items();
    items.Clear();
    TObject* const tag = reinterpret_cast<TObject*>(this);
    items.AddObject("b", tag);
    items.Insert(0, "a");
    items.Add("c");
    items.Delete(2);
    EXPECT_EQ(items.CommaText(), "a,b");
    EXPECT_EQ(items.Objects(1), tag);
    EXPECT_EQ(seen,
              (std::vector<UINT>{ LB_ADDSTRING, LB_INSERTSTRING, LB_ADDSTRING, LB_DELETESTRING }));

    FList->SetItemIndex(1);
    items.SetStrings(1, "beta");
    EXPECT_EQ(items.Objects(1), tag) << "replacing a line keeps its object";
    EXPECT_EQ(FList->ItemIndex(), 1) << "and the selection";

    FList->SetSorted(true);
    items.Add("aardvark");
    items.Add("Alpha");
    EXPECT_EQ(items.CommaText(), "a,aardvark,Alpha,beta");
    EXPECT_EQ(FList->ItemIndex(), 3) << "the selected line moves with sorting";
    EXPECT_EQ(items.IndexOf("ALPHA"), 2);

    FList->WindowProc = [&](TMessage& m) {
        if (m.Msg == LB_ADDSTRING) {
            m.Result = LB_ERRSPACE;
            return;
        }
        inner(m);
    };
    try {
        items.Add("refused");
        ADD_FAILURE() << "a refused line raises";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Unable to insert a line");
    }
    FList->WindowProc = inner;
}

TEST_F(ListBox, KeysMoveTheSelectionAndTheTopLineFollows) {
    struct Step {
        UINT key;
        int index;
        int top;
    };
    const Step steps[] = {
        { VK_DOWN, 0, 0 }, { VK_DOWN, 1, 0 },    { VK_NEXT, 5, 1 }, { VK_END, 19, 15 },
        { VK_UP, 18, 15 }, { VK_PRIOR, 14, 14 }, { VK_HOME, 0, 0 }, { VK_UP, 0, 0 },
    };
    int clicks = 0;
    for (const Step& s : steps) {
        const int before = FList->ItemIndex();
        Key(s.key);
        EXPECT_EQ(FList->ItemIndex(), s.index) << s.key;
        EXPECT_EQ(FList->TopIndex(), s.top) << s.key;
        if (s.index != before) ++clicks;
    }
    EXPECT_EQ(FClicks, clicks) << "OnClick fires for each change of the selection only";

    const SCROLLINFO info = Scroll();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 19);
    EXPECT_EQ(info.nPage, 5u);
    EXPECT_EQ(info.nPos, 0);
    EXPECT_TRUE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(FList->ClientWidth(), 150 - 4 - GetSystemMetrics(SM_CXVSCROLL))
        << "the bar takes its room from the client area";

    FList->Items().Clear();
    EXPECT_FALSE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_VSCROLL)
        << "nothing to scroll hides the bar";
    EXPECT_EQ(FList->ItemIndex(), -1);
    Key(VK_DOWN);
    EXPECT_EQ(FList->ItemIndex(), -1);
}

TEST_F(ListBox, WheelAndScrollBarScrollTheLines) {
    WheelOver(FList, -2);
    EXPECT_EQ(FList->TopIndex(), 6) << "three lines a notch";
    WheelOver(FList, 1);
    EXPECT_EQ(FList->TopIndex(), 3);
    WheelOver(FList, -10);
    EXPECT_EQ(FList->TopIndex(), 15) << "never past the last page";
    EXPECT_EQ(Scroll().nPos, 15);

    // The bar lies right of the client area: its arrows step, the channel pages.
    const int barX = FList->ClientWidth() + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    ClickAt(FList, barX, 2);
    EXPECT_EQ(FList->TopIndex(), 14);
    ClickAt(FList, barX, FList->ClientHeight() - 2);
    EXPECT_EQ(FList->TopIndex(), 15);
    ClickAt(FList, barX, arrow + 2);
    EXPECT_EQ(FList->TopIndex(), 10) << "a page up";

    // Dragging the thumb to the bottom end tracks the lines along.
    std::vector<int> tracked;
    const TWndMethod inner = FList->WindowProc;
    FList->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_VSCROLL && LOWORD(UINT(m.WParam)) == SB_THUMBTRACK) {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(FList->Handle(), SB_VERT, &info);
            tracked.push_back(info.nTrackPos);
        }
        inner(m);
    };
    SCROLLINFO info = Scroll();
    const int channel = FList->ClientHeight() - 2 * arrow;
    const int thumbTop = arrow + channel * info.nPos / (info.nMax - info.nMin + 1) + 3;
    const TPoint from = FList->ClientToScreen(TPoint(barX, thumbTop));
    FDisplay->MoveMouse(from.X, from.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->MoveMouse(from.X, from.Y + FList->ClientHeight());
    Pump();
    EXPECT_EQ(FList->TopIndex(), 15);
    FDisplay->ReleaseButton();
    Pump();
    FList->WindowProc = inner;
    ASSERT_FALSE(tracked.empty());
    EXPECT_EQ(tracked.back(), 15) << "the track position is readable while dragging";
    EXPECT_EQ(Scroll().nPos, 15);
    EXPECT_EQ(GetCapture(), nullptr);

    // A held arrow keeps scrolling after a pause.
    FList->SetTopIndex(0);
    const TPoint down = FList->ClientToScreen(TPoint(barX, FList->ClientHeight() - 2));
    FDisplay->MoveMouse(down.X, down.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->Time().Advance(400);
    Pump();
    FDisplay->Time().Advance(50);
    Pump();
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FList->TopIndex(), 3);
}

TEST_F(ListBox, ExtendedSelectionFollowsShiftAndCtrl) {
    FList->SetMultiSelect(true);
    const auto selected = [this] {
        std::vector<int> s;
        for (int i = 0; i < FList->Count(); ++i)
            if (FList->Selected(i)) s.push_back(i);
        return s;
    };
    ClickAt(FList, 5, Row() * 1 + 2);
    ClickAt(FList, 5, Row() * 3 + 2, { VK_SHIFT });
    EXPECT_EQ(selected(), (std::vector<int>{ 1, 2, 3 }));
    ClickAt(FList, 5, Row() * 2 + 2, { VK_CONTROL });
    EXPECT_EQ(selected(), (std::vector<int>{ 1, 3 }));
    Key(VK_DOWN, { VK_SHIFT });
    EXPECT_EQ(selected(), (std::vector<int>{ 2, 3 })) << "the range runs from the anchor";
    EXPECT_EQ(FList->SelCount(), 2);
    Key(VK_DOWN);
    EXPECT_EQ(selected(), (std::vector<int>{ 4 }));

    // Dragged below the list, the selection goes on growing as the lines scroll by.
    const TPoint from = FList->ClientToScreen(TPoint(5, 2));
    FDisplay->MoveMouse(from.X, from.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->MoveMouse(from.X, from.Y + FList->ClientHeight() + 10);
    Pump();
    EXPECT_EQ(FList->ItemIndex(), 5);
    FDisplay->Time().Advance(400);
    Pump();
    FDisplay->Time().Advance(50);
    Pump();
    FDisplay->ReleaseButton();
    Pump();
    FDisplay->Time().Advance(500);
    Pump();
    EXPECT_EQ(FList->ItemIndex(), 7);
    EXPECT_EQ(FList->SelCount(), 8);
    EXPECT_EQ(FList->TopIndex(), 3);

    FList->SetExtendedSelect(false);
    FList->SetTopIndex(0);
    FList->ClearSelection();
    ClickAt(FList, 5, Row() * 0 + 2);
    ClickAt(FList, 5, Row() * 2 + 2);
    ClickAt(FList, 5, Row() * 4 + 2);
    ClickAt(FList, 5, Row() * 2 + 2);
    EXPECT_EQ(selected(), (std::vector<int>{ 0, 4 })) << "plain multiple selection toggles";
    Key(VK_UP);
    Type(" ");
    EXPECT_EQ(selected(), (std::vector<int>{ 0, 1, 4 })) << "Space toggles the focused line";
}

TEST_F(ListBox, TypingFindsTheLineByItsStart) {
    FList->Items().SetCommaText("apple,banana,berry,blueberry,cherry,Bear");
    FList->SetItemIndex(0);
    Type("b");
    EXPECT_EQ(FList->Items()[FList->ItemIndex()], "banana");
    Type("l");
    EXPECT_EQ(FList->Items()[FList->ItemIndex()], "blueberry");
    FDisplay->Time().Advance(1000);
    Type("b");
    EXPECT_EQ(FList->Items()[FList->ItemIndex()], "Bear") << "a pause starts a new search";
    FDisplay->Time().Advance(1000);
    Type("z");
    EXPECT_EQ(FList->Items()[FList->ItemIndex()], "Bear") << "no match keeps the line";
}

TEST_F(ListBox, OwnerDrawnLinesOfTheirOwnHeight) {
    FList->Items().SetCommaText("a,b,c,d");
    FList->SetHeight(120);
    FList->SetStyle(lbOwnerDrawVariable);
    FList->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + 5 * index; };
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    FList->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        EXPECT_EQ(rect, FList->ItemRect(index));
        drawn.emplace_back(index, state);
    };
    struct Case {
        int index;
        int top;
        int bottom;
    };
    for (const Case c : { Case{ 0, 0, 10 }, Case{ 1, 10, 25 }, Case{ 3, 45, 70 } }) {
        EXPECT_EQ(FList->ItemRect(c.index).Top, c.top);
        EXPECT_EQ(FList->ItemRect(c.index).Bottom, c.bottom);
        EXPECT_EQ(FList->ItemAtPos(TPoint(5, c.bottom - 1), true), c.index);
    }
    EXPECT_EQ(FList->ItemAtPos(TPoint(5, 75), true), -1);
    EXPECT_EQ(FList->ItemAtPos(TPoint(5, 75), false), 4);

    ClickAt(FList, 5, 12);
    EXPECT_EQ(FList->ItemIndex(), 1);
    drawn.clear();
    FList->Repaint();
    Pump();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_TRUE(drawn[1].second.Contains(odSelected));
    EXPECT_TRUE(drawn[1].second.Contains(odFocused));
    EXPECT_FALSE(drawn[0].second.Contains(odSelected));
}

TEST_F(ListBox, ColumnsRunDownThenAcrossAndScrollSideways) {
    FList->SetColumns(2);
    FList->SetBounds(10, 10, 4 + 2 * 60, 4 + 5 * Row() + GetSystemMetrics(SM_CYHSCROLL));
    Pump();
    EXPECT_TRUE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(FList->ItemRect(7), TRect(60, 2 * Row(), 120, 3 * Row()));
    EXPECT_EQ(FList->ItemAtPos(TPoint(65, 2 * Row() + 1), true), 7);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(FList->Handle(), SB_HORZ, &info));
    EXPECT_EQ(info.nMax, 3) << "twenty lines make four columns of five";
    EXPECT_EQ(info.nPage, 2u);

    FList->SetItemIndex(0);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(FList->ItemIndex(), 10) << "right moves a column";
    EXPECT_EQ(FList->TopIndex(), 5) << "the view follows a column at a time";
    SendMessage(FList->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_EQ(FList->TopIndex(), 10);
    EXPECT_EQ(GetScrollPos(FList->Handle(), SB_HORZ), 2);
    FList->SetTopIndex(3);
    EXPECT_EQ(FList->TopIndex(), 0) << "a column starts at its first line";
}

TEST_F(ListBox, AWrapperWithoutFrameStillReadsTheScrollState) {
    // A skinned wrapper keeps the inner list's frame to itself: its bars take no room.
    const TWndMethod inner = FList->WindowProc;
    FList->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_NCCALCSIZE) return;
        inner(m);
    };
    FList->SetBounds(10, 10, 150, 5 * Row());
    FList->SetTopIndex(7);
    Pump();
    EXPECT_EQ(FList->ClientWidth(), 150);
    int minPos = -1;
    int maxPos = -1;
    EXPECT_TRUE(GetScrollRange(FList->Handle(), SB_VERT, &minPos, &maxPos));
    EXPECT_EQ(minPos, 0);
    EXPECT_EQ(maxPos, 19);
    EXPECT_EQ(GetScrollPos(FList->Handle(), SB_VERT), 7);
    SendMessage(FList->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
    EXPECT_EQ(FList->TopIndex(), 12);
    FList->WindowProc = inner;
}

} // namespace
} // namespace formstest
