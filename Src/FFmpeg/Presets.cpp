#include "Src/FFmpeg/OptionDispatcher.h"

#include "Src/FFUtils/FFOptions.h"
#include "Src/FFmpeg/BuiltInPresets.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/MyUtils/TextSplit.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

void TOptionDispatcher::ApplyPreset(const std::string& name, const std::string& value) {
    if (name.empty() || value.empty()) return;
    std::string key = value;
    std::string text;
    if (name[0] != 'f') {
        text = FindBuiltInPreset(key);
        if (text.empty()) {
            const std::string* codec = nullptr;
            if (name[0] == 'v' && !FOpt.Fvideo_codec_name.empty())
                codec = &FOpt.Fvideo_codec_name;
            else if (name[0] == 'a' && !FOpt.Faudio_codec_name.empty())
                codec = &FOpt.Faudio_codec_name;
            else if (!FOpt.Fsubtitle_codec_name.empty())
                codec = &FOpt.Fsubtitle_codec_name;
            if (codec) key = *codec + "-" + value;
            text = FindBuiltInPreset(key);
        }
    }
    if (text.empty()) {
        if (!FileExists(value) || ReadWholeFile(value, text) != 0)
            throw FFmpegException(Format("Preset \"%s\" not found", value));
    }
    std::string rest = Trim(text);
    rest = StringReplace(rest, "\r\n", "\n", rfReplaceAll);
    rest = StringReplace(rest, "\r", "\n", rfReplaceAll);
    while (!rest.empty()) {
        std::string line;
        SplitAt(rest, "\n", true, line);
        line = Trim(line);
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        const std::string optionName = line.substr(0, equals);
        const std::string optionValue =
            equals == std::string::npos ? std::string() : line.substr(equals + 1);
        if (optionName.empty() || optionValue.empty())
            throw FFmpegException(Format("%s: Invalid syntax: \"%s\"", key, line));
        if (SameText(optionName, "acodec"))
            SetAudioCodec(optionValue);
        else if (SameText(optionName, "vcodec"))
            SetVideoCodec(optionValue);
        else if (SameText(optionName, "scodec"))
            SetSubtitleCodec(optionValue);
        else if (!SetDefaultOption(optionName, optionValue))
            throw FFmpegException(
                Format("%s: Invalid option or argument: \"%s\", parsed as \"%s\" = \"%s\"", key,
                       line, optionName, optionValue));
    }
}
