#include "platform/forms/TComboListBox.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/forms/TComboBox.h"
#include "platform/win/Focus.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"

using namespace win;

TComboListBox::TComboListBox(TComboBox* combo) : TListBox(combo), FCombo(combo) {
    FVisible = false;
    SetBorderStyle(bsNone);
    SetTabStop(false);
}

TComboListBox::~TComboListBox() = default;

void TComboListBox::CreateParams(TCreateParams& params) {
    TListBox::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_TABSTOP)) | WS_POPUP | WS_BORDER;
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = FCombo->HandleAllocated() ? GetAncestor(FCombo->Handle(), GA_ROOT) : nullptr;
}

void TComboListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        return;
    case WM_VSCROLL:
        TListBox::WndProc(message);
        // Dragging the list's own bar borrowed the mouse; the open list takes it back.
        if (LOWORD(UINT(message.WParam)) == SB_ENDSCROLL && FCombo->DroppedDown() &&
            GetCapture() != FHandle)
            SetCapture(FHandle);
        return;
    default:
        break;
    }
    TListBox::WndProc(message);
}

void TComboListBox::HotTrack(int x, int y) {
    const int index = ItemAtPos(TPoint(x, y), true);
    if (index >= 0 && index != ItemIndex()) Perform(LB_SETCURSEL, WPARAM(index), 0);
}

void TComboListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // The list holds the mouse, so every press arrives here: on the lines, on the list's
    // own bar (handed on as a frame press), or anywhere else, which closes the list.
    const TPoint p(x, y);
    if (ClientRect().Contains(p)) {
        HotTrack(x, y);
    } else {
        const TPoint screen = ClientToScreen(p);
        RECT window;
        GetWindowRect(FHandle, &window);
        if (TRect(window).Contains(screen)) {
            const LPARAM at = MAKELPARAM(UINT(screen.X), UINT(screen.Y));
            const LRESULT hit = SendMessage(FHandle, WM_NCHITTEST, 0, at);
            SendMessage(FHandle, WM_NCLBUTTONDOWN, WPARAM(hit), at);
        } else if (button == mbLeft) {
            FCombo->ListClosed(false);
            return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TComboListBox::MouseMove(TShiftState shift, int x, int y) {
    if (ClientRect().Contains(TPoint(x, y))) HotTrack(x, y);
    TCustomControl::MouseMove(shift, x, y);
}

void TComboListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (button == mbLeft && ItemAtPos(TPoint(x, y), true) >= 0) {
        FCombo->ListClosed(true);
        return;
    }
    // The release of the press that opened the list: it stays open and keeps the mouse.
    if (FCombo->DroppedDown() && GetCapture() != FHandle) SetCapture(FHandle);
}
