#include "Src/FFmpeg/OptionDispatcher.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/CLocaleScope.h"
#include "Src/FFmpeg/EncoderNames.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/OptionValues.h"
#include "Src/FFmpeg/PrivateOptions.h"
#include "Src/MyUtils/ProgramFiles.h"
#include "Src/MyUtils/TextSplit.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>

namespace {

// Stream indexes an option may name: 5.1's default stream limit of a file. The tables grow up to
// it, so a mistyped index cannot make them huge.
constexpr int kMaxStreams = 1000;

} // namespace

TOptionDispatcher::TOptionDispatcher(TObject* logSender) : FLogSender(logSender) {}

void TOptionDispatcher::Log(TLogLevel level, const std::string& message) const {
    GlobalLogger().Log(FLogSender, level, message);
}

void TOptionDispatcher::SetFormat(const std::string& name) {
    if (name.empty()) return;
    std::string format = name;
    if (format == "pgmyuv") {
        FOpt.Fpgmyuv_compatibility_hack = 1;
        format = "image2";
        Log(llInfo, "pgmyuv format is deprecated, use image2");
    }
    FOpt.Flast_asked_format = format;
}

bool TOptionDispatcher::SetDefaultOption(const std::string& name, const std::string& value) {
    const TCLocaleScope locale;
    // "b" is the video bit rate; the libraries now give it to audio too, where it would replace
    // an "ab" given before.
    if (SetFFOption(FOpt.FOptions, name == "b" ? "vb" : name, value)) return true;
    const std::string optionName = Trim(name);
    const std::string optionValue = Trim(value);
    if (optionName.empty() || optionValue.empty() || IsGenericOption(FOpt.FOptions, optionName))
        return false;
    const auto owner = PrivateOptionOwner(optionName, optionValue, CurrentEncoders());
    if (!owner) return false;
    const auto same = std::find_if(FOpt.FPrivateOptions.begin(), FOpt.FPrivateOptions.end(),
                                   [&](const TPrivateOption& option) {
                                       return option.Owner == *owner && option.Name == optionName;
                                   });
    if (same != FOpt.FPrivateOptions.end())
        same->Value = optionValue;
    else
        FOpt.FPrivateOptions.push_back({ *owner, optionName, optionValue });
    return true;
}

bool TOptionDispatcher::SetDefaultOptionInt(const std::string& name, int value) {
    return SetDefaultOption(name, IntToStr(value));
}

bool TOptionDispatcher::SetBitrate(const std::string& name, const std::string& value) {
    if (name.empty() || value.empty()) return false;
    if (!SetDefaultOption(name, value)) return false;
    AVCodecContext* context = FOpt.FOptions.avcodec_opts[name[0] == 'a' ? 1 : 0].get();
    std::int64_t bitRate = 0;
    if (context && av::av_opt_get_int(context, "b", 0, &bitRate) >= 0 && bitRate < 1000)
        Log(llWarning, "WARNING: The bitrate parameter is set too low. It takes bits/s as "
                       "argument, not kbits/s");
    return true;
}

void TOptionDispatcher::SetFrameRate(const std::string& text) {
    const TCLocaleScope locale;
    if (av::av_parse_video_rate(&FOpt.Fframe_rate, text.c_str()) < 0)
        throw FFmpegException("Incorrect frame rate");
}

void TOptionDispatcher::SetFrameSize(const std::string& text) {
    const TCLocaleScope locale;
    if (av::av_parse_video_size(&FOpt.Fframe_width, &FOpt.Fframe_height, text.c_str()) < 0)
        throw FFmpegException("Incorrect frame size");
}

void TOptionDispatcher::SetFrameAspect(const std::string& text) {
    const float ratio = AspectFromText(text);
    if (ratio == 0.0f) throw FFmpegException("Incorrect aspect ratio specification.");
    FOpt.Fframe_aspect_ratio = ratio;
}

