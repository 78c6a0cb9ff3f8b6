#include "Src/AVProbe/TAVProbe.h"

#include "Src/AVFormatStubs.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegLogger.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <mutex>
#include <strings.h>

namespace {

// Steps back of DecodePreviousKeyFrame before it gives up: far beyond any real group of
// pictures, and a bound for files whose pictures never come out before the reference.
constexpr std::int64_t kMaxPreviousKeyFrameSteps = 1024;

const char* const kPreviousKeyFrameFailed = "Could not seek to the previous key-frame. ";

} // namespace

TAVProbe::TAVProbe(TComponent* owner) : TCustomAVProbe(owner) {}

TAVProbe::~TAVProbe() {
    TAVProbe::CloseFile();
    ResetRGBConvertContext(FRGBContext);
}

void TAVProbe::CloseFile() {
    FSeekIndex = -1;
    FStartTime = -1;
    FDecodeIndex = -1;
    FEOF = false;
    ResetFrameInfo();
    FLastPTS = AV_NOPTS_VALUE;
    FLastPos = -1;
    CloseDecoder();
    ResetRGBConvertContext(FRGBContext);
    TCustomAVProbe::CloseFile();
}

void TAVProbe::UpdateStreamInfo() {
    TCustomAVProbe::UpdateStreamInfo();
    FSeekIndex = FirstVideoStreamIndex() >= 0 ? FirstVideoStreamIndex() : FirstAudioStreamIndex();
    const AVFormatContext* context = FileHandle();
    if (!context) return;
    FStartTime = FSeekIndex >= 0 ? context->streams[FSeekIndex]->start_time : context->start_time;
    if (FStartTime == AV_NOPTS_VALUE) FStartTime = 0;
}

void TAVProbe::ResetFrameInfo() {
    if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
    if (FPicture.Position != -1) FLastPos = FPicture.Position;
    FPicture.PixFmt = FPicture.Width = FPicture.Height = -1;
    FPicture.IsKeyFrame = false;
    FPicture.PictureType = ptUnknown;
    FPicture.PTS = FPicture.OriginalDTS = FPicture.OriginalPTS = AV_NOPTS_VALUE;
    FPicture.StreamIndex = -1;
    FPicture.Position = -1;
    FPicture.Ready = false;
}

std::int64_t TAVProbe::Position() {
    const AVFormatContext* context = FileHandle();
    if (!context) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return -1;
    }
    if (!context->pb) {
        ReportError(AV_LOG_WARNING, "cannot get position");
        return -1;
    }
    return context->pb->pos;
}

bool TAVProbe::CheckOwnHandle() {
    if (!FileHandle()) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return false;
    }
    if (OwnHandle()) return true;
    const std::string message = "file cannot be seeked, handle is readonly.";
    ReportError(AV_LOG_WARNING, message);
    throw Exception(message);
}

bool TAVProbe::IsImageSequence() {
    const AVInputFormat* format = FileHandle()->iformat;
    return format && format->name && strcasecmp(format->name, "image2") == 0;
}

bool TAVProbe::CanSeek() {
    if (!CheckOwnHandle()) return false;
    if (IsImageSequence()) {
        ReportError(AV_LOG_INFO, "\"image2\" format cannot to be seeked.");
        return false;
    }
    return true;
}

