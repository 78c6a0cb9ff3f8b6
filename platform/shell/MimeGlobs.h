#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A file's type from its name, by the shared MIME database's glob rules (the "globs2" files:
// "weight:type:pattern[:cs]" lines).
//
// A rule matches without regard to case unless it is marked "cs". A pattern naming a whole
// file ("makefile") beats every other kind; among the rest the highest weight wins, then the
// longest pattern ("*.tar.gz" before "*.gz"), then a case-sensitive rule, then the rule read
// first.
class TMimeGlobs {
public:
    // The rules of every <folder>/mime/globs2, most important folder first. A type that a
    // folder marks "__NOGLOBS__" keeps none of the rules of the folders after it.
    static TMimeGlobs Load(const std::vector<std::string>& dataFolders);

    // Adds the rules of one globs2 text, less important than those added before; returns the
    // types it marks "__NOGLOBS__".
    std::vector<std::string> AddRules(std::string_view text,
                                      const std::vector<std::string>& blockedTypes = {});

    // The type of a file of this name; empty when no rule matches.
    std::string TypeOfName(std::string_view name) const;

    std::size_t RuleCount() const { return FRules.size(); }

private:
    struct TRule {
        std::string Type;
        std::string Pattern;
        int Weight{ 50 };
        bool CaseSensitive{ false };
    };
    struct TTextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using TIndex = std::unordered_map<std::string, std::vector<int>, TTextHash, std::equal_to<>>;

    void Index(int rule);
    // Whether candidate should win over best (an index into FRules, or -1 for none yet).
    bool Beats(int candidate, int best) const;
    void Consider(const TIndex& index, std::string_view key, int& best) const;

    std::vector<TRule> FRules;
    TIndex FLiterals; // key: the name, lower-case unless case-sensitive
    TIndex FLiteralsCase;
    TIndex FSuffixes; // "*<text>" patterns by their text
    TIndex FSuffixesCase;
    std::vector<int> FOthers; // any other pattern, matched one by one
    std::size_t FLongestSuffix{ 0 };
};
