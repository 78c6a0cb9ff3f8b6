// bench-libraries: engine mediafixtures
// Goals: eight 30 s 640x480 MPEG-2 + AC-3 VOBs converted to MPEG-4 + MP3 in AVI by the task
// component on eight task threads, the codec thread count left at 0, take at most 0.2 times the
// wall time of a sequential loop of Debian's ffmpeg with its default threads over the same
// files and settings (counter ratio_ffmpeg_loop); against the same eight files on one task
// thread (counter ratio_one_task_thread). The three sides run in turn, one after the other.
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"
#include "tests/fixtures/FixtureSet.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kFiles = 8;
constexpr const char* kFFmpeg = "/usr/bin/ffmpeg";
using Clock = std::chrono::steady_clock;

// The eight files converted on threadCount task threads; seconds, or -1 when one failed.
double ConvertWithTasks(int threadCount, const std::string& folder) {
    TFFmpegTasks tasks(nullptr);
    TEvent allDone(true, false);
    bool failed = false;
    tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
        if (info.TaskIndex >= 0 && !info.Finished) failed = true;
        if (info.TaskIndex == -1) allDone.SetEvent();
    };
    for (int i = 0; i < kFiles; ++i) {
        TOutputOptions options;
        options.VideoCodec = "mpeg4";
        options.VideoBitrate = 1500000;
        options.AudioCodec = "libmp3lame";
        options.AudioBitrate = 128000;
        if (tasks.AddTask(fixtures::ThirtySecondVob(), nullptr) != i ||
            !tasks.SetOutputFile(i, folder + "/tasks" + std::to_string(i) + ".avi", &options))
            return -1;
    }
    const auto start = Clock::now();
    tasks.Start(threadCount);
    while (allDone.WaitFor(0) != wrSignaled)
        CheckSynchronize(5);
    const std::chrono::duration<double> spent = Clock::now() - start;
    return failed ? -1 : spent.count();
}

// The same files one after another through ffmpeg with its own default threads.
double ConvertWithFFmpegLoop(const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    bool failed = false;
    for (int i = 0; i < kFiles && !failed; ++i) {
        std::vector<std::string> args = { kFFmpeg,
                                          "-nostdin",
                                          "-y",
                                          "-i",
                                          fixtures::ThirtySecondVob(),
                                          "-c:v",
                                          "mpeg4",
                                          "-b:v",
                                          "1500k",
                                          "-c:a",
                                          "libmp3lame",
                                          "-b:a",
                                          "128k",
                                          folder + "/ffmpeg" + std::to_string(i) + ".avi" };
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        pid_t child = 0;
        int status = 0;
        failed = posix_spawn(&child, kFFmpeg, &actions, nullptr, argv.data(), environ) != 0 ||
                 waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
                 WEXITSTATUS(status) != 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    const std::chrono::duration<double> spent = Clock::now() - start;
    return failed ? -1 : spent.count();
}

void EightFiles(benchmark::State& state) {
    SetMainThread();
    if (!GlobalLoader().Load(FFmpegTasksLibraries)) {
        state.SkipWithError("media libraries missing");
        return;
    }
    if (access(kFFmpeg, X_OK) != 0) {
        state.SkipWithError("ffmpeg missing");
        return;
    }
    fixtures::ThirtySecondVob();
    const std::string folder = CreateTempFolder("tasks-bench");
    for (auto _ : state) {
        const double eightThreads = ConvertWithTasks(kFiles, folder);
        const double loop = ConvertWithFFmpegLoop(folder);
        const double oneThread = ConvertWithTasks(1, folder);
        if (eightThreads < 0 || loop < 0 || oneThread < 0) {
            state.SkipWithError("a conversion failed");
            break;
        }
        state.counters["eight_task_threads_s"] = eightThreads;
        state.counters["ffmpeg_loop_s"] = loop;
        state.counters["one_task_thread_s"] = oneThread;
        state.counters["ratio_ffmpeg_loop"] = eightThreads / loop;
        state.counters["ratio_one_task_thread"] = eightThreads / oneThread;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(EightFiles)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
