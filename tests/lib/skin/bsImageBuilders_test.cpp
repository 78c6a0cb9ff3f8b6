#include "lib/skindraw/bsImageBuilders.h"

#include "DrawingPictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// A nine-slice face with its guides, and the resized geometry callers derive from it.
struct Face {
    TPoint LT, RT, LB, RB;
    TRect Cl;
    TRect Skin;

    struct Flags {
        bool Client{ true };
        bool Left{ false }, Top{ false }, Right{ false }, Bottom{ false };
        bool Effect{ false };
        TbsStretchType Type{ bsstFull };
    };

    void Build(TBitmap& dest, TBitmap& picture, int width, int height, Flags f,
               decltype(&BuildNineSliceImage) builder = &BuildNineSliceImage) const {
        const int dw = width - Skin.Width(), dh = height - Skin.Height();
        builder(LT, RT, LB, RB, Cl, LT, Point(RT.X + dw, RT.Y), Point(LB.X, LB.Y + dh),
                Point(RB.X + dw, RB.Y + dh), Rect(Cl.Left, Cl.Top, Cl.Right + dw, Cl.Bottom + dh),
                dest, picture, Skin, width, height, f.Client, f.Left, f.Top, f.Right, f.Bottom,
                f.Effect, f.Type);
    }
};

// The face of the worked example: 100 x 40, borders of 10 all round, guides at the client's
// corners; placed at 20, 10 of a larger picture so that the face offset counts.
const Face kWide{ { 10, 10 }, { 90, 10 },         { 10, 30 },
                  { 90, 30 }, { 10, 10, 90, 30 }, { 20, 10, 120, 50 } };

// The source pixel (relative to the face) that a tiled nine-slice build of kWide shows at
// dest x of a destination `width` wide (the same rule holds for y).
int TiledSource(int x, int width, int border, int face) {
    if (x < border) return x;
    const int rightStart = width - border;
    if (x >= rightStart) return x - rightStart + face - border;
    return border + (x - border) % (face - 2 * border);
}

TEST(BuildNineSliceImageTest, WideFaceTilesItsEdgesAndClientAndKeepsItsCorners) {
    const auto picture = NumberedPicture(140, 60);
    TBitmap dest;
    kWide.Build(dest, *picture, 250, 40, {});
    ASSERT_EQ(dest.Width(), 250);
    ASSERT_EQ(dest.Height(), 40);
    const gfx::Surface got = dest.ToSurface(), face = picture->ToSurface();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 250; ++x) {
            const int sx = kWide.Skin.Left + TiledSource(x, 250, 10, 100);
            ASSERT_EQ(Rgb(got, x, y), Rgb(face, sx, kWide.Skin.Top + y)) << x << "," << y;
        }
    // The third tile of the top edge is cut to 70 pixels: source x 10..79 at 170..239.
    EXPECT_EQ(Rgb(got, 239, 0), Rgb(face, kWide.Skin.Left + 79, kWide.Skin.Top));
    EXPECT_EQ(Rgb(got, 240, 0), Rgb(face, kWide.Skin.Left + 90, kWide.Skin.Top));
}

TEST(BuildNineSliceImageTest, StretchedTopEdgeScalesTheWholeStrip) {
    const auto picture = NumberedPicture(140, 60);
    TBitmap dest;
    Face::Flags flags;
    flags.Top = true;
    kWide.Build(dest, *picture, 250, 40, flags);
    const gfx::Surface got = dest.ToSurface(), face = picture->ToSurface();
    // Every source column of the strip shows, in order, over the 230 pixels 10..239.
    std::vector<int> sources;
    for (int x = 10; x < 240; ++x)
        for (int y = 0; y < 10; ++y)
            EXPECT_EQ(Rgb(got, x, y) >> 8 & 0xFF, std::uint32_t(kWide.Skin.Top + y));
    for (int x = 10; x < 240; ++x)
        sources.push_back(int(Rgb(got, x, 0) >> 16) - kWide.Skin.Left);
    EXPECT_EQ(sources.front(), 10);
    EXPECT_EQ(sources.back(), 89);
    EXPECT_TRUE(std::is_sorted(sources.begin(), sources.end()));
    EXPECT_EQ(std::set<int>(sources.begin(), sources.end()).size(), 80u);
    // The corners stay unscaled.
    EXPECT_EQ(Rgb(got, 9, 0), Rgb(face, kWide.Skin.Left + 9, kWide.Skin.Top));
    EXPECT_EQ(Rgb(got, 240, 0), Rgb(face, kWide.Skin.Left + 90, kWide.Skin.Top));
}

