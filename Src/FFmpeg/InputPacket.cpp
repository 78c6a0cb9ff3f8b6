#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/Format.h"

#include <thread>

namespace {

// Microseconds one undecoded packet of the stream lasts.
std::int64_t PacketDuration(const AVStream* st, const AVPacket& packet) {
    const AVCodecParameters* par = st->codecpar;
    if (packet.duration > 0)
        return av::av_rescale_q(packet.duration, st->time_base, AV_TIME_BASE_Q);
    if (par->codec_type == AVMEDIA_TYPE_AUDIO && par->sample_rate > 0)
        return std::int64_t(par->frame_size) * AV_TIME_BASE / par->sample_rate;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        const AVRational rate = st->avg_frame_rate.num ? st->avg_frame_rate : st->r_frame_rate;
        if (rate.num && rate.den) return av::av_rescale(AV_TIME_BASE, rate.den, rate.num);
    }
    return 0;
}

// Microseconds one decoded frame lasts.
std::int64_t FrameDuration(const AVStream* st, const AVCodecContext* dec, const AVFrame& frame) {
    if (dec->codec_type == AVMEDIA_TYPE_AUDIO)
        return frame.sample_rate > 0
                   ? std::int64_t(frame.nb_samples) * AV_TIME_BASE / frame.sample_rate
                   : 0;
    if (frame.pkt_duration > 0)
        return av::av_rescale_q(frame.pkt_duration, st->time_base, AV_TIME_BASE_Q);
    AVRational rate = dec->framerate.num ? dec->framerate : st->avg_frame_rate;
    if (!rate.num) rate = st->r_frame_rate;
    if (!rate.num || !rate.den) return 0;
    // A repeated field lasts half a frame more.
    return av::av_rescale(AV_TIME_BASE, std::int64_t(rate.den) * (2 + frame.repeat_pict),
                          std::int64_t(rate.num) * 2);
}

} // namespace

int TTranscodeRun::ProcessInputPacket(TAVInputStream& ist, int position, const AVPacket* packet,
                                      bool drainEncoders) {
    if (ist.next_pts == AV_NOPTS_VALUE) ist.next_pts = ist.pts;
    if (packet) {
        if (packet->dts != AV_NOPTS_VALUE)
            ist.next_pts = ist.pts =
                av::av_rescale_q(packet->dts, ist.st->time_base, AV_TIME_BASE_Q);
        if (!ist.decoding_needed) {
            ist.pts = ist.next_pts;
            ist.next_pts += PacketDuration(ist.st, *packet);
        }
        if (FOpt.Fstart_time == 0 || ist.pts >= FOpt.Fstart_time)
            for (auto& ost : FOutputStreams)
                if (ost->source_index == position && !ost->encoding_needed)
                    CopyPacket(*ost, ist, *packet);
    }
    if (ist.decoding_needed && DecodePacket(ist, position, packet) < 0) return -1;
    if (packet && FOpt.Frate_emu) ApplyRateEmulation(ist);
    if (!packet && drainEncoders) DrainEncoders(position);
    return 0;
}

void TTranscodeRun::ApplyRateEmulation(const TAVInputStream& ist) {
    const std::int64_t ahead = ist.pts - (av::av_gettime() - ist.start);
    if (ahead > 1000) std::this_thread::sleep_for(std::chrono::microseconds(ahead));
}

int TTranscodeRun::DecodePacket(TAVInputStream& ist, int position, const AVPacket* packet) {
    AVCodecContext* dec = ist.Decoder();
    if (dec->codec_type == AVMEDIA_TYPE_SUBTITLE) {
        // A subtitle decoder holds nothing back, and a drain has no packet time to give.
        if (packet) HandleSubtitle(ist, position, packet);
        return 0;
    }
    if (dec->codec_type != AVMEDIA_TYPE_VIDEO && dec->codec_type != AVMEDIA_TYPE_AUDIO) return -1;
    if (!packet && ist.decoder_drained) return 0;
    int result = av::avcodec_send_packet(dec, packet);
    if (!packet) ist.decoder_drained = true;
    if (result < 0 && result != AVERROR(EAGAIN) && result != AVERROR_EOF) return -1;
    int frames = 0;
    AVFrame* frame = ist.Frame.get();
    while ((result = av::avcodec_receive_frame(dec, frame)) >= 0) {
        if (++frames == 2 && packet &&
            ((!ist.showed_multi_packet_warning && FOpt.Fverbose > 0) || FOpt.Fverbose > 1)) {
            FOwner.Log(llError,
                       Format("Multiple frames in a packet from stream %d", packet->stream_index));
            ist.showed_multi_packet_warning = true;
        }
        HandleDecodedFrame(ist, position, *frame);
        av::av_frame_unref(frame);
    }
    return result == AVERROR(EAGAIN) || result == AVERROR_EOF ? 0 : -1;
}

