#include "lib/controls/bsStepButtonLooks.h"

#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/TBitmap.h"

void DrawPlainButtonFace(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state) {
    if (rect.IsEmpty()) return;
    TColor frame = clBtnShadow;
    TColor fill = clBtnFace;
    if (state == pbsPressed) {
        frame = clNavy;
        fill = TColor(0xB59385);
    } else if (state == pbsHot) {
        frame = clNavy;
        fill = TColor(0xD2BDB6);
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.FillRect(rect);
    canvas.Brush().SetColor(frame);
    canvas.FrameRect(rect);
}

void DrawPlainStepButton(TCanvas& canvas, const TRect& rect, TbsPlainButtonState state,
                         TbsArrowDirection arrow) {
    DrawPlainButtonFace(canvas, rect, state);
    if (arrow != adNone && !rect.IsEmpty()) DrawArrowMark(canvas, rect, clBlack, int(arrow));
}

void DrawSkinStepButton(TCanvas& canvas, TBitmap& picture, const TbsCBButtonX& button,
                        const TRect& downFace, const TRect& hotFace) {
    TRect face;
    if (button.Down && button.MouseIn)
        face = downFace;
    else if (button.MouseIn)
        face = hotFace;
    if (RectIsEmpty(face) || button.R.IsEmpty()) return;
    canvas.CopyRect(button.R, picture.Canvas(), face);
}
