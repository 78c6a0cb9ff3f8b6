// bench-libraries: gfx
// Speed goals of the drawing layer: an opaque 1920x1080 BitBlt within 1.5x a memcpy of the same
// bytes, a per-pixel AlphaBlend of the same size within 3x (timed side by side with the memcpy,
// alternating: counter ratio), and the nine StretchBlt calls of a 9-slice border onto a 400x300
// target under 1 ms.
#include "platform/gfx/Gdi.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

using namespace win;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A memory DC holding a top-down 32-bit DIB section.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t fill) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        FBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &FBits, nullptr, 0);
        FDc = CreateCompatibleDC(nullptr);
        FOld = SelectObject(FDc, FBitmap);
        std::fill_n(static_cast<std::uint32_t*>(FBits), std::size_t(width) * height, fill);
    }
    ~Canvas() {
        SelectObject(FDc, FOld);
        DeleteDC(FDc);
        DeleteObject(FBitmap);
    }
    HDC Dc() const { return FDc; }

private:
    void* FBits{ nullptr };
    HBITMAP FBitmap{};
    HDC FDc{};
    HGDIOBJ FOld{};
};

void Memcpy1080p(benchmark::State& state) {
    std::vector<std::uint32_t> from(std::size_t(kWidth) * kHeight, 0x80402010);
    std::vector<std::uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(from.size()) * 4);
}
BENCHMARK(Memcpy1080p)->Unit(benchmark::kMicrosecond);

void BitBltOpaque1080p(benchmark::State& state) {
    Canvas source(kWidth, kHeight, 0x80402010);
    Canvas dest(kWidth, kHeight, 0);
    for (auto _ : state) {
        BitBlt(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(kWidth) * kHeight * 4);
}
BENCHMARK(BitBltOpaque1080p)->Unit(benchmark::kMicrosecond);

void AlphaBlendPerPixel1080p(benchmark::State& state) {
    Canvas source(kWidth, kHeight, 0x80402010); // premultiplied, alpha 128
    Canvas dest(kWidth, kHeight, 0xFF808080);
    std::vector<std::uint32_t> from(std::size_t(kWidth) * kHeight, 0x80402010);
    std::vector<std::uint32_t> to(from.size());
    const BLENDFUNCTION blend{ AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    using Clock = std::chrono::steady_clock;
    Clock::duration blending{}, copying{};
    for (auto _ : state) {
        // The yardstick is timed beside each blend, so that both see the same machine.
        const auto start = Clock::now();
        AlphaBlend(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, kWidth, kHeight, blend);
        benchmark::ClobberMemory();
        const auto blended = Clock::now();
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::ClobberMemory();
        copying += Clock::now() - blended;
        blending += blended - start;
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(kWidth) * kHeight * 4);
    state.counters["ratio"] = double(blending.count()) / double(copying.count());
    state.counters["goal"] = 3.0;
}
BENCHMARK(AlphaBlendPerPixel1080p)->Unit(benchmark::kMicrosecond);

void NineSliceStretch400x300(benchmark::State& state) {
    // A 60x60 skin picture with 20-pixel margins, stretched onto a 400x300 window.
    Canvas source(60, 60, 0xFF336699);
    Canvas dest(400, 300, 0);
    SetStretchBltMode(dest.Dc(), COLORONCOLOR);
    const int sx[] = { 0, 20, 40, 60 };
    const int dx[] = { 0, 20, 380, 400 };
    const int dy[] = { 0, 20, 280, 300 };
    for (auto _ : state) {
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                StretchBlt(dest.Dc(), dx[col], dy[row], dx[col + 1] - dx[col],
                           dy[row + 1] - dy[row], source.Dc(), sx[col], sx[row],
                           sx[col + 1] - sx[col], sx[row + 1] - sx[row], SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(NineSliceStretch400x300)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
