#include "lib/controls/TbsPopupOfficeListBox.h"

#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>

TbsPopupOfficeListBox::TbsPopupOfficeListBox(TComponent* owner) : TbsSkinOfficeListBox(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csNoDesignVisible);
    FControlStyle.Include(csReplicatable);
    SetVisible(false);
}

TbsPopupOfficeListBox::~TbsPopupOfficeListBox() {
    StopFade();
}

void TbsPopupOfficeListBox::CreateParams(TCreateParams& params) {
    TbsSkinOfficeListBox::CreateParams(params);
    params.Style = win::WS_POPUP | win::WS_CLIPCHILDREN;
    params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_NOACTIVATE;
}

void TbsPopupOfficeListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_MOUSEACTIVATE:
        message.Result = win::MA_NOACTIVATE;
        return;
    case win::WM_TIMER:
        if (message.WParam == kFadeTimer) {
            FadeStep();
            return;
        }
        break;
    default:
        break;
    }
    TbsSkinOfficeListBox::WndProc(message);
}

void TbsPopupOfficeListBox::ApplyLayeredState() {
    auto* combo = dynamic_cast<TbsSkinCustomOfficeComboBox*>(Owner());
    if (!combo || !CanUseLayeredWindows()) return;
    const bool alphaBlend = combo->AlphaBlend();
    if (alphaBlend != FOldAlphaBlend) {
        const auto style = std::uint32_t(win::GetWindowLong(Handle(), win::GWL_EXSTYLE));
        win::SetWindowLong(
            Handle(), win::GWL_EXSTYLE,
            std::int32_t(alphaBlend ? style | win::WS_EX_LAYERED : style & ~win::WS_EX_LAYERED));
        FOldAlphaBlend = alphaBlend;
    }
    if (!alphaBlend || FOldAlphaBlendValue == combo->AlphaBlendValue()) return;
    // With the fade every opening starts from nothing.
    FOldAlphaBlendValue = combo->AlphaBlendAnimation() ? 0 : combo->AlphaBlendValue();
    SetWindowAlpha(Handle(), FOldAlphaBlendValue);
}

void TbsPopupOfficeListBox::Show(const TPoint& origin) {
    ApplyLayeredState();
    win::SetWindowPos(Handle(), win::HWND_TOP, origin.X, origin.Y, 0, 0,
                      win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);
    SetVisible(true);
    auto* combo = dynamic_cast<TbsSkinCustomOfficeComboBox*>(Owner());
    if (!combo || !CanUseLayeredWindows() || !combo->AlphaBlend() || !combo->AlphaBlendAnimation())
        return;
    combo->FLBDown = false;
    FFadeAlpha = 0;
    FFading = true;
    // The first step comes at once, the others on the timer.
    FadeStep();
    if (FFading) win::SetTimer(Handle(), kFadeTimer, kFadeStepMs, nullptr);
}

void TbsPopupOfficeListBox::FadeStep() {
    auto* combo = dynamic_cast<TbsSkinCustomOfficeComboBox*>(Owner());
    if (!combo || !FFading) return;
    const int target = combo->AlphaBlendValue();
    FFadeAlpha = std::min(FFadeAlpha + std::max(1, target / 15), target);
    SetWindowAlpha(Handle(), std::uint8_t(FFadeAlpha));
    if (FFadeAlpha >= target) StopFade();
}

void TbsPopupOfficeListBox::StopFade() {
    if (!FFading) return;
    FFading = false;
    if (HandleAllocated()) win::KillTimer(Handle(), kFadeTimer);
}

void TbsPopupOfficeListBox::Hide() {
    StopFade();
    if (HandleAllocated())
        win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                          win::SWP_HIDEWINDOW | win::SWP_NOSIZE | win::SWP_NOMOVE |
                              win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    SetVisible(false);
}
