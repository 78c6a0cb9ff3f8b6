#include "platform/forms/TCustomControl.h"

#include "platform/forms/TCanvasPaintScope.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(win::HDC dc) {
    TCanvasPaintScope scope(FCanvas, dc, Font());
    Paint();
}
