#include "platform/forms/TCustomEdit.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/EditWords.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <utility>

using namespace win;

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    SetCursor(crIBeam);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::SetSelLength(int value) {
    const int start = SelStart();
    FBuffer.Select(start, start + std::max(value, 0));
    FUndo.BreakRun();
    ScrollToCaret();
    Invalidate();
}

std::string TCustomEdit::SelText() const {
    return gfx::EncodeUtf8(FBuffer.Selection());
}

void TCustomEdit::CopyToClipboard() {
    if (SelLength() > 0 && !Masked()) SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (RefusesEditing() || Masked() || SelLength() == 0) return;
    CopyToClipboard();
    UserReplace({});
}

void TCustomEdit::PasteFromClipboard() {
    UserReplace(Pasted(gfx::DecodeUtf8(GetClipboardText())));
}

void TCustomEdit::Undo() {
    if (RefusesEditing() || !FUndo.Undo(FBuffer)) return;
    TextSwapped();
    FModified = true;
}

void TCustomEdit::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    Invalidate();
}

void TCustomEdit::UserReplace(std::u32string_view inserted, bool typed) {
    if (RefusesEditing()) return;
    std::u32string text = Converted(std::u32string(inserted));
    const int room = FBuffer.Room(FMaxLength);
    if (int(text.size()) > room) text.resize(room);
    // Nothing would change but the selection vanishing: a full control refuses the key.
    if (text.empty() && !inserted.empty()) return;
    // Deleting nothing is no change to take back.
    if (text.empty() && SelLength() == 0) return;
    FUndo.BeforeChange(FBuffer, typed);
    ReplaceSelection(text);
    FUndo.AfterChange(FBuffer, typed);
    FModified = true;
}

void TCustomEdit::PublishText(const std::function<void()>& publish) {
    FOwnChange = true;
    try {
        publish();
    } catch (...) {
        FOwnChange = false;
        throw;
    }
    FOwnChange = false;
}

void TCustomEdit::MoveCaret(int position, bool extend) {
    FBuffer.MoveCaret(position, extend);
    FUndo.BreakRun();
    CaretMoved();
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::SelectByCode(int anchor, int caret) {
    FBuffer.Select(anchor, caret);
    FUndo.BreakRun();
    SelectedByCode();
    Invalidate();
}

int TCustomEdit::WordStop(bool forward) const {
    if (Masked()) return forward ? FBuffer.Length() : 0;
    return forward ? NextWordStop(FBuffer.Chars(), FBuffer.Caret())
                   : PreviousWordStop(FBuffer.Chars(), FBuffer.Caret());
}

void TCustomEdit::DeleteWord(bool forward) {
    if (RefusesEditing()) return;
    if (SelLength() == 0) FBuffer.Select(FBuffer.Caret(), WordStop(forward));
    UserReplace({});
}

void TCustomEdit::ShowOwnCaret() {
    const TRect r = CaretRect();
    CreateCaret(FHandle, nullptr, r.Width(), r.Height());
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
    FCaretShown = true;
}

void TCustomEdit::HideOwnCaret() {
    if (std::exchange(FCaretShown, false)) DestroyCaret();
}

void TCustomEdit::RestartCaretBlink() {
    if (!FCaretShown) return;
    const TRect r = CaretRect();
    HideCaret(FHandle);
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::WndProc(message);
        // The handlers of the focus's arrival may have sent it on already.
        if (HandleAllocated() && GetFocus() == FHandle) ShowOwnCaret();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        HideOwnCaret();
        Invalidate();
        break;
    case CM_FONTCHANGED:
        TCustomControl::WndProc(message);
        // The caret is as high as a line of the new font.
        if (FCaretShown) ShowOwnCaret();
        Invalidate();
        return;
    case WM_DESTROY:
        // The caret goes with the window.
        FCaretShown = false;
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FSelecting = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TCustomEdit::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
    case WM_CHAR:
        TypeChar(char32_t(message.WParam));
        RestartCaretBlink();
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        UserReplace({});
        return;
    case WM_UNDO:
    case EM_UNDO:
        message.Result = CanUndo() && !RefusesEditing();
        Undo();
        return;
    default:
        break;
    }
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_GETMARGINS) {
        message.Result = EditMessage(message);
        return;
    }
    TCustomControl::DefaultHandler(message);
}