TEST(ImageBuildersTest, BuildersReproduceTheFaceAtItsOwnSize) {
    const auto picture = NumberedPicture(140, 60);
    const TRect skin = kWide.Skin;
    using Build = std::function<void(TBitmap&)>;
    const auto nine = [&](Face::Flags f, decltype(&BuildNineSliceImage) builder) {
        return Build(
            [&, f, builder](TBitmap& d) { kWide.Build(d, *picture, 100, 40, f, builder); });
    };
    Face::Flags tiled, stretched, horz, vert;
    stretched.Left = stretched.Top = stretched.Right = stretched.Bottom = stretched.Effect = true;
    horz.Effect = vert.Effect = true;
    horz.Type = bsstHorz;
    vert.Type = bsstVert;
    const struct {
        const char* name;
        Build build;
    } cases[] = {
        { "nine tiled", nine(tiled, &BuildNineSliceImage) },
        { "nine stretched", nine(stretched, &BuildNineSliceImage) },
        { "nine horz client", nine(horz, &BuildNineSliceImage) },
        { "nine vert client", nine(vert, &BuildNineSliceImage) },
        { "nine second entry", nine(tiled, &BuildNineSliceImage2) },
        { "horz three tiled",
          [&](TBitmap& d) { BuildHorzThreeSliceImage(12, 7, d, *picture, skin, 100, 0, false); } },
        { "horz three stretched",
          [&](TBitmap& d) { BuildHorzThreeSliceImage(12, 7, d, *picture, skin, 100, 0, true); } },
        { "vert three tiled",
          [&](TBitmap& d) { BuildVertThreeSliceImage(5, 9, d, *picture, skin, 0, 40, false); } },
        { "vert three stretched",
          [&](TBitmap& d) { BuildVertThreeSliceImage(5, 9, d, *picture, skin, 0, 40, true); } },
        { "stretch",
          [&](TBitmap& d) {
              d.SetSize(100, 40);
              StretchSkinImage(d, *picture, skin, Rect(10, 10, 90, 30), true);
          } },
    };
    const gfx::Surface face = picture->ToSurface();
    for (const auto& c : cases) {
        TBitmap dest;
        c.build(dest);
        ASSERT_EQ(dest.Width(), 100) << c.name;
        ASSERT_EQ(dest.Height(), 40) << c.name;
        const gfx::Surface got = dest.ToSurface();
        int wrong = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                wrong += Rgb(got, x, y) != Rgb(face, skin.Left + x, skin.Top + y);
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

// One face of letters, the pixel table of every piece: corners a b c d, edges m..p, q s u,
// r t v, w..z, client A..L.
const std::vector<std::string> kLetterFace = {
    "amnopb", //
    "qABCDr", //
    "sEFGHt", //
    "uIJKLv", //
    "cwxyzd", //
};
const Face kLetters{ { 1, 1 }, { 5, 1 }, { 1, 4 }, { 5, 4 }, { 1, 1, 5, 4 }, { 0, 0, 6, 5 } };

TEST(BuildNineSliceImageTest, LetterFaceAtThreeSizes) {
    const auto picture = PictureOfRows(kLetterFace);
    Face::Flags stretched;
    stretched.Top = stretched.Bottom = stretched.Effect = true;
    const struct {
        int width, height;
        Face::Flags flags;
        std::vector<std::string> expected;
    } cases[] = {
        { 4, 5, {}, { "amnb", "qABr", "sEFt", "uIJv", "cwxd" } },
        { 9,
          7,
          {},
          { "amnopmnob", "qABCDABCr", "sEFGHEFGt", "uIJKLIJKv", "qABCDABCr", "sEFGHEFGt",
            "cwxyzwxyd" } },
        { 10,
          5,
          stretched,
          { "ammnnooppb", "qAABBCCDDr", "sEEFFGGHHt", "uIIJJKKLLv", "cwwxxyyzzd" } },
    };
    for (const auto& c : cases) {
        TBitmap dest;
        kLetters.Build(dest, *picture, c.width, c.height, c.flags);
        EXPECT_EQ(RowsOf(dest), c.expected) << c.width << "x" << c.height;
    }
}

TEST(BuildNineSliceImageTest, SmallerThanTheFixedPartsLetsLaterCornersWin) {
    // 2 x 2 from a face whose fixed parts need 2 x 2 and more: the edges and the client have
    // no room; corner 3 covers corner 1, 7 covers 5 ...
    const auto picture = PictureOfRows(kLetterFace);
    TBitmap dest;
    kLetters.Build(dest, *picture, 1, 2, {});
    EXPECT_EQ(RowsOf(dest), (std::vector<std::string>{ "b", "d" }));
}

TEST(BuildNineSliceImageTest, CollapsedGuidesOrAnEmptyPictureLeaveTheDestinationUndrawn) {
    const auto picture = PictureOfRows(kLetterFace);
    const TBitmap empty;
    Face collapsedX = kLetters, collapsedY = kLetters;
    collapsedX.RB.X = collapsedX.LT.X;
    collapsedY.RB.Y = collapsedY.LT.Y;
    TBitmap blank;
    blank.SetSize(8, 6);
    for (const Face& face : { collapsedX, collapsedY }) {
        TBitmap dest;
        face.Build(dest, *picture, 8, 6, {});
        EXPECT_EQ(RowsOf(dest), RowsOf(blank));
    }
    TBitmap dest, none;
    kLetters.Build(dest, none, 8, 6, {});
    EXPECT_EQ(RowsOf(dest), RowsOf(blank));
}

TEST(BuildNineSliceImageTest, TiledPiecesWithoutSourceLengthAreSkipped) {
    // The top guides meet (no top middle) and the client has no width: a tiled build must end
    // and leave those pieces undrawn.
    const std::vector<std::string> rows = { "ab", "cd", "ef" };
    const auto picture = PictureOfRows(rows);
    TBitmap blank;
    blank.SetSize(6, 5);
    const std::string fill = RowsOf(blank)[0].substr(0, 1);
    TBitmap dest;
    BuildNineSliceImage(Point(1, 1), Point(1, 1), Point(1, 2), Point(2, 2), Rect(1, 1, 1, 2),
                        Point(1, 1), Point(5, 1), Point(1, 4), Point(6, 4), Rect(1, 1, 5, 4), dest,
                        *picture, Rect(0, 0, 2, 3), 6, 5, true, false, false, false, false, false,
                        bsstFull);
    const auto got = RowsOf(dest);
    EXPECT_EQ(got[0].substr(1, 4), fill + fill + fill + fill); // no top middle
    EXPECT_EQ(got[2].substr(1, 4), fill + fill + fill + fill); // no client
}

TEST(BuildNineSliceImageTest, ClientStretchedAlongOneAxisRepeatsAndIsCutAtTheClientEdge) {
    // A client source 7 wide (and 7 high) in a 30-pixel client: five copies, the last cut to 2.
    std::vector<std::string> rows(9, std::string(9, 'X'));
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWYZ0123456789abcdefghijklmnopq";
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 8; ++x)
            rows[std::size_t(y)][std::size_t(x)] = letters[std::size_t((y - 1) * 7 + (x - 1))];
    const auto picture = PictureOfRows(rows);
    const Face face{ { 1, 1 }, { 8, 1 }, { 1, 8 }, { 8, 8 }, { 1, 1, 8, 8 }, { 0, 0, 9, 9 } };
    for (TbsStretchType type : { bsstHorz, bsstVert }) {
        Face::Flags flags;
        flags.Effect = true;
        flags.Type = type;
        TBitmap dest;
        const bool horz = type == bsstHorz;
        face.Build(dest, *picture, horz ? 32 : 9, horz ? 9 : 32, flags);
        auto got = RowsOf(dest);
        if (!horz) { // read the vertical build as columns
            std::vector<std::string> columns(9, std::string(32, ' '));
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 9; ++x)
                    columns[std::size_t(x)][std::size_t(y)] = got[std::size_t(y)][std::size_t(x)];
            got = columns;
        }
        for (int i = 1; i < 8; ++i) {
            std::string line = horz ? rows[std::size_t(i)].substr(1, 7) : std::string();
            if (!horz)
                for (int k = 1; k < 8; ++k)
                    line += rows[std::size_t(k)][std::size_t(i)];
            const std::string expected = "X" + line + line + line + line + line.substr(0, 2) + "X";
            EXPECT_EQ(got[std::size_t(i)], expected) << (horz ? "horz" : "vert") << " line " << i;
        }
    }
}

