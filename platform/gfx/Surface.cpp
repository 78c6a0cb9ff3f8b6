#include "platform/gfx/Surface.h"

#include "platform/rtl/Exception.h"

#include <algorithm>
#include <cstring>

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
    const std::size_t count = CheckedPixelCount(width, height);
    // A window's back buffer changes size by a few pixels at a time while its frame is laid
    // out. Reusing the memory it has saves touching fresh pages, each of which costs a fault;
    // memory far larger than needed is given back instead.
    if (FOrder == RowOrder::TopDown && count <= FPixels.capacity() &&
        count >= FPixels.capacity() / 2) {
        ResizeInPlace(width, height, count, fill);
        return;
    }
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

void Surface::ResizeInPlace(int width, int height, std::size_t count, Pixel fill) {
    const int keptRows = std::min(height, FHeight);
    const std::size_t keptColumns = std::size_t(std::min(width, FWidth));
    const std::size_t oldStride = std::size_t(FWidth);
    const std::size_t newStride = std::size_t(width);
    if (count > FPixels.size()) FPixels.resize(count);
    Pixel* data = FPixels.data();
    const auto moveRow = [&](int y) {
        Pixel* to = data + std::size_t(y) * newStride;
        std::memmove(to, data + std::size_t(y) * oldStride, keptColumns * sizeof(Pixel));
        std::fill(to + keptColumns, to + newStride, fill);
    };
    // Narrower rows move towards the start, so they go top first; wider rows go bottom first.
    // Either way no row is written over before it has moved.
    if (newStride <= oldStride)
        for (int y = 0; y < keptRows; ++y)
            moveRow(y);
    else
        for (int y = keptRows - 1; y >= 0; --y)
            moveRow(y);
    std::fill(data + std::size_t(keptRows) * newStride, data + count, fill);
    FPixels.resize(count);
    FWidth = width;
    FHeight = height;
}

void Surface::Fill(Pixel p) {
    std::fill(FPixels.begin(), FPixels.end(), p);
}

} // namespace gfx
