#include "Src/FFPlay/AudioDecoder.h"

#include "Src/AVFormatStubs.h"
#include "Src/FFPlay/Clocks.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double NoSyncThreshold = 10.0;
constexpr int AudioDiffAvgCount = 20;
constexpr int SilenceBytes = 1024;

int BytesPerSampleFrame(const TVideoState& is) {
    return 2 * std::max(is.audio_channels, 1);
}

bool SourceChanged(const TVideoState& is, const AVFrame& frame) {
    return frame.format != is.audio_src_fmt || frame.sample_rate != is.audio_src_rate ||
           frame.ch_layout.nb_channels != is.audio_src_channels ||
           (frame.ch_layout.order == AV_CHANNEL_ORDER_NATIVE &&
            frame.ch_layout.u.mask != is.audio_src_mask);
}

// (Re)creates the converter from the frame's format to what the output plays.
bool PrepareConverter(TVideoState& is, const AVFrame& frame) {
    if (is.swr_ctx && !SourceChanged(is, frame)) return true;
    is.swr_ctx.reset();
    is.audio_src_fmt = -1;
    AVChannelLayout outLayout{};
    av::av_channel_layout_default(&outLayout, is.audio_channels);
    AVChannelLayout inLayout{};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
        av::av_channel_layout_default(&inLayout, frame.ch_layout.nb_channels);
    } else {
        av::av_channel_layout_copy(&inLayout, &frame.ch_layout);
    }
    SwrContext* raw = nullptr;
    int ret = av::swr_alloc_set_opts2(&raw, &outLayout, AV_SAMPLE_FMT_S16, is.audio_sample_rate,
                                      &inLayout, static_cast<AVSampleFormat>(frame.format),
                                      frame.sample_rate, 0, nullptr);
    SwrContextPtr swr(raw);
    av::av_channel_layout_uninit(&inLayout);
    av::av_channel_layout_uninit(&outLayout);
    if (ret >= 0) ret = av::swr_init(swr.get());
    if (ret < 0) {
        if (is.Owner) {
            const char* from =
                av::av_get_sample_fmt_name(static_cast<AVSampleFormat>(frame.format));
            is.Owner->ReportError(Format("Cannot convert %s sample format to %s sample format",
                                         from ? from : "unknown",
                                         av::av_get_sample_fmt_name(AV_SAMPLE_FMT_S16)));
        }
        return false;
    }
    is.swr_ctx = std::move(swr);
    is.audio_src_fmt = frame.format;
    is.audio_src_rate = frame.sample_rate;
    is.audio_src_channels = frame.ch_layout.nb_channels;
    is.audio_src_mask =
        frame.ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? frame.ch_layout.u.mask : 0;
    return true;
}

// Converts the frame into is.audio_buf; result the byte count or -1.
int ConvertFrame(TVideoState& is, const AVFrame& frame) {
    if (frame.nb_samples <= 0 || frame.sample_rate <= 0) return -1;
    if (!PrepareConverter(is, frame)) return -1;
    const int64_t outCount = av::av_rescale_rnd(
        av::swr_get_delay(is.swr_ctx.get(), frame.sample_rate) + frame.nb_samples,
        is.audio_sample_rate, frame.sample_rate, AV_ROUND_UP);
    if (outCount <= 0 || outCount > 16 * 1024 * 1024) return -1;
    const int n = BytesPerSampleFrame(is);
    // Room for the synchronisation to stretch by a tenth, plus one sample frame of rounding.
    const size_t capacity = static_cast<size_t>(outCount) * n * 11 / 10 + n;
    if (is.audio_buf.size() < capacity) is.audio_buf.resize(capacity);
    uint8_t* out[] = { is.audio_buf.data() };
    const int got =
        av::swr_convert(is.swr_ctx.get(), out, static_cast<int>(outCount),
                        const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
    if (got < 0) {
        if (is.Owner) is.Owner->ReportError("av_audio_convert() failed");
        return -1;
    }
    return got * n;
}

} // namespace

int DecodeAudioFrame(TVideoState& is, double& pts) {
    if (!is.audio_ctx) return -1;
    if (!is.audio_frame) is.audio_frame.reset(av::av_frame_alloc());
    if (!is.audio_pkt) is.audio_pkt.reset(av::av_packet_alloc());
    const AVPacket* flush = is.Owner ? is.Owner->FlushPacket() : nullptr;
    for (;;) {
        const int received = av::avcodec_receive_frame(is.audio_ctx.get(), is.audio_frame.get());
        if (received >= 0) {
            AVFrame& frame = *is.audio_frame;
            if (frame.pts != AV_NOPTS_VALUE && is.audio_st) {
                is.audio_clock = static_cast<double>(frame.pts) * av_q2d(is.audio_st->time_base);
            }
            const int size = ConvertFrame(is, frame);
            av::av_frame_unref(&frame);
            if (size < 0) continue;
            pts = is.audio_clock.load();
            const int bytesPerSecond = is.audio_sample_rate * BytesPerSampleFrame(is);
            if (bytesPerSecond > 0)
                is.audio_clock = pts + static_cast<double>(size) / bytesPerSecond;
            return size;
        }
        if (received != AVERROR(EAGAIN) && received != AVERROR_EOF && is.Owner) {
            is.Owner->Log(llInfo, "avcodec_decode_audio2() failed");
        }
        if (is.paused.load() || is.audioq.AbortRequest()) return -1;
        if (is.audioq.Get(is.audio_pkt.get(), false) <= 0) return -1;
        AVPacket* pkt = is.audio_pkt.get();
        if (IsFlushPacket(pkt, flush)) {
            av::avcodec_flush_buffers(is.audio_ctx.get());
            av::av_packet_unref(pkt);
            continue;
        }
        // An empty packet would put the decoder into draining, after which it takes nothing
        // more until flushed; the audio has no end to drain towards, so it is skipped.
        if (pkt->data == nullptr || pkt->size == 0) {
            av::av_packet_unref(pkt);
            continue;
        }
        if (pkt->pts != AV_NOPTS_VALUE && is.audio_st) {
            is.audio_clock = static_cast<double>(pkt->pts) * av_q2d(is.audio_st->time_base);
        }
        const int sent = av::avcodec_send_packet(is.audio_ctx.get(), pkt);
        av::av_packet_unref(pkt);
        if (sent < 0 && sent != AVERROR(EAGAIN) && is.Owner) {
            is.Owner->Log(llInfo, "avcodec_decode_audio2() failed");
        }
    }
}

