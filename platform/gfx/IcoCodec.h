#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// Icon and cursor files: the directory's largest picture, and of equal sizes the deepest one,
// as a bitmap with its AND mask or as an embedded PNG.
class IcoCodec {
public:
    static bool IsIco(std::span<const std::uint8_t> data);
    static DecodedImage Decode(std::span<const std::uint8_t> data);
    // Every picture of the directory, in its order; any damaged one refuses the file.
    static std::vector<DecodedImage> DecodeAll(std::span<const std::uint8_t> data);
    // Writes an icon of one 32-bit picture (at most 256 x 256) with its alpha; the AND mask
    // marks the fully transparent pixels for readers that ignore alpha.
    static std::vector<std::uint8_t> Encode(const Surface& pixels);
    // An icon of several pictures (sizes), each written the same way.
    static std::vector<std::uint8_t> Encode(std::span<const Surface> pictures);
};

} // namespace gfx
