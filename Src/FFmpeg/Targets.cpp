#include "Src/FFmpeg/OptionDispatcher.h"

#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

enum TNorm { nPAL, nNTSC, nFILM };

constexpr std::array<const char*, 4> TargetFrameRates = { "25", "30000/1001", "24000/1001", "" };

// Rounds halves to even, the default rounding mode.
std::optional<TNorm> NormOfRate(double milliFrames) {
    const double rate = std::nearbyint(milliFrames);
    if (rate == 25000) return nPAL;
    if (rate == 29970 || rate == 23976) return nNTSC;
    return std::nullopt;
}

// PAL first, then NTSC and film.
const char* ByNorm(TNorm norm, const char* pal, const char* other) {
    return norm == nPAL ? pal : other;
}

} // namespace

void TOptionDispatcher::SetTargetOption(const std::string& text) {
    std::string target = Trim(text);
    std::string norm = "auto";
    for (const char* prefix : { "pal-", "ntsc-", "film-" }) {
        const std::string head(prefix);
        if (target.compare(0, head.size(), head) == 0) {
            norm = head.substr(0, head.size() - 1);
            target.erase(0, head.size());
            break;
        }
    }
    SetTarget(target, norm, "ntsc");
}

void TOptionDispatcher::SetTarget(const std::string& target, const std::string& normText,
                                  const std::string& defaultNorm) {
    std::optional<TNorm> norm;
    if (normText == "pal")
        norm = nPAL;
    else if (normText == "ntsc")
        norm = nNTSC;
    else if (normText == "film")
        norm = nFILM;
    if (!norm) {
        if (FOpt.Fframe_rate.den == 0) throw FFmpegException("frame_rate is invalid.");
        norm = NormOfRate(double(FOpt.Fframe_rate.num) * 1000.0 / FOpt.Fframe_rate.den);
        for (const AVRational rate : InputVideoFrameRates()) {
            if (norm) break;
            if (rate.den != 0) norm = NormOfRate(double(std::int64_t(rate.num) * 1000) / rate.den);
        }
        if (!norm) norm = defaultNorm == "film" ? nFILM : defaultNorm == "ntsc" ? nNTSC : nPAL;
        if (FOpt.Fverbose > 0)
            GlobalLogger().Log(FLogSender, llVerbose, "Assuming %s for target.",
                               *norm == nPAL ? "PAL" : "NTSC");
    }
    const TNorm n = *norm;
    const auto option = [this](const char* name, const char* value) {
        SetDefaultOption(name, value);
    };
    const auto assumeAspect = [this](const char* aspect) {
        if (FOpt.Fframe_aspect_ratio != 0.0f) return;
        Log(llInfo, Format("Assuming %s for aspect ratio", aspect));
        SetFrameAspect(aspect);
    };
    if (target == "vcd") {
        SetVideoCodec("mpeg1video");
        SetAudioCodec("mp2");
        SetFormat("vcd");
        SetFrameSize(ByNorm(n, "352x288", "352x240"));
        SetFrameRate(TargetFrameRates[n]);
        option("g", ByNorm(n, "15", "18"));
        option("b", "1150000");
        option("maxrate", "1150000");
        option("minrate", "1150000");
        option("bufsize", "327680");
        option("ab", "224000");
        FOpt.Faudio_sample_rate = 44100;
        FOpt.Faudio_channels = 2;
        option("packetsize", "2324");
        option("muxrate", "1411200");
        FOpt.Fmux_preload = 0.44f;
        assumeAspect("4:3");
    } else if (target == "svcd") {
        SetVideoCodec("mpeg2video");
        SetAudioCodec("mp2");
        SetFormat("svcd");
        SetFrameSize(ByNorm(n, "480x576", "480x480"));
        SetFrameRate(TargetFrameRates[n]);
        option("g", ByNorm(n, "15", "18"));
        option("b", "2040000");
        option("maxrate", "2516000");
        option("minrate", "0");
        option("bufsize", "1835008");
        // The scan offset is a private option of the MPEG-2 encoder now, no longer a flag.
        option("scan_offset", "1");
        option("ab", "224000");
        FOpt.Faudio_sample_rate = 44100;
        option("packetsize", "2324");
        if (FOpt.Faudio_channels == 1) FOpt.Faudio_channels = 2;
        assumeAspect("4:3");
    } else if (target == "dvd") {
        SetVideoCodec("mpeg2video");
        SetAudioCodec("ac3");
        SetFormat("dvd");
        SetFrameSize(ByNorm(n, "720x576", "720x480"));
        SetFrameRate(TargetFrameRates[n]);
        option("g", ByNorm(n, "15", "18"));
        option("b", "6000000");
        option("maxrate", "9000000");
        option("minrate", "0");
        option("bufsize", "1835008");
        option("packetsize", "2048");
        option("muxrate", "10080000");
        option("ab", "448000");
        FOpt.Faudio_sample_rate = 48000;
        if (FOpt.Faudio_channels == 1) FOpt.Faudio_channels = 2;
        assumeAspect("16:9");
    } else if (target == "dv" || target == "dv50") {
        SetFormat("dv");
        SetFrameSize(ByNorm(n, "720x576", "720x480"));
        SetPixelFormat(target == "dv50" ? "yuv422p" : ByNorm(n, "yuv420p", "yuv411p"));
        SetFrameRate(TargetFrameRates[n]);
        FOpt.Faudio_sample_rate = 48000;
        FOpt.Faudio_channels = 2;
    } else {
        throw FFmpegException("Unknown target type");
    }
}
