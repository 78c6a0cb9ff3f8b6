#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/SharedEncoderTables.h"
#include "Src/SwScaleStubs.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <climits>
#include <cmath>

void TTranscodeRun::OutputVideo(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture) {
    TAVOutputStream& owner = ost.Owner();
    if (!FOpt.FEnableFilter || !owner.Graph || !owner.Graph->Built()) {
        EncodeVideoFrame(ost, ist, picture, ost.sync_ist->pts);
        return;
    }
    AVCodecContext* enc = ost.Encoder();
    if (owner.Graph->Push(picture, ist.pts, ist.Decoder()->sample_aspect_ratio) < 0) {
        FOwner.Log(llError, "Error while feeding the filter graph");
        return;
    }
    AVFrame* filtered = FFiltered.get();
    while (owner.Graph->Pull(*filtered)) {
        if (filtered->sample_aspect_ratio.num)
            enc->sample_aspect_ratio = filtered->sample_aspect_ratio;
        EncodeVideoFrame(ost, ist, *filtered, filtered->pts);
        av::av_frame_unref(filtered);
    }
}

void TTranscodeRun::EncodeVideoFrame(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture,
                                     std::int64_t syncPts) {
    AVCodecContext* enc = ost.Encoder();
    const double frameSeconds = av_q2d(enc->time_base);
    const double syncPosition = double(syncPts - FOpt.Fstart_time) / AV_TIME_BASE / frameSeconds;
    std::int64_t count = 1;
    if (FOpt.Fvideo_sync_method != 0) {
        const double vdelta = syncPosition - double(ost.sync_opts);
        const bool dropOnly =
            FOpt.Fvideo_sync_method == 2 ||
            (FOpt.Fvideo_sync_method < 0 && (ost.oc->oformat->flags & AVFMT_VARIABLE_FPS));
        if (vdelta < -1.1) {
            count = 0;
        } else if (dropOnly) {
            if (vdelta <= -0.6)
                count = 0;
            else if (vdelta > 0.6)
                ost.sync_opts = std::llrint(syncPosition);
        } else {
            // Measured at the picture's end, so that the output ends within a frame of where
            // the input does; one picture less or more only past 0.9 of a frame, so that input
            // a little off the output's grid does not flicker between drops and duplicates.
            const std::int64_t span = ist.next_pts - ist.pts;
            const double duration = span > 0 ? double(span) / AV_TIME_BASE / frameSeconds : 1.0;
            const double missing = vdelta + duration;
            if (missing < 0.1 || missing > 1.9)
                count = std::max<std::int64_t>(0, std::llrint(missing));
        }
        if (count == 0) {
            ++FFramesDrop;
            FShowDupOrDrop = true;
            if (FOpt.Fverbose > 2) FOwner.Log(llVerbose, "*** drop!");
        } else if (count > 1) {
            FFramesDup += int(count - 1);
            FShowDupOrDrop = true;
            if (FOpt.Fverbose > 2) FOwner.Log(llVerbose, Format("*** %d dup!", int(count - 1)));
        }
    } else {
        ost.sync_opts = std::llrint(syncPosition);
    }
    count =
        std::min<std::int64_t>(count, std::int64_t(FOpt.Fmax_frames[mfVideo]) - ost.frame_number);
    if (count <= 0) return;
    AVFrame* source = CropAndScale(ost, ist, picture);
    if (!source) return;
    AVFrame* frame = FScratch.get();
    const bool interlacedFlags = FOpt.FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO] &&
                                 (FOpt.FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->flags &
                                  (AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME));
    for (std::int64_t i = 0; i < count && !FOwner.Broken(); ++i) {
        if (av::av_frame_ref(frame, source) < 0) throw FFmpegException("Video encoding failed");
        frame->interlaced_frame = picture.interlaced_frame;
        if (interlacedFlags)
            frame->top_field_first =
                FOpt.Ftop_field_first == -1 ? picture.top_field_first : FOpt.Ftop_field_first;
        frame->quality =
            int(std::lround(FOpt.Fsame_quality ? ist.quality : ost.Owner().Record->Quality));
        if (FOpt.Fme_threshold == 0) frame->pict_type = AV_PICTURE_TYPE_NONE;
        frame->pts = ost.sync_opts;
        frame->pkt_duration = 0;
        SendVideoFrame(ost.Owner(), frame);
        if (!FOwner.PostHooks().Empty()) FOwner.DoPostHook(*frame, *enc);
        av::av_frame_unref(frame);
        ++ost.sync_opts;
        ++ost.frame_number;
    }
}

