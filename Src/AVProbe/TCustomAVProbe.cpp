#include "Src/AVProbe/TCustomAVProbe.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegLogger.h"
#include "Src/MyUtils.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <cctype>
#include <cstdlib>

namespace {

// The leading whole number of a tag such as "2019-05-01" or "3/12"; -1 when it has none.
int LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1000000000) return -1;
    }
    return int(value);
}

std::int64_t CreationTime(const AVDictionary* metadata) {
    const std::string text = MetadataValue(metadata, "creation_time", "");
    std::int64_t microseconds = 0;
    if (text.empty() || av::av_parse_time(&microseconds, text.c_str(), 0) < 0) return -1;
    return microseconds / 1000000;
}

// The stream's time base with the zero denominators that some demuxers leave replaced, so that
// rescaling never divides by zero; the context itself is left alone, as an attached one is read
// by its owner's threads at the same time.
AVRational UsableTimeBase(AVRational timeBase) {
    if (timeBase.den == 0) timeBase.den = timeBase.num;
    if (timeBase.den == 0) timeBase.den = 1;
    return timeBase;
}

// Fills StartTime, Duration and their microsecond forms of an audio or video record.
template <typename Info>
void FillTimes(Info& info, const AVStream* stream) {
    const AVRational timeBase = UsableTimeBase(stream->time_base);
    info.StartTime = stream->start_time;
    info.Duration = stream->duration;
    if (stream->start_time != AV_NOPTS_VALUE)
        info.StartTimeScaled = av::av_rescale_q(stream->start_time, timeBase, AV_TIME_BASE_Q);
    if (stream->duration != AV_NOPTS_VALUE)
        info.DurationScaled = av::av_rescale_q(stream->duration, timeBase, AV_TIME_BASE_Q);
}

} // namespace

TCustomAVProbe::TCustomAVProbe(TComponent* owner) : TFFBaseComponent(owner) {
    TCustomAVProbe::UpdateStreamInfo();
}

TCustomAVProbe::~TCustomAVProbe() {
    TCustomAVProbe::CloseFile();
}

void TCustomAVProbe::CheckLibraries() const {
    const std::pair<TLibrary, const char*> required[] = {
        { avCodec, "LibAVCodec not loaded." },
        { avFormat, "LibAVFormat not loaded." },
        { avUtil, "LibAVUtil not loaded." },
        { swScale, "LibSwScale not loaded." },
    };
    for (const auto& [lib, message] : required)
        if (!GlobalLoader().Loaded(lib)) throw Exception(message);
}

bool TCustomAVProbe::AVLibLoaded() const {
    return GlobalLoader().Loaded(AVProbeLibraries);
}

bool TCustomAVProbe::LoadAVLib(const TPathFileName& path) {
    TFFmpegLoader::SetLibraryPath(path);
    const bool loaded = GlobalLoader().Load(AVProbeLibraries);
    if (!loaded) FLastErrMsg = TFFmpegLoader::LastErrMsg();
    return loaded;
}

void TCustomAVProbe::UnloadAVLib() {
    GlobalLoader().Unload(AVProbeLibraries);
}

void TCustomAVProbe::ReportError(int level, const std::string& text) {
    // The probe is no TObject of the class library, so the log shows no sender for it.
    GlobalLogger().Log(nullptr, AVToLogLevel(level), text);
    FLastErrMsg = text;
}

bool TCustomAVProbe::LoadFile(const std::string& fileName, const std::string& formatName) {
    CheckLibraries();
    CloseFile();
    const AVInputFormat* format = nullptr;
    if (!formatName.empty()) {
        format = av::av_find_input_format(formatName.c_str());
        if (!format) {
            FLastErrMsg = Format("Unknown input format: %s", formatName);
            return false;
        }
    }
    // No non-blocking flag: the frame grabber takes any failed read as the end of the input,
    // and a "try again" would end decoding early.
    AVFormatContext* context = nullptr;
    const int opened = AVOpenInput(&context, FileNameToAV(fileName), format, nullptr);
    if (opened < 0) {
        ReportError(AV_LOG_ERROR, InputErrorText(fileName, opened));
        CloseFile();
        return false;
    }
    FOwnedInput.reset(context);
    FFileHandle = context;
    FOwnHandle = true;
    if (av::avformat_find_stream_info(FFileHandle, nullptr) < 0) {
        FLastErrMsg = Format("%s: could not find codec parameters", fileName);
        CloseFile();
        return false;
    }
    UpdateStreamInfo();
    FForceFormat = formatName;
    return true;
}

