#pragma once
#include "platform/gfx/Surface.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

#include <memory>
#include <string_view>

class TBitmap;

// The colours of one face state: a vertical gradient inside a one-pixel border with rounded
// corners; what lies outside the rounding takes the colour of the surface around the control.
struct TFaceLook {
    gfx::Pixel Top;
    gfx::Pixel Bottom;
    gfx::Pixel Border;
    gfx::Pixel Outside;
    int Radius{ 3 };
};

// One skin picture under construction: faces are placed by Place, row by row, and drawn with
// the primitives below. Everything is drawn on whole pixels, so glyphs stay sharp at 96 DPI.
class TSkinArt {
public:
    TSkinArt(int width, gfx::Pixel background);

    // A free rectangle of the size, left to right in rows; the picture grows downwards.
    TRect Place(int width, int height);

    void Fill(const TRect& rect, gfx::Pixel colour);
    void Gradient(const TRect& rect, gfx::Pixel top, gfx::Pixel bottom);
    void Face(const TRect& rect, const TFaceLook& look);
    // A glyph from rows of text, '#' the colour and anything else left alone, centred in rect.
    void Glyph(const TRect& rect, std::initializer_list<std::string_view> rows, gfx::Pixel colour);
    void Frame(const TRect& rect, gfx::Pixel colour);
    // A disc of the diameter of rect's smaller side, centred, with a one-pixel rim.
    void Disc(const TRect& rect, gfx::Pixel fill, gfx::Pixel rim);

    gfx::Surface& Surface() { return FSurface; }
    // The used part as a 24-bit bitmap.
    std::unique_ptr<TBitmap> ToBitmap() const;

private:
    gfx::Surface FSurface;
    gfx::Pixel FBackground;
    int FRowTop{ 0 };
    int FRowHeight{ 0 };
    int FX{ 0 };
    int FUsedHeight{ 0 };
};

// The TColor an ini colour key holds for a pixel.
TColor ColorOf(gfx::Pixel pixel);
gfx::Pixel Rgb(int hex);
// A picture of exactly the surface, in 24 bits.
std::unique_ptr<TBitmap> BitmapOf(const gfx::Surface& surface);
