#include "lib/skindraw/TbsBitmap.h"

#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPicture.h"
#include "platform/rtl/TMemoryStream.h"
#include "platform/rtl/TStream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

void Fill(TbsBitmap& b, int w, int h, const std::vector<TbsColor>& pixels) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Row(y)[x] = pixels[std::size_t(y * w + x)];
}

std::vector<TbsColor> Pixels(const TbsBitmap& b) {
    std::vector<TbsColor> v;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            v.push_back(b.Pixel(x, y));
    return v;
}

TbsColor ScanPixel(TBitmap& b, int x, int y) {
    return static_cast<const TbsColor*>(b.ScanLine(y))[x];
}

constexpr TbsColor Z = 0xFF000000, W = 0xFFFFFFFF, HalfWhite = 0x80FFFFFF, Grey = 0xFF7F7F7F;

TEST(TbsBitmapTest, SetSizeTakesAbsoluteValuesAndIgnoresZeroAndSameSize) {
    TbsBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(-10, 5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(Pixels(b), std::vector<TbsColor>(50, 0));
    b.Clear(0x11223344);
    b.SetSize(0, 5);
    b.SetSize(10, 0);
    b.SetSize(10, -5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(Pixels(b), std::vector<TbsColor>(50, 0x11223344));
    b.SetSize(3, 2);
    EXPECT_EQ(Pixels(b), std::vector<TbsColor>(6, 0));
}

TEST(TbsBitmapTest, ImpossibleSizeRaisesAndLeavesTheBitmapEmpty) {
    TbsBitmap b;
    b.SetSize(4, 4);
    EXPECT_THROW(b.SetSize(100000, 100000), Exception);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
}

TEST(TbsBitmapTest, CanvasFollowsTheCurrentDc) {
    TbsBitmap b;
    b.SetSize(2, 2);
    TCanvas& canvas = b.Canvas();
    b.SetSize(4, 3);
    EXPECT_EQ(FindBitmapByDC(canvas.Handle()), &b);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 4, 3));
    // GDI colour drawing leaves alpha 0.
    EXPECT_EQ(b.Pixel(3, 2), 0x00FFFFFFu);
}

TEST(TbsBitmapTest, AlphaChecksAndAlphaRectangles) {
    TbsBitmap b;
    b.SetSize(4, 3);
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.AlphaBlend());
    b.SetAlpha(128);
    b.CheckingAlphaBlend();
    EXPECT_TRUE(b.AlphaBlend());
    b.SetAlpha(255);
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.AlphaBlend());

    b.SetAlpha(0x40, Rect(2, 1, 10, 10));
    b.SetAlpha(0x10, Rect(-5, -5, -1, -1));
    b.SetAlpha(0x10, Rect(1, 1, 1, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(b.Pixel(x, y) >> 24, (x >= 2 && y >= 1) ? 0x40u : 0xFFu) << x << "," << y;
}

TEST(TbsBitmapTest, CheckingTransparentKeysNearColours) {
    TbsBitmap b;
    Fill(b, 4, 1,
         { gfx::MakePixel(250, 3, 251, 255), gfx::MakePixel(255, 6, 255, 255),
           gfx::MakePixel(249, 0, 255, 255), gfx::MakePixel(255, 0, 255, 0) });
    b.CheckingTransparent(0xFFFF00FF);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ 0x007F007F, 0xFFFF06FF, 0xFFF900FF, 0x007F007F }));

    Fill(b, 1, 1, { W });
    b.CheckingTransparent(0xFFFF00FF);
    EXPECT_FALSE(b.Transparent());
}

TEST(TbsBitmapTest, AssignFromAnotherBitmapCopiesPixelsNameAndFlags) {
    TbsBitmap src, dst;
    Fill(src, 2, 1, { 0x80112233, 0x007F007F });
    src.SetName("glyph");
    src.SetAlphaBlend(true);
    src.SetTransparent(true);
    dst.Assign(src);
    EXPECT_EQ(Pixels(dst), Pixels(src));
    EXPECT_EQ(dst.Name(), "glyph");
    EXPECT_TRUE(dst.AlphaBlend());
    EXPECT_TRUE(dst.Transparent());

    // From an empty bitmap: size and pixels stay, name and flags come over.
    TbsBitmap empty;
    empty.SetName("none");
    dst.Assign(empty);
    EXPECT_EQ(Pixels(dst), Pixels(src));
    EXPECT_EQ(dst.Name(), "none");
    EXPECT_FALSE(dst.AlphaBlend());
}