void TCustomAVProbe::CloseFile() {
    FForceFormat.clear();
    // Only a context the probe opened is held by FOwnedInput; an attached one is just forgotten.
    FOwnedInput.reset();
    FFileHandle = nullptr;
    FOwnHandle = false;
    UpdateStreamInfo();
}

void TCustomAVProbe::SetFileHandle(AVFormatContext* value) {
    CheckLibraries();
    CloseFile();
    FOwnHandle = false;
    FFileHandle = value;
    UpdateStreamInfo();
}

void TCustomAVProbe::UpdateStreamInfo() {
    FFileSize = -1;
    FStreamCount = FProgramCount = -1;
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = -1;
    FFirstAudioStreamIndex = FFirstVideoStreamIndex = FFirstSubtitleStreamIndex = -1;
    if (!FFileHandle) return;

    FFileSize = FFileHandle->pb ? av::avio_size(FFileHandle->pb) : 0;
    if (FFileSize <= 0 && FFileHandle->url) {
        const std::int64_t size = FileSizeByName(FileNameFromAV(FFileHandle->url));
        if (size >= 0) FFileSize = size;
    }
    FStreamCount = int(FFileHandle->nb_streams);
    FProgramCount = int(FFileHandle->nb_programs);
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = 0;
    const auto count = [](int index, int& counter, int& first) {
        if (counter++ == 0) first = index;
    };
    for (int i = 0; i < FStreamCount; ++i) {
        switch (FFileHandle->streams[i]->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            count(i, FVideoStreamCount, FFirstVideoStreamIndex);
            break;
        case AVMEDIA_TYPE_AUDIO:
            count(i, FAudioStreamCount, FFirstAudioStreamIndex);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            count(i, FSubtitleStreamCount, FFirstSubtitleStreamIndex);
            break;
        default:
            break;
        }
    }
}

std::string TCustomAVProbe::FileName() {
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return "";
    }
    return FFileHandle->url ? FileNameFromAV(FFileHandle->url) : "";
}

std::string TCustomAVProbe::FormatName() {
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return "";
    }
    return FFileHandle->iformat && FFileHandle->iformat->name ? FFileHandle->iformat->name : "";
}

std::string TCustomAVProbe::FormatLongName() {
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return "";
    }
    return FFileHandle->iformat && FFileHandle->iformat->long_name ? FFileHandle->iformat->long_name
                                                                   : "";
}

TFileStreamInfo TCustomAVProbe::FileStreamInfo() {
    TFileStreamInfo info;
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return info;
    }
    const AVDictionary* metadata = FFileHandle->metadata;
    if (FFileHandle->start_time != AV_NOPTS_VALUE) info.StartTime = FFileHandle->start_time;
    if (FFileHandle->duration != AV_NOPTS_VALUE) info.Duration = FFileHandle->duration;
    info.BitRate = FFileHandle->bit_rate;
    info.TimeStamp = CreationTime(metadata);
    info.Year = LeadingNumber(MetadataValue(metadata, "date", ""));
    if (info.Year < 0) info.Year = LeadingNumber(MetadataValue(metadata, "year", ""));
    info.Track = LeadingNumber(MetadataValue(metadata, "track", ""));
    info.Title = MetadataValue(metadata, "title", "");
    info.Author = MetadataValue(metadata, "author", "");
    info.Copyright = MetadataValue(metadata, "copyright", "");
    info.Comment = MetadataValue(metadata, "comment", "");
    info.Album = MetadataValue(metadata, "album", "");
    info.Genre = MetadataValue(metadata, "genre", "");
    return info;
}

