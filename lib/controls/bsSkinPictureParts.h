#pragma once
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <string>

class TBitmap;
class TCanvas;
class TbsSkinData;

// Draws the part source of a skin picture at x, y, cut into a bitmap of its own that leaves
// out the colour of its lower-left pixel: check images and glyphs are drawn on a key colour.
// Nothing for an empty part or no picture.
void DrawPicturePart(TCanvas& canvas, int x, int y, TBitmap* picture, const TRect& source);

// The font a skinned caption is drawn in: the record's name, height and style when
// useSkinFont, else defaultFont; the charset of the skin's string table when it has one, else
// defaultFont's.
void ChooseSkinFont(TFont& font, const TbsSkinData* skin, const TFont& defaultFont,
                    bool useSkinFont, const std::string& name, int height, TFontStyles style);
