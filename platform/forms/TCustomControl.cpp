#include "platform/forms/TCustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(win::HDC dc) {
    FCanvas.Lock();
    FCanvas.SetHandle(dc);
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
}
