#include "lib/skindraw/bsPixelCore.h"

#include "platform/win/Painting.h"

#include <algorithm>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace {

constexpr TbsColor kOpaque = 0xFF000000u;

// (s * a + d * (255 - a)) >> 8 on each colour byte, alpha 255.
inline TbsColor MixOpaque(TbsColor s, TbsColor d, std::uint32_t a) {
    const std::uint32_t na = 255 - a;
    const std::uint32_t r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * na) >> 8;
    const std::uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * na) >> 8;
    const std::uint32_t b = ((s & 0xFF) * a + (d & 0xFF) * na) >> 8;
    return kOpaque | (r << 16) | (g << 8) | b;
}

} // namespace

void ClampRGB(int& r, int& g, int& b) {
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
}

std::uint16_t MulDiv16(std::uint16_t a, std::uint16_t b, std::uint16_t c) {
    // The 32-bit product of the 16-bit multiply, as the processor's MUL gives it.
    if (c == 0) return 0;
    return std::uint16_t(std::min<std::uint32_t>(std::uint32_t(a) * b / c, 0xFFFF));
}

TbsColor BlendPixelPlain(TbsColor s, TbsColor d) {
    const std::uint32_t a = s >> 24;
    if (a == 255) return s;
    if (a == 0) return d;
    return MixOpaque(s, d, a);
}

void BlendLinePlain(const TbsColor* src, TbsColor* dst, int n) {
    for (int i = 0; i < n; ++i) {
        const TbsColor s = src[i];
        const std::uint32_t a = s >> 24;
        if (a == 0) continue;
        dst[i] = a == 255 ? s : MixOpaque(s, dst[i], a);
    }
}

void GatherBlendLinePlain(const TbsColor* src, const int* map, TbsColor* dst, int n) {
    for (int i = 0; i < n; ++i) {
        const TbsColor s = src[map[i]];
        const std::uint32_t a = s >> 24;
        if (a == 0) continue;
        dst[i] = a == 255 ? s : MixOpaque(s, dst[i], a);
    }
}

void CopyLine(const TbsColor* src, TbsColor* dst, int n) {
    if (n <= 0 || src == dst) return;
    std::memmove(dst, src, std::size_t(n) * sizeof(TbsColor));
}

void FillLine(TbsColor* dst, int n, TbsColor color) {
    if (n > 0) std::fill_n(dst, n, color);
}

void SetAlphaLine(TbsColor* dst, int n, std::uint8_t alpha) {
    const TbsColor a = TbsColor(alpha) << 24;
    for (int i = 0; i < n; ++i)
        dst[i] = (dst[i] & 0xFFFFFF) | a;
}

void ClearKeyAlphaLine(TbsColor* dst, int n, TbsColor color) {
    for (int i = 0; i < n; ++i)
        if ((dst[i] & 0xFFFFFF) == (color & 0xFFFFFF)) dst[i] &= 0xFFFFFF;
}

void FillPixelRect(TbsColor* bits, int stride, int, TbsColor color, int bottom, int right, int top,
                   int left) {
    for (int y = top; y <= bottom; ++y)
        FillLine(bits + std::size_t(y) * stride + left, right - left + 1, color);
}

void SetAlphaPixelRect(TbsColor* bits, int stride, int, std::uint8_t alpha, int bottom, int right,
                       int top, int left) {
    for (int y = top; y <= bottom; ++y)
        SetAlphaLine(bits + std::size_t(y) * stride + left, right - left + 1, alpha);
}

TbsColor* GetDCBitmapBits(win::HDC dc, int& width, int& height, int& bitCount) {
    width = height = bitCount = 0;
    const auto bitmap = win::GetCurrentObject(dc, win::OBJ_BITMAP);
    if (!bitmap) return nullptr;
    win::DIBSECTION section;
    if (win::GetObject(bitmap, int(sizeof(section)), &section) != int(sizeof(section)))
        return nullptr;
    if (!section.dsBm.bmBits) return nullptr;
    width = section.dsBmih.biWidth;
    height = section.dsBmih.biHeight;
    bitCount = section.dsBmih.biBitCount;
    return static_cast<TbsColor*>(section.dsBm.bmBits);
}

#if defined(__i386__) || defined(__x86_64__)
bool CpuidPresent() {
    // Every x86-64 processor has CPUID; __get_cpuid_max does the EFLAGS.ID test on 32-bit x86.
    return __get_cpuid_max(0, nullptr) >= 1;
}

int CpuSignature() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return 0;
    return int(a);
}

int CpuFeatureBits() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return 0;
    return int(d);
}
#else
bool CpuidPresent() {
    return false;
}
int CpuSignature() {
    return 0;
}
int CpuFeatureBits() {
    return 0;
}
#endif

bool HasMMX() {
    return CpuidPresent() && ((CpuSignature() >> 8) & 15) >= 5 &&
           (CpuFeatureBits() & (1 << 23)) != 0;
}

bool TransparentBltLoaded() {
    return true;
}

int ScreenColorBits() {
    const win::HDC dc = win::GetDC(nullptr);
    if (!dc) return 0;
    const int bits = win::GetDeviceCaps(dc, win::BITSPIXEL) * win::GetDeviceCaps(dc, win::PLANES);
    win::ReleaseDC(nullptr, dc);
    return bits;
}

bool IsTrueColorScreen() {
    return ScreenColorBits() >= 24;
}

TPixelRoutines::TPixelRoutines(bool vectorBlend, bool transparentBltKeying)
    : FVectorBlend(vectorBlend), FTransparentBltKeying(transparentBltKeying) {
    BlendPixel = vectorBlend ? BlendPixelVector : BlendPixelPlain;
    BlendLine = vectorBlend ? BlendLineVector : BlendLinePlain;
    GatherBlendLine = vectorBlend ? GatherBlendLineVector : GatherBlendLinePlain;
}

const TPixelRoutines& PixelRoutines() {
    static const TPixelRoutines routines(HasMMX(), TransparentBltLoaded() && IsTrueColorScreen());
    return routines;
}
