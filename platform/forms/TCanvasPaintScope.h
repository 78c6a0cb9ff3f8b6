#pragma once
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TFont.h"

// Lends a paint DC to a control's canvas, with the control's font, for one Paint; the canvas
// lets go of the DC however Paint ends, so it never keeps a DC the window system has released.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TCanvas& canvas, win::HDC dc, const TFont& font) : FCanvas(canvas) {
        FCanvas.Lock();
        FCanvas.SetHandle(dc);
        FCanvas.SetFont(font);
    }
    ~TCanvasPaintScope() {
        FCanvas.SetHandle(nullptr);
        FCanvas.Unlock();
    }
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TCanvas& FCanvas;
};
