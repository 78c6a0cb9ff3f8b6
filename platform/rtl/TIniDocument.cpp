#include "platform/rtl/TIniDocument.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <utility>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Enclosed in a pair of double or single quotes, which the profile functions drop on reading.
bool IsQuoted(std::string_view s) {
    return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

// The section name of a header line "[name]", or nothing for other lines.
std::optional<std::string> HeaderName(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    return Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos
                                                                               : close - 1));
}

} // namespace

TIniDocument::TLine TIniDocument::ParseLine(std::string text) {
    TLine line{ std::move(text), {} };
    const std::string trimmed = TrimLeft(line.Text);
    if (trimmed.empty() || trimmed.front() == ';') return line;
    const auto equals = line.Text.find('=');
    if (equals != std::string::npos) line.Key = Trim(std::string_view(line.Text).substr(0, equals));
    return line;
}

void TIniDocument::SetText(std::string_view text) {
    Clear();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
        if (auto name = HeaderName(line)) {
            FSections.push_back({ std::move(*name), std::move(line), {} });
        } else if (FSections.empty()) {
            FPreamble.push_back(std::move(line));
        } else {
            FSections.back().Lines.push_back(ParseLine(std::move(line)));
        }
    }
}

std::string TIniDocument::Text() const {
    std::string text;
    for (const auto& line : FPreamble)
        text += line + '\n';
    for (const auto& section : FSections) {
        text += section.Header + '\n';
        for (const auto& line : section.Lines)
            text += line.Text + '\n';
    }
    return text;
}

void TIniDocument::Clear() {
    FPreamble.clear();
    FSections.clear();
}

const TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) const {
    const std::string wanted = Trim(name);
    for (const auto& section : FSections)
        if (SameText(section.Name, wanted)) return &section;
    return nullptr;
}

TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) {
    return const_cast<TSection*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string> TIniDocument::Value(std::string_view section,
                                               std::string_view key) const {
    const TSection* found = FindSection(section);
    if (!found) return std::nullopt;
    const std::string wanted = Trim(key);
    for (const auto& line : found->Lines) {
        if (line.Key.empty() || !SameText(line.Key, wanted)) continue;
        std::string value = Trim(std::string_view(line.Text).substr(line.Text.find('=') + 1));
        if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string name = Trim(key);
    const bool quote =
        IsQuoted(value) || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
    const std::string text =
        name + '=' + (quote ? '"' + std::string(value) + '"' : std::string(value));

    TSection* target = FindSection(section);
    if (!target) {
        // A blank line keeps the new section apart from what comes before it.
        const std::string* last = nullptr;
        if (!FSections.empty())
            last = FSections.back().Lines.empty() ? &FSections.back().Header
                                                  : &FSections.back().Lines.back().Text;
        else if (!FPreamble.empty())
            last = &FPreamble.back();
        if (last && !Trim(*last).empty()) {
            if (FSections.empty())
                FPreamble.emplace_back();
            else
                FSections.back().Lines.push_back({});
        }
        const std::string sectionName = Trim(section);
        FSections.push_back({ sectionName, '[' + sectionName + ']', {} });
        target = &FSections.back();
    }
    for (auto& line : target->Lines)
        if (!line.Key.empty() && SameText(line.Key, name)) {
            line = ParseLine(text);
            return;
        }
    // After the last line that is not blank, so that the blank line before the next section stays.
    auto at = target->Lines.end();
    while (at != target->Lines.begin() && Trim((at - 1)->Text).empty())
        --at;
    target->Lines.insert(at, ParseLine(text));
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const TSection* found = FindSection(section))
        for (const auto& line : found->Lines)
            if (!line.Key.empty()) keys.push_back(line.Key);
    return keys;
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> names;
    for (const auto& section : FSections)
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::string& name) { return SameText(name, section.Name); }))
            names.push_back(section.Name);
    return names;
}

bool TIniDocument::EraseSection(std::string_view section) {
    const std::string wanted = Trim(section);
    const auto erased = std::erase_if(
        FSections, [&](const TSection& candidate) { return SameText(candidate.Name, wanted); });
    return erased > 0;
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view key) {
    TSection* found = FindSection(section);
    if (!found) return false;
    const std::string wanted = Trim(key);
    const auto line = std::find_if(found->Lines.begin(), found->Lines.end(), [&](const TLine& l) {
        return !l.Key.empty() && SameText(l.Key, wanted);
    });
    if (line == found->Lines.end()) return false;
    found->Lines.erase(line);
    return true;
}
