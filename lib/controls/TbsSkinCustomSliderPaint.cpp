// How the slider paints: background, ruler, focus rectangle, ticks and thumb into one
// off-screen picture, copied out in one piece.
#include "lib/controls/TbsSkinCustomSlider.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsParentBackground.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Sets a pointer for a scope and clears it at the end.
class TCanvasScope {
public:
    TCanvasScope(TCanvas*& slot, TCanvas& canvas) : FSlot(slot) { FSlot = &canvas; }
    ~TCanvasScope() { FSlot = nullptr; }
    TCanvasScope(const TCanvasScope&) = delete;
    TCanvasScope& operator=(const TCanvasScope&) = delete;

private:
    TCanvas*& FSlot;
};

// The ticks for a range and step with h steps between two ticks, and their spacing in pixels.
struct TTicks {
    std::int64_t Count;
    std::int64_t Spacing;
};

TTicks TicksFor(std::int64_t range, std::int64_t step, std::int64_t h, int travel) {
    const std::int64_t count =
        range <= 0 ? 1 : std::int64_t(std::nearbyint(double(range) / double(h * step))) + 1;
    return { count, count <= 1 ? travel : travel / (count - 1) };
}

} // namespace

void TbsSkinCustomSlider::Paint() {
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0) return;
    GetSkinData();
    // The buffer is kept between paints: a dragged thumb repaints at every pointer move, and
    // a fresh bitmap of a long slider's size costs more than the drawing.
    TBitmap& buffer = FPaintBuffer;
    if (buffer.Width() != width || buffer.Height() != height) buffer.SetSize(width, height);
    TCanvas& canvas = buffer.Canvas();
    // Only the part the paint asks for is drawn and copied out: a dragged thumb asks for its
    // old and its new place, not for the whole ruler with its ticks.
    TRect area = Canvas().ClipRect();
    area = TRect(std::max(area.Left, 0), std::max(area.Top, 0), std::min(area.Right, width),
                 std::min(area.Bottom, height));
    if (area.IsEmpty()) return;
    FPaintArea = area;
    {
        const TCanvasScope painting(FPaintCanvas, canvas);
        const gfx::DcStateSaver saved(canvas.Handle());
        win::IntersectClipRect(canvas.Handle(), area.Left, area.Top, area.Right, area.Bottom);
        PaintParts(canvas);
    }
    FPaintArea = TRect(0, 0, width, height);
    // The restored DC holds other objects than the canvas thinks it selected.
    canvas.Refresh();
    Canvas().CopyRect(area, canvas, area);
}

