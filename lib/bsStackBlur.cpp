#include "lib/bsStackBlur.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct TRgb {
    std::int32_t R{ 0 }, G{ 0 }, B{ 0 };
};

// sum div (r + 1)^2 by table lookup; past a radius where the table would be larger than the
// picture itself is worth, by plain division (the same result).
class TDivider {
public:
    explicit TDivider(int radius) : FDivisor(std::int64_t(radius + 1) * (radius + 1)) {
        if (FDivisor <= kMaxTableDivisor) {
            FTable.resize(std::size_t(256 * FDivisor));
            for (std::int32_t v = 0; v < 256; ++v)
                std::fill_n(FTable.begin() + std::ptrdiff_t(v * FDivisor), FDivisor, v);
        }
    }
    std::int32_t operator()(std::int64_t sum) const {
        return FTable.empty() ? std::int32_t(sum / FDivisor) : FTable[std::size_t(sum)];
    }

private:
    static constexpr std::int64_t kMaxTableDivisor = 64 * 64;
    std::int64_t FDivisor;
    std::vector<std::int32_t> FTable;
};

// One line of n samples: get(i) reads sample i (0 <= i < n), put(i, value) stores the result.
// The window's weighted sum moves one sample at a time: it loses the outgoing half's total and
// gains the incoming half's, and the circular stack remembers which sample leaves next.
template <class Get, class Put>
void BlurLine(int n, int radius, const TDivider& divide, std::vector<TRgb>& stack, Get get,
              Put put) {
    const int div = 2 * radius + 1;
    std::int64_t sumR = 0, sumG = 0, sumB = 0;
    std::int64_t inR = 0, inG = 0, inB = 0;
    std::int64_t outR = 0, outG = 0, outB = 0;
    for (int i = -radius; i <= radius; ++i) {
        const TRgb p = get(std::clamp(i, 0, n - 1));
        stack[std::size_t(i + radius)] = p;
        const int weight = radius + 1 - (i < 0 ? -i : i);
        sumR += std::int64_t(p.R) * weight;
        sumG += std::int64_t(p.G) * weight;
        sumB += std::int64_t(p.B) * weight;
        if (i > 0) {
            inR += p.R;
            inG += p.G;
            inB += p.B;
        } else {
            outR += p.R;
            outG += p.G;
            outB += p.B;
        }
    }
    int pointer = radius;
    for (int x = 0; x < n; ++x) {
        put(x, TRgb{ divide(sumR), divide(sumG), divide(sumB) });
        sumR -= outR;
        sumG -= outG;
        sumB -= outB;
        TRgb& oldest = stack[std::size_t((pointer - radius + div) % div)];
        outR -= oldest.R;
        outG -= oldest.G;
        outB -= oldest.B;
        oldest = get(std::min(x + radius + 1, n - 1));
        inR += oldest.R;
        inG += oldest.G;
        inB += oldest.B;
        sumR += inR;
        sumG += inG;
        sumB += inB;
        pointer = (pointer + 1) % div;
        const TRgb& centre = stack[std::size_t(pointer)];
        outR += centre.R;
        outG += centre.G;
        outB += centre.B;
        inR -= centre.R;
        inG -= centre.G;
        inB -= centre.B;
    }
}

} // namespace

void StackBlur(TbsBitmap& bitmap, int radius) {
    if (radius < 1 || bitmap.Empty()) return;
    const int w = bitmap.Width(), h = bitmap.Height();
    const TDivider divide(radius);
    std::vector<TRgb> stack(std::size_t(2 * radius + 1));
    std::vector<TRgb> plane(std::size_t(w) * std::size_t(h));

    for (int y = 0; y < h; ++y) {
        const TbsColor* row = bitmap.Row(y);
        TRgb* out = plane.data() + std::size_t(y) * w;
        BlurLine(
            w, radius, divide, stack,
            [row](int i) {
                const TbsColor p = row[i];
                return TRgb{ std::int32_t((p >> 16) & 0xFF), std::int32_t((p >> 8) & 0xFF),
                             std::int32_t(p & 0xFF) };
            },
            [out](int i, TRgb v) { out[i] = v; });
    }
    for (int x = 0; x < w; ++x) {
        const TRgb* column = plane.data() + x;
        BlurLine(
            h, radius, divide, stack, [&](int i) { return column[std::size_t(i) * w]; },
            [&](int i, TRgb v) {
                bitmap.Row(i)[x] =
                    0xFF000000u | (TbsColor(v.R) << 16) | (TbsColor(v.G) << 8) | TbsColor(v.B);
            });
    }
}