TEST(BuildSixSliceImageTest, EdgesAndClientRunToTheRightBorderWithoutARightColumn) {
    const auto picture = PictureOfRows(kLetterFace);
    TBitmap dest;
    kLetters.Build(dest, *picture, 9, 5, {}, &BuildSixSliceImage);
    EXPECT_EQ(RowsOf(dest), (std::vector<std::string>{ "amnopmnop", "qABCDABCD", "sEFGHEFGH",
                                                       "uIJKLIJKL", "cwxyzwxyz" }));
}

TEST(ThreeSliceImageTest, PartsStayAndTheMiddleGrows) {
    const auto picture = PictureOfRows({ "abcdefg", "hijklmn" });
    const TRect skin(0, 0, 7, 2);
    using Builder = decltype(&BuildHorzThreeSliceImage);
    const struct {
        const char* name;
        Builder build;
        int left, right, width;
        bool stretch;
        std::vector<std::string> expected;
    } cases[] = {
        { "three tiled",
          &BuildHorzThreeSliceImage,
          2,
          1,
          12,
          false,
          { "abcdefcdefcg", "hijklmjklmjn" } },
        { "three stretched",
          &BuildHorzThreeSliceImage,
          2,
          1,
          11,
          true,
          { "abccddeeffg", "hijjkkllmmn" } },
        { "three without parts",
          &BuildHorzThreeSliceImage,
          0,
          0,
          9,
          false,
          { "abcdefgab", "hijklmnhi" } },
        { "three overlapping", &BuildHorzThreeSliceImage, 3, 2, 4, false, { "abfg", "himn" } },
        { "two", &BuildHorzTwoSliceImage, 2, 1, 9, false, { "abcdefcde", "hijklmjkl" } },
        { "middle", &BuildHorzMiddleImage, 2, 1, 9, false, { "cdefcdefc", "jklmjklmj" } },
    };
    for (const auto& c : cases) {
        TBitmap dest;
        c.build(c.left, c.right, dest, *picture, skin, c.width, 99, c.stretch);
        EXPECT_EQ(RowsOf(dest), c.expected) << c.name;
    }
}

