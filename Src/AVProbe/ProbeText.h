#pragma once
#include <string>

struct AVDictionary;

// Pieces of the probe's file information text.

// A rate as ", 29.97 fps", ", 25 fps" or ", 90k tbn": two decimals only when the value has them,
// thousands as "k" when the value is a whole number of them.
std::string RateText(double value, const std::string& unit);
// The readable name of an ID3v2 frame key ("TIT2" -> "title"); any other key unchanged.
std::string ID3v2KeyName(const std::string& key);
// The "Metadata:" heading and one line per tag, each line ended by CR LF; nothing for a missing
// or empty dictionary or one holding only "language". The language tag is never listed, since
// the stream line shows it already.
std::string MetadataBlock(const AVDictionary* metadata, const std::string& indent);
