#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/FFOptions.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/SharedEncoderTables.h"
#include "Src/FFmpegLoader.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <mutex>

void TCustomFFmpeg::Transcode() {
    TTranscodeRun run(*this);
    run.Run();
}

TTranscodeRun::TTranscodeRun(TCustomFFmpeg& owner)
    : FOwner(owner), FOpt(owner.Options()), FJoin(owner.JoinMode()) {
    FPacket.reset(av::av_packet_alloc());
    FOutPacket.reset(av::av_packet_alloc());
    FEncoded.reset(av::av_packet_alloc());
    FKept.reset(av::av_packet_alloc());
    FScratch.reset(av::av_frame_alloc());
    FFiltered.reset(av::av_frame_alloc());
    FCropped.reset(av::av_frame_alloc());
    if (!FPacket || !FOutPacket || !FEncoded || !FKept || !FScratch || !FFiltered || !FCropped)
        throw FFmpegException("av_mallocz fail");
}

TTranscodeRun::~TTranscodeRun() = default;

int TTranscodeRun::OutputFileCount() const {
    return FJoin ? std::min(1, FOwner.nb_output_files()) : FOwner.nb_output_files();
}

void TTranscodeRun::Fail(const std::string& message, bool dump) {
    if (dump) DumpFormatsAndMapping();
    FOwner.Log(llError, message);
    throw FFmpegException(message);
}

void TTranscodeRun::Run() {
    BuildInputTables();
    BuildOutputTables();
    MapStreams();
    PrepareStreams();
    OpenEncoders();
    OpenDecoders();
    CreateAudioOutputs();
    for (auto& ost : FOutputStreams)
        if (!ost->EncoderOwner) CreateBitstreamFilters(*ost);
    InitInputClocks();
    CopyMetadata();
    CopyChapters();
    WriteHeaders();
    DumpFormatsAndMapping();
    PacketLoop();
    Ending();
}

void TTranscodeRun::PrepareStreams() {
    for (std::size_t n = 0; n < FOutputStreams.size(); ++n) {
        TAVOutputStream& ost = *FOutputStreams[n];
        TAVInputStream& ist = *FInputStreams[std::size_t(ost.source_index)];
        if (ost.EncoderOwner) {
            // A later group of a joined output: its stream and encoder are group 0's.
            ost.encoding_needed = ost.EncoderOwner->encoding_needed;
            ist.decoding_needed = ist.decoding_needed || ost.encoding_needed;
            continue;
        }
        av::av_dict_copy(&ost.st->metadata, ist.st->metadata, AV_DICT_DONT_OVERWRITE);
        ost.st->disposition = ist.st->disposition;
        if (ost.Record->StreamCopy) {
            PrepareCopy(ost, ist);
            continue;
        }
        AVCodecContext* enc = ost.Encoder();
        enc->bits_per_raw_sample = ist.st->codecpar->bits_per_raw_sample;
        enc->chroma_sample_location = ist.st->codecpar->chroma_location;
        switch (enc->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            PrepareVideoEncoding(ost, ist);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            // Subtitle times are microseconds; 5.1 opens no encoder without a time base.
            if (!enc->time_base.num) enc->time_base = AV_TIME_BASE_Q;
            [[fallthrough]];
        case AVMEDIA_TYPE_AUDIO:
            ost.encoding_needed = true;
            ist.decoding_needed = true;
            break;
        default:
            throw FFmpegException("invalid codec_type of output stream");
        }
        if (enc->flags & (AV_CODEC_FLAG_PASS1 | AV_CODEC_FLAG_PASS2)) OpenPassLog(ost, int(n));
    }
}

