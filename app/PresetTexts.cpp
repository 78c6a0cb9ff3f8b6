#include "app/PresetTexts.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <limits>

namespace {

// The blank-trimmed characters in front of the first "kbps"; empty when there is none.
std::string KbpsNumber(std::string_view text) {
    const size_t at = text.find("kbps");
    return Trim(at == std::string_view::npos ? std::string_view() : text.substr(0, at));
}

// A bit rate must fit the 32-bit working field.
int32_t CheckedBitrate(int64_t bits, std::string_view text) {
    if (bits < std::numeric_limits<int32_t>::min() || bits > std::numeric_limits<int32_t>::max())
        throw EConvertError(Format("'%s' is not a valid integer value", text));
    return static_cast<int32_t>(bits);
}

int32_t BitsFromKilobits(std::string_view number) {
    const int64_t kilobits = StrToInt64(number);
    constexpr int64_t limit = std::numeric_limits<int64_t>::max() / 1000;
    if (kilobits > limit || kilobits < -limit)
        throw EConvertError(Format("'%s' is not a valid integer value", number));
    return CheckedBitrate(kilobits * 1000, number);
}

} // namespace

std::string FrameSizeFromPreset(std::string_view text) {
    if (text == KeepResolutionText || text == NoVideoResolutionText) return {};
    return std::string(text);
}

std::string FrameRateFromPreset(std::string_view text) {
    if (text == KeepFrameRateText || text == NoVideoText) return {};
    return std::string(text);
}

int32_t VideoBitrateFromPreset(std::string_view text) {
    if (text == NoVideoText) return BitrateNotSet;
    return BitsFromKilobits(KbpsNumber(text));
}

int32_t AudioBitrateFromPreset(std::string_view text) {
    if (text == AutoAudioBitrateText) return BitrateNotSet;
    const std::string number = KbpsNumber(text);
    if (number.find('.') == std::string::npos) return BitsFromKilobits(number);
    // Through the shortest decimal text of the product, so that 5.15 * 1000 reads as 5150 and
    // not as 5150.000000000001, while a product with a real fraction is refused.
    const std::string product = FloatToStr(StrToFloat(number) * 1000);
    return CheckedBitrate(StrToInt64(product), product);
}

std::string SampleRateFromPreset(std::string_view text) {
    if (text == AutoSampleRateText) return std::string(AutoText);
    return std::string(text);
}

std::optional<std::string> AspectFromPreset(std::string_view text) {
    if (text == KeepAspectText) return std::string();
    if (text == "普通视频4:3模式") return "4:3";
    if (text == "宽屏视频16:9模式") return "16:9";
    if (text == "宽屏视频37:20模式") return "37:20";
    if (text == "宽屏视频47:20模式") return "47:20";
    if (text == NoVideoText) return std::string();
    return std::nullopt;
}

void ApplyPresetTexts(TWorkingParameters& fields, const TPresetTexts& texts) {
    std::string frameSize = FrameSizeFromPreset(texts[ppResolution]);
    std::string frameRate = FrameRateFromPreset(texts[ppFrameRate]);
    const int32_t videoBitrate = VideoBitrateFromPreset(texts[ppVideoBitrate]);
    std::string sampleRate = SampleRateFromPreset(texts[ppSampleRate]);
    const int32_t audioBitrate = AudioBitrateFromPreset(texts[ppAudioBitrate]);
    std::optional<std::string> aspect = AspectFromPreset(texts[ppAspect]);

    fields.FrameSize = std::move(frameSize);
    fields.FrameRate = std::move(frameRate);
    fields.VideoBitrate = videoBitrate;
    fields.AudioSampleRate = std::move(sampleRate);
    fields.AudioBitrate = audioBitrate;
    if (aspect) fields.FrameAspectRatio = std::move(*aspect);
}
