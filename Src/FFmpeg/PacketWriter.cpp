#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The quality, picture type and errors an encoder attached to its packet.
void TakeQualityStats(TAVOutputStream& ost, const AVPacket& packet) {
    for (int i = 0; i < packet.side_data_elems; ++i) {
        const AVPacketSideData& side = packet.side_data[i];
        if (side.type != AV_PKT_DATA_QUALITY_STATS || side.size < 6) continue;
        std::uint32_t quality = 0;
        std::memcpy(&quality, side.data, sizeof quality);
        ost.LastQuality = int(quality);
        ost.LastPictType = side.data[4];
        const int errors = std::min<int>(side.data[5], 4);
        for (int e = 0; e < errors && 8 + 8 * (e + 1) <= int(side.size); ++e)
            std::memcpy(&ost.LastError[e], side.data + 8 + 8 * e, sizeof(std::uint64_t));
    }
}

} // namespace

void TTranscodeRun::WriteEncodedPacket(TAVOutputStream& ost, AVPacket& packet) {
    AVCodecContext* enc = ost.Encoder();
    av::av_packet_rescale_ts(&packet, enc->time_base, ost.st->time_base);
    packet.stream_index = ost.st->index;
    const int size = packet.size;
    if (enc->codec_type == AVMEDIA_TYPE_AUDIO) {
        FAudioSize += size;
    } else {
        FVideoSize += size;
        TakeQualityStats(ost, packet);
        if (ost.logfile && enc->stats_out) std::fputs(enc->stats_out, ost.logfile.get());
    }
    WriteFrame(ost, packet);
    if (enc->codec_type == AVMEDIA_TYPE_VIDEO && !FOpt.Fvstats_filename.empty() && size)
        WriteVideoStats(ost, size);
}

void TTranscodeRun::WriteFrame(TAVOutputStream& ost, AVPacket& packet) {
    AVBSFContext* bsf = ost.Owner().Bitstream.get();
    if (!bsf) {
        InterleavedWrite(ost, packet);
        return;
    }
    // A failing filter consumes the packet: the copy kept here is written instead.
    AVPacket* kept = FKept.get();
    if (av::av_packet_ref(kept, &packet) < 0) throw FFmpegException("av_mallocz fail");
    int result = av::av_bsf_send_packet(bsf, &packet);
    while (result >= 0) {
        result = av::av_bsf_receive_packet(bsf, &packet);
        if (result >= 0) InterleavedWrite(ost, packet);
    }
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) {
        av::av_packet_unref(kept);
        return;
    }
    const AVCodecContext* enc = ost.Encoder();
    const std::string text =
        ErrorToText(Format("%s failed for stream %d, codec %s", bsf->filter->name, ost.st->index,
                           enc->codec ? enc->codec->name : "copy"),
                    result);
    if (FOpt.Fexit_on_error) {
        av::av_packet_unref(kept);
        throw FFmpegException(text);
    }
    FOwner.Log(llError, text);
    InterleavedWrite(ost, *kept);
}

void TTranscodeRun::InterleavedWrite(TAVOutputStream& ost, AVPacket& packet) {
    if (!KeepMuxOrder(ost, packet)) {
        av::av_packet_unref(&packet);
        return;
    }
    const std::int64_t start = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (start != AV_NOPTS_VALUE) {
        const double end = double(start + packet.duration) * av_q2d(ost.st->time_base);
        ost.Owner().EndTime = std::max(ost.Owner().EndTime, end);
    }
    const int result = av::av_interleaved_write_frame(ost.oc, &packet);
    av::av_packet_unref(&packet);
    if (result < 0) throw FFmpegException(ErrorToText("av_interleaved_write_frame()", result));
}

void TTranscodeRun::WriteVideoStats(TAVOutputStream& ost, int frameSize) {
    if (!FVStatsFile) {
        FVStatsFile.reset(std::fopen(FOpt.Fvstats_filename.c_str(), "w"));
        if (!FVStatsFile) throw FFmpegException("fopen fail: " + FOpt.Fvstats_filename);
    }
    const AVCodecContext* enc = ost.Encoder();
    TAVOutputStream& owner = ost.Owner();
    std::string line =
        Format("frame= %5d q= %2.1f ", ost.frame_number, double(owner.LastQuality) / FF_QP2LAMBDA);
    if (enc->flags & AV_CODEC_FLAG_PSNR)
        line +=
            Format("PSNR= %6.2f ", -10.0 * std::log10(double(owner.LastError[0]) /
                                                      (enc->width * enc->height * 255.0 * 255.0)));
    line += Format("f_size= %6d ", frameSize);
    const double time = std::max(0.01, double(ost.sync_opts) * av_q2d(enc->time_base));
    const double bitRate = frameSize * 8.0 / av_q2d(enc->time_base) / 1000.0;
    const double average = double(FVideoSize) * 8.0 / time / 1000.0;
    line += Format("s_size= %8.0fkB time= %0.3f br= %7.1fkbits/s avg_br= %7.1fkbits/s ",
                   double(FVideoSize) / 1024, time, bitRate, average);
    line += Format("type= %s\n",
                   std::string(1, av::av_get_picture_type_char(AVPictureType(owner.LastPictType))));
    std::fputs(line.c_str(), FVStatsFile.get());
}
