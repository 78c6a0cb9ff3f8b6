#include "platform/shell/MimeGlobs.h"

#include "platform/rtl/TextUtils.h"
#include "platform/shell/ShellPaths.h"

#include <algorithm>
#include <fnmatch.h>

namespace {

bool HasWildcard(std::string_view text) {
    return text.find_first_of("*?[") != std::string_view::npos;
}

std::vector<std::string> SplitColons(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(':', start);
        fields.emplace_back(line.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return fields;
}

bool HasFlag(const std::string& flags, std::string_view flag) {
    std::size_t start = 0;
    while (start <= flags.size()) {
        std::size_t end = flags.find(',', start);
        if (end == std::string::npos) end = flags.size();
        if (std::string_view(flags).substr(start, end - start) == flag) return true;
        start = end + 1;
    }
    return false;
}

} // namespace

TMimeGlobs TMimeGlobs::Load(const std::vector<std::string>& dataFolders) {
    TMimeGlobs globs;
    std::vector<std::string> blocked;
    for (const std::string& folder : dataFolders) {
        const std::vector<std::string> cleared =
            globs.AddRules(ReadFileText(folder + "/mime/globs2"), blocked);
        blocked.insert(blocked.end(), cleared.begin(), cleared.end());
    }
    return globs;
}

std::vector<std::string> TMimeGlobs::AddRules(std::string_view text,
                                              const std::vector<std::string>& blockedTypes) {
    std::vector<std::string> cleared;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = SplitColons(line);
        if (fields.size() < 3) continue;
        int weight = 0;
        if (!TryStrToInt(fields[0], weight) || weight < 0) continue;
        const std::string& type = fields[1];
        const std::string& pattern = fields[2];
        if (type.empty() || pattern.empty()) continue;
        if (pattern == "__NOGLOBS__") {
            cleared.push_back(type);
            continue;
        }
        if (std::find(blockedTypes.begin(), blockedTypes.end(), type) != blockedTypes.end())
            continue;
        TRule rule{ type, pattern, weight, fields.size() > 3 && HasFlag(fields[3], "cs") };
        FRules.push_back(std::move(rule));
        Index(int(FRules.size()) - 1);
    }
    return cleared;
}

void TMimeGlobs::Index(int index) {
    const TRule& rule = FRules[std::size_t(index)];
    const std::string_view pattern = rule.Pattern;
    if (!HasWildcard(pattern)) {
        if (rule.CaseSensitive)
            FLiteralsCase[std::string(pattern)].push_back(index);
        else
            FLiterals[LowerCase(pattern)].push_back(index);
    } else if (pattern[0] == '*' && !HasWildcard(pattern.substr(1)) && pattern.size() > 1) {
        FLongestSuffix = std::max(FLongestSuffix, pattern.size() - 1);
        if (rule.CaseSensitive)
            FSuffixesCase[std::string(pattern.substr(1))].push_back(index);
        else
            FSuffixes[LowerCase(pattern.substr(1))].push_back(index);
    } else {
        FOthers.push_back(index);
    }
}

bool TMimeGlobs::Beats(int candidate, int best) const {
    if (best < 0) return true;
    const TRule& c = FRules[std::size_t(candidate)];
    const TRule& b = FRules[std::size_t(best)];
    if (c.Weight != b.Weight) return c.Weight > b.Weight;
    if (c.Pattern.size() != b.Pattern.size()) return c.Pattern.size() > b.Pattern.size();
    if (c.CaseSensitive != b.CaseSensitive) return c.CaseSensitive;
    return candidate < best;
}

void TMimeGlobs::Consider(const TIndex& index, std::string_view key, int& best) const {
    const auto found = index.find(key);
    if (found == index.end()) return;
    for (int rule : found->second)
        if (Beats(rule, best)) best = rule;
}

std::string TMimeGlobs::TypeOfName(std::string_view name) const {
    if (name.empty()) return std::string();
    const std::string lower = LowerCase(name);
    int best = -1;
    Consider(FLiteralsCase, name, best);
    Consider(FLiterals, lower, best);
    if (best >= 0) return FRules[std::size_t(best)].Type;

    const std::size_t first = name.size() > FLongestSuffix ? name.size() - FLongestSuffix : 0;
    for (std::size_t i = first; i < name.size(); ++i) {
        Consider(FSuffixesCase, name.substr(i), best);
        Consider(FSuffixes, std::string_view(lower).substr(i), best);
    }
    const std::string text(name);
    for (int rule : FOthers) {
        const TRule& r = FRules[std::size_t(rule)];
        const int flags = r.CaseSensitive ? 0 : FNM_CASEFOLD;
        if (::fnmatch(r.Pattern.c_str(), text.c_str(), flags) == 0 && Beats(rule, best))
            best = rule;
    }
    return best >= 0 ? FRules[std::size_t(best)].Type : std::string();
}
