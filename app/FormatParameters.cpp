#include "app/FormatParameters.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>

const TFormatParameters* FindFormatParameters(int formatCode) {
    const auto table = FormatParameterTable();
    const auto it = std::lower_bound(
        table.begin(), table.end(), formatCode,
        [](const TFormatParameters& entry, int code) { return entry.Code < code; });
    return it != table.end() && it->Code == formatCode ? &*it : nullptr;
}

TWorkingParameters FormatWorkingParameters(int formatCode) {
    TWorkingParameters fields;
    const TFormatParameters* entry = FindFormatParameters(formatCode);
    if (entry == nullptr) return fields;
    fields.FileExt = entry->FileExt;
    fields.VideoCodec = entry->VideoCodec;
    fields.VideoTag = entry->VideoTag;
    fields.FrameSize = entry->FrameSize;
    fields.FrameRate = entry->FrameRate;
    fields.FrameAspectRatio = entry->FrameAspectRatio;
    fields.VideoBitrate = entry->VideoBitrate;
    fields.AudioCodec = entry->AudioCodec;
    fields.AudioChannels = entry->AudioChannels;
    fields.AudioSampleRate = entry->AudioSampleRate;
    fields.AudioBitrate = entry->AudioBitrate;
    fields.TargetType = entry->TargetType;
    fields.NormType = entry->NormType;
    fields.DisableVideo = entry->DisableVideo;
    return fields;
}

std::array<std::string, ParameterCellCount> ParameterCells(const TWorkingParameters& fields) {
    return {
        fields.VideoCodec,
        fields.AudioCodec,
        fields.AudioChannels,
        fields.VideoTag,
        fields.FileExt,
        fields.FrameSize,
        IntToStr(fields.VideoBitrate),
        fields.FrameRate,
        IntToStr(fields.AudioBitrate),
        fields.AudioSampleRate,
        fields.FrameAspectRatio,
        fields.DisableVideo ? "True" : "False",
        fields.TargetType,
        fields.NormType,
    };
}
