#pragma once
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// Where the glyph of a button-like control sits relative to its caption.
enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The text and glyph positions of a glyph gw x gh and a text tw x th in rect. Margin -1 centres
// the pair; any other margin puts the glyph that far in from its side. Spacing (between glyph
// and text) counts as 0 without a glyph.
void CalcGlyphLayout(TbsButtonLayout Layout, const TRect& rect, int gw, int gh, int tw, int th,
                     int Spacing, int Margin, int& textX, int& textY, int& glyphX, int& glyphY);

// An image of the list and a word-wrapped caption, laid out by CalcGlyphLayout and moved 1
// right and down when pressed; with colorBar, a bar in barColor under the image, under the
// caption, or filling the rectangle when there are neither.
void DrawImageAndCaption(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                         TbsButtonLayout Layout, const std::string& Caption, int ImageIndex,
                         TCustomImageList* ImageList, bool Pressed, bool Enabled, bool ColorBar,
                         TColor BarColor);
// The same with the caption's lines left-aligned.
void DrawImageAndCaptionLeft(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                             TbsButtonLayout Layout, const std::string& Caption, int ImageIndex,
                             TCustomImageList* ImageList, bool Pressed, bool Enabled, bool ColorBar,
                             TColor BarColor);
// The same for image GlyphIndex (from 1) of a horizontal strip of NumGlyphs images.
void DrawGlyphAndCaption(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                         TbsButtonLayout Layout, const std::string& Caption, TBitmap& Glyph,
                         int NumGlyphs, int GlyphIndex, bool Pressed, bool ColorBar,
                         TColor BarColor);
