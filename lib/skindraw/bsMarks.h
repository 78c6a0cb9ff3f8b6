#pragma once
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

class TCanvas;

// Small vector marks of the skinned controls, pixel for pixel. CX, CY below are the centre of
// the rectangle: Left + width div 2, Top + height div 2.

// A dotted outline of rect (right and bottom 1 in) in the font colour: every other pixel, the
// pattern running on around the corners.
void DrawDottedFocusRect(TCanvas& canvas, const TRect& rect);
// A downward triangle of 5, 3 and 1 pixels from row CY.
void DrawDropDownMark(TCanvas& canvas, const TRect& rect, TColor color);
// A filled triangle of 1, 3, 5 and 7 pixels pointing left (1), right (2), up (3) or down (4);
// any other direction draws nothing.
void DrawArrowMark(TCanvas& canvas, const TRect& rect, TColor color, int direction);
// A filled 6 x 6 square at x, y.
void DrawRadioDot(TCanvas& canvas, int x, int y, TColor color);
// A check stroke 3 pixels thick, its top-left at x, y.
void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color);
