#include "platform/forms/EInvalidOperation.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/SysColors.h"
#include <gtest/gtest.h>
#include <vector>

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

TEST(ImageLists, InsertPutsEveryPieceBeforeTheIndex) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    TBitmap strip;
    MakeStrip(strip); // red, blue
    list.AddMasked(strip, clFuchsia);
    TBitmap green;
    green.SetSize(8, 4);
    green.Canvas().Brush().SetColor(clLime);
    green.Canvas().FillRect(TRect(0, 0, 8, 4));
    TBitmap mask; // left piece shows, right piece is transparent
    mask.SetSize(8, 4);
    mask.Canvas().Brush().SetColor(clBlack);
    mask.Canvas().FillRect(TRect(0, 0, 4, 4));
    mask.Canvas().Brush().SetColor(clWhite);
    mask.Canvas().FillRect(TRect(4, 0, 8, 4));
    list.Insert(1, green, &mask);
    list.Insert(4, green, nullptr); // at Count: appended
    ASSERT_EQ(list.Count(), 6);
    const TColor order[] = { clRed, clLime, clLime, clBlue, clLime, clLime };
    for (int i = 0; i < 6; ++i) {
        TBitmap copy;
        list.GetBitmap(i, copy);
        EXPECT_EQ(copy.Canvas().Pixels(1, 1), order[i]) << i;
    }
    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect(0, 0, 4, 4));
    list.Draw(target.Canvas(), 0, 0, 2);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clWhite) << "the mask came along with the piece";
    list.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clLime);

    for (int bad : { -1, 7 })
        EXPECT_THROW(list.Insert(bad, green, nullptr), EInvalidOperation);
    TBitmap tiny;
    tiny.SetSize(2, 2);
    list.Insert(0, tiny, nullptr);
    EXPECT_EQ(list.Count(), 6);
}

// A list that keeps its pictures elsewhere and records what the base asks it to draw.
class TRecordingImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    struct TCall {
        int index, x, y;
        bool enabled;
        TCanvas* canvas;
    };
    std::vector<TCall> Calls;

protected:
    void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned, bool enabled) override {
        Calls.push_back({ index, x, y, enabled, &canvas });
    }
};

TEST(ImageLists, DrawGoesThroughDoDrawForImagesThatExist) {
    TRecordingImageList list(nullptr);
    list.SetSize(4, 4);
    TBitmap strip;
    MakeStrip(strip);
    list.AddMasked(strip, clFuchsia);
    TBitmap target;
    target.SetSize(8, 8);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect(0, 0, 8, 8));
    list.Draw(target.Canvas(), 3, 2, 1, false);
    list.Draw(target.Canvas(), 0, 0, 5);
    ASSERT_EQ(list.Calls.size(), 1u);
    EXPECT_EQ(list.Calls[0].index, 1);
    EXPECT_EQ(list.Calls[0].x, 3);
    EXPECT_EQ(list.Calls[0].y, 2);
    EXPECT_FALSE(list.Calls[0].enabled);
    EXPECT_EQ(list.Calls[0].canvas, &target.Canvas());
    EXPECT_EQ(target.Canvas().Pixels(4, 3), clWhite) << "the base drew nothing itself";
}

} // namespace
