#include "lib/skindraw/TbsLayerManager.h"

#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsLayerBitmap.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>

void TbsLayerWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = win::WS_POPUP;
    params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TRANSPARENT;
    params.WindowClass.style |= win::CS_SAVEBITS;
    params.WndParent = nullptr;
}

void TbsLayerWindow::CreateWnd() {
    TCustomControl::CreateWnd();
    // A glow: composed over what lies below, without the desktop's shadow or animation.
    win::SetWindowPopupKind(FHandle, win::PopupKind::Layer);
}

void TbsLayerWindow::WndProc(TMessage& message) {
    if (message.Msg == win::WM_MOUSEACTIVATE) {
        message.Result = win::MA_NOACTIVATE;
        return;
    }
    TCustomControl::WndProc(message);
}

TbsLayerManager::TbsLayerManager(TComponent* owner)
    : TComponent(owner), FTimer(std::make_unique<TTimer>(nullptr)) {
    FTimer->SetInterval(25);
    FTimer->SetOnTimer([this](TObject*) { FadeStep(); });
    FTimer->SetEnabled(false);
}

TbsLayerManager::~TbsLayerManager() = default;

bool TbsLayerManager::Fading() const {
    return FTimer->Enabled();
}

void TbsLayerManager::Show(int x, int y, TBitmap& image, TBitmap& mask, int alphaBlendValue) {
    if (!CanUseLayeredWindows()) return;
    if (FLayerWindow) Hide();

    FIsVisible = true;
    FLayerWindow = std::make_unique<TbsLayerWindow>(nullptr);
    FLayerWindow->SetVisible(false);
    FLayerWindow->SetBounds(x, y, image.Width(), image.Height());
    const win::HWND handle = FLayerWindow->Handle();
    win::SetWindowLong(handle, win::GWL_EXSTYLE,
                       win::GetWindowLong(handle, win::GWL_EXSTYLE) | win::WS_EX_LAYERED);

    FBmp = std::make_unique<TbsBitmap>();
    BuildLayerBitmap(image, mask, *FBmp);
    UpdateLayerWindow(*FBmp, 0, *FLayerWindow);
    win::SetWindowPos(handle, FTopMostMode ? win::HWND_TOPMOST : win::HWND_NOTOPMOST, x, y, 0, 0,
                      win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);

    // The opacity is a byte; a step of at least 1 lets a faint target (1 to 9) be reached
    // instead of fading at 0 until the layer is hidden.
    FEndAlphaBlendValue = std::clamp(alphaBlendValue, 0, 255);
    FStepAlphaBlendValue = std::max(1, FEndAlphaBlendValue / 10);
    StartTimer();
}

void TbsLayerManager::Hide() {
    if (!CanUseLayeredWindows()) return;
    StopTimer();
    FBmp.reset();
    FIsVisible = false;
    if (!FLayerWindow) return;
    win::SetWindowPos(FLayerWindow->Handle(), nullptr, 0, 0, 0, 0,
                      win::SWP_HIDEWINDOW | win::SWP_NOACTIVATE | win::SWP_NOZORDER |
                          win::SWP_NOMOVE | win::SWP_NOSIZE);
    FLayerWindow.reset();
}

void TbsLayerManager::StartTimer() {
    FBeginAlphaBlendValue = 0;
    FTimer->SetEnabled(true);
}

void TbsLayerManager::StopTimer() {
    FTimer->SetEnabled(false);
}

void TbsLayerManager::FadeStep() {
    if (!FBmp || !FLayerWindow) return;
    FBeginAlphaBlendValue =
        std::min(FBeginAlphaBlendValue + FStepAlphaBlendValue, FEndAlphaBlendValue);
    UpdateLayerWindow(*FBmp, std::uint8_t(FBeginAlphaBlendValue), *FLayerWindow);
    if (FBeginAlphaBlendValue == FEndAlphaBlendValue) StopTimer();
}
