#pragma once
#include "platform/gfx/TRect.h"

// A button area of a skinned control (an up-down's step buttons, a combo box's drop-down
// button): where it is in the control, whether the pointer is over it and whether it is held.
struct TbsCBButtonX {
    TRect R;
    bool MouseIn{ false };
    bool Down{ false };
};
