#include "platform/gfx/Raster.h"

#include <algorithm>
#include <cstdlib>

namespace win::raster {

namespace {

int Mod(int v, int m) {
    const int r = v % m;
    return r < 0 ? r + m : r;
}

bool HatchBit(int hatch, int x, int y) {
    const bool horizontal = (y & 7) == 7;
    const bool vertical = (x & 7) == 7;
    const bool forward = ((x - y) & 7) == 0;
    const bool backward = ((x + y) & 7) == 7;
    switch (hatch) {
    case HS_HORIZONTAL:
        return horizontal;
    case HS_VERTICAL:
        return vertical;
    case HS_FDIAGONAL:
        return forward;
    case HS_BDIAGONAL:
        return backward;
    case HS_CROSS:
        return horizontal || vertical;
    default:
        return forward || backward;
    }
}

void FillRow(gfx::Pixel* row, int y, int left, int right, const Paint& paint) {
    if (paint.Type == Paint::Kind::Solid) {
        const gfx::Pixel c = paint.Colour;
        if (paint.Rop2 == 13) {
            std::fill(row + left, row + right, c);
            return;
        }
        const int rop = paint.Rop2;
        for (int x = left; x < right; ++x)
            row[x] = ApplyRop2(rop, c, row[x]);
        return;
    }
    gfx::Pixel c;
    for (int x = left; x < right; ++x)
        if (paint.At(x, y, c)) row[x] = ApplyRop2(paint.Rop2, c, row[x]);
}

} // namespace

bool Paint::At(int x, int y, gfx::Pixel& out) const {
    switch (Type) {
    case Kind::None:
        return false;
    case Kind::Solid:
        out = Colour;
        return true;
    case Kind::Pattern: {
        if (!Pattern || Pattern->Empty()) return false;
        const gfx::Pixel p =
            Pattern->At(Mod(x - Origin.x, Pattern->Width()), Mod(y - Origin.y, Pattern->Height()));
        if (Monochrome)
            out = (p & 0x00FFFFFF) == 0 ? Fore : Back;
        else
            out = p;
        return true;
    }
    case Kind::Hatch:
        if (HatchBit(Hatch, x - Origin.x, y - Origin.y)) {
            out = Colour;
            return true;
        }
        if (!HatchOpaque) return false;
        out = Back;
        return true;
    }
    return false;
}

void FillRegion(gfx::Surface& surface, const gfx::Region& clip, const gfx::Region& shape,
                const Paint& paint) {
    if (!paint.Visible() || shape.Empty()) return;
    const gfx::Region area = gfx::Region::Combine(shape, clip, gfx::Region::Op::And);
    for (const RECT& r : area.Rects())
        for (int y = r.top; y < r.bottom; ++y)
            FillRow(surface.Row(y), y, r.left, r.right, paint);
}

void FillRect(gfx::Surface& surface, const gfx::Region& clip, const RECT& rect,
              const Paint& paint) {
    if (!paint.Visible() || IsRectEmpty(&rect)) return;
    for (const RECT& c : clip.Rects()) {
        if (c.top >= rect.bottom) break;
        RECT r;
        if (!IntersectRect(&r, &c, &rect)) continue;
        for (int y = r.top; y < r.bottom; ++y)
            FillRow(surface.Row(y), y, r.left, r.right, paint);
    }
}

void Plot(gfx::Surface& surface, const gfx::Region& clip, const std::vector<POINT>& points,
          const Paint& paint) {
    if (!paint.Visible()) return;
    const bool simple = clip.Rects().size() == 1;
    const RECT box = clip.Bounds();
    gfx::Pixel c;
    for (const POINT& p : points) {
        if (!PtInRect(&box, p) || (!simple && !clip.Contains(p.x, p.y))) continue;
        if (paint.At(p.x, p.y, c)) {
            gfx::Pixel& dst = surface.Row(p.y)[p.x];
            dst = ApplyRop2(paint.Rop2, c, dst);
        }
    }
}

void LinePixels(POINT a, POINT b, std::vector<POINT>& out) {
    const int dx = std::abs(b.x - a.x);
    const int dy = std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx - dy;
    int x = a.x;
    int y = a.y;
    while (x != b.x || y != b.y) {
        out.push_back(POINT{ x, y });
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace win::raster
