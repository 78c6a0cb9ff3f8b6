#include "app/JobRowParameters.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TStrings.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <type_traits>
#include <variant>

namespace {

using TField = std::variant<std::string TWorkingParameters::*, int32_t TWorkingParameters::*,
                            bool TWorkingParameters::*>;

struct TParameterCell {
    TJobCell Cell;
    TField Field;
};

using W = TWorkingParameters;
const TParameterCell kParameterCells[] = {
    { jcVideoCodec, &W::VideoCodec },
    { jcAudioCodec, &W::AudioCodec },
    { jcAudioChannels, &W::AudioChannels },
    { jcVideoTag, &W::VideoTag },
    { jcFileExt, &W::FileExt },
    { jcFrameSize, &W::FrameSize },
    { jcVideoBitrate, &W::VideoBitrate },
    { jcFrameRate, &W::FrameRate },
    { jcAudioBitrate, &W::AudioBitrate },
    { jcAudioSampleRate, &W::AudioSampleRate },
    { jcFrameAspectRatio, &W::FrameAspectRatio },
    { jcDisableVideo, &W::DisableVideo },
    { jcTargetType, &W::TargetType },
    { jcNormType, &W::NormType },
};

constexpr const char* kTrue = "True";
constexpr const char* kFalse = "False";

std::string TextOf(const TWorkingParameters& fields, const TField& field) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = fields.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                return value;
            else if constexpr (std::is_same_v<T, bool>)
                return value ? kTrue : kFalse;
            else
                return IntToStr(value);
        },
        field);
}

void ReadText(TWorkingParameters& fields, const TField& field, const std::string& text) {
    std::visit(
        [&](auto member) {
            auto& value = fields.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                value = text;
            else if constexpr (std::is_same_v<T, bool>)
                value = text == kTrue;
            else
                value = StrToInt(text);
        },
        field);
}

} // namespace

void WriteParameterCells(const TWorkingParameters& fields, TStrings& cells) {
    while (cells.Count() < jcCount)
        cells.Add("");
    for (const TParameterCell& p : kParameterCells)
        cells.SetStrings(p.Cell, TextOf(fields, p.Field));
}

TWorkingParameters ReadParameterCells(const TStrings& cells) {
    TWorkingParameters fields;
    for (const TParameterCell& p : kParameterCells)
        ReadText(fields, p.Field, p.Cell < cells.Count() ? cells.Strings(p.Cell) : std::string());
    return fields;
}

std::string ParameterCellText(const TWorkingParameters& fields, TJobCell cell) {
    const auto* p = std::find_if(std::begin(kParameterCells), std::end(kParameterCells),
                                 [cell](const TParameterCell& c) { return c.Cell == cell; });
    if (p == std::end(kParameterCells))
        throw EListError(Format("Cell %d holds no working parameter", int(cell)));
    return TextOf(fields, p->Field);
}
