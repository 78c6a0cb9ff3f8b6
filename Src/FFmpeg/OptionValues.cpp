#include "Src/FFmpeg/OptionValues.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>

bool OptionFlag(std::string_view value) {
    return value != "0";
}

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

int ReadInteger(std::string_view text, std::size_t& pos, bool anyBase) {
    std::size_t i = pos;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (anyBase && i < text.size() && text[i] == '0') {
        base = 8;
        if (i + 2 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
            DigitValue(text[i + 2]) < 16) {
            base = 16;
            i += 2;
        }
    }
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    while (i < text.size() && DigitValue(text[i]) < base) {
        value =
            std::min<std::int64_t>(value * base + DigitValue(text[i]), std::int64_t(INT_MAX) + 1);
        ++i;
    }
    if (i == digitsStart) return 0;
    pos = i;
    value = negative ? -value : value;
    return int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

int LeadingInteger(std::string_view text, std::size_t& pos) {
    return ReadInteger(text, pos, true);
}

int LeadingDecimal(std::string_view text, std::size_t& pos) {
    return ReadInteger(text, pos, false);
}

double LeadingDouble(std::string_view text, std::size_t& pos) {
    std::size_t i = pos;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    auto format = std::chars_format::general;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        format = std::chars_format::hex;
        i += 2;
    }
    double value = 0.0;
    const char* begin = text.data() + i;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value, format);
    if (end == begin) {
        // "0x" with no hexadecimal digits after it still reads the 0.
        if (format == std::chars_format::hex) pos = i - 1;
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        // Too small a number reads as 0, too large a one as infinity, as strtod does.
        const std::string_view digits(begin, std::size_t(end - begin));
        const std::size_t exponent =
            digits.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        const bool tiny = exponent != std::string_view::npos && exponent + 1 < digits.size() &&
                          digits[exponent + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }
    pos = std::size_t(end - text.data());
    return negative ? -value : value;
}

namespace {

// Reads the integer at pos and skips one character after it when the text goes on.
int IndexAndSeparator(std::string_view text, std::size_t& pos) {
    const int value = LeadingInteger(text, pos);
    if (pos < text.size()) ++pos;
    return value;
}

} // namespace

TAVStreamMap StreamMapFromText(std::string_view text) {
    TAVStreamMap map;
    std::size_t pos = 0;
    map.file_index = IndexAndSeparator(text, pos);
    map.stream_index = LeadingInteger(text, pos);
    if (pos < text.size()) {
        ++pos;
        map.sync_file_index = IndexAndSeparator(text, pos);
        map.sync_stream_index = LeadingInteger(text, pos);
    } else {
        map.sync_file_index = map.file_index;
        map.sync_stream_index = map.stream_index;
    }
    return map;
}

TAVMetaDataMap MetaDataMapFromText(std::string_view text) {
    TAVMetaDataMap map;
    std::size_t pos = 0;
    map.out_file = IndexAndSeparator(text, pos);
    map.in_file = LeadingInteger(text, pos);
    return map;
}

void TSScaleFromText(std::string_view text, int& index, double& scale) {
    std::size_t pos = 0;
    index = IndexAndSeparator(text, pos);
    scale = LeadingDouble(text, pos);
}

float AspectFromText(const std::string& text) {
    double ratio = 0.0;
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos) {
        const int before = StrToIntDef(text.substr(0, colon), 0);
        const int after = StrToIntDef(text.substr(colon + 1), 0);
        ratio = after > 0 ? double(before) / after : 0.0;
    } else {
        ratio = StrToFloatDef(text, 0.0);
    }
    if (!std::isfinite(ratio)) return 0.0f;
    return float(ratio);
}

int MatrixFromText(std::string_view text, TQuantMatrix& matrix) {
    std::size_t pos = 0;
    for (int i = 0; i < 64; ++i) {
        std::size_t end = pos;
        matrix[i] = std::uint16_t(LeadingDecimal(text, end));
        if (i == 63) break;
        pos = text.find(',', pos);
        if (pos == std::string_view::npos) return i;
        ++pos;
    }
    return -1;
}

std::uint32_t FourCCFromText(std::string_view text) {
    std::uint32_t tag = 0;
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i)
        tag |= std::uint32_t(static_cast<unsigned char>(text[i])) << (8 * i);
    return tag;
}
