#include "GdiTestCanvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace win;
using gfx::MakePixel;
using gfx::Pixel;

TEST(BitBlt, RasterOperationsCombineAllFourBytes) {
    const Pixel s = MakePixel(0xF0, 0x0F, 0x33, 0xC0);
    const Pixel d = MakePixel(0xAA, 0x55, 0x0F, 0x30);
    const Pixel p = MakePixel(0x12, 0x34, 0x56, 0x00); // brush colours carry alpha 0
    struct Case {
        const char* name;
        DWORD rop;
        Pixel expected;
    };
    const Case cases[] = {
        { "SRCCOPY", SRCCOPY, s },
        { "SRCAND", SRCAND, s & d },
        { "SRCPAINT", SRCPAINT, s | d },
        { "SRCINVERT", SRCINVERT, s ^ d },
        { "SRCERASE", SRCERASE, s & ~d },
        { "NOTSRCCOPY", NOTSRCCOPY, ~s },
        { "NOTSRCERASE", NOTSRCERASE, ~(s | d) },
        { "MERGEPAINT", MERGEPAINT, ~s | d },
        { "MERGECOPY", MERGECOPY, p & s },
        { "DSTINVERT", DSTINVERT, ~d },
        { "PATCOPY", PATCOPY, p },
        { "PATINVERT", PATINVERT, p ^ d },
        { "PATPAINT", PATPAINT, p | ~s | d },
        { "BLACKNESS", BLACKNESS, 0 },
        { "WHITENESS", WHITENESS, 0x00FFFFFF },
    };
    GdiTestCanvas source(1, 1);
    source.SetRaw(0, 0, s);
    for (const Case& c : cases) {
        GdiTestCanvas dest(1, 1);
        dest.SetRaw(0, 0, d);
        HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
        HGDIOBJ old = SelectObject(dest.Dc(), brush);
        EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(dest.Raw(0, 0), c.expected) << c.name;
        SelectObject(dest.Dc(), old);
        DeleteObject(brush);
    }
}

