#include "SkinRecordSections.h"

namespace {

std::string DistinctValue(const TKeySpec& key, int index) {
    const std::string n = std::to_string(index + 1);
    switch (key.Kind) {
    case 'i':
        return std::to_string(index % 2 ? -(100 + index) : 100 + index);
    case 'r':
        return n + "," + std::to_string(index + 2) + "," + std::to_string(index + 30) + "," +
               std::to_string(index + 40);
    case 'p':
        return n + "," + std::to_string(index + 7);
    case 'b':
        return "1";
    case 's':
        return "text" + n;
    case 'f':
        return "fsitalic,fsstrikeout";
    case 'a':
        return "taleftjustify";
    case 'm':
        return "mkleftslide";
    case 't':
        return "stvert";
    case 'c':
        return "cmrollup";
    }
    return "?";
}

} // namespace

std::vector<std::string> DistinctLines(const TKindKeys& kind) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < kind.Keys.size(); ++i)
        lines.push_back(std::string(kind.Keys[i].Key) + "=" + DistinctValue(kind.Keys[i], int(i)));
    return lines;
}

std::vector<std::string> MissingLines(const TKindKeys& kind) {
    std::vector<std::string> lines;
    for (const auto& key : kind.Keys)
        lines.push_back(std::string(key.Key) + "=" + key.Missing);
    return lines;
}

std::string SectionText(const std::string& section, const std::vector<std::string>& lines) {
    std::string text = "[" + section + "]\n";
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}
