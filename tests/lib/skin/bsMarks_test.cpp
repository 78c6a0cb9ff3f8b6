#include "lib/skindraw/bsMarks.h"

#include "DrawingPictures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::vector<std::string> Drawn(int width, int height, const std::function<void(TCanvas&)>& draw) {
    const auto canvas = PictureOfRows(
        std::vector<std::string>(std::size_t(height), std::string(std::size_t(width), '.')));
    draw(canvas->Canvas());
    return RowsOf(*canvas);
}

using Rows = std::vector<std::string>;

TEST(MarksTest, DropDownMarkIsThreeRunsFromTheCentre) {
    EXPECT_EQ(Drawn(7, 5, [](TCanvas& c) { DrawDropDownMark(c, Rect(0, 0, 7, 5), clBlack); }),
              (Rows{ ".......", ".......", ".XXXXX.", "..XXX..", "...X..." }));
}

TEST(MarksTest, ArrowMarksPointWhereTheirDirectionSays) {
    const struct {
        int direction;
        Rows expected;
    } cases[] = {
        { 1,
          { ".........", ".....X...", "....XX...", "...XXX...", "..XXXX...", "...XXX...",
            "....XX...", ".....X...", "........." } },
        { 2,
          { ".........", "...X.....", "...XX....", "...XXX...", "...XXXX..", "...XXX...",
            "...XX....", "...X.....", "........." } },
        { 3,
          { ".........", ".........", "....X....", "...XXX...", "..XXXXX..", ".XXXXXXX.",
            ".........", ".........", "........." } },
        { 4,
          { ".........", ".........", ".........", ".XXXXXXX.", "..XXXXX..", "...XXX...",
            "....X....", ".........", "........." } },
        { 5, Rows(9, ".........") },
        { 0, Rows(9, ".........") },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Drawn(9, 9,
                        [&](TCanvas& canvas) {
                            DrawArrowMark(canvas, Rect(0, 0, 9, 9), clBlack, c.direction);
                        }),
                  c.expected)
            << c.direction;
}

TEST(MarksTest, RadioDotIsASixPixelSquare) {
    EXPECT_EQ(Drawn(8, 8, [](TCanvas& c) { DrawRadioDot(c, 1, 1, clBlack); }),
              (Rows{ "........", ".XXXXXX.", ".XXXXXX.", ".XXXXXX.", ".XXXXXX.", ".XXXXXX.",
                     ".XXXXXX.", "........" }));
}

TEST(MarksTest, CheckMarkIsOneStrokeThreeTimesEachAPixelHigher) {
    EXPECT_EQ(Drawn(9, 9, [](TCanvas& c) { DrawCheckMark(c, 0, 0, clBlack); }),
              (Rows{ ".........", "......X..", ".....XX..", "X...XXX..", "XX.XXX...", "XXXXX....",
                     ".XXX.....", "..X......", "........." }));
}

TEST(MarksTest, DottedFocusRectRunsItsPatternAroundTheCorners) {
    const struct {
        TRect rect;
        Rows expected;
    } cases[] = {
        // 4 x 3 inside: the first pixel is set.
        { Rect(0, 0, 5, 4), { "X.X.X.", "......", "X...X.", ".X.X..", "......" } },
        // 4 x 4 inside: both even, the first pixel is skipped.
        { Rect(0, 0, 5, 5), { ".X.X..", "X...X.", "......", "X...X.", ".X.X..", "......" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Drawn(6, int(c.expected.size()),
                        [&](TCanvas& canvas) {
                            canvas.Font().SetColor(clBlack);
                            DrawDottedFocusRect(canvas, c.rect);
                        }),
                  c.expected)
            << c.rect.Bottom;
}

} // namespace