bool TAVProbe::Seek(std::int64_t pts, TSeekFlags seekFlags) {
    if (!CanSeek()) return false;
    AVFormatContext* context = FileHandle();
    if (context->pb)
        ReportError(AV_LOG_DEBUG, Format("currunt position %d bytes", context->pb->pos));
    std::int64_t target = pts < 0 ? 0 : pts;
    if (!seekFlags.Contains(sfByte)) {
        if (FSeekIndex >= 0)
            target =
                av::av_rescale_q(target, AV_TIME_BASE_Q, context->streams[FSeekIndex]->time_base);
        if (FStartTime > 0) target += FStartTime;
    }
    if (FCodec) av::avcodec_flush_buffers(FCodec.get());
    FDraining = false;
    FEOF = false;
    ResetFrameInfo();

    const int flags = SeekFlagsToAV(seekFlags);
    int result;
    if (pts > 0) {
        result = av::av_seek_frame(context, FSeekIndex, target, flags);
    } else {
        result = av::av_seek_frame(context, FSeekIndex, 0, flags | AVSEEK_FLAG_BACKWARD);
        if (result < 0)
            result = av::av_seek_frame(context, FSeekIndex, pts, flags & ~AVSEEK_FLAG_BACKWARD);
    }
    bool sought = result >= 0;
    if (!sought) {
        if (seekFlags.Contains(sfByte))
            ReportError(AV_LOG_ERROR, Format("could not seek to position %d bytes", pts));
        else
            ReportError(AV_LOG_ERROR,
                        Format("could not seek to position %0.3f seconds", double(pts) / 1000000));
    }
    if (context->pb) {
        // After a failed seek LastErrMsg keeps the reason; the position line is only logged.
        const std::string positionLine = Format("seek to position %d bytes", context->pb->pos);
        if (sought)
            ReportError(AV_LOG_DEBUG, positionLine);
        else
            GlobalLogger().Log(nullptr, llDebug, positionLine);
        if (context->pb->eof_reached) {
            if (sought) ReportError(AV_LOG_INFO, "stream eof reached.");
            sought = false;
            FEOF = true;
        }
    }
    return sought;
}

int TAVProbe::SelectDecodeStream(int streamIndex) {
    if (!CheckOwnHandle()) return -1;
    if (streamIndex < 0) {
        streamIndex = FDecodeIndex >= 0 ? FDecodeIndex : FirstVideoStreamIndex();
        if (streamIndex < 0) {
            ReportError(AV_LOG_ERROR, "no video stream.");
            return -1;
        }
    } else if (streamIndex >= StreamCount()) {
        ReportError(AV_LOG_ERROR, Format("stream index #%d is invalid.", streamIndex));
        return -1;
    } else if (FileHandle()->streams[streamIndex]->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) {
        ReportError(AV_LOG_ERROR, Format("stream #%d is not video stream.", streamIndex));
        return -1;
    }
    if (streamIndex != FDecodeIndex) ResetFrameInfo();
    FDecodeIndex = streamIndex;
    return streamIndex;
}

void TAVProbe::CloseDecoder() {
    if (FCodec) {
        std::lock_guard lock(CodecLock());
        FCodec.reset();
    }
    FCodecStream = -1;
    FDraining = false;
}

AVCodecContext* TAVProbe::OpenDecoder(int streamIndex) {
    const AVStream* stream = FileHandle()->streams[streamIndex];
    const AVCodecParameters* parameters = stream->codecpar;
    if (parameters->width == 0 || parameters->height == 0) {
        ReportError(AV_LOG_ERROR, "frame size of codec is invalid.");
        return nullptr;
    }
    if (FCodec && FCodecStream == streamIndex) return FCodec.get();
    CloseDecoder();
    const AVCodec* decoder = av::avcodec_find_decoder(parameters->codec_id);
    CodecContextPtr codec(decoder ? av::avcodec_alloc_context3(decoder) : nullptr);
    if (!decoder || !codec || av::avcodec_parameters_to_context(codec.get(), parameters) < 0) {
        ReportError(AV_LOG_ERROR, Format("Unsupported codec (id=%d) for input file stream #%d",
                                         int(parameters->codec_id), streamIndex));
        return nullptr;
    }
    codec->pkt_timebase = stream->time_base;
    // One thread: a picture comes out as soon as its packets are in, and no decoder thread can
    // block on a log line waiting for the GUI thread that waits for this decode.
    codec->thread_count = 1;
    std::lock_guard lock(CodecLock());
    if (av::avcodec_open2(codec.get(), decoder, nullptr) < 0) {
        ReportError(AV_LOG_ERROR,
                    Format("Error while opening codec for input file stream #%d", streamIndex));
        return nullptr;
    }
    FCodec = std::move(codec);
    FCodecStream = streamIndex;
    return FCodec.get();
}

