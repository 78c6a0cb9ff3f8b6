#include "lib/controls/TbsPopupListBox.h"

#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

TbsPopupListBox::TbsPopupListBox(TComponent* owner) : TbsSkinListBox(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csNoDesignVisible);
    FControlStyle.Include(csReplicatable);
    SetVisible(false);
}

void TbsPopupListBox::CreateParams(TCreateParams& params) {
    TbsSkinListBox::CreateParams(params);
    params.Style = win::WS_POPUP | win::WS_CLIPCHILDREN;
    params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_NOACTIVATE;
}

void TbsPopupListBox::WndProc(TMessage& message) {
    if (message.Msg == win::WM_MOUSEACTIVATE) {
        message.Result = win::MA_NOACTIVATE;
        return;
    }
    TbsSkinListBox::WndProc(message);
}

void TbsPopupListBox::Show(const TPoint& origin) {
    win::SetWindowPos(Handle(), win::HWND_TOP, origin.X, origin.Y, 0, 0,
                      win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);
    SetVisible(true);
}

void TbsPopupListBox::Hide() {
    if (HandleAllocated())
        win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                          win::SWP_HIDEWINDOW | win::SWP_NOSIZE | win::SWP_NOMOVE |
                              win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    SetVisible(false);
}
