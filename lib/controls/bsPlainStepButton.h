#pragma once
#include "platform/gfx/TRect.h"

class TCanvas;

// The look of a small button drawn without a skin (a scroll bar's arrows and thumb, an
// up-down's buttons): pressed with the pointer over it a one-pixel navy frame filled with
// 0xB59385, under the pointer the same frame filled with 0xD2BDB6, otherwise a clBtnShadow
// frame on clBtnFace.
enum TbsPlainButtonState { pbsNormal, pbsHot, pbsPressed };

void DrawPlainButtonFace(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state);

// Where a step button's black arrow points, in DrawArrowMark's numbering.
enum TbsArrowDirection { adNone = 0, adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };

// The face, then a black arrow centred in it.
void DrawPlainStepButton(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state,
                         TbsArrowDirection arrow);
