#include "Src/FFPlay/VideoDecoder.h"

#include "Src/AVFormatStubs.h"
#include "Src/FFPlay/PictureOverlay.h"
#include "Src/FFPlay/VideoFilterGraph.h"
#include "Src/FFPlay/VideoRefresh.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <thread>

namespace {

void ResetAfterFlush(TVideoState& is) {
    {
        std::unique_lock lock(is.pictq_mutex);
        for (auto& vp : is.pictq)
            vp.target_clock = 0;
        is.pictq_cond.wait(lock,
                           [&] { return is.pictq_size.load() == 0 || is.videoq.AbortRequest(); });
        // The frame timer belongs to whoever holds the picture queue's lock.
        is.frame_last_pts = static_cast<double>(AV_NOPTS_VALUE);
        is.frame_last_delay = 0;
        is.frame_timer = is.WallClock();
    }
    is.video_current_pos = -1;
    // No picture is queued since the flush: a first one at time 0, read as one without a time,
    // would otherwise take the time after the last picture before the seek.
    is.video_clock = 0;
    is.skip_frames = 1;
    is.skip_frames_index = 0;
    is.seek_flushed = 1;
}

// The skip decision for a decoded picture: 1 to pass it on, 0 to skip it.
int PassOrSkip(TVideoState& is) {
    is.skip_frames_index += 1;
    const double skip = is.skip_frames.load();
    if (is.skip_frames_index >= skip) {
        is.skip_frames_index -= std::max(skip, 1.0);
        return 1;
    }
    return 0;
}

} // namespace

int64_t ChooseFramePts(const AVFrame& frame, int decoderReorderPts) {
    switch (decoderReorderPts) {
    case 0:
        return frame.pkt_dts;
    case 1:
        return frame.pts;
    default:
        return frame.best_effort_timestamp;
    }
}

int GetVideoFrame(TVideoState& is, AVFrame* frame) {
    AVCodecContext* ctx = is.video_ctx.get();
    const AVPacket* flush = is.Owner ? is.Owner->FlushPacket() : nullptr;
    const int received = av::avcodec_receive_frame(ctx, frame);
    if (received >= 0) return PassOrSkip(is);
    PacketPtr pkt(av::av_packet_alloc());
    if (is.videoq.Get(pkt.get(), true) < 0) return -1;
    if (IsFlushPacket(pkt.get(), flush)) {
        av::avcodec_flush_buffers(ctx);
        ResetAfterFlush(is);
        return 0;
    }
    const bool endOfInput = pkt->size == 0;
    const int sent = av::avcodec_send_packet(ctx, endOfInput ? nullptr : pkt.get());
    if (sent == AVERROR_EOF || endOfInput) {
        // Drained: the decoder takes packets again only after the flush of the next seek.
        if (!is.EventEOF.load() && is.Owner) is.Owner->ReportPosition(is);
    }
    return 0;
}

int QueuePicture(TVideoState& is, AVFrame* frame, double pts, int64_t pos) {
    {
        std::unique_lock lock(is.pictq_mutex);
        if (is.pictq_size.load() >= TVideoState::PictureQueueSize && is.refresh.load() != 1) {
            is.skip_frames = std::max(0.95, 0.95 * is.skip_frames.load());
        }
        is.pictq_cond.wait(lock, [&] {
            return is.pictq_size.load() < TVideoState::PictureQueueSize || is.videoq.AbortRequest();
        });
    }
    if (is.videoq.AbortRequest()) return -1;

    TVideoPicture& vp = is.pictq[is.pictq_windex];
    const int width = frame->width & ~1;
    const int height = frame->height & ~1;
    if (!vp.allocated || vp.width != width || vp.height != height) {
        {
            std::lock_guard lock(is.pictq_mutex);
            vp.allocated = 0;
            vp.width = width;
            vp.height = height;
            vp.pix_fmt = frame->format;
        }
        if (is.Owner) is.Owner->RequestPictureAllocation(is);
        std::unique_lock lock(is.pictq_mutex);
        is.pictq_cond.wait(lock, [&] { return vp.allocated || is.videoq.AbortRequest(); });
        if (is.videoq.AbortRequest()) return -1;
    }
    if (!vp.picref) vp.picref.reset(av::av_frame_alloc());
    av::av_frame_unref(vp.picref.get());
    if (av::av_frame_ref(vp.picref.get(), frame) < 0) return -1;
    if (is.Owner) is.Owner->HookPicture(is, *vp.picref, pts);
    if (vp.bmp) CopyToOverlay(vp.bmp, *vp.picref, is.Owner && is.Owner->VerticalFlip());
    vp.pts = pts;
    vp.pos = pos;
    is.pictq_windex = (is.pictq_windex + 1) % TVideoState::PictureQueueSize;
    {
        std::lock_guard lock(is.pictq_mutex);
        vp.target_clock = ComputeTargetTime(is, vp.pts);
        is.pictq_size.fetch_add(1);
    }
    is.pictq_cond.notify_all();
    return 0;
}

