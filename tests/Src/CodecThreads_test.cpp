#include "Src/FFmpeg/CodecThreads.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

TEST(CodecThreads, TheCoresAreSharedAmongTheTasksRunningAtOnceAtLeastOneEach) {
    struct Case {
        int cores;
        int tasks;
        int expected;
    };
    const Case cases[] = { { 8, 1, 8 }, { 8, 8, 1 }, { 8, 3, 2 }, { 8, 19, 1 },
                           { 1, 1, 1 }, { 1, 8, 1 }, { 0, 1, 1 }, { 8, 0, 8 } };
    for (const Case& c : cases)
        EXPECT_EQ(AutoCodecThreads(c.cores, c.tasks), c.expected)
            << c.cores << " cores, " << c.tasks << " tasks";
}

// The video codecs' thread counts of each task, as they were opened.
struct TOpenedThreads {
    int Decoder{ -1 };
    int Encoder{ -1 };
};

// A task that notes the thread counts of its open video codecs when its run has ended, before
// they are closed.
class TThreadNotingTask : public TFFmpeg {
public:
    TThreadNotingTask(int maxFiles, std::mutex& lock,
                      std::map<const TFFmpeg*, TOpenedThreads>& seen)
        : TFFmpeg(maxFiles), FLock(lock), FSeen(seen) {}
    ~TThreadNotingTask() override { Stop(true); }

protected:
    void Transcode() override {
        TFFmpeg::Transcode();
        TOpenedThreads threads;
        for (const TStreamCodec* record : FDecoderList)
            if (record->Context->codec_type == AVMEDIA_TYPE_VIDEO)
                threads.Decoder = record->Context->thread_count;
        for (const TStreamCodec* record : FEncoderList)
            if (record->Context->codec_type == AVMEDIA_TYPE_VIDEO)
                threads.Encoder = record->Context->thread_count;
        std::lock_guard guard(FLock);
        FSeen[this] = threads;
    }

private:
    std::mutex& FLock;
    std::map<const TFFmpeg*, TOpenedThreads>& FSeen;
};

class TThreadNotingTasks : public TFFmpegTasks {
public:
    using TFFmpegTasks::TFFmpegTasks;

    std::mutex Lock;
    std::map<const TFFmpeg*, TOpenedThreads> Seen;
    // The tasks in the order they were made, which is their index order here.
    std::vector<const TFFmpeg*> Made;

protected:
    std::unique_ptr<TFFmpeg> NewTask(int maxFiles) override {
        auto task = std::make_unique<TThreadNotingTask>(maxFiles, Lock, Seen);
        Made.push_back(task.get());
        return task;
    }
};

class CodecThreadsConvert : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("codec-threads");
        ASSERT_FALSE(FFolder.empty());
    }
    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    // Converts the VOB fixture count times, on count task threads, with 8 cores to share;
    // returns what each task opened its video codecs with, in task order.
    std::vector<TOpenedThreads> Convert(int count, const std::string& prefix) {
        TThreadNotingTasks tasks(nullptr);
        tasks.SetCoreCount(8);
        bool allDone = false;
        std::mutex lock;
        tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
            EXPECT_FALSE(info.Exception) << info.ExceptionMsg;
            std::lock_guard guard(lock);
            if (info.TaskIndex == -1) allDone = true;
        };
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(tasks.AddTask(fixtures::Standard().Vob, nullptr), i) << tasks.LastErrMsg();
            TOutputOptions options;
            options.VideoCodec = "mpeg4";
            options.AudioCodec = "libmp3lame";
            EXPECT_TRUE(tasks.SetOutputFile(i, Output(prefix, i), &options)) << tasks.LastErrMsg();
        }
        tasks.Start(count);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        for (;;) {
            {
                std::lock_guard guard(lock);
                if (allDone) break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the run did not end";
                tasks.Stop(true);
                break;
            }
            CheckSynchronize(10);
        }
        std::vector<TOpenedThreads> opened;
        std::lock_guard guard(tasks.Lock);
        for (int i = 0; i < count; ++i) {
            const auto it = tasks.Seen.find(tasks.Made.at(std::size_t(i)));
            opened.push_back(it == tasks.Seen.end() ? TOpenedThreads{} : it->second);
        }
        return opened;
    }
    std::string Output(const std::string& prefix, int index) const {
        return FFolder + "/" + prefix + std::to_string(index) + ".avi";
    }

    std::string FFolder;
};

TEST_F(CodecThreadsConvert, OneTaskGetsEveryCoreAndEightTasksOneEachWithTheSameOutput) {
    const std::vector<TOpenedThreads> alone = Convert(1, "alone");
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].Decoder, 8);
    EXPECT_EQ(alone[0].Encoder, 8);

    const std::vector<TOpenedThreads> shared = Convert(8, "shared");
    for (std::size_t i = 0; i < shared.size(); ++i) {
        EXPECT_EQ(shared[i].Decoder, 1) << "task " << i;
        EXPECT_EQ(shared[i].Encoder, 1) << "task " << i;
    }

    // The threads change how the work is cut up, not what comes out.
    const fixtures::MediaCheck one = fixtures::CheckMedia(Output("alone", 0));
    const fixtures::MediaCheck eight = fixtures::CheckMedia(Output("shared", 7));
    ASSERT_TRUE(one.Opened);
    ASSERT_TRUE(eight.Opened);
    ASSERT_EQ(one.Streams.size(), eight.Streams.size());
    for (std::size_t i = 0; i < one.Streams.size(); ++i) {
        const fixtures::StreamCheck& a = one.Streams[i];
        const fixtures::StreamCheck& b = eight.Streams[i];
        EXPECT_EQ(a.Type, b.Type) << i;
        EXPECT_EQ(a.Codec, b.Codec) << i;
        EXPECT_EQ(a.Width, b.Width) << i;
        EXPECT_EQ(a.Height, b.Height) << i;
        EXPECT_EQ(a.SampleRate, b.SampleRate) << i;
        EXPECT_EQ(a.Channels, b.Channels) << i;
        EXPECT_EQ(a.Decoded, b.Decoded) << "pictures or samples of stream " << i;
        EXPECT_EQ(a.DecodeErrors, 0) << i;
        EXPECT_EQ(b.DecodeErrors, 0) << i;
    }
}

} // namespace
