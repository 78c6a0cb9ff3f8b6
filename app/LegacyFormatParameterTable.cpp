#include "app/LegacyFormatParameterTable.h"

#include <algorithm>
#include <string>

namespace {

struct TVideoRow {
    int Code;
    std::string_view Ext;
    std::string_view VideoCodec;
    std::optional<std::string_view> VideoTag; // none: the tag stays as it was
    std::string_view FrameRate;
    std::string_view FrameSize;
    std::string_view FrameAspectRatio;
    int32_t VideoBitrate;
    std::string_view AudioCodec;
    std::string_view AudioChannels;
    std::string_view AudioSampleRate;
    int32_t AudioBitrate;
};

// clang-format off
constexpr TVideoRow kVideoRows[] = {
    { 100, ".avi", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000 },
    { 101, ".mp4", "mpeg4", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000 },
    { 102, ".avi", "mpeg4", "DX50", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000 },
    { 103, ".mov", "", "", "25", "", "", 816000, "libfaac", "2", "44100", 128000 },
    { 104, ".avi", "libxvid", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000 },
    { 105, ".mkv", "mpeg4", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000 },
    { 106, ".mpg", "mpeg1video", "", "25", "", "", 528000, "", "2", "44100", 128000 },
    { 107, ".mpg", "mpeg2video", "", "25", "", "", 816000, "", "2", "44100", 128000 },
    { 108, ".asf", "msmpeg4", "", "25", "", "", 816000, "wmav2", "2", "44100", 128000 },
    { 109, ".3gp", "mpeg4", "", "12", "176*144", "4:3", 128000, "libfaac", "1", "8000", 12000 },
    { 110, ".wmv", "wmv2", "", "25", "", "", 816000, "wmav2", "2", "44100", 128000 },
    { 300, ".avi", "mpeg4", "", "25", "1280*720", "", 1600000, "libmp3lame", "2", "48000", 128000 },
    { 301, ".avi", "libxvid", "", "25", "1280*720", "", 1600000, "libmp3lame", "2", "48000", 128000 },
    { 302, ".mp4", "libx264", "", "25", "1280*720", "", 1600000, "libmp3lame", "2", "48000", 256000 },
    { 303, ".mp4", "mpeg4", "", "25", "1280*720", "", 1600000, "libmp3lame", "2", "48000", 128000 },
    { 304, ".mov", "", "", "25", "1280*720", "", 1600000, "libfaac", "2", "48000", 128000 },
    { 305, ".asf", "msmpeg4", std::nullopt, "25", "1280*720", "", 1600000, "wmav2", "2", "48000", 128000 },
    { 306, ".wmv", "wmv2", "", "25", "1280*720", "", 1600000, "wmav2", "2", "48000", 128000 },
    { 307, ".vob", "", "", "25", "1280*720", "", 1600000, "libfaac", "2", "48000", 128000 },
    { 308, ".mpg", "mpeg2video", "", "25", "1280*720", "", 1600000, "libfaac", "2", "48000", 128000 },
    { 309, ".mkv", "mpeg4", "", "25", "1280*720", "", 1600000, "libfaac", "2", "48000", 192000 },
    { 400, ".mp4", "libx264", "", "25", "320*240", "", 512000, "libfaac", "2", "48000", 128000 },
    { 401, ".mp4", "libxvid", "", "25", "320*240", "", 768000, "libfaac", "2", "48000", 128000 },
    { 402, ".mp4", "libxvid", "", "25", "640*480", "", 768000, "libfaac", "2", "48000", 128000 },
    { 403, ".mp4", "libxvid", "", "25", "640*480", "", 768000, "libfaac", "2", "48000", 128000 },
    { 404, ".mp4", "mpeg4", "", "25", "640*480", "", 600000, "libfaac", "2", "48000", 128000 },
    { 405, ".mp4", "libx264", "", "25", "640*480", "", 1200000, "libfaac", "2", "48000", 128000 },
    { 406, ".mp4", "libxvid", "", "25", "640*480", "", 512000, "libfaac", "2", "48000", 128000 },
    { 407, ".mp4", "mpeg4", "", "25", "320*240", "", 600000, "libfaac", "2", "48000", 128000 },
    { 408, ".mp4", "libxvid", "", "25", "640*480", "", 7680000, "libfaac", "2", "48000", 128000 },
    { 409, ".mp4", "libx264", "", "25", "640*480", "", 1200000, "libfaac", "2", "48000", 128000 },
    { 410, ".mp4", "libxvid", "", "25", "640*480", "", 512000, "libfaac", "2", "48000", 128000 },
    { 411, ".mp4", "libxvid", "", "25", "640*480", "16:9", 1200000, "libfaac", "2", "48000", 128000 },
    { 412, ".mp4", "libxvid", "", "25", "320*240", "", 768000, "libfaac", "2", "48000", 128000 },
    { 413, ".mp4", "libxvid", "", "25", "480*320", "", 1000000, "libfaac", "2", "48000", 128000 },
    { 500, ".mp4", "mpeg4", "", "25", "320*240", "", 600000, "libfaac", "2", "48000", 128000 },
    { 501, ".mp4", "libxvid", "", "25", "640*480", "", 1000000, "libfaac", "2", "48000", 128000 },
    { 502, ".mp4", "mpeg4", "", "25", "640*480", "16:9", 600000, "libfaac", "2", "48000", 128000 },
    { 503, ".mp4", "libx264", "", "25", "320*240", "", 1200000, "libfaac", "2", "48000", 128000 },
    { 504, ".mp4", "mpeg4", "", "25", "320*240", "", 600000, "libfaac", "2", "48000", 128000 },
    { 505, ".mp4", "mpeg4", "", "25", "480*320", "", 768000, "libfaac", "2", "48000", 128000 },
    { 600, ".mp4", "mpeg4", "", "29.97", "320*240", "", 600000, "libfaac", "2", "48000", 128000 },
    { 601, ".mp4", "libx264", "", "29.97", "320*240", "", 768000, "libfaac", "2", "48000", 128000 },
    { 602, ".mp4", "libx264", "", "29.97", "320*240", "", 1200000, "libfaac", "2", "48000", 128000 },
    { 603, ".mp4", "libxvid", "", "29.97", "320*240", "", 384000, "libfaac", "2", "48000", 128000 },
    { 604, ".mp4", "libx264", "", "29.97", "640*480", "", 1000000, "libfaac", "2", "48000", 128000 },
    { 700, ".3gp", "h263", "", "12", "176*144", "", 128000, "libamr_nb", "1", "8000", 12000 },
    { 701, ".3gp", "h263", "", "12", "176*144", "", 128000, "libfaac", "2", "16000", 48000 },
    { 702, ".3gp", "mpeg4", "", "12", "176*144", "", 128000, "libamr_nb", "1", "8000", 12000 },
    { 703, ".3g2", "mpeg4", "", "12", "176*144", "", 128000, "libfaac", "2", "32000", 48000 },
    { 704, ".3gp", "mpeg4", "", "12", "176*144", "", 128000, "libamr_nb", "1", "8000", 10200 },
    { 705, ".3gp", "mpeg4", "", "15", "320*240", "", 128000, "libfaac", "2", "16000", 32000 },
    { 706, ".avi", "h263", "", "15", "352*288", "", 256000, "libmp3lame", "2", "44100", 128000 },
    { 707, ".mp4", "mpeg4", "", "15", "352*288", "", 128000, "libfaac", "2", "44100", 128000 },
    { 709, ".mp4", "mpeg4", "", "15", "352*288", "", 160000, "libfaac", "2", "44100", 64000 },
    { 710, ".mp4", "mpeg4", "", "12", "352*288", "", 128000, "libfaac", "2", "32000", 32000 },
    { 711, ".avi", "mpeg4", "DX50", "25", "320*240", "", 256000, "libmp3lame", "2", "44100", 128000 },
    { 712, ".mov", "", "", "25", "320*240", "", 256000, "libfaac", "2", "44100", 128000 },
    { 713, ".mp4", "mpeg4", "", "12", "176*144", "", 128000, "libfaac", "2", "32000", 32000 },
    { 800, ".mp4", "libx264", "", "25", "320*240", "", 768000, "libfaac", "2", "48000", 192000 },
    { 801, ".mp4", "libx264", "", "25", "640*480", "", 1000000, "libfaac", "2", "48000", 192000 },
    { 802, ".mp4", "libx264", "", "25", "1280*720", "", 1000000, "libfaac", "2", "48000", 192000 },
    { 803, ".mp4", "mpeg4", "", "25", "640*480", "", 1200000, "libfaac", "2", "48000", 192000 },
    { 804, ".mp4", "libxvid", "", "25", "640*480", "", 600000, "libfaac", "2", "48000", 192000 },
    { 900, ".mp4", "libx264", "", "29.97", "640*480", "", 1200000, "libfaac", "2", "48000", 192000 },
    { 901, ".mpeg", "mpeg2video", "", "25", "1280*720", "", 1200000, "ac3", "2", "48000", 192000 },
    { 902, ".mpg", "mpeg2video", "", "25", "1280*720", "", 1200000, "ac3", "2", "48000", 192000 },
    { 903, ".mp4", "mpeg4", "", "25", "640*480", "", 1200000, "libmp3lame", "2", "48000", 192000 },
    { 904, ".mp4", "mpeg4", "", "25", "1280*720", "", 1200000, "libfaac", "2", "48000", 128000 },
    { 905, ".wmv", "wmv2", "", "25", "640*480", "", 1200000, "wmav2", "2", "48000", 128000 },
    { 906, ".avi", "wmv2", "", "25", "1280*720", "", 1200000, "libmp3lame", "2", "48000", 128000 },
    { 907, ".avi", "msmpeg4v2", "", "25", "1280*720", "", 1200000, "libmp3lame", "2", "48000", 128000 },
    { 908, ".avi", "msmpeg4", "", "25", "1280*720", "", 1200000, "libmp3lame", "2", "48000", 128000 },
    { 909, ".mp4", "msmpeg4v1", "", "25", "1280*720", "", 1200000, "libmp3lame", "2", "48000", 128000 },
    { 1000, ".avi", "mpeg4", "", "25", "480*272", "", 1000000, "libmp3lame", "2", "48000", 128000 },
    { 1001, ".avi", "mpeg4", "", "25", "720*480", "", 1000000, "libmp3lame", "2", "48000", 128000 },
    { 1002, ".avi", "mpeg4", "", "25", "320*240", "", 768000, "libmp3lame", "2", "44100", 128000 },
    { 1003, ".mp4", "mpeg4", "", "25", "320*240", "", 512000, "libfaac", "2", "44100", 128000 },
    { 1004, ".mp4", "libx264", "", "25", "320*240", "", 768000, "libfaac", "2", "44100", 128000 },
    { 1005, ".mp4", "libxvid", "", "25", "320*240", "", 768000, "libfaac", "2", "44100", 128000 },
    { 1006, ".wmv", "wmv2", "", "25", "320*240", "", 1000000, "wmav2", "2", "44100", 128000 },
    { 1007, ".avi", "mpeg4", "", "25", "640*480", "", 1000000, "libmp3lame", "2", "44100", 128000 },
    { 1100, ".mp4", "mpeg4", "", "25", "320*240", "", 528000, "libmp3lame", "2", "44100", 128000 },
    { 1101, ".mp4", "mpeg4", "", "25", "", "", 768000, "libmp3lame", "2", "44100", 128000 },
    { 1102, ".mp4", "libx264", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000 },
    { 1103, ".mp4", "libx264", "", "25", "320*240", "", 1200000, "libfaac", "2", "44100", 128000 },
    { 1104, ".mp4", "libx264", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000 },
    { 1200, ".flv", "", "", "25", "", "", 1200000, "libmp3lame", "2", "22050", 128000 },
    { 1201, ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000 },
};
// clang-format on

struct TAudioRow {
    int Code;
    std::string_view Ext;
    std::optional<std::string_view> FileExt; // none: the field stays as it was
    std::string_view AudioCodec;
    std::string_view AudioChannels;
    std::string_view AudioSampleRate;
    int32_t AudioBitrate;
};

// clang-format off
constexpr TAudioRow kAudioRows[] = {
    { 200, ".mp3", ".mp3", "libmp3lame", "2", "48000", 128000 },
    { 201, ".wma", ".wma", "wmav2", "2", "48000", 128000 },
    { 202, ".wav", ".wav", "", "2", "48000", 128000 },
    { 203, ".aac", ".aac", "libfaac", "2", "48000", 128000 },
    { 204, ".m4a", ".m4a", "", "2", "48000", 128000 },
    { 205, ".ogg", ".ogg", "libvorbis", "2", "48000", 128000 },
    { 206, ".ra", ".rm", "", "2", "48000", 128000 },
    { 207, ".ac3", ".ac3", "ac3", "2", "48000", 128000 },
    { 208, ".aiff", ".aiff", "", "2", "48000", 128000 },
    { 209, ".mp2", ".mp2", "", "2", "44100", 128000 },
    { 210, ".flac", ".flac", "flac", "2", "48000", 128000 },
    { 211, ".m4a", ".alac", "alac", "2", "48000", 128000 },
    { 212, ".amr", ".amr", "libopencore_amrnb", "1", "8000", 7400 },
    { 708, ".amr", ".amr", "libopencore_amrnb", "1", "8000", 7400 },
    { 1202, ".flv", std::nullopt, "libmp3lame", "2", "22050", 128000 },
    { 1203, ".swf", std::nullopt, "libmp3lame", "2", "22050", 128000 },
};
// clang-format on

template <typename Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], int code) {
    const auto it = std::ranges::find(rows, code, &Row::Code);
    return it == std::end(rows) ? nullptr : &*it;
}

