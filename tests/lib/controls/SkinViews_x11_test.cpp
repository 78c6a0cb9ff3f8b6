// On a private X server, with real pointer input (XTest): the job list's outside bar dragged
// down scrolls the report by whole rows, and a header section pressed shows pressed on screen
// until released.
#include "TestSkins.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/forms/CommCtrl.h"
#include "platform/win/Win.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XTestInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using formstest::XFormTest;
using x11test::RunUntil;
using x11test::XTestInput;

class SkinViewsX11 : public XFormTest {
protected:
    void SetUp() override {
        XFormTest::SetUp();
        if (IsSkipped()) return;
        FInput = std::make_unique<XTestInput>(FServer.Name());
        if (!FInput->Available()) GTEST_SKIP() << "the X server has no test extension";
        FForm->SetBounds(40, 40, 420, 260);
        FView = new TbsSkinListView(FForm);
        FView->SetParent(FForm);
        FView->SetBounds(10, 10, 300, 200);
        FView->SetViewStyle(vsReport);
        TListColumn* column = FView->Columns().Add();
        column->SetCaption("Job");
        column->SetWidth(200);
        for (int i = 0; i < 60; ++i)
            FView->Items().Add()->SetCaption("Job " + std::to_string(i));
        FBar = new TbsSkinScrollBar(FForm);
        FBar->SetParent(FForm);
        FBar->SetKind(sbVertical);
        FBar->SetBounds(310, 10, 17, 200);
        FView->SetVScrollBar(FBar);
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return !Capture().Empty() && FBar->Visible(); }))
            << "the window shows with the bar";
    }
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FInput->MovePointer(screen.X, screen.Y);
    }

    std::unique_ptr<XTestInput> FInput;
    TbsSkinListView* FView{ nullptr };
    TbsSkinScrollBar* FBar{ nullptr };
};

TEST_F(SkinViewsX11, TheBarsThumbDraggedDownScrollsTheReportByRows) {
    const TRect thumb = FBar->Buttons[TbsSkinScrollBar::kThumb].R;
    const TPoint grip((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
    PointAt(FBar, grip);
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return FBar->Buttons[TbsSkinScrollBar::kThumb].Down; }));
    PointAt(FBar, TPoint(grip.X, grip.Y + 40));
    ASSERT_TRUE(RunUntil([&] { return FBar->Position() > 0; }));
    FInput->ReleaseButton();
    ASSERT_TRUE(RunUntil([&] { return !FBar->Buttons[TbsSkinScrollBar::kThumb].Down; }));
    EXPECT_EQ(FView->TopItem()->Index(), FBar->Position());
    EXPECT_EQ(win::GetScrollPos(FView->Handle(), win::SB_VERT), FBar->Position());
}

TEST_F(SkinViewsX11, APressedHeaderSectionShowsPressedUntilReleased) {
    ASSERT_TRUE(FView->SkinnedHeader());
    win::RECT r{};
    win::SendMessage(FView->SkinnedHeader(), win::HDM_GETITEMRECT, 0, win::LPARAM(&r));
    const TRect section(r);
    PointAt(FView, TPoint(section.Left + 60, section.Top + section.Height() / 2));
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return FView->ActiveSection() == 0; }));
    const TRect at = InWindow(FView);
    EXPECT_TRUE(RunUntil([&] {
        const gfx::Surface shot = Capture();
        return !shot.Empty() &&
               RgbAt(shot, at.Left + section.Left, at.Top + section.Top) == RgbOf(clNavy);
    })) << "the pressed section's frame shows";
    FInput->ReleaseButton();
    EXPECT_TRUE(RunUntil([&] { return FView->ActiveSection() == -1; }));
}

} // namespace
