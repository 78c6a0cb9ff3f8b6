#include "lib/skindraw/bsImageBuilders.h"

#include "lib/skindraw/bsSlicePieces.h"
#include "platform/gfx/TBitmap.h"

void BuildNineSliceBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                           TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                           TPoint NewRBPoint, TRect NewClRect, TBitmap& leftStrip,
                           TBitmap& topStrip, TBitmap& rightStrip, TBitmap& bottomStrip,
                           TBitmap& picture, TRect SkinRect, int Width, int Height,
                           bool LeftStretch, bool TopStretch, bool RightStretch,
                           bool BottomStretch) {
    const TRect& f = SkinRect;
    const int W = f.Width(), H = f.Height();

    const int topHeight = NewClRect.Top;
    if (Width > 0 && topHeight > 0 && RTPt.X > LTPt.X) {
        topStrip.SetSize(Width, topHeight);
        const TRect middle = slice::InFace(f, LTPt.X, 0, RTPt.X, topHeight);
        if (TopStretch)
            slice::Copy(topStrip, Rect(NewLTPoint.X, 0, NewRTPoint.X, topHeight), picture, middle);
        else
            slice::TileAcross(topStrip, Rect(0, 0, Width, topHeight), picture, middle);
        slice::Copy(topStrip, Rect(0, 0, NewLTPoint.X, topHeight), picture,
                    slice::InFace(f, 0, 0, LTPt.X, topHeight));
        slice::Copy(topStrip, Rect(NewRTPoint.X, 0, Width, topHeight), picture,
                    slice::InFace(f, RTPt.X, 0, W, topHeight));
    }

    const int bottomHeight = Height - NewClRect.Bottom;
    if (Width > 0 && bottomHeight > 0 && RBPt.X > LBPt.X) {
        bottomStrip.SetSize(Width, bottomHeight);
        const int top = H - bottomHeight;
        const TRect middle = slice::InFace(f, LBPt.X, top, RBPt.X, H);
        if (BottomStretch)
            slice::Copy(bottomStrip, Rect(NewLBPoint.X, 0, NewRBPoint.X, bottomHeight), picture,
                        middle);
        else
            slice::TileAcross(bottomStrip, Rect(0, 0, Width, bottomHeight), picture, middle);
        slice::Copy(bottomStrip, Rect(0, 0, NewLBPoint.X, bottomHeight), picture,
                    slice::InFace(f, 0, top, LBPt.X, H));
        slice::Copy(bottomStrip, Rect(NewRBPoint.X, 0, Width, bottomHeight), picture,
                    slice::InFace(f, RBPt.X, top, W, H));
    }

    // The sides fill what the top and bottom strips, as they now stand, leave over.
    const int sideHeight = Height - bottomStrip.Height() - topStrip.Height();

    // One side strip from the face's columns left to right: its middle rows between the two
    // guides, then the fixed rows above and below them (between the client's top or bottom
    // and the guide).
    auto side = [&](TBitmap& strip, int width, int left, int right, int upper, int lower,
                    bool stretch) {
        strip.SetSize(width, sideHeight);
        const int above = upper - ClRect.Top, below = ClRect.Bottom - lower;
        const TRect middle = slice::InFace(f, left, upper, right, lower);
        if (stretch)
            slice::Copy(strip, Rect(0, above, width, sideHeight - below), picture, middle);
        else
            slice::TileDown(strip, Rect(0, 0, width, sideHeight), picture, middle);
        if (above > 0)
            slice::Copy(strip, Rect(0, 0, width, above), picture,
                        slice::InFace(f, left, ClRect.Top, right, upper));
        if (below > 0)
            slice::Copy(strip, Rect(0, sideHeight - below, width, sideHeight), picture,
                        slice::InFace(f, left, lower, right, ClRect.Bottom));
    };
    if (NewClRect.Left > 0 && sideHeight > 0 && LBPt.Y > LTPt.Y)
        side(leftStrip, NewClRect.Left, 0, NewClRect.Left, LTPt.Y, LBPt.Y, LeftStretch);
    if (Width - NewClRect.Right >= 1 && sideHeight >= 1 && RBPt.Y > RTPt.Y)
        side(rightStrip, Width - NewClRect.Right, ClRect.Right, W, RTPt.Y, RBPt.Y, RightStretch);
}

void BuildNineSliceMaskBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                               TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                               TPoint NewRBPoint, TRect NewClRect, TBitmap& mask, TBitmap& topStrip,
                               TBitmap& leftStrip, TBitmap& rightStrip, TBitmap& bottomStrip,
                               int Width, int /*Height*/) {
    const TRect f(0, 0, mask.Width(), mask.Height());
    const int W = f.Width(), H = f.Height();
    const int sideHeight = NewClRect.Height();

    auto side = [&](TBitmap& strip, int left, int right, int upper, int lower) {
        const int width = right - left;
        strip.SetSize(width, sideHeight);
        slice::TileDown(strip, Rect(0, 0, width, sideHeight), mask,
                        Rect(left, upper, right, lower));
        slice::Copy(strip, Rect(0, 0, width, upper - ClRect.Top), mask,
                    Rect(left, ClRect.Top, right, upper));
        const int below = ClRect.Bottom - lower;
        slice::Copy(strip, Rect(0, sideHeight - below, width, sideHeight), mask,
                    Rect(left, lower, right, ClRect.Bottom));
    };
    if (ClRect.Left > 0 && sideHeight > 0) side(leftStrip, 0, ClRect.Left, LTPt.Y, LBPt.Y);
    if (W - ClRect.Right > 0 && sideHeight > 0) side(rightStrip, ClRect.Right, W, RTPt.Y, RBPt.Y);

    auto across = [&](TBitmap& strip, int top, int bottom, TPoint leftPt, TPoint rightPt,
                      TPoint newLeft, TPoint newRight) {
        const int height = bottom - top;
        strip.SetSize(Width, height);
        slice::TileAcross(strip, Rect(newLeft.X, 0, newRight.X, height), mask,
                          Rect(leftPt.X, top, rightPt.X, bottom));
        slice::Copy(strip, Rect(0, 0, leftPt.X, height), mask, Rect(0, top, leftPt.X, bottom));
        slice::Copy(strip, Rect(newRight.X, 0, Width, height), mask,
                    Rect(rightPt.X, top, W, bottom));
    };
    if (Width > 0 && ClRect.Top > 0)
        across(topStrip, 0, ClRect.Top, LTPt, RTPt, NewLTPoint, NewRTPoint);
    if (Width >= 1 && H - ClRect.Bottom >= 1)
        across(bottomStrip, ClRect.Bottom, H, LBPt, RBPt, NewLBPoint, NewRBPoint);
}