void TTranscodeRun::HandleDecodedFrame(TAVInputStream& ist, int position, AVFrame& frame) {
    AVCodecContext* dec = ist.Decoder();
    const std::int64_t stamp = frame.best_effort_timestamp;
    ist.pts = stamp != AV_NOPTS_VALUE ? av::av_rescale_q(stamp, ist.st->time_base, AV_TIME_BASE_Q)
                                      : ist.next_pts;
    ist.next_pts = ist.pts + FrameDuration(ist.st, dec, frame);
    if (dec->codec_type == AVMEDIA_TYPE_VIDEO) {
        ist.quality = float(frame.quality);
        FOwner.PreProcessVideoFrame(frame, ist.pts);
    }
    if (FOpt.Fstart_time != 0 && ist.pts < FOpt.Fstart_time) return;
    for (auto& ost : FOutputStreams) {
        if (ost->source_index != position || !ost->encoding_needed) continue;
        switch (ost->Type()) {
        case AVMEDIA_TYPE_AUDIO:
            if (TAudioOutput* audio = ost->Owner().Audio.get())
                audio->Write(frame, ost->sync_ist->pts, ost->sync_ist->is_start);
            break;
        case AVMEDIA_TYPE_VIDEO:
            OutputVideo(*ost, ist, frame);
            break;
        default:
            throw FFmpegException("invalid codec_type");
        }
    }
}

void TTranscodeRun::HandleSubtitle(TAVInputStream& ist, int position, const AVPacket* packet) {
    AVSubtitle subtitle{};
    int got = 0;
    if (av::avcodec_decode_subtitle2(ist.Decoder(), &subtitle, &got,
                                     const_cast<AVPacket*>(packet)) < 0 ||
        !got)
        return;
    struct TSubtitleFree {
        AVSubtitle& Subtitle;
        ~TSubtitleFree() { av::avsubtitle_free(&Subtitle); }
    } release{ subtitle };
    if (FOpt.Fstart_time != 0 && ist.pts < FOpt.Fstart_time) return;
    for (auto& ost : FOutputStreams)
        if (ost->source_index == position && ost->encoding_needed)
            EncodeSubtitle(*ost, ist, subtitle, packet->pts);
}

void TTranscodeRun::CopyPacket(TAVOutputStream& ost, TAVInputStream& ist, const AVPacket& packet) {
    if (ost.frame_number == 0 && !(packet.flags & AV_PKT_FLAG_KEY) &&
        !FOpt.Fcopy_initial_nonkeyframes)
        return;
    const AVRational outBase = ost.st->time_base;
    const std::int64_t offset = av::av_rescale_q(FOpt.Fstart_time, AV_TIME_BASE_Q, outBase);
    AVPacket* out = FOutPacket.get();
    if (av::av_packet_ref(out, &packet) < 0) throw FFmpegException("av_mallocz fail");
    const int type = ost.Type();
    if (type == AVMEDIA_TYPE_AUDIO) FAudioSize += packet.size;
    if (type == AVMEDIA_TYPE_VIDEO) {
        FVideoSize += packet.size;
        ++ost.sync_opts;
    }
    out->stream_index = ost.st->index;
    out->pts = packet.pts != AV_NOPTS_VALUE
                   ? av::av_rescale_q(packet.pts, ist.st->time_base, outBase) - offset
                   : AV_NOPTS_VALUE;
    out->dts =
        (packet.dts == AV_NOPTS_VALUE ? av::av_rescale_q(ist.pts, AV_TIME_BASE_Q, outBase)
                                      : av::av_rescale_q(packet.dts, ist.st->time_base, outBase)) -
        offset;
    out->duration = av::av_rescale_q(packet.duration, ist.st->time_base, outBase);
    WriteFrame(ost, *out);
    ++ost.frame_number;
}

void TTranscodeRun::DrainEncoders(int position) {
    for (auto& ost : FOutputStreams) {
        if (ost->source_index != position || !ost->encoding_needed) continue;
        TAVOutputStream& owner = ost->Owner();
        if (owner.encoder_drained) continue;
        switch (ost->Type()) {
        case AVMEDIA_TYPE_AUDIO:
            if (owner.Audio) owner.Audio->Flush();
            owner.encoder_drained = true;
            break;
        case AVMEDIA_TYPE_VIDEO:
            if (owner.Graph && owner.Graph->Built() && owner.Graph->PushEnd() >= 0)
                while (owner.Graph->Pull(*FFiltered)) {
                    const std::int64_t pts = FFiltered->pts;
                    EncodeVideoFrame(*ost, *FInputStreams[std::size_t(position)], *FFiltered, pts);
                    av::av_frame_unref(FFiltered.get());
                }
            SendVideoFrame(owner, nullptr);
            owner.encoder_drained = true;
            break;
        default:
            break;
        }
    }
}
