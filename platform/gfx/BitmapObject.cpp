#include "platform/gfx/BitmapObject.h"

#include "platform/gfx/DibFormat.h"
#include "platform/rtl/Exception.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

constexpr std::size_t kMaxBytes = std::size_t(1) << 30;

std::vector<RGBQUAD> DefaultPalette(int bitCount) {
    const int count = 1 << bitCount;
    std::vector<RGBQUAD> palette(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const BYTE v = BYTE(i * 255 / (count - 1));
        palette[std::size_t(i)] = RGBQUAD{ v, v, v, 0 };
    }
    return palette;
}

} // namespace

BitmapObject::BitmapObject(int width, int height, int bitCount, bool topDown,
                           std::vector<RGBQUAD> palette, bool dibSection, bool green6)
    : GdiObject(OBJ_BITMAP), FWidth(width), FHeight(height), FBitCount(bitCount), FTopDown(topDown),
      FDibSection(dibSection), FGreen6(green6) {
    if (width <= 0 || height <= 0) throw Exception("Invalid bitmap size");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        throw Exception("Unsupported bitmap format");
    const std::size_t rowBytes = (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
    if (rowBytes > kMaxBytes || rowBytes * std::size_t(height) > kMaxBytes)
        throw Exception("Bitmap too large");
    FRowBytes = int(rowBytes);
    if (bitCount == 32) {
        FSurface = gfx::Surface(width, height, 0,
                                topDown ? gfx::Surface::RowOrder::TopDown
                                        : gfx::Surface::RowOrder::BottomUp);
    } else {
        FBytes.assign(rowBytes * std::size_t(height), 0);
        if (bitCount <= 8)
            SetPalette(palette.empty() ? DefaultPalette(bitCount) : std::move(palette));
    }
    UpdateLayout();
}

void BitmapObject::SetPalette(std::vector<RGBQUAD> palette) {
    if (FBitCount > 8) return;
    palette.resize(std::size_t(1) << FBitCount);
    FPalette = std::move(palette);
    UpdateLayout();
}

void* BitmapObject::Bits() {
    return FBitCount == 32 ? (void*)FSurface.Data() : FBytes.data();
}

BYTE* BitmapObject::ScanLine(int y) {
    return const_cast<BYTE*>(static_cast<const BitmapObject*>(this)->ScanLine(y));
}

const BYTE* BitmapObject::ScanLine(int y) const {
    if (FBitCount == 32) return reinterpret_cast<const BYTE*>(FSurface.Row(y));
    const int memoryRow = FTopDown ? y : FHeight - 1 - y;
    return FBytes.data() + std::size_t(memoryRow) * std::size_t(FRowBytes);
}

void BitmapObject::UpdateLayout() {
    FLayout.Width = FWidth;
    FLayout.Height = FHeight;
    FLayout.TopDown = FTopDown;
    FLayout.BitCount = FBitCount;
    FLayout.RowBytes = FRowBytes;
    FLayout.Palette = FPalette;
    FLayout.Green6 = FGreen6;
}

gfx::Pixel BitmapObject::PixelAt(int x, int y) const {
    if (FBitCount == 32) return FSurface.At(x, y);
    gfx::Pixel p = 0;
    const dib::Layout& layout = FLayout;
    if (FBitCount >= 8) {
        dib::ReadRow(ScanLine(y) + x * FBitCount / 8, layout, &p, 1);
        return p;
    }
    std::vector<gfx::Pixel> row(std::size_t(x) + 1);
    dib::ReadRow(ScanLine(y), layout, row.data(), x + 1);
    return row.back();
}

void BitmapObject::ReadPixels(gfx::Surface& out) const {
    if (out.Width() != FWidth || out.Height() != FHeight ||
        out.Order() != gfx::Surface::RowOrder::TopDown)
        out = gfx::Surface(FWidth, FHeight);
    const dib::Layout& layout = FLayout;
    for (int y = 0; y < FHeight; ++y)
        dib::ReadRow(ScanLine(y), layout, out.Row(y), FWidth);
}

void BitmapObject::SetPixelAt(int x, int y, gfx::Pixel p) {
    if (FBitCount == 32) {
        FSurface.Set(x, y, p);
        return;
    }
    if (FBitCount >= 8) {
        dib::WriteRow(&p, 1, FLayout, ScanLine(y) + x * (FBitCount / 8));
        return;
    }
    std::vector<gfx::Pixel> row(static_cast<std::size_t>(FWidth));
    dib::ReadRow(ScanLine(y), FLayout, row.data(), FWidth);
    row[std::size_t(x)] = p;
    dib::WriteRow(row.data(), FWidth, FLayout, ScanLine(y));
}

void BitmapObject::ReadArea(gfx::Surface& out, const RECT& area) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    out = gfx::Surface(width, height);
    const dib::Layout& layout = FLayout;
    if (FBitCount >= 8) {
        const int bytes = FBitCount / 8;
        for (int y = 0; y < height; ++y)
            dib::ReadRow(ScanLine(area.top + y) + area.left * bytes, layout, out.Row(y), width);
        return;
    }
    std::vector<gfx::Pixel> row(static_cast<std::size_t>(area.right));
    for (int y = 0; y < height; ++y) {
        dib::ReadRow(ScanLine(area.top + y), layout, row.data(), area.right);
        std::copy(row.begin() + area.left, row.end(), out.Row(y));
    }
}

void BitmapObject::WritePixels(const gfx::Surface& in) {
    const int width = std::min(FWidth, in.Width());
    const int height = std::min(FHeight, in.Height());
    const dib::Layout& layout = FLayout;
    for (int y = 0; y < height; ++y)
        dib::WriteRow(in.Row(y), width, layout, ScanLine(y));
}

int BitmapObject::GetObjectInfo(int size, void* buffer) const {
    BITMAP bm;
    bm.bmWidth = FWidth;
    bm.bmHeight = FHeight;
    // Device bitmaps report rows padded to 2 bytes, as GetBitmapBits lays them out.
    bm.bmWidthBytes = FDibSection ? FRowBytes : (FWidth * FBitCount + 15) / 16 * 2;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = WORD(FBitCount);
    bm.bmBits = FDibSection ? const_cast<BitmapObject*>(this)->Bits() : nullptr;
    if (FDibSection && (buffer == nullptr || size >= int(sizeof(DIBSECTION)))) {
        if (!buffer) return int(sizeof(DIBSECTION));
        DIBSECTION ds;
        ds.dsBm = bm;
        ds.dsBmih.biWidth = FWidth;
        ds.dsBmih.biHeight = FTopDown ? -FHeight : FHeight;
        ds.dsBmih.biBitCount = WORD(FBitCount);
        ds.dsBmih.biSizeImage = DWORD(FRowBytes * FHeight);
        ds.dsBmih.biClrUsed = FBitCount <= 8 ? DWORD(FPalette.size()) : 0;
        if (FBitCount == 16) {
            ds.dsBmih.biCompression = FGreen6 ? BI_BITFIELDS : BI_RGB;
            ds.dsBitfields[0] = FGreen6 ? 0xF800 : 0x7C00;
            ds.dsBitfields[1] = FGreen6 ? 0x07E0 : 0x03E0;
            ds.dsBitfields[2] = 0x001F;
        }
        std::memcpy(buffer, &ds, sizeof ds);
        return int(sizeof ds);
    }
    if (!buffer) return int(sizeof(BITMAP));
    if (size < int(sizeof(BITMAP))) return 0;
    std::memcpy(buffer, &bm, sizeof bm);
    return int(sizeof bm);
}

} // namespace win
