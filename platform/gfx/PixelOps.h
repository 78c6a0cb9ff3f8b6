#pragma once
#include "platform/gfx/Surface.h"

#include <cstdint>

// Per-pixel arithmetic of the blits, written two channels per 32-bit lane so the compiler can
// vectorise the row loops.
namespace gfx::ops {

// x / 255 rounded, on two 16-bit lanes (each at most 255 * 255).
inline std::uint32_t Div255Lanes(std::uint32_t x) {
    x += 0x00800080u;
    return ((x + ((x >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// Every channel times k / 255, rounded.
inline Pixel Scale(Pixel p, std::uint32_t k) {
    const std::uint32_t rb = Div255Lanes((p & 0x00FF00FFu) * k);
    const std::uint32_t ag = Div255Lanes(((p >> 8) & 0x00FF00FFu) * k);
    return rb | (ag << 8);
}

// Per-byte sum of two pixels, saturating at 255.
inline Pixel AddSaturate(Pixel a, Pixel b) {
    std::uint32_t rb = (a & 0x00FF00FFu) + (b & 0x00FF00FFu);
    std::uint32_t ag = ((a >> 8) & 0x00FF00FFu) + ((b >> 8) & 0x00FF00FFu);
    rb |= ((rb & 0x01000100u) >> 8) * 0xFFu;
    ag |= ((ag & 0x01000100u) >> 8) * 0xFFu;
    return (rb & 0x00FF00FFu) | ((ag & 0x00FF00FFu) << 8);
}

// Premultiplied source over destination on all four channels: s + d * (255 - sA) / 255.
inline Pixel Over(Pixel s, Pixel d) {
    return AddSaturate(s, Scale(d, 255u - (s >> 24)));
}

// (s * k + d * (255 - k)) / 255 on all four channels.
inline Pixel Mix(Pixel s, Pixel d, std::uint32_t k) {
    const std::uint32_t inv = 255u - k;
    const std::uint32_t rb = Div255Lanes((s & 0x00FF00FFu) * k + (d & 0x00FF00FFu) * inv);
    const std::uint32_t ag =
        Div255Lanes(((s >> 8) & 0x00FF00FFu) * k + ((d >> 8) & 0x00FF00FFu) * inv);
    return rb | (ag << 8);
}

} // namespace gfx::ops
