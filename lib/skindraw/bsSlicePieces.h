#pragma once
#include "platform/gfx/TRect.h"

class TBitmap;

// The two ways the image builders fill a destination strip from a source strip, and the 1:1
// piece copy. Every function leaves the destination alone when either rectangle is empty, so
// that faces with degenerate guides (a zero-length edge, a client of no width) draw nothing
// there instead of dividing by that length or mirroring a negative rectangle.
namespace slice {

// The rectangle (left, top, right, bottom) of the face `face`, given relative to its corner.
TRect InFace(const TRect& face, int left, int top, int right, int bottom);

// Source onto destination, scaled when the two differ in size.
void Copy(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from);
// Unscaled copies laid left to right from to.Left, the last one cut at to.Right; each copy is
// cut to the smaller of the two heights.
void TileAcross(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from);
// The same downwards from to.Top.
void TileDown(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from);
// Column by column from to's top-left corner, within a column row by row.
void TileBoth(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from);

// Stretched or tiled along the strip's long axis.
inline void FillAcross(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from,
                       bool stretch) {
    stretch ? Copy(dest, to, source, from) : TileAcross(dest, to, source, from);
}
inline void FillDown(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from,
                     bool stretch) {
    stretch ? Copy(dest, to, source, from) : TileDown(dest, to, source, from);
}

// A bitmap for an intermediate copy of the picture's pixels, sized width x height: 32 bits for
// a 32-bit picture (so its alpha survives), 24 bits otherwise.
void MakeScratch(TBitmap& scratch, const TBitmap& like, int width, int height);

} // namespace slice
