#include "Src/FFPlay/SubtitleDecoder.h"

#include "Src/AVFormatStubs.h"

#include <chrono>
#include <thread>

uint32_t RgbaToYuva(uint32_t rgba) {
    const int a = static_cast<int>((rgba >> 24) & 0xFF);
    const int r = static_cast<int>((rgba >> 16) & 0xFF);
    const int g = static_cast<int>((rgba >> 8) & 0xFF);
    const int b = static_cast<int>(rgba & 0xFF);
    // Right shifts of negative values are arithmetic in C++20, which keeps Cb and Cr in range.
    const int y = (263 * r + 517 * g + 101 * b + 16896) >> 10;
    const int cb = ((-152 * r - 298 * g + 450 * b + 511) >> 10) + 128;
    const int cr = ((450 * r - 377 * g - 74 * b + 511) >> 10) + 128;
    return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(y) << 16) |
           (static_cast<uint32_t>(cb) << 8) | static_cast<uint32_t>(cr);
}

void SubtitleThreadProc(TVideoState& is) {
    using namespace std::chrono_literals;
    if (!is.subtitle_ctx) return;
    const AVPacket* flush = is.Owner ? is.Owner->FlushPacket() : nullptr;
    PacketPtr pkt(av::av_packet_alloc());
    for (;;) {
        while (is.paused.load() && !is.subtitleq.AbortRequest() && !is.seek_paused.load()) {
            std::this_thread::sleep_for(10ms);
        }
        if (is.subtitleq.Get(pkt.get(), true) < 0) break;
        if (IsFlushPacket(pkt.get(), flush)) {
            av::avcodec_flush_buffers(is.subtitle_ctx.get());
            continue;
        }
        {
            std::unique_lock lock(is.subpq_mutex);
            is.subpq_cond.wait(lock, [&] {
                return is.subpq_size < TVideoState::SubpictureQueueSize ||
                       is.subtitleq.AbortRequest();
            });
        }
        if (is.subtitleq.AbortRequest()) break;
        TSubPicture& sp = is.subpq[is.subpq_windex];
        const double pts = pkt->pts != AV_NOPTS_VALUE && is.subtitle_st
                               ? static_cast<double>(pkt->pts) * av_q2d(is.subtitle_st->time_base)
                               : 0;
        int got = 0;
        FreeSubpicture(sp);
        const int used =
            av::avcodec_decode_subtitle2(is.subtitle_ctx.get(), &sp.sub, &got, pkt.get());
        av::av_packet_unref(pkt.get());
        if (used < 0 || !got) continue;
        if (sp.sub.format != 0) {
            FreeSubpicture(sp);
            continue;
        }
        sp.pts = pts;
        for (unsigned i = 0; i < sp.sub.num_rects; ++i) {
            AVSubtitleRect* rect = sp.sub.rects[i];
            if (!rect || !rect->data[1]) continue;
            auto* palette = reinterpret_cast<uint32_t*>(rect->data[1]);
            for (int j = 0; j < rect->nb_colors && j < 256; ++j)
                palette[j] = RgbaToYuva(palette[j]);
        }
        is.subpq_windex = (is.subpq_windex + 1) % TVideoState::SubpictureQueueSize;
        {
            std::lock_guard lock(is.subpq_mutex);
            ++is.subpq_size;
        }
        is.subpq_cond.notify_all();
    }
}