void ResetAudioSync(TVideoState& is, int sampleRate) {
    is.audio_diff_avg_coef = std::exp(std::log10(0.01) / AudioDiffAvgCount);
    is.audio_diff_avg_count = 0;
    is.audio_diff_cum = 0;
    is.audio_diff_threshold = sampleRate > 0 ? 2.0 * 1024 / sampleRate : 0;
}

int SynchronizeAudio(TVideoState& is, int size, double) {
    const bool audioIsSlave = (is.av_sync_type == AV_SYNC_VIDEO_MASTER && is.video_stream >= 0) ||
                              is.av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
    if (!audioIsSlave) return size;
    const int n = BytesPerSampleFrame(is);
    const double diff = GetAudioClock(is) - GetMasterClock(is);
    if (diff >= NoSyncThreshold) {
        is.audio_diff_avg_count = 0;
        is.audio_diff_cum = 0;
        return size;
    }
    is.audio_diff_cum = diff + is.audio_diff_avg_coef * is.audio_diff_cum;
    if (is.audio_diff_avg_count < AudioDiffAvgCount) {
        ++is.audio_diff_avg_count;
        return size;
    }
    const double avgDiff = is.audio_diff_cum * (1.0 - is.audio_diff_avg_coef);
    if (std::fabs(avgDiff) < is.audio_diff_threshold) return size;

    int wanted = size + static_cast<int>(std::lround(diff * is.audio_sample_rate)) * n;
    const int minSize = ((size / n) * 90 / 100) * n;
    const int maxSize = ((size / n) * 110 / 100) * n;
    const int capacity = static_cast<int>(is.audio_buf.size() / n) * n;
    wanted = std::clamp(wanted, minSize, std::max(minSize, std::min(maxSize, capacity)));
    if (wanted > size && size >= n) {
        uint8_t* last = is.audio_buf.data() + size - n;
        for (uint8_t* q = is.audio_buf.data() + size; q < is.audio_buf.data() + wanted; q += n)
            std::memcpy(q, last, n);
    } else if (wanted > size) {
        return size;
    }
    return wanted;
}

void UpdateSampleDisplay(TVideoState& is, const uint8_t* samples, int size) {
    std::lock_guard lock(is.sample_mutex);
    int count = size / 2;
    while (count > 0) {
        const int len = std::min(count, TVideoState::SampleArraySize - is.sample_array_index);
        std::memcpy(is.sample_array.data() + is.sample_array_index, samples, len * 2);
        samples += len * 2;
        is.sample_array_index += len;
        if (is.sample_array_index >= TVideoState::SampleArraySize) is.sample_array_index = 0;
        count -= len;
    }
}

void MixAudioS16(uint8_t* stream, const uint8_t* source, int len, int volume) {
    volume = std::clamp(volume, 0, 128);
    for (int i = 0; i + 1 < len; i += 2) {
        int16_t s;
        int16_t d;
        std::memcpy(&s, source + i, 2);
        std::memcpy(&d, stream + i, 2);
        const int mixed = std::clamp(d + s * volume / 128, -32768, 32767);
        d = static_cast<int16_t>(mixed);
        std::memcpy(stream + i, &d, 2);
    }
}

void AudioCallback(TVideoState& is, uint8_t* stream, int len) {
    if (is.Owner) is.Owner->AudioCallbackTime(av::av_gettime());
    while (len > 0) {
        if (is.audio_buf_index.load() >= static_cast<int>(is.audio_buf_size.load())) {
            double pts = 0;
            const int size = DecodeAudioFrame(is, pts);
            if (is.audioq.AbortRequest()) break;
            if (size < 0) {
                if (is.audio_buf.size() < SilenceBytes) is.audio_buf.resize(SilenceBytes);
                std::memset(is.audio_buf.data(), 0, SilenceBytes);
                is.audio_buf_size = SilenceBytes;
            } else {
                if (is.show_audio.load()) UpdateSampleDisplay(is, is.audio_buf.data(), size);
                is.audio_buf_size = static_cast<unsigned>(SynchronizeAudio(is, size, pts));
            }
            is.audio_buf_index = 0;
        }
        const int index = is.audio_buf_index.load();
        const int count = std::min(len, static_cast<int>(is.audio_buf_size.load()) - index);
        if (is.Owner && is.Owner->Mute()) {
            std::memset(stream, 0, count);
        } else {
            MixAudioS16(stream, is.audio_buf.data() + index, count,
                        is.Owner ? is.Owner->AudioVolume() : 128);
        }
        len -= count;
        stream += count;
        is.audio_buf_index = index + count;
    }
}
