#pragma once
#include "lib/controls/TbsCBButtonX.h"
#include "platform/gfx/TRect.h"

class TBitmap;
class TCanvas;

// The looks of a small step button (a scroll bar's arrows and thumb, an up-down's buttons).
// Without a skin: pressed with the pointer over it a one-pixel navy frame filled with
// 0xB59385, under the pointer the same frame filled with 0xD2BDB6, otherwise a clBtnShadow
// frame on clBtnFace.
enum TbsPlainButtonState { pbsNormal, pbsHot, pbsPressed };

void DrawPlainButtonFace(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state);

// Where a step button's black arrow points, in DrawArrowMark's numbering.
enum TbsArrowDirection { adNone = 0, adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };

// The face, then a black arrow centred in it.
void DrawPlainStepButton(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state,
                         TbsArrowDirection arrow);

// Skinned, the normal look is part of the control's face: pressed with the pointer over it the
// button shows downFace, under the pointer hotFace, copied from the picture onto the button;
// an empty face leaves the normal look.
void DrawSkinStepButton(TCanvas& canvas, TBitmap& picture, const TbsCBButtonX& button,
                        const TRect& downFace, const TRect& hotFace);
