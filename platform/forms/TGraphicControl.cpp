#include "platform/forms/TGraphicControl.h"

#include "platform/forms/TCanvasPaintScope.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_PAINT && message.WParam) {
        TCanvasPaintScope scope(FCanvas, reinterpret_cast<win::HDC>(message.WParam), Font());
        Paint();
        return;
    }
    TControl::WndProc(message);
}
