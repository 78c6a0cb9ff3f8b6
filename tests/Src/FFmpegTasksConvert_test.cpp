#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "Src/AVProbe/TAVProbe.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
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

} // namespace
