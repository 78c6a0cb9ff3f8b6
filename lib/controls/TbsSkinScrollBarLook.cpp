// How the scroll bar draws itself: the record's face with its button and thumb states, or the
// plain 3-D look without a record. A disabled bar shows its arrows and no thumb.
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsPlainStepButton.h"

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
    // The normal look is part of the face already.
    const TbsSBButton& b = Buttons[i];
    const bool up = i == kUpButton;
    TRect source;
    if (b.Down && b.MouseIn)
        source = up ? DownUpButtonRect : DownDownButtonRect;
    else if (b.MouseIn)
        source = up ? ActiveUpButtonRect : ActiveDownButtonRect;
    if (RectIsEmpty(source) || b.R.IsEmpty()) return;
    canvas.CopyRect(b.R, Picture->Canvas(), source);
}

void TbsSkinScrollBar::DrawSkinThumb(TCanvas& canvas) {
    const TbsSBButton& b = Buttons[kThumb];
    const int width = b.R.Width();
    const int height = b.R.Height();
    if (width <= 0 || height <= 0) return;
    const bool pressed = ThumbPressedLook();
    const TRect& source = pressed ? DownThumbRect : b.MouseIn ? ActiveThumbRect : ThumbRect;
    const TRect& glyph = pressed ? DownGlyphRect : b.MouseIn ? ActiveGlyphRect : GlyphRect;

    TBitmap thumb(width, height);
    if (FPageSize != 0 || ThumbMinPageSize != 0) {
        // A thumb whose length follows the page keeps its ends and grows in the middle.
        if (Vertical())
            BuildVertThreeSliceImage(ThumbOffset1, ThumbOffset2, thumb, *Picture, source, width,
                                     height, ThumbStretchEffect);
        else
            BuildHorzThreeSliceImage(ThumbOffset1, ThumbOffset2, thumb, *Picture, source, width,
                                     height, ThumbStretchEffect);
    } else {
        thumb.Canvas().CopyRect(TRect(0, 0, width, height), Picture->Canvas(), source);
    }

    const int along = Vertical() ? height : width;
    const int glyphAlong = Vertical() ? glyph.Height() : glyph.Width();
    if (!RectIsEmpty(glyph) && glyphAlong < along) {
        const int x = width / 2 - glyph.Width() / 2;
        const int y = height / 2 - glyph.Height() / 2;
        const auto piece = Cut(*Picture, glyph, GlyphTransparent, GlyphTransparentColor);
        thumb.Canvas().Draw(x, y, piece.get());
    }
    if (ThumbTransparent) {
        thumb.SetTransparentMode(tmFixed);
        thumb.SetTransparentColor(ThumbTransparentColor);
        thumb.SetTransparent(true);
    }
    canvas.Draw(b.R.Left, b.R.Top, &thumb);
}

void TbsSkinScrollBar::PaintInto(win::HDC dc) {
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0) return;
    GetSkinData();
    TBitmap B(width, height);
    if (FIndex == -1)
        CreateControlDefaultImage(B);
    else
        CreateControlSkinImage(B);
    TCanvas target;
    target.SetHandle(dc);
    target.Draw(0, 0, &B);
    target.SetHandle(nullptr);
}