TEST(BitBlt, PatBltRefusesOperationsThatNeedASource) {
    GdiTestCanvas c(2, 1);
    EXPECT_FALSE(PatBlt(c.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(PatBlt(c.Dc(), 0, 0, 1, 1, BLACKNESS));
    EXPECT_EQ(c.Picture(kInk), "#.\n");
    EXPECT_FALSE(BitBlt(c.Dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(c.Dc(), 0, 0, 2, 1, nullptr, 0, 0, DSTINVERT)) << "no source needed";
    EXPECT_EQ(c.Picture(kInk), ".#\n");
}

TEST(BitBlt, ClipsToDestinationClipAndSourceBounds) {
    GdiTestCanvas source(3, 2, kBlack);
    GdiTestCanvas dest(6, 4);
    IntersectClipRect(dest.Dc(), 0, 0, 6, 3);
    // Asks for 4x4 from a 3x2 source placed at (2, 1): only the source's pixels arrive, and
    // row 3 is clipped away.
    BitBlt(dest.Dc(), 2, 1, 4, 4, source.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(dest.Picture(kInk), Rows({ "......", "..###.", "..###.", "......" }));
    // Source coordinates pass through the source DC's origin.
    GdiTestCanvas marked(3, 1);
    SetPixel(marked.Dc(), 2, 0, kRed);
    SetViewportOrgEx(marked.Dc(), -2, 0, nullptr);
    BitBlt(dest.Dc(), 0, 0, 1, 1, marked.Dc(), 4, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dest.Dc(), 0, 0), kRed);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    GdiTestCanvas c(5, 1);
    SetPixel(c.Dc(), 0, 0, kRed);
    SetPixel(c.Dc(), 1, 0, kBlue);
    SetPixel(c.Dc(), 2, 0, kBlack);
    BitBlt(c.Dc(), 1, 0, 3, 1, c.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(c.Picture(kInk), "rrb#.\n");
    BitBlt(c.Dc(), 0, 0, 4, 1, c.Dc(), 1, 0, SRCCOPY);
    EXPECT_EQ(c.Picture(kInk), "rb#..\n");
}

TEST(BitBlt, AlphaTravelsWithThirtyTwoBitSourcesOnly) {
    GdiTestCanvas withAlpha(1, 1);
    withAlpha.SetRaw(0, 0, MakePixel(1, 2, 3, 77));
    GdiTestCanvas noAlpha(1, 1, kWhite, 24);
    SetPixel(noAlpha.Dc(), 0, 0, RGB(4, 5, 6));
    GdiTestCanvas dest(2, 1);
    dest.Clear(kWhite, 255);
    BitBlt(dest.Dc(), 0, 0, 1, 1, withAlpha.Dc(), 0, 0, SRCCOPY);
    BitBlt(dest.Dc(), 1, 0, 1, 1, noAlpha.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(dest.Raw(0, 0), MakePixel(1, 2, 3, 77));
    EXPECT_EQ(dest.Raw(1, 0), MakePixel(4, 5, 6, 0));
    // And a 24-bit destination keeps the colour: its storage has no alpha to keep.
    BitBlt(noAlpha.Dc(), 0, 0, 1, 1, withAlpha.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(noAlpha.Dc(), 0, 0), RGB(1, 2, 3));
}

TEST(BitBlt, MonochromeConversionsUseTheDcColours) {
    // Monochrome to colour: 0 bits in the destination's text colour, 1 bits in its background.
    const std::uint8_t bits[2] = { 0x50, 0x00 }; // 0101
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, bits);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    GdiTestCanvas dest(4, 1);
    SetTextColor(dest.Dc(), kRed);
    SetBkColor(dest.Dc(), kBlue);
    BitBlt(dest.Dc(), 0, 0, 4, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(dest.Picture(kInk), "rbrb\n");

    // Colour to monochrome: the source's background colour becomes white, all else black.
    SetBkColor(dest.Dc(), kRed);
    BitBlt(monoDc, 0, 0, 4, 1, dest.Dc(), 0, 0, SRCCOPY);
    const std::map<COLORREF, char> bw = { { kBlack, '0' }, { kWhite, '1' } };
    std::string got;
    for (int x = 0; x < 4; ++x)
        got += bw.at(GetPixel(monoDc, x, 0));
    EXPECT_EQ(got, "1010");
    // A monochrome compatible bitmap comes from a DC that still holds its default bitmap.
    HDC fresh = CreateCompatibleDC(nullptr);
    HBITMAP compatible = CreateCompatibleBitmap(fresh, 2, 2);
    BITMAP bm;
    GetObject(compatible, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(compatible);
    compatible = CreateCompatibleBitmap(nullptr, 2, 2);
    GetObject(compatible, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    DeleteObject(compatible);
    DeleteDC(fresh);
    SelectObject(monoDc, old);
    DeleteDC(monoDc);
    DeleteObject(mono);
}

TEST(StretchBlt, NearestAndHalftoneModes) {
    // Source: 4x1 red, blue, black, white.
    GdiTestCanvas source(4, 1);
    SetPixel(source.Dc(), 0, 0, kRed);
    SetPixel(source.Dc(), 1, 0, kBlue);
    SetPixel(source.Dc(), 2, 0, kBlack);
    struct Case {
        int mode;
        int width;
        int sourceWidth;
        std::string expected;
    };
    const Case cases[] = {
        { COLORONCOLOR, 8, 4, "rrbb##..\n" },
        { COLORONCOLOR, 2, 4, "b.\n" },    // centres of each half: pixels 1 and 3
        { HALFTONE, 8, 4, "rrbb##..\n" },  // enlarging repeats pixels
        { COLORONCOLOR, -4, 4, ".#br\n" }, // mirrored
        { COLORONCOLOR, 4, -4, ".#br\n" },
    };
    for (const Case& c : cases) {
        GdiTestCanvas dest(std::abs(c.width), 1);
        SetStretchBltMode(dest.Dc(), c.mode);
        const int x = c.width < 0 ? -c.width : 0;
        const int sx = c.sourceWidth < 0 ? 4 : 0;
        EXPECT_TRUE(
            StretchBlt(dest.Dc(), x, 0, c.width, 1, source.Dc(), sx, 0, c.sourceWidth, 1, SRCCOPY));
        EXPECT_EQ(dest.Picture(kInk), c.expected)
            << c.mode << " " << c.width << " " << c.sourceWidth;
    }
    // HALFTONE shrinking averages every covered source pixel, alpha included.
    GdiTestCanvas grey(2, 2);
    grey.SetRaw(0, 0, MakePixel(0, 0, 0, 0));
    grey.SetRaw(1, 0, MakePixel(255, 255, 255, 255));
    grey.SetRaw(0, 1, MakePixel(255, 255, 255, 255));
    grey.SetRaw(1, 1, MakePixel(100, 0, 0, 0));
    GdiTestCanvas one(1, 1);
    SetStretchBltMode(one.Dc(), HALFTONE);
    StretchBlt(one.Dc(), 0, 0, 1, 1, grey.Dc(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(one.Raw(0, 0), MakePixel(153, 128, 128, 128));
    SetStretchBltMode(one.Dc(), COLORONCOLOR);
    StretchBlt(one.Dc(), 0, 0, 1, 1, grey.Dc(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(one.Raw(0, 0), MakePixel(100, 0, 0, 0)) << "the centre sample";
}

TEST(TransparentBlt, LeavesOutTheKeyColourWhileStretching) {
    GdiTestCanvas source(2, 1);
    source.SetRaw(0, 0, MakePixel(255, 0, 255, 255)); // key colour, alpha ignored by the match
    source.SetRaw(1, 0, MakePixel(0, 0, 0, 200));
    GdiTestCanvas dest(4, 1, kBlue);
    EXPECT_TRUE(TransparentBlt(dest.Dc(), 0, 0, 4, 1, source.Dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(dest.Picture(kInk), "bb##\n");
    EXPECT_EQ(dest.Raw(3, 0), MakePixel(0, 0, 0, 200)) << "copied pixels keep their alpha";
    EXPECT_FALSE(TransparentBlt(dest.Dc(), 0, 0, -1, 1, source.Dc(), 0, 0, 2, 1, 0));
}

TEST(AlphaBlend, PremultipliedAndConstantAlpha) {
    struct Case {
        Pixel source;
        Pixel dest;
        BYTE constant;
        BYTE format;
        Pixel expected;
    };
    const Case cases[] = {
        // opaque source replaces
        { MakePixel(10, 20, 30, 255), MakePixel(200, 200, 200, 255), 255, AC_SRC_ALPHA,
          MakePixel(10, 20, 30, 255) },
        // transparent source leaves the destination, alpha included
        { MakePixel(0, 0, 0, 0), MakePixel(200, 100, 50, 40), 255, AC_SRC_ALPHA,
          MakePixel(200, 100, 50, 40) },
        // half-covered premultiplied white over black: 128 + 0
        { MakePixel(128, 128, 128, 128), MakePixel(0, 0, 0, 255), 255, AC_SRC_ALPHA,
          MakePixel(128, 128, 128, 255) },
        // half-covered red over opaque white: 128 + 255 * 127 / 255
        { MakePixel(128, 0, 0, 128), MakePixel(255, 255, 255, 255), 255, AC_SRC_ALPHA,
          MakePixel(255, 127, 127, 255) },
        // constant alpha scales the premultiplied source first
        { MakePixel(255, 255, 255, 255), MakePixel(0, 0, 0, 0), 51, AC_SRC_ALPHA,
          MakePixel(51, 51, 51, 51) },
        // without per-pixel alpha: a plain mix of all four channels
        { MakePixel(255, 0, 0, 0), MakePixel(0, 0, 255, 255), 64, 0, MakePixel(64, 0, 191, 191) },
        // colours brighter than their alpha saturate instead of wrapping
        { MakePixel(255, 255, 255, 0), MakePixel(255, 255, 255, 255), 255, AC_SRC_ALPHA,
          MakePixel(255, 255, 255, 255) },
    };
    for (const Case& c : cases) {
        GdiTestCanvas source(1, 1);
        source.SetRaw(0, 0, c.source);
        GdiTestCanvas dest(1, 1);
        dest.SetRaw(0, 0, c.dest);
        const BLENDFUNCTION blend{ AC_SRC_OVER, 0, c.constant, c.format };
        EXPECT_TRUE(AlphaBlend(dest.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, 1, 1, blend));
        EXPECT_EQ(dest.Raw(0, 0), c.expected) << std::hex << c.source << " over " << c.dest;
    }
}

TEST(AlphaBlend, RefusesSourcesOutsideTheBitmapAndMirroring) {
    GdiTestCanvas source(2, 2);
    GdiTestCanvas dest(4, 4);
    const BLENDFUNCTION blend{ AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 2, 2, source.Dc(), 1, 0, 2, 2, blend));
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, -2, 2, source.Dc(), 0, 0, 2, 2, blend));
    EXPECT_TRUE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 2, 2, blend))
        << "stretching is fine";
}

TEST(DibTransfer, StretchDibitsCountsBottomUpRowsFromTheBottom) {
    // A bottom-up 24-bit 1x3 DIB: memory rows bottom to top are red, blue, black.
    std::vector<std::uint8_t> bits = { 0, 0, 255, 0, 255, 0, 0, 0, 0, 0, 0, 0 };
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 3;
    info.bmiHeader.biBitCount = 24;
    GdiTestCanvas dest(1, 3);
    // sourceY 0, height 2 of a bottom-up DIB: the two bottom rows (blue above red).
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 1, 2, 0, 0, 1, 2, bits.data(), &info, DIB_RGB_COLORS,
                            SRCCOPY),
              2);
    EXPECT_EQ(dest.Picture(kInk), Rows({ "b", "r", "." }));
    dest.Clear(kWhite);
    EXPECT_EQ(
        SetDIBitsToDevice(dest.Dc(), 0, 0, 1, 3, 0, 0, 0, 3, bits.data(), &info, DIB_RGB_COLORS),
        3);
    EXPECT_EQ(dest.Picture(kInk), Rows({ "#", "b", "r" }));
    // Only scan 1 (the middle row) supplied.
    dest.Clear(kWhite);
    EXPECT_EQ(SetDIBitsToDevice(dest.Dc(), 0, 0, 1, 3, 0, 0, 1, 1, bits.data() + 4, &info,
                                DIB_RGB_COLORS),
              1);
    EXPECT_EQ(dest.Picture(kInk), Rows({ ".", "b", "." }));
    info.bmiHeader.biCompression = 1;
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 1, 1, 0, 0, 1, 1, bits.data(), &info, DIB_RGB_COLORS,
                            SRCCOPY),
              0);
}

TEST(StretchBlt, NineSlicesMeetWithoutGaps) {
    // The skin's border drawing: a 3x3 source stretched into nine parts of a 7x5 target.
    GdiTestCanvas source(3, 3, kBlack);
    SetPixel(source.Dc(), 1, 1, kRed);
    GdiTestCanvas dest(7, 5);
    const int xs[] = { 0, 1, 6, 7 };
    const int ys[] = { 0, 1, 4, 5 };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            StretchBlt(dest.Dc(), xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row],
                       source.Dc(), col, row, 1, 1, SRCCOPY);
    EXPECT_EQ(dest.Picture(kInk), Rows({ "#######", "#rrrrr#", "#rrrrr#", "#rrrrr#", "#######" }));
}

TEST(BitBlt, WholeSurfaceCopiesKeepRowOrderWhateverTheLayout) {
    // Full-width copies take a one-move path when the layouts allow it; every pairing of
    // top-down and bottom-up storage must give the same picture.
    for (bool sourceTopDown : { true, false }) {
        for (bool destTopDown : { true, false }) {
            GdiTestCanvas source(3, 4, kWhite, 32, sourceTopDown);
            for (int y = 0; y < 4; ++y)
                SetPixel(source.Dc(), y % 3, y, y % 2 ? kRed : kBlue);
            GdiTestCanvas dest(3, 4, kBlack, 32, destTopDown);
            BitBlt(dest.Dc(), 0, 0, 3, 4, source.Dc(), 0, 0, SRCCOPY);
            EXPECT_EQ(dest.Picture(kInk), Rows({ "b..", ".r.", "..b", "r.." }))
                << sourceTopDown << destTopDown;
            // Part of the rows, shifted down by one.
            dest.Clear(kBlack);
            BitBlt(dest.Dc(), 0, 1, 3, 2, source.Dc(), 0, 0, SRCCOPY);
            EXPECT_EQ(dest.Picture(kInk), Rows({ "###", "b..", ".r.", "###" }))
                << sourceTopDown << destTopDown;
        }
    }
}

TEST(BitBlt, PartOfAPaletteOrTwentyFourBitSourceArrivesUnshifted) {
    // Sources in their own formats: only the read area is converted, so its offset must hold
    // for whole bytes and for pixels packed several to a byte.
    for (int bits : { 1, 4, 8, 24 }) {
        GdiTestCanvas source(11, 3, kWhite, bits, false);
        SetPixel(source.Dc(), 5, 1, kBlack);
        SetPixel(source.Dc(), 7, 1, kBlack);
        SetPixel(source.Dc(), 10, 2, kBlack);
        GdiTestCanvas dest(5, 2, kRed);
        BitBlt(dest.Dc(), 0, 0, 3, 1, source.Dc(), 5, 1, SRCCOPY);
        // Reaches past the source's right edge: the missing column is left alone.
        BitBlt(dest.Dc(), 2, 1, 3, 1, source.Dc(), 9, 2, SRCCOPY);
        EXPECT_EQ(dest.Picture(kInk), Rows({ "#.#rr", "rr.#r" })) << bits << " bits";
    }
}

TEST(StretchBlt, HugeOrExtremeAreasCostOnlyTheirVisiblePart) {
    GdiTestCanvas source(2, 1);
    SetPixel(source.Dc(), 0, 0, kRed);
    SetPixel(source.Dc(), 1, 0, kBlue);
    GdiTestCanvas dest(4, 1);
    // A stretch 200 million pixels wide: the visible four pixels are the left half of it.
    EXPECT_TRUE(StretchBlt(dest.Dc(), 0, 0, 200000000, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dest.Picture(kInk), "rrrr\n");
    SetStretchBltMode(dest.Dc(), HALFTONE);
    EXPECT_TRUE(
        StretchBlt(dest.Dc(), -199999998, 0, 200000000, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dest.Picture(kInk), "bbrr\n");
    // Beyond any surface, or at the ends of int range: refused or drawn nowhere, never a crash.
    EXPECT_FALSE(StretchBlt(dest.Dc(), 0, 0, INT32_MAX, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.Dc(), INT32_MAX - 2, 0, 100, 1, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 4, 1, source.Dc(), INT32_MAX - 1, 0, SRCCOPY));
    EXPECT_TRUE(
        BitBlt(dest.Dc(), INT32_MIN, INT32_MIN, 10, 10, source.Dc(), INT32_MIN, 0, SRCCOPY));
    EXPECT_EQ(dest.Picture(kInk), "bbrr\n");
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biBitCount = 32;
    const std::uint32_t pixel = 0;
    EXPECT_EQ(SetDIBitsToDevice(dest.Dc(), INT32_MAX, 0, 1, 1, 0, 0, 0xFFFFFFF0u, 1, &pixel, &info,
                                DIB_RGB_COLORS),
              1);
    EXPECT_EQ(dest.Picture(kInk), "bbrr\n");
}
