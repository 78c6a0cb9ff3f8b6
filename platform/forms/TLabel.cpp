#include "platform/forms/TLabel.h"
#include "platform/forms/DisabledText.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Painting.h"

using namespace win;

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csReplicatable);
    FWidth = 65;
    FHeight = 17;
}

TLabel::~TLabel() {
    SetFocusControl(nullptr);
}

void TLabel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Changed();
}

void TLabel::SetLayout(TTextLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Changed();
}

void TLabel::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    Changed();
}

void TLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    Changed();
}

void TLabel::SetShowAccelChar(bool value) {
    if (FShowAccelChar == value) return;
    FShowAccelChar = value;
    Changed();
}

void TLabel::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    if (value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* value) {
    if (FFocusControl == value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::SetBounds(int left, int top, int width, int height) {
    const bool refit = width != FWidth && FWordWrap && !FAdjusting;
    TGraphicControl::SetBounds(left, top, width, height);
    if (refit) AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar &&
            IsAccel(unsigned(message.WParam), Caption()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::WndProc(message);
        Changed();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

unsigned TLabel::TextFormat() const {
    unsigned format = DT_EXPANDTABS;
    if (FWordWrap) format |= DT_WORDBREAK;
    if (!FShowAccelChar) format |= DT_NOPREFIX;
    switch (FAlignment) {
    case taLeftJustify:
        break;
    case taRightJustify:
        format |= DT_RIGHT;
        break;
    case taCenter:
        format |= DT_CENTER;
        break;
    }
    return format;
}

void TLabel::Changed() {
    AdjustBounds();
    Invalidate();
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    const HDC screen = GetDC(nullptr);
    if (!screen) return;
    TCanvas measure;
    measure.SetHandle(screen);
    measure.SetFont(FFont);
    TRect r(0, 0, FWordWrap ? FWidth : 0, 0);
    DoDrawText(measure, r, TextFormat() | DT_CALCRECT);
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    const int width = FWordWrap ? FWidth : r.Width();
    // Grows from the side the text is aligned to, so the text stays where it is.
    int left = FLeft;
    if (!FWordWrap && FAlignment == taRightJustify) left = FLeft + FWidth - width;
    FAdjusting = true;
    SetBounds(left, FTop, width, r.Height());
    FAdjusting = false;
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(FColor);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(FFont);
    const unsigned format = TextFormat();
    TRect r = client;
    if (FLayout != tlTop) {
        TRect measured = client;
        DoDrawText(canvas, measured, format | DT_CALCRECT);
        const int height = measured.Height();
        const int offset =
            FLayout == tlBottom ? client.Height() - height : (client.Height() - height) / 2;
        r.Top += offset;
    }
    DoDrawText(canvas, r, format);
}

void TLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    // An empty caption still takes one line's height.
    const std::string text =
        Caption().empty() && (flags & DT_CALCRECT) ? std::string(" ") : Caption();
    RECT r = rect;
    if ((flags & DT_CALCRECT) || Enabled())
        DrawText(canvas.Handle(), text, &r, flags);
    else
        DrawDisabledText(canvas.Handle(), text, r, flags);
    rect = r;
}
