#include "Src/FFPlay/PauseAndRefresh.h"

#include <cerrno>
#include <chrono>
#include <thread>

namespace {

constexpr int PauseWaitMs = 250;
// av_read_pause's answer for a demuxer that cannot pause: its clock kept running.
constexpr int ReadPauseUnsupported = AVERROR(ENOSYS);

} // namespace

void ResumeClocks(TVideoState& is, double now) {
    // A playback paused before its first picture has no time the clock last moved at: the
    // shift would be the whole wall clock and put every picture's due time years ahead, so the
    // playback would never go on.
    if (!is.video_picture_shown.load()) return;
    {
        std::lock_guard lock(is.pictq_mutex);
        is.frame_timer += now + is.video_current_pts_drift.load() - is.video_current_pts.load();
    }
    if (is.read_pause_return.load() != ReadPauseUnsupported) {
        is.video_current_pts = is.video_current_pts_drift.load() + now;
    }
    is.video_current_pts_drift = is.video_current_pts.load() - now;
}

void TogglePauseState(TVideoState& is) {
    if (is.Owner && !is.Owner->AwaitSeekDone(PauseWaitMs)) return;
    if (is.paused.load()) {
        ResumeClocks(is, is.WallClock());
        is.paused = 0;
        return;
    }
    if (is.video_stream >= 0 && is.Owner && !is.Owner->AwaitPicture(PauseWaitMs)) return;
    is.paused = 1;
}

void RefreshThreadProc(TVideoState& is) {
    while (is.abort_request.load() != 1) {
        if (is.refresh.load() != 1) {
            is.refresh = 1;
            if (is.Owner) is.Owner->PostRefreshEvent(is);
        }
        const bool audioDisplay = is.audio_stream >= 0 && is.show_audio.load() != 0;
        const int ms = audioDisplay && is.Owner ? is.Owner->RdftSpeed() : 5;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}
