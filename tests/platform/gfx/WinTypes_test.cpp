#include "platform/gfx/SysColors.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"
#include "platform/gfx/WinTypes.h"

#include <gtest/gtest.h>

using win::RECT;

TEST(WinRect, IntersectUnionSubtract) {
    struct Case {
        RECT a, b;
        RECT intersect;
        win::BOOL intersects;
        RECT unite;
        RECT subtract;
    };
    const Case cases[] = {
        // overlapping corner: subtraction cannot shrink a to a rectangle, so it stays a
        { { 0, 0, 10, 10 },
          { 5, 5, 15, 15 },
          { 5, 5, 10, 10 },
          1,
          { 0, 0, 15, 15 },
          { 0, 0, 10, 10 } },
        // b covers the top half across the whole width
        { { 0, 0, 10, 10 },
          { -1, -1, 11, 4 },
          { 0, 0, 10, 4 },
          1,
          { -1, -1, 11, 10 },
          { 0, 4, 10, 10 } },
        // b covers the right part across the whole height
        { { 0, 0, 10, 10 },
          { 6, 0, 20, 10 },
          { 6, 0, 10, 10 },
          1,
          { 0, 0, 20, 10 },
          { 0, 0, 6, 10 } },
        // touching edges do not intersect
        { { 0, 0, 10, 10 },
          { 10, 0, 20, 10 },
          { 0, 0, 0, 0 },
          0,
          { 0, 0, 20, 10 },
          { 0, 0, 10, 10 } },
        // an empty b is ignored by the union
        { { 0, 0, 10, 10 },
          { 50, 50, 50, 60 },
          { 0, 0, 0, 0 },
          0,
          { 0, 0, 10, 10 },
          { 0, 0, 10, 10 } },
    };
    for (const Case& c : cases) {
        RECT r{ 1, 2, 3, 4 };
        EXPECT_EQ(win::IntersectRect(&r, &c.a, &c.b), c.intersects);
        EXPECT_EQ(r, c.intersect);
        EXPECT_TRUE(win::UnionRect(&r, &c.a, &c.b));
        EXPECT_EQ(r, c.unite);
        win::SubtractRect(&r, &c.a, &c.b);
        EXPECT_EQ(r, c.subtract);
    }
    RECT r;
    const RECT a{ 2, 2, 4, 4 };
    EXPECT_FALSE(win::SubtractRect(&r, &a, &a));
    EXPECT_TRUE(win::IsRectEmpty(&r));
}

TEST(WinRect, PointsAndAdjustments) {
    RECT r;
    win::SetRect(&r, 1, 1, 4, 3);
    EXPECT_TRUE(win::PtInRect(&r, { 1, 1 }));
    EXPECT_FALSE(win::PtInRect(&r, { 4, 2 })) << "right edge is exclusive";
    EXPECT_FALSE(win::PtInRect(&r, { 2, 3 })) << "bottom edge is exclusive";
    win::OffsetRect(&r, 2, -1);
    win::InflateRect(&r, 1, 2);
    EXPECT_EQ(r, (RECT{ 2, -2, 7, 4 }));
    RECT copy;
    win::CopyRect(&copy, &r);
    EXPECT_TRUE(win::EqualRect(&copy, &r));
    win::SetRectEmpty(&copy);
    EXPECT_TRUE(win::IsRectEmpty(&copy));
    const RECT inverted{ 5, 5, 1, 1 };
    EXPECT_TRUE(win::IsRectEmpty(&inverted));
}

TEST(TRect, ConvertsBothWaysAndMeasures) {
    const TRect b = Bounds(10, 20, 30, 40);
    EXPECT_EQ(b, Rect(10, 20, 40, 60));
    EXPECT_EQ(b.Width(), 30);
    EXPECT_EQ(b.Height(), 40);
    const win::RECT r = b;
    EXPECT_EQ(r, (RECT{ 10, 20, 40, 60 }));
    EXPECT_EQ(TRect(r), b);
    EXPECT_TRUE(b.Contains(Point(10, 20)));
    EXPECT_FALSE(b.Contains(Point(40, 20)));
    EXPECT_TRUE(Rect(5, 5, 5, 9).IsEmpty());
}

TEST(TColor, ColorToRgbResolvesSystemColours) {
    EXPECT_EQ(win::RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(win::GetRValue(0x030201), 1);
    EXPECT_EQ(win::GetBValue(0x030201), 3);
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    EXPECT_EQ(ColorToRGB(clBtnFace), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clWindow), win::RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), win::RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clHighlight), win::GetSysColor(win::COLOR_HIGHLIGHT));
    EXPECT_EQ(win::GetSysColor(-1), 0u);
    EXPECT_EQ(win::GetSysColor(1000), 0u);
}
