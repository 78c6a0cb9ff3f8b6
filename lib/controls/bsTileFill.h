#pragma once
#include "lib/skindata/bsSkinIniValues.h"
#include "platform/gfx/TRect.h"

class TBitmap;
class TCanvas;

// Fills area of canvas with tile, as a skinned control fills its client part: unscaled copies
// laid from the area's top-left corner, one more than fits on each axis (the caller's clip cuts
// them); with stretch, the tile stretched over the whole area (bsstFull), into strips as high as
// the area repeated across it (bsstHorz), or into strips as wide as the area repeated down it
// (bsstVert). Nothing for an empty tile, nor for an empty area when stretching.
void FillWithTile(TCanvas& canvas, TBitmap& tile, const TRect& area, bool stretch,
                  TbsStretchType type);

// As FillWithTile, with part of source as the tile; nothing for an empty part.
void FillWithPart(TCanvas& canvas, TBitmap& source, const TRect& part, const TRect& area,
                  bool stretch, TbsStretchType type);
