#include "platform/forms/TBevel.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Exclude(csOpaque);
    FWidth = 50;
    FHeight = 50;
}

TBevel::~TBevel() = default;

void TBevel::SetShape(TBevelShape value) {
    if (FShape == value) return;
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& canvas = Canvas();
    const TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = FWidth;
    const int h = FHeight;
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Pen().SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    // A line is a dark stroke with a light one beside it, which reads as a groove or a ridge.
    switch (FShape) {
    case bsBox:
        line(dark, 0, h - 1, 0, 0);
        line(dark, 0, 0, w, 0);
        line(light, w - 1, 0, w - 1, h - 1);
        line(light, w - 1, h - 1, -1, h - 1);
        break;
    case bsFrame:
        canvas.Brush().SetStyle(bsClear);
        canvas.Pen().SetColor(dark);
        canvas.Rectangle(0, 0, w - 1, h - 1);
        canvas.Pen().SetColor(light);
        canvas.Rectangle(1, 1, w, h);
        break;
    case bsTopLine:
        line(dark, 0, 0, w, 0);
        line(light, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(dark, 0, h - 2, w, h - 2);
        line(light, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(dark, 0, 0, 0, h);
        line(light, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(dark, w - 2, 0, w - 2, h);
        line(light, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