AVFrame* TTranscodeRun::CropAndScale(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture) {
    if (FOpt.FEnableFilter) return &picture;
    const AVPixelFormat format = AVPixelFormat(picture.format);
    if (picture.height - (ost.topBand + ost.bottomBand) != ost.resample_height ||
        picture.width - (ost.leftBand + ost.rightBand) != ost.resample_width ||
        format != ost.resample_pix_fmt) {
        const char* name = av::av_get_pix_fmt_name(format);
        FOwner.Log(llQuiet,
                   Format("Input Stream #%d.%d frame size changed to %dx%d, %s", ist.file_index,
                          ist.index, picture.width, picture.height, name ? name : "none"));
        // The bands keep their share of the picture, on even lines and columns.
        if (ost.video_crop && ost.original_height > 0 && ost.original_width > 0) {
            ost.topBand = (picture.height * ost.original_topBand / ost.original_height) & ~1;
            ost.bottomBand = (picture.height * ost.original_bottomBand / ost.original_height) & ~1;
            ost.leftBand = (picture.width * ost.original_leftBand / ost.original_width) & ~1;
            ost.rightBand = (picture.width * ost.original_rightBand / ost.original_width) & ~1;
        }
        ost.resample_height = picture.height - (ost.topBand + ost.bottomBand);
        ost.resample_width = picture.width - (ost.leftBand + ost.rightBand);
        ost.resample_pix_fmt = format;
        if (ost.resample_height <= 0 || ost.resample_width <= 0) {
            FOwner.Log(llError, "error cropping picture");
            return nullptr;
        }
        // A stream that kept its size until now needs the scaler from here on.
        const AVCodecContext* enc = ost.Encoder();
        ost.video_resample = ost.resample_width != enc->width ||
                             ost.resample_height != enc->height || format != enc->pix_fmt;
        ost.img_resample_ctx.reset();
        if (ost.video_resample) MakeScaler(ost, ost.resample_width, ost.resample_height, format);
    }
    AVFrame* source = &picture;
    if (ost.video_crop) {
        AVFrame* cropped = FCropped.get();
        av::av_frame_unref(cropped);
        if (av::av_frame_ref(cropped, &picture) < 0)
            throw FFmpegException("error cropping picture");
        cropped->crop_top = std::size_t(ost.topBand);
        cropped->crop_bottom = std::size_t(ost.bottomBand);
        cropped->crop_left = std::size_t(ost.leftBand);
        cropped->crop_right = std::size_t(ost.rightBand);
        if (av::av_frame_apply_cropping(cropped, AV_FRAME_CROP_UNALIGNED) < 0) {
            if (FOpt.Fexit_on_error) throw FFmpegException("error cropping picture");
            FOwner.Log(llError, "error cropping picture");
            return nullptr;
        }
        source = cropped;
    }
    if (!ost.video_resample) return source;
    // The encoder may still hold the previous picture: scale into a buffer of our own.
    if (av::av_frame_make_writable(ost.pict_tmp.get()) < 0)
        throw FFmpegException("Cannot allocate temp picture, check pix fmt");
    av::sws_scale(ost.img_resample_ctx.get(), source->data, source->linesize, 0,
                  ost.resample_height, ost.pict_tmp->data, ost.pict_tmp->linesize);
    ost.pict_tmp->interlaced_frame = picture.interlaced_frame;
    ost.pict_tmp->top_field_first = picture.top_field_first;
    ost.pict_tmp->sample_aspect_ratio = picture.sample_aspect_ratio;
    return ost.pict_tmp.get();
}

