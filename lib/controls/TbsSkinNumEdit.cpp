#include "lib/controls/TbsSkinNumEdit.h"

#include "platform/forms/ControlMessages.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <clocale>
#include <cstdint>

using namespace win;

namespace {

// The decimal separator of the program's locale (its numeric category).
char32_t DecimalSeparator() {
    const char* point = std::localeconv()->decimal_point;
    const std::u32string chars = gfx::DecodeUtf8(point ? point : ".");
    return chars.empty() ? U'.' : chars[0];
}

// Whether ch stays in the text once a typed key has replaced the selection.
bool KeptAfterTyping(const TbsSkinNumEdit& edit, char32_t ch) {
    std::u32string text = gfx::DecodeUtf8(edit.Text());
    const auto start = std::min(std::size_t(std::max(edit.SelStart(), 0)), text.size());
    text.erase(start, std::size_t(std::max(edit.SelLength(), 0)));
    return text.find(ch) != std::u32string::npos;
}

} // namespace

TbsSkinNumEdit::TbsSkinNumEdit(TComponent* owner) : TbsCustomEdit(owner) {}

TbsSkinNumEdit::~TbsSkinNumEdit() = default;

bool TbsSkinNumEdit::IsValidChar(char32_t key) const {
    const char32_t separator = DecimalSeparator();
    // The separator is looked up among the byte-sized characters only.
    const bool isSeparator = Float && key == separator && key <= 0xFF;
    bool valid =
        key == U'-' || (key >= U'0' && key <= U'9') || isSeparator || (key < U' ' && key != U'\r');
    if (valid && !FEditorEnabled && (key >= U' ' || key == U'\b' || key == U'.')) valid = false;
    if (!valid) return false;
    // One separator and one minus sign: typed over a selection, the one selected goes.
    if (isSeparator) return !KeptAfterTyping(*this, separator);
    // The minus sign only in front: typed at the start or over a selection from the start.
    if (key == U'-') return !KeptAfterTyping(*this, U'-') && SelStart() == 0;
    return true;
}

void TbsSkinNumEdit::KeyDown(unsigned short& key, TShiftState shift) {
    if (key == VK_UP) {
        if (OnUpClick) OnUpClick(this);
        return;
    }
    if (key == VK_DOWN) {
        if (OnDownClick) OnDownClick(this);
        return;
    }
    TbsCustomEdit::KeyDown(key, shift);
}

void TbsSkinNumEdit::KeyPress(char32_t& key) {
    if (!IsValidChar(key)) {
        key = 0;
        MessageBeep(0);
    }
    if (key != 0) TbsCustomEdit::KeyPress(key);
}

void TbsSkinNumEdit::WndProc(TMessage& message) {
    if (message.Msg == WM_MOUSEWHEEL) {
        // Turned away from the user (a positive delta in the high word) steps down, towards the
        // user up: the opposite of the arrow keys.
        if (std::int32_t(std::uint32_t(message.WParam)) > 0) {
            if (OnDownClick) OnDownClick(this);
        } else if (OnUpClick) {
            OnUpClick(this);
        }
        return;
    }
    TbsCustomEdit::WndProc(message);
}
