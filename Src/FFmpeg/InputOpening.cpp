#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/InputErrorText.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpegLoader.h"
#include "platform/rtl/Format.h"

#include <cmath>
#include <mutex>

namespace {

// What the 2010 libraries took as format parameters are demuxer options now; a demuxer without
// such an option leaves the entry unused.
DictionaryPtr InputParameters(const TTranscoderOptions& opt) {
    AVDictionary* raw = nullptr;
    const auto set = [&raw](const char* key, const std::string& value) {
        av::av_dict_set(&raw, key, value.c_str(), 0);
    };
    set("sample_rate", std::to_string(opt.Faudio_sample_rate));
    set("channels", std::to_string(opt.Faudio_channels));
    if (opt.Fframe_rate.num && opt.Fframe_rate.den)
        set("framerate", Format("%d/%d", opt.Fframe_rate.num, opt.Fframe_rate.den));
    if (opt.Fframe_width > 0 && opt.Fframe_height > 0)
        set("video_size", Format("%dx%d", opt.Fframe_width, opt.Fframe_height));
    if (opt.Fframe_pix_fmt != AV_PIX_FMT_NONE)
        if (const char* name = av::av_get_pix_fmt_name(opt.Fframe_pix_fmt))
            set("pixel_format", name);
    if (opt.Fvideo_channel) set("channel", std::to_string(opt.Fvideo_channel));
    if (!opt.Fvideo_standard.empty()) set("standard", opt.Fvideo_standard);
    // Input looping is the picture demuxer's: it shows a picture (or a numbered series of
    // them) again and again.
    if (opt.Floop_input) set("loop", "1");
    return DictionaryPtr(raw);
}

// Keeps only the streams of the program with the id; false when the file has no such program.
bool SelectProgram(AVFormatContext* context, int programId) {
    for (unsigned i = 0; i < context->nb_streams; ++i)
        context->streams[i]->discard = AVDISCARD_ALL;
    bool found = false;
    for (unsigned p = 0; p < context->nb_programs; ++p) {
        AVProgram* program = context->programs[p];
        if (program->id != programId) {
            program->discard = AVDISCARD_ALL;
            continue;
        }
        found = true;
        for (unsigned j = 0; j < program->nb_stream_indexes; ++j)
            if (program->stream_index[j] < context->nb_streams)
                context->streams[program->stream_index[j]]->discard = AVDISCARD_DEFAULT;
    }
    return found;
}

} // namespace

