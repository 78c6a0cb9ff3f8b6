#include "platform/forms/TButton.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    FWidth = 75;
    FHeight = 25;
}

TButton::~TButton() = default;

void TButton::SetDefault(bool value) {
    if (FDefault == value) return;
    FDefault = value;
    auto* form = GetParentForm(this);
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    FActive = focused == this || (FDefault && !dynamic_cast<TButton*>(focused));
    Invalidate();
}

void TButton::Click() {
    if (auto* form = GetParentForm(this); form && FModalResult != mrNone)
        form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY:
        if (((message.WParam == VK_RETURN && FActive) ||
             (message.WParam == VK_ESCAPE && FCancel)) &&
            Enabled() && Showing()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        CMFocusChanged(message);
        break;
    default:
        break;
    }
    TButtonControl::WndProc(message);
}

void TButton::CMFocusChanged(TMessage& message) {
    auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
    const bool active = focused == this || (FDefault && !dynamic_cast<TButton*>(focused));
    if (active != FActive) {
        FActive = active;
        Invalidate();
    }
}

void TButton::Paint() {
    TRect r = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(r);
    const HDC dc = FCanvas.Handle();
    // The button Enter would click wears a dark frame around its edge.
    if (FActive) {
        FCanvas.Brush().SetColor(clWindowFrame);
        FCanvas.FrameRect(r);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    RECT edge = r;
    if (Pressed()) {
        FCanvas.Brush().SetColor(clBtnShadow);
        FCanvas.FrameRect(r);
    } else {
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    }
    const int shift = Pressed() ? 1 : 0;
    const TRect text(r.Left + 4 + shift, r.Top + 4 + shift, r.Right - 4 + shift,
                     r.Bottom - 4 + shift);
    DrawCaption(text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        FCanvas.Brush().SetColor(FColor);
        FCanvas.DrawFocusRect(text);
    }
}
