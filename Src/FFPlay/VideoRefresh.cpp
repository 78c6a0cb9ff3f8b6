#include "Src/FFPlay/VideoRefresh.h"

#include "Src/FFPlay/Clocks.h"

#include <algorithm>
#include <cmath>

namespace {

// Differences at or above this are a jump in the stream, not drift to correct.
constexpr double NoSyncThreshold = 10.0;
constexpr double SyncThresholdMin = 0.01;

void ReleaseReadSlot(TVideoState& is) {
    is.pictq_rindex = (is.pictq_rindex + 1) % TVideoState::PictureQueueSize;
    {
        std::lock_guard lock(is.pictq_mutex);
        is.pictq_size.fetch_sub(1);
    }
    is.pictq_cond.notify_all();
}

void RetireSubpicture(TVideoState& is) {
    FreeSubpicture(is.subpq[is.subpq_rindex]);
    is.subpq_rindex = (is.subpq_rindex + 1) % TVideoState::SubpictureQueueSize;
    --is.subpq_size;
}

void RetireSubtitles(TVideoState& is) {
    std::unique_lock lock(is.subpq_mutex);
    if (is.subtitle_stream_changed.load()) {
        while (is.subpq_size > 0)
            RetireSubpicture(is);
        is.subtitle_stream_changed.store(0);
        lock.unlock();
        is.subpq_cond.notify_all();
        return;
    }
    if (is.subpq_size <= 0) return;
    const double now = is.video_current_pts.load();
    const TSubPicture& sp = is.subpq[is.subpq_rindex];
    const TSubPicture* sp2 =
        is.subpq_size > 1 ? &is.subpq[(is.subpq_rindex + 1) % TVideoState::SubpictureQueueSize]
                          : nullptr;
    if (now > sp.pts + sp.sub.end_display_time / 1000.0 ||
        (sp2 && now > sp2->pts + sp2->sub.start_display_time / 1000.0)) {
        RetireSubpicture(is);
        lock.unlock();
        is.subpq_cond.notify_all();
    }
}

} // namespace

double ComputeTargetTime(TVideoState& is, double pts) {
    double delay = pts - is.frame_last_pts;
    if (delay <= 0 || delay >= NoSyncThreshold) {
        delay = is.frame_last_delay;
    } else {
        is.frame_last_delay = delay;
    }
    is.frame_last_pts = pts;

    if (VideoIsSlave(is)) {
        const double diff = GetVideoClock(is) - GetMasterClock(is);
        const double threshold = std::max(delay, SyncThresholdMin);
        if (std::fabs(diff) < NoSyncThreshold) {
            if (diff <= -threshold) {
                delay = 0;
            } else if (diff >= threshold) {
                delay = 2 * delay;
            }
        }
    }
    is.frame_timer += delay;
    return is.frame_timer;
}

void VideoRefresh(TVideoState& is, bool consume) {
    bool report = true;
    if (is.video_stream < 0) {
        if (is.audio_stream >= 0 && is.Owner) {
            is.Owner->DisplayVideo(is);
            is.Owner->ReportPosition(is);
        }
        return;
    }
    for (;;) {
        if (is.pictq_size.load() == 0) {
            if (!consume && is.Owner) is.Owner->DisplayVideo(is);
            break;
        }
        // Pictures decoded before a seek go while it is pending. The video thread clears the
        // flag before it queues the first picture after the seek, so reading it after the
        // queue keeps that picture.
        const bool seekFlag = is.seek_done.load() != 0;
        const double now = is.WallClock();
        const TVideoPicture& vp = is.pictq[is.pictq_rindex];
        // A flush on the video thread resets the due times of queued pictures under the lock.
        double target;
        double nextTarget;
        {
            std::lock_guard lock(is.pictq_mutex);
            target = vp.target_clock;
            nextTarget =
                is.pictq_size.load() > 1
                    ? is.pictq[(is.pictq_rindex + 1) % TVideoState::PictureQueueSize].target_clock
                    : target + is.video_clock.load() - vp.pts;
        }
        if (now < target) return;

        is.video_current_pts.store(vp.pts);
        is.video_current_pts_drift.store(vp.pts - now);
        is.video_current_pos.store(vp.pos);
        is.video_picture_shown.store(1);
        // A picture taken once the seek is done follows it: the pictures before the seek were
        // flushed before the video thread ended the seek.
        if (!seekFlag) is.video_clock_stale.store(0);

        // A paused playback decodes no more pictures, so a late one is shown, not dropped: a
        // playback opened paused on a busy machine would otherwise never show a picture.
        const bool frameDrop = is.Owner && is.Owner->FrameDrop() != 0 && is.paused.load() == 0;
        if ((frameDrop && now > nextTarget && !is.IsDevice.load()) || seekFlag) {
            is.skip_frames.store(is.skip_frames.load() * 1.05);
            if (is.pictq_size.load() > 1 || now > nextTarget + 0.5 || seekFlag) {
                ReleaseReadSlot(is);
                report = false;
                continue;
            }
        }
        if (is.subtitle_stream >= 0) RetireSubtitles(is);
        if (is.Owner) is.Owner->DisplayVideo(is);
        if (consume) ReleaseReadSlot(is);
        break;
    }
    if (report && is.Owner) is.Owner->ReportPosition(is);
}
