#include "tools/skingen/SkinArt.h"

#include "platform/gfx/TBitmap.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

using gfx::Pixel;

namespace {

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, int step, int steps) {
    return std::uint8_t(steps <= 0 ? a : (a * (steps - step) + b * step + steps / 2) / steps);
}

Pixel Blend(Pixel a, Pixel b, int step, int steps) {
    return gfx::MakePixel(Mix(gfx::PixelR(a), gfx::PixelR(b), step, steps),
                          Mix(gfx::PixelG(a), gfx::PixelG(b), step, steps),
                          Mix(gfx::PixelB(a), gfx::PixelB(b), step, steps));
}

// How far a pixel of a corner lies outside the rounding: 0 inside, 1 on the rim, 2 outside.
int CornerZone(int dx, int dy, int radius) {
    if (dx >= radius || dy >= radius) return 0;
    const int cx = radius - dx;
    const int cy = radius - dy;
    const int d2 = cx * cx + cy * cy;
    const int r2 = radius * radius;
    if (d2 > r2 + radius) return 2;
    if (d2 > (radius - 1) * (radius - 1) + radius - 1) return 1;
    return 0;
}

} // namespace

Pixel Rgb(int hex) {
    return gfx::MakePixel(std::uint8_t(hex >> 16), std::uint8_t(hex >> 8), std::uint8_t(hex));
}

TColor ColorOf(Pixel pixel) {
    return TColor(gfx::PixelR(pixel) | (gfx::PixelG(pixel) << 8) | (gfx::PixelB(pixel) << 16));
}

TSkinArt::TSkinArt(int width, Pixel background)
    : FSurface(width, 2048, background), FBackground(background) {}

TRect TSkinArt::Place(int width, int height) {
    if (width > FSurface.Width()) throw std::runtime_error("face wider than its picture");
    if (FX + width > FSurface.Width()) {
        FRowTop += FRowHeight;
        FRowHeight = 0;
        FX = 0;
    }
    if (FRowTop + height > FSurface.Height()) throw std::runtime_error("picture full");
    const TRect rect(FX, FRowTop, FX + width, FRowTop + height);
    FX += width;
    FRowHeight = std::max(FRowHeight, height);
    FUsedHeight = std::max(FUsedHeight, rect.Bottom);
    return rect;
}

void TSkinArt::Fill(const TRect& rect, Pixel colour) {
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            FSurface.Set(x, y, colour);
}

void TSkinArt::Gradient(const TRect& rect, Pixel top, Pixel bottom) {
    const int steps = rect.Bottom - rect.Top - 1;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        Fill(TRect(rect.Left, y, rect.Right, y + 1), Blend(top, bottom, y - rect.Top, steps));
}

void TSkinArt::Face(const TRect& rect, const TFaceLook& look) {
    Gradient(rect, look.Top, look.Bottom);
    const int w = rect.Right - rect.Left;
    const int h = rect.Bottom - rect.Top;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dx = std::min(x, w - 1 - x);
            const int dy = std::min(y, h - 1 - y);
            const int zone = CornerZone(dx, dy, look.Radius);
            if (zone == 2)
                FSurface.Set(rect.Left + x, rect.Top + y, look.Outside);
            else if (zone == 1 || dx == 0 || dy == 0)
                FSurface.Set(rect.Left + x, rect.Top + y, look.Border);
        }
    }
}

void TSkinArt::Glyph(const TRect& rect, std::initializer_list<std::string_view> rows,
                     Pixel colour) {
    const int h = int(rows.size());
    int w = 0;
    for (const auto row : rows)
        w = std::max(w, int(row.size()));
    const int left = rect.Left + (rect.Right - rect.Left - w) / 2;
    int y = rect.Top + (rect.Bottom - rect.Top - h) / 2;
    for (const auto row : rows) {
        for (int x = 0; x < int(row.size()); ++x)
            if (row[std::size_t(x)] == '#') FSurface.Set(left + x, y, colour);
        ++y;
    }
}

void TSkinArt::Frame(const TRect& rect, Pixel colour) {
    Fill(TRect(rect.Left, rect.Top, rect.Right, rect.Top + 1), colour);
    Fill(TRect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), colour);
    Fill(TRect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), colour);
    Fill(TRect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), colour);
}

void TSkinArt::Disc(const TRect& rect, Pixel fill, Pixel rim) {
    const int size = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
    const int left = rect.Left + (rect.Right - rect.Left - size) / 2;
    const int top = rect.Top + (rect.Bottom - rect.Top - size) / 2;
    // Twice the coordinates keep the centre of an even disc on a pixel corner.
    const int r2 = size * size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int cx = 2 * x + 1 - size;
            const int cy = 2 * y + 1 - size;
            const int d2 = cx * cx + cy * cy;
            if (d2 > r2) continue;
            FSurface.Set(left + x, top + y, d2 > (size - 2) * (size - 2) ? rim : fill);
        }
    }
}

std::unique_ptr<TBitmap> TSkinArt::ToBitmap() const {
    gfx::Surface used(FSurface.Width(), std::max(FUsedHeight, 1), FBackground);
    for (int y = 0; y < used.Height(); ++y)
        for (int x = 0; x < used.Width(); ++x)
            used.Set(x, y, FSurface.At(x, y));
    return BitmapOf(used);
}

std::unique_ptr<TBitmap> BitmapOf(const gfx::Surface& surface) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(surface.Width(), surface.Height());
    for (int y = 0; y < surface.Height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < surface.Width(); ++x) {
            const Pixel p = surface.At(x, y);
            row[3 * x] = gfx::PixelB(p);
            row[3 * x + 1] = gfx::PixelG(p);
            row[3 * x + 2] = gfx::PixelR(p);
        }
    }
    return bitmap;
}
