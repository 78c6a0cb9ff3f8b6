#include "Src/FFmpeg/PreviewWindow.h"

#include "OptionTestDispatcher.h"
#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpegTasks/TFFmpeg.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <thread>

namespace {

using namespace std::chrono_literals;

class TPostHookTranscoder : public TFFmpeg {
public:
    TPostHookTranscoder() : TFFmpeg(2) { Reset(); }
    using TCustomFFmpeg::DoPostHook;
    using TCustomFFmpeg::FPostContext;
};

FramePtr WhitePicture(std::int64_t pts) {
    FramePtr frame(av::av_frame_alloc());
    frame->width = 160;
    frame->height = 120;
    frame->format = AV_PIX_FMT_YUV420P;
    frame->pts = pts;
    EXPECT_GE(av::av_frame_get_buffer(frame.get(), 0), 0);
    for (int plane = 0; plane < 3; ++plane)
        for (int y = 0; y < (plane ? 60 : 120); ++y)
            std::fill_n(frame->data[plane] + y * frame->linesize[plane], plane ? 80 : 160,
                        plane ? 128 : 235);
    return frame;
}

CodecContextPtr Encoder() {
    CodecContextPtr encoder(av::avcodec_alloc_context3(nullptr));
    encoder->time_base = AVRational{ 1, 25 };
    return encoder;
}

// Runs work on a thread of its own while this (main) thread serves the calls it hands over,
// as the event loop would; fails instead of hanging when the work does not end.
void RunServing(const std::function<void()>& work, const std::function<void()>& meanwhile = {}) {
    std::atomic<bool> done{ false };
    std::thread worker([&] {
        work();
        done = true;
        WakeSynchronizeWaiters();
    });
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!done) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::cerr << "post hook worker hangs\n";
            std::abort();
        }
        if (meanwhile) meanwhile();
        CheckSynchronize(5);
    }
    worker.join();
}

class PostHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
        auto display = std::make_unique<win::HeadlessBackend>();
        FDisplay = display.get();
        win::InstallBackend(std::move(display));
    }
    void TearDown() override {
        while (CheckSynchronize(0)) {}
        for (const auto& w : win::WindowSystem::Instance().AllWindows())
            win::DestroyWindow(w->FHandle);
        win::InstallBackend(nullptr);
    }

    std::vector<win::HWND> Windows() const {
        std::vector<win::HWND> handles;
        for (const auto& w : win::WindowSystem::Instance().AllWindows())
            if (win::IsWindow(w->FHandle)) handles.push_back(w->FHandle);
        return handles;
    }

    win::HeadlessBackend* FDisplay{ nullptr };
};

TEST_F(PostHooksTest, BitmapGoesOutAtMostOncePerInterval) {
    struct Case {
        std::int64_t interval;
        int calls;
        int delivered;
    };
    const Case cases[] = { { 3600000000LL, 5, 1 }, { -1, 5, 5 } };
    for (const Case& c : cases) {
        TPostHookTranscoder transcoder;
        transcoder.PreviewInterval = c.interval;
        std::vector<std::int64_t> stamps;
        transcoder.OnPreviewBitmap = [&](TObject* sender, TBitmap* bitmap, int, std::int64_t pts) {
            EXPECT_EQ(sender, &transcoder);
            EXPECT_EQ(bitmap->Width(), 160);
            stamps.push_back(pts);
        };
        transcoder.SetPostHooks({ phBitmap, phPreview });
        CodecContextPtr encoder = Encoder();
        for (int i = 0; i < c.calls; ++i)
            transcoder.DoPostHook(*WhitePicture(25 + i), *encoder);
        ASSERT_EQ(int(stamps.size()), c.delivered) << c.interval;
        EXPECT_EQ(stamps.front(), 1000000) << c.interval;
        // The bitmap is served first: no preview window comes up.
        EXPECT_EQ(transcoder.FPostContext.Previewer, nullptr);
        EXPECT_TRUE(Windows().empty());
    }
}

