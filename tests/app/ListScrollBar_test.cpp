#include "HeadlessFormTest.h"
#include "app/TListScrollBar.h"
#include "platform/forms/TListView.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"

#include <string>

namespace {

using namespace win;

// The job list's shape: 521 pixels wide, columns 530 pixels in all.
class ListScrollBar : public HeadlessFormTest {
protected:
    void SetUp() override {
        HeadlessFormTest::SetUp();
        FList = new TListView(FForm);
        FList->SetParent(FForm);
        FList->SetBounds(7, 10, 521, 202);
        FList->SetViewStyle(vsReport);
        for (int width : { 80, 70, 70, 80, 70, 0, 80, 80 })
            FList->Columns().Add()->SetWidth(width);
        for (int i = 0; i < 3; ++i)
            FList->Items().Add()->SetCaption("file" + std::to_string(i));
        FBar = new TListScrollBar(FForm);
        FBar->SetParent(FForm);
        FBar->SetBounds(7, 212, 521, 16);
        FBar->SetListView(FList);
        Pump();
    }
    SCROLLINFO ListState() {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(FList->Handle(), SB_HORZ, &info);
        return info;
    }

    TListView* FList{ nullptr };
    TListScrollBar* FBar{ nullptr };
};

TEST_F(ListScrollBar, TakesThePlaceOfTheListsOwnBar) {
    EXPECT_FALSE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_HSCROLL);
    const SCROLLINFO state = ListState();
    EXPECT_GT(state.nMax - state.nMin + 1, int(state.nPage)) << "the columns are wider";
    EXPECT_TRUE(FBar->Enabled());
    EXPECT_EQ(FBar->Max(), state.nMax);
    EXPECT_EQ(FBar->PageSize(), int(state.nPage));
    EXPECT_EQ(FBar->Position(), 0);
}

TEST_F(ListScrollBar, MovesBothWays) {
    // The bar scrolls the list ...
    FBar->SetPosition(FBar->Max());
    Pump();
    EXPECT_GT(ListState().nPos, 0);
    EXPECT_EQ(FBar->Position(), ListState().nPos);
    // ... and the list, scrolled by itself, moves the bar.
    SendMessage(FList->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    Pump();
    EXPECT_EQ(ListState().nPos, 0);
    EXPECT_EQ(FBar->Position(), 0);
}

TEST_F(ListScrollBar, NothingToScrollDisablesTheBar) {
    FList->Column(0)->SetWidth(20);
    Pump();
    EXPECT_FALSE(FBar->Enabled());
    FList->Column(0)->SetWidth(200);
    Pump();
    EXPECT_TRUE(FBar->Enabled());
    EXPECT_FALSE(GetWindowLongPtr(FList->Handle(), GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ListScrollBar, EitherMayBeFreedFirst) {
    delete FList;
    FList = nullptr;
    EXPECT_EQ(FBar->ListView(), nullptr);
    auto* list = new TListView(FForm);
    list->SetParent(FForm);
    FBar->SetListView(list);
    delete FBar;
    list->SetBounds(0, 0, 50, 50); // runs its window procedure, which must be its own again
    Pump();
}

} // namespace
