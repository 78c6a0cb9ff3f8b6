#pragma once
#include "platform/gfx/GdiStructs.h"

#include <cstdint>
#include <vector>

// One pixel of a 24-bit scan bitmap, in the byte order of a DIB.
struct TFBColor {
    std::uint8_t b{ 0 };
    std::uint8_t g{ 0 };
    std::uint8_t r{ 0 };
};
static_assert(sizeof(TFBColor) == 3);

// A 24-bit, top-down copy of a bitmap with a table of row pointers, so that a mask can be
// scanned directly instead of pixel by pixel through a DC. Rows are padded to 4 bytes as in a
// DIB. Any bitmap depth is read (masks come as 1, 4, 8 and 24 bits); a handle that is not a
// bitmap gives a copy of size 0 x 0.
class TbsFBitmap {
public:
    explicit TbsFBitmap(win::HBITMAP bitmap);
    TbsFBitmap(const TbsFBitmap&) = delete;
    TbsFBitmap& operator=(const TbsFBitmap&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Padding after the last pixel of a row: Width mod 4 (3 x Width + that is a multiple of 4).
    int Gap() const { return FWidth % 4; }
    // Bytes from one row to the next.
    int RowInc() const { return FWidth * 3 + Gap(); }
    // Bytes of all rows.
    std::size_t Size() const { return FBits.size(); }
    const std::uint8_t* Bits() const { return FBits.data(); }
    // Row y, 0 being the top.
    const TFBColor* Pixels(int y) const { return FPixels[std::size_t(y)]; }

private:
    int FWidth{ 0 };
    int FHeight{ 0 };
    std::vector<std::uint8_t> FBits;
    std::vector<const TFBColor*> FPixels;
};
