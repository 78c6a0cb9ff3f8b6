#include "platform/forms/TButtonControl.h"
#include "platform/forms/DisabledText.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
    // A quick second click is another click, not a double click.
    FControlStyle.Exclude(csDoubleClicks);
    FControlStyle.Include(csOpaque);
    FColor = clBtnFace;
    SetParentColor(false);
    SetTabStop(true);
}

TButtonControl::~TButtonControl() = default;

void TButtonControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (Enabled() && Showing() && IsAccel(unsigned(message.WParam), Caption())) {
            if (CanFocus()) SetFocus();
            Click();
            message.Result = 1;
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (CanFocus() && !Focused()) SetFocus();
        FMouseDown = true;
        SetMousePressed(true);
        break;
    case WM_MOUSEMOVE:
        if (FMouseDown) {
            const TPoint p(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
            SetMousePressed(ClientRect().Contains(p));
        }
        break;
    case WM_LBUTTONUP:
        FMouseDown = false;
        SetMousePressed(false);
        break;
    case WM_CAPTURECHANGED:
    case WM_KILLFOCUS:
    case CM_CANCELMODE:
        FMouseDown = false;
        SetMousePressed(false);
        if (FSpacePressed) {
            FSpacePressed = false;
            Invalidate();
        }
        break;
    case WM_SETFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TButtonControl::KeyDown(unsigned short& key, TShiftState shift) {
    if (key == VK_SPACE && !FSpacePressed) {
        FSpacePressed = true;
        Invalidate();
    }
    TCustomControl::KeyDown(key, shift);
}

void TButtonControl::KeyUp(unsigned short& key, TShiftState shift) {
    if (key == VK_SPACE && FSpacePressed) {
        FSpacePressed = false;
        Invalidate();
        Click();
    }
    TCustomControl::KeyUp(key, shift);
}

void TButtonControl::DrawCaption(const TRect& rect, unsigned format) {
    FCanvas.SetFont(FFont);
    FCanvas.Brush().SetStyle(bsClear);
    const HDC dc = FCanvas.Handle();
    RECT r = rect;
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(FFont.Color()));
        DrawText(dc, Caption(), &r, format);
        return;
    }
    DrawDisabledText(dc, Caption(), r, format);
}

void TButtonControl::SetMousePressed(bool value) {
    if (FMousePressed == value) return;
    FMousePressed = value;
    Invalidate();
}
