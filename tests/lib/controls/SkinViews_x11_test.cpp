// On a private X server, with real pointer input (XTest): the job list's outside bar dragged
// down scrolls the report by whole rows, and a header section pressed shows pressed on screen
// until released; a job list of 200 rows with both skin bars of the program's skin, scrolled by
// the wheel and by dragging either bar, keeps the bars and the rows shown in agreement.
#include "TestSkins.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/CommCtrl.h"
#include "platform/win/Win.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XTestInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using formstest::XFormTest;
using x11test::RunUntil;
using x11test::XTestInput;

// A form on a private server with the test extension's pointer; skips itself without either.
class ViewsX11 : public XFormTest {
protected:
    void SetUp() override {
        XFormTest::SetUp();
        if (IsSkipped()) return;
        FInput = std::make_unique<XTestInput>(FServer.Name());
        if (!FInput->Available()) GTEST_SKIP() << "the X server has no test extension";
    }
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FInput->MovePointer(screen.X, screen.Y);
    }

    std::unique_ptr<XTestInput> FInput;
};

class SkinViewsX11 : public ViewsX11 {
protected:
    void SetUp() override {
        ViewsX11::SetUp();
        if (IsSkipped()) return;
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

// Three columns wider than the view, 200 rows; the vertical bar at the right, the horizontal
// one below reaching under it into the corner; the program's main skin on all three.
class SkinJobListX11 : public ViewsX11 {
protected:
    void SetUp() override {
        ViewsX11::SetUp();
        if (IsSkipped()) return;
        FSkin = LoadProgramSkin("main");
        FForm->SetBounds(40, 40, 460, 300);
        FView = new TbsSkinListView(FForm);
        FView->SetParent(FForm);
        FView->SetBounds(10, 10, 400, 220);
        FView->SetViewStyle(vsReport);
        FView->SetGridLines(true);
        FView->SetRowSelect(true);
        FView->SetReadOnly(true);
        for (const char* caption : { "File", "Format", "Progress", "Output" }) {
            TListColumn* column = FView->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(150);
        }
        for (int i = 0; i < 200; ++i) {
            TListItem* item = FView->Items().Add();
            item->SetCaption("video" + std::to_string(i) + ".mkv");
            item->SubItems().Add("MP4");
            item->SubItems().Add(std::to_string(i % 100) + "%");
            item->SubItems().Add("converted");
        }
        FVBar = new TbsSkinScrollBar(FForm);
        FVBar->SetParent(FForm);
        FVBar->SetKind(sbVertical);
        FVBar->SetSkinDataName("vscrollbar");
        FVBar->SetBounds(410, 10, 17, 220);
        FHBar = new TbsSkinScrollBar(FForm);
        FHBar->SetParent(FForm);
        FHBar->SetBounds(10, 230, 417, 17);
        FVBar->SetSkinData(FSkin.get());
        FHBar->SetSkinData(FSkin.get());
        FView->SetSkinData(FSkin.get());
        FView->SetVScrollBar(FVBar);
        FView->SetHScrollBar(FHBar);
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] {
            return !Capture().Empty() && FVBar->Visible() && FHBar->Visible();
        })) << "the window shows with both bars";
    }
    int TopRow() const { return FView->TopItem() ? FView->TopItem()->Index() : -1; }
    // The rows shown, the view's own scroll state and both bars tell the same.
    void ExpectBarsAndRowsAgree() {
        EXPECT_EQ(FVBar->Position(), TopRow());
        EXPECT_EQ(win::GetScrollPos(FView->Handle(), win::SB_VERT), TopRow());
        EXPECT_EQ(FVBar->PageSize(),
                  win::SendMessage(FView->Handle(), win::LVM_GETCOUNTPERPAGE, 0, 0));
        EXPECT_EQ(FHBar->Position(), win::GetScrollPos(FView->Handle(), win::SB_HORZ));
        EXPECT_TRUE(FHBar->Both()) << "the corner stays free while the vertical bar shows";
    }
    // Drags the thumb of bar by offset pixels along it, a hand's way: press, wait until taken,
    // move, wait until the bar followed, release.
    void DragThumb(TbsSkinScrollBar* bar, int offset) {
        const TRect thumb = bar->Buttons[TbsSkinScrollBar::kThumb].R;
        const TPoint grip((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
        const bool vertical = bar->Kind() == sbVertical;
        const int before = bar->Position();
        PointAt(bar, grip);
        FInput->PressButton();
        ASSERT_TRUE(RunUntil([&] { return bar->Buttons[TbsSkinScrollBar::kThumb].Down; }));
        PointAt(bar, TPoint(grip.X + (vertical ? 0 : offset), grip.Y + (vertical ? offset : 0)));
        ASSERT_TRUE(RunUntil([&] { return bar->Position() != before; }));
        FInput->ReleaseButton();
        ASSERT_TRUE(RunUntil([&] { return !bar->Buttons[TbsSkinScrollBar::kThumb].Down; }));
        RunUntil([] { return false; }, std::chrono::milliseconds(200));
    }

    // Outlives the form, which the base's tear-down frees.
    std::unique_ptr<TbsSkinData> FSkin;
    TbsSkinListView* FView{ nullptr };
    TbsSkinScrollBar* FVBar{ nullptr };
    TbsSkinScrollBar* FHBar{ nullptr };
};

TEST_F(SkinJobListX11, TheWheelOverTheRowsMovesTheBarWithThem) {
    ExpectBarsAndRowsAgree();
    // The wheel goes to the window with the focus: a click on a row gives it to the view.
    PointAt(FView, TPoint(100, 120));
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return FView->Focused(); }));
    FInput->ReleaseButton();
    ASSERT_TRUE(RunUntil([&] { return FView->Selected() != nullptr; }));
    for (int notch = 1; notch <= 3; ++notch) {
        const int before = TopRow();
        FInput->PressButton(5);
        FInput->ReleaseButton(5);
        ASSERT_TRUE(RunUntil([&] { return TopRow() > before && FVBar->Position() == TopRow(); }))
            << "notch " << notch;
    }
    ExpectBarsAndRowsAgree();
    const int down = TopRow();
    FInput->PressButton(4);
    FInput->ReleaseButton(4);
    ASSERT_TRUE(RunUntil([&] { return TopRow() < down && FVBar->Position() == TopRow(); }));
    ExpectBarsAndRowsAgree();
}

TEST_F(SkinJobListX11, DraggingEitherBarScrollsTheRowsAndKeepsTheOtherInStep) {
    DragThumb(FVBar, 10000);
    EXPECT_EQ(TopRow(), 200 - FVBar->PageSize()) << "dragged past the end: the last page";
    ExpectBarsAndRowsAgree();
    DragThumb(FVBar, -60);
    EXPECT_GT(TopRow(), 0);
    EXPECT_LT(TopRow(), 200 - FVBar->PageSize());
    ExpectBarsAndRowsAgree();
    DragThumb(FHBar, 40);
    EXPECT_GT(FHBar->Position(), 0);
    ExpectBarsAndRowsAgree();
    // What the server shows of the vertical bar is the bar as it stands: its thumb where the
    // rows are.
    const gfx::Surface own = PaintedPixels(*FVBar);
    const TRect bar = InWindow(FVBar);
    EXPECT_TRUE(RunUntil([&] {
        const gfx::Surface shot = Capture();
        if (shot.Empty()) return false;
        for (int y = 0; y < FVBar->Height(); ++y)
            if (RgbAt(shot, bar.Left + 8, bar.Top + y) != RgbAt(own, 8, y)) return false;
        return true;
    })) << "the bar on screen shows its thumb at its position";
}

} // namespace
