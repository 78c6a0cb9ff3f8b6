#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "Src/AVProbe/TAVProbe.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/DvdSet.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class FFmpegTasksConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("tasks-convert");
        ASSERT_FALSE(FFolder.empty());
    }

    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    std::string FFolder;
};

TEST_F(FFmpegTasksConvertTest, ThreeFilesOnTwoThreadsReportOnTheGuiThreadAndEndOnceEach) {
    const fixtures::FixtureSet& set = fixtures::Standard();
    const std::string inputs[] = { set.Vob, set.Avi, set.Mp4 };

    std::mutex lock;
    std::vector<TTerminateInfo> terminates;
    std::set<int> reported;
    bool offGuiThread = false;
    TFFmpegTasks tasks(nullptr);
    tasks.SetProgressInterval(100);
    tasks.OnProgress = [&](TObject* sender, PProgressInfo info) {
        EXPECT_EQ(sender, &tasks);
        std::lock_guard guard(lock);
        offGuiThread = offGuiThread || !IsMainThread();
        reported.insert(info->TaskIndex);
    };
    tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
        std::lock_guard guard(lock);
        terminates.push_back(info);
    };

    for (int i = 0; i < 3; ++i) {
        const std::string output = FFolder + "/out" + std::to_string(i) + ".avi";
        if (i < 2) {
            ASSERT_EQ(tasks.AddTask(inputs[i], nullptr), i) << tasks.LastErrMsg();
            TOutputOptions options;
            options.VideoCodec = "mpeg4";
            options.AudioCodec = "mp2";
            ASSERT_TRUE(tasks.SetOutputFile(i, output, &options)) << tasks.LastErrMsg();
        } else {
            // The text forms make the same records.
            ASSERT_EQ(tasks.AddTask(inputs[i], "TimeStart=0"), i) << tasks.LastErrMsg();
            ASSERT_TRUE(tasks.SetOutputFile(i, output, "vcodec=mpeg4\nacodec=mp2"))
                << tasks.LastErrMsg();
        }
        ASSERT_NE(tasks.InputAVProbe(i, 0), nullptr);
        EXPECT_EQ(tasks.InputAVProbe(i, 0)->VideoStreamCount(), 1) << inputs[i];
    }

    tasks.Start(2);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    for (;;) {
        {
            std::lock_guard guard(lock);
            if (!terminates.empty() && terminates.back().TaskIndex == -1) break;
        }
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
        CheckSynchronize(10);
    }

    std::lock_guard guard(lock);
    EXPECT_FALSE(offGuiThread);
    EXPECT_EQ(reported, (std::set<int>{ 0, 1, 2 }));
    ASSERT_EQ(terminates.size(), 4u);
    std::set<int> ended;
    for (int i = 0; i < 3; ++i) {
        const TTerminateInfo& info = terminates[std::size_t(i)];
        ended.insert(info.TaskIndex);
        EXPECT_TRUE(info.Finished) << info.TaskIndex << ": " << info.ExceptionMsg;
        EXPECT_FALSE(info.Exception) << info.ExceptionMsg;
    }
    EXPECT_EQ(ended, (std::set<int>{ 0, 1, 2 }));
    EXPECT_TRUE(terminates.back().Finished);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(FileSize(FFolder + "/out" + std::to_string(i) + ".avi"), 0) << i;
}

// What the user picked is named in the message, with the reason in words, never an error number.
TEST_F(FFmpegTasksConvertTest, InputsThatAreNoMediaAreRefusedWithTheirNameAndReason) {
    namespace fs = std::filesystem;
    const std::string folder = FFolder + "/folder.vob";
    const std::string empty = FFolder + "/empty.vob";
    const std::string text = FFolder + "/text.vob";
    const std::string locked = FFolder + "/locked.vob";
    fs::create_directories(folder);
    std::ofstream(empty).close();
    std::ofstream(text) << "This is a text file and no video at all.\n";
    fs::copy_file(fixtures::Standard().Vob, locked);
    fs::permissions(locked, fs::perms::none);
    struct Case {
        std::string File;
        const char* Reason;
    };
    std::vector<Case> cases = {
        { folder, "is a folder, not a media file" },
        { empty, "the file is empty, not a media file" },
        { text, "not a media file" },
    };
    // Whoever may read everything (root) has no locked file.
    if (access(locked.c_str(), R_OK) != 0) cases.push_back({ locked, "permission denied" });
    TFFmpegTasks tasks(nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(tasks.AddTask(c.File, nullptr), -1) << c.File;
        EXPECT_EQ(tasks.LastErrMsg(), c.File + ": " + c.Reason);
    }
    EXPECT_EQ(tasks.TasksCount(), 0);
}

// A real conversion of a DVD picture into the program's MP4 format on a worker thread, with
// every event it raises recorded; the handler of the progress event may act on the run while
// the worker waits for it.
class TRecordedRun {
public:
    using TReaction = std::function<void(TFFmpegTasks& tasks, const TProgressInfo& info)>;

