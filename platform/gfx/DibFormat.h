#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Surface.h"

#include <optional>
#include <vector>

// The memory layout of device-independent bitmaps: headers checked against limits, and rows
// converted to and from 32-bit pixels.
namespace win::dib {

struct Layout {
    int Width{ 0 };
    int Height{ 0 }; // always positive
    bool TopDown{ false };
    int BitCount{ 0 };
    int RowBytes{ 0 };
    std::vector<RGBQUAD> Palette; // 8 bits and fewer
    bool Green6{ false };         // 16 bits as 5-6-5 (BI_BITFIELDS) instead of 5-5-5
};

constexpr int RowBytesFor(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// Null for a header this layer does not take: a bit count other than 1, 4, 8, 16 (5-5-5, or
// 5-6-5 as BI_BITFIELDS), 24 or 32, other compressions or masks, a zero or oversized image. The
// colour table is read from `info` for 8 bits and fewer (biClrUsed entries, else 2^bits; missing
// ones are black).
std::optional<Layout> Parse(const BITMAPINFO* info);

// Converts `width` pixels. Reading gives alpha 0 except for 32 bits, which keep theirs.
void ReadRow(const BYTE* row, const Layout& layout, gfx::Pixel* out, int width);
// Palette formats take the nearest entry.
void WriteRow(const gfx::Pixel* in, int width, const Layout& layout, BYTE* row);
BYTE NearestIndex(const std::vector<RGBQUAD>& palette, gfx::Pixel colour);

} // namespace win::dib
