#pragma once
#include "Src/FFmpeg/TranscoderOptions.h"

#include <cstdint>
#include <string>
#include <string_view>

// Readers of option values. All of them read numbers the same way whatever the process locale.

// A flag option: off for "0", on for anything else, the empty text included.
bool OptionFlag(std::string_view value);

// The integer at the start of text the way C's strtol reads it with base 0 (leading blanks, a
// sign, "0x" for hexadecimal, a leading 0 for octal), clamped to the 32-bit range; pos becomes
// the index after the number, or stays when no number is there (the value is then 0).
int LeadingInteger(std::string_view text, std::size_t& pos);
// The same in base 10 only, as C's atoi reads it.
int LeadingDecimal(std::string_view text, std::size_t& pos);
// The floating-point number at the start of text, as C's strtod reads it in the "C" locale.
double LeadingDouble(std::string_view text, std::size_t& pos);

// "file.stream[:sync_file.sync_stream]" with any one separator character; without a sync part the
// sync source is the stream itself.
TAVStreamMap StreamMapFromText(std::string_view text);
// "out_file:in_file" with any one separator character.
TAVMetaDataMap MetaDataMapFromText(std::string_view text);
// "index:scale" with any one separator character.
void TSScaleFromText(std::string_view text, int& index, double& scale);

// A display aspect as "w:h" or a number; 0 when the text gives no usable ratio.
float AspectFromText(const std::string& text);

// 64 comma-separated coefficients. Returns -1 when all were read, else the index of the last
// coefficient read before the text ended.
int MatrixFromText(std::string_view text, TQuantMatrix& matrix);

// Four bytes, the first in the lowest byte.
std::uint32_t FourCCFromText(std::string_view text);
