#include "lib/frame/TbsClientInActivePanel.h"

#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsStackBlur.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

using namespace win;

namespace {

// The veil's opacity over the captured client area.
constexpr std::uint8_t kVeilAlpha = 170;

} // namespace

TbsClientInActivePanel::TbsClientInActivePanel(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
}

TbsClientInActivePanel::~TbsClientInActivePanel() = default;

void TbsClientInActivePanel::ShowPanel(TCustomForm* form, TbsClientInActiveEffect effect) {
    if (!form || !form->Visible() || !form->HandleAllocated()) return;
    const int w = form->ClientWidth(), h = form->ClientHeight();
    if (w <= 0 || h <= 0) return;
    SetVisible(false);
    SetParent(form);
    SetBounds(0, 0, w, h);
    FBuffer = std::make_unique<TbsBitmap>();
    FBuffer->SetSize(w, h);
    const HWND hwnd = form->Handle();
    const HDC dc = GetDC(hwnd);
    BitBlt(FBuffer->DC(), 0, 0, w, h, dc, Left(), Top(), SRCCOPY);
    ReleaseDC(hwnd, dc);
    if (effect == bsieBlur) {
        StackBlur(*FBuffer, 3);
    } else {
        TbsBitmap veil;
        veil.SetSize(w, h);
        SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(veil.DC()), 0);
        veil.SetAlpha(kVeilAlpha);
        veil.SetAlphaBlend(true);
        veil.Draw(*FBuffer, 0, 0);
    }
    SetVisible(true);
    BringToFront();
}

void TbsClientInActivePanel::HidePanel() {
    SetVisible(false);
    FBuffer.reset();
}

void TbsClientInActivePanel::Paint() {
    if (FBuffer) FBuffer->Draw(Canvas(), 0, 0);
}
