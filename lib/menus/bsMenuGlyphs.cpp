#include "lib/menus/bsMenuGlyphs.h"
#include "platform/gfx/TCanvas.h"

void DrawMenuCheckImage(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(x, y + 5 - i);
        canvas.LineTo(x + 2, y + 7 - i);
        canvas.LineTo(x + 7, y + 2 - i);
    }
}

void DrawMenuArrowImage(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    for (int i = 0; i < 4; ++i) {
        canvas.MoveTo(x + i, y + i);
        canvas.LineTo(x + i, y + 7 - i);
    }
}

void DrawMenuRadioImage(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.Ellipse(x, y, x + 6, y + 6);
}
