#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Bit-rate sentinels of the working fields. -1 reaches the media engine, which applies only
// bit rates above 0; the others leave the output option unset.
inline constexpr int32_t BitrateNone = -1;
inline constexpr int32_t BitrateNotSet = -1000;
inline constexpr int32_t BitrateNotSetAlso = -2000;
// Sample rate and audio codec text that leaves the output option unset.
inline constexpr std::string_view AutoText = "AUTO";

// The conversion parameters of the file being added or of the selected job row, each with its
// reset value. Texts left empty leave the media engine's own choice in force.
struct TWorkingParameters {
    std::string FileExt;
    std::string AudioChannels;
    std::string AudioSampleRate;
    std::string FrameSize;
    std::string FrameRate;
    std::string NormType;
    std::string VideoFilters;
    std::string AudioVolume{ "256" };
    std::string FrameAspectRatio;
    std::string VideoCodec;
    std::string AudioCodec;
    std::string FileFormat;
    std::string TargetType;
    std::string VideoTag;
    int32_t VideoBitrate{ BitrateNone };
    int32_t AudioBitrate{ BitrateNone };
    bool DisableVideo{ false };

    bool operator==(const TWorkingParameters&) const = default;
};

// One entry of the per-format parameter table.
struct TFormatParameters {
    int Code;
    std::string_view Ext; // the extension a new output name gets, with its dot
    std::string_view FileExt;
    std::string_view VideoCodec;
    std::string_view VideoTag;
    std::string_view FrameSize;
    std::string_view FrameRate;
    std::string_view FrameAspectRatio;
    int32_t VideoBitrate;
    std::string_view AudioCodec;
    std::string_view AudioChannels;
    std::string_view AudioSampleRate;
    int32_t AudioBitrate;
    std::string_view TargetType; // "dvd", "svcd", "vcd" for the disc formats
    std::string_view NormType;
    bool DisableVideo;
};

// Every entry, ascending by FormatCode. Every catalogue format has one except 409.
std::span<const TFormatParameters> FormatParameterTable();
// The entry of a FormatCode, or nullptr.
const TFormatParameters* FindFormatParameters(int formatCode);

// The working fields after a reset and the format's entry; a code without an entry gives the
// reset fields.
TWorkingParameters FormatWorkingParameters(int formatCode);
