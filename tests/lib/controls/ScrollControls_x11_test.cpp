// On a private X server, a scroll bar's thumb and a slider's thumb dragged with real pointer
// input (XTest): each position read back is what the pointer's offset maps to in the range, and
// the window's pixels show the thumb there.
#include "TestSkins.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinSlider.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XTestInput.h"

#include <gtest/gtest.h>

namespace {

using formstest::XFormTest;
using x11test::RunUntil;
using x11test::XTestInput;

// The colour of a pressed thumb's face in the plain looks.
constexpr std::uint32_t kPressedBarThumb = 0x8593B5; // TColor 0xB59385
constexpr std::uint32_t kPressedSliderThumb = 0xC8C8C8;

class ScrollControlsX11 : public XFormTest {
protected:
    void SetUp() override {
        XFormTest::SetUp();
        if (IsSkipped()) return;
        FInput = std::make_unique<XTestInput>(FServer.Name());
        if (!FInput->Available()) GTEST_SKIP() << "the X server has no test extension";
        FForm->SetBounds(40, 40, 420, 200);
        FBar = new TbsSkinScrollBar(FForm);
        FBar->SetParent(FForm);
        FBar->SetBounds(20, 20, 200, 17);
        FSlider = new TbsSkinSlider(FForm);
        FSlider->SetParent(FForm);
        FSlider->SetBounds(20, 80, 150, 40);
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return !Capture().Empty(); })) << "the window shows";
    }
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FInput->MovePointer(screen.X, screen.Y);
    }
    // Whether the captured window shows colour everywhere in the control's rectangle r.
    bool Shows(TControl* control, const TRect& r, std::uint32_t colour) {
        const gfx::Surface shot = Capture();
        if (shot.Empty()) return false;
        const TRect at = InWindow(control);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (RgbAt(shot, at.Left + x, at.Top + y) != colour) return false;
        return true;
    }

    std::unique_ptr<XTestInput> FInput;
    TbsSkinScrollBar* FBar{ nullptr };
    TbsSkinSlider* FSlider{ nullptr };
};

TEST_F(ScrollControlsX11, DraggedBarThumbFollowsThePointerIntoTheRange) {
    // 0..100 on a plain bar 200 long: the thumb's centre runs 150 pixels from 25 to 175.
    int lastChanges = 0;
    FBar->OnLastChange = [&](TObject*) { ++lastChanges; };
    const TPoint grip(25, 8);
    PointAt(FBar, grip);
    FInput->PressButton();
    ASSERT_TRUE(RunUntil([&] { return FBar->Buttons[TbsSkinScrollBar::kThumb].Down; }));
    struct Step {
        int Move;
        int Position;
    };
    const Step steps[] = { { 30, 20 }, { 75, 50 }, { 139, 93 }, { 400, 100 }, { -10, 0 } };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Move);
        PointAt(FBar, TPoint(grip.X + s.Move, grip.Y));
        ASSERT_TRUE(RunUntil([&] { return FBar->Position() == s.Position; }))
            << "position " << FBar->Position();
        // The pressed thumb stands where the position puts it: its centre 1.5 pixels a step.
        const TRect thumb = FBar->Buttons[TbsSkinScrollBar::kThumb].R;
        EXPECT_EQ(thumb.Left, 17 + (150 * s.Position + 50) / 100);
        const TRect inside(thumb.Left + 2, thumb.Top + 2, thumb.Right - 2, thumb.Bottom - 2);
        EXPECT_TRUE(RunUntil([&] { return Shows(FBar, inside, kPressedBarThumb); }))
            << "the thumb is drawn there";
    }
    FInput->ReleaseButton();
    EXPECT_TRUE(RunUntil([&] { return lastChanges == 1; }));
}

TEST_F(ScrollControlsX11, DraggedSliderThumbFollowsThePointerIntoTheRange) {
    // 0..100 on a plain slider 150 long: the thumb's leading edge runs 129 pixels from 6.
    int changed = 0;
    FSlider->OnChanged = [&](TObject*) { ++changed; };
    const TPoint grip(10, 10);
    PointAt(FSlider, grip);
    FInput->PressButton();
    struct Step {
        int Move;
        int Value;
    };
    const Step steps[] = { { 40, 31 }, { 64, 50 }, { 129, 100 }, { 300, 100 }, { 13, 10 } };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Move);
        PointAt(FSlider, TPoint(grip.X + s.Move, grip.Y));
        ASSERT_TRUE(RunUntil([&] { return FSlider->Value() == s.Value; }))
            << "value " << FSlider->Value();
        const TRect thumb = FSlider->ThumbRect();
        EXPECT_EQ(thumb.Left, 6 + std::min(s.Move, 129));
        // The pressed state's face, in the middle of the thumb's body.
        const TRect face(thumb.Left + 2, thumb.Top + 2, thumb.Left + 5, thumb.Top + 10);
        EXPECT_TRUE(RunUntil([&] { return Shows(FSlider, face, kPressedSliderThumb); }))
            << "the thumb is drawn there";
    }
    FInput->ReleaseButton();
    EXPECT_TRUE(RunUntil([&] { return changed == 1; }));
}

} // namespace
