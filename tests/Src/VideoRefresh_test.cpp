#include "Src/FFPlay/VideoRefresh.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FakeOwner : public TPlaybackOwner {
public:
    void RequestPictureAllocation(TVideoState&) override {}
    int FrameDrop() const override { return FFrameDrop; }
    void DisplayVideo(TVideoState& is) override {
        Shown.push_back(is.pictq_size.load() > 0 ? is.pictq[is.pictq_rindex].pts : -1);
    }
    void ReportPosition(TVideoState&) override { ++Reports; }

    int FFrameDrop{ 1 };
    std::vector<double> Shown; // pts of the read slot at each draw, -1 for a redraw of nothing
    int Reports{ 0 };
};

class VideoRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        FState.Owner = &FOwner;
        FState.Now = [this] { return FNow; };
        FState.video_stream = 0;
        FState.audio_stream = 1;
    }

    // Queues pictures of the given pts, due at the given wall-clock seconds.
    void Queue(std::initializer_list<std::pair<double, double>> pictures) {
        for (const auto& [pts, target] : pictures) {
            TVideoPicture& vp = FState.pictq[FState.pictq_windex];
            vp.pts = pts;
            vp.target_clock = target;
            vp.pos = static_cast<int64_t>(pts * 1000);
            FState.pictq_windex = (FState.pictq_windex + 1) % TVideoState::PictureQueueSize;
            FState.pictq_size.fetch_add(1);
            FState.video_clock = pts + 0.04;
        }
    }

    double FNow{ 100.0 };
    FakeOwner FOwner;
    TVideoState FState;
};

TEST_F(VideoRefreshTest, PictureNotYetDueWaitsWithoutReport) {
    Queue({ { 1.0, 100.5 } });
    VideoRefresh(FState, true);
    EXPECT_TRUE(FOwner.Shown.empty());
    EXPECT_EQ(FOwner.Reports, 0);
    EXPECT_EQ(FState.pictq_size.load(), 1);
}

TEST_F(VideoRefreshTest, DuePictureIsShownConsumedAndSetsTheVideoClock) {
    Queue({ { 1.0, 99.99 } });
    VideoRefresh(FState, true);
    EXPECT_EQ(FOwner.Shown, std::vector<double>{ 1.0 });
    EXPECT_EQ(FOwner.Reports, 1);
    EXPECT_EQ(FState.pictq_size.load(), 0);
    EXPECT_DOUBLE_EQ(FState.video_current_pts.load(), 1.0);
    EXPECT_DOUBLE_EQ(FState.video_current_pts_drift.load(), 1.0 - FNow);
    EXPECT_EQ(FState.video_current_pos.load(), 1000);
}

TEST_F(VideoRefreshTest, LatePicturesDropOrShowByTheTable) {
    struct Case {
        const char* name;
        int frameDrop, isDevice, paused;
        std::vector<std::pair<double, double>> queued;
        std::vector<double> expectedShown;
        int expectedReports;
        bool skipRaised;
    };
    const Case kCases[] = {
        // The next picture is due already: the late one goes, the next is shown.
        { "two queued, late", 1, 0, 0, { { 1.0, 99.0 }, { 1.04, 99.5 } }, { 1.04 }, 0, true },
        // Late but within half a second of its successor: shown, skipping raised.
        { "one queued, slightly late", 1, 0, 0, { { 1.0, 99.9 } }, { 1.0 }, 1, true },
        // More than half a second behind its successor's time: dropped.
        { "one queued, far behind", 1, 0, 0, { { 1.0, 99.0 } }, {}, 0, true },
        { "frame dropping off", 0, 0, 0, { { 1.0, 99.0 }, { 1.04, 99.5 } }, { 1.0 }, 1, false },
        { "capture device", 1, 1, 0, { { 1.0, 99.0 }, { 1.04, 99.5 } }, { 1.0 }, 1, false },
        { "on time", 1, 0, 0, { { 1.0, 99.99 }, { 1.04, 100.03 } }, { 1.0 }, 1, false },
        // A paused playback decodes no more pictures: the ones it has are shown however late,
        // or a playback opened paused on a busy machine would never show one.
        { "paused, two queued, late",
          1,
          0,
          1,
          { { 1.0, 99.0 }, { 1.04, 99.5 } },
          { 1.0 },
          1,
          false },
        { "paused, one queued, far behind", 1, 0, 1, { { 1.0, 99.0 } }, { 1.0 }, 1, false },
    };
    for (const auto& c : kCases) {
        FakeOwner owner;
        owner.FFrameDrop = c.frameDrop;
        TVideoState is;
        is.Owner = &owner;
        is.Now = [this] { return FNow; };
        is.video_stream = 0;
        is.IsDevice = c.isDevice;
        is.paused = c.paused;
        for (const auto& [pts, target] : c.queued) {
            TVideoPicture& vp = is.pictq[is.pictq_windex];
            vp.pts = pts;
            vp.target_clock = target;
            is.pictq_windex = (is.pictq_windex + 1) % TVideoState::PictureQueueSize;
            is.pictq_size.fetch_add(1);
            is.video_clock = pts + 0.04;
        }
        VideoRefresh(is, true);
        EXPECT_EQ(owner.Shown, c.expectedShown) << c.name;
        EXPECT_EQ(owner.Reports, c.expectedReports) << c.name;
        EXPECT_EQ(is.skip_frames.load() > 1.0, c.skipRaised) << c.name;
    }
}

