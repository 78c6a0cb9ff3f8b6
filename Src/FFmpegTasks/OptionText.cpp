#include "Src/FFmpegTasks/OptionText.h"

#include "Src/MyUtils/TextSplit.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <array>
#include <string_view>

std::vector<TOptionLine> SplitOptionText(const std::string& text) {
    std::string rest = Trim(text);
    rest = StringReplace(rest, "\r\n", "\n", rfReplaceAll);
    rest = StringReplace(rest, "\r", "\n", rfReplaceAll);
    rest = StringReplace(rest, "<CRLF>", "\n", rfReplaceAll);
    std::vector<TOptionLine> lines;
    while (!rest.empty()) {
        std::string line;
        SplitAt(rest, "\n", true, line);
        TOptionLine item;
        SplitAt(line, "=", true, item.Name);
        item.Value = line;
        lines.push_back(std::move(item));
    }
    return lines;
}

namespace {

constexpr std::array<std::string_view, 8> kOutputSideNames = {
    "newvideo", "newaudio", "newsubtitle", "apre", "vpre", "spre", "vfilters", "vf"
};
constexpr std::array<std::string_view, 4> kCodecNames = { "acodec", "vcodec", "scodec", "s" };

bool Contains(const auto& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

void ApplyOptionText(
    const std::string& text, bool applyCodecs,
    const std::function<void(const std::string& name, const std::string& value)>& apply) {
    for (const TOptionLine& line : SplitOptionText(text)) {
        const std::string name = LowerCase(line.Name);
        if (Contains(kOutputSideNames, name)) continue;
        if (!applyCodecs && Contains(kCodecNames, name)) continue;
        apply(name, line.Value);
    }
}
