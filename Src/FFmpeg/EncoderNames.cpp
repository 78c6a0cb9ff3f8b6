#include "Src/FFmpeg/EncoderNames.h"

#include "Src/AVCodecStubs.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

using TNamePair = std::pair<std::string_view, std::string_view>;

constexpr std::array<TNamePair, 3> kSubstituteEncoders = { {
    { "libfaac", "aac" },
    { "msmpeg4v1", "msmpeg4v2" },
    { "libamr_nb", "libopencore_amrnb" },
} };

constexpr std::array<TNamePair, 5> kContainerAudio = { {
    { "vob", "ac3" },
    { "dvd", "ac3" },
    { "mpeg", "mp2" },
    { "vcd", "mp2" },
    { "svcd", "mp2" },
} };

bool IsAAC(const std::string& codec) {
    return codec == "aac" || codec == "libfaac";
}

} // namespace

std::string InstalledEncoderName(const std::string& name) {
    if (av::avcodec_find_encoder_by_name && av::avcodec_find_encoder_by_name(name.c_str()))
        return name;
    for (const auto& [missing, substitute] : kSubstituteEncoders)
        if (name == missing) return std::string(substitute);
    return name;
}

std::string ContainerAudioCodec(const std::string& format, const std::string& codec) {
    if (!IsAAC(codec)) return codec;
    for (const auto& [container, audio] : kContainerAudio)
        if (format == container) return std::string(audio);
    return codec;
}
