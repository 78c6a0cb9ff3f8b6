#pragma once
#include "platform/gfx/DibFormat.h"
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Surface.h"

#include <vector>

namespace win {

// The object behind an HBITMAP: a DIB section or a device bitmap of 1, 4, 8, 16, 24 or 32 bits.
//
// Storage: a 32-bit bitmap keeps its pixels in a gfx::Surface whose memory is the DIB section's
// memory (top-down or bottom-up as created), so the DC draws into it and ScanLine writes are
// seen at once. Every other depth keeps the DIB byte layout itself (rows padded to 4 bytes) as
// the one truth: a DC that draws into one converts it into a 32-bit shadow for the length of
// each drawing call (or DrawScope) and writes it back; a blit from one converts only the area
// it reads (ReadArea); GetPixel/SetPixel touch the one pixel in place. Nothing is cached
// between calls, so direct writes through ScanLine are always seen. A 24-bit picture drawn
// into a 32-bit target therefore reads its bytes straight, and its pixels arrive with alpha 0.
class BitmapObject : public GdiObject {
public:
    // `palette` is used for 8 bits and fewer (missing entries are black); `dibSection` says
    // whether GetObject reports a DIBSECTION; `green6` picks 5-6-5 for 16 bits (else 5-5-5).
    BitmapObject(int width, int height, int bitCount, bool topDown, std::vector<RGBQUAD> palette,
                 bool dibSection, bool green6 = false);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int BitCount() const { return FBitCount; }
    bool TopDown() const { return FTopDown; }
    bool IsDibSection() const { return FDibSection; }
    // Bytes per row, padded to 4.
    int RowBytes() const { return FRowBytes; }
    const std::vector<RGBQUAD>& Palette() const { return FPalette; }
    void SetPalette(std::vector<RGBQUAD> palette);

    // The pixel memory as a DIB section's caller sees it (the lowest address).
    void* Bits();
    // Row y counted from the top, in the bitmap's own format.
    BYTE* ScanLine(int y);
    // The drawing storage of a 32-bit bitmap; null for other depths.
    gfx::Surface* Surface32() { return FBitCount == 32 ? &FSurface : nullptr; }

    // The pixels as 32-bit BGRA. Palette and 24-bit pixels get alpha 0, as their DIB has none.
    void ReadPixels(gfx::Surface& out) const;
    // Only the pixels of `area` (inside the bitmap): out's (0, 0) is the area's top-left.
    void ReadArea(gfx::Surface& out, const RECT& area) const;
    gfx::Pixel PixelAt(int x, int y) const;
    // Stores one pixel in the bitmap's format (the nearest palette entry for palette formats).
    void SetPixelAt(int x, int y, gfx::Pixel p);
    // Stores 32-bit pixels into the bitmap's format: palette depths take the nearest entry.
    void WritePixels(const gfx::Surface& in);

    int GetObjectInfo(int size, void* buffer) const override;

    const dib::Layout& Layout() const { return FLayout; }

private:
    const BYTE* ScanLine(int y) const;
    void UpdateLayout();

    int FWidth;
    int FHeight;
    int FBitCount;
    bool FTopDown;
    bool FDibSection;
    bool FGreen6;
    int FRowBytes{ 0 };
    std::vector<RGBQUAD> FPalette;
    gfx::Surface FSurface;
    std::vector<BYTE> FBytes;
    dib::Layout FLayout;
};

} // namespace win
