#include "platform/forms/TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_PAINT && message.WParam) {
        FCanvas.Lock();
        FCanvas.SetHandle(reinterpret_cast<win::HDC>(message.WParam));
        FCanvas.SetFont(Font());
        try {
            Paint();
        } catch (...) {
            FCanvas.SetHandle(nullptr);
            FCanvas.Unlock();
            throw;
        }
        FCanvas.SetHandle(nullptr);
        FCanvas.Unlock();
        return;
    }
    TControl::WndProc(message);
}
