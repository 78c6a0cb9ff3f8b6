#pragma once
#include "lib/skindata/bsSkinIniValues.h"
#include "platform/gfx/TRect.h"

class TBitmap;
class TCanvas;

// Builders that turn a face of a skin picture (the rectangle SkinRect) into a bitmap of any
// size. Guide points and the client rectangle of the face are relative to SkinRect's top-left
// corner; the New... geometry is in the destination's coordinates (left and top borders keep
// their size, the right and bottom ones move with the size difference). Stretched strips are
// scaled whole into their destination; tiled strips are laid unscaled from the strip's start,
// the last copy cut at its end. A strip, edge, middle or client whose source or destination
// has no length is left undrawn. The builders keep no state and never change the picture.

// The nine-slice face at Width x Height: four edges, eight L-shaped corner pieces (later ones
// cover earlier ones), and the client when drawClient is set (tiled, or with stretchEffect
// scaled as stretchType says). Nothing is drawn when RBPt.X = LTPt.X, RBPt.Y = LTPt.Y or the
// picture is empty; the destination still takes the size.
void BuildNineSliceImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                         TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                         TRect NewClRect, TBitmap& destination, TBitmap& picture, TRect SkinRect,
                         int Width, int Height, bool drawClient, bool LeftStretch, bool TopStretch,
                         bool RightStretch, bool BottomStretch, bool StretchEffect,
                         TbsStretchType StretchType);
// The entry the popup-menu, image-menu and hint windows use; the same pixels.
void BuildNineSliceImage2(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                          TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                          TPoint NewRBPoint, TRect NewClRect, TBitmap& destination,
                          TBitmap& picture, TRect SkinRect, int Width, int Height, bool drawClient,
                          bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                          bool StretchEffect, TbsStretchType StretchType);
// A face without a right column: top and bottom edges and the client run to the destination's
// right border; only corners 1, 2, 5 and 6. RightStretch is not used.
void BuildSixSliceImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                        TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                        TRect NewClRect, TBitmap& destination, TBitmap& picture, TRect SkinRect,
                        int Width, int Height, bool drawClient, bool LeftStretch, bool TopStretch,
                        bool RightStretch, bool BottomStretch, bool StretchEffect,
                        TbsStretchType StretchType);

// Fixed left and right parts, the middle grown to Width; as high as SkinRect (Height unused).
// Where the parts overlap, the right one wins.
void BuildHorzThreeSliceImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                              TRect SkinRect, int Width, int Height, bool stretch);
// Fixed top and bottom parts, the middle grown to Height; as wide as SkinRect (Width unused).
void BuildVertThreeSliceImage(int topHeight, int bottomHeight, TBitmap& destination,
                              TBitmap& picture, TRect SkinRect, int Width, int Height,
                              bool stretch);
// The left part, then the middle up to the right border; the face's right part is not drawn.
void BuildHorzTwoSliceImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                            TRect SkinRect, int Width, int Height, bool stretch);
// Only the middle (the face without its left and right parts) over the whole width.
void BuildHorzMiddleImage(int leftWidth, int rightWidth, TBitmap& destination, TBitmap& picture,
                          TRect SkinRect, int Width, int Height, bool stretch);

// The face at the destination's present size, guided by the client rectangle alone: plain
// rectangular corners, every edge and the client stretched.
void StretchSkinImage(TBitmap& destination, TBitmap& picture, TRect SkinRect, TRect clientRect,
                      bool drawClient);

// The frame of the face at the new size as four bitmaps; the side strips cover the rows
// NewClRect.Top to NewClRect.Bottom. A strip whose face part is empty is left as given.
// Note the strip order: left, top, right, bottom.
void BuildNineSliceBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                           TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                           TPoint NewRBPoint, TRect NewClRect, TBitmap& leftStrip,
                           TBitmap& topStrip, TBitmap& rightStrip, TBitmap& bottomStrip,
                           TBitmap& picture, TRect SkinRect, int Width, int Height,
                           bool LeftStretch, bool TopStretch, bool RightStretch,
                           bool BottomStretch);
// The same four strips cut from a mask whose whole extent is the face, always tiled. Note the
// strip order: top, left, right, bottom. Height is not used.
void BuildNineSliceMaskBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect,
                               TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint,
                               TPoint NewRBPoint, TRect NewClRect, TBitmap& mask, TBitmap& topStrip,
                               TBitmap& leftStrip, TBitmap& rightStrip, TBitmap& bottomStrip,
                               int Width, int Height);

// Image `index` (counted from 1) of a horizontal strip of numGlyphs equal images, drawn at
// x, y with its bottom-left pixel's colour left out. Nothing for an empty strip, numGlyphs
// below 1 or an index outside 1..numGlyphs.
void DrawStripGlyph(TCanvas& canvas, int x, int y, TBitmap& glyph, int numGlyphs, int index);
