#pragma once
#include "platform/gfx/TRect.h"

#include <string>

class TStream;

// Takes the next token from the front of text: characters up to the first delimiter (space,
// "(", ")", ",", ":", ";" or "="), which is removed too; token and the rest are then trimmed.
// Texts of any length are taken.
void NextRectToken(std::string& text, std::string& token);
// Four tokens as Left, Top, Right, Bottom; anything that is not an integer gives (0, 0, 0, 0).
TRect StrToRectValue(const std::string& text);

// A text as its byte count (signed 32-bit little-endian) and its UTF-8 bytes.
void WriteStreamString(TStream& stream, const std::string& text);
// Reads what WriteStreamString wrote. A negative count or one beyond the stream's end raises
// EReadError and leaves text unchanged.
void ReadStreamString(TStream& stream, std::string& text);