void TTranscodeRun::PrepareCopy(TAVOutputStream& ost, TAVInputStream& ist) {
    AVCodecParameters* par = ost.st->codecpar;
    const AVCodecParameters* input = ist.st->codecpar;
    std::uint32_t tag = ost.Record->Context->codec_tag;
    if (av::avcodec_parameters_copy(par, input) < 0) throw FFmpegException("av_mallocz fail");
    if (!tag) {
        const AVCodecTag* const* tags = ost.oc->oformat->codec_tag;
        tag = input->codec_tag;
        if (tags && av::av_codec_get_id(tags, tag) != input->codec_id &&
            av::av_codec_get_tag(tags, input->codec_id))
            tag = 0;
    }
    par->codec_tag = tag;
    // The muxer may still choose its own time base when it writes the header.
    ost.st->time_base = ist.st->time_base;
    switch (par->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        if (FOwner.OnCustomHook)
            throw FFmpegException(
                "-vcodec copy and CustomHook are incompatible (frames are not decoded)");
        if (FOpt.Fusing_vhook)
            throw FFmpegException(
                "-vcodec copy and -vhook are incompatible (frames are not decoded)");
        if (!FOwner.PostHooks().Empty())
            throw FFmpegException(
                "-vcodec copy and PostHooks are incompatible (frames are not decoded)");
        // Muxers refuse a stream whose two aspect ratios disagree.
        if (ost.st->sample_aspect_ratio.num)
            par->sample_aspect_ratio = ost.st->sample_aspect_ratio;
        else
            ost.st->sample_aspect_ratio = par->sample_aspect_ratio;
        ost.st->avg_frame_rate = ist.st->avg_frame_rate;
        break;
    case AVMEDIA_TYPE_AUDIO:
        if (FOpt.Faudio_volume != 256)
            throw FFmpegException(
                "-acodec copy and -vol are incompatible (frames are not decoded)");
        if ((par->block_align == 1 && par->codec_id == AV_CODEC_ID_MP3) ||
            par->codec_id == AV_CODEC_ID_AC3)
            par->block_align = 0;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        break;
    default:
        throw FFmpegException("invalid codec_type of output stream");
    }
}

void TTranscodeRun::PrepareVideoEncoding(TAVOutputStream& ost, TAVInputStream& ist) {
    AVCodecContext* enc = ost.Encoder();
    const AVCodecContext* dec = ist.Decoder();
    if (enc->pix_fmt == AV_PIX_FMT_NONE)
        throw FFmpegException("Video pixel format is unknown, stream cannot be encoded");
    ost.video_crop = FOpt.Fframe_topBand || FOpt.Fframe_bottomBand || FOpt.Fframe_leftBand ||
                     FOpt.Fframe_rightBand;
    const int width = dec->width - FOpt.Fframe_leftBand - FOpt.Fframe_rightBand;
    const int height = dec->height - FOpt.Fframe_topBand - FOpt.Fframe_bottomBand;
    ost.video_resample =
        width != enc->width || height != enc->height || dec->pix_fmt != enc->pix_fmt;
    if (ost.video_crop) {
        ost.topBand = ost.original_topBand = FOpt.Fframe_topBand;
        ost.bottomBand = ost.original_bottomBand = FOpt.Fframe_bottomBand;
        ost.leftBand = ost.original_leftBand = FOpt.Fframe_leftBand;
        ost.rightBand = ost.original_rightBand = FOpt.Fframe_rightBand;
    }
    // The size the bands were given for, so that they follow a later size change.
    ost.original_height = dec->height;
    ost.original_width = dec->width;
    if (ost.video_resample && !FOpt.FEnableFilter) {
        MakeScaler(ost, width, height, dec->pix_fmt);
        enc->bits_per_raw_sample = 0;
    }
    ost.resample_height = height;
    ost.resample_width = width;
    ost.resample_pix_fmt = dec->pix_fmt;
    ost.encoding_needed = true;
    ist.decoding_needed = true;
    FOwner.FLastErrMsg.clear();
    if (!FOpt.FEnableFilter) return;
    TFilterGraphSettings settings;
    settings.TopBand = FOpt.Fframe_topBand;
    settings.BottomBand = FOpt.Fframe_bottomBand;
    settings.LeftBand = FOpt.Fframe_leftBand;
    settings.RightBand = FOpt.Fframe_rightBand;
    settings.Filters = FOpt.Fvfilters;
    settings.SwsFlags = FOpt.Fsws_flags;
    ost.Graph = std::make_unique<TTranscodeFilterGraph>();
    try {
        ost.Graph->Build(*dec, *enc, settings);
    } catch (const Exception& e) {
        FOwner.FLastErrMsg = e.Message().empty() ? "Error opening filters!" : e.Message();
        throw FFmpegException(FOwner.FLastErrMsg);
    }
    ost.GraphWidth = dec->width;
    ost.GraphHeight = dec->height;
    ost.GraphFormat = dec->pix_fmt;
}

