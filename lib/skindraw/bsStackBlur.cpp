#include "lib/skindraw/bsStackBlur.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// sum div (r + 1)^2 by table lookup; past a radius where the table would outgrow the pictures
// it serves, by plain division (the same result).
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

// The running state of one line (a row, or a column seen row by row): the weighted window
// sum, the totals of its incoming (right) and outgoing (left) halves, per channel.
template <class Sum>
struct TRunning {
    Sum Total[3]{};
    Sum In[3]{};
    Sum Out[3]{};
};

template <class Sum>
void Start(TRunning<Sum>& run, const std::int32_t* sample, int offset, int radius) {
    const int weight = radius + 1 - (offset < 0 ? -offset : offset);
    for (int c = 0; c < 3; ++c) {
        run.Total[c] += Sum(sample[c]) * weight;
        if (offset > 0)
            run.In[c] += sample[c];
        else
            run.Out[c] += sample[c];
    }
}

// Moves the window one sample on: the oldest stack entry leaves, `entering` takes its place
// (at offset r + 1), and the entry that becomes the new centre passes from the incoming to the
// outgoing half.
template <class Sum>
void Step(TRunning<Sum>& run, std::int32_t* oldest, const std::int32_t* entering,
          const std::int32_t* centre) {
    for (int c = 0; c < 3; ++c) {
        run.Total[c] -= run.Out[c];
        run.Out[c] -= oldest[c];
        oldest[c] = entering[c];
        run.In[c] += entering[c];
        run.Total[c] += run.In[c];
        run.Out[c] += centre[c];
        run.In[c] -= centre[c];
    }
}

template <class Sum>
void Blur(TbsBitmap& bitmap, int radius) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const int div = 2 * radius + 1;
    const TDivider divide(radius);
    // Red, green and blue of every pixel after the horizontal pass.
    std::vector<std::int32_t> plane(std::size_t(w) * std::size_t(h) * 3);

    std::vector<std::int32_t> stack(std::size_t(div) * 3);
    for (int y = 0; y < h; ++y) {
        const TbsColor* row = bitmap.Row(y);
        const auto sample = [row](int x, std::int32_t* out) {
            const TbsColor p = row[x];
            out[0] = std::int32_t((p >> 16) & 0xFF);
            out[1] = std::int32_t((p >> 8) & 0xFF);
            out[2] = std::int32_t(p & 0xFF);
        };
        TRunning<Sum> run;
        for (int i = -radius; i <= radius; ++i) {
            std::int32_t* entry = &stack[std::size_t(i + radius) * 3];
            sample(std::clamp(i, 0, w - 1), entry);
            Start(run, entry, i, radius);
        }
        std::int32_t* out = plane.data() + std::size_t(y) * w * 3;
        int oldest = 0, centre = radius;
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 3; ++c)
                out[3 * x + c] = divide(run.Total[c]);
            std::int32_t entering[3];
            sample(std::min(x + radius + 1, w - 1), entering);
            centre = centre + 1 == div ? 0 : centre + 1;
            Step(run, &stack[std::size_t(oldest) * 3], entering, &stack[std::size_t(centre) * 3]);
            oldest = oldest + 1 == div ? 0 : oldest + 1;
        }
    }

    // The vertical pass walks the rows in order and keeps one running state and one stack per
    // column, so that it reads memory the way it lies.
    std::vector<TRunning<Sum>> runs(static_cast<std::size_t>(w));
    std::vector<std::int32_t> stacks(std::size_t(div) * std::size_t(w) * 3);
    const auto stackRow = [&](int k) { return stacks.data() + std::size_t(k) * w * 3; };
    const auto planeRow = [&](int y) { return plane.data() + std::size_t(y) * w * 3; };
    for (int i = -radius; i <= radius; ++i) {
        std::int32_t* entries = stackRow(i + radius);
        const std::int32_t* from = planeRow(std::clamp(i, 0, h - 1));
        std::copy_n(from, std::size_t(w) * 3, entries);
        for (int x = 0; x < w; ++x)
            Start(runs[std::size_t(x)], entries + 3 * x, i, radius);
    }
    int oldest = 0, centre = radius;
    for (int y = 0; y < h; ++y) {
        TbsColor* row = bitmap.Row(y);
        for (int x = 0; x < w; ++x) {
            const TRunning<Sum>& run = runs[std::size_t(x)];
            row[x] = 0xFF000000u | TbsColor(divide(run.Total[0])) << 16 |
                     TbsColor(divide(run.Total[1])) << 8 | TbsColor(divide(run.Total[2]));
        }
        const std::int32_t* entering = planeRow(std::min(y + radius + 1, h - 1));
        centre = centre + 1 == div ? 0 : centre + 1;
        std::int32_t* old = stackRow(oldest);
        const std::int32_t* mid = stackRow(centre);
        for (int x = 0; x < w; ++x)
            Step(runs[std::size_t(x)], old + 3 * x, entering + 3 * x, mid + 3 * x);
        oldest = oldest + 1 == div ? 0 : oldest + 1;
    }
}

} // namespace

void StackBlur(TbsBitmap& bitmap, int radius) {
    if (radius < 1 || bitmap.Empty()) return;
    // The window sum reaches 255 * (r + 1)^2: 32 bits hold it up to a radius of about 2900.
    if (255 * std::int64_t(radius + 1) * (radius + 1) <= std::numeric_limits<std::int32_t>::max())
        Blur<std::int32_t>(bitmap, radius);
    else
        Blur<std::int64_t>(bitmap, radius);
}
