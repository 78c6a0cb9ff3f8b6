#include "Src/FFPlay/Clocks.h"

#include "Src/AVUtilStubs.h"

double GetAudioClock(const TVideoState& is) {
    double pts = is.audio_clock.load();
    const int bytesPerSecond = is.audio_sample_rate * 2 * is.audio_channels;
    if (bytesPerSecond > 0) {
        const double unplayed = static_cast<double>(is.audio_buf_size.load()) -
                                static_cast<double>(is.audio_buf_index.load());
        pts -= unplayed / bytesPerSecond;
    }
    return pts;
}

double GetVideoClock(const TVideoState& is) {
    if (is.paused.load()) return is.video_current_pts.load();
    const double drift = is.video_current_pts_drift.load();
    if (drift != 0) return is.WallClock() + drift;
    return static_cast<double>(is.StartTime) / 1000000.0;
}

double GetExternalClock(const TVideoState& is) {
    const int64_t now = is.Now ? static_cast<int64_t>(is.Now() * 1000000.0) : av::av_gettime();
    return static_cast<double>(now - is.external_clock_time) * 0.000001 + is.external_clock;
}

double GetMasterClock(const TVideoState& is) {
    switch (is.av_sync_type) {
    case AV_SYNC_VIDEO_MASTER:
        return is.video_stream >= 0 ? GetVideoClock(is) : GetAudioClock(is);
    case AV_SYNC_AUDIO_MASTER:
        return is.audio_stream >= 0 ? GetAudioClock(is) : GetVideoClock(is);
    case AV_SYNC_EXTERNAL_CLOCK:
        break;
    }
    return GetExternalClock(is);
}

bool VideoIsSlave(const TVideoState& is) {
    return (is.av_sync_type == AV_SYNC_AUDIO_MASTER && is.audio_stream >= 0) ||
           is.av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
}
