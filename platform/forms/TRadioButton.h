#pragma once
#include "platform/forms/TCheckBox.h"

// A round option of a group: the radio buttons sharing a parent. Checking one unchecks the
// others; only the checked one is a tab stop, and the arrow keys move the focus, and with it
// the check, along the group.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    ~TRadioButton() override;

    std::string ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return FChecked; }
    // Becoming checked fires OnClick once.
    void SetChecked(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    void Click() override;

protected:
    void Paint() override;
    void DoEnter() override;

private:
    bool FChecked{ false };
    TAlignment FAlignment{ taRightJustify };
};
