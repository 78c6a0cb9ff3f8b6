#include "lib/skindata/bsSkinIniValues.h"

#include "platform/rtl/TCustomIniFile.h"
#include "platform/rtl/TStringList.h"
#include "platform/rtl/TextUtils.h"

#include <array>

namespace {

// Splits at commas keeping the digits of each part; the parts array bounds how many count.
template <size_t N>
std::array<int, N> ParseParts(std::string_view text) {
    std::array<std::string, N> parts;
    size_t part = 0;
    std::string pending;
    for (const char c : text) {
        if (c == ',') {
            if (part < N) parts[part] = pending;
            pending.clear();
            ++part;
        } else if (c >= '0' && c <= '9') {
            pending += c;
        }
    }
    if (part < N) parts[part] = pending;
    std::array<int, N> values{};
    for (size_t i = 0; i < N; ++i)
        values[i] = StrToInt(parts[i]);
    return values;
}

struct TFontStyleWord {
    TFontStyle Style;
    const char* Word;
};
constexpr TFontStyleWord kFontStyleWords[] = {
    { fsBold, "fsbold" },
    { fsItalic, "fsitalic" },
    { fsUnderline, "fsunderline" },
    { fsStrikeOut, "fsstrikeout" },
};

constexpr const char* kInActiveEffectWords[] = { "iebrightness", "iedarkness",  "iegrayscale",
                                                 "ienoise",      "iesplitblur", "ieinvert" };
constexpr const char* kMorphKindWords[] = { "mkdefault",       "mkgradient",  "mkleftgradient",
                                            "mkrightgradient", "mkleftslide", "mkrightslide",
                                            "mkpush" };
constexpr const char* kStretchTypeWords[] = { "stfull", "sthorz", "stvert" };
constexpr const char* kStdCommandWords[] = { "cmclose",         "cmmaximize", "cmminimize",
                                             "cmsysmenu",       "cmdefault",  "cmrollup",
                                             "cmminimizetotray" };

// The index of the word in the table, or fallback when the table does not hold it.
template <size_t N>
int WordIndex(const char* const (&words)[N], const std::string& value, int fallback) {
    for (size_t i = 0; i < N; ++i)
        if (value == words[i]) return int(i);
    return fallback;
}

// The word of an enumeration value; a value outside the table (only a cast can make one)
// writes the table's first word rather than reading past it.
template <size_t N>
const char* WordOf(const char* const (&words)[N], int value) {
    return value >= 0 && size_t(value) < N ? words[value] : words[0];
}

} // namespace

TRect ParseRectValue(std::string_view text) {
    const auto v = ParseParts<4>(text);
    return TRect(v[0], v[1], v[2], v[3]);
}

TPoint ParsePointValue(std::string_view text) {
    const auto v = ParseParts<2>(text);
    return TPoint(v[0], v[1]);
}

TRect SkinIniReadRect(const TCustomIniFile& ini, const std::string& section,
                      const std::string& ident) {
    return ParseRectValue(ini.ReadString(section, ident, "0,0,0,0"));
}

void SkinIniWriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      const TRect& value) {
    ini.WriteString(section, ident,
                    IntToStr(value.Left) + "," + IntToStr(value.Top) + "," + IntToStr(value.Right) +
                        "," + IntToStr(value.Bottom));
}

TPoint SkinIniReadPoint(const TCustomIniFile& ini, const std::string& section,
                        const std::string& ident) {
    return ParsePointValue(ini.ReadString(section, ident, "0,0"));
}

void SkinIniWritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                       const TPoint& value) {
    ini.WriteString(section, ident, IntToStr(value.X) + "," + IntToStr(value.Y));
}

bool SkinIniReadBool(const TCustomIniFile& ini, const std::string& section,
                     const std::string& ident) {
    return ini.ReadInteger(section, ident, 0) == 1;
}

void SkinIniWriteBool(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      bool value) {
    ini.WriteInteger(section, ident, value ? 1 : 0);
}

