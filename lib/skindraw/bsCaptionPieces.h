#pragma once
#include "lib/skindraw/bsGlyphLayout.h"

#include <string>

// The steps the image-and-caption painters share.
namespace caption {

// The caption's size when wrapped in rect less the glyph's room; 0 x 0 for no caption.
TSize Measure(TCanvas& canvas, const TRect& rect, TbsButtonLayout layout, int gw, int gh,
              const std::string& text);
// The caption in (x, y, x + size.cx + 2, y + size.cy), centred on its lines unless left.
void Draw(TCanvas& canvas, int x, int y, TSize size, const std::string& text, bool left);
// Three horizontal lines from x1 to x2 (excluded) at rows y, y + 1, y + 2.
void Bars(TCanvas& canvas, int x1, int x2, int y, TColor color);
// A solid rectangle in color.
void Block(TCanvas& canvas, const TRect& rect, TColor color);

} // namespace caption
