#pragma once
#include "platform/gfx/TRect.h"

// A button area of a skinned control (a scroll bar's thumb and arrows, an up-down's step
// buttons, a combo box's drop-down button): where it is in the control, whether the pointer is
// over it and whether it is held.
struct TbsCBButtonX {
    TRect R;
    bool MouseIn{ false };
    bool Down{ false };
};

// The first of count buttons under the point, -1 for none. While the button `captured` is held
// (-1: none), no other counts.
int HotButtonAt(const TbsCBButtonX* buttons, int count, const TPoint& point, int captured);
