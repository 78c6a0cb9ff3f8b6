#include "platform/forms/TSplitter.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/Input.h"
#include <algorithm>

using namespace win;

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Exclude(csSetCaption);
    FColor = clBtnFace;
    SetAlign(alLeft);
    FWidth = 3;
    FHeight = 100;
    SetCursor(crSizeWE);
}

TSplitter::~TSplitter() = default;

void TSplitter::SetBeveled(bool value) {
    FBeveled = value;
    Invalidate();
}

TControl* TSplitter::ResizeControl() const {
    TWinControl* parent = Parent();
    if (!parent || Align() == alNone || Align() == alClient) return nullptr;
    const TRect me = BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const TRect r = c->BoundsRect();
        const bool touches = (Align() == alLeft && r.Right == me.Left) ||
                             (Align() == alRight && r.Left == me.Right) ||
                             (Align() == alTop && r.Bottom == me.Top) ||
                             (Align() == alBottom && r.Top == me.Bottom);
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::SizeOf(const TControl* control) const {
    return Horizontal() ? control->Width() : control->Height();
}

int TSplitter::MaxSize() const {
    const TWinControl* parent = Parent();
    int room = Horizontal() ? parent->ClientWidth() : parent->ClientHeight();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* c = parent->Controls(i);
        if (c == FControl || !c->Visible()) continue;
        const bool sameAxis = Horizontal() ? c->Align() == alLeft || c->Align() == alRight
                                           : c->Align() == alTop || c->Align() == alBottom;
        if (sameAxis) room -= SizeOf(c);
    }
    return std::max(FMinSize, room - FMinSize);
}

void TSplitter::SetControlSize(int size) {
    size = std::clamp(size, FMinSize, MaxSize());
    bool accept = true;
    if (OnCanResize) OnCanResize(this, size, accept);
    if (!accept || size == SizeOf(FControl)) return;
    if (Horizontal())
        FControl->SetWidth(size);
    else
        FControl->SetHeight(size);
}

void TSplitter::WndProc(TMessage& message) {
    if (message.Msg == CM_MOUSEENTER && Horizontal() != (Cursor() == crSizeWE))
        SetCursor(Horizontal() ? crSizeWE : crSizeNS);
    TGraphicControl::WndProc(message);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FControl = ResizeControl();
        if (FControl) {
            FStart = ClientToScreen(TPoint(x, y));
            FStartSize = SizeOf(FControl);
        }
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    if (FControl && shift.Contains(ssLeft)) {
        const TPoint p = ClientToScreen(TPoint(x, y));
        int delta = Horizontal() ? p.X - FStart.X : p.Y - FStart.Y;
        if (Align() == alRight || Align() == alBottom) delta = -delta;
        SetControlSize(FStartSize + delta);
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool moved = FControl && button == mbLeft;
    if (button == mbLeft) FControl = nullptr;
    TGraphicControl::MouseUp(button, shift, x, y);
    if (moved && OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(r);
    if (FBeveled) {
        RECT edge = r;
        DrawEdge(canvas.Handle(), &edge, EDGE_RAISED,
                 Horizontal() ? BF_LEFT | BF_RIGHT : BF_TOP | BF_BOTTOM);
    }
}
