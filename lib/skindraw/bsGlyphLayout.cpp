#include "lib/skindraw/bsGlyphLayout.h"

#include "lib/skindraw/bsCaptionPieces.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TextDraw.h"

void CalcGlyphLayout(TbsButtonLayout Layout, const TRect& rect, int gw, int gh, int tw, int th,
                     int Spacing, int Margin, int& textX, int& textY, int& glyphX, int& glyphY) {
    const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
    const int spacing = gw == 0 ? 0 : Spacing;
    if (Margin == -1) {
        const int hw = (tw + gw + spacing) / 2, hh = (th + gh + spacing) / 2;
        switch (Layout) {
        case blGlyphLeft:
            glyphX = cx - hw, glyphY = cy - gh / 2, textX = cx + hw - tw, textY = cy - th / 2;
            break;
        case blGlyphRight:
            glyphX = cx + hw - gw, glyphY = cy - gh / 2, textX = cx - hw, textY = cy - th / 2;
            break;
        case blGlyphTop:
            glyphX = cx - gw / 2, glyphY = cy - hh, textX = cx - tw / 2, textY = cy + hh - th;
            break;
        case blGlyphBottom:
            glyphX = cx - gw / 2, glyphY = cy + hh - gh, textX = cx - tw / 2, textY = cy - hh;
            break;
        }
        return;
    }
    switch (Layout) {
    case blGlyphLeft:
        glyphX = rect.Left + Margin, glyphY = cy - gh / 2;
        textX = glyphX + gw + spacing, textY = cy - th / 2;
        break;
    case blGlyphRight:
        glyphX = rect.Right - gw - Margin, glyphY = cy - gh / 2;
        textX = glyphX - spacing - tw, textY = cy - th / 2;
        break;
    case blGlyphTop:
        glyphX = cx - gw / 2, glyphY = rect.Top + Margin;
        textX = cx - tw / 2, textY = glyphY + gh + spacing;
        break;
    case blGlyphBottom:
        glyphX = cx - gw / 2, glyphY = rect.Bottom - gh - Margin;
        textX = cx - tw / 2, textY = glyphY - spacing - th;
        break;
    }
}

namespace caption {

TSize Measure(TCanvas& canvas, const TRect& rect, TbsButtonLayout layout, int gw, int gh,
              const std::string& text) {
    if (text.empty()) return TSize();
    win::RECT r{ 0, 0, rect.Width(), rect.Height() };
    if (layout == blGlyphLeft || layout == blGlyphRight)
        r.right -= gw;
    else
        r.bottom -= gh;
    win::DrawTextW(canvas.Handle(), text, &r,
                   win::DT_CALCRECT | win::DT_EXPANDTABS | win::DT_WORDBREAK);
    return TSize(r.right - r.left, r.bottom - r.top);
}

void Draw(TCanvas& canvas, int x, int y, TSize size, const std::string& text, bool left) {
    win::RECT r{ x, y, x + size.cx + 2, y + size.cy };
    const unsigned align = left ? 0u : win::DT_CENTER;
    win::DrawTextW(canvas.Handle(), text, &r,
                   align | win::DT_VCENTER | win::DT_WORDBREAK | win::DT_EXPANDTABS);
}

void Bars(TCanvas& canvas, int x1, int x2, int y, TColor color) {
    canvas.Pen().SetColor(color);
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(x1, y + i);
        canvas.LineTo(x2, y + i);
    }
}

void Block(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

} // namespace caption

void DrawGlyphAndCaption(TCanvas& canvas, const TRect& rect, int Margin, int Spacing,
                         TbsButtonLayout Layout, const std::string& Caption, TBitmap& Glyph,
                         int NumGlyphs, int GlyphIndex, bool Pressed, bool ColorBar,
                         TColor BarColor) {
    const bool hasGlyph = !Glyph.Empty() && NumGlyphs > 0;
    const int gw = hasGlyph ? Glyph.Width() / NumGlyphs : 0;
    const int gh = hasGlyph ? Glyph.Height() : 0;
    const TSize text = caption::Measure(canvas, rect, Layout, gw, gh, Caption);
    if (!Caption.empty()) canvas.Brush().SetStyle(bsClear);

    int tx = 0, ty = 0, gx = 0, gy = 0;
    CalcGlyphLayout(Layout, rect, gw, gh, text.cx, text.cy, Spacing, Margin, tx, ty, gx, gy);
    if (Pressed) ++tx, ++ty, ++gx, ++gy;

    if (!Caption.empty()) caption::Draw(canvas, tx, ty, text, Caption, false);
    if (hasGlyph) {
        DrawStripGlyph(canvas, gx, gy, Glyph, NumGlyphs, GlyphIndex);
        if (ColorBar) caption::Bars(canvas, gx, gx + Glyph.Width(), gy + gh - 2, BarColor);
    } else if (ColorBar) {
        if (!Caption.empty())
            caption::Bars(canvas, tx, tx + text.cx + 2, ty + text.cy - 1, BarColor);
        else if (Pressed)
            caption::Block(canvas,
                           Rect(rect.Left + 4, rect.Top + 5, rect.Right - 2, rect.Bottom - 3),
                           BarColor);
        else
            caption::Block(canvas,
                           Rect(rect.Left + 4, rect.Top + 4, rect.Right - 2, rect.Bottom - 4),
                           BarColor);
    }
}
