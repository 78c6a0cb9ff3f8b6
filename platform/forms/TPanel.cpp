#include "platform/forms/TPanel.h"
#include "platform/gfx/TextDraw.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Win.h"

using namespace win;

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csSetCaption);
    FColor = clBtnFace;
    SetParentColor(false);
    FWidth = 185;
    FHeight = 41;
}

TPanel::~TPanel() = default;

void TPanel::SetBevelOuter(TPanelBevel value) {
    if (FBevelOuter == value) return;
    FBevelOuter = value;
    FrameChanged();
}

void TPanel::SetBevelInner(TPanelBevel value) {
    if (FBevelInner == value) return;
    FBevelInner = value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int value) {
    if (value < 1) throw EInvalidOperation("Invalid property value");
    if (FBevelWidth == value) return;
    FBevelWidth = value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int value) {
    if (value < 0) throw EInvalidOperation("Invalid property value");
    if (FBorderWidth == value) return;
    FBorderWidth = value;
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

int TPanel::FrameWidth() const {
    int width = FBorderWidth;
    if (FBevelOuter != bvNone) width += FBevelWidth;
    if (FBevelInner != bvNone) width += FBevelWidth;
    return width;
}

void TPanel::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    const int w = FrameWidth();
    rect = TRect(rect.Left + w, rect.Top + w, rect.Right - w, rect.Bottom - w);
}

void TPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TPanel::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) Invalidate();
}

void DrawBevelFrame(TCanvas& canvas, TRect& rect, bool raised, int width) {
    const TColor topLeft = raised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = raised ? clBtnShadow : clBtnHighlight;
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        canvas.Pen().SetColor(topLeft);
        const TPoint upper[] = { TPoint(rect.Left, rect.Bottom - 1), TPoint(rect.Left, rect.Top),
                                 TPoint(rect.Right, rect.Top) };
        canvas.Polyline(upper);
        canvas.Pen().SetColor(bottomRight);
        const TPoint lower[] = { TPoint(rect.Right - 1, rect.Top),
                                 TPoint(rect.Right - 1, rect.Bottom - 1),
                                 TPoint(rect.Left - 1, rect.Bottom - 1) };
        canvas.Polyline(lower);
        rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
}

void TPanel::Paint() {
    TRect r = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(r);
    if (FBevelOuter != bvNone) {
        if (FBevelOuter == bvSpace)
            r = TRect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth,
                      r.Bottom - FBevelWidth);
        else
            DrawBevelFrame(FCanvas, r, FBevelOuter == bvRaised, FBevelWidth);
    }
    r = TRect(r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth,
              r.Bottom - FBorderWidth);
    if (FBevelInner != bvNone) {
        if (FBevelInner == bvSpace)
            r = TRect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth,
                      r.Bottom - FBevelWidth);
        else
            DrawBevelFrame(FCanvas, r, FBevelInner == bvRaised, FBevelWidth);
    }
    if (Caption().empty() || r.IsEmpty()) return;
    FCanvas.SetFont(FFont);
    FCanvas.Brush().SetStyle(bsClear);
    unsigned format = DT_SINGLELINE | DT_VCENTER;
    if (FAlignment == taCenter) format |= DT_CENTER;
    if (FAlignment == taRightJustify) format |= DT_RIGHT;
    const HDC dc = FCanvas.Handle();
    RECT text = r;
    if (!Enabled()) SetTextColor(dc, ColorToRGB(clGrayText));
    DrawText(dc, Caption(), &text, format);
}
