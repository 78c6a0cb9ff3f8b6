#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <vector>

// Pixel writing shared by the DC's drawing calls: what a pen or brush lays down, raster
// operations, and filling clipped areas of a surface.
namespace win::raster {

// A COLORREF as a pixel with alpha 0: GDI colour drawing leaves alpha 0.
constexpr gfx::Pixel ColourPixel(COLORREF c) {
    return gfx::MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), 0);
}
constexpr COLORREF PixelColour(gfx::Pixel p) {
    return RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p));
}

// Binary raster operation (R2_*) of a pen or brush pixel over a destination pixel, on all 32
// bits.
constexpr gfx::Pixel ApplyRop2(int rop2, gfx::Pixel pen, gfx::Pixel dst) {
    const unsigned f = unsigned(rop2 - 1) & 15u;
    gfx::Pixel r = 0;
    if (f & 1) r |= ~pen & ~dst;
    if (f & 2) r |= ~pen & dst;
    if (f & 4) r |= pen & ~dst;
    if (f & 8) r |= pen & dst;
    return r;
}

// Ternary raster operation (the index byte of a ROP code) of pattern, source and destination.
constexpr gfx::Pixel ApplyRop3(unsigned index, gfx::Pixel p, gfx::Pixel s, gfx::Pixel d) {
    gfx::Pixel r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(index & (1u << i))) continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r;
}

// What a pen or brush lays down at each surface pixel.
struct Paint {
    enum class Kind { None, Solid, Pattern, Hatch };
    Kind Type{ Kind::None };
    gfx::Pixel Colour{ 0 };
    const gfx::Surface* Pattern{ nullptr };
    bool Monochrome{ false };
    gfx::Pixel Fore{ 0 }; // monochrome patterns' 0 bits
    gfx::Pixel Back{ 0 }; // monochrome patterns' 1 bits; the hatch background
    int Hatch{ 0 };
    bool HatchOpaque{ true };
    POINT Origin;   // the pattern's origin in surface coordinates
    int Rop2{ 13 }; // R2_COPYPEN

    bool Visible() const { return Type != Kind::None; }
    // The pixel at (x, y); false when nothing is laid there (a transparent hatch gap).
    bool At(int x, int y, gfx::Pixel& out) const;
};

// Fills `shape` (surface coordinates) cut by `clip`.
void FillRegion(gfx::Surface& surface, const gfx::Region& clip, const gfx::Region& shape,
                const Paint& paint);
void FillRect(gfx::Surface& surface, const gfx::Region& clip, const RECT& rect, const Paint& paint);
// Single pixels, each tested against the clip.
void Plot(gfx::Surface& surface, const gfx::Region& clip, const std::vector<POINT>& points,
          const Paint& paint);
// The pixels of a one-pixel line from a to b, b excluded.
void LinePixels(POINT a, POINT b, std::vector<POINT>& out);

} // namespace win::raster
