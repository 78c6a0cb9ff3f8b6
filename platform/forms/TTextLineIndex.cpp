#include "platform/forms/TTextLineIndex.h"

#include <algorithm>
#include <iterator>

namespace {

// The start of every line after the first: a line break in the characters and in their UTF-8
// form, taken pairwise (the break is one byte that no other character's bytes contain).
std::vector<TTextLineIndex::TLine> LinesAfterBreaks(std::u32string_view chars,
                                                    std::string_view encoded, int start,
                                                    std::size_t startByte) {
    std::vector<TTextLineIndex::TLine> lines;
    std::size_t byte = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] != U'\n') continue;
        byte = encoded.find('\n', byte);
        lines.push_back({ start + int(i) + 1, startByte + byte + 1 });
        ++byte;
    }
    return lines;
}

} // namespace

void TTextLineIndex::Assign(std::u32string_view chars, std::string_view encoded) {
    FLines.assign(1, TLine{});
    const auto lines = LinesAfterBreaks(chars, encoded, 0, 0);
    FLines.insert(FLines.end(), lines.begin(), lines.end());
}

void TTextLineIndex::Replace(int start, int removed, std::size_t startByte,
                             std::size_t removedBytes, std::u32string_view inserted,
                             std::string_view encoded) {
    const int first = LineOf(start);
    // The lines whose breaks were removed go; the one holding the start stays.
    const int last = LineOf(start + removed);
    const auto added = LinesAfterBreaks(inserted, encoded, start, startByte);
    FLines[std::size_t(first)].Width = -1;
    const auto from = FLines.begin() + first + 1;
    FLines.erase(from, FLines.begin() + last + 1);
    FLines.insert(FLines.begin() + first + 1, added.begin(), added.end());
    const int shift = int(inserted.size()) - removed;
    const auto byteShift = std::ptrdiff_t(encoded.size()) - std::ptrdiff_t(removedBytes);
    for (auto it = FLines.begin() + first + 1 + std::ptrdiff_t(added.size()); it != FLines.end();
         ++it) {
        it->Start += shift;
        it->Byte = std::size_t(std::ptrdiff_t(it->Byte) + byteShift);
    }
}

void TTextLineIndex::ForgetWidths() {
    for (TLine& line : FLines)
        line.Width = -1;
}

int TTextLineIndex::LineOf(int position) const {
    const auto it = std::upper_bound(FLines.begin(), FLines.end(), position,
                                     [](int p, const TLine& line) { return p < line.Start; });
    return std::max(0, int(std::distance(FLines.begin(), it)) - 1);
}
