#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TEditText.h"
#include "platform/forms/TEditUndo.h"
#include <functional>
#include <string>
#include <string_view>

// What the one-line edit and the memo share: the text with its caret and selection counted in
// characters, one level of undo, the clipboard, a length limit and a read-only mode, the keys and
// the mouse that move the caret and edit, the window system's blinking caret while focused, and the
// EM_ messages both answer. Laying the text out, scrolling and drawing it are each one's own.
class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    int SelStart() const { return FBuffer.SelStart(); }
    // Places the caret at value (brought into the text) with nothing selected.
    void SetSelStart(int value) { MoveCaret(value, false); }
    int SelLength() const { return FBuffer.SelLength(); }
    // Selects value characters from SelStart (brought into the text).
    void SetSelLength(int value);
    std::string SelText() const;
    void SelectAll() { SelectByCode(0, FBuffer.Length()); }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FUndo.CanUndo(); }
    // Takes back the last change by the user; a second Undo brings it back.
    void Undo();
    void ClearUndo() { FUndo.Clear(); }

    // The most characters the user may enter; 0 means no limit. Text set by code is kept whole.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual void Change();

    // Puts the selection's replacement into the text and shows it; no undo is kept here.
    virtual void ReplaceSelection(std::u32string_view inserted) = 0;
    // Shows the whole text again after an undo swapped it.
    virtual void TextSwapped() = 0;
    // Text entering the control, converted as the control wants it (a letter case).
    virtual std::u32string Converted(std::u32string chars) const { return chars; }
    // A pasted text in the control's own terms.
    virtual std::u32string Pasted(std::u32string chars) const = 0;
    // A masked text shows no words and never leaves the control.
    virtual bool Masked() const { return false; }
    // The caret keys of the control's layout (Home, End, and the line keys of a memo); true when
    // key was one of them.
    virtual bool CaretKey(unsigned short key, bool extend, bool ctrl) = 0;
    virtual void TypeChar(char32_t ch);
    // The character boundary nearest to a client point.
    virtual int PositionAt(int x, int y) = 0;
    // The caret's place in client coordinates: a pixel wide and a line high.
    virtual TRect CaretRect() = 0;
    virtual void ScrollToCaret() = 0;
    // After the caret was moved by the user or by code.
    virtual void CaretMoved() {}
    // After a selection set by code: the one-line edit brings the caret into view, a memo keeps
    // its view as the native one does.
    virtual void SelectedByCode() {}
    // The EM_ messages; the shared ones are answered here.
    virtual win::LRESULT EditMessage(TMessage& message);
    // Whether the user's edits (typing, deleting, cutting, pasting, undoing) are refused: while
    // read-only here; a control with a read-only mode of its own adds it.
    virtual bool RefusesEditing() const { return FReadOnly; }

    // Edits made by the user: replace the selection unless read-only, honouring MaxLength;
    // typed marks one character typed at the caret, which joins the typing before it in undo.
    void UserReplace(std::u32string_view inserted, bool typed = false);
    void MoveCaret(int position, bool extend);
    // Runs publish (which sets the control's text) marked as the control's own change, so that
    // CM_TEXTCHANGED does not read the text back.
    void PublishText(const std::function<void()>& publish);

    TEditText FBuffer;
    TEditUndo FUndo;
    int FMaxLength{ 0 };
    bool FReadOnly{ false };
    bool FModified{ false };
    bool FOwnChange{ false };
    bool FCaretShown{ false };

private:
    void SelectByCode(int anchor, int caret);
    // Where the word keys stop from the caret; a masked text has its ends as the only stops.
    int WordStop(bool forward) const;
    // Ctrl+Backspace and Ctrl+Delete: the selection, or else up to the word stop, as one change.
    void DeleteWord(bool forward);
    // The window system's caret belongs to the focused control: made on focus, gone on its loss.
    void ShowOwnCaret();
    void HideOwnCaret();
    // Shows the caret at once and starts its blink over, so it stands still while the user works.
    void RestartCaretBlink();

    // A press in the text drags the selection until the button is let go.
    bool FSelecting{ false };
};