TFontStyles SkinIniReadFontStyles(const TCustomIniFile& ini, const std::string& section,
                                  const std::string& ident) {
    const std::string value = ini.ReadString(section, ident, "");
    TFontStyles styles;
    for (const auto& w : kFontStyleWords)
        if (value.find(w.Word) != std::string::npos) styles.Include(w.Style);
    return styles;
}

void SkinIniWriteFontStyles(TCustomIniFile& ini, const std::string& section,
                            const std::string& ident, TFontStyles value) {
    std::string text;
    for (const auto& w : kFontStyleWords) {
        if (!value.Contains(w.Style)) continue;
        if (!text.empty()) text += ',';
        text += w.Word;
    }
    ini.WriteString(section, ident, text);
}

TAlignment SkinIniReadAlignment(const TCustomIniFile& ini, const std::string& section,
                                const std::string& ident) {
    const std::string value = ini.ReadString(section, ident, "tacenter");
    if (value == "tacenter") return taCenter;
    if (value == "taleftjustify") return taLeftJustify;
    return taRightJustify;
}

void SkinIniWriteAlignment(TCustomIniFile& ini, const std::string& section,
                           const std::string& ident, TAlignment value) {
    const char* word = "tarightjustify";
    if (value == taCenter) word = "tacenter";
    if (value == taLeftJustify) word = "taleftjustify";
    ini.WriteString(section, ident, word);
}

TbsInActiveEffect ReadInActiveEffect(const TCustomIniFile& ini, const std::string& section,
                                     const std::string& ident) {
    return TbsInActiveEffect(WordIndex(
        kInActiveEffectWords, ini.ReadString(section, ident, "iebrightness"), ieGrayScale));
}

void WriteInActiveEffect(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                         TbsInActiveEffect value) {
    ini.WriteString(section, ident, WordOf(kInActiveEffectWords, value));
}

TbsMorphKind ReadMorphKind(const TCustomIniFile& ini, const std::string& section,
                           const std::string& ident) {
    return TbsMorphKind(
        WordIndex(kMorphKindWords, ini.ReadString(section, ident, "mkdefault"), mkDefault));
}

void WriteMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    TbsMorphKind value) {
    ini.WriteString(section, ident, WordOf(kMorphKindWords, value));
}

TbsStretchType ReadStretchType(const TCustomIniFile& ini, const std::string& section,
                               const std::string& ident) {
    const std::string value = ini.ReadString(section, ident, "stfull");
    if (value == "stfull") return bsstFull;
    if (value == "stvert") return bsstVert;
    return bsstHorz;
}

void WriteStretchType(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      TbsStretchType value) {
    ini.WriteString(section, ident, WordOf(kStretchTypeWords, value));
}

TbsStdCommand ReadStdCommand(const TCustomIniFile& ini, const std::string& section,
                             const std::string& ident) {
    return TbsStdCommand(
        WordIndex(kStdCommandWords, ini.ReadString(section, ident, "cmdefault"), cmMinimizeToTray));
}

void WriteStdCommand(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     TbsStdCommand value) {
    ini.WriteString(section, ident, WordOf(kStdCommandWords, value));
}

void SkinIniReadStrings(const TCustomIniFile& ini, const std::string& section,
                        const std::string& ident, TStrings& strings) {
    int count = ini.ReadInteger(section, ident + "count", 0);
    // A list cannot hold more items than its section has keys; a larger count is a damaged
    // description and would otherwise append empty items without bound.
    TStringList keys;
    ini.ReadSection(section, keys);
    if (count > keys.Count()) count = keys.Count();
    for (int i = 0; i < count; ++i)
        strings.Add(ini.ReadString(section, IntToStr(i), ""));
}

void SkinIniWriteStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                         const TStrings& strings) {
    ini.WriteInteger(section, ident + "count", strings.Count());
    for (int i = 0; i < strings.Count(); ++i)
        ini.WriteString(section, IntToStr(i), strings[i]);
}

bool IsSkinIniFile(const TCustomIniFile& ini) {
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(section)) return false;
    return true;
}
