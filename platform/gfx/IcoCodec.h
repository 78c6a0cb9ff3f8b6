#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstdint>
#include <span>

namespace gfx {

// Icon and cursor files: the directory's largest picture, and of equal sizes the deepest one,
// as a bitmap with its AND mask or as an embedded PNG.
class IcoCodec {
public:
    static bool IsIco(std::span<const std::uint8_t> data);
    static DecodedImage Decode(std::span<const std::uint8_t> data);
};

} // namespace gfx