void TTranscodeRun::MakeScaler(TAVOutputStream& ost, int width, int height, AVPixelFormat format) {
    const AVCodecContext* enc = ost.Encoder();
    if (!ost.pict_tmp) {
        ost.pict_tmp.reset(av::av_frame_alloc());
        if (!ost.pict_tmp) throw FFmpegException("Cannot allocate temp picture, check pix fmt");
        ost.pict_tmp->format = enc->pix_fmt;
        ost.pict_tmp->width = enc->width;
        ost.pict_tmp->height = enc->height;
        if (av::av_frame_get_buffer(ost.pict_tmp.get(), 0) < 0)
            throw FFmpegException("Cannot allocate temp picture, check pix fmt");
    }
    std::int64_t flags = FOpt.Fsws_flags;
    if (FOpt.FOptions.sws_opts)
        av::av_opt_get_int(FOpt.FOptions.sws_opts.get(), "sws_flags", 0, &flags);
    FOpt.Fsws_flags = unsigned(flags);
    SwsContextPtr scaler(av::sws_alloc_context());
    if (!scaler) throw FFmpegException("Cannot get resampling context");
    SwsContext* context = scaler.get();
    av::av_opt_set_int(context, "srcw", width, 0);
    av::av_opt_set_int(context, "srch", height, 0);
    av::av_opt_set_int(context, "src_format", format, 0);
    av::av_opt_set_int(context, "dstw", enc->width, 0);
    av::av_opt_set_int(context, "dsth", enc->height, 0);
    av::av_opt_set_int(context, "dst_format", enc->pix_fmt, 0);
    av::av_opt_set_int(context, "sws_flags", flags, 0);
    if (width <= 0 || height <= 0 || format == AV_PIX_FMT_NONE ||
        av::sws_init_context(context, nullptr, nullptr) < 0)
        throw FFmpegException("Cannot get resampling context");
    ost.img_resample_ctx = std::move(scaler);
}

void TTranscodeRun::SendVideoFrame(TAVOutputStream& owner, AVFrame* frame) {
    AVCodecContext* enc = owner.Encoder();
    const TSharedEncoderTables::CodingScope coding(TSharedEncoderTables::Instance(),
                                                   TSharedEncoderTables::Rebuilds(enc->codec));
    const int result = av::avcodec_send_frame(enc, frame);
    if (result < 0 && !(frame == nullptr && result == AVERROR_EOF))
        throw FFmpegException("Video encoding failed");
    ReceivePackets(owner);
}

void TTranscodeRun::ReceivePackets(TAVOutputStream& owner) {
    AVCodecContext* enc = owner.Encoder();
    AVPacket* packet = FEncoded.get();
    int result = 0;
    while ((result = av::avcodec_receive_packet(enc, packet)) >= 0)
        WriteEncodedPacket(owner, *packet);
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF)
        throw FFmpegException(enc->codec_type == AVMEDIA_TYPE_AUDIO ? "Audio encoding failed"
                                                                    : "Video encoding failed");
}

void TTranscodeRun::EncodeSubtitle(TAVOutputStream& ost, TAVInputStream& ist, AVSubtitle& subtitle,
                                   std::int64_t pts) {
    if (pts == AV_NOPTS_VALUE) {
        if (FOpt.Fexit_on_error) throw FFmpegException("Subtitle packets must have a pts");
        FOwner.Log(llError, "Subtitle packets must have a pts");
        return;
    }
    constexpr int kBufferSize = 1024 * 1024;
    if (FSubtitleBuffer.empty()) FSubtitleBuffer.resize(kBufferSize);
    AVCodecContext* enc = ost.Encoder();
    const int passes = enc->codec_id == AV_CODEC_ID_DVB_SUBTITLE ? 2 : 1;
    for (int i = 0; i < passes; ++i) {
        subtitle.pts = av::av_rescale_q(pts, ist.st->time_base, AV_TIME_BASE_Q) +
                       std::int64_t(subtitle.start_display_time) * 1000;
        subtitle.end_display_time -= subtitle.start_display_time;
        subtitle.start_display_time = 0;
        const int size =
            av::avcodec_encode_subtitle(enc, FSubtitleBuffer.data(), kBufferSize, &subtitle);
        if (size < 0) throw FFmpegException("Subtitle encoding failed");
        AVPacket* packet = FEncoded.get();
        if (av::av_new_packet(packet, size) < 0) throw FFmpegException("Subtitle encoding failed");
        std::copy_n(FSubtitleBuffer.data(), size, packet->data);
        packet->stream_index = ost.st->index;
        packet->pts = av::av_rescale_q(subtitle.pts, AV_TIME_BASE_Q, ost.st->time_base);
        if (passes == 2)
            packet->pts +=
                90 * std::int64_t(i == 0 ? subtitle.start_display_time : subtitle.end_display_time);
        packet->dts = packet->pts;
        WriteFrame(ost, *packet);
    }
}
