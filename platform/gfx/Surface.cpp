#include "platform/gfx/Surface.h"

#include "platform/rtl/Exception.h"

#include <algorithm>

namespace gfx {

namespace {

// Guards against sizes whose pixel count would overflow or exhaust memory: a picture file or a
// window may ask for anything.
std::size_t CheckedPixelCount(int width, int height) {
    if (width < 0 || height < 0) throw Exception("Invalid surface size");
    constexpr std::size_t kMaxPixels = std::size_t(1) << 28; // 1 GiB of pixels
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (width != 0 && count / std::size_t(width) != std::size_t(height))
        throw Exception("Invalid surface size");
    if (count > kMaxPixels) throw Exception("Surface too large");
    return count;
}

} // namespace

Surface::Surface(int width, int height, Pixel fill, RowOrder order)
    : FOrder(order), FWidth(width), FHeight(height),
      FPixels(CheckedPixelCount(width, height), fill) {}

Surface::Surface(int width, int height, Unfilled, RowOrder order)
    : FOrder(order), FWidth(width), FHeight(height), FPixels(CheckedPixelCount(width, height)) {}

void Surface::Resize(int width, int height, Pixel fill) {
    // Only what the old content leaves uncovered is filled.
    Surface resized(width, height, Unfilled{}, FOrder);
    const int w = std::min(width, FWidth);
    const int h = std::min(height, FHeight);
    for (int y = 0; y < height; ++y) {
        Pixel* row = resized.Row(y);
        const int kept = y < h ? w : 0;
        if (kept > 0) std::copy_n(Row(y), kept, row);
        std::fill(row + kept, row + width, fill);
    }
    *this = std::move(resized);
}

void Surface::Fill(Pixel p) {
    std::fill(FPixels.begin(), FPixels.end(), p);
}

} // namespace gfx
