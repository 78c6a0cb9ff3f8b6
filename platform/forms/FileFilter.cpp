#include "platform/forms/FileFilter.h"
#include "platform/rtl/FileSearch.h"

namespace {

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

} // namespace

std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter) {
    std::vector<TFileFilterEntry> entries;
    if (filter.empty()) return entries;
    const std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
        entries.push_back({ parts[i], SplitMasks(parts[i + 1]) });
    return entries;
}

std::vector<std::string> SplitMasks(const std::string& masks) {
    std::vector<std::string> result;
    for (const std::string& part : Split(masks, ';'))
        if (std::string mask = TrimBlanks(part); !mask.empty()) result.push_back(mask);
    return result;
}

bool MatchesAnyMask(const std::string& name, const std::vector<std::string>& masks) {
    if (masks.empty()) return true;
    for (const std::string& mask : masks)
        if (MatchesMask(name, mask)) return true;
    return false;
}

std::string MaskExtension(const std::vector<std::string>& masks) {
    if (masks.empty()) return {};
    const std::string& mask = masks.front();
    const size_t dot = mask.rfind('.');
    if (dot == std::string::npos || dot + 1 == mask.size()) return {};
    const std::string extension = mask.substr(dot + 1);
    if (extension.find_first_of("*?/") != std::string::npos) return {};
    return extension;
}
