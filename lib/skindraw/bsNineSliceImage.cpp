#include "lib/skindraw/bsImageBuilders.h"

#include "lib/skindraw/bsSlicePieces.h"
#include "platform/gfx/TBitmap.h"

namespace {

// The face geometry and its resized twin, gathered once so the pieces read like their table.
struct NineSlice {
    TPoint LT, RT, LB, RB;
    TRect Cl;
    TPoint NewLT, NewRT, NewLB, NewRB;
    TRect NewCl;
    TRect Face;
    int Width, Height;

    int W() const { return Face.Width(); }
    int H() const { return Face.Height(); }
    TRect Src(int l, int t, int r, int b) const { return slice::InFace(Face, l, t, r, b); }
};

// The client scaled as StretchType says: whole, or scaled along one axis and laid side by side
// (bsstHorz) or one below the other (bsstVert), the last copy cut at the client's edge.
void DrawStretchedClient(TBitmap& dest, TBitmap& picture, const TRect& from, const TRect& to,
                         TbsStretchType type) {
    if (to.IsEmpty() || from.IsEmpty()) return;
    if (type == bsstFull) {
        slice::Copy(dest, to, picture, from);
        return;
    }
    TBitmap scaled;
    if (type == bsstHorz) {
        slice::MakeScratch(scaled, picture, from.Width(), to.Height());
        slice::Copy(scaled, Rect(0, 0, from.Width(), to.Height()), picture, from);
        slice::TileAcross(dest, to, scaled, Rect(0, 0, from.Width(), to.Height()));
    } else {
        slice::MakeScratch(scaled, picture, to.Width(), from.Height());
        slice::Copy(scaled, Rect(0, 0, to.Width(), from.Height()), picture, from);
        slice::TileDown(dest, to, scaled, Rect(0, 0, to.Width(), from.Height()));
    }
}

void DrawClient(const NineSlice& g, TBitmap& dest, TBitmap& picture, const TRect& to,
                bool stretchEffect, TbsStretchType type) {
    const TRect from = g.Src(g.Cl.Left, g.Cl.Top, g.Cl.Right, g.Cl.Bottom);
    if (stretchEffect)
        DrawStretchedClient(dest, picture, from, to, type);
    else
        slice::TileBoth(dest, to, picture, from);
}

bool Drawable(const NineSlice& g, const TBitmap& picture) {
    return g.RB.X != g.LT.X && g.RB.Y != g.LT.Y && !picture.Empty();
}

} // namespace

void BuildNineSliceImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                         TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                         TRect NewClRect, TBitmap& destination, TBitmap& picture, TRect SkinRect,
                         int Width, int Height, bool drawClient, bool LeftStretch, bool TopStretch,
                         bool RightStretch, bool BottomStretch, bool StretchEffect,
                         TbsStretchType StretchType) {
    const NineSlice g{ LTPt,       RTPt,       LBPt,      RBPt,     ClRect, NewLTPoint, NewRTPoint,
                       NewLBPoint, NewRBPoint, NewClRect, SkinRect, Width,  Height };
    destination.SetSize(Width, Height);
    if (!Drawable(g, picture)) return;
    const int W = g.W(), H = g.H();
    TBitmap& d = destination;

    // Edges.
    slice::FillAcross(d, Rect(NewLTPoint.X, 0, NewRTPoint.X, NewClRect.Top), picture,
                      g.Src(LTPt.X, 0, RTPt.X, ClRect.Top), TopStretch);
    slice::FillAcross(d, Rect(NewLBPoint.X, NewClRect.Bottom, NewRBPoint.X, Height), picture,
                      g.Src(LBPt.X, ClRect.Bottom, RBPt.X, H), BottomStretch);
    slice::FillDown(d, Rect(0, NewLTPoint.Y, NewClRect.Left, NewLBPoint.Y), picture,
                    g.Src(0, LTPt.Y, ClRect.Left, LBPt.Y), LeftStretch);
    slice::FillDown(d, Rect(NewClRect.Right, NewRTPoint.Y, Width, NewRBPoint.Y), picture,
                    g.Src(ClRect.Right, RTPt.Y, W, RBPt.Y), RightStretch);

    // Corner pieces 1 to 8: each corner is L-shaped, an upper (lower) part and a side part.
    slice::Copy(d, Rect(0, 0, NewLTPoint.X, NewClRect.Top), picture,
                g.Src(0, 0, LTPt.X, ClRect.Top));
    slice::Copy(d, Rect(0, NewClRect.Top, NewClRect.Left, NewLTPoint.Y), picture,
                g.Src(0, ClRect.Top, ClRect.Left, LTPt.Y));
    slice::Copy(d, Rect(NewRTPoint.X, 0, Width, NewClRect.Top), picture,
                g.Src(RTPt.X, 0, W, ClRect.Top));
    slice::Copy(d, Rect(NewClRect.Right, NewClRect.Top, Width, NewRTPoint.Y), picture,
                g.Src(ClRect.Right, ClRect.Top, W, RTPt.Y));
    slice::Copy(d, Rect(0, NewLBPoint.Y, NewClRect.Left, Height), picture,
                g.Src(0, LBPt.Y, ClRect.Left, H));
    slice::Copy(d, Rect(NewClRect.Left, NewClRect.Bottom, NewLBPoint.X, Height), picture,
                g.Src(ClRect.Left, ClRect.Bottom, LBPt.X, H));
    slice::Copy(d, Rect(NewRBPoint.X, NewClRect.Bottom, Width, Height), picture,
                g.Src(RBPt.X, ClRect.Bottom, W, H));
    slice::Copy(d, Rect(NewClRect.Right, NewRBPoint.Y, Width, NewClRect.Bottom), picture,
                g.Src(ClRect.Right, RBPt.Y, W, ClRect.Bottom));

    if (drawClient) DrawClient(g, d, picture, NewClRect, StretchEffect, StretchType);
}

