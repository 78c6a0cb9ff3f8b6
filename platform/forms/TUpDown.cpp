#include "platform/forms/TUpDown.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <array>

using namespace win;

namespace {

std::string WithThousands(int value) {
    const std::string digits = IntToStr(value < 0 ? -(long long)value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

} // namespace

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csDoubleClicks);
    FWidth = 17;
    FHeight = 25;
}

TUpDown::~TUpDown() {
    Unhook();
}

void TUpDown::Unhook() {
    if (!FAssociate) return;
    FAssociate->WindowProc = FAssociateProc;
    FAssociate->RemoveFreeNotification(this);
    FAssociate = nullptr;
    FAssociateProc = nullptr;
}

void TUpDown::SetAssociate(TWinControl* value) {
    if (value == FAssociate) return;
    Unhook();
    if (!value) return;
    FAssociate = value;
    FAssociate->FreeNotification(this);
    FAssociateProc = FAssociate->WindowProc;
    // The associate's arrow keys step the up-down; everything else goes on as before.
    FAssociate->WindowProc = [this](TMessage& message) {
        if (message.Msg == WM_KEYDOWN && FArrowKeys &&
            (message.WParam == VK_UP || message.WParam == VK_DOWN)) {
            Press(message.WParam == VK_UP ? btNext : btPrev);
            return;
        }
        if (message.Msg == WM_GETDLGCODE) {
            FAssociateProc(message);
            if (FArrowKeys) message.Result |= DLGC_WANTARROWS;
            return;
        }
        FAssociateProc(message);
    };
    PlaceAgainstAssociate();
    UpdateAssociate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FAssociate) {
        FAssociate = nullptr;
        FAssociateProc = nullptr;
    }
    TCustomControl::Notification(component, operation);
}

void TUpDown::PlaceAgainstAssociate() {
    if (!FAssociate) return;
    const TRect a = FAssociate->BoundsRect();
    if (Parent() != FAssociate->Parent()) SetParent(FAssociate->Parent());
    // The associate gives up the room the buttons take.
    if (FAlignButton == udRight) {
        FAssociate->SetBounds(a.Left, a.Top, std::max(0, a.Width() - FWidth), a.Height());
        SetBounds(a.Right - FWidth, a.Top, FWidth, a.Height());
    } else {
        FAssociate->SetBounds(a.Left + FWidth, a.Top, std::max(0, a.Width() - FWidth), a.Height());
        SetBounds(a.Left, a.Top, FWidth, a.Height());
    }
}

void TUpDown::UpdateAssociate() {
    if (!FAssociate) return;
    FAssociate->SetText(FThousands ? WithThousands(FPosition) : IntToStr(FPosition));
}

void TUpDown::SetMin(int value) {
    FMin = value;
    SetPosition(FPosition);
}

void TUpDown::SetMax(int value) {
    FMax = value;
    SetPosition(FPosition);
}

void TUpDown::SetPosition(int value) {
    FPosition = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    UpdateAssociate();
}

void TUpDown::SetOrientation(TUDOrientation value) {
    FOrientation = value;
    Invalidate();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
    FAlignButton = value;
}

void TUpDown::SetThousands(bool value) {
    FThousands = value;
    UpdateAssociate();
}

void TUpDown::Press(TUDBtnType button) {
    // A number typed into the associate is where the step starts.
    if (FAssociate) {
        const std::string typed = StringReplace(FAssociate->Text(), ",", "", rfReplaceAll);
        int value = 0;
        if (TryStrToInt(Trim(typed), value)) FPosition = std::clamp(value, FMin, FMax);
    }
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    const int step = button == btNext ? FIncrement : -FIncrement;
    long long next = (long long)FPosition + step;
    if (next > FMax)
        next = FWrap ? FMin : FMax;
    else if (next < FMin)
        next = FWrap ? FMax : FMin;
    FPosition = int(next);
    UpdateAssociate();
    if (OnClick) OnClick(this, button);
}

TRect TUpDown::ButtonRect(TUDBtnType button) const {
    if (FOrientation == udVertical) {
        const int mid = FHeight / 2;
        return button == btNext ? TRect(0, 0, FWidth, mid) : TRect(0, mid, FWidth, FHeight);
    }
    const int mid = FWidth / 2;
    return button == btNext ? TRect(mid, 0, FWidth, FHeight) : TRect(0, 0, mid, FHeight);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const TUDBtnType which = ButtonRect(btNext).Contains(TPoint(x, y)) ? btNext : btPrev;
        FPressed = which;
        Invalidate();
        if (FAssociate && FAssociate->CanFocus() && !FAssociate->Focused()) FAssociate->SetFocus();
        Press(which);
        FRepeat.Start([this] {
            // Held, the button steps on while the pointer stays on it.
            POINT p;
            GetCursorPos(&p);
            if (FPressed >= 0 &&
                ButtonRect(TUDBtnType(FPressed)).Contains(ScreenToClient(TPoint(p.x, p.y))))
                Press(TUDBtnType(FPressed));
        });
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FRepeat.Stop();
        FPressed = -1;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TUpDown::WndProc(TMessage& message) {
    if (FRepeat.Handle(message)) return;
    if (message.Msg == WM_CAPTURECHANGED && HWND(message.LParam) != FHandle && FPressed >= 0) {
        FRepeat.Stop();
        FPressed = -1;
        Invalidate();
    }
    TCustomControl::WndProc(message);
}

void TUpDown::Paint() {
    const HDC dc = FCanvas.Handle();
    const TColor ink = Enabled() ? clBtnText : clGrayText;
    for (TUDBtnType button : { btNext, btPrev }) {
        const TRect r = ButtonRect(button);
        RECT edge = r;
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(clBtnFace);
        FCanvas.FillRect(r);
        const bool pressed = FPressed == button;
        DrawEdge(dc, &edge, pressed ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
        const int cx = (r.Left + r.Right) / 2 + (pressed ? 1 : 0);
        const int cy = (r.Top + r.Bottom) / 2 + (pressed ? 1 : 0);
        std::array<TPoint, 3> tip;
        if (FOrientation == udVertical)
            tip = button == btNext ? std::array{ TPoint(cx - 3, cy + 1), TPoint(cx + 3, cy + 1),
                                                 TPoint(cx, cy - 2) }
                                   : std::array{ TPoint(cx - 3, cy - 1), TPoint(cx + 3, cy - 1),
                                                 TPoint(cx, cy + 2) };
        else
            tip = button == btNext ? std::array{ TPoint(cx - 1, cy - 3), TPoint(cx - 1, cy + 3),
                                                 TPoint(cx + 2, cy) }
                                   : std::array{ TPoint(cx + 1, cy - 3), TPoint(cx + 1, cy + 3),
                                                 TPoint(cx - 2, cy) };
        FCanvas.Pen().SetColor(ink);
        FCanvas.Brush().SetColor(ink);
        FCanvas.Polygon(tip);
    }
}
