// bench-libraries: engine mediafixtures
// Goals: probing a file (open, stream information, the information text, close) takes at most
// 1.2 times what Debian's ffprobe takes to print its description of the same file, both measured
// here side by side (counters ffprobe_ms and ratio; ffprobe_start_ms is "ffprobe -version", the
// part of ffprobe's time that is starting the program); grabbing the picture 2 s into a GOP-10
// file (seek, decode forward to the exact frame, copy into a bitmap) well under 50 ms, with or
// without opening the file first.
#include "Src/AVProbe.h"
#include "Src/FFmpegLoader.h"
#include "platform/gfx/TBitmap.h"
#include "tests/fixtures/FixtureSet.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kFFprobe = "/usr/bin/ffprobe";

bool LoadLibraries() {
    static const bool loaded = GlobalLoader().Load(AVProbeLibraries);
    return loaded;
}

// ffprobe prints its description of the file, as the probe's information text describes it.
// An empty name runs "ffprobe -version": the cost of starting the program and its libraries.
double FFprobeMilliseconds(const std::string& file, int runs) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string program = kFFprobe;
    std::string banner = "-hide_banner";
    std::string name = file.empty() ? "-version" : file;
    char* argv[] = { program.data(), banner.data(), name.data(), nullptr };
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        pid_t child = 0;
        if (posix_spawn(&child, kFFprobe, &actions, nullptr, argv, environ) != 0) return -1;
        int status = 0;
        waitpid(child, &status, 0);
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return spent.count() / runs;
}

void ProbeFixture(benchmark::State& state) {
    if (!LoadLibraries()) {
        state.SkipWithError("media libraries missing");
        return;
    }
    const fixtures::Fixture& fixture = fixtures::Standard().Files.at(std::size_t(state.range(0)));
    state.SetLabel(fixture.Name);
    TCustomAVProbe probe(nullptr);
    const auto start = std::chrono::steady_clock::now();
    std::int64_t probes = 0;
    for (auto _ : state) {
        if (!probe.LoadFile(fixture.Path)) {
            state.SkipWithError(probe.LastErrMsg().c_str());
            return;
        }
        benchmark::DoNotOptimize(probe.FileInfoText());
        probe.CloseFile();
        ++probes;
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    const double probeMs = spent.count() / double(probes);
    if (access(kFFprobe, X_OK) != 0) return;
    const double ffprobeMs = FFprobeMilliseconds(fixture.Path, 10);
    state.counters["probe_ms"] = probeMs;
    state.counters["ffprobe_ms"] = ffprobeMs;
    state.counters["ratio"] = probeMs / ffprobeMs;
    // What of ffprobe's time is only starting the program, which an in-process probe never pays.
    state.counters["ffprobe_start_ms"] = FFprobeMilliseconds("", 10);
}
BENCHMARK(ProbeFixture)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The picture 2 s into the GOP-10 file; the probe holds the file open already.
void GrabFrameAtTwoSeconds(benchmark::State& state) {
    if (!LoadLibraries()) {
        state.SkipWithError("media libraries missing");
        return;
    }
    const bool open = state.range(0) != 0;
    TAVProbe probe(nullptr);
    TBitmap bitmap;
    const std::string& file = fixtures::Standard().Gop10;
    if (!open && !probe.LoadFile(file)) {
        state.SkipWithError(probe.LastErrMsg().c_str());
        return;
    }
    const std::int64_t target = 2000000;
    for (auto _ : state) {
        if (open && !probe.LoadFile(file)) {
            state.SkipWithError(probe.LastErrMsg().c_str());
            return;
        }
        probe.Seek(target, { sfBackward });
        while (probe.Decode() && probe.FrameInfo().PTS < target) {}
        if (probe.FrameInfo().PTS != target) {
            state.SkipWithError("did not reach the frame at 2 s");
            return;
        }
        probe.CopyToBitmap(bitmap);
    }
    state.SetLabel(open ? "opening the file each time" : "file open");
}
BENCHMARK(GrabFrameAtTwoSeconds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
