#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

// Where each line of a text starts, in characters and in bytes of the text's UTF-8 form, kept
// up to date through every replacement, so that finding a line never reads the text: a memo
// holding a long log adds a line at its end in a time that does not grow with the log.
// There is always one line more than the text has line breaks.
class TTextLineIndex {
public:
    struct TLine {
        int Start{ 0 };
        std::size_t Byte{ 0 };
        // The line's width as its owner measured it, -1 until then; a replacement touching
        // the line sets it back to -1.
        mutable int Width{ -1 };
    };

    TTextLineIndex() : FLines(1) {}

    // Indexes a whole text anew; encoded is its UTF-8 form.
    void Assign(std::u32string_view chars, std::string_view encoded);
    // The removed characters from start on (removedBytes bytes from startByte on) were
    // replaced by inserted, whose UTF-8 form is encoded.
    void Replace(int start, int removed, std::size_t startByte, std::size_t removedBytes,
                 std::u32string_view inserted, std::string_view encoded);

    // Every line's width back to unknown, as after a change of font.
    void ForgetWidths();

    int Count() const { return int(FLines.size()); }
    // index must be within 0..Count()-1.
    const TLine& Line(int index) const { return FLines[std::size_t(index)]; }
    // The line holding the character position (a line break belongs to the line it ends).
    int LineOf(int position) const;

private:
    std::vector<TLine> FLines;
};
