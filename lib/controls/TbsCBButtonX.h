#pragma once
#include "platform/gfx/TRect.h"

// A button area of a control (a drop-down button, a step button, an edit's image button): where
// it lies, whether the pointer is over it and whether it is held down.
struct TbsCBButtonX {
    TRect R;
    bool MouseIn{ false };
    bool Down{ false };
};
