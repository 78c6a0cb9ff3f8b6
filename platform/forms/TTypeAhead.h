#pragma once
#include <string>
#include <string_view>

// Collects what the user types into a prefix to find items by; a pause starts a new prefix.
class TTypeAhead {
public:
    // Adds a character typed at timeMs (the message time); true when it began a new prefix.
    bool Add(char32_t ch, unsigned timeMs);
    const std::string& Prefix() const { return FPrefix; }
    // Whether text begins with the prefix, ignoring ASCII case.
    bool Matches(std::string_view text) const;
    // Finds the first of count items from start on (wrapping) whose text matches.
    template <typename TextOf>
    int Find(int count, int start, TextOf textOf) const {
        for (int i = 0; i < count; ++i) {
            const int index = ((start + i) % count + count) % count;
            if (Matches(textOf(index))) return index;
        }
        return -1;
    }

private:
    std::string FPrefix;
    unsigned FLastMs{ 0 };
};
