#pragma once
#include "platform/gfx/TRect.h"

class TCanvas;
class TControl;

// Paints into canvas, at the control's origin, what the control's parent and the parent's
// visible windowless controls below it show at the control's place: the background of a
// control that looks transparent. The parent and each painted control carry csPaintCopy while
// they paint. Nothing without a control or a parent.
void CopyParentBackground(TControl* control, TCanvas& canvas);
// The same for a canvas that starts at rect's top-left corner within the control (the tab
// strip of a page control).
void CopyTabsBackground(TControl* control, const TRect& rect, TCanvas& canvas);
