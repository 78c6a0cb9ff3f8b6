#pragma once
#include <cstdint>
#include <string>

// Head gets the text before the first delimiter (all of s when there is none); with remove, s
// keeps only what follows the delimiter (nothing when there is none).
void SplitAt(std::string& s, const std::string& delimiter, bool remove, std::string& head);

// A byte count as "%.2f GB", "%.2f MB", "%.2f KB" above each unit, else "%d Byte".
std::string SizeToText(std::int64_t bytes);
