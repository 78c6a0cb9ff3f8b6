// bench-libraries: engine
// Goals: a library log line through the callback (threshold check, formatting, per-thread
// assembly, delivery without a handler) within a few microseconds, and a message above the
// threshold in well under 100 ns, since the codecs log from their inner loops; a decoded
// 720x576 picture into the preview bitmap within 5 ms, so that previews at 25 fps take a small
// share of a core.
#include "Src/FFUtils.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegLogger.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

bool LoadLibraries() {
    static const bool loaded = GlobalLoader().Load(AVProbeLibraries);
    return loaded;
}

void LogLineThroughTheCallback(benchmark::State& state) {
    if (!LoadLibraries()) {
        state.SkipWithError("media libraries missing");
        return;
    }
    GlobalLogger().SetLogLevel(llInfo);
    for (auto _ : state)
        av::av_log(nullptr, AV_LOG_INFO, "frame=%5d fps=%3d q=%2.1f\n", 1234, 25, 3.5);
}
BENCHMARK(LogLineThroughTheCallback);

void LogMessageAboveTheThreshold(benchmark::State& state) {
    if (!LoadLibraries()) {
        state.SkipWithError("media libraries missing");
        return;
    }
    GlobalLogger().SetLogLevel(llInfo);
    for (auto _ : state)
        av::av_log(nullptr, AV_LOG_DEBUG, "skipped %d\n", 1);
}
BENCHMARK(LogMessageAboveTheThreshold);

void PreviewPictureToBitmap(benchmark::State& state) {
    if (!LoadLibraries()) {
        state.SkipWithError("media libraries missing");
        return;
    }
    const int width = 720;
    const int height = 576;
    std::vector<std::uint8_t> y(std::size_t(width * height), 120);
    std::vector<std::uint8_t> u(std::size_t(width * height / 4), 100);
    std::vector<std::uint8_t> v(std::size_t(width * height / 4), 160);
    const std::uint8_t* data[4] = { y.data(), u.data(), v.data(), nullptr };
    const int linesize[4] = { width, width / 2, width / 2, 0 };
    TRGBConvertContext context;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PictureToBitmap(context, data, linesize, AV_PIX_FMT_YUV420P, height, width));
}
BENCHMARK(PreviewPictureToBitmap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
