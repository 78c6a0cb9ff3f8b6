#include "platform/forms/TMemoStrings.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TMemo.h"

using namespace win;

namespace {

void ReplaceRange(TMemo& memo, int start, int end, const std::string& text) {
    memo.Perform(EM_SETSEL, WPARAM(start), LPARAM(end));
    memo.Perform(EM_REPLACESEL, 0, LPARAM(text.c_str()));
}

} // namespace

int TMemoStrings::GetCount() const {
    return FMemo.LineCount();
}

std::string TMemoStrings::Get(int index) const {
    if (index < 0 || index >= GetCount()) IndexError(index);
    return FMemo.LineText(index);
}

void TMemoStrings::Insert(int index, const std::string& s) {
    if (index < 0 || index > GetCount()) IndexError(index);
    if (index < FMemo.PhysicalLines()) {
        const int start = FMemo.LineStart(index);
        ReplaceRange(FMemo, start, start, s + "\n");
    } else {
        // After a last line without a break: the break goes before the new line.
        const int end = FMemo.LineStart(index - 1) + FMemo.LineLength(index - 1);
        ReplaceRange(FMemo, end, end, "\n" + s);
    }
}

void TMemoStrings::Delete(int index) {
    if (index < 0 || index >= GetCount()) IndexError(index);
    int start = FMemo.LineStart(index);
    int end = start + FMemo.LineLength(index);
    if (index + 1 < FMemo.PhysicalLines())
        ++end; // the line's own break
    else if (index > 0)
        --start; // the last line takes the break before it
    ReplaceRange(FMemo, start, end, "");
}

void TMemoStrings::Clear() {
    FMemo.SetText("");
}

void TMemoStrings::Put(int index, const std::string& s) {
    if (index < 0 || index >= GetCount()) IndexError(index);
    const int start = FMemo.LineStart(index);
    ReplaceRange(FMemo, start, start + FMemo.LineLength(index), s);
}

void TMemoStrings::SetUpdateState(bool updating) {
    FMemo.Perform(WM_SETREDRAW, updating ? 0 : 1, 0);
    if (!updating) FMemo.Invalidate();
}