TEST(ThreeSliceImageTest, VerticalPartsStayAndTheMiddleGrowsDownwards) {
    const auto picture = PictureOfRows({ "ab", "cd", "ef", "gh", "ij" });
    TBitmap dest;
    BuildVertThreeSliceImage(1, 1, dest, *picture, Rect(0, 0, 2, 5), 99, 8, false);
    EXPECT_EQ(RowsOf(dest),
              (std::vector<std::string>{ "ab", "cd", "ef", "gh", "cd", "ef", "gh", "ij" }));
}

TEST(BuildNineSliceBordersTest, FourStripsOfTheLetterFace) {
    const auto picture = PictureOfRows(kLetterFace);
    const Face& f = kLetters;
    TBitmap left, top, right, bottom;
    // 9 x 7: the top and bottom middles are tiled from x 0, so they run out of step with the
    // full build's edges.
    BuildNineSliceBorders(f.LT, f.RT, f.LB, f.RB, f.Cl, f.LT, Point(8, 1), Point(1, 6), Point(8, 6),
                          Rect(1, 1, 8, 6), left, top, right, bottom, *picture, f.Skin, 9, 7, false,
                          false, false, false);
    EXPECT_EQ(RowsOf(top), (std::vector<std::string>{ "anopmnopb" }));
    EXPECT_EQ(RowsOf(bottom), (std::vector<std::string>{ "cxyzwxyzd" }));
    EXPECT_EQ(RowsOf(left), (std::vector<std::string>{ "q", "s", "u", "q", "s" }));
    EXPECT_EQ(RowsOf(right), (std::vector<std::string>{ "r", "t", "v", "r", "t" }));
}

