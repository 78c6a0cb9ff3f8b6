#include "lib/skindraw/bsMarks.h"

#include "platform/gfx/TCanvas.h"

namespace {

TPoint Centre(const TRect& r) {
    return Point(r.Left + (r.Right - r.Left) / 2, r.Top + (r.Bottom - r.Top) / 2);
}

void HorzRun(TCanvas& canvas, int x1, int x2, int y, TColor color) {
    for (int x = x1; x <= x2; ++x)
        canvas.SetPixels(x, y, color);
}

void VertRun(TCanvas& canvas, int x, int y1, int y2, TColor color) {
    for (int y = y1; y <= y2; ++y)
        canvas.SetPixels(x, y, color);
}

} // namespace

void DrawDottedFocusRect(TCanvas& canvas, const TRect& rect) {
    const TColor color = canvas.Font().Color();
    const TRect r(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1);
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    bool on = !(w % 2 == 0 && h % 2 == 0);
    // Each edge starts at its first corner with the decision that corner got on the previous
    // edge, then alternates up to and including its last corner.
    auto edge = [&](TPoint from, TPoint to) {
        const int dx = to.X > from.X ? 1 : to.X < from.X ? -1 : 0;
        const int dy = to.Y > from.Y ? 1 : to.Y < from.Y ? -1 : 0;
        TPoint p = from;
        for (;;) {
            if (on) canvas.SetPixels(p.X, p.Y, color);
            if (p == to) break;
            p = Point(p.X + dx, p.Y + dy);
            on = !on;
        }
    };
    edge(Point(r.Left, r.Top), Point(r.Right, r.Top));
    edge(Point(r.Right, r.Top), Point(r.Right, r.Bottom));
    edge(Point(r.Right, r.Bottom), Point(r.Left, r.Bottom));
    edge(Point(r.Left, r.Bottom), Point(r.Left, r.Top));
}

void DrawDropDownMark(TCanvas& canvas, const TRect& rect, TColor color) {
    const TPoint c = Centre(rect);
    HorzRun(canvas, c.X - 2, c.X + 2, c.Y, color);
    HorzRun(canvas, c.X - 1, c.X + 1, c.Y + 1, color);
    HorzRun(canvas, c.X, c.X, c.Y + 2, color);
}

void DrawArrowMark(TCanvas& canvas, const TRect& rect, TColor color, int direction) {
    const TPoint c = Centre(rect);
    for (int i = 0; i < 4; ++i) {
        // Run i has 2i + 1 pixels, counted from the arrow's tip.
        switch (direction) {
        case 1:
            VertRun(canvas, c.X - 2 + i, c.Y - i, c.Y + i, color);
            break;
        case 2:
            VertRun(canvas, c.X + 2 - i, c.Y - i, c.Y + i, color);
            break;
        case 3:
            HorzRun(canvas, c.X - i, c.X + i, c.Y - 2 + i, color);
            break;
        case 4:
            HorzRun(canvas, c.X - i, c.X + i, c.Y + 2 - i, color);
            break;
        default:
            return;
        }
    }
}

void DrawRadioDot(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Rectangle(x, y, x + 6, y + 6);
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color) {
    canvas.Pen().SetColor(color);
    for (int i = 0; i < 3; ++i) {
        const TPoint stroke[] = { Point(x, y + 5 - i), Point(x + 2, y + 7 - i),
                                  Point(x + 7, y + 2 - i) };
        canvas.Polyline(stroke);
    }
}