TEST(TbsBitmapTest, AssignAlphaRulesForClassLibraryPictures) {
    TBitmap deep;
    deep.SetPixelFormat(pf32bit);
    deep.SetSize(2, 1);
    static_cast<TbsColor*>(deep.ScanLine(0))[0] = 0x80102030;
    static_cast<TbsColor*>(deep.ScanLine(0))[1] = 0xFF405060;

    TbsBitmap b;
    b.Assign(deep);
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ 0x80102030, 0xFF405060 }));
    EXPECT_TRUE(b.AlphaBlend());

    TPicture picture;
    picture.SetGraphic(&deep);
    TbsBitmap fromPicture;
    fromPicture.Assign(picture);
    EXPECT_EQ(Pixels(fromPicture), (std::vector<TbsColor>{ 0xFF102030, 0xFF405060 }));

    TBitmap shallow;
    shallow.SetPixelFormat(pf24bit);
    shallow.SetSize(2, 1);
    auto* row = static_cast<std::uint8_t*>(shallow.ScanLine(0));
    const std::uint8_t bytes[] = { 0x30, 0x20, 0x10, 0x60, 0x50, 0x40 };
    std::memcpy(row, bytes, sizeof(bytes));
    TbsBitmap fromShallow;
    fromShallow.Assign(static_cast<TGraphic&>(shallow));
    EXPECT_EQ(Pixels(fromShallow), (std::vector<TbsColor>{ 0xFF102030, 0xFF405060 }));
}

TEST(TbsBitmapTest, AssignToAClassLibraryBitmapDrawsByTheFlags) {
    TbsBitmap b;
    Fill(b, 2, 1, { 0x80FFFFFF, 0xFF102030 });
    TBitmap out;
    b.AssignTo(out);
    EXPECT_EQ(out.PixelFormat(), pf32bit);
    ASSERT_EQ(out.Width(), 2);
    EXPECT_EQ(ScanPixel(out, 0, 0), 0x80FFFFFFu);
    EXPECT_EQ(ScanPixel(out, 1, 0), 0xFF102030u);
}

TEST(TbsBitmapTest, StreamRoundTripRestoresSizePixelsAndName) {
    TbsBitmap b;
    Fill(b, 3, 2, { 1, 2, 3, 4, 5, 6 });
    b.SetName("frame top");
    TMemoryStream stream;
    b.SaveToStream(stream);
    EXPECT_EQ(stream.Size(), 4 + 9 + 8 + 24);
    stream.SetPosition(0);
    TbsBitmap back;
    back.LoadFromStream(stream);
    EXPECT_EQ(back.Name(), "frame top");
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Height(), 2);
    EXPECT_EQ(Pixels(back), Pixels(b));
}

void WriteRaw(TStream& s, std::int32_t v) {
    s.WriteBuffer(&v, 4);
}

TEST(TbsBitmapTest, NegativeStoredHeightFlipsTheRows) {
    TMemoryStream stream;
    WriteRaw(stream, 0);
    WriteRaw(stream, 1);
    WriteRaw(stream, -2);
    const TbsColor px[] = { 7, 8 };
    stream.WriteBuffer(px, sizeof(px));
    stream.SetPosition(0);
    TbsBitmap b;
    b.LoadFromStream(stream);
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ 8, 7 }));
}

TEST(TbsBitmapTest, MalformedStreamsRaiseAndLeaveTheBitmapAlone) {
    struct Case {
        const char* what;
        std::int32_t nameCount, width, height;
        int pixelBytes;
    };
    const Case cases[] = {
        { "name count beyond the stream", 1000, 1, 1, 4 },
        { "negative name count", -1, 1, 1, 4 },
        { "pixels cut short", 0, 2, 2, 12 },
        { "size whose byte count overflows", 0, 0x40000000, 0x40000000, 4 },
        { "most negative width", 0, std::numeric_limits<std::int32_t>::min(), 1, 4 },
    };
    for (const auto& c : cases) {
        TMemoryStream stream;
        WriteRaw(stream, c.nameCount);
        WriteRaw(stream, c.width);
        WriteRaw(stream, c.height);
        const std::vector<std::uint8_t> bytes(std::size_t(c.pixelBytes), 0xAB);
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        TbsBitmap b;
        Fill(b, 1, 1, { 42 });
        b.SetName("kept");
        EXPECT_THROW(b.LoadFromStream(stream), EReadError) << c.what;
        EXPECT_EQ(Pixels(b), std::vector<TbsColor>{ 42 }) << c.what;
        EXPECT_EQ(b.Name(), "kept") << c.what;
    }
}

