#include "lib/skindraw/bsCaptionGlyphs.h"

#include "platform/gfx/TCanvas.h"

#include <initializer_list>

namespace {

struct Line {
    int X1, Y1, X2, Y2;
};

// Lines end before their end point, so a line of no length draws nothing.
void Lines(TCanvas& canvas, int x, int y, TColor color, std::initializer_list<Line> lines) {
    canvas.Pen().SetColor(color);
    for (const Line& l : lines) {
        canvas.MoveTo(x + l.X1, y + l.Y1);
        canvas.LineTo(x + l.X2, y + l.Y2);
    }
}

void Frames(TCanvas& canvas, int x, int y, TColor color, std::initializer_list<TRect> frames) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(bsClear);
    for (const TRect& r : frames)
        canvas.Rectangle(x + r.Left, y + r.Top, x + r.Right, y + r.Bottom);
}

} // namespace

void DrawCloseGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Lines(canvas, x, y, color, { { 1, 1, 9, 9 }, { 9, 1, 1, 9 }, { 2, 1, 10, 9 }, { 8, 1, 0, 9 } });
}

void DrawSysMenuGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Frames(canvas, x, y, color, { Rect(1, 3, 9, 6) });
}

void DrawMinimizeGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Lines(canvas, x, y, color, { { 1, 8, 9, 8 }, { 1, 9, 9, 9 } });
}

void DrawMaximizeGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Frames(canvas, x, y, color, { Rect(0, 0, 11, 10), Rect(0, 0, 11, 2) });
}

void DrawRestoreGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Frames(canvas, x, y, color,
           { Rect(2, 0, 10, 6), Rect(2, 0, 10, 2), Rect(0, 4, 7, 10), Rect(0, 4, 7, 6) });
}

void DrawRollDownGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Lines(canvas, x, y, color,
          { { 5, 6, 5, 6 }, { 4, 5, 6, 5 }, { 3, 4, 7, 4 }, { 2, 3, 8, 3 }, { 1, 2, 9, 2 } });
}

void DrawRollUpGlyph(TCanvas& canvas, int x, int y, TColor color) {
    Lines(canvas, x, y, color,
          { { 1, 6, 9, 6 }, { 2, 5, 8, 5 }, { 3, 4, 7, 4 }, { 4, 3, 6, 3 }, { 5, 2, 5, 2 } });
}

void DrawMinimizeToTrayGlyph(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.Rectangle(x + 2, y + 2, x + 7, y + 7);
}
