#include "platform/forms/TEditText.h"
#include <algorithm>
#include <climits>

void TEditText::Assign(std::u32string chars) {
    FChars = std::move(chars);
    FAnchor = FCaret = 0;
}

void TEditText::Select(int anchor, int caret) {
    FAnchor = std::clamp(anchor, 0, Length());
    FCaret = std::clamp(caret, 0, Length());
}

void TEditText::Replace(std::u32string_view inserted) {
    const int start = SelStart();
    FChars.replace(start, SelLength(), inserted);
    FAnchor = FCaret = start + int(inserted.size());
}

int TEditText::Room(int maxLength) const {
    if (maxLength <= 0) return INT_MAX;
    return std::max(0, maxLength - Length() + SelLength());
}
