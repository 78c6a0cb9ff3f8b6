#include "platform/forms/EInvalidOperation.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/SysColors.h"
#include <gtest/gtest.h>

namespace {

// Two 4x4 images side by side: a red square with a fuchsia (transparent) border, and a
// plain blue one.
void MakeStrip(TBitmap& strip) {
    strip.SetSize(8, 4);
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(TRect(0, 0, 4, 4));
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(TRect(1, 1, 3, 3));
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(TRect(4, 0, 8, 4));
}

TEST(ImageLists, MaskedStripsSplitIntoImagesAndDrawTransparently) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    TBitmap strip;
    MakeStrip(strip);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target;
    target.SetSize(10, 10);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect(0, 0, 10, 10));
    list.Draw(target.Canvas(), 2, 3, 0);
    struct Case {
        int x, y;
        TColor color;
    };
    const Case drawn[] = { { 2, 3, clWhite }, { 3, 4, clRed }, { 4, 5, clRed }, { 5, 6, clWhite } };
    for (const Case& c : drawn)
        EXPECT_EQ(target.Canvas().Pixels(c.x, c.y), c.color) << c.x << "," << c.y;

    list.Draw(target.Canvas(), 0, 0, 7); // no such image: nothing drawn, no error
    EXPECT_THROW(list.Delete(7), EInvalidOperation);
    TBitmap tiny;
    tiny.SetSize(2, 2);
    EXPECT_EQ(list.AddMasked(tiny, clFuchsia), -1);
}

TEST(ImageLists, DisabledImagesAreEmbossedInHighlightAndShadow) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    TBitmap strip;
    MakeStrip(strip);
    list.AddMasked(strip, clFuchsia);
    TBitmap target;
    target.SetSize(8, 8);
    target.Canvas().Brush().SetColor(clBlack);
    target.Canvas().FillRect(TRect(0, 0, 8, 8));
    list.Draw(target.Canvas(), 0, 0, 0, false);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), shadow);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), shadow);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), highlight) << "the highlight shows below right";
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clBlack);
    EXPECT_NE(target.Canvas().Pixels(2, 2), clRed);
}

TEST(ImageLists, ResizingDropsImagesAndReportsChanges) {
    TImageList list(nullptr);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.SetSize(4, 4);
    TBitmap strip;
    MakeStrip(strip);
    list.AddMasked(strip, clFuchsia);
    TBitmap copy;
    list.GetBitmap(1, copy);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Canvas().Pixels(0, 0), clBlue);
    list.SetSize(8, 8);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(list.SetSize(0, 8), EInvalidOperation);
}

} // namespace
