#pragma once
#include "lib/controls/TbsCustomEdit.h"

// The edit of spin-style controls: it takes digits, one minus sign at the start and, with
// Float, one decimal separator; a refused character beeps and is dropped. The Up and Down keys
// and the wheel raise OnUpClick and OnDownClick instead of moving the caret. Its mouse enter and
// leave events are the platform's OnMouseEnter and OnMouseLeave.
class TbsSkinNumEdit : public TbsCustomEdit {
public:
    explicit TbsSkinNumEdit(TComponent* owner);
    ~TbsSkinNumEdit() override;

    std::string ClassName() const override { return "TbsSkinNumEdit"; }

    // Off: every character from space upwards, Backspace and '.' are refused.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }

    // Whether key, typed now, is taken: at the caret, replacing the selection.
    bool IsValidChar(char32_t key) const;

    void WndProc(TMessage& message) override;

    // The decimal separator of the locale is accepted, once.
    bool Float{ false };

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    bool FEditorEnabled{ true };
};