// What every row but the RM one clears: the fields for disc targets, containers and timestamps.
void ClearTargetFields(TWorkingParameters& fields) {
    fields.NormType.clear();
    fields.FileFormat.clear();
    fields.TargetType.clear();
}

std::string_view ApplyVideoRow(const TVideoRow& row, TWorkingParameters& fields) {
    // The HD WMV format names its file ".wmv" but is written as an ASF stream.
    fields.FileExt = row.Code == 306 ? ".asf" : row.Ext;
    fields.VideoCodec = row.VideoCodec;
    if (row.VideoTag) fields.VideoTag = *row.VideoTag;
    fields.FrameRate = row.FrameRate;
    fields.FrameSize = row.FrameSize;
    fields.FrameAspectRatio = row.FrameAspectRatio;
    fields.VideoBitrate = row.VideoBitrate;
    fields.AudioCodec = row.AudioCodec;
    fields.AudioChannels = row.AudioChannels;
    fields.AudioSampleRate = row.AudioSampleRate;
    fields.AudioBitrate = row.AudioBitrate;
    fields.VideoFilters.clear();
    fields.AudioVolume = "256";
    // The iPod TV-out and 640x480 formats keep whatever disc target was chosen before.
    const std::string target = fields.TargetType;
    ClearTargetFields(fields);
    if (row.Code >= 403 && row.Code <= 406) fields.TargetType = target;
    return row.Ext;
}

