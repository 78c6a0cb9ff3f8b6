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