void TTranscodeRun::OpenPassLog(TAVOutputStream& ost, int position) {
    AVCodecContext* enc = ost.Encoder();
    // Without a prefix the log goes beside the output, named after it, so that two tasks never
    // share one.
    std::string prefix = FOpt.Fpass_logfilename_prefix;
    if (prefix.empty()) prefix = ChangeFileExt(FileNameFromAV(ost.oc->url), "") + "-ffmpeg2pass";
    const std::string name = Format("%s-%d.log", prefix, position);
    if (enc->flags & AV_CODEC_FLAG_PASS1) {
        ost.logfile.reset(std::fopen(name.c_str(), "wb"));
        if (!ost.logfile)
            throw FFmpegException(Format("Cannot write log file %s for pass-1 encoding", name));
        return;
    }
    std::string content;
    const int result = ReadWholeFile(name, content);
    if (result == -12)
        throw FFmpegException(Format(
            "Could not allocate file buffer: Error reading log file \"%s\" for pass-2 encoding",
            name));
    if (result != 0)
        throw FFmpegException(
            Format("Cannot read file: Error reading log file \"%s\" for pass-2 encoding", name));
    av::av_freep(&enc->stats_in);
    enc->stats_in = av::av_strdup(content.c_str());
    if (!enc->stats_in) throw FFmpegException("av_mallocz fail");
}

void TTranscodeRun::OpenEncoders() {
    for (std::size_t n = 0; n < FOutputStreams.size(); ++n) {
        if (FJoin && int(n) >= FGroupSize) break;
        TAVOutputStream& ost = *FOutputStreams[n];
        if (!ost.encoding_needed) continue;
        AVCodecContext* enc = ost.Encoder();
        const auto& forced = FOwner.OutputCodecs();
        const AVCodec* codec =
            n < forced.size() && forced[n] ? forced[n] : av::avcodec_find_encoder(enc->codec_id);
        const std::string typeName = MediaTypeName(enc->codec_type);
        if (!codec)
            Fail(Format("Encoder (codec id %d) not found for output stream #%d.%d (%s)",
                        int(enc->codec_id), ost.file_index, ost.index, typeName),
                 true);
        if (enc->codec_type == AVMEDIA_TYPE_SUBTITLE) TakeSubtitleHeader(ost);
        if (enc->thread_count == 0) enc->thread_count = FOwner.AutoCodecThreadCount();
        AVDictionary* options = nullptr;
        for (const auto& [name, value] : ost.Record->EncoderOptions)
            av::av_dict_set(&options, name.c_str(), value.c_str(), 0);
        int result = 0;
        {
            // Taken before the codec lock: a frame being coded never waits for that lock.
            const TSharedEncoderTables::OpeningScope opening(TSharedEncoderTables::Instance(),
                                                             TSharedEncoderTables::Rebuilds(codec));
            std::lock_guard lock(CodecLock());
            ost.codec_id = enc->codec_id;
            result = av::avcodec_open2(enc, codec, &options);
            if (result >= 0) AddCodecItem(FOwner.FEncoderList, ost.Record);
        }
        for (const AVDictionaryEntry* left = nullptr;
             (left = av::av_dict_get(options, "", left, AV_DICT_IGNORE_SUFFIX));)
            FOwner.Log(llWarning, Format("Codec AVOption %s (%s) has not been used for any stream",
                                         left->key, left->value));
        av::av_dict_free(&options);
        if (result < 0)
            Fail(Format("Error while opening encoder for output stream #%d.%d (%s) - maybe "
                        "incorrect parameters such as bit_rate, rate, width or height. Please "
                        "check error log message to find out more detail information.",
                        ost.file_index, ost.index, typeName),
                 true);
        if (av::avcodec_parameters_from_context(ost.st->codecpar, enc) < 0)
            throw FFmpegException("av_mallocz fail");
        ost.st->time_base = enc->time_base;
        if (enc->codec_type == AVMEDIA_TYPE_VIDEO) ost.st->avg_frame_rate = enc->framerate;
        FExtraSize += enc->extradata_size;
    }
}

