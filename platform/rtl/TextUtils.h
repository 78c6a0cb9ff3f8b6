#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text helpers on UTF-8 strings. Positions count bytes from 1 and case folding touches ASCII
// letters only, so multi-byte characters pass through unchanged.

// Appends a code point in UTF-8; one that no text may hold (a surrogate, beyond U+10FFFF) is
// written as U+FFFD so the result is always well-formed.
void AppendUtf8(std::string& out, char32_t codePoint);

// How many bytes of text fit into size bytes without cutting a UTF-8 sequence in two.
std::size_t Utf8Fit(std::string_view text, std::size_t size);

// Remove characters up to and including the blank (controls and spaces) at either end.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);

// Byte-wise comparisons giving <0, 0 or >0; CompareText ignores ASCII case.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// 1-based index of the first occurrence of sub in s at or after offset, 0 when there is none.
int Pos(std::string_view sub, std::string_view s);
int PosEx(std::string_view sub, std::string_view s, int offset = 1);

// count bytes starting at the 1-based index; out-of-range parts are clipped.
std::string Copy(std::string_view s, int index, int count);
void Delete(std::string& s, int index, int count);
void Insert(std::string_view source, std::string& s, int index);

enum TReplaceFlags : unsigned { rfNone = 0, rfReplaceAll = 1, rfIgnoreCase = 2 };
constexpr TReplaceFlags operator|(TReplaceFlags a, TReplaceFlags b) {
    return static_cast<TReplaceFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Replaces the first (or, with rfReplaceAll, every) occurrence of oldPattern.
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags = rfNone);

std::string IntToStr(int64_t value);
// Upper-case hexadecimal with at least digits digits; negative values show their 64-bit form.
std::string IntToHex(int64_t value, int digits);

// Integer text: optional leading blanks, a sign, then decimal digits or a hexadecimal number
// after "$", "0x" or "0X". Anything else, or a value outside the type, is not an integer.
// StrToInt/StrToInt64 raise EConvertError "'%s' is not a valid integer value".
bool TryStrToInt(std::string_view s, int32_t& value);
bool TryStrToInt64(std::string_view s, int64_t& value);
int32_t StrToInt(std::string_view s);
int64_t StrToInt64(std::string_view s);
int32_t StrToIntDef(std::string_view s, int32_t defaultValue);
int64_t StrToInt64Def(std::string_view s, int64_t defaultValue);

// Floating-point text always uses "." whatever the process locale. FloatToStr gives up to 15
// significant digits and an exponent like "1E20" or "1E-5" for very large and small values.
// StrToFloat raises EConvertError "'%s' is not a valid floating point value".
std::string FloatToStr(double value);
bool TryStrToFloat(std::string_view s, double& value);
double StrToFloat(std::string_view s);
double StrToFloatDef(std::string_view s, double defaultValue);
