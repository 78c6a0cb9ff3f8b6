#pragma once
// Small helpers shared by the picture codec tests: little-endian byte building and truncation.
#include "platform/gfx/Surface.h"
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace picture_test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline void Append(Bytes& out, std::initializer_list<int> bytes) {
    for (int b : bytes)
        out.push_back(std::uint8_t(b));
}

// A picture whose every pixel differs, so a misplaced row or column shows.
inline gfx::Surface Gradient(int width, int height, bool withAlpha) {
    gfx::Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.Set(x, y,
                  gfx::MakePixel(std::uint8_t(x * 37 + y * 11), std::uint8_t(y * 53 + 7),
                                 std::uint8_t(x * 5 + y * 91),
                                 withAlpha ? std::uint8_t(x * 29 + y * 17 + 1) : 255));
    return s;
}

} // namespace picture_test
