#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// PNG colour types as stored in the header.
enum class PngColorType : std::uint8_t {
    Grayscale = 0,
    RGB = 2,
    Palette = 3,
    GrayscaleAlpha = 4,
    RGBAlpha = 6,
};

// What the header and the ancillary chunks say about a PNG file.
struct PngHeader {
    int Width{ 0 };
    int Height{ 0 };
    int BitDepth{ 0 }; // bits per sample
    PngColorType ColorType{ PngColorType::RGB };
    bool HasTransparency{ false }; // a tRNS chunk is present
    // Grey and RGB files: the tRNS key colour, reduced to 8 bits per sample (alpha 255).
    Pixel TransparentKey{ 0 };
    // The bytes up to the end of the IEND chunk: what follows is not part of the picture.
    std::size_t FileSize{ 0 };
    // The compressed pixel bytes: the IDAT chunks' data together.
    std::size_t ImageDataSize{ 0 };
};

// PNG files through libpng. Every colour type and depth decodes to 8-bit BGRA; 16-bit samples
// are reduced.
class PngCodec {
public:
    static bool IsPng(std::span<const std::uint8_t> data);
    static PngHeader ReadHeader(std::span<const std::uint8_t> data);
    // Pixels of the file, and for palette files the colour table (alpha from tRNS) and the first
    // fully transparent entry.
    static DecodedImage Decode(std::span<const std::uint8_t> data);
    // Writes 8-bit RGB, or RGBA with the surface's alpha bytes.
    static std::vector<std::uint8_t> Encode(const Surface& pixels, bool withAlpha);
};

} // namespace gfx
