#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The fixed catalogue of output formats: 28 families, 288 formats. A format's caption is its
// name followed by "(*.", its extension and ")". Captions repeat across formats, so a format is
// always identified by its FormatCode, never by its caption.

inline constexpr int FormatFamilyCount = 28;

// The captions of a family in catalogue order (the n-th caption has format index n); empty for a
// FamilyCode outside 0..27.
std::span<const std::string_view> FamilyFormatCaptions(int familyCode);

// The caption the family picker shows at a position 0..12; raises EListError for another one.
std::string_view FamilyPickerCaption(int familyPosition);

bool IsCatalogueFormat(int formatCode);
// Raises EListError for a code that is not in the catalogue.
std::string_view FormatCaption(int formatCode);
// Every FormatCode of the catalogue, ascending.
std::vector<int> CatalogueFormatCodes();

// The output extension a caption names, with its dot: the four characters in front of the
// closing ")", with the five-character extensions and "rm"/"ra" fixed up.
std::string CaptionExtension(std::string_view caption);
