#include "Src/AVProbe/ProbeText.h"

#include "Src/AVUtilStubs.h"
#include "platform/rtl/Format.h"

#include <cmath>
#include <string_view>

std::string RateText(double value, const std::string& unit) {
    const double hundredths = std::nearbyint(value * 100.0); // ties to even
    if (std::fmod(hundredths, 100.0) != 0.0) return Format(", %3.2f %s", value, unit);
    if (std::fmod(hundredths, 100000.0) != 0.0) return Format(", %1.0f %s", value, unit);
    return Format(", %1.0fk %s", value / 1000.0, unit);
}

std::string ID3v2KeyName(const std::string& key) {
    static constexpr std::pair<std::string_view, std::string_view> kNames[] = {
        { "TALB", "album" },     { "TAL", "album" },       { "TCOM", "composer" },
        { "TCON", "genre" },     { "TCO", "genre" },       { "TCOP", "copyright" },
        { "TDRL", "date" },      { "TENC", "encoder" },    { "TEN", "encoder" },
        { "TIT2", "title" },     { "TT2", "title" },       { "TLAN", "language" },
        { "TPE1", "artist" },    { "TP1", "artist" },      { "TPOS", "disc" },
        { "TPUB", "publisher" }, { "TRCK", "track" },      { "TRK", "track" },
        { "TSOA", "albumsort" }, { "TSOP", "authorsort" }, { "TSOT", "titlesort" },
        { "TYER", "year" },
    };
    for (const auto& [id, name] : kNames)
        if (key == id) return std::string(name);
    return key;
}

std::string MetadataBlock(const AVDictionary* metadata, const std::string& indent) {
    std::string lines;
    int count = 0;
    bool onlyLanguage = true;
    for (const AVDictionaryEntry* entry = nullptr;
         (entry = av::av_dict_get(metadata, "", entry, AV_DICT_IGNORE_SUFFIX));) {
        ++count;
        if (std::string_view(entry->key) == "language") continue;
        onlyLanguage = false;
        lines += Format("%s  %-16s: %s\r\n", indent, ID3v2KeyName(entry->key),
                        entry->value ? entry->value : "");
    }
    if (count == 0 || (count == 1 && onlyLanguage)) return "";
    return Format("%sMetadata:\r\n", indent) + lines;
}
