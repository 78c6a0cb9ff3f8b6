#include "MediaCheck.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/UnicodeProtocol.h"

#include <algorithm>
#include <memory>

const TStreamCheck* TMediaCheck::First(AVMediaType type) const {
    for (const auto& stream : Streams)
        if (stream.Type == type) return &stream;
    return nullptr;
}

namespace {

void Receive(AVCodecContext* decoder, AVFrame* frame, TStreamCheck& check) {
    int result = 0;
    while ((result = av::avcodec_receive_frame(decoder, frame)) >= 0) {
        check.Decoded += check.Type == AVMEDIA_TYPE_AUDIO ? frame->nb_samples : 1;
        av::av_frame_unref(frame);
    }
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) ++check.DecodeErrors;
}

} // namespace

TMediaCheck CheckMedia(const std::string& fileName) {
    TMediaCheck result;
    AVFormatContext* raw = nullptr;
    if (AVOpenInput(&raw, FileNameToAV(fileName), nullptr, nullptr) < 0) return result;
    InputContextPtr input(raw);
    if (av::avformat_find_stream_info(raw, nullptr) < 0) return result;
    result.Opened = true;
    result.Format = raw->iformat->name;
    result.Duration = raw->duration > 0 ? double(raw->duration) / AV_TIME_BASE : 0.0;
    std::vector<CodecContextPtr> decoders;
    std::vector<std::int64_t> first(raw->nb_streams, AV_NOPTS_VALUE), last(raw->nb_streams, 0);
    for (unsigned i = 0; i < raw->nb_streams; ++i) {
        const AVCodecParameters* par = raw->streams[i]->codecpar;
        TStreamCheck check;
        check.Type = par->codec_type;
        check.Codec = par->codec_id;
        check.Width = par->width;
        check.Height = par->height;
        check.SampleRate = par->sample_rate;
        check.Channels = par->ch_layout.nb_channels;
        result.Streams.push_back(check);
        CodecContextPtr decoder;
        const AVCodec* codec = av::avcodec_find_decoder(par->codec_id);
        if (codec && (check.Type == AVMEDIA_TYPE_VIDEO || check.Type == AVMEDIA_TYPE_AUDIO)) {
            decoder.reset(av::avcodec_alloc_context3(codec));
            av::avcodec_parameters_to_context(decoder.get(), par);
            decoder->pkt_timebase = raw->streams[i]->time_base;
            if (av::avcodec_open2(decoder.get(), codec, nullptr) < 0) decoder.reset();
        }
        decoders.push_back(std::move(decoder));
    }
    PacketPtr packet(av::av_packet_alloc());
    FramePtr frame(av::av_frame_alloc());
    int read = 0;
    while ((read = av::av_read_frame(raw, packet.get())) >= 0) {
        const auto index = std::size_t(packet->stream_index);
        TStreamCheck& check = result.Streams[index];
        ++check.Packets;
        const std::int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (stamp != AV_NOPTS_VALUE) {
            if (first[index] == AV_NOPTS_VALUE || stamp < first[index]) first[index] = stamp;
            last[index] = std::max(last[index], stamp + packet->duration);
        }
        if (AVCodecContext* decoder = decoders[index].get()) {
            if (av::avcodec_send_packet(decoder, packet.get()) < 0) ++check.DecodeErrors;
            Receive(decoder, frame.get(), check);
        }
        av::av_packet_unref(packet.get());
    }
    if (read != AVERROR_EOF) result.ReadError = read;
    for (std::size_t i = 0; i < decoders.size(); ++i) {
        if (AVCodecContext* decoder = decoders[i].get()) {
            av::avcodec_send_packet(decoder, nullptr);
            Receive(decoder, frame.get(), result.Streams[i]);
        }
        if (first[i] != AV_NOPTS_VALUE)
            result.Streams[i].Duration =
                double(last[i] - first[i]) * av_q2d(raw->streams[i]->time_base);
    }
    return result;
}