bool TAVProbe::Decode(int streamIndex) {
    const int index = SelectDecodeStream(streamIndex);
    if (index < 0) return false;
    if (FPicture.Ready && IsImageSequence()) return true; // a still keeps its one picture
    if (FEOF) {
        ReportError(AV_LOG_INFO, "stream eof reached.");
        return false;
    }
    AVCodecContext* codec = OpenDecoder(index);
    if (!codec) return false;
    AVFormatContext* context = FileHandle();
    const std::int64_t position = context->pb ? context->pb->pos : -1;
    FramePtr frame(av::av_frame_alloc());
    PacketPtr packet(av::av_packet_alloc());
    if (!frame || !packet) {
        ReportError(AV_LOG_ERROR, ErrorToText("decode", AVERROR(ENOMEM)));
        return false;
    }
    // Every turn either takes a picture, ends, or reads one packet, so the loop ends with the
    // input at the latest.
    for (;;) {
        const int received = av::avcodec_receive_frame(codec, frame.get());
        if (received >= 0) {
            GlobalLogger().Log(nullptr, llDebug,
                               "pkt.st_idx=%d, dts=%d, pts=%d, flags=%d, pict_type=%d", index,
                               FPacketDTS, FPacketPTS, FPacketFlags, int(frame->pict_type));
            return StoreFrame(*frame, position);
        }
        if (received == AVERROR_EOF || FDraining) {
            FEOF = true;
            ReportError(AV_LOG_INFO, "stream eof reached.");
            return false;
        }
        // Anything else is a damaged picture: go on with the next packet.
        if (av::av_read_frame(context, packet.get()) < 0) {
            // The end of the input: the decoder gives back the pictures it still holds.
            FDraining = true;
            av::avcodec_send_packet(codec, nullptr);
            continue;
        }
        if (packet->stream_index == index) {
            FPacketDTS = packet->dts;
            FPacketPTS = packet->pts;
            FPacketFlags = packet->flags;
            // A packet the decoder refuses is damaged data; the next one may decode.
            av::avcodec_send_packet(codec, packet.get());
        }
        av::av_packet_unref(packet.get());
    }
}

bool TAVProbe::StoreFrame(const AVFrame& frame, std::int64_t position) {
    // The frame's own format and size, which may change in mid-stream, size the copy.
    const AVPixelFormat pixFmt = AVPixelFormat(frame.format);
    const int size = av::av_image_get_buffer_size(pixFmt, frame.width, frame.height, 1);
    if (size <= 0) {
        ReportError(AV_LOG_ERROR, "frame size of codec is invalid.");
        return false;
    }
    if (FPicture.Size < size) {
        FBuffer.reset();
        FPicture.Buffer = nullptr;
        FPicture.Size = 0;
        FBuffer.reset(static_cast<std::uint8_t*>(av::av_malloc(std::size_t(size))));
        if (!FBuffer) {
            ReportError(AV_LOG_ERROR, ErrorToText("decode", AVERROR(ENOMEM)));
            return false;
        }
        FPicture.Buffer = FBuffer.get();
        FPicture.Size = size;
    }
    FPicture.PixFmt = pixFmt;
    FPicture.Width = frame.width;
    FPicture.Height = frame.height;
    FPicture.IsKeyFrame = frame.key_frame == 1;
    FPicture.PictureType =
        frame.pict_type >= AV_PICTURE_TYPE_NONE && frame.pict_type <= AV_PICTURE_TYPE_BI
            ? TPictureType(frame.pict_type)
            : ptUnknown;

    std::int64_t stamp = frame.pkt_dts;
    if (stamp == AV_NOPTS_VALUE) stamp = frame.pts; // the packet time stamps reordered
    if (stamp == AV_NOPTS_VALUE) stamp = FPacketPTS;
    if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
    if (stamp == AV_NOPTS_VALUE) {
        FPicture.PTS = AV_NOPTS_VALUE;
    } else {
        const AVStream* stream = FileHandle()->streams[FDecodeIndex];
        if (stream->start_time != AV_NOPTS_VALUE) stamp -= stream->start_time;
        FPicture.PTS = av::av_rescale_q(stamp, stream->time_base, AV_TIME_BASE_Q);
        av::av_log(nullptr, AV_LOG_DEBUG, "decode PTS: %0.3f\n", double(FPicture.PTS) / 1000000);
    }
    FPicture.OriginalDTS = FPacketDTS;
    FPicture.OriginalPTS = FPacketPTS;
    FPicture.StreamIndex = FDecodeIndex;
    if (FPicture.Position != -1) FLastPos = FPicture.Position;
    FPicture.Position = position;

    av::av_image_fill_arrays(FPicture.Picture.data, FPicture.Picture.linesize, FPicture.Buffer,
                             pixFmt, frame.width, frame.height, 1);
    const std::uint8_t* source[4] = { frame.data[0], frame.data[1], frame.data[2], frame.data[3] };
    av::av_image_copy(FPicture.Picture.data, FPicture.Picture.linesize, source, frame.linesize,
                      pixFmt, frame.width, frame.height);
    FPicture.Ready = true;
    return true;
}

