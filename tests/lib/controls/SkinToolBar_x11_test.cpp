// The skinned tool bar on a private X server: narrowing the form brings up the scroll buttons
// in the bar's frame, a click on one with the real pointer moves the row a step, and the bar
// centres its controls and lends its images to its speed buttons.
#include "TestControls.h"
#include "TestSkins.h"

#include <gtest/gtest.h>

#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/TbsSkinToolBar.h"
#include "platform/forms/TImageList.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XWindows.h"

#include <memory>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

std::uint32_t Rgb(TColor color) {
    const TColor c = ColorToRGB(color);
    return std::uint32_t(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

class SkinToolBarOnX11 : public formstest::XInputFormTest {
protected:
    void SetUp() override {
        XInputFormTest::SetUp();
        if (FForm) FForm->SetBounds(40, 40, 400, 200);
    }
    // The colour the server shows at a point of the screen inside the form.
    std::optional<std::uint32_t> ScreenPixel(const TPoint& p) {
        return XPixelAt(FUser, XOf(FForm), p.X - FForm->Left(), p.Y - FForm->Top());
    }
};

TEST_F(SkinToolBarOnX11, NarrowedFormShowsScrollButtonsAndAClickMovesTheRowOneStep) {
    auto* bar = new TbsSkinToolBar(FForm);
    bar->SetParent(FForm);
    bar->SetCanScroll(true);
    bar->SetScrollOffset(30);
    bar->SetHeight(30);
    std::vector<TbsSkinSpeedButton*> buttons;
    for (int i = 0; i < 6; ++i) {
        auto* button = new TbsSkinSpeedButton(FForm);
        button->SetParent(bar);
        button->SetCaption("Tool");
        button->SetBounds(i * 50, 2, 50, 26);
        buttons.push_back(button);
    }
    bar->SetAlign(alTop);
    ShowForm();
    ASSERT_FALSE(bar->ScrollButtonsShown());

    FForm->SetWidth(220);
    ASSERT_TRUE(RunUntil([&] { return bar->ScrollButtonsShown(); }));
    // The right button's frame and arrow as the server shows them.
    const TPoint corner = bar->ClientToScreen(TPoint(bar->ClientWidth(), 0));
    EXPECT_TRUE(
        RunUntil([&] { return ScreenPixel(TPoint(corner.X, corner.Y + 10)) == Rgb(clBtnShadow); }));
    bool arrow = false;
    for (int y = 0; y < bar->Height() && !arrow; ++y)
        for (int x = 0; x < 12 && !arrow; ++x)
            arrow = ScreenPixel(TPoint(corner.X + x, corner.Y + y)) == Rgb(clBtnText);
    EXPECT_TRUE(arrow);

    FInput->Click(corner.X + 6, corner.Y + 15);
    EXPECT_TRUE(RunUntil([&] { return bar->SPosition() == 30; }));
    EXPECT_EQ(buttons[0]->Left(), -30);
}

TEST_F(SkinToolBarOnX11, RealBarCentresItsControlsAndLendsItsImages) {
    auto* bar = new TbsSkinToolBar(FForm);
    bar->SetParent(FForm);
    bar->SetBounds(0, 0, 300, 40);
    auto* bevel = new TbsSkinBevel(FForm);
    bevel->SetParent(bar);
    bevel->SetBounds(10, 0, 4, 20);
    auto* face = new TWindowedFace(FForm);
    face->SetParent(bar);
    face->SetBounds(30, 31, 30, 10);
    EXPECT_EQ(bevel->Top(), 10);
    EXPECT_EQ(face->Top(), 15);

    auto* images = new TImageList(FForm);
    images->SetSize(16, 16);
    TBitmap green(16, 16);
    green.Canvas().Brush().SetColor(TColor(0x00C000));
    green.Canvas().FillRect(TRect(0, 0, 16, 16));
    images->Add(green, nullptr);
    bar->SetImages(images);
    auto* button = new TbsSkinSpeedButton(FForm);
    button->SetParent(bar);
    button->SetBounds(100, 5, 40, 30);
    button->SetImageIndex(0);
    ShowForm();
    const TPoint middle = button->ClientToScreen(TPoint(20, 15));
    EXPECT_TRUE(RunUntil([&] { return ScreenPixel(middle) == 0x00C000u; }));
}

} // namespace