void TTranscodeRun::OpenDecoders() {
    for (std::size_t n = 0; n < FInputStreams.size(); ++n)
        if (FInputStreams[n]->decoding_needed) OpenDecoder(*FInputStreams[n], n);
}

void TTranscodeRun::OpenDecoder(TAVInputStream& ist, std::size_t position) {
    if (ist.decoder_open) return;
    const auto& forced = FOwner.InputCodecs();
    AVCodecContext* dec = ist.Decoder();
    const AVCodec* codec = position < forced.size() && forced[position]
                               ? forced[position]
                               : av::avcodec_find_decoder(dec->codec_id);
    const std::string typeName = MediaTypeName(dec->codec_type);
    if (!codec)
        Fail(Format("Decoder (codec id %d) not found for input stream #%d.%d (%s)",
                    int(dec->codec_id), ist.file_index, ist.index, typeName),
             true);
    if (dec->thread_count == 0) dec->thread_count = FOwner.AutoCodecThreadCount();
    int result = 0;
    {
        std::lock_guard lock(CodecLock());
        result = av::avcodec_open2(dec, codec, nullptr);
        if (result >= 0) AddCodecItem(FOwner.FDecoderList, ist.Record);
    }
    if (result < 0)
        Fail(Format("Error while opening decoder for input stream #%d.%d (%s)", ist.file_index,
                    ist.index, typeName),
             true);
    ist.decoder_open = true;
}

void TTranscodeRun::TakeSubtitleHeader(TAVOutputStream& ost) {
    // Text subtitle encoders open only with the style header their decoder made, so that
    // decoder opens first.
    TAVInputStream& ist = *FInputStreams[std::size_t(ost.source_index)];
    OpenDecoder(ist, std::size_t(ost.source_index));
    const AVCodecContext* dec = ist.Decoder();
    AVCodecContext* enc = ost.Encoder();
    if (!dec->subtitle_header || enc->subtitle_header) return;
    enc->subtitle_header =
        static_cast<std::uint8_t*>(av::av_mallocz(dec->subtitle_header_size + 1));
    if (!enc->subtitle_header) throw FFmpegException("av_mallocz fail");
    std::memcpy(enc->subtitle_header, dec->subtitle_header, std::size_t(dec->subtitle_header_size));
    enc->subtitle_header_size = dec->subtitle_header_size;
}

void TTranscodeRun::CreateAudioOutputs() {
    for (auto& ost : FOutputStreams) {
        if (ost->EncoderOwner || !ost->encoding_needed || ost->Type() != AVMEDIA_TYPE_AUDIO)
            continue;
        TAVInputStream& ist = *FInputStreams[std::size_t(ost->source_index)];
        TAVOutputStream* stream = ost.get();
        ost->Audio = std::make_unique<TAudioOutput>(
            TAudioOutputSettings::From(FOpt, &FOwner), *ist.Decoder(), *ost->Encoder(),
            [this, stream](AVPacket& packet) { WriteEncodedPacket(*stream, packet); });
    }
}

void TTranscodeRun::CreateBitstreamFilters(TAVOutputStream& ost) {
    const auto& names = ost.Record->BitstreamFilters;
    if (names.empty()) return;
    std::string chain;
    for (const std::string& name : names)
        chain += (chain.empty() ? "" : ",") + name;
    AVBSFContext* raw = nullptr;
    if (av::av_bsf_list_parse_str(chain.c_str(), &raw) < 0 || !raw)
        throw FFmpegException(Format("Unknown bitstream filter %s", chain));
    BsfContextPtr bsf(raw);
    if (av::avcodec_parameters_copy(bsf->par_in, ost.st->codecpar) < 0)
        throw FFmpegException("av_mallocz fail");
    bsf->time_base_in = ost.st->time_base;
    const int result = av::av_bsf_init(bsf.get());
    if (result < 0) throw FFmpegException(ErrorToText(chain, result));
    if (av::avcodec_parameters_copy(ost.st->codecpar, bsf->par_out) < 0)
        throw FFmpegException("av_mallocz fail");
    ost.Bitstream = std::move(bsf);
}

void TTranscodeRun::InitInputClocks() {
    for (auto& ist : FInputStreams) {
        const AVRational rate = ist->st->avg_frame_rate;
        ist->pts = rate.num && rate.den ? -std::llrint(double(ist->st->codecpar->video_delay) *
                                                       AV_TIME_BASE / (double(rate.num) / rate.den))
                                        : 0;
        ist->next_pts = AV_NOPTS_VALUE;
        ist->is_start = 1;
    }
}

