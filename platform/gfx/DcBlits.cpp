#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/BlitRows.h"
#include "platform/gfx/DcPaint.h"
#include "platform/gfx/DibFormat.h"

#include <algorithm>
#include <cstring>
#include <variant>

// PatBlt, BitBlt, StretchBlt, StretchDIBits, SetDIBitsToDevice, TransparentBlt and AlphaBlend.
namespace win {

namespace {

struct RopOp {
    unsigned Index; // the ROP code's operation byte
};
struct KeyOp {
    gfx::Pixel Key; // colour bits of the transparent colour
};
struct BlendOp {
    BLENDFUNCTION Blend;
};
using Op = std::variant<RopOp, KeyOp, BlendOp>;

unsigned RopIndex(DWORD rop) {
    return (rop >> 16) & 0xFF;
}
bool UsesSource(unsigned index) {
    return ((index >> 2) & 0x33) != (index & 0x33);
}
bool UsesPattern(unsigned index) {
    return ((index >> 4) & 0x0F) != (index & 0x0F);
}

// One row of a raster operation; `src` is null when the operation has no source.
void RopRow(gfx::Pixel* d, const gfx::Pixel* s, int n, unsigned index, const raster::Paint& pattern,
            int x, int y) {
    switch (index) {
    case 0xCC: // SRCCOPY
        std::memmove(d, s, std::size_t(n) * sizeof(gfx::Pixel));
        return;
    case 0x88: // SRCAND
        gfx::rows::And(d, s, n);
        return;
    case 0xEE: // SRCPAINT
        gfx::rows::Or(d, s, n);
        return;
    case 0x66: // SRCINVERT
        gfx::rows::Xor(d, s, n);
        return;
    case 0x44: // SRCERASE
        gfx::rows::AndNotDest(d, s, n);
        return;
    case 0x33: // NOTSRCCOPY
        gfx::rows::NotSource(d, s, n);
        return;
    case 0x11: // NOTSRCERASE
        gfx::rows::NotOr(d, s, n);
        return;
    case 0xBB: // MERGEPAINT
        gfx::rows::NotSourceOrDest(d, s, n);
        return;
    case 0x55: // DSTINVERT
        gfx::rows::NotDest(d, n);
        return;
    case 0x00: // BLACKNESS: a colour fill, alpha 0
        std::fill(d, d + n, gfx::Pixel(0));
        return;
    case 0xFF: // WHITENESS: a colour fill, alpha 0
        std::fill(d, d + n, gfx::Pixel(0x00FFFFFF));
        return;
    default:
        break;
    }
    if (pattern.Type == raster::Paint::Kind::Solid || !UsesPattern(index)) {
        const gfx::Pixel p = pattern.Colour;
        switch (index) {
        case 0xF0: // PATCOPY
            std::fill(d, d + n, p);
            return;
        case 0x5A: // PATINVERT
            gfx::rows::XorValue(d, p, n);
            return;
        case 0xC0: // MERGECOPY
            for (int i = 0; i < n; ++i)
                d[i] = p & s[i];
            return;
        default:
            for (int i = 0; i < n; ++i)
                d[i] = raster::ApplyRop3(index, p, s ? s[i] : 0, d[i]);
            return;
        }
    }
    gfx::Pixel p = 0;
    for (int i = 0; i < n; ++i) {
        if (!pattern.At(x + i, y, p)) p = pattern.Back;
        d[i] = raster::ApplyRop3(index, p, s ? s[i] : 0, d[i]);
    }
}

void ApplyRow(const Op& op, gfx::Pixel* d, const gfx::Pixel* s, int n, const raster::Paint& pattern,
              int x, int y) {
    if (const auto* rop = std::get_if<RopOp>(&op))
        RopRow(d, s, n, rop->Index, pattern, x, y);
    else if (const auto* key = std::get_if<KeyOp>(&op))
        gfx::rows::KeyCopy(d, s, n, key->Key);
    else if (const BLENDFUNCTION& blend = std::get<BlendOp>(op).Blend;
             blend.AlphaFormat & AC_SRC_ALPHA)
        gfx::rows::Over(d, s, n, blend.SourceConstantAlpha);
    else
        gfx::rows::Mix(d, s, n, blend.SourceConstantAlpha);
}

// Copies a whole area in one move when the rows of both surfaces are full width and lie one
// after the other in memory in the same order: a full-surface copy then runs at memcpy speed
// instead of row by row.
bool CopyBlock(gfx::Surface& target, const gfx::Surface& src, const RECT& r, int dx, int dy) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (height < 2 || width != target.Width() || width != src.Width() || r.left != 0 || dx != 0 ||
        target.Order() != src.Order())
        return false;
    const bool topDown = target.Order() == gfx::Surface::RowOrder::TopDown;
    const int firstInMemory = topDown ? r.top : r.bottom - 1;
    std::memmove(target.Row(firstInMemory), src.Row(firstInMemory + dy),
                 std::size_t(width) * std::size_t(height) * sizeof(gfx::Pixel));
    return true;
}

// A source prepared for a blit: converted where GDI converts, and never the destination's
// own storage (a blit within one bitmap reads a copy).
struct Source {
    gfx::Surface Scratch;
    const gfx::Surface* Pixels{ nullptr };
    POINT Offset; // where Pixels' (0, 0) lies in the source's surface coordinates
};

bool IsMonochromeDevice(const DeviceContext& dc) {
    const BitmapObject* bitmap = dc.IsMemoryDc() ? dc.SelectedBitmap() : nullptr;
    return bitmap && bitmap->BitCount() == 1 && !bitmap->IsDibSection();
}

void PrepareSource(Source& source, DeviceContext& src, DeviceContext& dst, gfx::Surface* target,
                   const RECT& area) {
    source.Pixels = src.SourcePixels(source.Scratch, area, source.Offset);
    if (!source.Pixels) return;
    const bool srcMono = IsMonochromeDevice(src);
    const bool dstMono = IsMonochromeDevice(dst);
    const bool alias = source.Pixels == target;
    if (!alias && srcMono == dstMono) return;
    if (source.Pixels != &source.Scratch) source.Scratch = *source.Pixels;
    source.Pixels = &source.Scratch;
    if (srcMono && !dstMono) {
        // Monochrome to colour: 0 bits take the text colour, 1 bits the background colour.
        const gfx::Pixel fore = raster::ColourPixel(dst.CurrentState().TextColor);
        const gfx::Pixel back = raster::ColourPixel(dst.CurrentState().BkColor);
        for (int y = 0; y < source.Scratch.Height(); ++y)
            for (gfx::Pixel* p = source.Scratch.Row(y);
                 p != source.Scratch.Row(y) + source.Scratch.Width(); ++p)
                *p = (*p & 0x00FFFFFF) == 0 ? fore : back;
    } else if (dstMono && !srcMono) {
        // Colour to monochrome: the source's background colour becomes white, all else black.
        const gfx::Pixel key = raster::ColourPixel(src.CurrentState().BkColor);
        for (int y = 0; y < source.Scratch.Height(); ++y)
            for (gfx::Pixel* p = source.Scratch.Row(y);
                 p != source.Scratch.Row(y) + source.Scratch.Width(); ++p)
                *p = (*p & 0x00FFFFFF) == key ? 0x00FFFFFF : 0;
    }
}

// Maps destination offsets first..last-1 (of `count`) onto source positions
// start..start+size-1, mirrored when `mirror`; positions outside 0..limit-1 become -1.
std::vector<int> NearestMap(int first, int last, std::int64_t count, int start, std::int64_t size,
                            bool mirror, int limit) {
    std::vector<int> map(static_cast<std::size_t>(last - first));
    for (int i = first; i < last; ++i) {
        std::int64_t offset = (2 * std::int64_t(i) + 1) * size / (2 * count);
        if (mirror) offset = size - 1 - offset;
        const std::int64_t position = start + offset;
        map[std::size_t(i - first)] = position >= 0 && position < limit ? int(position) : -1;
    }
    return map;
}

// The source pixels of one destination row when shrinking in HALFTONE mode: the average of
// the source box each destination pixel covers.
void AverageRow(const gfx::Surface& src, int first, int last, std::int64_t dstWidth, int sx,
                std::int64_t sw, bool mirrorX, std::int64_t sy0, std::int64_t sy1, gfx::Pixel* out,
                std::vector<std::uint8_t>& valid) {
    for (int i = first; i < last; ++i) {
        std::int64_t x0 = std::int64_t(i) * sw / dstWidth;
        std::int64_t x1 = std::max(x0 + 1, std::int64_t(i + 1) * sw / dstWidth);
        if (mirrorX) {
            const std::int64_t m0 = sw - x1, m1 = sw - x0;
            x0 = m0;
            x1 = m1;
        }
        std::uint32_t sum[4] = { 0, 0, 0, 0 };
        std::uint32_t count = 0;
        const std::int64_t rowFrom = std::max<std::int64_t>(sy0, 0);
        const std::int64_t rowTo = std::min<std::int64_t>(sy1, src.Height());
        const std::int64_t colFrom = std::max<std::int64_t>(sx + x0, 0);
        const std::int64_t colTo = std::min<std::int64_t>(sx + x1, src.Width());
        for (std::int64_t y = rowFrom; y < rowTo; ++y) {
            const gfx::Pixel* row = src.Row(int(y));
            for (std::int64_t x = colFrom; x < colTo; ++x) {
                const gfx::Pixel p = row[x];
                sum[0] += p & 0xFF;
                sum[1] += (p >> 8) & 0xFF;
                sum[2] += (p >> 16) & 0xFF;
                sum[3] += p >> 24;
                ++count;
            }
        }
        const std::size_t at = std::size_t(i - first);
        valid[at] = count > 0;
        if (count == 0) continue;
        const auto avg = [count](std::uint32_t v) { return (v + count / 2) / count; };
        out[at] = avg(sum[0]) | (avg(sum[1]) << 8) | (avg(sum[2]) << 16) | (avg(sum[3]) << 24);
    }
}

// The common body of every blit. Destination and source rectangles are in surface
// coordinates; negative sizes mirror.
void Transfer(DeviceContext& dst, gfx::Surface& target, int dx, int dy, int dw, int dh,
              const gfx::Surface* src, int sx, int sy, int sw, int sh, const Op& op,
              bool halftone) {
    // Sizes are limited by Blit, so these sums stay far inside 64 bits; the rectangle is cut to
    // int range before use.
    const std::int64_t x0 = std::min<std::int64_t>(dx, std::int64_t(dx) + dw);
    const std::int64_t y0 = std::min<std::int64_t>(dy, std::int64_t(dy) + dh);
    const std::int64_t width = std::abs(std::int64_t(dw));
    const std::int64_t height = std::abs(std::int64_t(dh));
    if (width == 0 || height == 0 || x0 + width <= INT32_MIN || y0 + height <= INT32_MIN ||
        x0 >= INT32_MAX || y0 >= INT32_MAX)
        return;
    if (x0 < INT32_MIN || y0 < INT32_MIN || x0 + width > INT32_MAX || y0 + height > INT32_MAX)
        return; // a rectangle reaching past int range cannot be addressed; nothing visible is lost
    const RECT destRect{ int(x0), int(y0), int(x0 + width), int(y0 + height) };
    const raster::Paint pattern = BrushPaint(dst, dst.SelectedBrush(), R2_COPYPEN);
    const gfx::Region& clip = dst.Clip();
    dst.AddDrawn(destRect);
    if (!src) {
        for (const RECT& c : clip.Rects()) {
            RECT r;
            if (!IntersectRect(&r, &c, &destRect)) continue;
            for (int y = r.top; y < r.bottom; ++y)
                ApplyRow(op, target.Row(y) + r.left, nullptr, r.right - r.left, pattern, r.left, y);
        }
        return;
    }
    const bool mirrorX = (dw < 0) != (sw < 0);
    const bool mirrorY = (dh < 0) != (sh < 0);
    const std::int64_t srcLeft64 = std::min<std::int64_t>(sx, std::int64_t(sx) + sw);
    const std::int64_t srcTop64 = std::min<std::int64_t>(sy, std::int64_t(sy) + sh);
    // A source area reaching past int range lies wholly outside any surface.
    if (srcLeft64 < INT32_MIN || srcTop64 < INT32_MIN || srcLeft64 + std::abs(sw) > INT32_MAX ||
        srcTop64 + std::abs(sh) > INT32_MAX)
        return;
    const int srcLeft = int(srcLeft64);
    const int srcTop = int(srcTop64);
    const int srcWidth = std::abs(sw);
    const int srcHeight = std::abs(sh);
    const bool sameSize = srcWidth == width && srcHeight == height && !mirrorX && !mirrorY;
    if (sameSize) {
        // The fast path: straight rows, clipped to the source's bounds as well.
        RECT sourceInDest{ destRect.left - srcLeft, destRect.top - srcTop,
                           destRect.left - srcLeft + src->Width(),
                           destRect.top - srcTop + src->Height() };
        RECT area;
        if (!IntersectRect(&area, &destRect, &sourceInDest)) return;
        const auto* rop = std::get_if<RopOp>(&op);
        const bool plainCopy = rop && rop->Index == 0xCC;
        for (const RECT& c : clip.Rects()) {
            RECT r;
            if (!IntersectRect(&r, &c, &area)) continue;
            if (plainCopy &&
                CopyBlock(target, *src, r, srcLeft - destRect.left, srcTop - destRect.top))
                continue;
            for (int y = r.top; y < r.bottom; ++y) {
                const gfx::Pixel* s =
                    src->Row(y - destRect.top + srcTop) + (r.left - destRect.left + srcLeft);
                ApplyRow(op, target.Row(y) + r.left, s, r.right - r.left, pattern, r.left, y);
            }
        }
        return;
    }
    // Only the part of the destination the clip lets through is mapped: a huge stretch costs
    // what its visible part costs.
    const RECT clipBox = clip.Bounds();
    RECT visible;
    if (!IntersectRect(&visible, &destRect, &clipBox)) return;
    const int first = visible.left - destRect.left;
    const int last = visible.right - destRect.left;
    const bool shrinking = halftone && (srcWidth > width || srcHeight > height);
    const std::vector<int> cols =
        NearestMap(first, last, width, srcLeft, srcWidth, mirrorX, src->Width());
    std::vector<gfx::Pixel> line(static_cast<std::size_t>(last - first));
    std::vector<std::uint8_t> valid(static_cast<std::size_t>(last - first));
    // With every column inside the source, nearest rows need no per-pixel validity.
    const bool allColumns = std::find(cols.begin(), cols.end(), -1) == cols.end();
    for (const RECT& c : clip.Rects()) {
        RECT r;
        if (!IntersectRect(&r, &c, &visible)) continue;
        for (int y = r.top; y < r.bottom; ++y) {
            const std::int64_t i = y - destRect.top;
            if (shrinking) {
                std::int64_t y0 = i * srcHeight / height;
                std::int64_t y1 = std::max(y0 + 1, (i + 1) * srcHeight / height);
                if (mirrorY) {
                    const std::int64_t m0 = srcHeight - y1, m1 = srcHeight - y0;
                    y0 = m0;
                    y1 = m1;
                }
                AverageRow(*src, first, last, width, srcLeft, srcWidth, mirrorX, srcTop + y0,
                           srcTop + y1, line.data(), valid);
            } else {
                std::int64_t offset = (2 * i + 1) * srcHeight / (2 * std::int64_t(height));
                if (mirrorY) offset = srcHeight - 1 - offset;
                const std::int64_t sourceRow = srcTop + offset;
                if (sourceRow < 0 || sourceRow >= src->Height()) continue;
                const gfx::Pixel* s = src->Row(int(sourceRow));
                if (allColumns) {
                    const int from = r.left - visible.left;
                    const int count = r.right - r.left;
                    for (int x = 0; x < count; ++x)
                        line[std::size_t(x)] = s[cols[std::size_t(from + x)]];
                    ApplyRow(op, target.Row(y) + r.left, line.data(), count, pattern, r.left, y);
                    continue;
                }
                for (std::size_t x = 0; x < cols.size(); ++x) {
                    valid[x] = cols[x] >= 0;
                    line[x] = cols[x] >= 0 ? s[cols[x]] : 0;
                }
            }
            // Runs of valid source pixels, so pixels mapped outside the source are left alone.
            int x = r.left;
            while (x < r.right) {
                while (x < r.right && !valid[std::size_t(x - visible.left)])
                    ++x;
                const int start = x;
                while (x < r.right && valid[std::size_t(x - visible.left)])
                    ++x;
                if (x > start)
                    ApplyRow(op, target.Row(y) + start, line.data() + (start - visible.left),
                             x - start, pattern, start, y);
            }
        }
    }
}

// Sizes beyond any surface are refused before any arithmetic on them.
bool SizesFit(std::initializer_list<std::int64_t> sizes) {
    constexpr std::int64_t kMaxSize = std::int64_t(1) << 28;
    for (const std::int64_t size : sizes)
        if (size > kMaxSize || size < -kMaxSize) return false;
    return true;
}

// Resolves both DCs, prepares the source and runs the transfer in logical coordinates.
BOOL Blit(HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
          const Op& op, bool needsSource) {
    if (!SizesFit({ w, h, sw, sh })) return FALSE;
    DeviceContext* dst = DcFromHandle(dest);
    if (!dst) return FALSE;
    DeviceContext* src = needsSource ? DcFromHandle(source) : nullptr;
    if (needsSource && !src) return FALSE;
    Source prepared;
    DeviceContext::DrawScope scope(*dst);
    gfx::Surface* target = scope.Target();
    if (!target) return TRUE;
    const POINT d = dst->LogicalToSurface(POINT{ x, y });
    POINT s = src ? src->LogicalToSurface(POINT{ sx, sy }) : POINT{};
    if (src) {
        const auto clamp = [](std::int64_t v) {
            return int(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
        };
        const std::int64_t ax = s.x, ay = s.y;
        const RECT area{ clamp(std::min(ax, ax + sw)), clamp(std::min(ay, ay + sh)),
                         clamp(std::max(ax, ax + sw)), clamp(std::max(ay, ay + sh)) };
        PrepareSource(prepared, *src, *dst, target, area);
        if (!prepared.Pixels) return FALSE;
        s.x -= prepared.Offset.x;
        s.y -= prepared.Offset.y;
    }
    Transfer(*dst, *target, d.x, d.y, w, h, prepared.Pixels, s.x, s.y, sw, sh, op,
             dst->CurrentState().StretchMode == HALFTONE);
    return TRUE;
}

// A DIB as a top-down 32-bit surface.
bool DibPixels(const void* bits, const BITMAPINFO* info, gfx::Surface& out, dib::Layout& layout) {
    auto parsed = dib::Parse(info);
    if (!parsed || !bits) return false;
    layout = *parsed;
    out = gfx::Surface(layout.Width, layout.Height);
    const auto* bytes = static_cast<const BYTE*>(bits);
    for (int row = 0; row < layout.Height; ++row) {
        const int y = layout.TopDown ? row : layout.Height - 1 - row;
        dib::ReadRow(bytes + std::size_t(row) * std::size_t(layout.RowBytes), layout, out.Row(y),
                     layout.Width);
    }
    return true;
}

} // namespace

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    const unsigned index = RopIndex(rop);
    if (UsesSource(index)) return FALSE;
    return Blit(dc, x, y, width, height, nullptr, 0, 0, width, height, RopOp{ index }, false);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    const unsigned index = RopIndex(rop);
    return Blit(dest, x, y, width, height, source, sourceX, sourceY, width, height, RopOp{ index },
                UsesSource(index));
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    const unsigned index = RopIndex(rop);
    return Blit(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                RopOp{ index }, UsesSource(index));
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return FALSE;
    return Blit(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                KeyOp{ raster::ColourPixel(transparent) }, true);
}

BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    // GDI refuses mirroring and source areas outside the source.
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0 ||
        blend.BlendOp != AC_SRC_OVER)
        return FALSE;
    DeviceContext* src = DcFromHandle(source);
    if (!src) return FALSE;
    RECT bounds;
    if (src->IsMemoryDc()) {
        const BitmapObject* bitmap = src->SelectedBitmap();
        bounds = bitmap ? RECT{ 0, 0, bitmap->Width(), bitmap->Height() } : RECT{};
    } else {
        bounds = src->TargetBounds();
    }
    const POINT s = src->LogicalToSurface(POINT{ sourceX, sourceY });
    if (s.x < bounds.left || s.y < bounds.top || s.x + sourceWidth > bounds.right ||
        s.y + sourceHeight > bounds.bottom)
        return FALSE;
    return Blit(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                BlendOp{ blend }, true);
}

BOOL GdiAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    return AlphaBlend(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                      sourceHeight, blend);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info, UINT,
                  DWORD rop) {
    DeviceContext* dst = DcFromHandle(dc);
    gfx::Surface pixels;
    dib::Layout layout;
    if (!dst || !SizesFit({ width, height, sourceWidth, sourceHeight }) ||
        !DibPixels(bits, info, pixels, layout))
        return 0;
    // A bottom-up DIB counts sourceY from its bottom row.
    const int top = layout.TopDown ? sourceY : layout.Height - sourceY - std::abs(sourceHeight);
    DeviceContext::DrawScope scope(*dst);
    gfx::Surface* target = scope.Target();
    if (!target) return std::abs(sourceHeight);
    const POINT d = dst->LogicalToSurface(POINT{ x, y });
    Transfer(*dst, *target, d.x, d.y, width, height, &pixels, sourceX,
             sourceHeight < 0 ? top + std::abs(sourceHeight) : top, sourceWidth, sourceHeight,
             RopOp{ RopIndex(rop) }, dst->CurrentState().StretchMode == HALFTONE);
    return std::abs(sourceHeight);
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT lines, const void* bits, const BITMAPINFO* info, UINT) {
    DeviceContext* dst = DcFromHandle(dc);
    auto parsed = dib::Parse(info);
    if (!dst || !parsed || !bits || !SizesFit({ width, height, sourceX, sourceY })) return 0;
    const dib::Layout& layout = *parsed;
    DeviceContext::DrawScope scope(*dst);
    gfx::Surface* target = scope.Target();
    if (!target) return int(lines);
    // `bits` holds scans startScan .. startScan + lines - 1; scans are numbered from the first
    // row in memory (the bottom one for a bottom-up DIB), and so is sourceY for a bottom-up DIB.
    const auto* bytes = static_cast<const BYTE*>(bits);
    const POINT origin = dst->LogicalToSurface(POINT{ x, y });
    const gfx::Region& clip = dst->Clip();
    std::vector<gfx::Pixel> row(static_cast<std::size_t>(layout.Width));
    const std::int64_t w = width, h = height, sx = sourceX, sy = sourceY;
    for (UINT i = 0; i < lines; ++i) {
        const std::int64_t scan = std::int64_t(startScan) + i;
        if (scan >= layout.Height) break;
        // Destination row offset of this scan inside the width x height area.
        const std::int64_t offset = layout.TopDown ? scan - sy : sy + h - 1 - scan;
        if (offset < 0 || offset >= h) continue;
        dib::ReadRow(bytes + std::size_t(i) * std::size_t(layout.RowBytes), layout, row.data(),
                     layout.Width);
        const std::int64_t dy = origin.y + offset;
        for (const RECT& c : clip.Rects()) {
            if (dy < c.top || dy >= c.bottom) continue;
            const std::int64_t left = std::max<std::int64_t>({ c.left, origin.x, origin.x - sx });
            const std::int64_t right =
                std::min<std::int64_t>({ c.right, origin.x + w, origin.x - sx + layout.Width });
            gfx::Pixel* out = target->Row(int(dy));
            for (std::int64_t dx = left; dx < right; ++dx)
                out[dx] = row[std::size_t(dx - origin.x + sx)];
        }
    }
    const auto clamp = [](std::int64_t v) {
        return int(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    dst->AddDrawn(RECT{ origin.x, origin.y, clamp(origin.x + std::int64_t(width)),
                        clamp(origin.y + std::int64_t(height)) });
    return int(lines);
}

} // namespace win
