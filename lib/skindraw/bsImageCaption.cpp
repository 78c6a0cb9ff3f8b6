#include "lib/skindraw/bsCaptionPieces.h"
#include "lib/skindraw/bsGlyphLayout.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TCanvas.h"

namespace {

void Paint(TCanvas& canvas, const TRect& rect, int margin, int spacing, TbsButtonLayout layout,
           const std::string& text, int imageIndex, TCustomImageList* images, bool pressed,
           bool enabled, bool colorBar, TColor barColor, bool left) {
    const bool hasImage = images && imageIndex >= 0 && imageIndex < images->Count();
    const int gw = hasImage ? images->Width() : 0;
    const int gh = hasImage ? images->Height() : 0;
    const TSize size = caption::Measure(canvas, rect, layout, gw, gh, text);
    canvas.Brush().SetStyle(bsClear);

    int tx = 0, ty = 0, gx = 0, gy = 0;
    CalcGlyphLayout(layout, rect, gw, gh, size.cx, size.cy, spacing, margin, tx, ty, gx, gy);
    if (pressed) ++tx, ++ty, ++gx, ++gy;

    if (!text.empty()) caption::Draw(canvas, tx, ty, size, text, left);
    if (hasImage) {
        images->Draw(canvas, gx, gy, imageIndex, enabled);
        if (colorBar) caption::Bars(canvas, gx, gx + gw, gy + gh - 2, barColor);
    } else if (colorBar) {
        if (!text.empty())
            caption::Bars(canvas, tx, tx + size.cx + 2, ty + size.cy - 1, barColor);
        else
            caption::Block(canvas,
                           Rect(rect.Left + 4, rect.Top + 4, rect.Right - 2, rect.Bottom - 4),
                           barColor);
    }
}

} // namespace

void DrawImageAndCaption(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                         TbsButtonLayout Layout, const std::string& Caption, int ImageIndex,
                         TCustomImageList* ImageList, bool Pressed, bool Enabled, bool ColorBar,
                         TColor BarColor) {
    Paint(canvas, rect, Margin, Spacing, Layout, Caption, ImageIndex, ImageList, Pressed, Enabled,
          ColorBar, BarColor, false);
}

void DrawImageAndCaptionLeft(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                             TbsButtonLayout Layout, const std::string& Caption, int ImageIndex,
                             TCustomImageList* ImageList, bool Pressed, bool Enabled, bool ColorBar,
                             TColor BarColor) {
    Paint(canvas, rect, Margin, Spacing, Layout, Caption, ImageIndex, ImageList, Pressed, Enabled,
          ColorBar, BarColor, true);
}