void TOptionDispatcher::ListFormatNames(bool pixelFormats) const {
    const int count = pixelFormats ? int(AV_PIX_FMT_NB) : int(AV_SAMPLE_FMT_NB);
    for (int i = -1; i < count; ++i) {
        char buffer[128] = {};
        if (pixelFormats) {
            // Numbers the library has retired have no description and no line.
            if (i >= 0 && !av::av_pix_fmt_desc_get(AVPixelFormat(i))) continue;
            av::av_get_pix_fmt_string(buffer, sizeof buffer, AVPixelFormat(i));
        } else {
            av::av_get_sample_fmt_string(buffer, sizeof buffer, AVSampleFormat(i));
        }
        Log(llInfo, Trim(buffer));
    }
}

void TOptionDispatcher::SetPixelFormat(const std::string& name) {
    if (name.empty()) return;
    if (name == "list") {
        ListFormatNames(true);
        return;
    }
    FOpt.Fframe_pix_fmt = av::av_get_pix_fmt(name.c_str());
    if (FOpt.Fframe_pix_fmt == AV_PIX_FMT_NONE)
        throw FFmpegException(Format("Unknown pixel format requested: %s", name));
}

void TOptionDispatcher::SetSampleFormat(const std::string& name) {
    if (name.empty()) return;
    if (name == "list") {
        ListFormatNames(false);
        return;
    }
    FOpt.Faudio_sample_fmt = av::av_get_sample_fmt(name.c_str());
}

void TOptionDispatcher::CropVertical(int& band, int pixels) {
    if (pixels <= 0) return;
    if (pixels >= FOpt.Fframe_height)
        throw FFmpegException("Vertical crop dimensions are outside the range of the original "
                              "image.\nRemember to crop first and scale second.");
    Log(llWarning, "CropXXX is deprecated in favor of the crop avfilter");
    band = pixels;
    FOpt.Fframe_height -= pixels;
}

void TOptionDispatcher::CropHorizontal(int& band, int pixels) {
    if (pixels <= 0) return;
    if (pixels >= FOpt.Fframe_width)
        throw FFmpegException("Horizontal crop dimensions are outside the range of the original "
                              "image.\nRemember to crop first and scale second.");
    Log(llWarning, "CropXXX is deprecated in favor of the crop avfilter");
    band = pixels;
    FOpt.Fframe_width -= pixels;
}

void TOptionDispatcher::SetCropTop(int pixels) {
    CropVertical(FOpt.Fframe_topBand, pixels);
}

void TOptionDispatcher::SetCropBottom(int pixels) {
    CropVertical(FOpt.Fframe_bottomBand, pixels);
}

void TOptionDispatcher::SetCropLeft(int pixels) {
    CropHorizontal(FOpt.Fframe_leftBand, pixels);
}

void TOptionDispatcher::SetCropRight(int pixels) {
    CropHorizontal(FOpt.Fframe_rightBand, pixels);
}

void TOptionDispatcher::SetVideoQScale(float q) {
    // Written so that a value that is not a number fails too.
    if (!(q > 0.0f && q <= 255.0f)) throw FFmpegException("qscale must be > 0.0 and <= 255");
    FOpt.Fvideo_qscale = q;
}

void TOptionDispatcher::SetCodec(std::string& field, int& copyFlag, const std::string& name) {
    if (name.empty()) return;
    field.clear();
    if (name == "copy")
        copyFlag = 1;
    else
        field = name;
}

void TOptionDispatcher::SetVideoCodec(const std::string& name) {
    SetCodec(FOpt.Fvideo_codec_name, FOpt.Fvideo_stream_copy, name);
}

void TOptionDispatcher::SetAudioCodec(const std::string& name) {
    SetCodec(FOpt.Faudio_codec_name, FOpt.Faudio_stream_copy, name);
}

void TOptionDispatcher::SetSubtitleCodec(const std::string& name) {
    SetCodec(FOpt.Fsubtitle_codec_name, FOpt.Fsubtitle_stream_copy, name);
}

void TOptionDispatcher::SetTag(std::uint32_t& field, const std::string& tag, const char* message) {
    if (tag.empty()) return;
    // Tags are bytes; a text that is not four of them cannot be one.
    Assert(tag.size() == 4, message);
    field = FourCCFromText(tag);
}

