#include "platform/rtl/TextUtils.h"

#include "platform/rtl/Exception.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Parses integer text into an unsigned magnitude. Hexadecimal may use the full width of the
// type (so "$FFFFFFFF" is -1 for 32 bits, as the original conversion wraps it); decimal must fit
// the signed range.
template <typename T>
bool ParseInteger(std::string_view s, T& value) {
    using U = std::make_unsigned_t<T>;
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size()) return false;
    U magnitude = 0;
    const U base = hex ? 16 : 10;
    const U limit = hex ? std::numeric_limits<U>::max()
                        : static_cast<U>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
    for (; i < s.size(); ++i) {
        const int digit = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (digit < 0) return false;
        if (magnitude > (limit - static_cast<U>(digit)) / base) return false;
        magnitude = magnitude * base + static_cast<U>(digit);
    }
    if (negative) magnitude = static_cast<U>(U(0) - magnitude);
    value = static_cast<T>(magnitude);
    return true;
}

} // namespace

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

std::string TrimLeft(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
    return std::string(first, s.end());
}

std::string TrimRight(std::string_view s) {
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

std::string LowerCase(std::string_view s) {
    std::string result(s);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

std::string UpperCase(std::string_view s) {
    std::string result(s);
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

int CompareStr(std::string_view a, std::string_view b) {
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CompareText(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int Pos(std::string_view sub, std::string_view s) {
    return PosEx(sub, s, 1);
}

int PosEx(std::string_view sub, std::string_view s, int offset) {
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > s.size()) return 0;
    const auto found = s.find(sub, static_cast<size_t>(offset - 1));
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<size_t>(index) > s.size()) return {};
    return std::string(s.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

void Delete(std::string& s, int index, int count) {
    if (index < 1 || count <= 0 || static_cast<size_t>(index) > s.size()) return;
    s.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

void Insert(std::string_view source, std::string& s, int index) {
    const size_t at = std::clamp<int64_t>(index, 1, static_cast<int64_t>(s.size()) + 1) - 1;
    s.insert(at, source);
}

std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    const bool ignoreCase = (flags & rfIgnoreCase) != 0;
    const std::string haystack = ignoreCase ? UpperCase(s) : std::string(s);
    const std::string needle = ignoreCase ? UpperCase(oldPattern) : std::string(oldPattern);
    std::string result;
    size_t from = 0;
    while (from <= haystack.size()) {
        const size_t found = haystack.find(needle, from);
        if (found == std::string::npos) break;
        result.append(s.substr(from, found - from));
        result.append(newPattern);
        from = found + needle.size();
        if ((flags & rfReplaceAll) == 0) break;
    }
    result.append(s.substr(std::min(from, s.size())));
    return result;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits) {
    char buffer[17];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<uint64_t>(value), 16).ptr;
    std::string result = UpperCase(std::string_view(buffer, static_cast<size_t>(end - buffer)));
    if (digits > 0 && result.size() < static_cast<size_t>(digits))
        result.insert(0, static_cast<size_t>(digits) - result.size(), '0');
    return result;
}

bool TryStrToInt(std::string_view s, int32_t& value) {
    return ParseInteger(s, value);
}

bool TryStrToInt64(std::string_view s, int64_t& value) {
    return ParseInteger(s, value);
}

int32_t StrToInt(std::string_view s) {
    int32_t value = 0;
    if (!TryStrToInt(s, value))
        throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return value;
}

int64_t StrToInt64(std::string_view s) {
    int64_t value = 0;
    if (!TryStrToInt64(s, value))
        throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(std::string_view s, int32_t defaultValue) {
    int32_t value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

int64_t StrToInt64Def(std::string_view s, int64_t defaultValue) {
    int64_t value = 0;
    return TryStrToInt64(s, value) ? value : defaultValue;
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    // "1e+20" and "1e-05" become "1E20" and "1E-5".
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    std::string exponent = text.substr(e + 1);
    const bool negative = exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    return text.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

bool TryStrToFloat(std::string_view s, double& value) {
    size_t first = 0;
    size_t last = s.size();
    while (first < last && IsBlank(s[first]))
        ++first;
    while (last > first && IsBlank(s[last - 1]))
        --last;
    std::string_view text = s.substr(first, last - first);
    // Only plain decimal notation is a number here: no "inf", "nan" or hexadecimal floats.
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::string_view body = text.substr(i);
    size_t digits = 0;
    size_t j = 0;
    while (j < body.size() && body[j] >= '0' && body[j] <= '9')
        ++j, ++digits;
    if (j < body.size() && body[j] == '.') {
        ++j;
        while (j < body.size() && body[j] >= '0' && body[j] <= '9')
            ++j, ++digits;
    }
    if (digits == 0) return false;
    if (j < body.size() && (body[j] == 'e' || body[j] == 'E')) {
        ++j;
        if (j < body.size() && (body[j] == '+' || body[j] == '-')) ++j;
        const size_t expStart = j;
        while (j < body.size() && body[j] >= '0' && body[j] <= '9')
            ++j;
        if (j == expStart) return false;
    }
    if (j != body.size()) return false;
    double parsed = 0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (ec != std::errc() || ptr != body.data() + body.size()) return false;
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(std::string_view s) {
    double value = 0;
    if (!TryStrToFloat(s, value))
        throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(std::string_view s, double defaultValue) {
    double value = 0;
    return TryStrToFloat(s, value) ? value : defaultValue;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::size_t Utf8Fit(std::string_view text, std::size_t size) {
    if (size >= text.size()) return text.size();
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    return size;
}
