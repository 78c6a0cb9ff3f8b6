#pragma once
#include <vector>

// The keys each record kind reads and writes, in the order written, with the text a record
// writes for a key its section lacked.
struct TKeySpec {
    const char* Key;
    // i integer or colour, r rect, p point, b boolean, s string, f font style, a alignment,
    // m morph kind, t stretch type, c command word
    char Kind;
    const char* Missing;
};

struct TKindKeys {
    const char* Word; // the kind word, or the section name of a fixed record
    std::vector<TKeySpec> Keys;
};

const std::vector<TKindKeys>& ObjectKindKeys();
const std::vector<TKindKeys>& ControlKindKeys();
const std::vector<TKindKeys>& FixedSectionKeys();
