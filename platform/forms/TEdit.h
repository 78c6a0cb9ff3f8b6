#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEditText.h"
#include "platform/forms/TEditUndo.h"
#include <optional>
#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A one-line text field: a caret and a selection counted in characters, typing, the keyboard
// and mouse moves of the caret (by characters and by words), the clipboard, one level of undo, a
// length limit, a read-only mode, a password character and a letter case. The text sits in a
// formatting rectangle (by default the inside of the border) less a left and a right margin; owners
// that draw their own frame around it move both with the EM_ messages, and centre or right-align
// the text with the ES_ styles of the window. While focused it shows the window system's blinking
// caret. OnChange fires after every change of the text, by the user or by code.
class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    std::string ClassName() const override { return "TEdit"; }

    int SelStart() const;
    // Places the caret at value (brought into the text) with nothing selected.
    void SetSelStart(int value);
    int SelLength() const;
    // Selects value characters from SelStart (brought into the text).
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection with value, cut to MaxLength, leaving the caret after it.
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FUndo.CanUndo(); }
    // Takes back the last change; a second Undo brings it back.
    void Undo();
    void ClearUndo() { FUndo.Clear(); }

    // The most characters the user may enter; 0 means no limit. Text set by code is kept whole.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // bsSingle draws the sunken edge; bsNone draws the text straight on the background.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // Shown in place of every character when not 0; the text then cannot be copied or cut.
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t value);
    // Letters typed or set are converted; characters beyond ASCII stay as they are.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual void Change();

private:
    // A pixel of air between the text and the formatting rectangle's sides.
    static constexpr int kDefaultMargin = 1;

    win::LRESULT EditMessage(TMessage& message);
    // Edits made by the user: replaces the selection unless read-only, honouring MaxLength;
    // typed marks one character typed at the caret, which joins the typing before it in undo.
    void UserReplace(const std::u32string& inserted, bool typed = false);
    void Replace(const std::u32string& inserted);
    std::u32string ApplyCharCase(std::u32string chars) const;
    // What is drawn: the text, or the password character in place of each of its characters.
    std::u32string DisplayChars() const;
    void SetMargins(unsigned which, int left, int right);
    void SetFormatRect(const win::RECT* rect);
    void MoveCaret(int position, bool extend);
    // Where the word keys stop; a masked text shows no words, so they go to its ends.
    int WordStop(bool forward) const;
    // Ctrl+Backspace and Ctrl+Delete: the selection, or else up to the word stop, as one change.
    void DeleteWord(bool forward);
    void TypeChar(char32_t ch);
    // The character boundary nearest to x (client coordinates).
    int PositionAt(int x);
    // Where the character boundary position is drawn, before scrolling.
    int TextX(int position);
    void ScrollToCaret();
    void TextChanged();
    // The top of the line within the formatting rectangle, for a line textHeight high.
    int LineTop(int textHeight) const;
    // The caret's place in client coordinates: a pixel wide and a line high.
    TRect CaretRect();
    // The window system's caret belongs to the focused edit: made on focus, gone on its loss.
    void ShowOwnCaret();
    void HideOwnCaret();
    // Shows the caret at once and starts its blink over, so it stands still while the user works.
    void RestartCaretBlink();
    // The formatting rectangle: set by the owner, or the inside of the border.
    TRect FormatRect() const;
    // Where the text lies: the formatting rectangle less the margins.
    TRect TextArea() const;
    // Where the first character is drawn: scrolled, or placed by the ES_CENTER and ES_RIGHT
    // styles that owners give the window.
    int TextStart();

    TEditText FText;
    TEditUndo FUndo;
    std::optional<TRect> FFormatRect;
    int FLeftMargin{ kDefaultMargin };
    int FRightMargin{ kDefaultMargin };
    char32_t FPasswordChar{ 0 };
    TEditCharCase FCharCase{ ecNormal };
    int FScroll{ 0 };
    int FMaxLength{ 0 };
    bool FReadOnly{ false };
    TFormBorderStyle FBorderStyle{ bsSingle };
    bool FModified{ false };
    bool FOwnChange{ false };
    bool FSelecting{ false };
    bool FCaretShown{ false };
};
