#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/PauseAndRefresh.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>

extern "C" {
#include <libavutil/error.h>
}

namespace {

using namespace std::chrono_literals;

class PauseOwner : public TPlaybackOwner {
public:
    int FrameDrop() const override { return 1; }
    void DisplayVideo(TVideoState&) override {}
    void ReportPosition(TVideoState&) override {}
    void RequestPictureAllocation(TVideoState&) override {}
    bool AwaitSeekDone(int) override { return FHasPlayback; }
    bool AwaitPicture(int) override { return FHasPlayback; }
    void PostRefreshEvent(TVideoState&) override {
        {
            std::lock_guard lock(FMutex);
            ++FPosted;
        }
        FCond.notify_all();
    }
    bool FHasPlayback{ true };
    std::mutex FMutex;
    std::condition_variable FCond;
    int FPosted{ 0 };
};

TEST(PlayerPause, ResumingCarriesTheVideoClockAcrossThePause) {
    struct Case {
        const char* name;
        int readPauseReturn;
        double expectedClock; // video clock right after resuming
    };
    // Paused at media time 10 s (wall 100 s); resumed at wall 130 s. The frame timer moves on
    // by the pause either way; the clock keeps its drift unless the demuxer could not pause,
    // in which case it restarts from the picture shown.
    const Case kCases[] = {
        { "demuxer paused", 0, 40.0 },
        { "demuxer cannot pause", AVERROR(ENOSYS), 10.0 },
    };
    for (const auto& c : kCases) {
        PauseOwner owner;
        TVideoState is;
        double now = 100;
        is.Now = [&] { return now; };
        is.Owner = &owner;
        is.video_stream = 0;
        is.video_current_pts = 10;
        is.video_current_pts_drift = 10 - 100.0;
        is.video_picture_shown = 1;
        is.frame_timer = 100.04;
        TogglePauseState(is);
        EXPECT_EQ(is.paused.load(), 1) << c.name;
        EXPECT_DOUBLE_EQ(GetVideoClock(is), 10) << c.name;
        now = 130;
        EXPECT_DOUBLE_EQ(GetVideoClock(is), 10) << c.name;
        is.read_pause_return = c.readPauseReturn;
        TogglePauseState(is);
        EXPECT_EQ(is.paused.load(), 0) << c.name;
        EXPECT_NEAR(is.frame_timer, 130.04, 1e-9) << c.name;
        EXPECT_NEAR(GetVideoClock(is), c.expectedClock, 1e-9) << c.name;
        now = 131;
        EXPECT_NEAR(GetVideoClock(is), c.expectedClock + 1, 1e-9) << c.name;
    }
}

TEST(PlayerPause, ResumingBeforeTheFirstPictureKeepsTheFrameTimer) {
    PauseOwner owner;
    TVideoState is;
    double now = 1.7e9;
    is.Now = [&] { return now; };
    is.Owner = &owner;
    is.video_stream = 0;
    is.frame_timer = now;
    TogglePauseState(is);
    ASSERT_EQ(is.paused.load(), 1);
    now += 30;
    TogglePauseState(is);
    EXPECT_EQ(is.paused.load(), 0);
    EXPECT_DOUBLE_EQ(is.frame_timer, 1.7e9);
    EXPECT_DOUBLE_EQ(is.video_current_pts.load(), 0);
}

TEST(PlayerPause, NothingChangesOnceThePlaybackIsGone) {
    PauseOwner owner;
    owner.FHasPlayback = false;
    TVideoState is;
    is.Now = [] { return 1.0; };
    is.Owner = &owner;
    is.video_stream = 0;
    TogglePauseState(is);
    EXPECT_EQ(is.paused.load(), 0);
}

TEST(PlayerRefreshThread, KeepsOneEventPendingAndEndsWithThePlayback) {
    PauseOwner owner;
    TVideoState is;
    is.Owner = &owner;
    auto done = std::async(std::launch::async, [&] { RefreshThreadProc(is); });
    {
        std::unique_lock lock(owner.FMutex);
        ASSERT_TRUE(owner.FCond.wait_for(lock, 30s, [&] { return owner.FPosted >= 1; }));
    }
    EXPECT_EQ(is.refresh.load(), 1);
    // Until the event loop takes the event, no second one is posted.
    EXPECT_EQ(done.wait_for(50ms), std::future_status::timeout);
    {
        std::lock_guard lock(owner.FMutex);
        EXPECT_EQ(owner.FPosted, 1);
    }
    is.refresh = 0;
    {
        std::unique_lock lock(owner.FMutex);
        ASSERT_TRUE(owner.FCond.wait_for(lock, 30s, [&] { return owner.FPosted >= 2; }));
    }
    is.abort_request = 1;
    EXPECT_EQ(done.wait_for(30s), std::future_status::ready);
}

} // namespace
