#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A white 8 x 8 bitmap to draw on.
struct Paper {
    TBitmap Bitmap{ 8, 8 };
    TCanvas& Canvas = Bitmap.Canvas();
    Paper() {
        Canvas.Brush().SetColor(clWhite);
        Canvas.FillRect(Rect(0, 0, 8, 8));
    }
};

} // namespace

TEST(TCanvas, DrawsWithThePenAndBrushAsTheyAreNow) {
    Paper p;
    p.Canvas.Pen().SetColor(clRed);
    p.Canvas.Brush().SetColor(clBlue);
    p.Canvas.Rectangle(1, 1, 5, 5);
    EXPECT_EQ(p.Canvas.Pixels(1, 1), clRed); // outline
    EXPECT_EQ(p.Canvas.Pixels(4, 4), clRed); // right and bottom are exclusive
    EXPECT_EQ(p.Canvas.Pixels(5, 5), clWhite);
    EXPECT_EQ(p.Canvas.Pixels(2, 2), clBlue); // interior
    // Changing the objects after a draw takes effect on the next one.
    p.Canvas.Pen().SetColor(clLime);
    p.Canvas.Brush().SetStyle(bsClear);
    p.Canvas.Rectangle(0, 0, 8, 8);
    EXPECT_EQ(p.Canvas.Pixels(0, 0), clLime);
    EXPECT_EQ(p.Canvas.Pixels(2, 2), clBlue);
}

TEST(TCanvas, LinesExcludeTheirEndAndMoveThePen) {
    Paper p;
    p.Canvas.Pen().SetColor(clBlack);
    p.Canvas.MoveTo(1, 3);
    p.Canvas.LineTo(5, 3);
    EXPECT_EQ(p.Canvas.Pixels(1, 3), clBlack);
    EXPECT_EQ(p.Canvas.Pixels(4, 3), clBlack);
    EXPECT_EQ(p.Canvas.Pixels(5, 3), clWhite);
    EXPECT_EQ(p.Canvas.PenPos(), TPoint(5, 3));
    p.Canvas.Pen().SetMode(pmXor);
    p.Canvas.Pen().SetColor(clWhite);
    p.Canvas.MoveTo(1, 3);
    p.Canvas.LineTo(3, 3); // white xor black = white
    EXPECT_EQ(p.Canvas.Pixels(1, 3), clWhite);
    EXPECT_EQ(p.Canvas.Pixels(3, 3), clBlack);
}

TEST(TCanvas, FillAndFrameUseTheBrush) {
    Paper p;
    p.Canvas.Brush().SetColor(clMaroon);
    p.Canvas.FrameRect(Rect(2, 2, 6, 6));
    EXPECT_EQ(p.Canvas.Pixels(2, 4), clMaroon);
    EXPECT_EQ(p.Canvas.Pixels(3, 3), clWhite);
    p.Canvas.Brush().SetColor(clBtnFace); // a system colour is resolved
    p.Canvas.FillRect(Rect(3, 3, 5, 5));
    EXPECT_EQ(p.Canvas.Pixels(3, 3), TColor(ColorToRGB(clBtnFace)));
}

TEST(TCanvas, CopyRectHonoursTheCopyMode) {
    Paper source, target;
    source.Canvas.Brush().SetColor(clRed);
    source.Canvas.FillRect(Rect(0, 0, 4, 4));
    target.Canvas.CopyRect(Rect(0, 0, 2, 2), source.Canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas.Pixels(1, 1), clRed);
    EXPECT_EQ(target.Canvas.Pixels(2, 2), clWhite);
    target.Canvas.SetCopyMode(win::NOTSRCCOPY);
    target.Canvas.CopyRect(Rect(4, 4, 6, 6), source.Canvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(target.Canvas.Pixels(4, 4), clAqua);
}

TEST(TCanvas, BrushCopyPaintsTheKeyColourWithTheBrush) {
    TBitmap glyph(2, 1);
    glyph.Canvas().SetPixels(0, 0, clFuchsia);
    glyph.Canvas().SetPixels(1, 0, clNavy);
    Paper p;
    p.Canvas.Brush().SetColor(clYellow);
    p.Canvas.BrushCopy(Rect(3, 3, 5, 4), glyph, Rect(0, 0, 2, 1), clFuchsia);
    EXPECT_EQ(p.Canvas.Pixels(3, 3), clYellow);
    EXPECT_EQ(p.Canvas.Pixels(4, 3), clNavy);
}

TEST(TCanvas, TextIsMeasuredAndDrawnInTheFontColour) {
    TBitmap b(120, 30);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect(Rect(0, 0, 120, 30));
    c.Font().SetName("Arial");
    c.Font().SetSize(12);
    const TSize one = c.TextExtent("W");
    const TSize three = c.TextExtent("WWW");
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 10);
    EXPECT_EQ(three.cy, one.cy);
    EXPECT_GT(three.cx, 2 * one.cx);
    EXPECT_EQ(c.TextWidth("WWW"), three.cx);
    c.Font().SetColor(clRed);
    c.Brush().SetStyle(bsClear);
    c.TextOut(2, 2, "WWW");
    EXPECT_EQ(c.PenPos(), TPoint(2 + three.cx, 2));
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            red += c.Pixels(x, y) == clRed;
    EXPECT_GT(red, 5);
}

