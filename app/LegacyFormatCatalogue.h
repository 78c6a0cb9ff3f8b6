#pragma once
#include <span>
#include <string_view>

// The settings window's own list of output formats: 12 families, each format with its name
// (ending in its file extension), a one-sentence description and an image index. It stands on its
// own: the main window's catalogue has other families and names alone.

struct TLegacyFormat {
    int Code; // (family position + 1) * 100 + position in the family
    std::string_view Title;
    std::string_view Description;
    int ImageIndex;
};

inline constexpr int LegacyFamilyCount = 12;

// The formats of a family position, in picker order; empty outside 0..11.
std::span<const TLegacyFormat> LegacyFamilyFormats(int familyPosition);
// Every format of every family, ascending by code.
std::span<const TLegacyFormat> LegacyFormatCatalogue();
// The format of a code, or nullptr.
const TLegacyFormat* FindLegacyFormat(int code);
