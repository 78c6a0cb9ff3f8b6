#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// GIF files through giflib: the first frame read over its logical screen, one frame written.
class GifCodec {
public:
    static bool IsGif(std::span<const std::uint8_t> data);
    // The first frame on its logical screen; screen pixels the frame leaves uncovered and
    // pixels of the transparent index get alpha 0.
    static DecodedImage Decode(std::span<const std::uint8_t> data);
    // Writes one frame with an exact colour table when the picture has at most 256 colours (255
    // with transparency), else a median-cut one. With keepTransparency, pixels whose alpha is
    // below 128 become the transparent index.
    static std::vector<std::uint8_t> Encode(const Surface& pixels, bool keepTransparency = false);
};

// The colours of a picture reduced to at most maxColors entries, and each pixel's entry.
struct QuantizedImage {
    std::vector<Pixel> Palette;
    std::vector<std::uint8_t> Indices; // one per pixel, top-down
};
QuantizedImage QuantizeColors(const Surface& pixels, int maxColors);

} // namespace gfx
