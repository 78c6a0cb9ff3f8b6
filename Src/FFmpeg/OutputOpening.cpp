#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/AudioOutput.h"
#include "Src/FFmpeg/EncoderNames.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/PixelFormatChoice.h"
#include "Src/FFmpeg/RateOverride.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <ctime>

namespace {

// The container an output is written as: the libraries guess "svcd" for a ".vob" name, but a VOB
// file is a DVD program stream and takes the DVD's audio.
std::string OutputContainerName(const AVFormatContext& context) {
    if (context.url && SameText(ExtractFileExt(context.url), ".vob")) return "vob";
    return context.oformat ? context.oformat->name : "";
}

// The closest fraction with terms up to 255.
AVRational SampleAspect(double value) {
    const int exponent = std::max(0, int(std::lround(std::log2(std::fabs(value) + 1e-20))));
    const std::int64_t scale = std::int64_t(1) << (61 - exponent);
    AVRational result{ 0, 1 };
    av::av_reduce(&result.num, &result.den, std::llrint(value * double(scale)), scale, 255);
    return result;
}

AVRational FrameSampleAspect(const TTranscoderOptions& opt) {
    const double ratio =
        opt.Fframe_width * opt.Fframe_height == 0
            ? opt.Fframe_aspect_ratio * 3.0 / 4.0
            : double(opt.Fframe_aspect_ratio) * opt.Fframe_height / opt.Fframe_width;
    return SampleAspect(ratio);
}

// The private options of the encoder kind travel with the stream until its encoder opens.
void TakeEncoderOptions(const TTranscoderOptions& opt, TPrivateOptionOwner owner,
                        TOutputStreamCodec& record) {
    for (const TPrivateOption& option : opt.FPrivateOptions)
        if (option.Owner == owner) record.EncoderOptions.emplace_back(option.Name, option.Value);
}

// The muxers take the recording date as an ISO 8601 text in UTC.
std::string CreationTime(std::int64_t seconds) {
    const std::time_t time = std::time_t(seconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S.000000Z", &parts);
    return text;
}

std::uint16_t* MatrixCopy(const TQuantMatrix& matrix) {
    // The encoder frees its matrices with itself, so each gets its own copy.
    auto* copy = static_cast<std::uint16_t*>(av::av_malloc(sizeof(TQuantMatrix)));
    if (!copy) throw FFmpegException("Out of memory");
    std::memcpy(copy, matrix.data(), sizeof(TQuantMatrix));
    return copy;
}

} // namespace

int TCustomFFmpeg::OpenOutputFile(const std::string& fileName, bool join) {
    TTranscoderOptions& opt = Options();
    if (FJoinMode) {
        FLastErrMsg = "Cannot join more than one output file.";
        return -1;
    }
    opt.FEnableFilter = !opt.Fvfilters.empty();
    const std::string url = FileNameToAV(fileName);
    const AVOutputFormat* format = nullptr;
    if (!opt.Flast_asked_format.empty()) {
        format = av::av_guess_format(opt.Flast_asked_format.c_str(), nullptr, nullptr);
        if (!format) {
            FLastErrMsg = Format("Requested output format '%s' is not a suitable output format",
                                 opt.Flast_asked_format);
            return -1;
        }
        opt.Flast_asked_format.clear();
    } else {
        format = av::av_guess_format(nullptr, url.c_str(), nullptr);
        if (!format) {
            FLastErrMsg = Format("Unable to find a suitable output format for '%s'", fileName);
            return -1;
        }
    }
    AVFormatContext* raw = nullptr;
    if (av::avformat_alloc_output_context2(&raw, format, nullptr, url.c_str()) < 0 || !raw)
        throw FFmpegException("avformat_alloc_context failed");
    auto file = std::make_shared<TOutputFile>();
    file->Context.reset(raw);

    bool useVideo = format->video_codec != AV_CODEC_ID_NONE || opt.Fvideo_stream_copy ||
                    !opt.Fvideo_codec_name.empty();
    bool useAudio = format->audio_codec != AV_CODEC_ID_NONE || opt.Faudio_stream_copy ||
                    !opt.Faudio_codec_name.empty();
    bool useSubtitle = format->subtitle_codec != AV_CODEC_ID_NONE || opt.Fsubtitle_stream_copy ||
                       !opt.Fsubtitle_codec_name.empty();
    if (nb_input_files() > 0) {
        bool hasVideo = false, hasAudio = false, hasSubtitle = false;
        try {
            check_audio_video_sub_inputs(hasVideo, hasAudio, join, hasSubtitle);
        } catch (const Exception& e) {
            FLastErrMsg = Format("check_audio_video_sub_inputs fail: %s", e.Message());
            return -1;
        }
        useVideo = useVideo && hasVideo;
        useAudio = useAudio && hasAudio;
        useSubtitle = useSubtitle && hasSubtitle;
    }
    useVideo = useVideo && !opt.Fvideo_disable;
    useAudio = useAudio && !opt.Faudio_disable;
    useSubtitle = useSubtitle && !opt.Fsubtitle_disable;

    const int fileIndex = AddOutputFile(file);
    // Until the file is complete, a failure takes the slot back and removes what was created.
    struct TSlotGuard {
        TCustomFFmpeg& Self;
        std::size_t CodecCount;
        bool Keep{ false };
        ~TSlotGuard() {
            if (!Keep) Self.DropLastOutputFile(CodecCount);
        }
    } guard{ *this, OutputCodecs().size() };

    const struct {
        bool wanted;
        void (TCustomFFmpeg::*create)(int);
        const char* name;
    } kinds[] = { { useVideo, &TCustomFFmpeg::new_video_stream, "new_video_stream" },
                  { useAudio, &TCustomFFmpeg::new_audio_stream, "new_audio_stream" },
                  { useSubtitle, &TCustomFFmpeg::new_subtitle_stream, "new_subtitle_stream" } };
    for (const auto& kind : kinds) {
        if (!kind.wanted) continue;
        try {
            (this->*kind.create)(fileIndex);
        } catch (const Exception& e) {
            FLastErrMsg = Format("%s fail: %s", kind.name, e.Message());
            return -1;
        }
    }

    if (opt.Frecording_timestamp)
        av::av_dict_set(&raw->metadata, "creation_time",
                        CreationTime(opt.Frecording_timestamp).c_str(), 0);
    // The first of several pairs with one key wins, as when they were written last to first.
    for (auto pair = opt.Fmetadata.rbegin(); pair != opt.Fmetadata.rend(); ++pair)
        av::av_dict_set(&raw->metadata, pair->first.c_str(), pair->second.c_str(), 0);
    opt.Fmetadata.clear();

    if ((format->flags & AVFMT_NEEDNUMBER) && !av::av_filename_number_test(raw->url)) {
        FLastErrMsg = ErrorToText(FileNameFromAV(raw->url), AVERROR(EINVAL));
        return -1;
    }
    const int opened = file->OpenIO();
    if (opened < 0) {
        FLastErrMsg = WriteErrorToText(fileName, opened);
        return -1;
    }

    raw->max_delay = int(opt.Fmux_max_delay * 1000000);
    raw->flags |= AVFMT_FLAG_NONBLOCK;
    ApplyFFOptions(opt.FOptions, raw, opt.FOptions.avformat_opts.get(), AV_OPT_FLAG_ENCODING_PARAM);
    SetMuxerOptions(*raw);
    opt.Fstreamid_map.clear();

    if (join && nb_input_files() > 1) {
        FJoinMode = true;
        std::int64_t total = 0;
        for (int i = 0; i < nb_input_files(); ++i) {
            const std::int64_t duration = InputFile(i).Context->duration;
            if (duration != AV_NOPTS_VALUE && duration > 0) total += duration;
        }
        opt.FTotalOutputDuration = total == 0 ? -1 : total;
        while (nb_output_files() < nb_input_files())
            RepeatLastOutputSlot();
    }
    guard.Keep = true;
    return nb_output_files();
}

void TCustomFFmpeg::SetMuxerOptions(AVFormatContext& context) {
    const TTranscoderOptions& opt = Options();
    void* muxer = context.priv_data;
    if (!muxer) return;
    const auto set = [&](const std::string& name, const std::string& value) {
        if (!av::av_opt_find(muxer, name.c_str(), nullptr, 0, 0)) return;
        if (av::av_opt_set(muxer, name.c_str(), value.c_str(), 0) < 0)
            Log(llError,
                Format("Invalid value \"%s\" for option \"%s\"", value.c_str(), name.c_str()));
    };
    // Preload and the loop count are muxer options now, for the muxers that have them.
    set("preload", std::to_string(static_cast<long long>(opt.Fmux_preload * 1000000)));
    if (opt.Floop_output >= 0) set("loop", std::to_string(opt.Floop_output));
    for (const TPrivateOption& option : opt.FPrivateOptions)
        if (option.Owner == poMuxer) set(option.Name, option.Value);
}

void TCustomFFmpeg::NewOutputStream(AVMediaType type) {
    const int fileIndex = nb_output_files() - 1;
    switch (type) {
    case AVMEDIA_TYPE_VIDEO:
        new_video_stream(fileIndex);
        break;
    case AVMEDIA_TYPE_AUDIO:
        new_audio_stream(fileIndex);
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        new_subtitle_stream(fileIndex);
        break;
    default:
        throw FFmpegException("invalid codec_type");
    }
}

void TCustomFFmpeg::SetGlobalHeader(AVCodecContext* codec, AVMediaType type, bool wanted) {
    AVCodecContext* remembered = Options().FOptions.avcodec_opts[std::size_t(type)].get();
    if (!wanted) return;
    codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (remembered) remembered->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
}

const AVCodec* TCustomFFmpeg::StreamEncoder(TOutputStreamCodec& record, AVMediaType type,
                                            std::string& codecName) {
    AVCodecContext* codec = record.Context.get();
    AVFormatContext* context = nullptr;
    for (int i = nb_output_files() - 1; i >= 0 && !context; --i)
        for (const auto& stream : OutputFile(i).Streams)
            if (stream.get() == &record) context = OutputFile(i).Context.get();
    const AVCodec* encoder = nullptr;
    if (!codecName.empty()) {
        // The catalogue names encoders of older libraries and audio that some containers refuse;
        // both are replaced by what the installed libraries and the container take.
        codecName = InstalledEncoderName(codecName);
        if (type == AVMEDIA_TYPE_AUDIO && context)
            codecName = ContainerAudioCodec(OutputContainerName(*context), codecName);
        AVCodecID id = AV_CODEC_ID_NONE;
        if (!FindCodecID(codecName, type, id, CodecStrictness(type), true)) {
            codecName.clear();
            throw FFmpegException(FLastErrMsg);
        }
        encoder = av::avcodec_find_encoder_by_name(codecName.c_str());
        codec->codec_id = id;
    } else if (context) {
        codec->codec_id =
            av::av_guess_codec(context->oformat, nullptr, context->url, nullptr, type);
        encoder = av::avcodec_find_encoder(codec->codec_id);
    }
    if (!encoder) return encoder;
    // An encoder's own defaults replace the generic ones, which some encoders refuse (libx264
    // stops at "broken ffmpeg default settings"); what the stream got so far is carried over.
    CodecContextPtr fresh(av::avcodec_alloc_context3(encoder));
    if (!fresh) throw FFmpegException("Could not alloc stream");
    fresh->codec_id = codec->codec_id;
    fresh->codec_type = codec->codec_type;
    fresh->thread_count = codec->thread_count;
    fresh->codec_tag = codec->codec_tag;
    fresh->flags |= codec->flags;
    fresh->flags2 |= codec->flags2;
    record.Context = std::move(fresh);
    return encoder;
}

void TCustomFFmpeg::new_video_stream(int fileIndex) {
    TTranscoderOptions& opt = Options();
    AVFormatContext* context = OutputFile(fileIndex).Context.get();
    TOutputStreamCodec& record = AddOutputStream(fileIndex, AVMEDIA_TYPE_VIDEO);
    AVCodecContext* codec = record.Context.get();
    AVStream* stream = record.Stream;
    codec->thread_count = opt.Fthread_count;
    if (opt.Fvideo_codec_tag) codec->codec_tag = opt.Fvideo_codec_tag;
    SetGlobalHeader(
        codec, AVMEDIA_TYPE_VIDEO,
        (opt.Fvideo_global_header & 1) ||
            (opt.Fvideo_global_header == 0 && (context->oformat->flags & AVFMT_GLOBALHEADER)));
    if (opt.Fvideo_global_header & 2) {
        codec->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
        if (AVCodecContext* remembered = opt.FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO].get())
            remembered->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
    }
    const AVCodec* encoder = nullptr;
    if (opt.Fvideo_stream_copy) {
        record.StreamCopy = true;
        codec->sample_aspect_ratio = stream->sample_aspect_ratio = FrameSampleAspect(opt);
    } else {
        AVRational rate = opt.Fframe_rate.num ? opt.Fframe_rate : AVRational{ 25, 1 };
        encoder = StreamEncoder(record, AVMEDIA_TYPE_VIDEO, opt.Fvideo_codec_name);
        codec = record.Context.get();
        ApplyFFOptions(opt.FOptions, codec, opt.FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO].get(),
                       AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        TakeEncoderOptions(opt, poVideoEncoder, record);
        if (encoder && encoder->supported_framerates && !opt.Fforce_fps)
            rate = encoder->supported_framerates[av::av_find_nearest_q_idx(
                rate, encoder->supported_framerates)];
        codec->time_base = AVRational{ rate.den, rate.num };
        codec->framerate = rate;
        codec->width = opt.Fframe_width;
        codec->height = opt.Fframe_height;
        codec->sample_aspect_ratio = FrameSampleAspect(opt);
        codec->pix_fmt = opt.Fframe_pix_fmt;
        stream->sample_aspect_ratio = codec->sample_aspect_ratio;
        ChoosePixelFormat(codec, encoder);
        if (opt.Fintra_only) codec->gop_size = 0;
        if (opt.Fvideo_qscale != 0.0f || opt.Fsame_quality) {
            codec->flags |= AV_CODEC_FLAG_QSCALE;
            record.Quality = float(FF_QP2LAMBDA) * opt.Fvideo_qscale;
            codec->global_quality = int(record.Quality);
        }
        if (opt.Fintra_matrix) codec->intra_matrix = MatrixCopy(*opt.Fintra_matrix);
        if (opt.Finter_matrix) codec->inter_matrix = MatrixCopy(*opt.Finter_matrix);
        SetRateOverrides(codec, opt.Fvideo_rc_override_string);
        if (codec->rc_initial_buffer_occupancy == 0)
            codec->rc_initial_buffer_occupancy = codec->rc_buffer_size * 3 / 4;
        codec->intra_dc_precision = opt.Fintra_dc_precision - 8;
        if (opt.Fdo_psnr) codec->flags |= AV_CODEC_FLAG_PSNR;
        if (opt.Fdo_pass == 1) codec->flags |= AV_CODEC_FLAG_PASS1;
        if (opt.Fdo_pass == 2) codec->flags |= AV_CODEC_FLAG_PASS2;
    }
    AddOutputCodec(encoder && !opt.Fvideo_codec_name.empty() ? encoder : nullptr);
    if (!opt.Fvideo_language.empty()) {
        av::av_dict_set(&stream->metadata, "language", opt.Fvideo_language.c_str(), 0);
        opt.Fvideo_language.clear();
    }
    opt.Fvideo_disable = false;
    opt.Fvideo_codec_name.clear();
    opt.Fvideo_stream_copy = 0;
    opt.Fframe_pix_fmt = AV_PIX_FMT_NONE;
}

