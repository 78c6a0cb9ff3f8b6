#pragma once
#include "platform/gfx/TColor.h"

class TCanvas;

// The small marks of menu rows drawn without skin pictures, in the canvas's pen (and, for the
// radio mark, brush) set to color; x, y is the mark's top-left corner.

// A check stroke 3 pixels thick, about 8 x 8.
void DrawMenuCheckImage(TCanvas& canvas, int x, int y, TColor color);
// A right-pointing triangle 4 pixels wide and 7 high: a row's submenu arrow.
void DrawMenuArrowImage(TCanvas& canvas, int x, int y, TColor color);
// A filled circle in the 6 x 6 square.
void DrawMenuRadioImage(TCanvas& canvas, int x, int y, TColor color);
