// bench-libraries: engine mediafixtures
// Goal: converting eight files with the task component on 2, 4 and 8 threads is at least
// 0.7 x min(threads, cores) times as fast as on one thread (counters speedup and goal; the
// one-thread run comes first and is the reference).
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kFiles = 8;

// Eight different files of MPEG-2 and MP2, long enough that a conversion outweighs starting it.
const std::vector<std::string>& Inputs() {
    static const std::vector<std::string> inputs = [] {
        std::vector<std::string> files;
        for (int i = 0; i < kFiles; ++i) {
            const std::string path =
                fixtures::StandardFolder() + "/tasks-bench-" + std::to_string(i) + ".vob";
            if (!FileExists(path)) {
                fixtures::MediaSpec spec;
                spec.Format = "vob";
                spec.Extension = ".vob";
                spec.VideoCodec = "mpeg2video";
                spec.AudioCodec = "mp2";
                spec.Width = 320;
                spec.Height = 240;
                spec.Seconds = 4.0 + 0.1 * i;
                spec.Picture = fixtures::Pattern::NoisyBars;
                fixtures::WriteMedia(path, spec);
            }
            files.push_back(path);
        }
        return files;
    }();
    return inputs;
}

double gOneThreadSeconds = 0.0;

void ConvertEightFiles(benchmark::State& state) {
    SetMainThread();
    if (!GlobalLoader().Loaded(FFmpegTasksLibraries) &&
        !GlobalLoader().Load(FFmpegTasksLibraries)) {
        state.SkipWithError("media libraries missing");
        return;
    }
    const int threads = int(state.range(0));
    const std::vector<std::string>& inputs = Inputs();
    const std::string folder = CreateTempFolder("tasks-bench");
    double seconds = 0.0;
    for (auto _ : state) {
        TFFmpegTasks tasks(nullptr);
        TEvent allDone(true, false);
        tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
            if (info.TaskIndex == -1) allDone.SetEvent();
        };
        for (int i = 0; i < kFiles; ++i) {
            TOutputOptions options;
            options.VideoCodec = "mpeg4";
            options.AudioCodec = "libmp3lame";
            if (tasks.AddTask(inputs[std::size_t(i)], nullptr) != i ||
                !tasks.SetOutputFile(i, folder + "/" + std::to_string(i) + ".avi", &options)) {
                state.SkipWithError(tasks.LastErrMsg().c_str());
                return;
            }
        }
        const auto start = std::chrono::steady_clock::now();
        tasks.Start(threads);
        while (allDone.WaitFor(0) != wrSignaled)
            CheckSynchronize(5);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        seconds += spent.count();
        state.SetIterationTime(spent.count());
    }
    std::filesystem::remove_all(folder);
    seconds /= double(state.iterations());
    if (threads == 1) gOneThreadSeconds = seconds;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    state.counters["files_per_s"] = kFiles / seconds;
    if (gOneThreadSeconds > 0.0) state.counters["speedup"] = gOneThreadSeconds / seconds;
    state.counters["goal"] = 0.7 * std::min(threads, cores);
}

BENCHMARK(ConvertEightFiles)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
