#pragma once
#include <functional>
#include <string>
#include <vector>

// One name=value line of an option text.
struct TOptionLine {
    std::string Name;
    std::string Value;
    bool operator==(const TOptionLine&) const = default;
};

// Takes an option text apart: trimmed, every kind of line break and the marker "<CRLF>" end a
// line, each line is split at its first "=" (a line without one is a name with an empty value).
// Empty lines stay, as lines with an empty name and value.
std::vector<TOptionLine> SplitOptionText(const std::string& text);

// Applies an option text the way a task does: names in lower case, values unchanged, in the
// order of the text. The stream-creation, preset and filter names are the output side's
// business and are skipped; codec names apply only with applyCodecs. An exception of apply
// passes through, leaving the lines before it applied.
void ApplyOptionText(
    const std::string& text, bool applyCodecs,
    const std::function<void(const std::string& name, const std::string& value)>& apply);
