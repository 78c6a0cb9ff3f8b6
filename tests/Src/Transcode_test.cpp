#include "Src/FFmpegTasks/TFFmpeg.h"

#include "MediaCheck.h"
#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

class TranscodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("transcode");
        ASSERT_FALSE(FFolder.empty());
    }

    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    static std::unique_ptr<TFFmpeg> NewTask() {
        auto task = std::make_unique<TFFmpeg>(8);
        task->Reset();
        return task;
    }

    // Options as "name=value" lines separated by ";".
    static void Apply(TFFmpeg& task, const std::string& lines) {
        std::size_t start = 0;
        while (start < lines.size()) {
            std::size_t end = lines.find(';', start);
            if (end == std::string::npos) end = lines.size();
            const std::string line = lines.substr(start, end - start);
            start = end + 1;
            if (line.empty()) continue;
            const auto equals = line.find('=');
            task.ParseOption(line.substr(0, equals),
                             equals == std::string::npos ? "" : line.substr(equals + 1));
        }
    }

    // Opens the input and the output with the options and runs the conversion inline.
    void Convert(TFFmpeg& task, const std::string& input, const std::string& output,
                 const std::string& options) {
        ASSERT_TRUE(task.OpenInputFile(input)) << task.LastErrMsg();
        Apply(task, options);
        ASSERT_GT(task.OpenOutputFile(output, false), 0) << task.LastErrMsg();
        ASSERT_TRUE(task.StartConvert(false));
    }

    std::string FFolder;
};

TEST_F(TranscodeTest, VobVideoBecomesMpeg4InAvi) {
    const auto& fixtures = fixtures::Standard();
    auto task = NewTask();
    const std::string output = FFolder + "video.avi";
    Convert(*task, fixtures.Vob, output, "an=1;vcodec=mpeg4;b=400k");
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage();
    EXPECT_TRUE(task->Finished());

    const TMediaCheck check = CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    ASSERT_EQ(check.Streams.size(), 1u);
    const TStreamCheck& video = check.Streams[0];
    EXPECT_EQ(video.Codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(video.Width, 160);
    EXPECT_EQ(video.Height, 120);
    EXPECT_EQ(video.Decoded, 50);
    EXPECT_EQ(video.DecodeErrors, 0);
    EXPECT_NEAR(video.Duration, 2.0, 0.04);
}

} // namespace
