#include "platform/gfx/BlitRows.h"

#include "platform/gfx/WideVectors.h"

#include <algorithm>

namespace gfx::rows {

namespace {

// x / 255 rounded, exact for x up to 255 * 255. 16-bit arithmetic keeps the vector
// lanes narrow.
inline std::uint16_t Div255(std::uint16_t x) {
    x = std::uint16_t(x + 128u);
    return std::uint16_t(std::uint16_t(x + (x >> 8)) >> 8);
}

// Div255 on the two 16-bit fields of x at once (each at most 255 * 255); the results are in
// the low byte of each field.
inline std::uint32_t Div255Pairs(std::uint32_t x) {
    x += 0x00800080u;
    return ((x + ((x >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// The sum of two channel pairs (each field at most 510), each held at 255.
inline std::uint32_t SaturatedPairs(std::uint32_t sum) {
    const std::uint32_t overflow = (sum >> 8) & 0x00010001u;
    return (sum | overflow * 0xFFu) & 0x00FF00FFu;
}

// A premultiplied source over the destination, whose channels are weighed by inverse.
inline Pixel OverPixel(Pixel s, Pixel d, Pixel inverse) {
    const std::uint32_t rb =
        SaturatedPairs((s & 0x00FF00FFu) + Div255Pairs((d & 0x00FF00FFu) * inverse));
    const std::uint32_t ga =
        SaturatedPairs(((s >> 8) & 0x00FF00FFu) + Div255Pairs(((d >> 8) & 0x00FF00FFu) * inverse));
    return rb | ga << 8;
}

} // namespace

void And(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] &= s[i];
}

void Or(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] |= s[i];
}

void Xor(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] ^= s[i];
}

void AndNotDest(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = s[i] & ~d[i];
}

void NotSource(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = ~s[i];
}

void NotOr(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = ~(s[i] | d[i]);
}

void NotSourceOrDest(Pixel* __restrict d, const Pixel* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = ~s[i] | d[i];
}

void NotDest(Pixel* d, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = ~d[i];
}

void XorValue(Pixel* d, Pixel value, int n) {
    for (int i = 0; i < n; ++i)
        d[i] ^= value;
}

void KeyCopy(Pixel* __restrict d, const Pixel* __restrict s, int n, Pixel key) {
    for (int i = 0; i < n; ++i)
        d[i] = (s[i] & 0x00FFFFFFu) != key ? s[i] : d[i];
}

VC_WIDE_VECTORS void Over(Pixel* __restrict d, const Pixel* __restrict s, int n,
                          unsigned constantAlpha) {
    // One pass over the row, two channels at a time in each 32-bit word: blue and red in one,
    // green and alpha in the other.
    if (constantAlpha == 255) {
        for (int i = 0; i < n; ++i) {
            const Pixel inverse = 255u - (s[i] >> 24);
            d[i] = OverPixel(s[i], d[i], inverse);
        }
        return;
    }
    const Pixel k = constantAlpha;
    for (int i = 0; i < n; ++i) {
        const Pixel scaled = Div255Pairs((s[i] & 0x00FF00FFu) * k) |
                             Div255Pairs(((s[i] >> 8) & 0x00FF00FFu) * k) << 8;
        d[i] = OverPixel(scaled, d[i], 255u - (scaled >> 24));
    }
}

VC_WIDE_VECTORS void Mix(Pixel* __restrict d, const Pixel* __restrict s, int n, unsigned k) {
    auto* dst = reinterpret_cast<std::uint8_t*>(d);
    const auto* src = reinterpret_cast<const std::uint8_t*>(s);
    const auto weight = std::uint16_t(k);
    const auto inverse = std::uint16_t(255u - k);
    for (int i = 0; i < n * 4; ++i)
        dst[i] = std::uint8_t(Div255(std::uint16_t(src[i] * weight + dst[i] * inverse)));
}

} // namespace gfx::rows
