#include "lib/frame/bsPlainButtonFace.h"

#include "platform/gfx/TCanvas.h"

void DrawPlainButtonFace(TCanvas& canvas, const TRect& r, bool pressed, bool highlighted) {
    if (pressed || highlighted) {
        canvas.Brush().SetColor(TColor(0x800000));
        canvas.FillRect(r);
        canvas.Brush().SetColor(TColor(pressed ? 0xB59385 : 0xD2BDB6));
        canvas.FillRect(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    } else {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
    }
}
