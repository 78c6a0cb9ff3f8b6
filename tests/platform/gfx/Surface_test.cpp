#include "platform/gfx/Surface.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

using gfx::MakePixel;
using gfx::Surface;

TEST(Surface, BottomUpRowsLieInReverseMemoryOrder) {
    Surface s(2, 3, 0, Surface::RowOrder::BottomUp);
    s.Set(1, 0, MakePixel(1, 2, 3));
    EXPECT_EQ(s.Data()[2 * 2 + 1], MakePixel(1, 2, 3)) << "the top row is last in memory";
    EXPECT_EQ(s.Row(2), s.Data());
    s.Resize(3, 4, MakePixel(9, 9, 9));
    EXPECT_EQ(s.Order(), Surface::RowOrder::BottomUp);
    EXPECT_EQ(s.At(1, 0), MakePixel(1, 2, 3)) << "content stays where it was";
    EXPECT_EQ(s.At(2, 3), MakePixel(9, 9, 9));
    EXPECT_EQ(s.Row(3), s.Data());
}

TEST(Surface, RefusesImpossibleSizes) {
    EXPECT_THROW(Surface(-1, 4), Exception);
    EXPECT_THROW(Surface(1 << 20, 1 << 20), Exception);
    EXPECT_TRUE(Surface(0, 5).Empty());
}

namespace {

// Each pixel names its place, so a pixel that lands anywhere else shows.
void Number(Surface& s) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            s.Set(x, y, MakePixel(x, y, 1));
}

} // namespace

// A window's buffer is resized many times over, growing and shrinking in either direction, and
// the memory it already has is reused: every step must keep the overlap and fill the rest.
TEST(Surface, ResizeStepsKeepTheOverlapAndFillTheRest) {
    const gfx::Pixel fill = MakePixel(200, 0, 0);
    Surface s(40, 30);
    Number(s);
    const std::pair<int, int> steps[] = { { 41, 30 }, { 40, 30 }, { 35, 32 },
                                          { 44, 20 }, { 30, 29 }, { 40, 30 },
                                          { 3, 2 },   { 0, 0 },   { 12, 9 } };
    int keptWidth = 40, keptHeight = 30;
    for (const auto& [width, height] : steps) {
        s.Resize(width, height, fill);
        keptWidth = std::min(keptWidth, width);
        keptHeight = std::min(keptHeight, height);
        ASSERT_EQ(s.Width(), width);
        ASSERT_EQ(s.Height(), height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool kept = x < keptWidth && y < keptHeight;
                ASSERT_EQ(s.At(x, y), kept ? MakePixel(x, y, 1) : fill)
                    << "at (" << x << ", " << y << ") after resizing to " << width << " x "
                    << height;
            }
        Number(s); // again where they lie, keeping the memory for the next step
        keptWidth = width;
        keptHeight = height;
    }
}
