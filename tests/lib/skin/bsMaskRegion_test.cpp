#include "lib/skindraw/bsMaskRegion.h"

#include "DrawingPictures.h"
#include "platform/gfx/GdiObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<TRect> RectsOf(const TbsRegionData& data) {
    std::vector<TRect> rects;
    for (const win::RECT& r : data.Rects())
        rects.emplace_back(r);
    return rects;
}

// A 24 x 16 frame with rounded outer corners, a 4-pixel border and a cut-away (white) client:
// the edges are uniform, so the frame can grow along them.
const std::vector<std::string> kRoundedFrame = {
    "...XXXXXXXXXXXXXXXXXX...", //
    ".XXXXXXXXXXXXXXXXXXXXXX.", //
    ".XXXXXXXXXXXXXXXXXXXXXX.", //
    "XXXXXXXXXXXXXXXXXXXXXXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXX................XXXX", //
    "XXXXXXXXXXXXXXXXXXXXXXXX", //
    ".XXXXXXXXXXXXXXXXXXXXXX.", //
    ".XXXXXXXXXXXXXXXXXXXXXX.", //
    "...XXXXXXXXXXXXXXXXXX...", //
};

TEST(RegionDataFromMaskTest, RunsOfEachRowBecomeRectanglesMovedByTheOffset) {
    const auto mask = PictureOfRows({ "X.X", "XXX" });
    struct Case {
        int dx, dy;
        std::vector<TRect> rects;
        TRect bound;
    };
    const Case cases[] = {
        { 0, 0, { Rect(0, 0, 1, 1), Rect(2, 0, 3, 1), Rect(0, 1, 3, 2) }, Rect(0, 0, 3, 2) },
        { 10,
          5,
          { Rect(10, 5, 11, 6), Rect(12, 5, 13, 6), Rect(10, 6, 13, 7) },
          Rect(10, 5, 13, 7) },
    };
    for (const Case& c : cases) {
        const TbsRegionData data = RegionDataFromMask(*mask, c.dx, c.dy);
        EXPECT_EQ(data.Size(), 80) << c.dx;
        EXPECT_EQ(data.RectCount(), 3) << c.dx;
        EXPECT_EQ(RectsOf(data), c.rects) << c.dx;
        EXPECT_EQ(data.Bound(), c.bound) << c.dx;
        ASSERT_NE(data.Data(), nullptr);
        EXPECT_EQ(data.Data()->rdh.dwSize, 32u);
        EXPECT_EQ(data.Data()->rdh.iType, 1u);
        EXPECT_EQ(data.Data()->rdh.nCount, 3u);
    }
}

TEST(RegionDataFromMaskTest, OnlyExactBlackIsSolid) {
    auto mask = std::make_unique<TBitmap>();
    mask->SetPixelFormat(pf24bit);
    mask->SetSize(4, 1);
    auto* row = static_cast<std::uint8_t*>(mask->ScanLine(0));
    const std::uint8_t pixels[4][3] = { { 0, 0, 0 }, { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } };
    for (int x = 0; x < 4; ++x)
        for (int c = 0; c < 3; ++c)
            row[x * 3 + c] = pixels[x][c];
    const TbsRegionData data = RegionDataFromMask(*mask, 0, 0);
    EXPECT_EQ(RectsOf(data), std::vector<TRect>{ Rect(0, 0, 1, 1) });
}

TEST(RegionDataFromMaskTest, AllWhiteMaskGivesAnEmptyBlockAndAnEmptyRegion) {
    const auto mask = PictureOfRows({ "....", "...." });
    const TbsRegionData data = RegionDataFromMask(*mask, 3, 4);
    EXPECT_EQ(data.Size(), 32);
    EXPECT_EQ(data.RectCount(), 0);
    EXPECT_EQ(data.Bound(), Rect(3, 4, 7, 6));
    const auto region = RegionFromMask(*mask);
    ASSERT_NE(region, nullptr);
    win::RECT box{};
    EXPECT_EQ(win::GetRgnBox(region.get(), &box), win::NULLREGION);
}

TEST(RegionDataFromMaskTest, EmptyMaskGivesNoDataAndNoRegion) {
    const TBitmap mask;
    const TbsRegionData data = RegionDataFromMask(mask, 0, 0);
    EXPECT_EQ(data.Size(), 0);
    EXPECT_EQ(data.Data(), nullptr);
    EXPECT_EQ(RegionFromMask(mask), nullptr);
}

// Skins store masks at several depths; each must read back as the same black pixels.
TEST(RegionFromMaskTest, RoundedFrameRegionIsItsBlackPixelsAtEveryMaskDepth) {
    for (TPixelFormat format : { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit }) {
        const auto mask = PictureOfRows(kRoundedFrame, format);
        const auto region = RegionFromMask(*mask);
        ASSERT_NE(region, nullptr) << format;
        EXPECT_EQ(RegionRows(region.get(), 24, 16), kRoundedFrame) << format;
    }
}

