// How the scroll bar draws itself: the record's face with its button and thumb states, or the
// plain 3-D look without a record. A disabled bar shows its arrows and no thumb.
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsStepButtonLooks.h"

#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/TBitmap.h"

namespace {

// A rectangle of the picture as a bitmap of its own, drawn with `key` left out when keyed.
std::unique_ptr<TBitmap> Cut(TBitmap& picture, const TRect& r, bool keyed, TColor key) {
    auto piece = std::make_unique<TBitmap>(r.Width(), r.Height());
    piece->Canvas().CopyRect(TRect(0, 0, r.Width(), r.Height()), picture.Canvas(), r);
    if (keyed) {
        piece->SetTransparentMode(tmFixed);
        piece->SetTransparentColor(key);
        piece->SetTransparent(true);
    }
    return piece;
}

} // namespace

bool TbsSkinScrollBar::ThumbPressedLook() {
    return Buttons[kThumb].Down || (FCanFocused && Focused());
}

void TbsSkinScrollBar::CreateControlDefaultImage(TBitmap& B) {
    CalcRects();
    TCanvas& canvas = B.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(TRect(0, 0, B.Width(), B.Height()));
    if (Enabled()) DrawPlainButton(canvas, kThumb);
    DrawPlainButton(canvas, kUpButton);
    DrawPlainButton(canvas, kDownButton);
}

void TbsSkinScrollBar::DrawPlainButton(TCanvas& canvas, int i) {
    const TbsSBButton& b = Buttons[i];
    const bool pressed = (b.Down && b.MouseIn) || (i == kThumb && ThumbPressedLook());
    const TbsPlainButtonState state = pressed ? pbsPressed : b.MouseIn ? pbsHot : pbsNormal;
    TbsArrowDirection arrow = adNone;
    if (i == kUpButton) arrow = Vertical() ? adDown : adRight;
    if (i == kDownButton) arrow = Vertical() ? adUp : adLeft;
    DrawPlainStepButton(canvas, b.R, state, arrow);
}

void TbsSkinScrollBar::CreateControlSkinImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlSkinImage(B);
    CalcRects();
    if (!Picture) return;
    TCanvas& canvas = B.Canvas();
    DrawSkinArrowButton(canvas, kUpButton);
    DrawSkinArrowButton(canvas, kDownButton);
    if (Enabled()) DrawSkinThumb(canvas);
}

void TbsSkinScrollBar::DrawSkinArrowButton(TCanvas& canvas, int i) {
    const bool up = i == kUpButton;
    DrawSkinStepButton(canvas, *Picture, Buttons[i],
                       up ? FRecord.DownUpButtonRect : FRecord.DownDownButtonRect,
                       up ? FRecord.ActiveUpButtonRect : FRecord.ActiveDownButtonRect);
}

void TbsSkinScrollBar::DrawSkinThumb(TCanvas& canvas) {
    const TbsSBButton& b = Buttons[kThumb];
    const int width = b.R.Width();
    const int height = b.R.Height();
    if (width <= 0 || height <= 0) return;
    const bool pressed = ThumbPressedLook();
    const TRect& source = pressed     ? FRecord.DownThumbRect
                          : b.MouseIn ? FRecord.ActiveThumbRect
                                      : FRecord.ThumbRect;
    const TRect& glyph = pressed     ? FRecord.DownGlyphRect
                         : b.MouseIn ? FRecord.ActiveGlyphRect
                                     : FRecord.GlyphRect;

    TBitmap thumb(width, height);
    if (FPageSize != 0 || FRecord.ThumbMinPageSize != 0) {
        // A thumb whose length follows the page keeps its ends and grows in the middle.
        if (Vertical())
            BuildVertThreeSliceImage(FRecord.ThumbOffset1, FRecord.ThumbOffset2, thumb, *Picture,
                                     source, width, height, FRecord.ThumbStretchEffect);
        else
            BuildHorzThreeSliceImage(FRecord.ThumbOffset1, FRecord.ThumbOffset2, thumb, *Picture,
                                     source, width, height, FRecord.ThumbStretchEffect);
    } else {
        thumb.Canvas().CopyRect(TRect(0, 0, width, height), Picture->Canvas(), source);
    }

    const int along = Vertical() ? height : width;
    const int glyphAlong = Vertical() ? glyph.Height() : glyph.Width();
    if (!RectIsEmpty(glyph) && glyphAlong < along) {
        const int x = width / 2 - glyph.Width() / 2;
        const int y = height / 2 - glyph.Height() / 2;
        const auto piece =
            Cut(*Picture, glyph, FRecord.GlyphTransparent, FRecord.GlyphTransparentColor);
        thumb.Canvas().Draw(x, y, piece.get());
    }
    if (FRecord.ThumbTransparent) {
        thumb.SetTransparentMode(tmFixed);
        thumb.SetTransparentColor(FRecord.ThumbTransparentColor);
        thumb.SetTransparent(true);
    }
    canvas.Draw(b.R.Left, b.R.Top, &thumb);
}

void TbsSkinScrollBar::PaintInto(win::HDC dc) {
    // Through the window's own paint, onto the DC given.
    Perform(win::WM_PAINT, win::WPARAM(dc), 0);
}
