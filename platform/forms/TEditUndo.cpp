#include "platform/forms/TEditUndo.h"
#include <utility>

void TEditUndo::BeforeChange(const TEditText& text, bool typed) {
    const bool continuesRun = typed && FKept && text.SelLength() == 0 && text.Caret() == FRunEnd;
    if (!continuesRun) FKept = TState{ text.Chars(), text.Anchor(), text.Caret() };
}

void TEditUndo::AfterChange(const TEditText& text, bool typed) {
    FRunEnd = typed ? text.Caret() : -1;
}

void TEditUndo::Clear() {
    FKept.reset();
    FRunEnd = -1;
}

bool TEditUndo::Undo(TEditText& text) {
    if (!FKept) return false;
    TState current{ text.Chars(), text.Anchor(), text.Caret() };
    text.Assign(std::move(FKept->Chars));
    text.Select(FKept->Anchor, FKept->Caret);
    FKept = std::move(current);
    FRunEnd = -1;
    return true;
}
