#pragma once
#include "platform/forms/TButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A box with a caption beside it. A click or Space moves the state on (through grey only with
// AllowGrayed); every change of state, by the user or by code, fires OnClick.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    ~TCheckBox() override;

    std::string ClassName() const override { return "TCheckBox"; }

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // taRightJustify puts the caption right of the box, taLeftJustify left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    void Click() override;

protected:
    void Paint() override;

private:
    TCheckBoxState FState{ cbUnchecked };
    bool FAllowGrayed{ false };
    TAlignment FAlignment{ taRightJustify };
};

// The square or round mark of a check box or radio button, 13 pixels wide, drawn at rect's
// vertical centre; the rest of rect is where the caption goes.
TRect DrawCheckMark(TCanvas& canvas, const TRect& rect, bool rightOfText, bool round,
                    TCheckBoxState state, bool pressed, bool enabled);