TEST_F(PostHooksTest, PreviewWindowOpensShowsFramesAndCloses) {
    TPostHookTranscoder transcoder;
    transcoder.PreviewInterval = -1;
    transcoder.SetPostHooks({ phPreview });
    CodecContextPtr encoder = Encoder();
    RunServing([&] { transcoder.DoPostHook(*WhitePicture(25), *encoder); });

    ASSERT_NE(transcoder.FPostContext.Previewer, nullptr);
    const win::HWND window = transcoder.FPostContext.Previewer->Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(win::IsWindowVisible(window));
    EXPECT_EQ(win::GetWindowTextString(window), "00:00:01.000");
    win::RECT client{};
    win::GetClientRect(window, &client);
    EXPECT_EQ(client.right - client.left, 160);
    EXPECT_EQ(client.bottom - client.top, 120);
    win::POINT inside{ 80, 60 };
    win::ClientToScreen(window, &inside);
    const gfx::Surface screen = FDisplay->ComposeScreen();
    EXPECT_GT(gfx::PixelR(screen.Row(inside.y)[inside.x]), 200);

    RunServing([&] { transcoder.DoPostHook(*WhitePicture(50), *encoder); });
    EXPECT_EQ(win::GetWindowTextString(window), "00:00:02.000");

    // A drag anywhere on the picture moves the window.
    win::RECT before{};
    win::GetWindowRect(window, &before);
    FDisplay->MoveMouse(inside.x, inside.y);
    FDisplay->PressButton();
    FDisplay->MoveMouse(inside.x + 30, inside.y + 20);
    FDisplay->ReleaseButton();
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE))
        win::DispatchMessage(&msg);
    win::RECT after{};
    win::GetWindowRect(window, &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);

    // The user closes it: the next post hook switches the preview off and the window goes.
    win::SendMessage(window, win::WM_CLOSE, 0, 0);
    RunServing([&] { transcoder.DoPostHook(*WhitePicture(75), *encoder); });
    EXPECT_FALSE(transcoder.PostHooks().Contains(phPreview));
    EXPECT_EQ(transcoder.FPostContext.Previewer, nullptr);
    while (CheckSynchronize(0)) {}
    EXPECT_FALSE(win::IsWindow(window));
}

TEST_F(PostHooksTest, TogglingThePreviewDuringARunNeverDeadlocks) {
    TPostHookTranscoder transcoder;
    transcoder.PreviewInterval = -1;
    transcoder.SetPostHooks({ phPreview });
    CodecContextPtr encoder = Encoder();
    // The worker keeps painting while this thread switches the preview on and off between
    // serving its paints.
    std::atomic<int> toggles{ 0 };
    RunServing(
        [&] {
            for (int i = 0; toggles < 100; ++i)
                transcoder.DoPostHook(*WhitePicture(i), *encoder);
        },
        [&] {
            ++toggles;
            transcoder.SetPostHooks(toggles % 2 ? TPostHooks{} : TPostHooks{ phPreview });
        });
    transcoder.SetPostHooks({});
    while (CheckSynchronize(0)) {}
    EXPECT_TRUE(Windows().empty());
}

TEST_F(PostHooksTest, PreviewFollowsARunningConversion) {
    const std::string folder = CreateTempFolder("post-hooks");
    ASSERT_FALSE(folder.empty());
    TPostHookTranscoder transcoder;
    ASSERT_TRUE(transcoder.OpenInputFile(fixtures::Standard().Vob)) << transcoder.LastErrMsg();
    transcoder.ParseOption("an", "1");
    transcoder.ParseOption("vcodec", "mpeg4");
    ASSERT_GT(transcoder.OpenOutputFile(folder + "preview.avi", false), 0)
        << transcoder.LastErrMsg();
    transcoder.PreviewInterval = -1;
    transcoder.SetPostHooks({ phPreview });
    std::atomic<bool> ended{ false };
    transcoder.OnTerminate = [&](TObject*) { ended = true; };
    ASSERT_TRUE(transcoder.StartConvert(true));
    std::set<std::string> captions;
    int turns = 0;
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
        CheckSynchronize(5);
        for (win::HWND window : Windows())
            captions.insert(win::GetWindowTextString(window));
        // Switching the preview off and on again from this thread never waits for the run. The
        // switching starts once the window is up: a run that took its time to get going would
        // otherwise find the preview off whenever it had a picture to show.
        if (!captions.empty() && ++turns % 4 == 0)
            transcoder.SetPostHooks(turns % 8 ? TPostHooks{ phPreview } : TPostHooks{});
    }
    ASSERT_TRUE(ended);
    transcoder.Stop(true);
    while (CheckSynchronize(0)) {}
    EXPECT_FALSE(transcoder.FatalException()) << transcoder.FatalMessage();
    EXPECT_FALSE(captions.empty());
    EXPECT_TRUE(Windows().empty());
    std::filesystem::remove_all(folder);
}

} // namespace
