#include "platform/gfx/FontMatcher.h"

#include "platform/gfx/Utf8.h"
#include "platform/rtl/Exception.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <mutex>
#include <string_view>

namespace gfx {

namespace {

constexpr int kShiftJisCharset = 128;
constexpr int kHangulCharset = 129;
constexpr int kGb2312Charset = 134;
constexpr int kChineseBig5Charset = 136;

// Names of Chinese faces written in Latin letters; names written in ideographs are found by
// their script.
constexpr std::array<std::string_view, 9> kChineseFaceNames{
    "simsun",   "nsimsun", "simhei",   "microsoft yahei",   "kaiti",
    "fangsong", "mingliu", "pmingliu", "microsoft jhenghei"
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

FcConfig* Config() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (!FcInit()) throw Exception("Cannot initialise fontconfig.");
    });
    return FcConfigGetCurrent();
}

} // namespace

bool FaceSource::Covers(char32_t code) const {
    return Coverage && FcCharSetHasChar(const_cast<FcCharSet*>(Coverage.get()), FcChar32(code));
}

std::string FontMatcher::LanguageFor(const std::string& faceName, int charSet) {
    switch (charSet) {
    case kShiftJisCharset:
        return "ja";
    case kHangulCharset:
        return "ko";
    case kGb2312Charset:
        return "zh-cn";
    case kChineseBig5Charset:
        return "zh-tw";
    default:
        break;
    }
    const std::string lower = Lower(faceName);
    if (std::find(kChineseFaceNames.begin(), kChineseFaceNames.end(), lower) !=
        kChineseFaceNames.end())
        return "zh-cn";
    for (char32_t c : DecodeUtf8(faceName)) {
        if (c >= 0x4E00 && c <= 0x9FFF) return "zh-cn";
    }
    return "";
}

std::vector<FaceSource> FontMatcher::Match(const std::string& faceName, int weight, bool italic,
                                           int charSet) {
    FcConfig* config = Config();
    FcPatternPtr pattern(FcPatternCreate());
    if (!pattern) throw Exception("Out of memory while matching a font.");
    if (!faceName.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(faceName.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    const std::string language = LanguageFor(faceName, charSet);
    if (!language.empty())
        FcPatternAddString(pattern.get(), FC_LANG,
                           reinterpret_cast<const FcChar8*>(language.c_str()));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    FcFontSetPtr fonts(FcFontSort(config, pattern.get(), FcTrue, nullptr, &result));
    std::vector<FaceSource> sources;
    if (!fonts) return sources;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) continue;
        FaceSource source;
        source.Path = reinterpret_cast<const char*>(file);
        int index = 0;
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) source.Index = index;
        FcCharSet* coverage = nullptr;
        if (FcPatternGetCharSet(font, FC_CHARSET, 0, &coverage) == FcResultMatch && coverage)
            source.Coverage =
                std::shared_ptr<const FcCharSet>(FcCharSetCopy(coverage), FcCharSetFree());
        sources.push_back(std::move(source));
    }
    return sources;
}

} // namespace gfx

// fontconfig loses a few bytes while it parses its configuration files, once per process; the
// leak checker of sanitizer builds would otherwise blame every program that draws text.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