TEST(TbsBitmapTest, ReflectionsFadeToNothingAtHalfHeight) {
    struct Case {
        void (TbsBitmap::*reflect)();
        std::vector<std::uint32_t> alphas;
    };
    const Case cases[] = {
        { &TbsBitmap::Reflection, { 85, 56, 28, 0, 0, 0 } },
        { &TbsBitmap::Reflection2, { 63, 42, 21, 0, 0, 0 } },
        { &TbsBitmap::Reflection3, { 127, 85, 42, 0, 0, 0 } },
    };
    for (const auto& c : cases) {
        TbsBitmap b;
        Fill(b, 1, 6, { 0xFF000000, 0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005 });
        (b.*c.reflect)();
        for (int y = 0; y < 6; ++y) {
            EXPECT_EQ(b.Pixel(0, y) >> 24, c.alphas[std::size_t(y)]) << y;
            EXPECT_EQ(b.Pixel(0, y) & 0xFF, TbsColor(5 - y)) << "rows are flipped first";
        }
    }
}

TEST(TbsBitmapTest, DrawingOntoAnotherBitmapsCanvasComposesPixels) {
    TbsBitmap target, src;
    target.SetSize(3, 1);
    target.Clear(Z);
    Fill(src, 1, 1, { HalfWhite });
    src.SetAlphaBlend(true);
    src.Draw(target.Canvas(), 1, 0);
    EXPECT_EQ(Pixels(target), (std::vector<TbsColor>{ Z, Grey, Z }));

    // The DC's window origin moves what is drawn.
    win::SetWindowOrgEx(target.DC(), 1, 0, nullptr);
    src.Draw(target.DC(), 1, 0);
    win::SetWindowOrgEx(target.DC(), 0, 0, nullptr);
    EXPECT_EQ(Pixels(target), (std::vector<TbsColor>{ Grey, Grey, Z }));
}

TEST(TbsBitmapTest, DrawingIntoAForeignDcGoesThroughTheTransfers) {
    struct Case {
        const char* what;
        bool alpha, keyed;
        std::vector<TbsColor> src;
        std::vector<TbsColor> expectedRgb;
    };
    const Case cases[] = {
        { "alpha", true, false, { HalfWhite, 0x00123456 }, { 0x7F7F7F, 0x000000 } },
        { "alpha wins over keying", true, true, { HalfWhite, 0x007F007F }, { 0x7F7F7F, 0 } },
        { "keyed", false, true, { 0xFF7F007F, 0xFF102030 }, { 0x000000, 0x102030 } },
        { "copy", false, false, { 0x00102030, 0x80405060 }, { 0x102030, 0x405060 } },
    };
    for (const auto& c : cases) {
        TBitmap out;
        out.SetPixelFormat(pf32bit);
        out.SetSize(2, 1);
        out.Canvas().Brush().SetColor(clBlack);
        out.Canvas().FillRect(Rect(0, 0, 2, 1));
        TbsBitmap b;
        Fill(b, 2, 1, c.src);
        b.SetAlphaBlend(c.alpha);
        b.SetTransparent(c.keyed);
        b.Draw(out.Canvas(), 0, 0);
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(ScanPixel(out, x, 0) & 0xFFFFFF, c.expectedRgb[std::size_t(x)])
                << c.what << " at " << x;
    }
}

TEST(TbsBitmapTest, StretchedDrawIntoADc) {
    TBitmap out;
    out.SetPixelFormat(pf32bit);
    out.SetSize(4, 1);
    TbsBitmap b;
    Fill(b, 2, 1, { 0xFF0000AA, 0xFF00BB00 });
    b.Draw(out.Canvas(), Rect(0, 0, 4, 1));
    EXPECT_EQ(ScanPixel(out, 0, 0) & 0xFFFFFF, 0xAAu);
    EXPECT_EQ(ScanPixel(out, 3, 0) & 0xFFFFFF, 0xBB00u);
}