void TOptionDispatcher::SetVideoTag(const std::string& tag) {
    SetTag(FOpt.Fvideo_codec_tag, tag, "video tag parameter must be 4 chars");
}

void TOptionDispatcher::SetAudioTag(const std::string& tag) {
    SetTag(FOpt.Faudio_codec_tag, tag, "audio tag parameter must be 4 chars");
}

void TOptionDispatcher::SetSubtitleTag(const std::string& tag) {
    SetTag(FOpt.Fsubtitle_codec_tag, tag, "subtitle tag parameter must be 4 chars");
}

void TOptionDispatcher::SetVideoFilters(const std::string& chain) {
    if (!chain.empty()) FOpt.Fvfilters = chain;
}

void TOptionDispatcher::SetAudioRate(int rate) {
    if (rate > 0) FOpt.Faudio_sample_rate = rate;
}

void TOptionDispatcher::SetAudioChannels(int channels) {
    if (channels > 0) FOpt.Faudio_channels = channels;
}

void TOptionDispatcher::SetAudioVolume(int volume) {
    if (volume >= 0) FOpt.Faudio_volume = volume;
}

void TOptionDispatcher::SetAudioSyncMethod(int method) {
    FOpt.Faudio_sync_method = method;
}

void TOptionDispatcher::SetVideoSyncMethod(int method) {
    FOpt.Fvideo_sync_method = method;
}

void TOptionDispatcher::SetMuxMaxDelay(float seconds) {
    if (seconds > 0.0f) FOpt.Fmux_max_delay = seconds;
}

void TOptionDispatcher::SetMuxPreload(float seconds) {
    if (seconds > 0.0f) FOpt.Fmux_preload = seconds;
}

void TOptionDispatcher::SetStartTime(std::int64_t micros) {
    if (micros != AV_NOPTS_VALUE) FOpt.Fstart_time = micros;
}

void TOptionDispatcher::SetRecordingTime(std::int64_t micros) {
    if (micros == AV_NOPTS_VALUE) return;
    FOpt.Frecording_time = micros;
    FOpt.FTotalOutputDuration = micros;
}

void TOptionDispatcher::SetProgramID(int id) {
    if (id >= 0) FOpt.Fopt_programid = id;
}

void TOptionDispatcher::SetVerbose(int level) {
    FOpt.Fverbose = level;
}

void TOptionDispatcher::SetMEThreshold(int threshold) {
    FOpt.Fme_threshold = threshold;
}

void TOptionDispatcher::SetTopFieldFirst(int value) {
    FOpt.Ftop_field_first = value;
}

void TOptionDispatcher::SetVideoChannel(int channel) {
    FOpt.Fvideo_channel = channel;
}

void TOptionDispatcher::SetVideoStandard(const std::string& standard) {
    if (!standard.empty()) FOpt.Fvideo_standard = standard;
}

void TOptionDispatcher::SetRateOverride(const std::string& text) {
    if (!text.empty()) FOpt.Fvideo_rc_override_string = text;
}

void TOptionDispatcher::SetVStatsFile(const std::string& fileName) {
    if (!fileName.empty()) FOpt.Fvstats_filename = fileName;
}

void TOptionDispatcher::SetVStats(bool on) {
    FOpt.Fvstats_filename.clear();
    if (on)
        FOpt.Fvstats_filename =
            Format("%svstats_%s.log", ExePath(), FormatDateTime("hhnnss", Now()));
}

void TOptionDispatcher::SetPass(int pass) {
    if (pass != 1 && pass != 2) throw FFmpegException("pass number can be only 1 or 2");
    FOpt.Fdo_pass = pass;
}

void TOptionDispatcher::SetMatrix(std::optional<TQuantMatrix>& field, const std::string& text) {
    if (text.empty()) return;
    field.emplace();
    field->fill(0);
    const int failedAt = MatrixFromText(text, *field);
    if (failedAt >= 0)
        throw FFmpegException(Format("Syntax error in matrix \"%s\" at coeff %d", text, failedAt));
}

void TOptionDispatcher::SetIntraMatrix(const std::string& text) {
    SetMatrix(FOpt.Fintra_matrix, text);
}

