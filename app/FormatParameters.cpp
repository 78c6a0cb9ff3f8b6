#include "app/FormatParameters.h"

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
