#pragma once
#include <string>
#include <string_view>

namespace gfx {

// Code points of a UTF-8 text. A byte that does not start a well-formed sequence (stray
// continuation, overlong form, surrogate, beyond U+10FFFF, cut short) becomes one U+FFFD, so
// bad captions draw a replacement mark instead of being read past their end.
std::u32string DecodeUtf8(std::string_view text);

std::string EncodeUtf8(std::u32string_view text);

} // namespace gfx