TEST(BuildNineSliceBordersTest, SideStripsKeepTheirFixedRowsAroundAStretchedMiddle) {
    // The left guides sit inside the side: rows 1 (above) and 4 (below) are fixed.
    const auto picture = PictureOfRows({ "aab", "cXd", "eYf", "gZh", "iWj", "kkl" });
    TBitmap left, top, right, bottom;
    BuildNineSliceBorders(Point(1, 2), Point(2, 2), Point(1, 4), Point(2, 4), Rect(1, 1, 2, 5),
                          Point(1, 2), Point(2, 2), Point(1, 8), Point(2, 8), Rect(1, 1, 2, 9),
                          left, top, right, bottom, *picture, Rect(0, 0, 3, 6), 3, 10, true, false,
                          true, false);
    EXPECT_EQ(RowsOf(left), (std::vector<std::string>{ "c", "e", "e", "e", "g", "g", "g", "i" }));
    EXPECT_EQ(RowsOf(right), (std::vector<std::string>{ "d", "f", "f", "f", "h", "h", "h", "j" }));
}

TEST(BuildNineSliceBordersTest, StripWithoutFacePartIsLeftAsGiven) {
    const auto picture = PictureOfRows(kLetterFace);
    TBitmap left, top, right, bottom;
    top.SetSize(3, 3);
    // The top guides meet: no top middle, the top strip stays 3 x 3.
    BuildNineSliceBorders(Point(1, 1), Point(1, 1), Point(1, 4), Point(5, 4), Rect(1, 1, 5, 4),
                          Point(1, 1), Point(1, 1), Point(1, 4), Point(5, 4), Rect(1, 1, 5, 4),
                          left, top, right, bottom, *picture, Rect(0, 0, 6, 5), 6, 5, false, false,
                          false, false);
    EXPECT_EQ(top.Width(), 3);
    EXPECT_EQ(top.Height(), 3);
    EXPECT_EQ(bottom.Width(), 6);
}

TEST(DrawStripGlyphTest, DrawsTheChosenImageLeavingItsBottomLeftColourOut) {
    const auto strip = PictureOfRows({ "abcdefgh", "zijzklzm" });
    struct Case {
        int numGlyphs, index;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        { 4, 1, { ".....", ".ab..", "..i..", "....." } },
        { 4, 4, { ".....", ".gh..", "..m..", "....." } },
        { 2, 2, { ".....", ".efgh", "..lzm", "....." } },
        { 0, 1, { ".....", ".....", ".....", "....." } },
        { 4, 5, { ".....", ".....", ".....", "....." } },
    };
    for (const Case& c : cases) {
        const auto canvas = PictureOfRows({ ".....", ".....", ".....", "....." });
        DrawStripGlyph(canvas->Canvas(), 1, 1, *strip, c.numGlyphs, c.index);
        EXPECT_EQ(RowsOf(*canvas), c.expected) << c.numGlyphs << " " << c.index;
    }
}

} // namespace
