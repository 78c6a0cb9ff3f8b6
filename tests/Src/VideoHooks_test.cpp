#include "Src/FFmpeg/VideoHooks.h"

#include "OptionTestDispatcher.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/Deinterlace.h"
#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpegTasks/OutputFileMapping.h"
#include "Src/FFmpegTasks/TFFmpeg.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Plugin(const std::string& variant) {
    return std::string(VC_VHOOK_DIR) + "/vhook_" + variant + ".so";
}

// A counter the complete plug-in exports; the loader hands out the library the chain loads.
int& PluginCounter(const char* name) {
    static void* module = ::dlopen(Plugin("full").c_str(), RTLD_NOW);
    EXPECT_NE(module, nullptr);
    static int none = 0;
    int* counter = module ? static_cast<int*>(::dlsym(module, name)) : nullptr;
    return counter ? *counter : none;
}

bool Logged(const TLogCapture& log, const std::string& part) {
    return std::any_of(log.Lines().begin(), log.Lines().end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

FramePtr MakePicture(int width, int height, std::uint8_t luma) {
    FramePtr frame(av::av_frame_alloc());
    frame->width = width;
    frame->height = height;
    frame->format = AV_PIX_FMT_YUV420P;
    EXPECT_GE(av::av_frame_get_buffer(frame.get(), 0), 0);
    for (int plane = 0; plane < 3; ++plane) {
        const int rows = plane ? height / 2 : height;
        for (int y = 0; y < rows; ++y)
            std::fill_n(frame->data[plane] + y * frame->linesize[plane], plane ? width / 2 : width,
                        plane ? 128 : luma);
    }
    return frame;
}

int Luma(const AVFrame& frame, int x = 0, int y = 0) {
    return frame.data[0][y * frame.linesize[0] + x];
}

class THookTranscoder : public TCustomFFmpeg {
public:
    THookTranscoder() : TCustomFFmpeg(2) {}
    ~THookTranscoder() override { Stop(true); }
    using TCustomFFmpeg::PreProcessVideoFrame;

protected:
    void Transcode() override {}
    void NewOutputStream(AVMediaType) override {}
};

// A task of the task component, whose pictures the test hands to the hooks as its run would.
class THookTask : public TFFmpeg {
public:
    THookTask() : TFFmpeg(2) {}
    using TCustomFFmpeg::PreProcessVideoFrame;
};

class VideoHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    }
    TLogCapture FLog;
};

