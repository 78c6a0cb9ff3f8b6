// bench-libraries: gfx
// Saving a snapshot of a 1920 x 1080 video frame in each picture format, and reading it back.
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GifCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include <benchmark/benchmark.h>

namespace {

// Smooth gradients with some detail, like a decoded video frame.
const gfx::Surface& Frame() {
    static const gfx::Surface frame = [] {
        gfx::Surface s(1920, 1080);
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                s.Set(x, y,
                      gfx::MakePixel(std::uint8_t(x / 8), std::uint8_t(y / 5 + (x % 7) * 3),
                                     std::uint8_t((x + y) / 12), 255));
        return s;
    }();
    return frame;
}

void EncodeBmp(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::BmpCodec::Encode(Frame(), 24));
}
void EncodeJpeg(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::JpegCodec::Encode(Frame()));
}
void EncodePng(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::PngCodec::Encode(Frame(), false));
}
void EncodeGif(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::GifCodec::Encode(Frame()));
}

void DecodeBmp(benchmark::State& state) {
    const auto file = gfx::BmpCodec::Encode(Frame(), 24);
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::BmpCodec::Decode(file));
}
void DecodeJpeg(benchmark::State& state) {
    const auto file = gfx::JpegCodec::Encode(Frame());
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::JpegCodec::Decode(file));
}
void DecodePng(benchmark::State& state) {
    const auto file = gfx::PngCodec::Encode(Frame(), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::PngCodec::Decode(file));
}
void DecodeGif(benchmark::State& state) {
    const auto file = gfx::GifCodec::Encode(Frame());
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::GifCodec::Decode(file));
}

} // namespace

BENCHMARK(EncodeBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeGif)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeGif)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
