// bench-libraries: skindraw
// Goals: blending, keying and scaling a 1920x1080 picture onto another each within 3x the time
// of a memcpy of the same bytes; scaling it up to 2560x1440 with blending within 3x a memcpy of
// the target's bytes, timed side by side, alternating (counter ratio); a stack blur of radius 31
// on 800x600 under 15 ms.
#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsStackBlur.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int kW = 1920, kH = 1080;

// Alpha running through every value, colours varying: the blend's worst case.
void FillMixed(TbsBitmap& b, int w, int h) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Row(y)[x] = TbsColor((x + y) & 0xFF) << 24 | TbsColor(x * 2654435761u + y) >> 8;
}

// The yardstick: a 1920x1080 picture's bytes, and those of the 2560x1440 enlargement target.
void BM_Memcpy(benchmark::State& state) {
    const int w = int(state.range(0)), h = w * 9 / 16;
    std::vector<TbsColor> src(std::size_t(w) * h, 1), dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(TbsColor));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * w * h * 4);
}
BENCHMARK(BM_Memcpy)->Arg(kW)->Arg(2560)->Unit(benchmark::kMillisecond);

void BM_Blend(benchmark::State& state) {
    const TPixelRoutines routines(state.range(0) != 0, false);
    TbsBitmap src, dst;
    FillMixed(src, kW, kH);
    FillMixed(dst, kW, kH);
    for (auto _ : state) {
        routines.ScaleBlend(dst, dst.BoundsRect(), dst.BoundsRect(), src.BoundsRect(), src);
        benchmark::ClobberMemory();
    }
    state.SetLabel(routines.VectorBlend() ? "vector" : "plain");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kW * kH * 4);
}
BENCHMARK(BM_Blend)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Key(benchmark::State& state) {
    TbsBitmap src, dst;
    FillMixed(src, kW, kH);
    for (int y = 0; y < kH; y += 3)
        for (int x = 0; x < kW; x += 2)
            src.Row(y)[x] = TransparentKeyColor;
    dst.SetSize(kW, kH);
    src.SetTransparent(true);
    for (auto _ : state) {
        src.Draw(dst, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kW * kH * 4);
}
BENCHMARK(BM_Key)->Unit(benchmark::kMillisecond);

// The 1920x1080 picture scaled onto a smaller and a larger one (nearest neighbour), copying and
// blending; bytes counted are the source's, as for the memcpy.
void BM_Scale(benchmark::State& state) {
    const int dw = int(state.range(0)), dh = dw * 9 / 16;
    const bool blend = state.range(1) != 0;
    TbsBitmap src, dst;
    FillMixed(src, kW, kH);
    dst.SetSize(dw, dh);
    src.SetAlphaBlend(blend);
    for (auto _ : state) {
        src.Draw(dst, dst.BoundsRect());
        benchmark::ClobberMemory();
    }
    state.SetLabel(blend ? "blend" : "copy");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kW * kH * 4);
}
BENCHMARK(BM_Scale)
    ->Args({ 1280, 0 })
    ->Args({ 2560, 0 })
    ->Args({ 1280, 1 })
    ->Args({ 2560, 1 })
    ->Unit(benchmark::kMillisecond);

// The skin scale-up with blending against a memcpy of the 2560x1440 target's bytes.
void BM_ScaleUpBlendAgainstMemcpy(benchmark::State& state) {
    TbsBitmap src, dst;
    FillMixed(src, kW, kH);
    FillMixed(dst, 2560, 1440);
    src.SetAlphaBlend(true);
    std::vector<TbsColor> from(std::size_t(2560) * 1440, 1), to(from.size());
    using Clock = std::chrono::steady_clock;
    Clock::duration scaling{}, copying{};
    for (auto _ : state) {
        const auto start = Clock::now();
        src.Draw(dst, dst.BoundsRect());
        benchmark::ClobberMemory();
        const auto scaled = Clock::now();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(TbsColor));
        benchmark::ClobberMemory();
        copying += Clock::now() - scaled;
        scaling += scaled - start;
    }
    state.counters["ratio"] = double(scaling.count()) / double(copying.count());
    state.counters["goal"] = 3.0;
}
BENCHMARK(BM_ScaleUpBlendAgainstMemcpy)->Unit(benchmark::kMillisecond);

void BM_StackBlur(benchmark::State& state) {
    TbsBitmap b;
    FillMixed(b, 800, 600);
    for (auto _ : state) {
        StackBlur(b, int(state.range(0)));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StackBlur)->Arg(31)->Arg(3)->Arg(63)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