void TCustomFFmpeg::new_audio_stream(int fileIndex) {
    TTranscoderOptions& opt = Options();
    AVFormatContext* context = OutputFile(fileIndex).Context.get();
    TOutputStreamCodec& record = AddOutputStream(fileIndex, AVMEDIA_TYPE_AUDIO);
    AVCodecContext* codec = record.Context.get();
    AVStream* stream = record.Stream;
    codec->thread_count = opt.Fthread_count;
    if (opt.Faudio_codec_tag) codec->codec_tag = opt.Faudio_codec_tag;
    SetGlobalHeader(codec, AVMEDIA_TYPE_AUDIO, context->oformat->flags & AVFMT_GLOBALHEADER);
    const AVCodec* encoder = nullptr;
    if (opt.Faudio_stream_copy) {
        record.StreamCopy = true;
        av::av_channel_layout_uninit(&codec->ch_layout);
        av::av_channel_layout_default(&codec->ch_layout, opt.Faudio_channels);
        codec->sample_rate = opt.Faudio_sample_rate;
    } else {
        encoder = StreamEncoder(record, AVMEDIA_TYPE_AUDIO, opt.Faudio_codec_name);
        codec = record.Context.get();
        ApplyFFOptions(opt.FOptions, codec, opt.FOptions.avcodec_opts[AVMEDIA_TYPE_AUDIO].get(),
                       AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        TakeEncoderOptions(opt, poAudioEncoder, record);
        if (opt.Faudio_qscale > -99999.0f) {
            codec->flags |= AV_CODEC_FLAG_QSCALE;
            record.Quality = float(FF_QP2LAMBDA) * opt.Faudio_qscale;
            codec->global_quality = int(record.Quality);
        }
        av::av_channel_layout_uninit(&codec->ch_layout);
        const std::uint64_t mask = std::uint64_t(opt.Fchannel_layout);
        if (mask && std::popcount(mask) == opt.Faudio_channels) {
            codec->ch_layout.order = AV_CHANNEL_ORDER_NATIVE;
            codec->ch_layout.nb_channels = opt.Faudio_channels;
            codec->ch_layout.u.mask = mask;
        } else {
            av::av_channel_layout_default(&codec->ch_layout, opt.Faudio_channels);
        }
        codec->sample_fmt = opt.Faudio_sample_fmt;
        codec->sample_rate = opt.Faudio_sample_rate;
        ChooseSampleFormat(*codec, encoder);
        ChooseSampleRate(*codec, encoder, this);
        ChooseChannelLayout(*codec, encoder);
    }
    AddOutputCodec(encoder && !opt.Faudio_codec_name.empty() ? encoder : nullptr);
    codec->time_base = AVRational{ 1, codec->sample_rate > 0 ? codec->sample_rate : 1 };
    if (!opt.Faudio_language.empty()) {
        av::av_dict_set(&stream->metadata, "language", opt.Faudio_language.c_str(), 0);
        opt.Faudio_language.clear();
    }
    opt.Faudio_disable = false;
    opt.Faudio_codec_name.clear();
    opt.Faudio_stream_copy = 0;
}

void TCustomFFmpeg::new_subtitle_stream(int fileIndex) {
    TTranscoderOptions& opt = Options();
    TOutputStreamCodec& record = AddOutputStream(fileIndex, AVMEDIA_TYPE_SUBTITLE);
    AVCodecContext* codec = record.Context.get();
    if (opt.Fsubtitle_codec_tag) codec->codec_tag = opt.Fsubtitle_codec_tag;
    const AVCodec* encoder = nullptr;
    if (opt.Fsubtitle_stream_copy) {
        record.StreamCopy = true;
    } else {
        encoder = StreamEncoder(record, AVMEDIA_TYPE_SUBTITLE, opt.Fsubtitle_codec_name);
        codec = record.Context.get();
        ApplyFFOptions(opt.FOptions, codec, opt.FOptions.avcodec_opts[AVMEDIA_TYPE_SUBTITLE].get(),
                       AV_OPT_FLAG_SUBTITLE_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        TakeEncoderOptions(opt, poSubtitleEncoder, record);
    }
    AddOutputCodec(encoder && !opt.Fsubtitle_codec_name.empty() ? encoder : nullptr);
    if (!opt.Fsubtitle_language.empty()) {
        av::av_dict_set(&record.Stream->metadata, "language", opt.Fsubtitle_language.c_str(), 0);
        opt.Fsubtitle_language.clear();
    }
    opt.Fsubtitle_disable = false;
    opt.Fsubtitle_codec_name.clear();
    opt.Fsubtitle_stream_copy = 0;
}
