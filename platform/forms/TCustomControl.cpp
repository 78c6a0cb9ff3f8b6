#include "platform/forms/TCustomControl.h"

#include "platform/forms/TCanvasPaintScope.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    FCanvas.SetControl(this);
    FCanvas.SetFont(Font());
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::WndProc(TMessage& message) {
    if (message.Msg == CM_FONTCHANGED) FCanvas.SetFont(Font());
    TWinControl::WndProc(message);
}

void TCustomControl::PaintWindow(win::HDC dc) {
    // A DC fetched for drawing outside Paint makes way for the paint DC.
    FCanvas.FreeHandle();
    TCanvasPaintScope scope(FCanvas, dc, Font());
    Paint();
}
