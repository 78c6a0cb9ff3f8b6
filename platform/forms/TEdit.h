#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEditText.h"
#include <string>

// A one-line text field: a caret and a selection counted in characters, typing, the keyboard
// and mouse moves of the caret, the clipboard, a length limit and a read-only mode. OnChange
// fires after every change of the text, by the user or by code.
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

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual void Change();

private:
    // Edits made by the user: replaces the selection unless read-only, honouring MaxLength.
    void UserReplace(const std::u32string& inserted);
    void Replace(const std::u32string& inserted);
    void MoveCaret(int position, bool extend);
    void TypeChar(char32_t ch);
    // The character boundary nearest to x (client coordinates).
    int PositionAt(int x);
    // Where the character boundary position is drawn, before scrolling.
    int TextX(int position);
    void ScrollToCaret();
    void TextChanged();
    // From the control's edge to where the text starts.
    int Margin() const;

    TEditText FText;
    int FScroll{ 0 };
    int FMaxLength{ 0 };
    bool FReadOnly{ false };
    TFormBorderStyle FBorderStyle{ bsSingle };
    bool FModified{ false };
    bool FOwnChange{ false };
    bool FSelecting{ false };
};
