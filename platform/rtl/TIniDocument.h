#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parsed text of an ini file, kept line by line so that comments, blank lines, unknown lines
// and the order of everything survive a rewrite. Section and key names match without regard to
// ASCII case and with surrounding blanks ignored; the first section of a name is the one read
// and written.
class TIniDocument {
public:
    TIniDocument() = default;

    // Accepts CR LF, LF or CR line breaks and a leading UTF-8 byte-order mark.
    void SetText(std::string_view text);
    // Every line followed by "\n".
    std::string Text() const;
    void Clear();

    // The value after the first "=", blanks trimmed and one pair of enclosing double or single
    // quotes removed; nothing when the section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's line or adds one at the end of its section, adding the section at the
    // end of the document when it is missing. A value that reading would change (enclosing blanks
    // or quotes) is written in quotes.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    std::vector<std::string> Keys(std::string_view section) const;
    // Names of the sections in order, each once.
    std::vector<std::string> Sections() const;
    // Both return whether anything changed.
    bool EraseSection(std::string_view section);
    bool DeleteKey(std::string_view section, std::string_view key);

private:
    struct TLine {
        std::string Text;
        std::string Key; // empty for comments, blank and other lines
    };
    struct TSection {
        std::string Name;
        std::string Header;
        std::vector<TLine> Lines;
    };

    static TLine ParseLine(std::string text);
    const TSection* FindSection(std::string_view name) const;
    TSection* FindSection(std::string_view name);

    std::vector<std::string> FPreamble; // lines before the first section
    std::vector<TSection> FSections;
};
