#include "lib/skindraw/bsImageBuilders.h"

#include "lib/skindraw/bsSlicePieces.h"
#include "platform/gfx/TBitmap.h"

void BuildHorzThreeSliceImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                              TRect SkinRect, int Width, int /*Height*/, bool stretch) {
    const TRect& f = SkinRect;
    const int w = f.Width(), h = f.Height();
    destination.SetSize(Width, h);
    if (leftWidth != 0)
        slice::Copy(destination, Rect(0, 0, leftWidth, h), picture,
                    slice::InFace(f, 0, 0, leftWidth, h));
    if (rightWidth != 0)
        slice::Copy(destination, Rect(Width - rightWidth, 0, Width, h), picture,
                    slice::InFace(f, w - rightWidth, 0, w, h));
    slice::FillAcross(destination, Rect(leftWidth, 0, Width - rightWidth, h), picture,
                      slice::InFace(f, leftWidth, 0, w - rightWidth, h), stretch);
}

void BuildVertThreeSliceImage(int topHeight, int bottomHeight, TBitmap& destination,
                              TBitmap& picture, TRect SkinRect, int /*Width*/, int Height,
                              bool stretch) {
    const TRect& f = SkinRect;
    const int w = f.Width(), h = f.Height();
    destination.SetSize(w, Height);
    if (topHeight != 0)
        slice::Copy(destination, Rect(0, 0, w, topHeight), picture,
                    slice::InFace(f, 0, 0, w, topHeight));
    if (bottomHeight != 0)
        slice::Copy(destination, Rect(0, Height - bottomHeight, w, Height), picture,
                    slice::InFace(f, 0, h - bottomHeight, w, h));
    slice::FillDown(destination, Rect(0, topHeight, w, Height - bottomHeight), picture,
                    slice::InFace(f, 0, topHeight, w, h - bottomHeight), stretch);
}

void BuildHorzTwoSliceImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                            TRect SkinRect, int Width, int /*Height*/, bool stretch) {
    const TRect& f = SkinRect;
    const int w = f.Width(), h = f.Height();
    destination.SetSize(Width, h);
    if (leftWidth != 0)
        slice::Copy(destination, Rect(0, 0, leftWidth, h), picture,
                    slice::InFace(f, 0, 0, leftWidth, h));
    slice::FillAcross(destination, Rect(leftWidth, 0, Width, h), picture,
                      slice::InFace(f, leftWidth, 0, w - rightWidth, h), stretch);
}

void BuildHorzMiddleImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                          TRect SkinRect, int Width, int /*Height*/, bool stretch) {
    const TRect& f = SkinRect;
    const int w = f.Width(), h = f.Height();
    destination.SetSize(Width, h);
    slice::FillAcross(destination, Rect(0, 0, Width, h), picture,
                      slice::InFace(f, leftWidth, 0, w - rightWidth, h), stretch);
}
