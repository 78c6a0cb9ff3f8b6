// bench-libraries: engine mediafixtures
// Goals: converting a 30 s 640x480 MPEG-2 + AC-3 VOB to MPEG-4 + MP3 in AVI and to H.264 + AAC
// in MP4, with the codec thread count left at 0, takes at most 1.1 times the wall time of
// Debian's ffmpeg on the same job with the same codecs and bit rates and its default threads,
// and at most 1.2 times its peak memory. Both run as fresh processes side by side, alternating
// (this program runs its conversion by starting itself with "--convert"); counters: ours_ms,
// ffmpeg_ms, time_ratio, ours_rss_mb, ffmpeg_rss_mb, rss_ratio.
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/TFFmpeg.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kFFmpeg = "/usr/bin/ffmpeg";
std::string GSelf;

struct TJob {
    const char* name;
    const char* extension;
    // name=value pairs for the transcoder and the same settings for ffmpeg.
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> ffmpegArgs;
};

const std::vector<TJob>& Jobs() {
    static const std::vector<TJob> jobs = {
        { "mpeg4_mp3_avi",
          ".avi",
          { { "vcodec", "mpeg4" }, { "b", "1500k" }, { "acodec", "libmp3lame" }, { "ab", "128k" } },
          { "-c:v", "mpeg4", "-b:v", "1500k", "-c:a", "libmp3lame", "-b:a", "128k" } },
        { "h264_aac_mp4",
          ".mp4",
          { { "vcodec", "libx264" }, { "acodec", "aac" }, { "ab", "128k" } },
          { "-c:v", "libx264", "-c:a", "aac", "-b:a", "128k" } },
    };
    return jobs;
}

const std::string& Source() {
    return fixtures::ThirtySecondVob();
}

struct TRunCost {
    double Milliseconds{ -1 };
    long PeakKilobytes{ 0 };
};

TRunCost Spawn(const std::string& program, std::vector<std::string> args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    TRunCost cost;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            cost.Milliseconds = spent.count();
            cost.PeakKilobytes = usage.ru_maxrss;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return cost;
}

// The child's side: one conversion, inline, exit status 0 when it finished.
int Convert(const std::string& jobName, const std::string& input, const std::string& output) {
    SetMainThread();
    if (!GlobalLoader().Load(FFmpegTasksLibraries)) return 2;
    for (const TJob& job : Jobs()) {
        if (jobName != job.name) continue;
        TFFmpeg task(8);
        task.Reset();
        if (!task.OpenInputFile(input)) return 3;
        for (const auto& [name, value] : job.options)
            task.ParseOption(name, value);
        if (task.OpenOutputFile(output, false) < 0) return 4;
        task.StartConvert(false);
        return task.Finished() && !task.FatalException() ? 0 : 5;
    }
    return 6;
}

void Transcode(benchmark::State& state) {
    const TJob& job = Jobs().at(std::size_t(state.range(0)));
    state.SetLabel(job.name);
    if (access(kFFmpeg, X_OK) != 0) {
        state.SkipWithError("ffmpeg missing");
        return;
    }
    const std::string input = Source();
    const std::string folder = CreateTempFolder("transcode-bench");
    const std::string ours = folder + "ours" + job.extension;
    const std::string theirs = folder + "ffmpeg" + job.extension;
    std::vector<std::string> ffmpeg = { kFFmpeg, "-nostdin", "-y", "-i", input };
    ffmpeg.insert(ffmpeg.end(), job.ffmpegArgs.begin(), job.ffmpegArgs.end());
    ffmpeg.push_back(theirs);
    TRunCost best, bestTheirs;
    for (auto _ : state) {
        // Alternating runs, the best of three each, so that neither side gets a warmer cache.
        for (int i = 0; i < 3; ++i) {
            const TRunCost mine = Spawn(GSelf, { GSelf, "--convert", job.name, input, ours });
            const TRunCost other = Spawn(kFFmpeg, ffmpeg);
            if (mine.Milliseconds < 0 || other.Milliseconds < 0) {
                state.SkipWithError("a conversion failed");
                return;
            }
            if (best.Milliseconds < 0 || mine.Milliseconds < best.Milliseconds)
                best.Milliseconds = mine.Milliseconds;
            if (bestTheirs.Milliseconds < 0 || other.Milliseconds < bestTheirs.Milliseconds)
                bestTheirs.Milliseconds = other.Milliseconds;
            best.PeakKilobytes = std::max(best.PeakKilobytes, mine.PeakKilobytes);
            bestTheirs.PeakKilobytes = std::max(bestTheirs.PeakKilobytes, other.PeakKilobytes);
        }
    }
    state.counters["ours_ms"] = best.Milliseconds;
    state.counters["ffmpeg_ms"] = bestTheirs.Milliseconds;
    state.counters["time_ratio"] = best.Milliseconds / bestTheirs.Milliseconds;
    state.counters["ours_rss_mb"] = double(best.PeakKilobytes) / 1024;
    state.counters["ffmpeg_rss_mb"] = double(bestTheirs.PeakKilobytes) / 1024;
    state.counters["rss_ratio"] = double(best.PeakKilobytes) / double(bestTheirs.PeakKilobytes);
    std::remove(ours.c_str());
    std::remove(theirs.c_str());
    rmdir(folder.c_str());
}
BENCHMARK(Transcode)->DenseRange(0, 1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--convert") == 0)
        return Convert(argv[2], argv[3], argv[4]);
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    GSelf = length > 0 ? std::string(self, std::size_t(length)) : argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
