#pragma once
#include <string>
#include <string_view>

// The text of an edit with its caret and selection, counted in characters: the selection runs
// from the anchor to the caret. Shared by the one-line edit and the memo.
class TEditText {
public:
    const std::u32string& Chars() const { return FChars; }
    int Length() const { return int(FChars.size()); }
    int Caret() const { return FCaret; }
    int Anchor() const { return FAnchor; }
    int SelStart() const { return FAnchor < FCaret ? FAnchor : FCaret; }
    int SelLength() const { return FAnchor < FCaret ? FCaret - FAnchor : FAnchor - FCaret; }
    std::u32string_view Selection() const {
        return std::u32string_view(FChars).substr(SelStart(), SelLength());
    }

    // Replaces everything, caret at the start.
    void Assign(std::u32string chars);
    // Both ends are brought into the text.
    void Select(int anchor, int caret);
    void MoveCaret(int position, bool extend) { Select(extend ? FAnchor : position, position); }
    void SelectAll() { Select(0, Length()); }
    // Replaces the selection, leaving the caret after the inserted text.
    void Replace(std::u32string_view inserted);
    // How many characters may replace the selection within maxLength (0: no limit).
    int Room(int maxLength) const;

private:
    std::u32string FChars;
    int FAnchor{ 0 };
    int FCaret{ 0 };
};