void TTranscodeRun::CopyMetadata() {
    const int outputs = FOwner.nb_output_files();
    const int inputs = FOwner.nb_input_files();
    for (const TAVMetaDataMap& map : FOpt.Fmeta_data_maps) {
        if (map.out_file < 0 || map.out_file >= outputs)
            Fail(Format("Invalid output file index %d map_meta_data(%d,%d)", map.out_file,
                        map.out_file, map.in_file),
                 true);
        if (map.in_file < 0 || map.in_file >= inputs)
            Fail(Format("Invalid input file index %d map_meta_data(%d,%d)", map.in_file,
                        map.out_file, map.in_file),
                 true);
        av::av_dict_copy(&FOwner.OutputFile(map.out_file).Context->metadata,
                         FOwner.InputFile(map.in_file).Context->metadata, AV_DICT_DONT_OVERWRITE);
    }
}

void TTranscodeRun::CopyChapters() {
    // Joined inputs write one file: its chapters come from the first input, whose times match.
    const int inputs = FJoin ? std::min(1, FOwner.nb_input_files()) : FOwner.nb_input_files();
    for (int i = 0; i < inputs; ++i) {
        const AVFormatContext* ic = FOwner.InputFile(i).Context.get();
        for (int o = 0; o < OutputFileCount(); ++o) {
            AVFormatContext* oc = FOwner.OutputFile(o).Context.get();
            for (unsigned c = 0; c < ic->nb_chapters; ++c) {
                const AVChapter* in = ic->chapters[c];
                const std::int64_t offset = av::av_rescale_q(
                    FOpt.Fstart_time - FOwner.InputFile(i).TSOffset, AV_TIME_BASE_Q, in->time_base);
                const std::int64_t limit =
                    FOpt.Frecording_time == INT64_MAX
                        ? INT64_MAX
                        : av::av_rescale_q(FOpt.Frecording_time, AV_TIME_BASE_Q, in->time_base);
                if (in->end < offset) continue;
                if (limit != INT64_MAX && in->start > limit + offset) break;
                auto* out = static_cast<AVChapter*>(av::av_mallocz(sizeof(AVChapter)));
                if (!out) throw FFmpegException("av_mallocz fail");
                out->id = in->id;
                out->time_base = in->time_base;
                out->start = std::max<std::int64_t>(0, in->start - offset);
                out->end = std::min(limit, in->end - offset);
                av::av_dict_copy(&out->metadata, in->metadata, 0);
                void* grown =
                    av::av_realloc(oc->chapters, (oc->nb_chapters + 1) * sizeof(AVChapter*));
                if (!grown) {
                    av::av_dict_free(&out->metadata);
                    av::av_free(out);
                    throw FFmpegException("av_realloc fail");
                }
                oc->chapters = static_cast<AVChapter**>(grown);
                oc->chapters[oc->nb_chapters++] = out;
            }
        }
    }
}

void TTranscodeRun::WriteHeaders() {
    bool wantSdp = true;
    for (int i = 0; i < OutputFileCount(); ++i) {
        AVFormatContext* oc = FOwner.OutputFile(i).Context.get();
        if (const int result = av::avformat_write_header(oc, nullptr); result < 0) {
            // A file that refused the header is the reason, not the codec parameters.
            if (oc->pb && oc->pb->error < 0)
                Fail(MuxerErrorToText(*oc, "avformat_write_header()", result), true);
            Fail(Format("Could not write header for output file #%d (incorrect codec parameters ?)",
                        i),
                 true);
        }
        wantSdp = wantSdp && std::string(oc->oformat->name) == "rtp";
    }
    if (!wantSdp) return;
    std::vector<AVFormatContext*> contexts;
    for (int i = 0; i < OutputFileCount(); ++i)
        contexts.push_back(FOwner.OutputFile(i).Context.get());
    char sdp[2048] = {};
    av::av_sdp_create(contexts.data(), int(contexts.size()), sdp, sizeof sdp);
    FOwner.Log(llInfo, "SDP:\r\n" + Trim(sdp));
}
