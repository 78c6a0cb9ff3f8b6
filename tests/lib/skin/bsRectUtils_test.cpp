#include "lib/skindraw/bsRectUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(RectUtilsTest, EmptinessAndSizes) {
    EXPECT_TRUE(RectIsEmpty(Rect(5, 5, 5, 10)));
    EXPECT_TRUE(RectIsEmpty(Rect(5, 5, 10, 4)));
    EXPECT_FALSE(RectIsEmpty(Rect(5, 5, 6, 6)));
    EXPECT_EQ(WidthOfRect(Rect(3, 4, 10, 20)), 7);
    EXPECT_EQ(HeightOfRect(Rect(3, 4, 10, 20)), 16);
    EXPECT_TRUE(RectsEqual(ZeroRect(), Rect(0, 0, 0, 0)));
    EXPECT_EQ(IntMax(-3, 2), 2);
    EXPECT_EQ(IntMin(-3, 2), -3);
}

TEST(RectUtilsTest, PointUnsetWhenEitherCoordinateIsZero) {
    EXPECT_TRUE(IsPointUnset(Point(0, 5)));
    EXPECT_TRUE(IsPointUnset(Point(3, 0)));
    EXPECT_FALSE(IsPointUnset(Point(3, 5)));
    EXPECT_FALSE(IsPointUnset(Point(-1, -1)));
}

TEST(RectUtilsTest, InclusiveTestCountsRightAndBottomEdges) {
    const TRect r(0, 0, 10, 10);
    const win::RECT wr = r;
    EXPECT_TRUE(PtInRectInclusive(r, Point(10, 10)));
    EXPECT_FALSE(win::PtInRect(&wr, win::POINT{ 10, 10 }));
    EXPECT_FALSE(PtInRectInclusive(r, Point(11, 5)));
    EXPECT_TRUE(PtInRectInclusive(r, Point(0, 0)));
}

TEST(RectUtilsTest, InsideAndPartlyInside) {
    const TRect b(0, 0, 10, 10);
    const struct {
        TRect a;
        bool inside, partly;
    } cases[] = {
        { Rect(1, 1, 5, 5), true, true },
        { Rect(1, 1, 10, 5), false, true },   // A's right edge lies on B's excluded edge
        { Rect(1, -5, 5, 5), false, true },   // only A's bottom lies in B's rows
        { Rect(1, 5, 5, 20), false, true },   // only A's top
        { Rect(1, -5, 5, 12), false, false }, // spans B's rows entirely
        { Rect(1, 12, 5, 20), false, false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RectInsideRect(c.a, b), c.inside) << c.a.Top << "," << c.a.Bottom;
        EXPECT_EQ(RectPartlyInRect(c.a, b), c.partly) << c.a.Top << "," << c.a.Bottom;
    }
}

} // namespace
