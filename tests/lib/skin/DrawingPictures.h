#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TBitmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Pictures written as rows of letters, so that a test shows its pixels: 'X' is black, '.' is
// white and every other letter a colour of its own (ColourOf). The picture is drawn in 24 bits
// and then converted to `format`.
std::unique_ptr<TBitmap> PictureOfRows(const std::vector<std::string>& rows,
                                       TPixelFormat format = pf24bit);
std::uint32_t ColourOf(char letter);
// The same colour as a TColor (0x00BBGGRR), for drawing in it.
TColor LetterColor(char letter);
// The bitmap's pixels written back as letters; a colour without a letter becomes '?'.
std::vector<std::string> RowsOf(const TBitmap& bitmap);

// A 24-bit bitmap of the surface's pixels (alpha left out), to draw them on a canvas.
std::unique_ptr<TBitmap> BitmapOfSurface(const gfx::Surface& pixels);

// A picture whose every pixel differs: red = x, green = y, blue = seed (sides below 256).
std::unique_ptr<TBitmap> NumberedPicture(int width, int height, std::uint8_t seed = 0x40);
// Colour (0xRRGGBB, alpha left out) of pixel x, y of a surface.
std::uint32_t Rgb(const gfx::Surface& pixels, int x, int y);

// The pixels of width x height inside the region as 'X', the others as '.'.
std::vector<std::string> RegionRows(win::HRGN region, int width, int height);
