#include "platform/gfx/BlitRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The blend of one pixel as the definition reads: each channel of the source scaled by the
// constant alpha, then laid over the destination weighed by the scaled source's inverse alpha,
// rounded, and held at 255.
gfx::Pixel OverByDefinition(gfx::Pixel d, gfx::Pixel s, unsigned k) {
    const auto div255 = [](unsigned x) { return (x + 128 + ((x + 128) >> 8)) >> 8; };
    unsigned scaled[4];
    for (int c = 0; c < 4; ++c)
        scaled[c] = div255(((s >> (8 * c)) & 0xFF) * k);
    gfx::Pixel out = 0;
    for (int c = 0; c < 4; ++c) {
        const unsigned v = scaled[c] + div255(((d >> (8 * c)) & 0xFF) * (255 - scaled[3]));
        out |= gfx::Pixel(v > 255 ? 255 : v) << (8 * c);
    }
    return out;
}

TEST(BlitRows, OverBlendsEveryPixelOfARowByTheDefinition) {
    // Every alpha, colours above their alpha (which saturate), rows of odd lengths that leave a
    // tail after any vector width.
    std::vector<gfx::Pixel> source;
    std::vector<gfx::Pixel> dest;
    for (unsigned i = 0; i < 1031; ++i) {
        const unsigned a = i % 256;
        source.push_back(a << 24 | ((i * 37) % 256) << 16 | ((i * 11) % (a + 1)) << 8 |
                         ((i * 5) % 256));
        dest.push_back(gfx::Pixel(i * 2654435761u));
    }
    for (unsigned k : { 255u, 128u, 1u, 0u }) {
        std::vector<gfx::Pixel> blended = dest;
        gfx::rows::Over(blended.data(), source.data(), int(blended.size()), k);
        for (std::size_t i = 0; i < blended.size(); ++i)
            ASSERT_EQ(blended[i], OverByDefinition(dest[i], source[i], k))
                << "pixel " << i << ", constant alpha " << k;
    }
}

} // namespace
