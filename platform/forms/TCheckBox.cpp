#include "platform/forms/TCheckBox.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <array>

using namespace win;

namespace {
constexpr int kMarkSize = 13;
constexpr int kGap = 4;
} // namespace

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    FWidth = 97;
    FHeight = 17;
}

TCheckBox::~TCheckBox() = default;

void TCheckBox::SetState(TCheckBoxState value) {
    if (FState == value) return;
    FState = value;
    Invalidate();
    TButtonControl::Click();
}

void TCheckBox::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TCheckBox::Click() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    const TRect text = DrawCheckMark(FCanvas, client, FAlignment == taLeftJustify, false, FState,
                                     Pressed(), Enabled());
    DrawCaption(text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        RECT r = text;
        DrawText(FCanvas.Handle(), Caption(), &r, DT_CALCRECT | DT_SINGLELINE);
        const int h = r.bottom - r.top;
        const TRect focus(text.Left - 1, (text.Top + text.Bottom - h) / 2 - 1,
                          std::min(int(r.right) + 1, text.Right),
                          (text.Top + text.Bottom + h) / 2 + 1);
        FCanvas.DrawFocusRect(focus);
    }
}

TRect DrawCheckMark(TCanvas& canvas, const TRect& rect, bool rightOfText, bool round,
                    TCheckBoxState state, bool pressed, bool enabled) {
    const int top = rect.Top + (rect.Height() - kMarkSize) / 2;
    const int left = rightOfText ? rect.Right - kMarkSize : rect.Left;
    const TRect box(left, top, left + kMarkSize, top + kMarkSize);
    const TColor inside = pressed || !enabled || state == cbGrayed ? clBtnFace : clWindow;
    const TColor ink = enabled && state != cbGrayed ? clWindowText : clBtnShadow;
    const HDC dc = canvas.Handle();
    if (round) {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(inside);
        canvas.Ellipse(box);
        canvas.Pen().SetColor(clBtnHighlight);
        canvas.Brush().SetStyle(bsClear);
        canvas.Ellipse(TRect(box.Left + 1, box.Top + 1, box.Right, box.Bottom));
        canvas.Pen().SetColor(cl3DDkShadow);
        canvas.Ellipse(TRect(box.Left, box.Top, box.Right - 1, box.Bottom - 1));
        if (state == cbChecked) {
            canvas.Pen().SetColor(ink);
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(ink);
            canvas.Ellipse(TRect(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4));
        }
    } else {
        RECT edge = box;
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(inside);
        canvas.FillRect(TRect(edge));
        if (state != cbUnchecked) {
            // The classic tick: three pixels thick, from the left middle down and up right.
            canvas.Pen().SetColor(ink);
            for (int i = 0; i < 3; ++i) {
                const std::array<TPoint, 3> tick{ TPoint(box.Left + 3, box.Top + 5 + i),
                                                  TPoint(box.Left + 5, box.Top + 7 + i),
                                                  TPoint(box.Left + 10, box.Top + 2 + i) };
                canvas.Polyline(tick);
            }
        }
    }
    return rightOfText ? TRect(rect.Left, rect.Top, box.Left - kGap, rect.Bottom)
                       : TRect(box.Right + kGap, rect.Top, rect.Right, rect.Bottom);
}
