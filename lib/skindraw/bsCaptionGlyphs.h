#pragma once
#include "platform/gfx/TColor.h"

class TCanvas;

// The caption-button glyphs a form draws when its skin has no picture for them, about 11 x 10
// pixels from x, y, in the canvas's pen set to color.
void DrawCloseGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawSysMenuGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawMinimizeGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawMaximizeGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRestoreGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRollDownGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRollUpGlyph(TCanvas& canvas, int x, int y, TColor color);
// A filled 5 x 5 square at x + 2, y + 2.
void DrawMinimizeToTrayGlyph(TCanvas& canvas, int x, int y, TColor color);