LRESULT TCustomEdit::EditMessage(TMessage& message) {
    const int w = int(message.WParam);
    switch (message.Msg) {
    case EM_GETSEL:
        return MAKELPARAM(UINT(SelStart()), UINT(SelStart() + SelLength()));
    case EM_SETSEL:
        // -1 as the start removes the selection, leaving the caret where it is.
        if (w == -1)
            SelectByCode(FBuffer.Caret(), FBuffer.Caret());
        else
            SelectByCode(w, int(message.LParam) == -1 ? FBuffer.Length() : int(message.LParam));
        return 0;
    case EM_SCROLLCARET:
        ScrollToCaret();
        Invalidate();
        return 0;
    case EM_GETMODIFY:
        return FModified;
    case EM_SETMODIFY:
        FModified = w != 0;
        return 0;
    case EM_LIMITTEXT:
        SetMaxLength(w);
        return 0;
    case EM_SETREADONLY:
        SetReadOnly(w != 0);
        return TRUE;
    case EM_CANUNDO:
        return CanUndo();
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return 0;
    default:
        return 0;
    }
}

void TCustomEdit::TypeChar(char32_t ch) {
    if (ch == U'\b') {
        // Ctrl+Backspace deleted a word on its key; its character is no second deletion.
        if (RefusesEditing() || GetKeyState(VK_CONTROL) < 0) return;
        if (SelLength() == 0 && FBuffer.Caret() > 0)
            FBuffer.Select(FBuffer.Caret() - 1, FBuffer.Caret());
        UserReplace({});
        return;
    }
    // Control characters (Ctrl+letter, Enter, Escape, Tab) are not text.
    if (ch < 0x20 || ch == 0x7F) return;
    UserReplace(std::u32string(1, ch), true);
}

void TCustomEdit::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    const int caret = FBuffer.Caret();
    if (CaretKey(key, extend, ctrl)) {
        RestartCaretBlink();
        return;
    }
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            MoveCaret(WordStop(false), extend);
        else
            MoveCaret(!extend && SelLength() > 0 ? SelStart() : caret - 1, extend);
        break;
    case VK_RIGHT:
        if (ctrl)
            MoveCaret(WordStop(true), extend);
        else
            MoveCaret(!extend && SelLength() > 0 ? SelStart() + SelLength() : caret + 1, extend);
        break;
    case VK_DELETE:
        if (extend) {
            CutToClipboard();
        } else if (ctrl) {
            DeleteWord(true);
        } else if (!RefusesEditing()) {
            if (SelLength() == 0) FBuffer.Select(caret, caret + 1);
            UserReplace({});
        }
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (extend)
            PasteFromClipboard();
        break;
    case VK_BACK:
        if (shift.Contains(ssAlt))
            Undo();
        else if (ctrl)
            DeleteWord(false);
        break;
    case 'A':
        if (ctrl) SelectAll();
        break;
    case 'Z':
        if (ctrl) Undo();
        break;
    case 'C':
        if (ctrl) CopyToClipboard();
        break;
    case 'X':
        if (ctrl) CutToClipboard();
        break;
    case 'V':
        if (ctrl) PasteFromClipboard();
        break;
    default:
        break;
    }
    RestartCaretBlink();
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (shift.Contains(ssDouble)) {
            // A double click selects the word under the pointer, the whole text when masked;
            // moving on does not drag the selection away from it.
            const TWordSpan word = Masked() ? TWordSpan{ 0, FBuffer.Length() }
                                            : WordAt(FBuffer.Chars(), PositionAt(x, y));
            FBuffer.Select(word.Start, word.End);
            MoveCaret(word.End, true);
            FSelecting = false;
        } else {
            MoveCaret(PositionAt(x, y), shift.Contains(ssShift));
            FSelecting = true;
        }
        RestartCaretBlink();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
    if (FSelecting && shift.Contains(ssLeft)) MoveCaret(PositionAt(x, y), true);
    TCustomControl::MouseMove(shift, x, y);
}
