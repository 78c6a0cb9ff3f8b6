#include "app/WorkingParameterOptions.h"

#include "platform/rtl/TextUtils.h"

namespace {

constexpr const char* kX264 = "libx264";

} // namespace

TOptionTargetType TargetTypeOf(const std::string& text) {
    if (text == "vcd") return ttVCD;
    if (text == "svcd") return ttSVCD;
    if (text == "dvd") return ttDVD;
    return ttIgnore;
}

TOptionNormType NormTypeOf(const std::string& text) {
    if (text == "PAL") return ntPAL;
    if (text == "NTSC") return ntNTSC;
    return ntAuto;
}

TOutputOptions OutputOptionsOf(const TWorkingParameters& fields) {
    TOutputOptions options;
    InitOutputOptions(options);
    if (!fields.VideoCodec.empty()) {
        options.VideoCodec = fields.VideoCodec;
        // The libx264 encoder gets its settings from the built-in default preset.
        if (fields.VideoCodec == kX264) options.VideoPreset = "libx264-default";
    }
    if (!fields.AudioCodec.empty() && fields.AudioCodec != AutoText)
        options.AudioCodec = fields.AudioCodec;
    if (!fields.FrameRate.empty()) options.FrameRate = fields.FrameRate;
    options.DisableVideo = fields.DisableVideo;
    if (!fields.AudioChannels.empty()) options.AudioChannels = StrToInt(fields.AudioChannels);
    if (!fields.AudioSampleRate.empty() && fields.AudioSampleRate != AutoText)
        options.AudioSampleRate = StrToInt(fields.AudioSampleRate);
    if (!fields.FrameSize.empty()) options.FrameSize = fields.FrameSize;
    if (!fields.TargetType.empty()) options.TargetType = TargetTypeOf(fields.TargetType);
    options.NormType = NormTypeOf(fields.NormType);
    options.AudioVolume = fields.AudioVolume == "256" ? 256 : StrToInt(fields.AudioVolume);
    if (!fields.FrameAspectRatio.empty()) options.FrameAspectRatio = fields.FrameAspectRatio;
    if (fields.AudioBitrate != BitrateNotSet && fields.AudioBitrate != BitrateNotSetAlso)
        options.AudioBitrate = fields.AudioBitrate;
    if (!fields.FileFormat.empty()) options.FileFormat = fields.FileFormat;
    if (!fields.VideoFilters.empty()) options.VideoFilters = fields.VideoFilters;
    if (fields.VideoCodec != kX264) options.VideoTag = fields.VideoTag;
    if (fields.VideoBitrate != BitrateNotSet) options.VideoBitrate = fields.VideoBitrate;
    if (!fields.FileExt.empty()) options.FileExt = fields.FileExt;
    return options;
}
