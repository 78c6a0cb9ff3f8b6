#pragma once
#include <string>
#include <vector>

// One entry of a file dialog's filter: the text shown and the name masks it stands for.
struct TFileFilterEntry {
    std::string Description;
    std::vector<std::string> Masks;
};

// Splits "Video|*.avi;*.mpg|All|*.*" into its entries. A description without masks after it
// is dropped; an empty filter gives no entries.
std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter);
// Splits "*.avi; *.mpg" at ';', trimming blanks and dropping empty parts.
std::vector<std::string> SplitMasks(const std::string& masks);
// True when the name matches one of the masks (letters without case); no masks match all.
bool MatchesAnyMask(const std::string& name, const std::vector<std::string>& masks);
// The extension, without its dot, that the first mask names exactly ("*.bmp" gives "bmp");
// "" when that mask has wildcards in its extension or none.
std::string MaskExtension(const std::vector<std::string>& masks);
