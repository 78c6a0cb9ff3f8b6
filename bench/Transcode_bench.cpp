// bench-libraries: appcore mediafixtures
// Goals: converting 30 s of a DVD title (720x576 MPEG-2 + AC-3 in the DVD muxer's layout) into
// two of the program's formats, each with the settings the program's window gives it (the AVI
// format "AVI" (code 100, MPEG-4 + MP3) and the MP4 format of code 405 (H.264 with its built-in
// preset "libx264-default", + AAC)), with the codec thread count left at 0, takes at most 1.1
// times the wall time of Debian's ffmpeg on the same job with the same settings and its default
// threads, and at most 1.2 times its peak memory. Both run as fresh processes side by side,
// alternating (this program runs its conversion by starting itself with "--convert"); counters:
// ours_ms, ffmpeg_ms, time_ratio, ours_rss_mb, ffmpeg_rss_mb, rss_ratio.
#include "Src/FFmpeg/BuiltInPresets.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/OptionText.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FormatParameters.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/WorkingParameterOptions.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/DvdSet.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"

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
    int formatCode;
};

const std::vector<TJob>& Jobs() {
    static const std::vector<TJob> jobs = { { "mpeg4_mp3_avi", 100 }, { "h264_aac_mp4", 405 } };
    return jobs;
}

// The job's parameters as the program's window sets them: the format's own, overridden by the
// texts its preset pickers show by default.
TWorkingParameters JobFields(const TJob& job) {
    TWorkingParameters fields = FormatWorkingParameters(job.formatCode);
    const TPresetPickerStates pickers = PresetPickersFor(job.formatCode);
    TPresetTexts texts;
    for (int p = 0; p < PresetPickerCount; ++p)
        texts[p] = pickers[p].Text();
    ApplyPresetTexts(fields, texts);
    return fields;
}

std::string Extension(const TJob& job) {
    return std::string(FindFormatParameters(job.formatCode)->Ext);
}

// The same settings for ffmpeg: codecs by the names the engine uses (AAC for the catalogue's
// libfaac), the built-in preset's options one by one.
std::vector<std::string> FFmpegArgs(const TJob& job) {
    const TWorkingParameters fields = JobFields(job);
    const TOutputOptions options = OutputOptionsOf(fields);
    std::vector<std::string> args = { "-c:v", options.VideoCodec };
    if (!options.VideoTag.empty()) args.insert(args.end(), { "-vtag", options.VideoTag });
    if (!options.VideoPreset.empty())
        for (const TOptionLine& line : SplitOptionText(FindBuiltInPreset(options.VideoPreset)))
            args.insert(args.end(), { "-" + line.Name, line.Value });
    if (!options.FrameSize.empty()) {
        std::string size = options.FrameSize;
        std::replace(size.begin(), size.end(), '*', 'x');
        args.insert(args.end(), { "-s", size });
    }
    if (!options.FrameRate.empty()) args.insert(args.end(), { "-r", options.FrameRate });
    if (options.VideoBitrate > 0)
        args.insert(args.end(), { "-b:v", std::to_string(options.VideoBitrate) });
    args.insert(args.end(),
                { "-c:a", options.AudioCodec == "libfaac" ? "aac" : options.AudioCodec });
    if (options.AudioChannels > 0)
        args.insert(args.end(), { "-ac", std::to_string(options.AudioChannels) });
    if (options.AudioSampleRate > 0)
        args.insert(args.end(), { "-ar", std::to_string(options.AudioSampleRate) });
    if (options.AudioBitrate > 0)
        args.insert(args.end(), { "-b:a", std::to_string(options.AudioBitrate) });
    return args;
}

const std::string& Source() {
    static const std::string path = [] {
        const std::string name = fixtures::StandardFolder() + "/bench-30s-dvd.vob";
        if (!FileExists(name)) {
            fixtures::MediaSpec spec = fixtures::DvdSpec(720, 576, 2);
            spec.Seconds = 30.0;
            fixtures::WriteMedia(name, spec);
        }
        return name;
    }();
    return path;
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

// The child's side: one conversion through the task component, as the program runs it,
// inline; exit status 0 when it finished.
int Convert(const std::string& jobName, const std::string& input, const std::string& output) {
    SetMainThread();
    if (!GlobalLoader().Load(FFmpegTasksLibraries)) return 2;
    for (const TJob& job : Jobs()) {
        if (jobName != job.name) continue;
        bool finished = false;
        TFFmpegTasks tasks(nullptr);
        tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
            if (info.TaskIndex == 0) finished = info.Finished && !info.Exception;
        };
        if (tasks.AddTask(input, nullptr) != 0) return 3;
        TOutputOptions options = OutputOptionsOf(JobFields(job));
        if (!tasks.SetOutputFile(0, output, &options)) return 4;
        tasks.Start(0);
        return finished ? 0 : 5;
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
    const std::string ours = folder + "ours" + Extension(job);
    const std::string theirs = folder + "ffmpeg" + Extension(job);
    std::vector<std::string> ffmpeg = { kFFmpeg, "-nostdin", "-y", "-i", input };
    const std::vector<std::string> settings = FFmpegArgs(job);
    ffmpeg.insert(ffmpeg.end(), settings.begin(), settings.end());
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
