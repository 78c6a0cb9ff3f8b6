#include "lib/skindraw/TbsFBitmap.h"

#include "DrawingPictures.h"

#include <gtest/gtest.h>

namespace {

TEST(TbsFBitmapTest, RowsArePaddedToFourBytes) {
    struct Case {
        int width, gap, rowInc;
    };
    const Case cases[] = { { 1, 1, 4 }, { 2, 2, 8 }, { 3, 3, 12 }, { 4, 0, 12 }, { 5, 1, 16 } };
    for (const Case& c : cases) {
        const auto picture = NumberedPicture(c.width, 3);
        const TbsFBitmap scan(picture->Handle());
        EXPECT_EQ(scan.Gap(), c.gap) << c.width;
        EXPECT_EQ(scan.RowInc(), c.rowInc) << c.width;
        EXPECT_EQ(scan.Size(), std::size_t(c.rowInc * 3)) << c.width;
        EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(scan.Pixels(1)) -
                      reinterpret_cast<const std::uint8_t*>(scan.Pixels(0)),
                  c.rowInc)
            << c.width;
    }
}

TEST(TbsFBitmapTest, RowZeroIsTheTopRowWhateverTheDepth) {
    const std::vector<std::string> rows = { "X..", ".X.", "..X", "XXX" };
    for (TPixelFormat format : { pf1bit, pf8bit, pf24bit, pf32bit }) {
        const auto mask = PictureOfRows(rows, format);
        const TbsFBitmap scan(mask->Handle());
        ASSERT_EQ(scan.Height(), 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 3; ++x) {
                const TFBColor c = scan.Pixels(y)[x];
                const bool black = c.r == 0 && c.g == 0 && c.b == 0;
                EXPECT_EQ(black, rows[std::size_t(y)][std::size_t(x)] == 'X')
                    << format << " at " << x << "," << y;
            }
    }
}

TEST(TbsFBitmapTest, NoBitmapGivesAnEmptyCopy) {
    const TbsFBitmap scan(nullptr);
    EXPECT_EQ(scan.Width(), 0);
    EXPECT_EQ(scan.Height(), 0);
    EXPECT_EQ(scan.Size(), 0u);
}

} // namespace
