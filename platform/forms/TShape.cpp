#include "platform/forms/TShape.h"
#include <algorithm>

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Exclude(csSetCaption);
    FWidth = 65;
    FHeight = 65;
    FPen.OnChange = [this](TGraphicsObject*) { Invalidate(); };
    FBrush.OnChange = [this](TGraphicsObject*) { Invalidate(); };
}

TShape::~TShape() {
    FPen.OnChange = nullptr;
    FBrush.OnChange = nullptr;
}

void TShape::SetShape(TShapeType value) {
    if (FShape == value) return;
    FShape = value;
    Invalidate();
}

TRect TShape::FigureRect() const {
    const int pen = FPen.Width();
    int x = pen / 2;
    int y = x;
    int w = FWidth - pen + 1;
    int h = FHeight - pen + 1;
    if (pen == 0) {
        --w;
        --h;
    }
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    return TRect(x, y, x + w, y + h);
}

void TShape::Paint() {
    TCanvas& canvas = Canvas();
    canvas.SetPen(FPen);
    canvas.SetBrush(FBrush);
    const TRect r = FigureRect();
    switch (FShape) {
    case stRectangle:
    case stSquare:
        canvas.Rectangle(r);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const int corner = std::min(r.Width(), r.Height()) / 4;
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
        break;
    }
    case stEllipse:
    case stCircle:
        canvas.Ellipse(r);
        break;
    }
}