bool TCustomFFmpeg::FindCodecID(const std::string& name, AVMediaType type, AVCodecID& codecId,
                                int strict, bool encoder) {
    codecId = AV_CODEC_ID_NONE;
    if (name.empty()) return true;
    const char* word = encoder ? "encoder" : "decoder";
    const AVCodec* codec = encoder ? av::avcodec_find_encoder_by_name(name.c_str())
                                   : av::avcodec_find_decoder_by_name(name.c_str());
    if (!codec) {
        FLastErrMsg = Format("Unknown %s '%s'", word, name);
        return false;
    }
    if (codec->type != type) {
        FLastErrMsg = Format("Invalid %s type '%s'", word, name);
        return false;
    }
    if ((codec->capabilities & AV_CODEC_CAP_EXPERIMENTAL) && strict > FF_COMPLIANCE_EXPERIMENTAL) {
        FLastErrMsg = Format("%s '%s' is experimental and might produce bad results.\r\nAdd "
                             "'-strict experimental' if you want to use it.",
                             word, codec->name);
        const AVCodec* other =
            encoder ? av::avcodec_find_encoder(codec->id) : av::avcodec_find_decoder(codec->id);
        if (other && !(other->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
            FLastErrMsg += Format("\r\nOr use the non experimental %s '%s'.", word, other->name);
        return false;
    }
    codecId = codec->id;
    return true;
}

int TCustomFFmpeg::CodecStrictness(AVMediaType type) const {
    const auto& contexts = Options().FOptions.avcodec_opts;
    const std::size_t index = std::size_t(type);
    return index < contexts.size() && contexts[index] ? contexts[index]->strict_std_compliance : 0;
}

bool TCustomFFmpeg::OpenInputFile(const std::string& fileName) {
    TTranscoderOptions& opt = Options();
    const AVInputFormat* format = nullptr;
    if (!opt.Flast_asked_format.empty()) {
        format = av::av_find_input_format(opt.Flast_asked_format.c_str());
        if (!format)
            throw FFmpegException(Format("Unknown input format: \"%s\"", opt.Flast_asked_format));
        opt.Flast_asked_format.clear();
    }
    // The codec names and the channel apply to this input only, whatever the outcome.
    struct TInputScope {
        TTranscoderOptions& Opt;
        ~TInputScope() {
            Opt.Fvideo_channel = 0;
            Opt.Floop_input = false;
            Opt.Fvideo_codec_name.clear();
            Opt.Faudio_codec_name.clear();
            Opt.Fsubtitle_codec_name.clear();
        }
    } scope{ opt };

    AVFormatContext* raw = av::avformat_alloc_context();
    if (!raw) throw FFmpegException("avformat_alloc_context failed");
    FormatContextPtr allocated(raw);
    ApplyFFOptions(opt.FOptions, raw, opt.FOptions.avformat_opts.get(), AV_OPT_FLAG_DECODING_PARAM);
    if (!FindCodecID(opt.Fvideo_codec_name, AVMEDIA_TYPE_VIDEO, raw->video_codec_id,
                     CodecStrictness(AVMEDIA_TYPE_VIDEO), false) ||
        !FindCodecID(opt.Faudio_codec_name, AVMEDIA_TYPE_AUDIO, raw->audio_codec_id,
                     CodecStrictness(AVMEDIA_TYPE_AUDIO), false) ||
        !FindCodecID(opt.Fsubtitle_codec_name, AVMEDIA_TYPE_SUBTITLE, raw->subtitle_codec_id,
                     CodecStrictness(AVMEDIA_TYPE_SUBTITLE), false))
        return false;
    raw->flags |= AVFMT_FLAG_NONBLOCK;
    if (opt.Fpgmyuv_compatibility_hack) raw->video_codec_id = AV_CODEC_ID_PGMYUV;

    DictionaryPtr parameters = InputParameters(opt);
    AVDictionary* parameterList = parameters.release();
    const int opened = AVOpenInput(&raw, FileNameToAV(fileName), format, &parameterList);
    parameters.reset(parameterList);
    // avformat_open_input frees the context on failure and owns it on success.
    allocated.release();
    if (opened < 0) {
        FLastErrMsg = InputErrorText(fileName, opened);
        return false;
    }
    InputContextPtr context(raw);
    // An input that cannot loop would be read once and the option silently lost.
    if (opt.Floop_input && av::av_dict_get(parameters.get(), "loop", nullptr, 0)) {
        FLastErrMsg = Format("%s: loop_input cannot loop this input (%s); only pictures loop",
                             fileName, raw->iformat->name);
        return false;
    }

    if (opt.Fopt_programid) {
        const bool found = SelectProgram(raw, opt.Fopt_programid);
        opt.Fopt_programid = 0;
        if (!found) {
            FLastErrMsg = "Specified program id not found";
            return false;
        }
    }
    int info = 0;
    {
        std::lock_guard lock(CodecLock());
        info = av::avformat_find_stream_info(raw, nullptr);
    }
    if (info < 0 && opt.Fverbose >= 0) {
        FLastErrMsg = Format("%s: could not find codec parameters", fileName);
        Log(llVerbose, FLastErrMsg);
        return false;
    }

    std::int64_t timestamp = opt.Fstart_time;
    if (raw->start_time != AV_NOPTS_VALUE) timestamp += raw->start_time;
    if (opt.Fstart_time != 0 && av::av_seek_frame(raw, -1, timestamp, AVSEEK_FLAG_BACKWARD) < 0 &&
        opt.Fverbose > 0)
        Log(llVerbose, Format("%s: could not seek to position %0.3f", fileName,
                              double(timestamp) / AV_TIME_BASE));
    opt.Fstart_time = 0;

    if (raw->duration != AV_NOPTS_VALUE && raw->duration > opt.FTotalOutputDuration)
        opt.FTotalOutputDuration = raw->duration;
    const std::int64_t tsOffset =
        opt.Fcopy_ts ? opt.Finput_ts_offset : opt.Finput_ts_offset - timestamp;
    const int fileIndex = nb_input_files();
    if (opt.Fverbose >= 0) av::av_dump_format(raw, fileIndex, raw->url, 0);
    AddInputFile(std::move(context), tsOffset);
    for (auto& record : InputFile(fileIndex).Streams)
        TakeInputStream(*InputFile(fileIndex).Context, *record);
    return true;
}

void TCustomFFmpeg::TakeInputStream(AVFormatContext& context, TInputStreamCodec& record) {
    TTranscoderOptions& opt = Options();
    AVStream* stream = record.Stream;
    AVCodecContext* decoder = record.Context.get();
    const AVCodecParameters* par = stream->codecpar;
    decoder->thread_count = opt.Fthread_count;
    const auto byName = [](const std::string& name) -> const AVCodec* {
        return name.empty() ? nullptr : av::avcodec_find_decoder_by_name(name.c_str());
    };
    switch (par->codec_type) {
    case AVMEDIA_TYPE_VIDEO: {
        ApplyFFOptions(opt.FOptions, decoder, opt.FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO].get(),
                       AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
        opt.Fframe_height = par->height;
        opt.Fframe_width = par->width;
        const AVRational sar = stream->sample_aspect_ratio.num ? stream->sample_aspect_ratio
                                                               : par->sample_aspect_ratio;
        double ratio = sar.den ? double(sar.num) / sar.den : 0.0;
        if (std::isnan(ratio)) ratio = 0.0;
        if (par->width && par->height)
            opt.Fframe_aspect_ratio = ratio != 0.0 ? float(par->width * ratio / par->height)
                                                   : float(par->width) / float(par->height);
        else if (ratio == 0.0)
            opt.Fframe_aspect_ratio = 4.0f / 3.0f;
        opt.Fframe_pix_fmt = par->format < 0 ? AV_PIX_FMT_YUV420P : AVPixelFormat(par->format);
        if (decoder->lowres) {
            opt.Fframe_height >>= decoder->lowres;
            opt.Fframe_width >>= decoder->lowres;
        }
        // The container's guess alone can be fooled, e.g. by a clock that jumps while the
        // stream is being probed; the codec's own rate settles that.
        opt.Fframe_rate = av::av_guess_frame_rate(&context, stream, nullptr);
        AddInputCodec(byName(opt.Fvideo_codec_name));
        if (opt.Fvideo_disable)
            stream->discard = AVDISCARD_ALL;
        else if (opt.Fvideo_discard)
            stream->discard = AVDiscard(opt.Fvideo_discard);
        break;
    }
    case AVMEDIA_TYPE_AUDIO:
        ApplyFFOptions(opt.FOptions, decoder, opt.FOptions.avcodec_opts[AVMEDIA_TYPE_AUDIO].get(),
                       AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
        opt.Fchannel_layout = par->ch_layout.order == AV_CHANNEL_ORDER_NATIVE
                                  ? std::int64_t(par->ch_layout.u.mask)
                                  : 0;
        opt.Faudio_channels = par->ch_layout.nb_channels;
        opt.Faudio_sample_rate = par->sample_rate;
        opt.Faudio_sample_fmt = AVSampleFormat(par->format);
        AddInputCodec(byName(opt.Faudio_codec_name));
        if (opt.Faudio_disable) stream->discard = AVDISCARD_ALL;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        AddInputCodec(byName(opt.Fsubtitle_codec_name));
        if (opt.Fsubtitle_disable) stream->discard = AVDISCARD_ALL;
        break;
    case AVMEDIA_TYPE_DATA:
    case AVMEDIA_TYPE_ATTACHMENT:
    case AVMEDIA_TYPE_UNKNOWN:
        // Every stream keeps a slot, so that the forced decoders stay in step with the streams.
        AddInputCodec(nullptr);
        break;
    default:
        throw FFmpegException("invalid codec_type");
    }
}

void TCustomFFmpeg::check_audio_video_sub_inputs(bool& hasVideo, bool& hasAudio, bool firstOnly,
                                                 bool& hasSubtitle) const {
    hasVideo = hasAudio = hasSubtitle = false;
    const int count = firstOnly ? std::min(1, nb_input_files()) : nb_input_files();
    for (int i = 0; i < count; ++i) {
        for (const auto& record : InputFile(i).Streams) {
            const int type = record->Stream->codecpar->codec_type;
            if (type < AVMEDIA_TYPE_UNKNOWN || type > AVMEDIA_TYPE_ATTACHMENT)
                throw FFmpegException("invalid codec_type of input file");
            hasVideo |= type == AVMEDIA_TYPE_VIDEO;
            hasAudio |= type == AVMEDIA_TYPE_AUDIO;
            hasSubtitle |= type == AVMEDIA_TYPE_SUBTITLE;
        }
    }
}
