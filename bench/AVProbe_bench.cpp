// bench-libraries: engine mediafixtures
// Goals: the program's probe of a file as a whole process (this program started with "--probe",
// printing the information text) takes at most 1.2 times what Debian's ffprobe takes to print its
// description of the same file, the two processes started in turn (counters probe_process_ms,
// ffprobe_ms and ratio); the probe inside a running program (open, stream information, the
// information text, close) is reported on its own (probe_ms), as it pays no process start;
// grabbing the picture 2 s into a GOP-10 file (seek, decode forward to the exact frame, copy into
// a bitmap) well under 50 ms, with or without opening the file first.
#include "Src/AVProbe.h"
#include "Src/FFmpegLoader.h"
#include "platform/gfx/TBitmap.h"
#include "tests/fixtures/FixtureSet.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kFFprobe = "/usr/bin/ffprobe";

bool LoadLibraries() {
    static const bool loaded = GlobalLoader().Load(AVProbeLibraries);
    return loaded;
}

std::string GSelf;

// Starts the program with its arguments, output dropped; milliseconds, or -1 when it failed.
double ProcessMilliseconds(std::vector<std::string> args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    const bool ran = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                     waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                     WEXITSTATUS(status) == 0;
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return ran ? spent.count() : -1;
}

// The child's side: the probe of one file and its information text, as a program would show it.
int ProbeAndPrint(const std::string& file) {
    if (!LoadLibraries()) return 2;
    TCustomAVProbe probe(nullptr);
    if (!probe.LoadFile(file)) return 3;
    std::fputs(probe.FileInfoText().c_str(), stdout);
    return 0;
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
    state.counters["probe_ms"] = spent.count() / double(probes);
}
BENCHMARK(ProbeFixture)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The probe as a whole process against ffprobe, alternating, the best of five each.
void ProbeProcess(benchmark::State& state) {
    const fixtures::Fixture& fixture = fixtures::Standard().Files.at(std::size_t(state.range(0)));
    state.SetLabel(fixture.Name);
    if (access(kFFprobe, X_OK) != 0) {
        state.SkipWithError("ffprobe missing");
        return;
    }
    double ours = -1;
    double theirs = -1;
    for (auto _ : state)
        for (int i = 0; i < 5; ++i) {
            const double mine = ProcessMilliseconds({ GSelf, "--probe", fixture.Path });
            const double other = ProcessMilliseconds({ kFFprobe, "-hide_banner", fixture.Path });
            if (mine < 0 || other < 0) {
                state.SkipWithError("a probe failed");
                return;
            }
            ours = ours < 0 ? mine : std::min(ours, mine);
            theirs = theirs < 0 ? other : std::min(theirs, other);
        }
    state.counters["probe_process_ms"] = ours;
    state.counters["ffprobe_ms"] = theirs;
    state.counters["ratio"] = ours / theirs;
}
BENCHMARK(ProbeProcess)->DenseRange(0, 8)->Iterations(1)->Unit(benchmark::kMillisecond);

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

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--probe") == 0) return ProbeAndPrint(argv[2]);
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    GSelf = length > 0 ? std::string(self, std::size_t(length)) : argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