TEST_F(VideoRefreshTest, AfterASeekEveryQueuedPictureIsDropped) {
    Queue({ { 1.0, 90.0 }, { 1.04, 200.0 } }); // the second not even due
    FState.seek_done = 1;
    VideoRefresh(FState, true);
    // Dropped the due one; the one not yet due waits, so nothing is shown and nothing reported.
    EXPECT_TRUE(FOwner.Shown.empty());
    EXPECT_EQ(FOwner.Reports, 0);
    EXPECT_EQ(FState.pictq_size.load(), 1);

    FNow = 300;
    VideoRefresh(FState, true);
    EXPECT_TRUE(FOwner.Shown.empty());
    EXPECT_EQ(FOwner.Reports, 0);
    EXPECT_EQ(FState.pictq_size.load(), 0);
}

TEST_F(VideoRefreshTest, RedrawWithEmptyQueueDrawsTheLastPictureAgain) {
    FState.paused = 1;
    VideoRefresh(FState, false);
    EXPECT_EQ(FOwner.Shown, std::vector<double>{ -1 });
    EXPECT_EQ(FOwner.Reports, 1);
}

TEST_F(VideoRefreshTest, RedrawShowsTheDuePictureWithoutTakingIt) {
    Queue({ { 2.0, 99.99 } });
    VideoRefresh(FState, false);
    EXPECT_EQ(FOwner.Shown, std::vector<double>{ 2.0 });
    EXPECT_EQ(FState.pictq_size.load(), 1);
}

TEST_F(VideoRefreshTest, AudioOnlyDrawsTheAudioDisplayAndReports) {
    FState.video_stream = -1;
    VideoRefresh(FState, true);
    EXPECT_EQ(FOwner.Shown.size(), 1u);
    EXPECT_EQ(FOwner.Reports, 1);
}

TEST_F(VideoRefreshTest, EndedSubtitlesAreRetired) {
    struct Case {
        const char* name;
        double videoPts;
        int queued;
        int changed;
        int expectedLeft;
    };
    // Subpicture 0 at 1 s shows for 2 s; subpicture 1 starts at 2.5 s.
    const Case kCases[] = {
        { "still showing", 1.5, 1, 0, 1 },
        { "ended", 3.5, 1, 0, 0 },
        { "next one started", 2.6, 2, 0, 1 },
        { "stream changed", 1.5, 2, 1, 0 },
    };
    for (const auto& c : kCases) {
        FakeOwner owner;
        TVideoState is;
        is.Owner = &owner;
        is.Now = [this] { return FNow; };
        is.video_stream = 0;
        is.subtitle_stream = 2;
        is.subtitle_stream_changed = c.changed;
        is.subpq[0].pts = 1.0;
        is.subpq[0].sub.end_display_time = 2000;
        is.subpq[1].pts = 2.5;
        is.subpq[1].sub.start_display_time = 0;
        is.subpq[1].sub.end_display_time = 1000;
        is.subpq_size = c.queued;
        is.pictq[0].pts = c.videoPts;
        is.pictq[0].target_clock = FNow;
        is.pictq_size = 1;
        is.video_clock = c.videoPts + 0.04;
        VideoRefresh(is, true);
        EXPECT_EQ(is.subpq_size, c.expectedLeft) << c.name;
        EXPECT_EQ(is.subtitle_stream_changed.load(), 0) << c.name;
    }
}

} // namespace