TEST(TCanvas, TextRectClipsAndFillsWithTheBrush) {
    TBitmap b(60, 20);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect(Rect(0, 0, 60, 20));
    c.Brush().SetColor(clYellow);
    c.Font().SetColor(clBlack);
    c.TextRect(Rect(10, 0, 20, 20), 0, 0, "WWWWWWWWWW");
    EXPECT_EQ(c.Pixels(5, 5), clWhite); // left of the rectangle: clipped
    EXPECT_EQ(c.Pixels(30, 5), clWhite);
    bool yellow = false;
    for (int x = 10; x < 20; ++x)
        yellow |= c.Pixels(x, 19) == clYellow;
    EXPECT_TRUE(yellow);
}

TEST(TCanvas, ClipRectIsTheBitmap) {
    TBitmap b(9, 4);
    EXPECT_EQ(b.Canvas().ClipRect(), Rect(0, 0, 9, 4));
}

TEST(TCanvas, LockIsRecursiveAndExcludesOtherThreads) {
    TBitmap b(2, 2);
    TCanvas& c = b.Canvas();
    c.Lock();
    c.Lock();
    EXPECT_EQ(c.LockCount(), 2);
    std::atomic<bool> otherGotIt{ true };
    std::thread([&] { otherGotIt = c.TryLock(); }).join();
    EXPECT_FALSE(otherGotIt);
    c.Unlock();
    c.Unlock();
    EXPECT_EQ(c.LockCount(), 0);
    std::thread([&] {
        otherGotIt = c.TryLock();
        if (otherGotIt) c.Unlock();
    }).join();
    EXPECT_TRUE(otherGotIt);
}

TEST(TCanvas, ChangeEventsSurroundEachDrawing) {
    TBitmap b(2, 2);
    TCanvas& c = b.Canvas();
    std::string log;
    c.OnChanging = [&](TCanvas*) { log += "<"; };
    c.OnChange = [&](TCanvas*) { log += ">"; };
    c.FillRect(Rect(0, 0, 1, 1));
    c.SetPixels(1, 1, clRed);
    EXPECT_EQ(log, "<><>");
}

TEST(TCanvas, DrawingOnABitmapsCanvasChangesTheBitmap) {
    TBitmap b(2, 2);
    int changes = 0;
    b.OnChange = [&](TGraphic*) { ++changes; };
    b.Canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.Modified());
}

TEST(TCanvas, LeavesNoDrawingObjectsBehind) {
    auto session = [] {
        TBitmap b(6, 6);
        TCanvas& c = b.Canvas();
        for (TColor color : { clRed, clBlue, clLime }) {
            c.Pen().SetColor(color);
            c.Brush().SetColor(color);
            c.Font().SetSize(9 + int(color & 3));
            c.Rectangle(0, 0, 5, 5);
            c.TextOut(0, 0, "A");
        }
        c.Brush().SetStyle(bsCross);
        c.FillRect(Rect(0, 0, 6, 6));
        b.SetSize(9, 9); // a new DIB while the canvas holds the old one
        c.Ellipse(0, 0, 9, 9);
        b.SetPixelFormat(pf8bit);
        c.LineTo(3, 3);
    };
    session(); // the stock objects are made once on first use
    const std::size_t before = win::gdi::LiveCount();
    session();
    EXPECT_EQ(win::gdi::LiveCount(), before);
}

TEST(TCanvas, PatternBrushTilesItsBitmap) {
    TBitmap pattern(2, 1);
    pattern.Canvas().SetPixels(0, 0, clRed);
    pattern.Canvas().SetPixels(1, 0, clBlue);
    Paper p;
    p.Canvas.Brush().SetBitmap(&pattern);
    p.Canvas.FillRect(Rect(0, 0, 6, 2));
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(p.Canvas.Pixels(x, 1), x % 2 ? clBlue : clRed) << x;
    p.Canvas.Brush().SetBitmap(nullptr);
    p.Canvas.Brush().SetColor(clLime);
    p.Canvas.FillRect(Rect(0, 0, 6, 2));
    EXPECT_EQ(p.Canvas.Pixels(1, 1), clLime);
}

TEST(TCanvas, HandleComesWithTheObjectsSelected) {
    TBitmap b(4, 4);
    TCanvas& c = b.Canvas();
    c.Font().SetColor(clRed);
    c.Brush().SetColor(clBlue);
    c.Pen().SetMode(pmXor);
    win::HDC dc = c.Handle();
    EXPECT_EQ(win::GetTextColor(dc), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetBkColor(dc), win::RGB(0, 0, 255));
    EXPECT_EQ(win::GetBkMode(dc), win::OPAQUE);
    EXPECT_EQ(win::GetROP2(dc), win::R2_XORPEN);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_FONT), c.Font().Handle());
    c.Brush().SetStyle(bsClear);
    EXPECT_EQ(win::GetBkMode(c.Handle()), win::TRANSPARENT);
}