TEST(RegionFromMaskTest, MaskBusierThanTenThousandRunsKeepsEveryRun) {
    // A checkerboard of 240 x 100: 120 runs a row, 12,000 in all.
    std::vector<std::string> rows;
    for (int y = 0; y < 100; ++y) {
        std::string row;
        for (int x = 0; x < 240; ++x)
            row += (x + y) % 2 == 0 ? 'X' : '.';
        rows.push_back(row);
    }
    const auto mask = PictureOfRows(rows);
    const TbsRegionData data = RegionDataFromMask(*mask, 0, 0);
    EXPECT_EQ(data.RectCount(), 12000);
    EXPECT_EQ(data.Size(), 32 + 16 * 12000);
    EXPECT_EQ(RectsOf(data).back(), Rect(239, 99, 240, 100));
    const auto region = data.CreateRegion();
    EXPECT_EQ(RegionRows(region.get(), 240, 100), rows);
}

// The frame's geometry: 4-pixel borders, guides at the client's corners.
struct FrameGeometry {
    TPoint LT{ 4, 4 }, RT{ 20, 4 }, LB{ 4, 12 }, RB{ 20, 12 };
    TRect Cl{ 4, 4, 20, 12 };
};

gfx::GdiPtr<win::HRGN> FrameRegion(TBitmap& mask, const FrameGeometry& g, int width, int height) {
    const int dw = width - mask.Width(), dh = height - mask.Height();
    return BuildNineSliceRegion(g.LT, g.RT, g.LB, g.RB, g.Cl, g.LT, Point(g.RT.X + dw, g.RT.Y),
                                Point(g.LB.X, g.LB.Y + dh), Point(g.RB.X + dw, g.RB.Y + dh),
                                Rect(g.Cl.Left, g.Cl.Top, g.Cl.Right + dw, g.Cl.Bottom + dh), mask,
                                width, height);
}

TEST(BuildNineSliceRegionTest, RoundedFrameKeepsItsCornersAndGetsASolidClient) {
    const auto mask = PictureOfRows(kRoundedFrame);
    const FrameGeometry g;
    struct Case {
        int width, height;
    };
    for (const Case c : { Case{ 24, 16 }, Case{ 60, 16 }, Case{ 24, 40 }, Case{ 53, 37 } }) {
        const auto region = FrameRegion(*mask, g, c.width, c.height);
        ASSERT_NE(region, nullptr);
        // Expected: the mask's corner areas at the new corners, the uniform edges grown, and
        // the client solid although the mask cuts it away.
        std::vector<std::string> expected;
        for (int y = 0; y < c.height; ++y) {
            std::string row;
            const int my = y < 4 ? y : y >= c.height - 4 ? y - (c.height - 16) : 4;
            for (int x = 0; x < c.width; ++x) {
                const int mx = x < 4 ? x : x >= c.width - 4 ? x - (c.width - 24) : 4;
                const bool client = x >= 4 && x < c.width - 4 && y >= 4 && y < c.height - 4;
                row += client ? 'X' : kRoundedFrame[std::size_t(my)][std::size_t(mx)];
            }
            expected.push_back(row);
        }
        EXPECT_EQ(RegionRows(region.get(), c.width, c.height), expected)
            << c.width << "x" << c.height;
    }
}

TEST(BuildNineSliceRegionTest, SizeBelowTheFixedPartsGivesNoRegion) {
    const auto mask = PictureOfRows(kRoundedFrame);
    const FrameGeometry g;
    // Narrower than the mask by more than its stretchable middle: the right guide passes the
    // left one.
    EXPECT_EQ(FrameRegion(*mask, g, 7, 16), nullptr);
    EXPECT_EQ(FrameRegion(*mask, g, 24, 7), nullptr);
}

TEST(BuildNineSliceRegionTest, MaskWithoutLeftBorderUnitesClientWithTheOtherStrips) {
    // No left border: the client starts at x 0. The right border is 2 pixels with a notch.
    const std::vector<std::string> rows = {
        "XXXXXXXX", //
        "......XX", //
        "......X.", //
        "......XX", //
        "XXXXXXXX", //
    };
    const auto mask = PictureOfRows(rows);
    const TPoint lt(0, 1), rt(6, 1), lb(0, 4), rb(6, 4);
    const TRect cl(0, 1, 6, 4);
    const int dw = 4;
    const auto region = BuildNineSliceRegion(lt, rt, lb, rb, cl, lt, Point(10, 1), lb, Point(10, 4),
                                             Rect(0, 1, 10, 4), *mask, 12, 5);
    ASSERT_NE(region, nullptr);
    const std::vector<std::string> expected = {
        "XXXXXXXXXXXX", //
        "XXXXXXXXXXXX", //
        "XXXXXXXXXXX.", //
        "XXXXXXXXXXXX", //
        "XXXXXXXXXXXX", //
    };
    EXPECT_EQ(RegionRows(region.get(), 8 + dw, 5), expected);
}

TEST(BuildNineSliceRegionTest, FrameWithoutBlackBordersIsJustTheClient) {
    const auto mask = PictureOfRows(std::vector<std::string>(16, std::string(24, '.')));
    const auto region = FrameRegion(*mask, FrameGeometry{}, 30, 20);
    ASSERT_NE(region, nullptr);
    win::RECT box{};
    EXPECT_EQ(win::GetRgnBox(region.get(), &box), win::SIMPLEREGION);
    EXPECT_EQ(TRect(box), Rect(4, 4, 26, 16));
}

} // namespace