void BuildNineSliceImage2(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                          TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                          TPoint NewRBPoint, TRect NewClRect, TBitmap& destination,
                          TBitmap& picture, TRect SkinRect, int Width, int Height, bool drawClient,
                          bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                          bool StretchEffect, TbsStretchType StretchType) {
    BuildNineSliceImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                        NewRBPoint, NewClRect, destination, picture, SkinRect, Width, Height,
                        drawClient, LeftStretch, TopStretch, RightStretch, BottomStretch,
                        StretchEffect, StretchType);
}

void BuildSixSliceImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                        TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                        TRect NewClRect, TBitmap& destination, TBitmap& picture, TRect SkinRect,
                        int Width, int Height, bool drawClient, bool LeftStretch, bool TopStretch,
                        bool /*RightStretch*/, bool BottomStretch, bool StretchEffect,
                        TbsStretchType StretchType) {
    const NineSlice g{ LTPt,       RTPt,       LBPt,      RBPt,     ClRect, NewLTPoint, NewRTPoint,
                       NewLBPoint, NewRBPoint, NewClRect, SkinRect, Width,  Height };
    destination.SetSize(Width, Height);
    if (!Drawable(g, picture)) return;
    const int H = g.H();
    TBitmap& d = destination;

    slice::FillAcross(d, Rect(NewLTPoint.X, 0, Width, NewClRect.Top), picture,
                      g.Src(LTPt.X, 0, RTPt.X, ClRect.Top), TopStretch);
    slice::FillAcross(d, Rect(NewLBPoint.X, NewClRect.Bottom, Width, Height), picture,
                      g.Src(LBPt.X, ClRect.Bottom, RBPt.X, H), BottomStretch);
    slice::FillDown(d, Rect(0, NewLTPoint.Y, NewClRect.Left, NewLBPoint.Y), picture,
                    g.Src(0, LTPt.Y, ClRect.Left, LBPt.Y), LeftStretch);

    slice::Copy(d, Rect(0, 0, NewLTPoint.X, NewClRect.Top), picture,
                g.Src(0, 0, LTPt.X, ClRect.Top));
    slice::Copy(d, Rect(0, NewClRect.Top, NewClRect.Left, NewLTPoint.Y), picture,
                g.Src(0, ClRect.Top, ClRect.Left, LTPt.Y));
    slice::Copy(d, Rect(0, NewLBPoint.Y, NewClRect.Left, Height), picture,
                g.Src(0, LBPt.Y, ClRect.Left, H));
    slice::Copy(d, Rect(NewClRect.Left, NewClRect.Bottom, NewLBPoint.X, Height), picture,
                g.Src(ClRect.Left, ClRect.Bottom, LBPt.X, H));

    if (drawClient) {
        const TRect client(NewClRect.Left, NewClRect.Top, Width, NewClRect.Bottom);
        DrawClient(g, d, picture, client, StretchEffect, StretchType);
    }
}

void StretchSkinImage(TBitmap& destination, TBitmap& picture, TRect SkinRect, TRect clientRect,
                      bool drawClient) {
    const int width = destination.Width(), height = destination.Height();
    const TRect& c = clientRect;
    const TRect newClient(c.Left, c.Top, c.Right + width - SkinRect.Width(),
                          c.Bottom + height - SkinRect.Height());
    const TRect& n = newClient;
    BuildNineSliceImage(Point(c.Left, c.Top), Point(c.Right, c.Top), Point(c.Left, c.Bottom),
                        Point(c.Right, c.Bottom), c, Point(n.Left, n.Top), Point(n.Right, n.Top),
                        Point(n.Left, n.Bottom), Point(n.Right, n.Bottom), n, destination, picture,
                        SkinRect, width, height, drawClient, true, true, true, true, true,
                        bsstFull);
}
