#pragma once
#include <string>
#include <vector>

// A built-in preset: option lines, each ended by a line feed.
struct TOptionsPreset {
    std::string Name;
    std::string Value;
};

// The built-in x264 presets in their fixed order, their lines written with the option names that
// the installed libx264 encoder understands, the values kept.
const std::vector<TOptionsPreset>& BuiltInPresets();

// The text of the first built-in preset whose name equals name ignoring letter case; empty when
// there is none.
std::string FindBuiltInPreset(const std::string& name);

// One line of the 2010 encoder's x264 options as the lines that say the same to the installed
// encoder: the media flags become the encoder's own switches, partitions its list, the renamed
// options their new names.
std::vector<std::string> TranslateX264Option(const std::string& name, const std::string& value);
