#pragma once
#include "platform/forms/TGraphicControl.h"
#include "platform/gfx/TBrush.h"
#include "platform/gfx/TPen.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A rectangle, square, rounded box, ellipse or circle outlined with Pen and filled with Brush;
// the square and circle kinds are centred in the control.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);
    ~TShape() override;

    std::string ClassName() const override { return "TShape"; }

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    // Where the figure is drawn: the control less half the pen, squared for the square kinds.
    TRect FigureRect() const;

protected:
    void Paint() override;

private:
    TShapeType FShape{ stRectangle };
    TPen FPen;
    TBrush FBrush;
};