AVStream* TCustomAVProbe::StreamOfKind(int& streamIndex, int mediaType) {
    const char* kind = mediaType == AVMEDIA_TYPE_AUDIO   ? "audio"
                       : mediaType == AVMEDIA_TYPE_VIDEO ? "video"
                                                         : "subtitle";
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return nullptr;
    }
    if (streamIndex < 0) {
        streamIndex = mediaType == AVMEDIA_TYPE_AUDIO   ? FFirstAudioStreamIndex
                      : mediaType == AVMEDIA_TYPE_VIDEO ? FFirstVideoStreamIndex
                                                        : FFirstSubtitleStreamIndex;
        if (streamIndex < 0) {
            ReportError(AV_LOG_ERROR, Format("no %s stream.", kind));
            return nullptr;
        }
    } else if (unsigned(streamIndex) >= FFileHandle->nb_streams) {
        ReportError(AV_LOG_ERROR, Format("stream index #%d is invalid.", streamIndex));
        return nullptr;
    }
    AVStream* stream = FFileHandle->streams[streamIndex];
    if (stream->codecpar->codec_type != mediaType) {
        ReportError(AV_LOG_ERROR, Format("stream #%d is not %s stream.", streamIndex, kind));
        return nullptr;
    }
    return stream;
}

TAudioStreamInfo TCustomAVProbe::AudioStreamInfo(int streamIndex) {
    TAudioStreamInfo info;
    const AVStream* stream = StreamOfKind(streamIndex, AVMEDIA_TYPE_AUDIO);
    if (!stream) return info;
    const AVCodecParameters* codec = stream->codecpar;
    info.Language = MetadataValue(stream->metadata, "language", "");
    info.CodecName = CodecNameText(codec, false);
    FillTimes(info, stream);
    info.BitRate = codec->bit_rate;
    info.Channels = codec->ch_layout.nb_channels;
    info.SampleRate = codec->sample_rate;
    info.SampleFormat = codec->format;
    return info;
}

TVideoStreamInfo TCustomAVProbe::VideoStreamInfo(int streamIndex) {
    TVideoStreamInfo info;
    const AVStream* stream = StreamOfKind(streamIndex, AVMEDIA_TYPE_VIDEO);
    if (!stream) return info;
    const AVCodecParameters* codec = stream->codecpar;
    info.Language = MetadataValue(stream->metadata, "language", "");
    info.CodecName = CodecNameText(codec, false);
    FillTimes(info, stream);
    info.BitRate = codec->bit_rate;
    info.Height = codec->height;
    info.Width = codec->width;
    // Floating-point exceptions stay masked, so a zero height or denominator gives an infinite
    // or not-a-number ratio rather than a trap.
    const double sampleAspect =
        double(codec->sample_aspect_ratio.num) / double(codec->sample_aspect_ratio.den);
    info.AspectRatio = float(double(codec->width) * sampleAspect / double(codec->height));
    info.PixFmt = codec->format;
    info.FrameRate = stream->r_frame_rate;
    return info;
}

TSubtitleStreamInfo TCustomAVProbe::SubtitleStreamInfo(int streamIndex) {
    TSubtitleStreamInfo info;
    const AVStream* stream = StreamOfKind(streamIndex, AVMEDIA_TYPE_SUBTITLE);
    if (!stream) return info;
    info.Language = MetadataValue(stream->metadata, "language", "");
    info.CodecName = CodecNameText(stream->codecpar, false);
    return info;
}

bool TCustomAVProbe::IsStreamOfType(int streamIndex, int mediaType) {
    if (!FFileHandle) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return false;
    }
    if (streamIndex < 0 || unsigned(streamIndex) >= FFileHandle->nb_streams) {
        ReportError(AV_LOG_ERROR, Format("stream index #%d is invalid.", streamIndex));
        return false;
    }
    return FFileHandle->streams[streamIndex]->codecpar->codec_type == mediaType;
}

bool TCustomAVProbe::IsAudioStream(int streamIndex) {
    return IsStreamOfType(streamIndex, AVMEDIA_TYPE_AUDIO);
}

bool TCustomAVProbe::IsVideoStream(int streamIndex) {
    return IsStreamOfType(streamIndex, AVMEDIA_TYPE_VIDEO);
}

bool TCustomAVProbe::IsSubtitleStream(int streamIndex) {
    return IsStreamOfType(streamIndex, AVMEDIA_TYPE_SUBTITLE);
}
