#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Region.h"

#include <gtest/gtest.h>

#include <string>

using gfx::Region;
using win::RECT;

namespace {

// The region's pixels over a small area, one character per pixel.
std::string Mask(const Region& r, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            out += r.Contains(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows)
        out += std::string(r) + '\n';
    return out;
}

// Every invariant of the band form: sorted, no overlap or touching within a band, bands with
// equal spans never stacked.
void ExpectBanded(const Region& r) {
    const auto& rects = r.Rects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_LT(rects[i].left, rects[i].right);
        EXPECT_LT(rects[i].top, rects[i].bottom);
        if (i == 0) continue;
        const RECT& a = rects[i - 1];
        const RECT& b = rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left) << "spans of one band touch or overlap";
        } else {
            EXPECT_GE(b.top, a.bottom) << "bands overlap";
        }
    }
}

} // namespace

TEST(Region, CombineTable) {
    const Region a(RECT{ 0, 0, 4, 3 });
    const Region b(RECT{ 2, 1, 6, 4 });
    struct Case {
        Region::Op op;
        std::string expected;
        Region::Kind kind;
    };
    const Case cases[] = {
        { Region::Op::And, Rows({ "......", "..##..", "..##..", "......" }), Region::SimpleRegion },
        { Region::Op::Or, Rows({ "####..", "######", "######", "..####" }), Region::ComplexRegion },
        { Region::Op::Xor, Rows({ "####..", "##..##", "##..##", "..####" }),
          Region::ComplexRegion },
        { Region::Op::Diff, Rows({ "####..", "##....", "##....", "......" }),
          Region::ComplexRegion },
        { Region::Op::Copy, Rows({ "####..", "####..", "####..", "......" }),
          Region::SimpleRegion },
    };
    for (const Case& c : cases) {
        const Region r = Region::Combine(a, b, c.op);
        EXPECT_EQ(Mask(r, 6, 4), c.expected) << int(c.op);
        EXPECT_EQ(r.Complexity(), c.kind) << int(c.op);
        ExpectBanded(r);
    }
    EXPECT_EQ(Region::Combine(a, Region(RECT{ 10, 10, 12, 12 }), Region::Op::And).Complexity(),
              Region::NullRegion);
}

TEST(Region, SamePixelsGiveEqualRegionsWhateverTheConstruction) {
    // An L shape built three ways.
    const Region fromRects = Region::FromRects({ { 0, 0, 2, 4 }, { 0, 2, 4, 4 } });
    const Region fromUnion =
        Region::Combine(Region(RECT{ 0, 2, 4, 4 }), Region(RECT{ 0, 0, 2, 3 }), Region::Op::Or);
    const Region fromMask = Region::FromMask(4, 4, [](int x, int y) { return x < 2 || y >= 2; });
    EXPECT_EQ(fromRects, fromUnion);
    EXPECT_EQ(fromRects, fromMask);
    EXPECT_EQ(fromRects.Rects().size(), 2u) << "vertically equal bands must merge";
    ExpectBanded(fromMask);
    EXPECT_NE(fromRects, Region(RECT{ 0, 0, 4, 4 }));
}

TEST(Region, OverlappingInputRectanglesAreMerged) {
    const Region r =
        Region::FromRects({ { 0, 0, 3, 3 }, { 1, 1, 4, 4 }, { 3, 0, 5, 1 }, { 2, 2, 2, 9 } });
    ExpectBanded(r);
    EXPECT_EQ(Mask(r, 5, 4), Rows({ "#####", "####.", "####.", ".###." }));
}

TEST(Region, MaskRowsKeepHoles) {
    const char* picture[] = { "#####", "#...#", "#####" };
    const Region r = Region::FromMask(5, 3, [&](int x, int y) { return picture[y][x] == '#'; });
    EXPECT_EQ(Mask(r, 5, 3), Rows({ "#####", "#...#", "#####" }));
    ExpectBanded(r);
    EXPECT_EQ(r.Rects().size(), 4u);
    EXPECT_TRUE(Region::FromMask(3, 3, [](int, int) { return false; }).Empty());
}

TEST(Region, EllipseIsSymmetricAndInsideItsBounds) {
    const Region e = Region::Ellipse(RECT{ 0, 0, 9, 7 });
    ExpectBanded(e);
    // Pixels whose centres lie inside the ellipse.
    EXPECT_EQ(Mask(e, 9, 7), Rows({ "..#####..", ".#######.", "#########", "#########", "#########",
                                    ".#######.", "..#####.." }));
    const RECT box = e.Bounds();
    EXPECT_EQ(box, (RECT{ 0, 0, 9, 7 }));
}

TEST(Region, RoundRectCutsOnlyTheCorners) {
    const Region r = Region::RoundRect(RECT{ 0, 0, 8, 6 }, 4, 4);
    EXPECT_EQ(Mask(r, 8, 6),
              Rows({ ".######.", "########", "########", "########", "########", ".######." }));
    // Corner sizes of 0 or 1 give the plain rectangle.
    EXPECT_EQ(Region::RoundRect(RECT{ 0, 0, 5, 5 }, 1, 1), Region(RECT{ 0, 0, 5, 5 }));
}