TEST(VideoHookText, SplitsLikeTheCommandLine) {
    struct Case {
        std::string text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        { "/p/hook.so|a b||c", { "/p/hook.so", "a b", "c" } },
        { "  /p/hook.so  -v   3 ", { "/p/hook.so", "-v", "3" } },
        { "", {} },
        { "|||", {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitVideoHookText(c.text), c.words) << c.text;
    std::string many = "/p/hook.so";
    for (int i = 0; i < 70; ++i)
        many += " w";
    EXPECT_EQ(SplitVideoHookText(many).size(), 63u);
}

TEST_F(VideoHooksTest, AddChecksEntryPointsAndConfigure) {
    struct Case {
        std::vector<std::string> args;
        int result;
        std::string logged;
    };
    const Case cases[] = {
        { { Plugin("full") }, 0, "" },
        { { Plugin("full"), "16", "x" }, 0, "" },
        { { Plugin("full"), "refuse" }, -22, "Failed to Configure " + Plugin("full") },
        { { Plugin("noconfigure") }, 0, "" },
        { { Plugin("noconfigure"), "16" },
          -2,
          "Failed to find Configure entrypoint in " + Plugin("noconfigure") },
        { { Plugin("noprocess") },
          -2,
          "Failed to find Process entrypoint in " + Plugin("noprocess") },
        { { Plugin("missing") }, -1, "cannot open shared object file" },
        { {}, -2, "" },
    };
    for (const Case& c : cases) {
        FLog.Clear();
        TFrameHookChain chain;
        const std::string name = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(chain.Add(c.args), c.result) << name;
        EXPECT_EQ(chain.Empty(), c.result != 0) << name;
        if (!c.logged.empty()) {
            EXPECT_TRUE(Logged(FLog, c.logged)) << name << ": " << c.logged;
        }
    }
}

TEST_F(VideoHooksTest, ChainProcessesInOrderAndReleasesEveryPlugin) {
    const int released = PluginCounter("ReleaseCount");
    {
        TFrameHookChain chain;
        ASSERT_EQ(chain.Add({ Plugin("full"), "16" }), 0);
        EXPECT_EQ(PluginCounter("ConfigureArgc"), 2);
        ASSERT_EQ(chain.Add({ Plugin("full"), "40" }), 0);
        FramePtr picture = MakePicture(32, 16, 100);
        TVHookPicture hookPicture{};
        std::copy_n(picture->data, 4, hookPicture.data);
        std::copy_n(picture->linesize, 4, hookPicture.linesize);
        chain.Process(hookPicture, picture->format, 32, 16, 0);
        EXPECT_EQ(Luma(*picture, 31, 15), 40);
    }
    EXPECT_EQ(PluginCounter("ReleaseCount"), released + 2);
}

TEST_F(VideoHooksTest, RefusedPluginFailsTheOptionWithItsText) {
    THookTranscoder transcoder;
    const std::string text = Plugin("noprocess") + "|a";
    EXPECT_EQ(ErrorOf([&] { transcoder.AddVideoHook(text); }),
              "Failed to add video hook function: " + text);
    EXPECT_FALSE(transcoder.Options().Fusing_vhook);
    transcoder.AddVideoHook(Plugin("full") + " 16");
    EXPECT_TRUE(transcoder.Options().Fusing_vhook);
}

TEST_F(VideoHooksTest, OutputsThatFailTakeBackTheirPlugins) {
    SetMainThread();
    const std::string folder = CreateTempFolder("video-hooks");
    ASSERT_FALSE(folder.empty());
    THookTask task;
    task.Reset();
    ASSERT_TRUE(task.OpenInputFile(fixtures::Standard().Avi)) << task.LastErrMsg();
    struct Failure {
        const char* name;
        std::string fileName;
        std::string options;
    };
    const Failure failures[] = {
        { "an option refused after the hook", folder + "refused.avi",
          "vhook=" + Plugin("full") + "|16\npix_fmt=no-such-format" },
        { "an output that cannot open", folder + "missing/out.avi",
          "vhook=" + Plugin("full") + "|24" },
    };
    std::string error;
    for (const Failure& failure : failures) {
        const int released = PluginCounter("ReleaseCount");
        TOutputOptions record;
        record.ExtOptions = failure.options;
        EXPECT_FALSE(SetOutputFile(task, failure.fileName, &record, nullptr, error))
            << failure.name;
        EXPECT_EQ(PluginCounter("ReleaseCount"), released + 1) << failure.name;
        EXPECT_FALSE(task.Options().Fusing_vhook) << failure.name;
    }
    TOutputOptions record;
    record.ExtOptions = "vhook=" + Plugin("full") + "|40";
    ASSERT_TRUE(SetOutputFile(task, folder + "out.avi", &record, nullptr, error)) << error;
    const int processed = PluginCounter("ProcessCount");
    FramePtr picture = MakePicture(32, 16, 100);
    task.PreProcessVideoFrame(*picture, 0);
    EXPECT_EQ(PluginCounter("ProcessCount"), processed + 1) << "only the last output's plug-in";
    EXPECT_EQ(Luma(*picture), 40);
    task.Reset();
    std::filesystem::remove_all(folder);
}

TEST_F(VideoHooksTest, PluginsWriteIntoTheDecodedPictureNotIntoSharedBuffers) {
    THookTranscoder transcoder;
    transcoder.AddVideoHook(Plugin("full") + " 16");
    FramePtr decoded = MakePicture(32, 16, 100);
    // A second reference stands for the decoder's own: it must keep its picture.
    FramePtr reference(av::av_frame_alloc());
    ASSERT_GE(av::av_frame_ref(reference.get(), decoded.get()), 0);
    transcoder.PreProcessVideoFrame(*decoded, 0);
    EXPECT_EQ(Luma(*decoded), 16);
    EXPECT_EQ(Luma(*reference), 100);
}

TEST_F(VideoHooksTest, CustomHookUpdatesStopsAndSurvivesItsHandler) {
    THookTranscoder transcoder;
    transcoder.AddVideoHook(Plugin("full") + " 16");
    struct Call {
        int frameNumber;
        std::int64_t pts;
    };
    std::vector<Call> calls;
    transcoder.OnCustomHook = [&](TObject* sender, TBitmap* bitmap, int frameNumber,
                                  std::int64_t pts, bool& update, bool& stop) {
        EXPECT_EQ(sender, &transcoder);
        calls.push_back({ frameNumber, pts });
        if (frameNumber == 2) throw Exception("handler failed");
        // A white bitmap goes back as a bright picture; the second call keeps the picture.
        if (frameNumber == 3) update = false;
        for (int y = 0; y < bitmap->Height(); ++y)
            std::fill_n(static_cast<std::uint8_t*>(bitmap->ScanLine(y)), bitmap->Width() * 3, 255);
        stop = frameNumber == 4;
    };
    const int expectedLuma[] = { 235, 100, 100, 235, 100, 100 };
    for (int i = 0; i < 6; ++i) {
        FramePtr picture = MakePicture(32, 16, 100);
        transcoder.PreProcessVideoFrame(*picture, 1000 * i);
        EXPECT_NEAR(Luma(*picture, 5, 5), expectedLuma[i], 2) << "picture " << i + 1;
    }
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3].frameNumber, 4);
    EXPECT_EQ(calls[3].pts, 3000);
    EXPECT_TRUE(Logged(FLog, "Error occurs OnCustomHook: handler failed"));
    // The stop ends the custom hook and the plug-ins alike.
    EXPECT_FALSE(transcoder.OnCustomHook);
    EXPECT_FALSE(transcoder.Options().Fusing_vhook);
}

TEST_F(VideoHooksTest, DeinterlaceBlendsTheSecondFieldOfPlanarPictures) {
    // A comb: even lines black, odd lines bright, in every plane.
    FramePtr picture = MakePicture(8, 8, 0);
    for (int plane = 0; plane < 3; ++plane)
        for (int y = 0; y < (plane ? 4 : 8); ++y)
            std::fill_n(picture->data[plane] + y * picture->linesize[plane], plane ? 4 : 8,
                        y % 2 ? 200 : 0);
    ASSERT_EQ(DeinterlacePicture(*picture), 0);
    EXPECT_EQ(Luma(*picture, 3, 0), 0);
    EXPECT_EQ(Luma(*picture, 3, 3), 0);
    EXPECT_EQ(Luma(*picture, 3, 5), 0);
    EXPECT_EQ(picture->data[1][1 * picture->linesize[1]], 25);

    FramePtr odd = MakePicture(6, 6, 0);
    EXPECT_LT(DeinterlacePicture(*odd), 0);
    odd->format = AV_PIX_FMT_RGB24;
    EXPECT_LT(DeinterlacePicture(*odd), 0);
}

} // namespace