TEST(TbsBitmapTest, TilesAreCutAtTheRightAndBottom) {
    TbsBitmap src, dst;
    Fill(src, 3, 2, { 1, 2, 9, 3, 4, 9 });
    dst.SetSize(5, 3);
    src.Tile(dst, Rect(0, 0, 5, 3), Rect(0, 0, 2, 2));
    EXPECT_EQ(Pixels(dst), (std::vector<TbsColor>{ 1, 2, 1, 2, 1, //
                                                   3, 4, 3, 4, 3, //
                                                   1, 2, 1, 2, 1 }));

    TbsBitmap clipped;
    clipped.SetSize(5, 3);
    src.TileClip(clipped, Rect(0, 0, 5, 3), Rect(2, 0, 3, 1), Rect(0, 0, 2, 2));
    // Only the tile meeting the clip is drawn, and it is drawn whole.
    EXPECT_EQ(Pixels(clipped), (std::vector<TbsColor>{ 0, 0, 1, 2, 0, //
                                                       0, 0, 3, 4, 0, //
                                                       0, 0, 0, 0, 0 }));
}

TEST(TbsBitmapTest, TilingIntoABottomUpDibWritesItsMemory) {
    TBitmap out;
    out.SetPixelFormat(pf32bit);
    out.SetSize(3, 2);
    TbsBitmap src;
    Fill(src, 2, 1, { 0xFF000001, 0xFF000002 });
    src.Tile(out.Canvas(), Rect(0, 0, 3, 2), Rect(0, 0, 2, 1));
    EXPECT_EQ(ScanPixel(out, 0, 0), 0xFF000001u);
    EXPECT_EQ(ScanPixel(out, 1, 0), 0xFF000002u);
    EXPECT_EQ(ScanPixel(out, 2, 0), 0xFF000001u);
    EXPECT_EQ(ScanPixel(out, 2, 1), 0xFF000001u);
    EXPECT_EQ(ScanPixel(out, 1, 1), 0xFF000002u);
}

TEST(TbsBitmapTest, MergeDrawPutsTheSourceBehind) {
    TbsBitmap dst, src;
    Fill(dst, 4, 1, { 0x00000000, HalfWhite, 0xFF123456, 0x00000000 });
    Fill(src, 3, 1, { 0xFF000000, 0xFF000000, 0xFF000000 });
    dst.MergeDraw(src, 0, 0, Rect(-1, 0, 3, 1));
    // The negative left moves the drawing one pixel right and starts at source column 0.
    EXPECT_EQ(Pixels(dst), (std::vector<TbsColor>{ 0, Grey, 0xFF123456, 0xFF000000 }));
}

TEST(TbsBitmapTest, FillRectClipsAndBlendsWithAlpha) {
    TbsBitmap b;
    b.SetSize(3, 1);
    b.Clear(Z);
    b.FillRect(Rect(2, -4, 9, 9), 0x12345678);
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ Z, Z, 0x12345678 }));
    b.SetAlphaBlend(true);
    b.FillRect(Rect(0, 0, 2, 1), HalfWhite);
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ Grey, Grey, 0x12345678 }));
}

