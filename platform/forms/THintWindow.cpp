#include "platform/forms/THintWindow.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/WindowApi.h"

using namespace win;

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    FVisible = false;
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

THintWindow::~THintWindow() = default;

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_TABSTOP)) | WS_POPUP | WS_BORDER;
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

void THintWindow::CreateWnd() {
    TCustomControl::CreateWnd();
    SetWindowPopupKind(FHandle, PopupKind::Tooltip);
}

void THintWindow::WndProc(TMessage& message) {
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::WndProc(message);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    RECT r{ 0, 0, maxWidth, 0 };
    DrawTextW(Canvas().Handle(), hint, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Room for the border and a little air around the text.
    return TRect(0, 0, r.right + 6, r.bottom + 2);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    SetCaption(hint);
    SetBoundsRect(rect);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    FVisible = true;
    Invalidate();
}

void THintWindow::ReleaseHint() {
    if (!HandleAllocated() || !IsWindowVisible(FHandle)) return;
    ShowWindow(FHandle, SW_HIDE);
    FVisible = false;
}

void THintWindow::Paint() {
    const TRect r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    Canvas().Font().Assign(Font());
    Canvas().Brush().SetStyle(bsClear);
    RECT text{ r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2 };
    DrawTextW(Canvas().Handle(), Caption(), &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
