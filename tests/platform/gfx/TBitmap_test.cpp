#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/TMemoryStream.h"
#include <cstring>
#include <gtest/gtest.h>

using gfx::MakePixel;

namespace {

std::uint8_t* Row(TBitmap& b, int y) {
    return static_cast<std::uint8_t*>(b.ScanLine(y));
}

void SaveAndLoad(TBitmap& from, TBitmap& to) {
    TMemoryStream stream;
    from.SaveToStream(stream);
    stream.SetPosition(0);
    to.LoadFromStream(stream);
}

} // namespace

TEST(TBitmap, ScanLinesHaveTheFormatsRowLayout) {
    struct Case {
        TPixelFormat Format;
        int BytesPerPixel;
    };
    for (const Case c : { Case{ pf24bit, 3 }, Case{ pf32bit, 4 } }) {
        TBitmap b;
        b.SetPixelFormat(c.Format);
        b.SetSize(5, 3);
        const std::ptrdiff_t rowBytes =
            std::ptrdiff_t(gfx::BmpCodec::RowBytes(5, c.BytesPerPixel * 8));
        // Bottom-up storage: each row lies one padded row below the previous one in memory.
        EXPECT_EQ(Row(b, 0) - Row(b, 1), rowBytes) << c.BytesPerPixel;
        EXPECT_EQ(Row(b, 1) - Row(b, 2), rowBytes) << c.BytesPerPixel;
        std::uint8_t* px = Row(b, 1) + 2 * c.BytesPerPixel;
        px[0] = 10; // blue
        px[1] = 20; // green
        px[2] = 30; // red
        EXPECT_EQ(b.Canvas().Pixels(2, 1), TColor(win::RGB(30, 20, 10))) << c.BytesPerPixel;
        b.Canvas().SetPixels(4, 2, TColor(win::RGB(1, 2, 3)));
        const std::uint8_t* written = Row(b, 2) + 4 * c.BytesPerPixel;
        EXPECT_EQ(written[0], 3);
        EXPECT_EQ(written[1], 2);
        EXPECT_EQ(written[2], 1);
    }
}

TEST(TBitmap, IndexedScanLinesPackPixels) {
    TBitmap b;
    b.SetPixelFormat(pf1bit);
    b.SetSize(10, 2);
    b.Canvas().Brush().SetColor(clBlack);
    b.Canvas().FillRect(Rect(0, 0, 10, 2));
    b.Canvas().SetPixels(1, 0, clWhite);
    b.Canvas().SetPixels(9, 1, clWhite);
    EXPECT_EQ(Row(b, 0)[0], 0x40);
    EXPECT_EQ(Row(b, 1)[1], 0x40);
    Row(b, 0)[1] = 0x80; // pixel 8 of row 0
    EXPECT_EQ(b.Canvas().Pixels(8, 0), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(7, 0), clBlack);
}

TEST(TBitmap, ResizingKeepsThePictureAndFillsWithTheBrush) {
    TBitmap b(2, 2);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 2, 2));
    b.Canvas().Brush().SetColor(clBlue);
    b.SetWidth(4);
    b.SetHeight(3);
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(b.Canvas().Pixels(3, 0), clBlue);
    EXPECT_EQ(b.Canvas().Pixels(0, 2), clBlue);
    b.SetSize(1, 1);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
}

TEST(TBitmap, ChangingThePixelFormatKeepsColours) {
    TBitmap b(3, 1);
    b.SetPixelFormat(pf24bit);
    const TColor colors[3] = { clRed, clLime, clWhite };
    for (int x = 0; x < 3; ++x)
        b.Canvas().SetPixels(x, 0, colors[x]);
    for (TPixelFormat format : { pf32bit, pf8bit, pf4bit, pf24bit }) {
        b.SetPixelFormat(format);
        EXPECT_EQ(b.PixelFormat(), format);
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(b.Canvas().Pixels(x, 0), colors[x]) << format;
    }
    EXPECT_THROW(b.SetPixelFormat(pfCustom), EInvalidGraphicOperation);
}

TEST(TBitmap, ScanLineOutsideTheBitmapIsRefused) {
    TBitmap b(2, 2);
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
    EXPECT_THROW(b.ScanLine(2), EInvalidGraphicOperation);
    TBitmap empty;
    EXPECT_THROW(empty.ScanLine(0), EInvalidGraphicOperation);
}

