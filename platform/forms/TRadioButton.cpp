#include "platform/forms/TRadioButton.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    FWidth = 113;
    FHeight = 17;
    SetTabStop(false);
}

TRadioButton::~TRadioButton() = default;

void TRadioButton::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
                other && other != this)
                other->SetChecked(false);
    }
    TButtonControl::Click();
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TRadioButton::Click() {
    SetChecked(true);
}

void TRadioButton::DoEnter() {
    // Arrows and Tab move the focus without a click; the option the focus lands on is chosen.
    SetChecked(true);
    TButtonControl::DoEnter();
}

void TRadioButton::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    const TRect text = DrawCheckMark(FCanvas, client, FAlignment == taLeftJustify, true,
                                     FChecked ? cbChecked : cbUnchecked, Pressed(), Enabled());
    DrawCaption(text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) FCanvas.DrawFocusRect(text);
}