void TOptionDispatcher::SetInterMatrix(const std::string& text) {
    SetMatrix(FOpt.Finter_matrix, text);
}

void TOptionDispatcher::AddMetadata(const std::string& key, const std::string& value) {
    FOpt.Fmetadata.emplace_back(key, value);
}

void TOptionDispatcher::AddMetadataOption(const std::string& text) {
    if (text.empty()) return;
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) throw FFmpegException("Missing =");
    AddMetadata(text.substr(0, equals), text.substr(equals + 1));
}

void TOptionDispatcher::AddStreamMap(const std::string& text) {
    if (!text.empty()) FOpt.Fstream_maps.push_back(StreamMapFromText(text));
}

void TOptionDispatcher::AddMetadataMap(const std::string& text) {
    if (!text.empty()) FOpt.Fmeta_data_maps.push_back(MetaDataMapFromText(text));
}

void TOptionDispatcher::SetInputTSScale(const std::string& text) {
    if (text.empty()) return;
    int index = 0;
    double scale = 0.0;
    TSScaleFromText(text, index, scale);
    if (unsigned(index) >= unsigned(kMaxStreams))
        throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", kMaxStreams));
    FOpt.SetInputTSScale(FOpt.Fnb_input_files, index, scale);
}

void TOptionDispatcher::SetStreamID(const std::string& name, const std::string& value) {
    if (name.empty() || value.empty()) return;
    std::string rest = value;
    std::string index;
    SplitAt(rest, ":", true, index);
    if (index.empty() || rest.empty())
        throw FFmpegException(
            Format("Invalid value \"%s\" for option \"%s\", required syntax is \"index:value\"",
                   value, name));
    const int streamIndex = StrToInt(index);
    const int id = StrToInt(rest);
    if (unsigned(streamIndex) >= unsigned(kMaxStreams))
        throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", kMaxStreams));
    if (size_t(streamIndex) >= FOpt.Fstreamid_map.size())
        FOpt.Fstreamid_map.resize(size_t(streamIndex) + 1, 0);
    FOpt.Fstreamid_map[streamIndex] = id;
}

void TOptionDispatcher::AddBitstreamFilter(const std::string& name, const std::string& value) {
    if (name.empty() || value.empty() || value[0] == '=') return;
    const std::string filter = value.substr(0, value.find('='));
    if (!av::av_bsf_get_by_name(filter.c_str()))
        throw FFmpegException(Format("Unknown bitstream filter %s", Trim(value)));
    auto& chain = name[0] == 'v'   ? FOpt.Fvideo_bitstream_filters
                  : name[0] == 'a' ? FOpt.Faudio_bitstream_filters
                                   : FOpt.Fsubtitle_bitstream_filters;
    chain.push_back(Trim(value));
}

void TOptionDispatcher::AddStream(AVMediaType type) {
    if (FOpt.Fnb_output_files <= 0)
        throw FFmpegException("At least one output file must be specified");
    NewOutputStream(type);
}

void TOptionDispatcher::AddVideoStream() {
    AddStream(AVMEDIA_TYPE_VIDEO);
}

void TOptionDispatcher::AddAudioStream() {
    AddStream(AVMEDIA_TYPE_AUDIO);
}

void TOptionDispatcher::AddSubtitleStream() {
    AddStream(AVMEDIA_TYPE_SUBTITLE);
}

std::int64_t TOptionDispatcher::ParseTimeOrRaise(const std::string& name, const std::string& value,
                                                 bool duration) {
    const TCLocaleScope locale;
    std::int64_t micros = 0;
    if (av::av_parse_time(&micros, value.c_str(), duration ? 1 : 0) < 0)
        throw FFmpegException(Format("Invalid %s specification for %s: %s",
                                     duration ? "duration" : "date", name, value));
    return micros;
}

std::vector<std::string> TOptionDispatcher::CurrentEncoders() const {
    std::vector<std::string> names;
    for (const std::string* name :
         { &FOpt.Fvideo_codec_name, &FOpt.Faudio_codec_name, &FOpt.Fsubtitle_codec_name })
        if (!name->empty()) names.push_back(InstalledEncoderName(*name));
    return names;
}
