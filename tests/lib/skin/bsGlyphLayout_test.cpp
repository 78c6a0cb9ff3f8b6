#include "lib/skindraw/bsGlyphLayout.h"

#include "DrawingPictures.h"
#include "platform/forms/TImageList.h"

#include <gtest/gtest.h>

namespace {

TEST(CalcGlyphLayoutTest, PlacesGlyphAndTextForEveryLayoutAndMargin) {
    const TRect rect(0, 0, 100, 20);
    const struct {
        TbsButtonLayout layout;
        int gw, margin;
        int glyphX, glyphY, textX, textY;
    } cases[] = {
        { blGlyphLeft, 16, -1, 20, 2, 40, 4 },
        { blGlyphLeft, 0, -1, 30, 2, 30, 4 }, // no glyph: no spacing, the text centred alone
        { blGlyphRight, 16, -1, 64, 2, 20, 4 },
        { blGlyphTop, 16, -1, 42, -6, 30, 13 },
        { blGlyphBottom, 16, -1, 42, 10, 30, -6 },
        { blGlyphLeft, 16, 2, 2, 2, 22, 4 },
        { blGlyphRight, 16, 5, 79, 2, 35, 4 },
        { blGlyphTop, 16, 2, 42, 2, 30, 22 },
        { blGlyphBottom, 16, 3, 42, 1, 30, -16 },
    };
    for (const auto& c : cases) {
        int tx = 0, ty = 0, gx = 0, gy = 0;
        CalcGlyphLayout(c.layout, rect, c.gw, 16, 40, 13, 4, c.margin, tx, ty, gx, gy);
        EXPECT_EQ(gx, c.glyphX) << c.layout << " margin " << c.margin << " gw " << c.gw;
        EXPECT_EQ(gy, c.glyphY) << c.layout << " margin " << c.margin << " gw " << c.gw;
        EXPECT_EQ(tx, c.textX) << c.layout << " margin " << c.margin << " gw " << c.gw;
        EXPECT_EQ(ty, c.textY) << c.layout << " margin " << c.margin << " gw " << c.gw;
    }
}

// The bounding box of the pixels of one letter.
TRect BoxOf(const std::vector<std::string>& rows, char letter) {
    TRect box(1000, 1000, -1, -1);
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[std::size_t(y)].size()); ++x)
            if (rows[std::size_t(y)][std::size_t(x)] == letter) {
                box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1), box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST(DrawGlyphAndCaptionTest, BarWithoutGlyphOrCaptionFillsTheRectangleLowerWhenPressed) {
    TBitmap none;
    for (bool pressed : { false, true }) {
        const auto canvas = PictureOfRows(std::vector<std::string>(16, std::string(20, '.')));
        DrawGlyphAndCaption(canvas->Canvas(), Rect(0, 0, 20, 16), -1, 4, blGlyphLeft, "", none, 1,
                            1, pressed, true, LetterColor('b'));
        EXPECT_EQ(BoxOf(RowsOf(*canvas), 'b'), pressed ? Rect(4, 5, 18, 13) : Rect(4, 4, 18, 12))
            << pressed;
    }
}

TEST(DrawGlyphAndCaptionTest, GlyphOfTheStripWithBarsUnderTheWholeStripWidth) {
    // Two 4 x 4 images; the second is drawn at 6, 8 (centred with the spacing, as there is a
    // glyph), its bottom-left colour 'z' left out.
    const auto strip = PictureOfRows({ "aaaaefgh", "aaaaijkl", "aaaamnop", "aaaazqrs" });
    const auto canvas = PictureOfRows(std::vector<std::string>(20, std::string(20, '.')));
    DrawGlyphAndCaption(canvas->Canvas(), Rect(0, 0, 20, 20), -1, 4, blGlyphLeft, "", *strip, 2, 2,
                        false, true, LetterColor('b'));
    const auto rows = RowsOf(*canvas);
    EXPECT_EQ(rows[8].substr(6, 4), "efgh");
    EXPECT_EQ(rows[9].substr(6, 4), "ijkl");
    // Bars at the glyph's last two rows and the row below, 8 pixels wide (the whole strip).
    EXPECT_EQ(BoxOf(rows, 'b'), Rect(6, 10, 14, 13));
    EXPECT_EQ(rows[12].substr(6, 8), "bbbbbbbb");
}

TEST(DrawImageAndCaptionTest, ImageOfTheListWithBarsPressedOneFurther) {
    TImageList images(nullptr);
    images.SetSize(4, 4);
    const auto picture = PictureOfRows({ "efgh", "ijkl", "mnop", "qrst" });
    ASSERT_EQ(images.AddMasked(*picture, clFuchsia), 0);
    for (bool pressed : { false, true }) {
        const auto canvas = PictureOfRows(std::vector<std::string>(20, std::string(20, '.')));
        DrawImageAndCaption(canvas->Canvas(), Rect(0, 0, 20, 20), -1, 4, blGlyphLeft, "", 0,
                            &images, pressed, true, true, LetterColor('b'));
        const auto rows = RowsOf(*canvas);
        // At 6, 8 (centred with the spacing); pressed moves it 1 right and down.
        const int x = pressed ? 7 : 6, y = pressed ? 9 : 8;
        EXPECT_EQ(rows[std::size_t(y)].substr(std::size_t(x), 4), "efgh") << pressed;
        // Bars over the image's last two rows and the row below, as wide as the image.
        EXPECT_EQ(BoxOf(rows, 'b'), Rect(x, y + 2, x + 4, y + 5)) << pressed;
    }
}

TEST(DrawImageAndCaptionTest, IndexOutsideTheListDrawsTheBarBlockInstead) {
    TImageList images(nullptr);
    images.SetSize(4, 4);
    const auto canvas = PictureOfRows(std::vector<std::string>(16, std::string(20, '.')));
    DrawImageAndCaption(canvas->Canvas(), Rect(0, 0, 20, 16), -1, 4, blGlyphLeft, "", 3, &images,
                        false, true, true, LetterColor('b'));
    EXPECT_EQ(BoxOf(RowsOf(*canvas), 'b'), Rect(4, 4, 18, 12));
}

} // namespace
