#include "lib/controls/TbsPopupListBox.h"

#include "lib/skindraw/bsSystemVersion.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>

TbsPopupListBox::TbsPopupListBox(TComponent* owner) : TbsSkinListBox(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csNoDesignVisible);
    FControlStyle.Include(csReplicatable);
    SetVisible(false);
}

TbsPopupListBox::~TbsPopupListBox() {
    StopFade();
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
    if (message.Msg == win::WM_TIMER && message.WParam == kFadeTimer) {
        FadeStep();
        return;
    }
    TbsSkinListBox::WndProc(message);
}

void TbsPopupListBox::ApplyBlend(const TbsPopupAlpha& alpha) {
    const win::HWND window = Handle();
    if (alpha.Blend != FOldAlphaBlend) {
        const auto exStyle = win::GetWindowLongPtr(window, win::GWL_EXSTYLE);
        win::SetWindowLongPtr(window, win::GWL_EXSTYLE,
                              alpha.Blend ? exStyle | win::WS_EX_LAYERED
                                          : exStyle & ~win::LONG_PTR(win::WS_EX_LAYERED));
        FOldAlphaBlend = alpha.Blend;
    }
    if (!alpha.Blend || FOldAlphaBlendValue == alpha.Value) return;
    // With the fade every opening starts from transparent again.
    FOldAlphaBlendValue = alpha.Animation ? 0 : alpha.Value;
    SetWindowAlpha(window, std::uint8_t(FOldAlphaBlendValue));
}

void TbsPopupListBox::Show(const TPoint& origin, const TbsPopupAlpha& alpha) {
    StopFade();
    const bool layered = CanUseLayeredWindows();
    if (layered) ApplyBlend(alpha);
    win::SetWindowPos(Handle(), win::HWND_TOP, origin.X, origin.Y, 0, 0,
                      win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);
    SetVisible(true);
    if (!layered || !alpha.Blend || !alpha.Animation) return;
    // A timer rather than a loop of its own: closing, reopening or freeing the list while it
    // fades in only has to stop the timer.
    FFadeTarget = alpha.Value;
    FFadeStep = std::max(alpha.Value / 15, 1);
    FFadeAlpha = 0;
    FadeStep();
    if (FFadeStep != 0) win::SetTimer(Handle(), kFadeTimer, kFadeMs, nullptr);
}

void TbsPopupListBox::FadeStep() {
    if (FFadeStep == 0) return;
    FFadeAlpha = std::min(FFadeAlpha + FFadeStep, FFadeTarget);
    SetWindowAlpha(Handle(), std::uint8_t(FFadeAlpha));
    if (FFadeAlpha >= FFadeTarget) StopFade();
}

void TbsPopupListBox::StopFade() {
    if (FFadeStep == 0) return;
    FFadeStep = 0;
    if (HandleAllocated()) win::KillTimer(Handle(), kFadeTimer);
}

void TbsPopupListBox::Hide() {
    StopFade();
    if (HandleAllocated())
        win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                          win::SWP_HIDEWINDOW | win::SWP_NOSIZE | win::SWP_NOMOVE |
                              win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    SetVisible(false);
}