TEST(TbsBitmapTest, ColourOperationsSkipTransparentPixelsAndKeepAlpha) {
    TbsBitmap b;
    Fill(b, 3, 1, { 0x00102030, 0x80102030, 0xFFF0F0F0 });
    b.ChangeBitmapBrightness(20);
    EXPECT_EQ(Pixels(b), (std::vector<TbsColor>{ 0x00102030, 0x80243444, 0xFFFFFFFF }));

    Fill(b, 2, 1, { 0xFFFF0000, 0x00FF0000 });
    b.SetBitmapHue(85); // a third of the way round: green
    EXPECT_EQ(b.Pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(b.Pixel(1, 0), 0x00FF0000u);
}

TEST(TbsBitmapTest, ColourFunctions) {
    EXPECT_EQ(MakeBsColor(300, -2, 17, 0x80), 0x80FF0011u);
    EXPECT_EQ(ChangeColorBrightness(0x00101010, -32), 0xFF000000u);
    float h, s, l;
    BsColorToHSL(0xFF00FF00, h, s, l);
    EXPECT_FLOAT_EQ(h, 1.0f / 3);
    EXPECT_FLOAT_EQ(s, 1.0f);
    EXPECT_FLOAT_EQ(l, 0.5f);
    BsColorToHSL(0xFF808080, h, s, l);
    EXPECT_EQ(h, 0.0f);
    EXPECT_EQ(s, 0.0f);
    const TbsColor samples[] = { 0xFF336699, 0xFFFF0000, 0xFF0000FF, 0xFF808080, 0xFFC0FFEE };
    for (TbsColor c : samples) {
        BsColorToHSL(c, h, s, l);
        EXPECT_EQ(HSLToBsColor(h, s, l), c) << std::hex << c;
    }
    EXPECT_EQ(ChangeColorSat(0xFF808080, 0), 0xFF808080u);
    EXPECT_EQ(ChangeColorSat(0xFFFF0000, -255), 0xFF808080u);
    EXPECT_EQ(ChangeColorHue(0xFFFF0000, 170), 0xFF0000FFu);
    // The hue wraps round instead of running off the end.
    EXPECT_EQ(ChangeColorHue(0xFF0000FF, 170), ChangeColorHue(0xFF0000FF, 170 - 255));
}

TEST(TbsBitmapTest, RegistryForgetsDestroyedBitmaps) {
    win::HDC dc;
    {
        TbsBitmap b;
        b.SetSize(1, 1);
        dc = b.DC();
        EXPECT_EQ(FindBitmapByDC(dc), &b);
    }
    EXPECT_EQ(FindBitmapByDC(dc), nullptr);
    EXPECT_EQ(FindBitmapByDC(nullptr), nullptr);
}

TEST(TbsBitmapLinkTest, CheckingMaskedSortsMaskedPixelsByMargin) {
    struct Case {
        const char* what;
        int x, y;
        TbsColor value;
        TRect margin;
        bool masked, border, angles;
    };
    constexpr TbsColor kOpaque = 0xFF445566;
    const TRect m(2, 2, 2, 2);
    const Case cases[] = {
        { "fully opaque", 0, 0, kOpaque, TRect(), false, false, false },
        { "key pixel without margin", 4, 4, 0x007F007F, TRect(), true, false, false },
        { "grey marker is not masked", 4, 4, 0x33333333, TRect(), false, false, false },
        { "translucent corner", 0, 0, 0x80000000, m, false, false, true },
        { "translucent bottom-right corner", 5, 5, 0x80000000, m, false, false, true },
        { "edge strip", 3, 0, 0x80000000, m, false, true, false },
        { "inner area", 3, 3, 0x10000000, m, true, false, false },
    };
    for (const auto& c : cases) {
        TbsBitmap image;
        image.SetSize(8, 8);
        image.Clear(kOpaque);
        image.Row(c.y + 1)[c.x + 1] = c.value;
        TbsBitmapLink link;
        link.SetImage(&image);
        link.SetRect(Rect(1, 1, 7, 7));
        link.CheckingMasked(c.margin);
        EXPECT_EQ(link.Masked(), c.masked) << c.what;
        EXPECT_EQ(link.MaskedBorder(), c.border) << c.what;
        EXPECT_EQ(link.MaskedAngles(), c.angles) << c.what;
    }
}

TEST(TbsBitmapLinkTest, AreaBeyondTheImageCountsAsMasked) {
    TbsBitmap image;
    image.SetSize(2, 2);
    image.Clear(0xFF000000);
    TbsBitmapLink link;
    link.SetImage(&image);
    link.SetRect(Rect(0, 0, 3, 2));
    link.CheckingMasked();
    EXPECT_TRUE(link.Masked());
}

TEST(TbsBitmapLinkTest, RectangleFromSkinText) {
    TbsBitmap image;
    image.SetName("arrow");
    EXPECT_EQ(image.GetBitmapLink("1,0,3,1")->Rect(), Rect(1, 0, 3, 1));
    EXPECT_EQ(image.GetBitmapLink("1,x,3,1")->Rect(), Rect(0, 0, 0, 0));
    EXPECT_EQ(image.GetBitmapLink("1,0,3,1")->Name(), "arrow");
}

TEST(TbsBitmapLinkTest, StreamRoundTripAndDraw) {
    TbsBitmap image, target;
    Fill(image, 3, 1, { 1, 2, 3 });
    image.SetName("arrow");
    const auto made = image.GetBitmapLink(Rect(1, 0, 3, 1));
    const TbsBitmapLink& link = *made;
    EXPECT_EQ(link.Image(), &image);
    EXPECT_TRUE(link.Assigned());
    TMemoryStream stream;
    link.SaveToStream(stream);
    stream.SetPosition(0);
    TbsBitmapLink back;
    back.LoadFromStream(stream);
    EXPECT_EQ(back.Name(), "arrow");
    EXPECT_EQ(back.Rect(), Rect(1, 0, 3, 1));
    EXPECT_FALSE(back.Assigned());

    back.SetImage(&image);
    target.SetSize(3, 1);
    back.Draw(target, 1, 0);
    EXPECT_EQ(Pixels(target), (std::vector<TbsColor>{ 0, 2, 3 }));
}

} // namespace
