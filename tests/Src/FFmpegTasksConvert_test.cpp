#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "Src/AVProbe/TAVProbe.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

// Lowers the process's soft file-size limit for the scope, as "ulimit -f" does for a shell; the
// hard limit stays, so the old one comes back.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        rlimit lowered = FSaved;
        lowered.rlim_cur = bytes;
        FSet = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~TFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &FSaved); }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
    bool Set() const { return FSet; }

private:
    rlimit FSaved{};
    bool FSet{ false };
};

// Uncompressed pictures and sound: a few frames outgrow any small limit.
TOutputOptions RawOutput() {
    TOutputOptions options;
    options.FileFormat = "avi";
    options.VideoCodec = "rawvideo";
    options.AudioCodec = "pcm_s16le";
    return options;
}

// Converts the one task on this thread; its own terminate, after which the run's came.
TTerminateInfo ConvertInline(TFFmpegTasks& tasks) {
    std::vector<TTerminateInfo> ends;
    tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) { ends.push_back(info); };
    tasks.Start(0);
    EXPECT_EQ(ends.size(), 2u);
    if (ends.size() != 2) return {};
    EXPECT_EQ(ends[1].TaskIndex, -1);
    return ends[0];
}

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

TEST_F(FFmpegTasksConvertTest, AWritePastTheFileSizeLimitEndsTheTaskWithFileTooLarge) {
    const std::string input = fixtures::Standard().Avi; // made before the limit is lowered
    const std::string output = FFolder + "/limited.avi";
    TFFmpegTasks tasks(nullptr);
    ASSERT_EQ(tasks.AddTask(input, nullptr), 0) << tasks.LastErrMsg();
    TOutputOptions options = RawOutput();
    ASSERT_TRUE(tasks.SetOutputFile(0, output, &options)) << tasks.LastErrMsg();

    TTerminateInfo end;
    {
        // Past the limit the kernel sends SIGXFSZ, which ends the process unless ignored.
        const TFileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Set());
        end = ConvertInline(tasks);
    }
    EXPECT_FALSE(end.Finished);
    EXPECT_TRUE(end.Exception);
    EXPECT_EQ(end.ExceptionMsg, "Cannot write " + output + ": file too large");
    EXPECT_LE(FileSize(output), 64 * 1024);
}

TEST_F(FFmpegTasksConvertTest, AFullDiskEndsTheTaskWithNoSpaceLeftOnDevice) {
    // The device that is always full: every write to it fails as on a full disk.
    const std::string full = "/dev/full";
    if (!std::filesystem::exists(full)) GTEST_SKIP() << full << " is missing";
    TFFmpegTasks tasks(nullptr);
    ASSERT_EQ(tasks.AddTask(fixtures::Standard().Avi, nullptr), 0) << tasks.LastErrMsg();
    TOutputOptions options = RawOutput();
    ASSERT_TRUE(tasks.SetOutputFile(0, full, &options)) << tasks.LastErrMsg();

    const TTerminateInfo end = ConvertInline(tasks);
    EXPECT_FALSE(end.Finished);
    EXPECT_TRUE(end.Exception);
    EXPECT_EQ(end.ExceptionMsg, "Cannot write " + full + ": no space left on device");
}

TEST_F(FFmpegTasksConvertTest, AFileAnOutputAlreadyWritesIsRefusedWhateverItsSpelling) {
    namespace fs = std::filesystem;
    const fixtures::FixtureSet& set = fixtures::Standard();
    const std::string output = FFolder + "/out.avi";
    fs::create_directory(FFolder + "/sub");
    fs::create_directory_symlink(FFolder, FFolder + "/link");
    TFFmpegTasks tasks(nullptr);
    ASSERT_EQ(tasks.AddTask(set.Avi, nullptr), 0) << tasks.LastErrMsg();
    ASSERT_EQ(tasks.AddTask(set.Mp4, nullptr), 1) << tasks.LastErrMsg();
    TOutputOptions options;
    ASSERT_TRUE(tasks.SetOutputFile(0, output, &options)) << tasks.LastErrMsg();

    const std::string spellings[] = { output, FFolder + "/sub/../out.avi", FFolder + "/./out.avi",
                                      FFolder + "/link/out.avi", "file:" + output };
    for (const std::string& name : spellings) {
        for (const int task : { 1, 0 }) {
            TOutputOptions again;
            EXPECT_FALSE(tasks.SetOutputFile(task, name, &again)) << name;
            EXPECT_EQ(tasks.LastErrMsg(),
                      "The output file " + name + " is already written by task 0");
        }
    }
    // Other files, and devices that take any number of writers, stay open to every task.
    TOutputOptions other;
    EXPECT_TRUE(tasks.SetOutputFile(1, FFolder + "/other.avi", &other)) << tasks.LastErrMsg();
    for (const int task : { 0, 1 }) {
        TOutputOptions discard;
        discard.FileFormat = "avi";
        EXPECT_TRUE(tasks.SetOutputFile(task, "/dev/null", &discard)) << tasks.LastErrMsg();
    }
    // The file is free again once its task is gone.
    tasks.RemoveTask(0);
    TOutputOptions freed;
    EXPECT_TRUE(tasks.SetOutputFile(0, FFolder + "/link/out.avi", &freed)) << tasks.LastErrMsg();
}

} // namespace