    TRecordedRun(const std::string& output, TReaction onProgress)
        : FOutput(output), FReaction(std::move(onProgress)) {
        FTasks.SetProgressInterval(100);
        FTasks.OnProgress = [this](TObject*, PProgressInfo info) {
            {
                std::lock_guard guard(FLock);
                FReports.push_back(*info);
            }
            if (FReaction) FReaction(FTasks, *info);
        };
        FTasks.OnTerminate = [this](TObject*, const TTerminateInfo& info) {
            std::lock_guard guard(FLock);
            FEnds.push_back(info);
        };
    }

    void Start() {
        ASSERT_EQ(FTasks.AddTask(fixtures::Dvd().PalStereo, nullptr), 0) << FTasks.LastErrMsg();
        TOutputOptions options;
        InitOutputOptions(options);
        options.VideoCodec = "libx264";
        options.VideoPreset = "libx264-default";
        options.FrameSize = "640*480";
        options.VideoBitrate = 1200000;
        options.FrameRate = "25";
        options.AudioCodec = "libfaac";
        options.AudioSampleRate = 48000;
        ASSERT_TRUE(FTasks.SetOutputFile(0, FOutput, &options)) << FTasks.LastErrMsg();
        FTasks.Start(1);
    }

    // Serves the worker's calls on this (the GUI) thread until the run has ended; the
    // watchdog only guards against a hang.
    bool WaitForEnd() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        while (std::chrono::steady_clock::now() < deadline) {
            {
                std::lock_guard guard(FLock);
                if (!FEnds.empty() && FEnds.back().TaskIndex == -1) return true;
            }
            CheckSynchronize(10);
        }
        return false;
    }

    std::vector<TProgressInfo> Reports() {
        std::lock_guard guard(FLock);
        return FReports;
    }
    std::vector<TTerminateInfo> Ends() {
        std::lock_guard guard(FLock);
        return FEnds;
    }
    TFFmpegTasks& Tasks() { return FTasks; }

private:
    std::string FOutput;
    TReaction FReaction;
    std::mutex FLock;
    std::vector<TProgressInfo> FReports;
    std::vector<TTerminateInfo> FEnds;
    TFFmpegTasks FTasks{ nullptr };
};

// Paused from its first progress report: the worker stops at its next turn, right after the
// report. While another conversion as long runs to its end, the paused one writes nothing and
// reports nothing; resumed, it converts the rest.
TEST_F(FFmpegTasksConvertTest, APausedConversionWritesNothingUntilResumed) {
    const std::string output = FFolder + "/paused.mp4";
    std::uintmax_t sizeAtPause = 0;
    std::size_t reportsAtPause = 0;
    bool paused = false;
    TRecordedRun run(output, [&](TFFmpegTasks& tasks, const TProgressInfo& info) {
        if (paused || info.FileIndex < 0) return;
        tasks.Pause();
        paused = true;
        sizeAtPause = std::filesystem::file_size(output);
    });
    run.Start();
    while (!paused && run.Ends().empty())
        CheckSynchronize(10);
    ASSERT_TRUE(paused) << "the run ended before its first report";
    reportsAtPause = run.Reports().size();

    {
        // The same conversion once more, on a worker of its own, while this thread serves
        // both: the paused run could report and would write, were it not paused.
        TRecordedRun other(FFolder + "/meanwhile.mp4", nullptr);
        other.Start();
        ASSERT_TRUE(other.WaitForEnd());
        ASSERT_TRUE(other.Ends().front().Finished);
    }
    EXPECT_EQ(std::filesystem::file_size(output), sizeAtPause);
    EXPECT_EQ(run.Reports().size(), reportsAtPause);
    EXPECT_TRUE(run.Ends().empty());

    run.Tasks().Resume();
    ASSERT_TRUE(run.WaitForEnd());
    const std::vector<TTerminateInfo> ends = run.Ends();
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_TRUE(ends[0].Finished) << ends[0].ExceptionMsg;
    EXPECT_GT(std::filesystem::file_size(output), sizeAtPause);
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Decoded, 75);
    EXPECT_EQ(video->DecodeErrors, 0);
}

// Stopped at its first progress report: the run ends without finishing, its last report
// shows less than the whole (the row stays below 100%), and what it wrote plays.
TEST_F(FFmpegTasksConvertTest, AStoppedConversionEndsUnfinishedWithAPlayablePart) {
    const std::string output = FFolder + "/stopped.mp4";
    TRecordedRun run(output, [](TFFmpegTasks& tasks, const TProgressInfo& info) {
        if (info.FileIndex >= 0) tasks.Stop(false);
    });
    run.Start();
    ASSERT_TRUE(run.WaitForEnd());
    const std::vector<TTerminateInfo> ends = run.Ends();
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_FALSE(ends[0].Finished);
    EXPECT_FALSE(ends[0].Exception) << ends[0].ExceptionMsg;
    const std::vector<TProgressInfo> reports = run.Reports();
    ASSERT_GE(reports.size(), 2u) << "the run ended before its first report";
    const TProgressInfo& last = reports.back();
    EXPECT_EQ(last.FileIndex, -1);
    EXPECT_LT(last.CurrentDuration, last.TotalDuration);
    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    EXPECT_EQ(check.ReadError, 0);
    const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_TRUE(video);
    EXPECT_GT(video->Decoded, 0);
    EXPECT_LT(video->Decoded, 75);
    EXPECT_EQ(video->DecodeErrors, 0);
}

} // namespace
