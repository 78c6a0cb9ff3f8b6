#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/VideoRefresh.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr double kNow = 1000.0;

void UseFixedTime(TVideoState& is) {
    is.Now = [] { return kNow; };
}

TEST(PlayerClocks, AudioClockSubtractsTheUnplayedBytes) {
    struct Case {
        int rate, channels;
        unsigned bufSize;
        int bufIndex;
        double expected;
    };
    const Case kCases[] = {
        { 44100, 2, 17640, 0, 9.9 },    // 0.1 s of stereo 16-bit still to play
        { 44100, 2, 17640, 17640, 10 }, // all played
        { 48000, 1, 9600, 4800, 9.95 },
        { 0, 0, 17640, 0, 10 }, // no audio stream: the clock as it stands
    };
    for (const auto& c : kCases) {
        TVideoState is;
        is.audio_clock = 10;
        is.audio_sample_rate = c.rate;
        is.audio_channels = c.channels;
        is.audio_buf_size = c.bufSize;
        is.audio_buf_index = c.bufIndex;
        EXPECT_NEAR(GetAudioClock(is), c.expected, 1e-9) << c.rate << " " << c.bufIndex;
    }
}

TEST(PlayerClocks, VideoClockFollowsPauseDriftAndStartTime) {
    struct Case {
        int paused;
        double pts, drift;
        int64_t startTime;
        double expected;
    };
    const Case kCases[] = {
        { 1, 12.5, -987.5, 0, 12.5 }, // paused: stands at the last shown picture
        { 0, 12.5, -987.5, 0, 12.5 }, // running: wall clock plus drift
        { 0, 12.5, -990.0, 0, 10.0 }, // wall clock moved on since the picture
        { 0, 0, 0, 2500000, 2.5 },    // nothing shown yet: the file's start
    };
    for (const auto& c : kCases) {
        TVideoState is;
        UseFixedTime(is);
        is.paused = c.paused;
        is.video_current_pts = c.pts;
        is.video_current_pts_drift = c.drift;
        is.StartTime = c.startTime;
        EXPECT_DOUBLE_EQ(GetVideoClock(is), c.expected) << c.paused << " " << c.drift;
    }
}

TEST(PlayerClocks, ExternalClockRunsFromItsReference) {
    TVideoState is;
    UseFixedTime(is);
    is.external_clock_time = 998000000; // two seconds before kNow, in microseconds
    is.external_clock = 1.5;
    EXPECT_NEAR(GetExternalClock(is), 3.5, 1e-6);
}

TEST(PlayerClocks, MasterClockFallsBackToTheStreamThatExists) {
    enum Clock { cAudio, cVideo, cExternal };
    struct Case {
        Tav_sync_type sync;
        int audio, video;
        Clock expected;
    };
    const Case kCases[] = {
        { AV_SYNC_AUDIO_MASTER, 1, 0, cAudio },      { AV_SYNC_AUDIO_MASTER, -1, 0, cVideo },
        { AV_SYNC_VIDEO_MASTER, 1, 0, cVideo },      { AV_SYNC_VIDEO_MASTER, 1, -1, cAudio },
        { AV_SYNC_EXTERNAL_CLOCK, 1, 0, cExternal }, { AV_SYNC_EXTERNAL_CLOCK, -1, -1, cExternal },
    };
    for (const auto& c : kCases) {
        TVideoState is;
        UseFixedTime(is);
        is.av_sync_type = c.sync;
        is.audio_stream = c.audio;
        is.video_stream = c.video;
        is.audio_clock = 1;                                                      // audio: 1 s
        is.video_current_pts_drift = 2 - kNow;                                   // video: 2 s
        is.external_clock_time = static_cast<int64_t>(kNow * 1000000) - 3000000; // external: 3 s
        const double expected[] = { 1, 2, 3 };
        EXPECT_NEAR(GetMasterClock(is), expected[c.expected], 1e-6)
            << c.sync << " audio " << c.audio << " video " << c.video;
    }
}

TEST(PlayerTargetTime, DelayFromPtsStepsWithSyncCorrection) {
    constexpr double kMissing = static_cast<double>(std::numeric_limits<int64_t>::min());
    struct Case {
        const char* name;
        Tav_sync_type sync;
        double lastPts, lastDelay, pts;
        double videoMinusMaster;
        double expectedDelay, expectedLastDelay;
    };
    const Case kCases[] = {
        { "in step", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 1.04, 0, 0.04, 0.04 },
        { "first after flush", AV_SYNC_AUDIO_MASTER, kMissing, 0, 5.0, 0, 0, 0 },
        { "backwards", AV_SYNC_AUDIO_MASTER, 2.0, 0.04, 1.0, 0, 0.04, 0.04 },
        { "jump of 10 s", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 11.0, 0, 0.04, 0.04 },
        { "video late", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 1.04, -0.05, 0, 0.04 },
        { "video early", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 1.04, 0.05, 0.08, 0.04 },
        { "within threshold", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 1.04, 0.039, 0.04, 0.04 },
        { "small delay uses floor", AV_SYNC_AUDIO_MASTER, 1.0, 0.004, 1.005, -0.0099, 0.005,
          0.005 },
        { "clocks 10 s apart", AV_SYNC_AUDIO_MASTER, 1.0, 0.04, 1.04, -10.0, 0.04, 0.04 },
        { "video master", AV_SYNC_VIDEO_MASTER, 1.0, 0.04, 1.04, -0.5, 0.04, 0.04 },
        { "external master", AV_SYNC_EXTERNAL_CLOCK, 1.0, 0.04, 1.04, 0.5, 0.08, 0.04 },
    };
    for (const auto& c : kCases) {
        TVideoState is;
        UseFixedTime(is);
        is.av_sync_type = c.sync;
        is.audio_stream = 1;
        is.video_stream = 0;
        is.frame_last_pts = c.lastPts;
        is.frame_last_delay = c.lastDelay;
        is.frame_timer = 500;
        // Video clock 20 s; the master (audio, or external) 20 s minus the difference.
        is.video_current_pts_drift = 20 - kNow;
        is.audio_clock = 20 - c.videoMinusMaster;
        is.external_clock_time = static_cast<int64_t>(kNow * 1000000);
        is.external_clock = 20 - c.videoMinusMaster;
        EXPECT_NEAR(ComputeTargetTime(is, c.pts), 500 + c.expectedDelay, 1e-9) << c.name;
        EXPECT_NEAR(is.frame_last_delay, c.expectedLastDelay, 1e-9) << c.name;
        EXPECT_EQ(is.frame_last_pts, c.pts) << c.name;
    }
}

} // namespace
