#pragma once
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Raster.h"

// How the DC's pens and brushes become raster paints (internal to the drawing calls).
namespace win {

class BrushObject;
class PenObject;

raster::Paint BrushPaint(const DeviceContext& dc, const BrushObject* brush, int rop2);
raster::Paint PenPaint(const DeviceContext& dc, const PenObject* pen);
raster::Paint SolidPaint(COLORREF colour, int rop2 = R2_COPYPEN);

} // namespace win
