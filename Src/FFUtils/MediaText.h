#pragma once
#include <cstdint>
#include <string>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/dict.h>
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVCodecParameters;
struct AVFormatContext;

// Clock text "hh:mm:ss.zzz" of a time in microseconds, hours not wrapped; "N/A" for a missing
// time (AV_NOPTS_VALUE).
std::string DurationToText(std::int64_t duration);
// Microseconds of one frame; 40000 (25 fps) when the rate is unknown.
std::int64_t FrameDuration(AVRational frameRate);
// prefix + ": " + the text of a library error code.
std::string ErrorToText(const std::string& prefix, int code);
// "Cannot write <file>: <reason>" for a library code that carries a system error number, the
// reason in the system's words ("no space left on device", "file too large", "permission
// denied"); for any other code what ErrorToText gives with the file name as prefix.
std::string WriteErrorToText(const std::string& fileName, int code);
// What a failed muxer call on an output reports: the file and the system's reason when writing
// the file failed (the output's I/O context holds the error), else the call and its code.
std::string MuxerErrorToText(const AVFormatContext& output, const std::string& call, int code);
std::string MetadataValue(const AVDictionary* metadata, const char* key,
                          const std::string& defaultValue);
// "name(long name)" of the codec, else what the id or the four-character tag tell.
std::string CodecNameText(AVCodecID codecId, std::uint32_t codecTag, bool encoder);
std::string CodecNameText(const AVCodecContext* context, bool encoder);
std::string CodecNameText(const AVCodecParameters* parameters, bool encoder);
std::string MediaTypeName(int mediaType);
