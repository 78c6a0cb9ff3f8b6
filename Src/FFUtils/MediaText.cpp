#include "Src/FFUtils/MediaText.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/UnicodeProtocol.h"
#include "platform/rtl/TextUtils.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <system_error>

std::string DurationToText(std::int64_t duration) {
    if (duration == AV_NOPTS_VALUE) return "N/A";
    const std::int64_t seconds = duration / 1000000;
    const long long hours = seconds / 60 / 60;
    const long long minutes = (seconds / 60) % 60;
    const long long secs = seconds % 60;
    const long long millis = (duration % 1000000) * 1000 / 1000000;
    char text[64];
    std::snprintf(text, sizeof text, "%.2lld:%.2lld:%.2lld.%.3lld", hours, minutes, secs, millis);
    return text;
}

std::int64_t FrameDuration(AVRational frameRate) {
    if (frameRate.num == 0 || frameRate.den == 0) return 40000;
    return 1000000LL * frameRate.den / frameRate.num;
}

std::string ErrorToText(const std::string& prefix, int code) {
    struct Entry {
        int Code;
        const char* Text;
    };
    static const Entry kTexts[] = {
        { AVERROR_PATCHWELCOME, "Not yet implemented in FFmpeg" },
        { AVERROR_PROTOCOL_NOT_FOUND, "Unsupported network protocol" },
        { AVERROR_DEMUXER_NOT_FOUND, "Unknown format" },
        { AVERROR(EILSEQ), "Unknown format" },
        { AVERROR(EDOM), "Number syntax expected in filename" },
        { AVERROR_EOF, "End of file" },
        { AVERROR_INVALIDDATA, "Invalid data found when processing input" },
        { AVERROR(ENOMEM), "Not enough memory" },
        { AVERROR(EIO), "I/O error" },
        { AVERROR(ENOENT), "No such file or directory" },
    };
    for (const Entry& entry : kTexts)
        if (entry.Code == code) return prefix + ": " + entry.Text;
    return prefix + ": Error number " + std::to_string(code) + " occurred";
}

std::string WriteErrorToText(const std::string& fileName, int code) {
    // Library codes of their own are tags far below the system's error numbers.
    constexpr int kLastSystemError = 4095;
    if (code >= 0 || code < -kLastSystemError) return ErrorToText(fileName, code);
    std::string reason = std::generic_category().message(-code);
    if (!reason.empty()) reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
    return "Cannot write " + fileName + ": " + reason;
}

std::string MuxerErrorToText(const AVFormatContext& output, const std::string& call, int code) {
    if (output.pb && output.pb->error < 0)
        return WriteErrorToText(FileNameFromAV(output.url ? output.url : ""), output.pb->error);
    return ErrorToText(call, code);
}

std::string MetadataValue(const AVDictionary* metadata, const char* key,
                          const std::string& defaultValue) {
    const AVDictionaryEntry* entry = av::av_dict_get(metadata, key, nullptr, 0);
    return entry && entry->value ? entry->value : defaultValue;
}

std::string CodecNameText(AVCodecID codecId, std::uint32_t codecTag, bool encoder) {
    const AVCodec* codec =
        encoder ? av::avcodec_find_encoder(codecId) : av::avcodec_find_decoder(codecId);
    if (codec) {
        const std::string longName = codec->long_name ? Trim(codec->long_name) : "";
        return longName.empty() ? codec->name : std::string(codec->name) + "(" + longName + ")";
    }
    if (codecId == AV_CODEC_ID_MPEG2TS) return "mpeg2ts";
    // Codecs this build cannot decode or encode still have a name in the library's descriptors.
    if (codecId != AV_CODEC_ID_NONE) return av::avcodec_get_name(codecId);
    char text[32];
    const auto byte = [codecTag](int i) { return int((codecTag >> (8 * i)) & 0xFF); };
    bool printable = true;
    for (int i = 0; i < 4; ++i)
        printable = printable && byte(i) >= 32 && byte(i) <= 126;
    if (printable)
        std::snprintf(text, sizeof text, "%c%c%c%c / 0x%04X", byte(0), byte(1), byte(2), byte(3),
                      codecTag);
    else
        std::snprintf(text, sizeof text, "0x%04x", codecTag);
    return text;
}

std::string CodecNameText(const AVCodecContext* context, bool encoder) {
    return CodecNameText(context->codec_id, context->codec_tag, encoder);
}

std::string CodecNameText(const AVCodecParameters* parameters, bool encoder) {
    return CodecNameText(parameters->codec_id, parameters->codec_tag, encoder);
}

std::string MediaTypeName(int mediaType) {
    static const char* const kNames[] = { "Video", "Audio", "Data", "Subtitle", "Attachment" };
    if (mediaType < 0 || mediaType >= int(std::size(kNames))) return "Unknown";
    return kNames[mediaType];
}