int OutputPicture(TVideoState& is, AVFrame* frame, double pts, int64_t pos) {
    if (pts != 0) {
        is.video_clock = pts;
    } else {
        pts = is.video_clock.load();
    }
    double frameDelay = 0;
    if (is.video_st) {
        AVRational rate = is.video_st->avg_frame_rate;
        if (rate.num <= 0 || rate.den <= 0) rate = is.video_st->r_frame_rate;
        if (rate.num > 0 && rate.den > 0) frameDelay = av_q2d(av_inv_q(rate));
    }
    frameDelay += frame->repeat_pict * (frameDelay * 0.5);
    is.video_clock = is.video_clock.load() + frameDelay;
    return QueuePicture(is, frame, pts, pos);
}

void VideoThreadProc(TVideoState& is) {
    using namespace std::chrono_literals;
    if (!is.video_ctx || !is.video_st) return;
    FramePtr frame(av::av_frame_alloc());
    FramePtr filtered(av::av_frame_alloc());
    TVideoFilterGraph graph;
    const int reorder = is.Owner ? is.Owner->DecoderReorderPts() : -1;
    const std::string filters = is.Owner ? is.Owner->VideoFilters() : std::string();
    const int swsFlags = is.Owner ? is.Owner->SwsFlags() : 4;
    for (;;) {
        while (is.paused.load() && !is.videoq.AbortRequest() && !is.seek_paused.load() &&
               !is.open_paused.load()) {
            std::this_thread::sleep_for(10ms);
        }
        const int got = GetVideoFrame(is, frame.get());
        if (got < 0) break;
        if (got == 0) {
            av::av_frame_unref(frame.get());
            continue;
        }
        frame->pts = ChooseFramePts(*frame, reorder);
        const int64_t pos = frame->pkt_pos;
        if (!graph.Matches(*frame) &&
            !graph.Configure(*frame, is.video_st->time_base, frame->sample_aspect_ratio, filters,
                             swsFlags)) {
            if (is.Owner) is.Owner->Log(llError, "Cannot build the video filter graph");
            break;
        }
        if (graph.Push(frame.get()) < 0) {
            av::av_frame_unref(frame.get());
            continue;
        }
        bool ended = false;
        while (!ended && graph.Pull(filtered.get()) >= 0) {
            if (is.seek_done.load() && is.seek_flushed.load()) {
                is.seek_done = 0;
                is.seek_paused = 0;
            }
            const double pts =
                filtered->pts == AV_NOPTS_VALUE
                    ? 0
                    : static_cast<double>(filtered->pts) * av_q2d(graph.OutputTimeBase());
            if (OutputPicture(is, filtered.get(), pts, pos) < 0) {
                ended = true;
                break;
            }
            av::av_frame_unref(filtered.get());
            if (is.Owner) is.Owner->PictureQueued(is);
            is.EventEOF = 0;
            if (is.open_paused.load()) {
                if (is.open_paused.load() >= 2) {
                    is.open_paused = 0;
                    if (is.Owner) is.Owner->OpenedPaused(is);
                } else {
                    is.open_paused.fetch_add(1);
                }
            }
            if (is.Owner) is.Owner->StepDone(is);
        }
        av::av_frame_unref(filtered.get());
        if (ended) break;
    }
}