TEST(TBitmap, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
    TBitmap b(3, 3);
    b.Canvas().Brush().SetColor(clYellow);
    b.Canvas().FillRect(Rect(0, 0, 3, 3));
    b.Canvas().SetPixels(0, 2, clFuchsia);
    b.Canvas().SetPixels(0, 0, clAqua);
    EXPECT_EQ(b.TransparentMode(), tmAuto);
    EXPECT_EQ(b.TransparentColor(), clFuchsia);
    b.SetTransparentColor(clYellow);
    EXPECT_EQ(b.TransparentMode(), tmFixed);
    EXPECT_EQ(b.TransparentColor(), clYellow);
    b.SetTransparentMode(tmAuto);
    EXPECT_EQ(b.TransparentColor(), clFuchsia);
}

TEST(TBitmap, TransparentDrawLeavesKeyPixelsOut) {
    TBitmap glyph(2, 2);
    glyph.SetPixelFormat(pf24bit);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 2, 2));
    glyph.Canvas().SetPixels(1, 0, clNavy);
    TBitmap target(4, 4);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(Rect(0, 0, 4, 4));

    target.Canvas().Draw(1, 1, &glyph); // opaque: the key colour is drawn
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clFuchsia);
    target.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.SetTransparent(true);
    target.Canvas().Draw(1, 1, &glyph);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clGreen);
    EXPECT_EQ(target.Canvas().Pixels(2, 1), clNavy);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clGreen);
    target.Canvas().StretchDraw(Rect(0, 0, 4, 4), &glyph);
    EXPECT_EQ(target.Canvas().Pixels(3, 0), clNavy);
    EXPECT_EQ(target.Canvas().Pixels(0, 3), clGreen);
}

TEST(TBitmap, RoundTripsThroughBmpInEachFormat) {
    struct Case {
        TPixelFormat Format;
        int Bits;
    };
    const Case cases[] = {
        { pf1bit, 1 }, { pf4bit, 4 }, { pf8bit, 8 }, { pf24bit, 24 }, { pf32bit, 32 }
    };
    for (const auto& [format, bits] : cases) {
        TBitmap source(7, 3);
        source.SetPixelFormat(format);
        source.Canvas().Brush().SetColor(clWhite);
        source.Canvas().FillRect(Rect(0, 0, 7, 3));
        source.Canvas().SetPixels(2, 1, clBlack);
        if (format != pf1bit) source.Canvas().SetPixels(6, 2, clRed);
        if (format == pf32bit) Row(source, 0)[3] = 77; // an alpha byte travels unchanged
        TBitmap copy;
        SaveAndLoad(source, copy);
        EXPECT_EQ(copy.PixelFormat(), format);
        ASSERT_EQ(copy.Width(), 7);
        ASSERT_EQ(copy.Height(), 3);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(
                std::memcmp(copy.ScanLine(y), source.ScanLine(y), std::size_t(7 * bits + 7) / 8), 0)
                << bits << " bits, row " << y;
    }
}

TEST(TBitmap, StreamOfTwoBitmapsLoadsOneAtATime) {
    TBitmap first(2, 2), second(3, 1);
    first.Canvas().Brush().SetColor(clRed);
    first.Canvas().FillRect(Rect(0, 0, 2, 2));
    second.Canvas().Brush().SetColor(clBlue);
    second.Canvas().FillRect(Rect(0, 0, 3, 1));
    TMemoryStream stream;
    first.SaveToStream(stream);
    const std::int64_t firstEnd = stream.Position();
    second.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap a, b;
    a.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), firstEnd);
    b.LoadFromStream(stream);
    EXPECT_EQ(a.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Canvas().Pixels(2, 0), clBlue);
}

TEST(TBitmap, CorruptStreamGivesInvalidGraphicAndKeepsThePicture) {
    TBitmap good(2, 2);
    TMemoryStream stream;
    good.SaveToStream(stream);
    stream.SetSize(stream.Size() - 3);
    stream.SetPosition(0);
    TBitmap b(5, 5);
    EXPECT_THROW(b.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(b.Width(), 5);
}

TEST(TBitmap, AssignMakesAnIndependentCopy) {
    TBitmap source(3, 2);
    source.SetPixelFormat(pf32bit);
    source.Canvas().SetPixels(1, 1, clRed);
    source.SetTransparent(true);
    source.SetTransparentColor(clRed);
    TBitmap copy;
    copy.Assign(source);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clRed);
    EXPECT_EQ(copy.Canvas().Pixels(1, 1), clRed);
    source.Canvas().SetPixels(1, 1, clBlue);
    EXPECT_EQ(copy.Canvas().Pixels(1, 1), clRed);
    EXPECT_NE(copy.Handle(), source.Handle());
}

