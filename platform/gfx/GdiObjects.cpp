#include "platform/gfx/GdiObjects.h"

#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/BrushObject.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/DibFormat.h"
#include "platform/gfx/PaletteObject.h"
#include "platform/gfx/PenObject.h"
#include "platform/gfx/RegionObject.h"
#include "platform/rtl/Exception.h"

#include <array>
#include <cstring>
#include <mutex>

namespace win {

namespace {

constexpr int kStockCount = 18;
constexpr int kDefaultBitmap = kStockCount; // the 1x1 monochrome bitmap of new memory DCs

std::unique_ptr<GdiObject> MakeStock(int index) {
    const auto brush = [](UINT style, COLORREF colour) {
        return std::make_unique<BrushObject>(LOGBRUSH{ style, colour, 0 });
    };
    const auto pen = [](UINT style, COLORREF colour) {
        return std::make_unique<PenObject>(LOGPEN{ style, POINT{ 0, 0 }, colour });
    };
    switch (index) {
    case WHITE_BRUSH:
        return brush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return brush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return brush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return brush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return brush(BS_SOLID, 0);
    case NULL_BRUSH:
        return brush(BS_NULL, 0);
    case WHITE_PEN:
        return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN:
        return pen(PS_SOLID, 0);
    case NULL_PEN:
        return pen(PS_NULL, 0);
    case kDefaultBitmap:
        return std::make_unique<BitmapObject>(
            1, 1, 1, true, std::vector<RGBQUAD>{ { 0, 0, 0, 0 }, { 255, 255, 255, 0 } }, false);
    default:
        return nullptr;
    }
}

HGDIOBJ Stock(int index) {
    static std::mutex mutex;
    static std::array<HGDIOBJ, kStockCount + 1> objects{};
    if (index < 0 || index > kStockCount) return nullptr;
    std::lock_guard lock(mutex);
    HGDIOBJ& slot = objects[std::size_t(index)];
    if (slot) return slot;
    if (index >= OEM_FIXED_FONT && index < kStockCount) {
        slot = CreateStockFont(index);
        if (GdiObject* font = gdi::Lookup(slot)) font->MarkStock();
        return slot;
    }
    if (auto object = MakeStock(index)) {
        object->MarkStock();
        slot = gdi::Add(std::move(object));
    }
    return slot;
}

// Win32 reports failure as a null handle; object constructors throw on bad sizes.
template <class H, class Make>
H Create(Make make) {
    try {
        return gdi::AddAs<H>(make());
    } catch (const Exception&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HRGN NewRegion(gfx::Region region) {
    return gdi::AddAs<HRGN>(std::make_unique<RegionObject>(std::move(region)));
}

RegionObject* RegionOf(HRGN region) {
    return gdi::LookupAs<RegionObject>(region);
}

// Scan lines of a DIB are numbered from its first row in memory: the bottom row for a
// bottom-up DIB. Returns the row counted from the top.
int RowOfScan(const dib::Layout& layout, int scan) {
    return layout.TopDown ? scan : layout.Height - 1 - scan;
}

} // namespace

HGDIOBJ DefaultDcBitmap() {
    return Stock(kDefaultBitmap);
}

HGDIOBJ GetStockObject(int index) {
    if (index >= kStockCount) return nullptr;
    return Stock(index);
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* found = gdi::Lookup(object);
    if (!found || found->Kind() == OBJ_DC || found->Kind() == OBJ_MEMDC) return FALSE;
    if (found->IsStock()) return TRUE;
    // GDI refuses to free an object a DC still holds; freeing it would leave the DC dangling.
    if (found->SelectCount() > 0) return FALSE;
    return gdi::Remove(object) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ object, int size, void* buffer) {
    GdiObject* found = gdi::Lookup(object);
    if (!found || size < 0) return 0;
    return found->GetObjectInfo(size, buffer);
}

HPEN CreatePen(int style, int width, COLORREF color) {
    const LOGPEN pen{ UINT(style), POINT{ width < 0 ? 0 : width, 0 }, color };
    return CreatePenIndirect(&pen);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen || (pen->lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME) return nullptr;
    return Create<HPEN>([&] { return std::make_unique<PenObject>(*pen); });
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return Create<HBRUSH>([&] {
        return std::make_unique<BrushObject>(LOGBRUSH{ BS_SOLID, color, 0 });
    });
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    return Create<HBRUSH>([&] {
        return std::make_unique<BrushObject>(LOGBRUSH{ BS_HATCHED, color, ULONG_PTR(hatch) });
    });
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    BitmapObject* source = gdi::LookupAs<BitmapObject>(bitmap);
    if (!source) return nullptr;
    return Create<HBRUSH>([&] {
        gfx::Surface pattern;
        source->ReadPixels(pattern);
        const bool mono = source->BitCount() == 1 && !source->IsDibSection();
        return std::make_unique<BrushObject>(std::move(pattern), mono);
    });
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return nullptr;
    switch (brush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(brush->lbColor);
    case BS_NULL:
        return HBRUSH(GetStockObject(NULL_BRUSH));
    case BS_HATCHED:
        return CreateHatchBrush(int(brush->lbHatch), brush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    default:
        return nullptr;
    }
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > 256) return nullptr;
    std::vector<PALETTEENTRY> entries(palette->palPalEntry,
                                      palette->palPalEntry + palette->palNumEntries);
    return Create<HPALETTE>([&] { return std::make_unique<PaletteObject>(std::move(entries)); });
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    const PaletteObject* object = gdi::LookupAs<PaletteObject>(palette);
    if (!object) return 0;
    const auto& all = object->Entries();
    if (!entries) return UINT(all.size());
    UINT copied = 0;
    for (UINT i = start; i < all.size() && copied < count; ++i)
        entries[copied++] = all[i];
    return copied;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits) {
    if (width == 0 || height == 0) return HBITMAP(DefaultDcBitmap());
    if (width < 0 || height < 0 || planes > 1) return nullptr;
    const int storedBits = bitCount == 1 ? 1 : 32;
    return Create<HBITMAP>([&] {
        std::vector<RGBQUAD> mono;
        if (storedBits == 1) mono = { { 0, 0, 0, 0 }, { 255, 255, 255, 0 } };
        auto bitmap =
            std::make_unique<BitmapObject>(width, height, storedBits, true, std::move(mono), false);
        if (bits && (bitCount == 1 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
                     bitCount == 32)) {
            dib::Layout source = bitmap->Layout();
            source.BitCount = int(bitCount);
            source.RowBytes = (width * int(bitCount) + 15) / 16 * 2;
            if (bitCount == 8) source.Palette = std::vector<RGBQUAD>(256);
            gfx::Surface pixels(width, height);
            const auto* bytes = static_cast<const BYTE*>(bits);
            for (int y = 0; y < height; ++y)
                dib::ReadRow(bytes + std::size_t(y) * std::size_t(source.RowBytes), source,
                             pixels.Row(y), width);
            bitmap->WritePixels(pixels);
        }
        return bitmap;
    });
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (width == 0 || height == 0) return HBITMAP(DefaultDcBitmap());
    // A memory DC that still holds its monochrome default bitmap makes monochrome bitmaps,
    // as in GDI.
    if (DeviceContext* context = DcFromHandle(dc)) {
        BitmapObject* selected = context->SelectedBitmap();
        if (context->IsMemoryDc() && selected && selected->BitCount() == 1)
            return CreateBitmap(width, height, 1, 1, nullptr);
    }
    return CreateBitmap(width, height, 1, 32, nullptr);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT, void** bits, void* section, DWORD) {
    if (bits) *bits = nullptr;
    const auto layout = dib::Parse(info);
    if (!layout || section) return nullptr;
    HBITMAP handle = Create<HBITMAP>([&] {
        return std::make_unique<BitmapObject>(layout->Width, layout->Height, layout->BitCount,
                                              layout->TopDown, layout->Palette, true,
                                              layout->Green6);
    });
    if (handle && bits) *bits = gdi::LookupAs<BitmapObject>(handle)->Bits();
    return handle;
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT) {
    BitmapObject* source = gdi::LookupAs<BitmapObject>(bitmap);
    if (!source || !info) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits) {
        h.biWidth = source->Width();
        h.biHeight = source->Height(); // positive: bottom-up, as GDI reports
        h.biPlanes = 1;
        if (h.biBitCount == 0) h.biBitCount = WORD(source->BitCount());
        h.biCompression = BI_RGB;
        h.biSizeImage = DWORD(dib::RowBytesFor(source->Width(), h.biBitCount) * source->Height());
        return source->Height();
    }
    auto layout = dib::Parse(info);
    if (!layout) return 0;
    if (layout->BitCount <= 8) {
        if (source->BitCount() == layout->BitCount)
            layout->Palette = source->Palette();
        else if (layout->BitCount == 1)
            layout->Palette = { { 0, 0, 0, 0 }, { 255, 255, 255, 0 } };
        std::memcpy(info->bmiColors, layout->Palette.data(),
                    layout->Palette.size() * sizeof(RGBQUAD));
    }
    gfx::Surface pixels;
    source->ReadPixels(pixels);
    const int width = std::min(layout->Width, source->Width());
    int copied = 0;
    auto* out = static_cast<BYTE*>(bits);
    for (UINT scan = start; scan < start + lines && int(scan) < layout->Height; ++scan) {
        const int y = RowOfScan(*layout, int(scan));
        if (y < 0 || y >= source->Height()) continue;
        dib::WriteRow(pixels.Row(y), width, *layout,
                      out + std::size_t(scan - start) * std::size_t(layout->RowBytes));
        ++copied;
    }
    return copied;
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT) {
    BitmapObject* target = gdi::LookupAs<BitmapObject>(bitmap);
    const auto layout = dib::Parse(info);
    if (!target || !layout || !bits) return 0;
    gfx::Surface pixels;
    target->ReadPixels(pixels);
    const int width = std::min(layout->Width, target->Width());
    const auto* in = static_cast<const BYTE*>(bits);
    int copied = 0;
    for (UINT scan = start; scan < start + lines && int(scan) < layout->Height; ++scan) {
        const int y = RowOfScan(*layout, int(scan));
        if (y < 0 || y >= target->Height()) continue;
        dib::ReadRow(in + std::size_t(scan - start) * std::size_t(layout->RowBytes), *layout,
                     pixels.Row(y), width);
        ++copied;
    }
    target->WritePixels(pixels);
    return copied;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* size) {
    if (!gdi::LookupAs<BitmapObject>(bitmap) || !size) return FALSE;
    *size = SIZE{}; // nothing sets a physical dimension here
    return TRUE;
}

// ---- Regions ------------------------------------------------------------------------------

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    RECT r{ std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom) };
    return NewRegion(gfx::Region(r));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    return NewRegion(
        gfx::Region::RoundRect(RECT{ left, top, right, bottom }, ellipseWidth, ellipseHeight));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return NewRegion(gfx::Region::Ellipse(RECT{ left, top, right, bottom }));
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 0) return nullptr;
    return NewRegion(
        gfx::Region::Polygon(std::vector<POINT>(points, points + count), fillMode == WINDING));
}

HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data) {
    // Transforms are not supported; no caller passes one.
    if (transform || !data || size < sizeof(RGNDATAHEADER)) return nullptr;
    const DWORD count = data->rdh.nCount;
    if (count > (size - sizeof(RGNDATAHEADER)) / sizeof(RECT)) return nullptr;
    std::vector<RECT> rects(count);
    if (count > 0) std::memcpy(rects.data(), data->Buffer, count * sizeof(RECT));
    return NewRegion(gfx::Region::FromRects(rects));
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
    RegionObject* object = RegionOf(region);
    if (!object) return 0;
    const auto& rects = object->Region().Rects();
    const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (!data) return needed;
    if (size < needed) return 0;
    data->rdh = RGNDATAHEADER{};
    data->rdh.nCount = DWORD(rects.size());
    data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    data->rdh.rcBound = object->Region().Bounds();
    if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return needed;
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    RegionObject* target = RegionOf(dest);
    RegionObject* first = RegionOf(a);
    if (!target || !first || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        target->Region() = first->Region();
        return target->Region().Complexity();
    }
    RegionObject* second = RegionOf(b);
    if (!second) return ERROR;
    static constexpr gfx::Region::Op kOps[] = { gfx::Region::Op::And, gfx::Region::Op::Or,
                                                gfx::Region::Op::Xor, gfx::Region::Op::Diff };
    target->Region() = gfx::Region::Combine(first->Region(), second->Region(), kOps[mode - 1]);
    return target->Region().Complexity();
}

int OffsetRgn(HRGN region, int dx, int dy) {
    RegionObject* object = RegionOf(region);
    if (!object) return ERROR;
    object->Region().Offset(dx, dy);
    return object->Region().Complexity();
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    RegionObject* object = RegionOf(region);
    if (!object) return FALSE;
    object->Region() = gfx::Region(RECT{ std::min(left, right), std::min(top, bottom),
                                         std::max(left, right), std::max(top, bottom) });
    return TRUE;
}

BOOL PtInRegion(HRGN region, int x, int y) {
    RegionObject* object = RegionOf(region);
    return object && object->Region().Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    RegionObject* object = RegionOf(region);
    return object && rect && object->Region().Intersects(*rect) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* rect) {
    RegionObject* object = RegionOf(region);
    if (!object || !rect) return ERROR;
    *rect = object->Region().Bounds();
    return object->Region().Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
    RegionObject* first = RegionOf(a);
    RegionObject* second = RegionOf(b);
    return first && second && first->Region() == second->Region() ? TRUE : FALSE;
}

} // namespace win
