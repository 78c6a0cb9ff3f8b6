#pragma once
#include "platform/gfx/TRect.h"

class TControl;

// What a skinned control asks of a parent that may be a tool bar: whether the bar centres its
// controls vertically, and in which area. The skinned tool bar answers it.
class IbsToolBarParent {
public:
    virtual ~IbsToolBarParent() = default;

    virtual bool AdjustControls() const = 0;
    // The bar's client area as its skin leaves it.
    virtual TRect GetSkinClientRect() = 0;
};

// The top a control of that height takes: centred in its parent's skin client area when the
// parent is a tool bar that adjusts its controls (halves truncated), else top as asked.
int ToolBarAdjustedTop(const TControl& control, int top, int height);
