#pragma once
#include <string_view>

// Where the word keys and the double click of the edit and the memo stop. A word is a run of
// letters and digits; every character beyond ASCII counts as a letter, so text without spaces
// (Chinese, Japanese) moves by runs. A run of other marks stops the caret as a word does,
// blanks are passed over, and a line break stops it at the end of one line and again at the
// start of the next. Positions count characters, so no character is ever cut.

struct TWordSpan {
    int Start{ 0 };
    int End{ 0 };
};

// Where Ctrl+Right goes: past the run at position and the blanks after it.
int NextWordStop(std::u32string_view text, int position);
// Where Ctrl+Left goes: back over blanks to the start of the run before them.
int PreviousWordStop(std::u32string_view text, int position);
// The run a double click at position picks: the word (or the marks or blanks) under it,
// preferring a word that ends at position; empty at a line break.
TWordSpan WordAt(std::u32string_view text, int position);
