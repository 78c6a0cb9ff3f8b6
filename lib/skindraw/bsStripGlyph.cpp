#include "lib/skindraw/bsImageBuilders.h"

#include "lib/skindraw/bsSlicePieces.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"

void DrawStripGlyph(TCanvas& canvas, int x, int y, TBitmap& glyph, int numGlyphs, int index) {
    if (glyph.Empty() || numGlyphs < 1 || index < 1 || index > numGlyphs) return;
    const int width = glyph.Width() / numGlyphs;
    if (width <= 0) return;
    TBitmap image;
    slice::MakeScratch(image, glyph, width, glyph.Height());
    slice::Copy(image, Rect(0, 0, width, glyph.Height()), glyph,
                Rect(width * (index - 1), 0, width * index, glyph.Height()));
    image.SetTransparent(true);
    canvas.Draw(x, y, &image);
}