std::int64_t TAVProbe::FrameDurationOf(int streamIndex) const {
    return FrameDuration(FileHandle()->streams[streamIndex]->r_frame_rate);
}

bool TAVProbe::DecodeNextKeyFrame(int streamIndex) {
    const int index = SelectDecodeStream(streamIndex);
    if (index < 0) return false;
    const std::int64_t duration = FrameDurationOf(index);
    const std::int64_t target = FPicture.PTS > 0 ? FPicture.PTS + duration : duration;
    return Seek(target, {}) && Decode(index);
}

bool TAVProbe::DecodePreviousFrame(int streamIndex) {
    const int index = SelectDecodeStream(streamIndex);
    if (index < 0) return false;
    const std::int64_t duration = FrameDurationOf(index);
    const std::int64_t reference = FPicture.PTS != AV_NOPTS_VALUE ? FPicture.PTS
                                   : FLastPTS != AV_NOPTS_VALUE   ? FLastPTS
                                                                  : 0;
    const std::int64_t target = reference - 2 * duration;
    if (!DecodePreviousKeyFrame(index)) return false;
    // Bounded by the input: Decode fails at its end.
    while (FPicture.PTS <= target)
        if (!Decode(index)) return false;
    return true;
}

bool TAVProbe::DecodePreviousKeyFrame(int streamIndex) {
    const int index = SelectDecodeStream(streamIndex);
    if (index < 0) return false;
    const std::int64_t duration = FrameDurationOf(index);
    const AVFormatContext* context = FileHandle();
    const std::int64_t reference = FPicture.PTS != AV_NOPTS_VALUE        ? FPicture.PTS
                                   : FLastPTS != AV_NOPTS_VALUE          ? FLastPTS
                                   : context->duration != AV_NOPTS_VALUE ? context->duration
                                                                         : 0;
    // The reading position cannot tell whether a seek went back before the reference picture:
    // demuxers that seek by their index move it only at the next read. The time of the picture
    // decoded after each seek tells.
    for (std::int64_t step = 1;; ++step) {
        const std::int64_t back = duration * step;
        const bool lastStep = back >= reference || step >= kMaxPreviousKeyFrameSteps;
        Seek(reference - back, { sfBackward });
        if (Decode(index)) {
            if (FPicture.PTS < reference || FPicture.PTS <= 0) return true;
            // The picture at the start of the stream is no earlier than the reference: there
            // is nothing before it to find.
            if (lastStep) {
                SetLastErrMsg(std::string(kPreviousKeyFrameFailed) +
                              "no key-frame before the current picture.");
                return false;
            }
        } else if (back > reference || lastStep) {
            SetLastErrMsg(kPreviousKeyFrameFailed + LastErrMsg());
            return false;
        }
    }
}

bool TAVProbe::CopyToBitmap(TBitmap& bitmap) {
    if (!FPicture.Ready) {
        ReportError(AV_LOG_ERROR, "picture not ready, please decode first");
        return false;
    }
    const bool converted =
        PictureToBitmap(FRGBContext, FPicture.Picture.data, FPicture.Picture.linesize,
                        AVPixelFormat(FPicture.PixFmt), FPicture.Height, FPicture.Width);
    if (converted) {
        bitmap.Assign(*FRGBContext.Bitmap);
    } else {
        bitmap.SetSize(FPicture.Width, FPicture.Height);
        bitmap.Canvas().Brush().SetColor(clBlack);
        bitmap.Canvas().Brush().SetStyle(bsSolid);
        bitmap.Canvas().FillRect(TRect(0, 0, FPicture.Width, FPicture.Height));
        av::av_log(nullptr, AV_LOG_ERROR, "convert picture to bitmap failed\n");
    }
    return converted;
}
