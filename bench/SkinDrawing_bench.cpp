// bench-libraries: skindraw
// Goals: the builders run in every paint of every skinned control, so a button face (a 60 x 24
// face drawn at 160 x 24, edges tiled, client tiled) builds in well under 0.1 ms and a form-sized
// face (800 x 600 from a 200 x 150 face, client stretched) in under 2 ms; the window region of
// an 800 x 600 frame cut from a rounded mask builds in under 2 ms, as a control rebuilds its
// region on every size change.
#include "BenchPictures.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "platform/gfx/TBitmap.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

// A frame mask: black borders of 8 with rounded outer corners, a white client.
std::unique_ptr<TBitmap> FrameMask(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int dx = x < 8 ? 8 - x : x >= width - 8 ? x - (width - 9) : 0;
            const int dy = y < 8 ? 8 - y : y >= height - 8 ? y - (height - 9) : 0;
            const bool corner = dx * dx + dy * dy > 64;
            const bool border = x < 8 || y < 8 || x >= width - 8 || y >= height - 8;
            const std::uint8_t v = border && !corner ? 0 : 255;
            row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = v;
        }
    }
    return bitmap;
}

void NineSlice(benchmark::State& state, int faceW, int faceH, int border, int width, int height,
               bool stretchClient) {
    const auto picture = PatternPicture(faceW, faceH);
    const int dw = width - faceW, dh = height - faceH;
    const TPoint lt(border, border), rt(faceW - border, border), lb(border, faceH - border),
        rb(faceW - border, faceH - border);
    const TRect cl(border, border, faceW - border, faceH - border);
    TBitmap dest;
    for (auto _ : state)
        BuildNineSliceImage(lt, rt, lb, rb, cl, lt, Point(rt.X + dw, rt.Y), Point(lb.X, lb.Y + dh),
                            Point(rb.X + dw, rb.Y + dh),
                            Rect(cl.Left, cl.Top, cl.Right + dw, cl.Bottom + dh), dest, *picture,
                            Rect(0, 0, faceW, faceH), width, height, true, false, false, false,
                            false, stretchClient, bsstFull);
}

void BM_ButtonFace(benchmark::State& state) {
    NineSlice(state, 60, 24, 6, 160, 24, false);
}
BENCHMARK(BM_ButtonFace)->Unit(benchmark::kMicrosecond);

void BM_FormFace(benchmark::State& state) {
    NineSlice(state, 200, 150, 30, 800, 600, true);
}
BENCHMARK(BM_FormFace)->Unit(benchmark::kMicrosecond);

void BM_FrameRegion(benchmark::State& state) {
    const auto mask = FrameMask(100, 80);
    const int dw = 700, dh = 520;
    for (auto _ : state) {
        auto region = BuildNineSliceRegion(Point(8, 8), Point(92, 8), Point(8, 72), Point(92, 72),
                                           Rect(8, 8, 92, 72), Point(8, 8), Point(92 + dw, 8),
                                           Point(8, 72 + dh), Point(92 + dw, 72 + dh),
                                           Rect(8, 8, 92 + dw, 72 + dh), *mask, 800, 600);
        benchmark::DoNotOptimize(region.get());
    }
}
BENCHMARK(BM_FrameRegion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
