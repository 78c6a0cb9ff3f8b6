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

// Blending works on one row at a time in chunks that stay in the first-level cache.
constexpr int kChunk = 512;

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
    // Per chunk: the source scaled by the constant alpha, then each pixel's inverse alpha
    // spread over its four bytes, then one byte loop.
    Pixel scaled[kChunk];
    Pixel inverse[kChunk];
    for (int start = 0; start < n; start += kChunk) {
        const int count = std::min(kChunk, n - start);
        const Pixel* src = s + start;
        if (constantAlpha != 255) {
            auto* out = reinterpret_cast<std::uint8_t*>(scaled);
            const auto* in = reinterpret_cast<const std::uint8_t*>(src);
            const auto k = std::uint16_t(constantAlpha);
            for (int i = 0; i < count * 4; ++i)
                out[i] = std::uint8_t(Div255(std::uint16_t(in[i] * k)));
            src = scaled;
        }
        for (int i = 0; i < count; ++i) {
            const Pixel a = 255u - (src[i] >> 24);
            inverse[i] = a | (a << 8) | (a << 16) | (a << 24);
        }
        auto* dst = reinterpret_cast<std::uint8_t*>(d + start);
        const auto* sb = reinterpret_cast<const std::uint8_t*>(src);
        const auto* ib = reinterpret_cast<const std::uint8_t*>(inverse);
        for (int i = 0; i < count * 4; ++i) {
            const auto v = std::uint16_t(sb[i] + Div255(std::uint16_t(dst[i] * ib[i])));
            dst[i] = std::uint8_t(v > 255u ? 255u : v);
        }
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
