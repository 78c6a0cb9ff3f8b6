#include "GdiTestCanvas.h"

#include "platform/gfx/BitmapObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace win;

TEST(GdiHandles, StaleHandlesAreRefused) {
    const std::size_t before = gdi::LiveCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(gdi::LiveCount(), before);
    // The slot is reused by the next object; the old handle must not reach it.
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_FALSE(DeleteObject(brush));
    LOGBRUSH lb;
    EXPECT_EQ(GetObject(brush, sizeof lb, &lb), 0);
    EXPECT_EQ(gdi::Lookup(brush), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, brush), nullptr);
    const RECT one{ 0, 0, 1, 1 };
    EXPECT_FALSE(FillRect(dc, &one, brush));
    DeleteDC(dc);
    EXPECT_FALSE(DeleteDC(dc)) << "a DC handle is stale after DeleteDC";
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    // Garbage values are not handles either.
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(std::uintptr_t(0xDEADBEEF))), 0u);
    DeleteObject(pen);
}

TEST(GdiHandles, SelectedObjectsCannotBeDeletedAndStockObjectsSurvive) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_DASH, 3, RGB(9, 8, 7));
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN)) << "a new DC holds the black pen";
    EXPECT_FALSE(DeleteObject(pen)) << "the DC still uses it";
    EXPECT_EQ(SelectObject(dc, old), pen);
    EXPECT_TRUE(DeleteObject(pen));

    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetObjectType(white), OBJ_BRUSH) << "stock objects ignore DeleteObject";
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_FALSE(DeleteObject(dc)) << "DCs are freed with DeleteDC";

    // Deleting the DC lets go of what it held, saved states included.
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    SelectObject(dc, bitmap);
    SaveDC(dc);
    SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(bitmap));
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(GdiHandles, GetObjectDescribesPensBrushesAndBitmaps) {
    HPEN pen = CreatePen(PS_DOT, 2, RGB(10, 20, 30));
    LOGPEN lp;
    ASSERT_EQ(GetObject(pen, sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, PS_DOT);
    EXPECT_EQ(lp.lopnWidth.x, 2);
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
    EXPECT_EQ(GetObject(pen, sizeof lp - 1, &lp), 0);

    HBRUSH brush = CreateHatchBrush(HS_CROSS, RGB(1, 1, 1));
    LOGBRUSH lb;
    ASSERT_EQ(GetObject(brush, sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbStyle, BS_HATCHED);
    EXPECT_EQ(lb.lbHatch, ULONG_PTR(HS_CROSS));

    HBITMAP ddb = CreateBitmap(5, 3, 1, 32, nullptr);
    BITMAP bm;
    ASSERT_EQ(GetObject(ddb, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmBits, nullptr) << "device bitmaps expose no memory";
    DIBSECTION ds;
    EXPECT_EQ(GetObject(ddb, sizeof ds, &ds), int(sizeof bm))
        << "a device bitmap is no DIB section";

    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(ddb);
}

TEST(DibSection, RowsArePaddedAndOrderedAsTheHeaderSays) {
    struct Case {
        int bits;
        bool topDown;
        int rowBytes;
    };
    const Case cases[] = { { 24, true, 16 },  { 24, false, 16 }, { 32, true, 20 },
                           { 32, false, 20 }, { 8, false, 8 },   { 1, true, 4 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, top-down " << c.topDown);
        GdiTestCanvas canvas(5, 3, kWhite, c.bits, c.topDown);
        DIBSECTION ds;
        ASSERT_EQ(GetObject(canvas.Bitmap(), sizeof ds, &ds), int(sizeof ds));
        EXPECT_EQ(ds.dsBm.bmWidthBytes, c.rowBytes);
        EXPECT_EQ(ds.dsBm.bmBits, canvas.Bits());
        EXPECT_EQ(ds.dsBmih.biHeight, c.topDown ? -3 : 3);
        if (c.bits < 24) continue;
        // Write pixel (x=1, y=0) straight into memory where the header puts the top row.
        auto* bytes = static_cast<std::uint8_t*>(canvas.Bits());
        std::uint8_t* top = bytes + (c.topDown ? 0 : 2 * c.rowBytes);
        const int at = c.bits / 8;
        top[at + 0] = 0x30; // blue
        top[at + 1] = 0x20; // green
        top[at + 2] = 0x10; // red
        EXPECT_EQ(GetPixel(canvas.Dc(), 1, 0), RGB(0x10, 0x20, 0x30));
        // And drawing through the DC lands in the same memory: bottom-right pixel.
        SetPixel(canvas.Dc(), 4, 2, RGB(0xAA, 0xBB, 0xCC));
        std::uint8_t* bottom = bytes + (c.topDown ? 2 * c.rowBytes : 0);
        EXPECT_EQ(bottom[4 * at + 0], 0xCC);
        EXPECT_EQ(bottom[4 * at + 1], 0xBB);
        EXPECT_EQ(bottom[4 * at + 2], 0xAA);
    }
}

TEST(DibSection, RefusesUnsupportedOrHugeHeaders) {
    struct Case {
        int width, height, bits;
        DWORD compression;
    };
    const Case cases[] = { { 0, 10, 32, BI_RGB },
                           { 10, 0, 32, BI_RGB },
                           { 10, 10, 7, BI_RGB },
                           { 10, 10, 32, 1 /* RLE8 */ },
                           { 1 << 20, 1 << 20, 32, BI_RGB },
                           { 10, INT32_MIN, 32, BI_RGB } };
    for (const Case& c : cases) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = c.width;
        info.bmiHeader.biHeight = c.height;
        info.bmiHeader.biBitCount = WORD(c.bits);
        info.bmiHeader.biCompression = c.compression;
        void* bits = reinterpret_cast<void*>(1);
        EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr)
            << c.width << "x" << c.height << "x" << c.bits;
        EXPECT_EQ(bits, nullptr);
    }
}

TEST(DibBits, GetAndSetConvertBetweenFormats) {
    // A 3x2 32-bit bitmap read out as a bottom-up 24-bit DIB and written back through SetDIBits.
    GdiTestCanvas canvas(3, 2);
    SetPixel(canvas.Dc(), 0, 0, RGB(1, 2, 3));
    SetPixel(canvas.Dc(), 2, 1, RGB(4, 5, 6));
    BITMAPINFO info{};
    ASSERT_EQ(GetDIBits(canvas.Dc(), canvas.Bitmap(), 0, 2, nullptr, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(info.bmiHeader.biWidth, 3);
    EXPECT_EQ(info.bmiHeader.biHeight, 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    info.bmiHeader.biBitCount = 24;
    std::vector<std::uint8_t> rows(2 * 12, 0xEE);
    ASSERT_EQ(GetDIBits(canvas.Dc(), canvas.Bitmap(), 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
    // Bottom-up: the first row in memory is y = 1, whose last pixel is (4, 5, 6).
    EXPECT_EQ(rows[6], 6);
    EXPECT_EQ(rows[7], 5);
    EXPECT_EQ(rows[8], 4);
    EXPECT_EQ(rows[12], 3);
    EXPECT_EQ(rows[13], 2);
    EXPECT_EQ(rows[14], 1);

    rows[12] = 0x33; // blue of (0, 0)
    canvas.Clear(kBlack);
    ASSERT_EQ(SetDIBits(canvas.Dc(), canvas.Bitmap(), 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(1, 2, 0x33));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 1), RGB(4, 5, 6));
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 1), RGB(255, 255, 255)) << "untouched pixels were white";

    // Only part of the scan lines: scan 1 of a bottom-up DIB is the top row.
    canvas.Clear(kBlack);
    ASSERT_EQ(
        SetDIBits(canvas.Dc(), canvas.Bitmap(), 1, 1, rows.data() + 12, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(1, 2, 0x33));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 1), kBlack);
}

TEST(DibSection, PaletteBitmapsStoreNearestColours) {
    std::vector<std::uint8_t> block(sizeof(BITMAPINFOHEADER) + 4 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    *info = BITMAPINFO{};
    info->bmiHeader.biWidth = 4;
    info->bmiHeader.biHeight = -1;
    info->bmiHeader.biBitCount = 4;
    info->bmiHeader.biClrUsed = 4;
    const RGBQUAD palette[4] = {
        { 0, 0, 0, 0 }, { 0, 0, 255, 0 }, { 255, 0, 0, 0 }, { 255, 255, 255, 0 }
    };
    std::memcpy(info->bmiColors, palette, sizeof palette);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, RGB(250, 10, 10)); // nearest: red, index 1
    SetPixel(dc, 3, 0, RGB(0, 0, 200));   // nearest: blue, index 2
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    EXPECT_EQ(bytes[0], 0x10);
    EXPECT_EQ(bytes[1], 0x02);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    // Writing the palette index directly is seen by the next drawing call.
    static_cast<std::uint8_t*>(bits)[0] = 0x33;
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(Palettes, EntriesComeBackAsGiven) {
    std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY));
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 3;
    PALETTEENTRY* e = lp->palPalEntry;
    e[0] = { 1, 2, 3, 0 };
    e[1] = { 4, 5, 6, 0 };
    e[2] = { 7, 8, 9, 0 };
    HPALETTE palette = CreatePalette(lp);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(GetObjectType(palette), OBJ_PAL);
    WORD count = 0;
    EXPECT_EQ(GetObject(palette, sizeof count, &count), int(sizeof count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 3u);
    PALETTEENTRY out[4]{};
    EXPECT_EQ(GetPaletteEntries(palette, 1, 4, out), 2u) << "only existing entries are copied";
    EXPECT_EQ(out[0].peRed, 4);
    EXPECT_EQ(out[1].peBlue, 9);
    EXPECT_TRUE(DeleteObject(palette));
    lp->palNumEntries = 0;
    EXPECT_EQ(CreatePalette(lp), nullptr);
}

TEST(DibSection, SixteenBitLayouts) {
    struct Case {
        DWORD compression;
        DWORD red, green, blue;
        std::uint16_t expected; // RGB(255, 128, 8) as stored
    };
    const Case cases[] = {
        { BI_RGB, 0, 0, 0, (31 << 10) | (16 << 5) | 1 },
        { BI_BITFIELDS, 0x7C00, 0x03E0, 0x001F, (31 << 10) | (16 << 5) | 1 },
        { BI_BITFIELDS, 0xF800, 0x07E0, 0x001F, (31 << 11) | (32 << 5) | 1 },
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> block(sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD));
        auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
        info->bmiHeader = BITMAPINFOHEADER{};
        info->bmiHeader.biWidth = 2;
        info->bmiHeader.biHeight = -1;
        info->bmiHeader.biBitCount = 16;
        info->bmiHeader.biCompression = c.compression;
        const DWORD masks[3] = { c.red, c.green, c.blue };
        std::memcpy(info->bmiColors, masks, sizeof masks);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr) << c.green;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SetPixel(dc, 1, 0, RGB(255, 128, 8));
        std::uint16_t stored;
        std::memcpy(&stored, static_cast<std::uint8_t*>(bits) + 2, 2);
        EXPECT_EQ(stored, c.expected) << c.green;
        EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, c.green == 0x07E0 ? 130 : 132, 8)) << c.green;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    // Masks this layer does not know are refused.
    std::vector<std::uint8_t> block(sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD));
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    info->bmiHeader = BITMAPINFOHEADER{};
    info->bmiHeader.biWidth = 2;
    info->bmiHeader.biHeight = 1;
    info->bmiHeader.biBitCount = 16;
    info->bmiHeader.biCompression = BI_BITFIELDS;
    const DWORD odd[3] = { 0x000F, 0x00F0, 0x0F00 };
    std::memcpy(info->bmiColors, odd, sizeof odd);
    EXPECT_EQ(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

TEST(DibSection, SinglePixelsOfPackedFormatsStayInPlace) {
    // Pixel loops (TCanvas.Pixels) on palette and 24-bit bitmaps go straight to the pixel.
    // SetPixel answers the colour stored: the nearest of the canvas's grey ramp.
    struct Case {
        int bits;
        COLORREF stored;
    };
    const Case cases[] = {
        { 1, kBlack }, { 4, RGB(17, 17, 17) }, { 8, RGB(10, 10, 10) }, { 24, RGB(10, 10, 10) }
    };
    for (const auto [bits, stored] : cases) {
        GdiTestCanvas c(9, 2, kWhite, bits);
        EXPECT_EQ(SetPixel(c.Dc(), 3, 1, kBlack), kBlack) << bits;
        EXPECT_EQ(SetPixel(c.Dc(), 8, 0, RGB(10, 10, 10)), stored) << bits;
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(GetPixel(c.Dc(), x, 1), x == 3 ? kBlack : kWhite) << bits << " x " << x;
    }
}
