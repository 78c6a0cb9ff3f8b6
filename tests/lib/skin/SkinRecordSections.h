#pragma once
#include "SkinRecordKeys.h"

#include <string>
#include <vector>

// A section body giving every key of the kind a value that differs from its missing default
// and from every other key's, as key=value lines in the kind's order.
std::vector<std::string> DistinctLines(const TKindKeys& kind);

// The key=value lines a record writes for a section that held none of its keys.
std::vector<std::string> MissingLines(const TKindKeys& kind);

// "[section]" followed by the lines, as ini text.
std::string SectionText(const std::string& section, const std::vector<std::string>& lines);
