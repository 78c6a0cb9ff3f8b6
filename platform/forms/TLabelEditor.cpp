#include "platform/forms/TLabelEditor.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <utility>

using namespace win;

TLabelEditor::TLabelEditor(TWinControl* view, std::function<void(const std::string& text)> onAccept,
                           std::function<void()> onCancel)
    : TEdit(view), OnAccept(std::move(onAccept)), OnCancel(std::move(onCancel)) {
    SetBorderStyle(bsNone);
    SetTabStop(false);
    FVisible = false;
    SetParent(view);
}

void TLabelEditor::Start(const TRect& label, const std::string& text) {
    TRect bounds = label;
    bounds.Right = std::max(bounds.Right, bounds.Left + kMinWidth);
    if (Parent()) SetFont(Parent()->Font());
    SetBoundsRect(bounds);
    SetText(text);
    SelectAll();
    FEditing = true;
    Show();
    BringToFront();
    if (CanFocus()) SetFocus();
}

void TLabelEditor::Finish(bool accept) {
    if (!FEditing) return;
    FEditing = false;
    const std::string text = Text();
    // Hiding moves the focus back to the view; its loss of focus must not finish twice.
    if (Focused() && Parent() && Parent()->CanFocus()) Parent()->SetFocus();
    Hide();
    if (accept) {
        if (OnAccept) OnAccept(text);
    } else if (OnCancel) {
        OnCancel();
    }
}

void TLabelEditor::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE) {
        TEdit::WndProc(message);
        message.Result |= DLGC_WANTALLKEYS;
        return;
    }
    TEdit::WndProc(message);
    if (message.Msg == WM_KILLFOCUS) Finish(true);
}

void TLabelEditor::KeyDown(unsigned short& key, TShiftState shift) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        const bool accept = key == VK_RETURN;
        key = 0;
        Finish(accept);
        return;
    }
    TEdit::KeyDown(key, shift);
}
