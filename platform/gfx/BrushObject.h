#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Surface.h"

namespace win {

// The object behind an HBRUSH: solid, null, hatched or a pattern. A pattern brush keeps its own
// copy of the bitmap's pixels, so the bitmap may be deleted afterwards (as GDI allows). A
// monochrome pattern draws its 0 bits in the DC's text colour and its 1 bits in the background
// colour.
class BrushObject : public GdiObject {
public:
    explicit BrushObject(const LOGBRUSH& brush) : GdiObject(OBJ_BRUSH), FBrush(brush) {}
    BrushObject(gfx::Surface pattern, bool monochrome);

    const LOGBRUSH& Brush() const { return FBrush; }
    bool IsNull() const { return FBrush.lbStyle == BS_NULL; }
    const gfx::Surface& Pattern() const { return FPattern; }
    bool MonochromePattern() const { return FMonochrome; }

    int GetObjectInfo(int size, void* buffer) const override;

private:
    LOGBRUSH FBrush;
    gfx::Surface FPattern;
    bool FMonochrome{ false };
};

} // namespace win
