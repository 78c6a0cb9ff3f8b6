#include "lib/skindraw/bsCaptionGlyphs.h"

#include "DrawingPictures.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::string>;

TEST(CaptionGlyphsTest, GlyphsPixelForPixel) {
    const struct {
        const char* name;
        void (*draw)(TCanvas&, int, int, TColor);
        Rows expected;
    } cases[] = {
        { "minimize to tray",
          &DrawMinimizeToTrayGlyph,
          { "............", "............", "............", "...XXXXX....", "...XXXXX....",
            "...XXXXX....", "...XXXXX....", "...XXXXX....", "............", "............",
            "............", "............" } },
        { "roll down",
          &DrawRollDownGlyph,
          { "............", "............", "............", "..XXXXXXXX..", "...XXXXXX...",
            "....XXXX....", ".....XX.....", "............", "............", "............",
            "............", "............" } },
        { "roll up",
          &DrawRollUpGlyph,
          { "............", "............", "............", "............", ".....XX.....",
            "....XXXX....", "...XXXXXX...", "..XXXXXXXX..", "............", "............",
            "............", "............" } },
        { "minimize",
          &DrawMinimizeGlyph,
          { "............", "............", "............", "............", "............",
            "............", "............", "............", "............", "..XXXXXXXX..",
            "..XXXXXXXX..", "............" } },
        { "maximize",
          &DrawMaximizeGlyph,
          { "............", ".XXXXXXXXXXX", ".XXXXXXXXXXX", ".X.........X", ".X.........X",
            ".X.........X", ".X.........X", ".X.........X", ".X.........X", ".X.........X",
            ".XXXXXXXXXXX", "............" } },
    };
    for (const auto& c : cases) {
        const auto canvas = PictureOfRows(Rows(12, std::string(12, '.')));
        c.draw(canvas->Canvas(), 1, 1, clBlack);
        EXPECT_EQ(RowsOf(*canvas), c.expected) << c.name;
    }
}

TEST(CaptionGlyphsTest, CloseGlyphIsACrossTwoPixelsThick) {
    const auto canvas = PictureOfRows(Rows(11, std::string(11, '.')));
    DrawCloseGlyph(canvas->Canvas(), 0, 0, clBlack);
    const Rows rows = RowsOf(*canvas);
    for (int i = 1; i <= 8; ++i) {
        // The falling stroke: x = y and x = y + 1; the rising one: x = 10 - y and 9 - y.
        EXPECT_EQ(rows[std::size_t(i)][std::size_t(i)], 'X') << i;
        EXPECT_EQ(rows[std::size_t(i)][std::size_t(i + 1)], 'X') << i;
        EXPECT_EQ(rows[std::size_t(i)][std::size_t(10 - i)], 'X') << i;
        EXPECT_EQ(rows[std::size_t(i)][std::size_t(9 - i)], 'X') << i;
    }
    EXPECT_EQ(rows[0], "...........");
    EXPECT_EQ(rows[9], "...........");
}

} // namespace
