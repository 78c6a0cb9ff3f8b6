#include "lib/controls/IbsToolBarParent.h"

#include "platform/forms/TWinControl.h"

int ToolBarAdjustedTop(const TControl& control, int top, int height) {
    auto* bar = dynamic_cast<IbsToolBarParent*>(control.Parent());
    if (!bar || !bar->AdjustControls()) return top;
    const TRect area = bar->GetSkinClientRect();
    return area.Top + area.Height() / 2 - height / 2;
}
