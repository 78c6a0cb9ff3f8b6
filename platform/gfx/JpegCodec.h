#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// JPEG files through libjpeg: greyscale, colour and CMYK pictures read; colour written.
class JpegCodec {
public:
    static constexpr int kDefaultQuality = 90;

    static bool IsJpeg(std::span<const std::uint8_t> data);
    // Any warning of the library (premature end, corrupt data) refuses the file.
    // bytesConsumed receives the size up to the end-of-picture marker.
    static DecodedImage Decode(std::span<const std::uint8_t> data,
                               std::size_t* bytesConsumed = nullptr);
    // quality 0..100 (values outside are clamped); alpha is dropped.
    static std::vector<std::uint8_t> Encode(const Surface& pixels, int quality = kDefaultQuality,
                                            bool grayscale = false);
};

} // namespace gfx