TEST(TBitmap, AssignFromPngKeepsAlphaInThirtyTwoBits) {
    TBitmap seed(2, 1);
    TPngImage png;
    png.Assign(seed);
    png.CreateAlpha();
    png.AlphaScanline(0)[1] = 40;
    png.SetPixels(1, 0, clRed);
    TBitmap b;
    b.Assign(png);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    const std::uint8_t* row = Row(b, 0);
    EXPECT_EQ(row[4 + 2], 255); // red
    EXPECT_EQ(row[4 + 3], 40);  // alpha
    EXPECT_EQ(row[3], 255);
}

TEST(TBitmap, ScreenFormatIsADeviceBitmapUntilItsScanLinesAreUsed) {
    TBitmap b(2, 2);
    EXPECT_EQ(b.PixelFormat(), pfDevice);
    EXPECT_EQ(b.HandleType(), bmDDB);
    b.Canvas().SetPixels(0, 0, clRed);
    std::uint8_t* row = Row(b, 0);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.HandleType(), bmDIB);
    EXPECT_EQ(row[2], 255); // the picture is unchanged: red, 4 bytes a pixel
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
}

TEST(TBitmap, SixteenBitFormatsPackTheirChannels) {
    struct Case {
        TPixelFormat Format;
        std::uint16_t Red;
        std::uint16_t Green;
    };
    for (const Case c : { Case{ pf15bit, 0x7C00, 0x03E0 }, Case{ pf16bit, 0xF800, 0x07E0 } }) {
        TBitmap b(3, 2);
        b.SetPixelFormat(c.Format);
        EXPECT_EQ(Row(b, 0) - Row(b, 1), 8); // 6 bytes padded to 8
        b.Canvas().SetPixels(1, 1, clRed);
        b.Canvas().SetPixels(2, 1, clLime);
        const auto* row = reinterpret_cast<const std::uint16_t*>(Row(b, 1));
        EXPECT_EQ(row[1], c.Red) << c.Format;
        EXPECT_EQ(row[2], c.Green) << c.Format;
        TBitmap copy;
        SaveAndLoad(b, copy);
        EXPECT_EQ(copy.PixelFormat(), c.Format);
        EXPECT_EQ(std::memcmp(copy.ScanLine(1), b.ScanLine(1), 6), 0) << c.Format;
        EXPECT_EQ(copy.Canvas().Pixels(2, 1), clLime);
    }
}

TEST(TBitmap, PaletteBecomesTheColourTableAndKeepsIndices) {
    TBitmap b(4, 1);
    b.SetPixelFormat(pf8bit);
    for (int x = 0; x < 4; ++x)
        Row(b, 0)[x] = std::uint8_t(x);
    std::vector<std::uint8_t> block(sizeof(win::LOGPALETTE) + 256 * sizeof(win::PALETTEENTRY));
    auto* logical = reinterpret_cast<win::LOGPALETTE*>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        logical->palPalEntry[i] = { win::BYTE(i), 0, win::BYTE(255 - i), 0 };
    b.SetPalette(win::CreatePalette(logical));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(Row(b, 0)[x], x);
        EXPECT_EQ(b.Canvas().Pixels(x, 0), TColor(win::RGB(x, 0, 255 - x)));
    }
    win::PALETTEENTRY entry;
    ASSERT_EQ(win::GetPaletteEntries(b.Palette(), 3, 1, &entry), 1u);
    EXPECT_EQ(entry.peRed, 3);
    TBitmap copy;
    SaveAndLoad(b, copy);
    EXPECT_EQ(copy.Canvas().Pixels(2, 0), TColor(win::RGB(2, 0, 253)));
    TBitmap deep(2, 2);
    deep.SetPixelFormat(pf24bit);
    EXPECT_EQ(deep.Palette(), nullptr);
}
