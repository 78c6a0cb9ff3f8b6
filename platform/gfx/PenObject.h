#pragma once
#include "platform/gfx/GdiStructs.h"

namespace win {

// The object behind an HPEN.
class PenObject : public GdiObject {
public:
    explicit PenObject(const LOGPEN& pen) : GdiObject(OBJ_PEN), FPen(pen) {}

    const LOGPEN& Pen() const { return FPen; }
    UINT Style() const { return FPen.lopnStyle & PS_STYLE_MASK; }
    // Width in pixels; 0 and 1 both draw one pixel wide.
    int Width() const { return FPen.lopnWidth.x < 1 ? 1 : FPen.lopnWidth.x; }
    bool IsNull() const { return Style() == PS_NULL; }

    int GetObjectInfo(int size, void* buffer) const override;

private:
    LOGPEN FPen;
};

} // namespace win
