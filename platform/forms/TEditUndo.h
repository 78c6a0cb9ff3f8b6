#pragma once
#include "platform/forms/TEditText.h"
#include <optional>
#include <string>

// The one level of undo an edit control keeps: the text and selection before the last change.
// Characters typed one after another at the caret count as one change. Undoing swaps the text
// with the kept state, so a second undo brings the change back.
class TEditUndo {
public:
    bool CanUndo() const { return FKept.has_value(); }
    // Called before a change the user may undo; typed marks one character typed at the caret.
    void BeforeChange(const TEditText& text, bool typed);
    // Called after that change.
    void AfterChange(const TEditText& text, bool typed);
    // A caret move ends a run of typing.
    void BreakRun() { FRunEnd = -1; }
    void Clear();
    // Swaps text with the kept state; false when nothing is kept.
    bool Undo(TEditText& text);

private:
    struct TState {
        std::u32string Chars;
        int Anchor{ 0 };
        int Caret{ 0 };
    };

    std::optional<TState> FKept;
    int FRunEnd{ -1 };
};
