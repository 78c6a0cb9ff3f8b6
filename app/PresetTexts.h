#pragma once
#include "app/FormatCodes.h"
#include "app/FormatParameters.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The texts the six preset pickers show, turned into working-field values. Every text of the
// preset lists is a label and a value at once: "640*480", "816 kbps", "29.97", "44100", the
// aspect texts, and the keep and no-video texts, which give no value.

// The keep and no-video texts.
inline constexpr std::string_view KeepResolutionText = "保持原分辨率";
inline constexpr std::string_view NoVideoResolutionText = "该格式无视频";
inline constexpr std::string_view KeepFrameRateText = "保持原帧速率";
inline constexpr std::string_view KeepAspectText = "保持原视频模式";
inline constexpr std::string_view NoVideoText = "无视频";
inline constexpr std::string_view AutoAudioBitrateText = "自动音频比特率";
inline constexpr std::string_view AutoSampleRateText = "自动音频采样率";

// Empty for the keep and no-video texts, else the text itself ("640*480").
std::string FrameSizeFromPreset(std::string_view text);
// Empty for the keep and no-video texts, else the text itself ("29.97", "15").
std::string FrameRateFromPreset(std::string_view text);
// BitrateNotSet for the no-video text, else the number in front of "kbps" times 1000.
// Raises EConvertError when that is not a whole number or does not fit 32 bits.
int32_t VideoBitrateFromPreset(std::string_view text);
// BitrateNotSet for the automatic text, else the number in front of "kbps" times 1000; the
// number may carry decimals ("4.75 kbps" gives 4750) as long as the product is whole.
// Raises EConvertError for anything else.
int32_t AudioBitrateFromPreset(std::string_view text);
// AutoText for the automatic text, else the text itself ("44100").
std::string SampleRateFromPreset(std::string_view text);
// "4:3", "16:9", "37:20", "47:20", or empty for the keep and no-video texts; no value for any
// other text, which leaves the format's own aspect in force.
std::optional<std::string> AspectFromPreset(std::string_view text);

// The six pickers' shown texts, indexed by TPresetPicker.
using TPresetTexts = std::array<std::string, PresetPickerCount>;

// Overrides the frame size, frame rate, both bit rates, the sample rate and (for a known aspect
// text) the aspect. Every text is converted before any field changes, so a text that fails to
// convert leaves the fields as they were.
void ApplyPresetTexts(TWorkingParameters& fields, const TPresetTexts& texts);
