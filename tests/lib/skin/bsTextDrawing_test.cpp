#include "lib/skindraw/bsTextDrawing.h"

#include "DrawingPictures.h"
#include "platform/gfx/Utf8.h"

#include <gtest/gtest.h>

namespace {

struct TextCanvas {
    std::unique_ptr<TBitmap> Picture =
        PictureOfRows(std::vector<std::string>(40, std::string(200, '.')));
    TCanvas& Canvas() {
        TCanvas& c = Picture->Canvas();
        c.Font().SetName("Arial");
        c.Font().SetHeight(-13);
        c.Font().SetColor(clBlack);
        return c;
    }
};

TEST(TextDrawingTest, EllipsisKeepsTheLongestPrefixThatFits) {
    TextCanvas t;
    TCanvas& canvas = t.Canvas();
    const std::string full = "Converting video files";
    const int fullWidth = canvas.TextWidth(full);
    ASSERT_GT(fullWidth, 0);

    std::string fits = full;
    EllipsizeText(canvas, fits, fullWidth);
    EXPECT_EQ(fits, full);

    for (int maxWidth : { fullWidth - 1, fullWidth / 2, canvas.TextWidth("C...") }) {
        std::string text = full;
        EllipsizeText(canvas, text, maxWidth);
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(text.size() - 3), "...");
        const std::string prefix = text.substr(0, text.size() - 3);
        EXPECT_EQ(full.rfind(prefix, 0), 0u) << text;
        EXPECT_LE(canvas.TextWidth(text), maxWidth) << text;
        // One more character would not fit.
        EXPECT_GT(canvas.TextWidth(full.substr(0, prefix.size() + 1) + "..."), maxWidth) << text;
    }

    std::string none = full;
    EllipsizeText(canvas, none, 1);
    EXPECT_EQ(none, "...");
}

TEST(TextDrawingTest, WideEllipsisDropsWholeCharacters) {
    TextCanvas t;
    TCanvas& canvas = t.Canvas();
    const std::string full = "视频转换器视频转换器";
    const int width = GetWideTextWidth(canvas, full);
    ASSERT_GT(width, 0);
    std::string text = full;
    EllipsizeWideText(canvas, text, width / 2);
    ASSERT_NE(text, full);
    EXPECT_EQ(gfx::EncodeUtf8(gfx::DecodeUtf8(text)), text); // still valid UTF-8
    EXPECT_EQ(text.substr(text.size() - 3), "...");
    EXPECT_LE(GetWideTextWidth(canvas, text), width / 2);
}

TEST(TextDrawingTest, EmptyTextDrawsNothing) {
    TextCanvas t;
    TCanvas& canvas = t.Canvas();
    const auto before = RowsOf(*t.Picture);
    DrawTextVCenter(canvas, "", Rect(0, 0, 200, 40));
    DrawTextClipVCenter(canvas, "", Rect(0, 0, 200, 40));
    DrawTextClipVCenterIndent(canvas, "", Rect(0, 0, 200, 40), 5);
    EXPECT_EQ(RowsOf(*t.Picture), before);
}

TEST(TextDrawingTest, ClippedTextStaysInItsRectangle) {
    TextCanvas t;
    TCanvas& canvas = t.Canvas();
    canvas.Brush().SetStyle(bsClear);
    const TRect clip(10, 10, 40, 30);
    DrawTextClipVCenter(canvas, "A long caption that runs far past the box", clip);
    const auto rows = RowsOf(*t.Picture);
    bool inside = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool drawn = rows[std::size_t(y)][std::size_t(x)] != '.';
            if (drawn && clip.Contains(Point(x, y))) inside = true;
            EXPECT_FALSE(drawn && !clip.Contains(Point(x, y))) << x << "," << y;
        }
    EXPECT_TRUE(inside);
}

TEST(TextDrawingTest, WideMeasureMatchesTheCanvas) {
    TextCanvas t;
    TCanvas& canvas = t.Canvas();
    EXPECT_EQ(GetWideTextWidth(canvas, "Hello"), canvas.TextWidth("Hello"));
    EXPECT_EQ(GetWideTextHeight(canvas, "Hello"), canvas.TextHeight("Hello"));
    TRect r(0, 0, 200, 40);
    EXPECT_GT(DrawTextWide(canvas, "Hello", r, 0), 0);
}

} // namespace