void TbsSkinCustomSlider::PaintParts(TCanvas& canvas) {
    TPoint thumb = FThumbRect.TopLeft();
    if (FControlState.Contains(csPaintCopy)) {
        const int offset = AdjustThumb(GetOffsetByValue(GetSliderValue()));
        thumb = Vertical() ? TPoint(thumb.X, offset) : TPoint(offset, thumb.Y);
    }

    PaintBackground(canvas);
    if (FRuler.Width() > 0 && FRuler.Height() > 0) {
        FRuler.SetTransparent(!(FOptions.Contains(soRulerOpaque) && !UsesSkin()));
        canvas.Draw(FRulerOrg.X, FRulerOrg.Y, &FRuler);
    }
    if (FOptions.Contains(soShowFocus) && FFocused && !Designing()) {
        canvas.Font().SetColor(UsesSkin() ? FSD->FSkinColors.FcBtnText : Font().Color());
        TRect r = GetSliderRect();
        DrawDottedFocusRect(canvas, TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
    }
    if (FOptions.Contains(soShowPoints)) {
        if (OnDrawPoints)
            CallEvent(OnDrawPoints, this);
        else
            DrawPoints(canvas, FIncrement, 3, 5);
    }
    DrawThumb(canvas, thumb);
}

void TbsSkinCustomSlider::PaintBackground(TCanvas& canvas) {
    if (FTransparent) {
        CopyParentBackground(this, canvas);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(UsesSkin() ? BGColor : Color());
    canvas.FillRect(TRect(0, 0, Width(), Height()));
}

void TbsSkinCustomSlider::DrawThumb(TCanvas& canvas, const TPoint& at) {
    // The second state shows a pressed or a disabled thumb.
    const bool second = FControlState.Contains(csPaintCopy) ? !Enabled() : FThumbDown || !Enabled();
    TBitmap* picture = nullptr;
    TRect state;
    bool transparent = true;
    if (UsesSkinThumb()) {
        picture = Picture;
        const TRect& r = Vertical() ? VThumbRect : HThumbRect;
        const int half = r.Width() / 2;
        state =
            TRect(r.Left + (second ? half : 0), r.Top, r.Left + (second ? 2 : 1) * half, r.Bottom);
    } else {
        picture = Vertical() ? FImages[siVThumb].get() : FImages[siHThumb].get();
        const int states = FNumThumbStates;
        const int w = picture->Width() / states;
        const int index = states == 2 && second ? 1 : 0;
        state = TRect(index * w, 0, (index + 1) * w, picture->Height());
        transparent = !FOptions.Contains(soThumbOpaque);
    }
    if (state.IsEmpty()) return;
    TBitmap piece(state.Width(), state.Height());
    piece.Canvas().CopyRect(TRect(0, 0, state.Width(), state.Height()), picture->Canvas(), state);
    piece.SetTransparent(transparent);
    canvas.Draw(at.X, at.Y, &piece);
}

void TbsSkinCustomSlider::DefaultDrawPoints(int PointsStep, int PointsHeight,
                                            int ExtremePointsHeight) {
    // Outside a paint the ticks go straight onto the slider, all of them.
    if (!FPaintCanvas) FPaintArea = TRect(0, 0, Width(), Height());
    DrawPoints(FPaintCanvas ? *FPaintCanvas : Canvas(), PointsStep, PointsHeight,
               ExtremePointsHeight);
}

void TbsSkinCustomSlider::DrawPoints(TCanvas& canvas, int step, int tickLength, int extremeLength) {
    const int travel = GetRulerLength();
    // A slider too short for its thumb has no scale to mark.
    if (travel <= 0 || step <= 0) return;
    const std::int64_t range = std::int64_t(FMaxValue) - FMinValue;
    // The smallest number h of steps between ticks that leaves them at least 4 pixels apart
    // (or as far apart as the ruler allows). The spacing only grows with h, so a search finds
    // it without trying every h of a wide range.
    const auto enough = [&](std::int64_t h) {
        const TTicks t = TicksFor(range, step, h, travel);
        return t.Spacing >= 4 || t.Spacing >= travel;
    };
    std::int64_t low = 1;
    std::int64_t high = std::max<std::int64_t>(1, range / step + 1);
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (enough(middle))
            high = middle;
        else
            low = middle + 1;
    }
    const std::int64_t h = low;
    const std::int64_t count = TicksFor(range, step, h, travel).Count;

    // Each tick is a line one pixel wide, drawn as the rectangle it covers; ticks outside the
    // area being painted are passed over.
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(UsesSkin() ? PointsColor : clWindowText);
    const TSize thumb = ThumbSize();
    std::int64_t value = FMinValue;
    for (std::int64_t i = 1; i <= count; ++i, value += h * step) {
        const int v = i == count ? FMaxValue : int(value);
        const int length = v == FMinValue || v == FMaxValue ? extremeLength : tickLength;
        const int at = GetOffsetByValue(v);
        if (Vertical()) {
            const int y = at + thumb.cy / 2;
            if (y < FPaintArea.Top || y >= FPaintArea.Bottom) continue;
            canvas.FillRect(TRect(FPointsRect.Left, y, FPointsRect.Left + length, y + 1));
        } else {
            const int x = at + thumb.cx / 2;
            if (x < FPaintArea.Left || x >= FPaintArea.Right) continue;
            canvas.FillRect(TRect(x, FPointsRect.Top, x + 1, FPointsRect.Top + length));
        }
    }
}