TEST(Region, PolygonFillModes) {
    // A square path traversed twice in the same direction: its inside has winding number 2.
    const std::vector<win::POINT> twice = { { 0, 0 }, { 4, 0 }, { 4, 4 }, { 0, 4 },
                                            { 0, 0 }, { 4, 0 }, { 4, 4 }, { 0, 4 } };
    EXPECT_EQ(Region::Polygon(twice, true), Region(RECT{ 0, 0, 4, 4 }));
    EXPECT_TRUE(Region::Polygon(twice, false).Empty());
    const Region triangle = Region::Polygon({ { 0, 0 }, { 6, 0 }, { 0, 6 } }, false);
    EXPECT_EQ(Mask(triangle, 6, 6),
              Rows({ "#####.", "####..", "###...", "##....", "#.....", "......" }));
}

TEST(Region, QueriesAndOffset) {
    Region r = Region::FromRects({ { 0, 0, 2, 2 }, { 5, 5, 7, 7 } });
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_FALSE(r.Contains(2, 2));
    EXPECT_FALSE(r.Intersects(RECT{ 2, 2, 5, 5 }));
    EXPECT_TRUE(r.Intersects(RECT{ 2, 2, 6, 6 }));
    EXPECT_EQ(r.Bounds(), (RECT{ 0, 0, 7, 7 }));
    r.Offset(-1, 10);
    EXPECT_TRUE(r.Contains(-1, 10));
    EXPECT_EQ(r.Bounds(), (RECT{ -1, 10, 6, 17 }));
}

TEST(RegionHandles, CombineIntoAnOperandAndReportComplexity) {
    win::HRGN a = win::CreateRectRgn(0, 0, 10, 10);
    win::HRGN b = win::CreateRectRgn(5, 5, 15, 15);
    EXPECT_EQ(win::CombineRgn(a, a, b, win::RGN_OR), win::COMPLEXREGION);
    EXPECT_TRUE(win::PtInRegion(a, 14, 14));
    EXPECT_EQ(win::CombineRgn(a, a, b, win::RGN_AND), win::SIMPLEREGION);
    win::RECT box;
    EXPECT_EQ(win::GetRgnBox(a, &box), win::SIMPLEREGION);
    EXPECT_EQ(box, (win::RECT{ 5, 5, 15, 15 }));
    EXPECT_EQ(win::CombineRgn(a, a, b, win::RGN_DIFF), win::NULLREGION);
    EXPECT_EQ(win::CombineRgn(a, b, nullptr, win::RGN_COPY), win::SIMPLEREGION);
    EXPECT_TRUE(win::EqualRgn(a, b));
    EXPECT_EQ(win::CombineRgn(a, a, nullptr, win::RGN_OR), win::ERROR);
    EXPECT_EQ(win::CombineRgn(a, a, b, 99), win::ERROR);
    EXPECT_EQ(win::OffsetRgn(a, 1, 0), win::SIMPLEREGION);
    EXPECT_FALSE(win::EqualRgn(a, b));
    EXPECT_TRUE(win::SetRectRgn(a, 3, 3, 1, 1)); // corners in any order
    const win::RECT inside{ 0, 0, 2, 2 };
    const win::RECT outside{ 4, 4, 6, 6 };
    EXPECT_TRUE(win::RectInRegion(a, &inside));
    EXPECT_FALSE(win::RectInRegion(a, &outside));
    win::DeleteObject(a);
    win::DeleteObject(b);
}

TEST(RegionHandles, RegionDataRoundTrip) {
    win::HRGN r = win::CreateRoundRectRgn(0, 0, 20, 12, 6, 6);
    const win::DWORD size = win::GetRegionData(r, 0, nullptr);
    ASSERT_GT(size, sizeof(win::RGNDATAHEADER));
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<win::RGNDATA*>(buffer.data());
    EXPECT_EQ(win::GetRegionData(r, size - 1, data), 0u) << "a short buffer is refused";
    ASSERT_EQ(win::GetRegionData(r, size, data), size);
    EXPECT_EQ(data->rdh.rcBound, (win::RECT{ 0, 0, 20, 12 }));
    win::HRGN copy = win::ExtCreateRegion(nullptr, size, data);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(win::EqualRgn(r, copy));
    // A count larger than the data is refused rather than read past the buffer.
    data->rdh.nCount += 1;
    EXPECT_EQ(win::ExtCreateRegion(nullptr, size, data), nullptr);
    win::DeleteObject(r);
    win::DeleteObject(copy);
}

TEST(RegionHandles, EmptyRegionDataRoundTrip) {
    win::HRGN empty = win::CreateRectRgn(0, 0, 0, 0);
    const win::DWORD size = win::GetRegionData(empty, 0, nullptr);
    ASSERT_EQ(size, sizeof(win::RGNDATAHEADER));
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<win::RGNDATA*>(buffer.data());
    ASSERT_EQ(win::GetRegionData(empty, size, data), size);
    EXPECT_EQ(data->rdh.nCount, 0u);
    win::HRGN copy = win::ExtCreateRegion(nullptr, size, data);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(win::EqualRgn(empty, copy));
    win::DeleteObject(empty);
    win::DeleteObject(copy);
}
