#include "platform/forms/EditWords.h"
#include <algorithm>

namespace {

enum TCharKind { ckWord, ckMark, ckBlank, ckBreak };

TCharKind KindOf(char32_t ch) {
    if (ch == U'\n' || ch == U'\r') return ckBreak;
    if (ch >= 0x80) return ckWord;
    if ((ch >= U'0' && ch <= U'9') || (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z'))
        return ckWord;
    if (ch <= U' ' || ch == 0x7F) return ckBlank;
    return ckMark;
}

} // namespace

int NextWordStop(std::u32string_view text, int position) {
    const int n = int(text.size());
    int p = std::clamp(position, 0, n);
    if (p == n) return n;
    const TCharKind kind = KindOf(text[p]);
    // A line break is a stop of its own: the caret goes on to the start of the next line.
    if (kind == ckBreak) return p + 1;
    while (p < n && KindOf(text[p]) == kind)
        ++p;
    while (p < n && KindOf(text[p]) == ckBlank)
        ++p;
    return p;
}

int PreviousWordStop(std::u32string_view text, int position) {
    const int n = int(text.size());
    const int from = std::clamp(position, 0, n);
    int p = from;
    while (p > 0 && KindOf(text[p - 1]) == ckBlank)
        --p;
    if (p == 0) return 0;
    if (KindOf(text[p - 1]) == ckBreak) {
        // From a line's start the caret goes to the end of the line before; from the first
        // word after an indent, to the line's start first.
        return p == from ? p - 1 : p;
    }
    const TCharKind kind = KindOf(text[p - 1]);
    while (p > 0 && KindOf(text[p - 1]) == kind)
        --p;
    return p;
}

TWordSpan WordAt(std::u32string_view text, int position) {
    const int n = int(text.size());
    const int p = std::clamp(position, 0, n);
    const bool wordBefore = p > 0 && KindOf(text[p - 1]) == ckWord;
    // The pointer's nearest boundary may lie just after the word it is on.
    int at = p;
    if (p == n || KindOf(text[p]) == ckBreak || (wordBefore && KindOf(text[p]) != ckWord))
        at = p - 1;
    if (at < 0 || KindOf(text[at]) == ckBreak) return TWordSpan{ p, p };
    const TCharKind kind = KindOf(text[at]);
    int start = at;
    int end = at + 1;
    while (start > 0 && KindOf(text[start - 1]) == kind)
        --start;
    while (end < n && KindOf(text[end]) == kind)
        ++end;
    return TWordSpan{ start, end };
}
