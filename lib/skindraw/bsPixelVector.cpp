// The vector set of line routines. They are written so that the compiler's vectoriser turns
// them into SIMD code: no branches in the loop bodies, two colour channels per 32-bit multiply
// (each product fits its 16-bit field, as 255 * 255 < 65536), and on x86-64 a second copy for
// processors with AVX2 that the loader picks at start-up.
#include "lib/skindraw/bsPixelCore.h"
#include "platform/gfx/WideVectors.h"

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("O3")
#endif

namespace {

inline TbsColor MixPair(TbsColor s, TbsColor d, std::uint32_t a) {
    const std::uint32_t na = 255 - a;
    const std::uint32_t rb = (((s & 0x00FF00FF) * a + (d & 0x00FF00FF) * na) >> 8) & 0x00FF00FF;
    const std::uint32_t g = (((s & 0x0000FF00) * a + (d & 0x0000FF00) * na) >> 8) & 0x0000FF00;
    return 0xFF000000u | rb | g;
}

// Branch-free, so that the loops around it vectorise.
inline TbsColor BlendVector(TbsColor s, TbsColor d) {
    const std::uint32_t a = s >> 24;
    const TbsColor mixed = MixPair(s, d, a);
    return a == 255 ? s : (a == 0 ? d : mixed);
}

} // namespace

TbsColor BlendPixelVector(TbsColor s, TbsColor d) {
    return BlendVector(s, d);
}

VC_WIDE_VECTORS
void BlendLineVector(const TbsColor* src, TbsColor* dst, int n) {
    for (int i = 0; i < n; ++i)
        dst[i] = BlendVector(src[i], dst[i]);
}

VC_WIDE_VECTORS
void GatherBlendLineVector(const TbsColor* src, const int* map, TbsColor* dst, int n) {
    // A gather does not vectorise where a blend does: each piece of the row is gathered into a
    // buffer that stays in the first-level cache and blended from there at once.
    constexpr int kPiece = 256;
    TbsColor gathered[kPiece];
    for (int start = 0; start < n; start += kPiece) {
        const int count = n - start < kPiece ? n - start : kPiece;
        for (int i = 0; i < count; ++i)
            gathered[i] = src[map[start + i]];
        TbsColor* out = dst + start;
        for (int i = 0; i < count; ++i)
            out[i] = BlendVector(gathered[i], out[i]);
    }
}

VC_WIDE_VECTORS
void KeyCopyLine(const TbsColor* src, TbsColor* dst, int n) {
    for (int i = 0; i < n; ++i) {
        const TbsColor s = src[i];
        const TbsColor d = dst[i];
        dst[i] = IsKeyColored(s) ? d : (s | 0xFF000000u);
    }
}

VC_WIDE_VECTORS
void GatherLine(const TbsColor* src, const int* map, TbsColor* dst, int n) {
    for (int i = 0; i < n; ++i)
        dst[i] = src[map[i]];
}