std::string_view ApplyAudioRow(const TAudioRow& row, TWorkingParameters& fields) {
    if (row.FileExt) fields.FileExt = *row.FileExt;
    fields.DisableVideo = true;
    fields.AudioCodec = row.AudioCodec;
    fields.AudioChannels = row.AudioChannels;
    fields.AudioSampleRate = row.AudioSampleRate;
    fields.AudioBitrate = row.AudioBitrate;
    fields.AudioVolume = "256";
    ClearTargetFields(fields);
    return row.Ext;
}

// DVD, SVCD and VCD: the disc target picks every stream setting itself.
std::string_view ApplyDiscRow(std::string_view target, TWorkingParameters& fields) {
    fields.TargetType = target;
    fields.NormType = "PAL";
    fields.VideoBitrate = BitrateNotSet;
    fields.AudioBitrate = BitrateNotSet;
    fields.AudioVolume = "256";
    for (std::string* text : { &fields.VideoCodec, &fields.VideoTag, &fields.AudioCodec,
                               &fields.AudioChannels, &fields.AudioSampleRate, &fields.FrameSize,
                               &fields.FrameRate, &fields.FrameAspectRatio, &fields.FileFormat })
        text->clear();
    return ".mpg";
}

// RealVideo at a fixed size; every other stream setting stays as it was.
std::string_view ApplyRealVideoRow(TWorkingParameters& fields) {
    fields.VideoCodec = "rv20";
    fields.FrameSize = "320*240";
    ClearTargetFields(fields);
    return ".rm";
}

} // namespace

std::optional<std::string_view> ApplyLegacyFormatParameters(int code, TWorkingParameters& fields) {
    if (const TVideoRow* row = FindRow(kVideoRows, code)) return ApplyVideoRow(*row, fields);
    if (const TAudioRow* row = FindRow(kAudioRows, code)) return ApplyAudioRow(*row, fields);
    switch (code) {
    case 111:
        return ApplyDiscRow("dvd", fields);
    case 112:
        return ApplyDiscRow("svcd", fields);
    case 113:
        return ApplyDiscRow("vcd", fields);
    case 114:
        return ApplyRealVideoRow(fields);
    default:
        return std::nullopt;
    }
}
