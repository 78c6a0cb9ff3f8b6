#include "lib/controls/bsTileFill.h"

#include "platform/gfx/TBitmap.h"

void FillWithTile(TCanvas& canvas, TBitmap& tile, const TRect& area, bool stretch,
                  TbsStretchType type) {
    const int w = tile.Width();
    const int h = tile.Height();
    // An empty tile fills nothing (and must not be divided by).
    if (w <= 0 || h <= 0) return;
    const int width = area.Width();
    const int height = area.Height();
    if (!stretch) {
        for (int i = 0; i <= width / w; ++i)
            for (int j = 0; j <= height / h; ++j)
                canvas.Draw(area.Left + i * w, area.Top + j * h, &tile);
        return;
    }
    if (width <= 0 || height <= 0) return;
    switch (type) {
    case bsstFull:
        canvas.StretchDraw(area, &tile);
        break;
    case bsstHorz: {
        TBitmap strip(w, height);
        strip.Canvas().StretchDraw(TRect(0, 0, w, height), &tile);
        for (int i = 0; i <= width / w; ++i)
            canvas.Draw(area.Left + i * w, area.Top, &strip);
        break;
    }
    case bsstVert: {
        TBitmap strip(width, h);
        strip.Canvas().StretchDraw(TRect(0, 0, width, h), &tile);
        for (int j = 0; j <= height / h; ++j)
            canvas.Draw(area.Left, area.Top + j * h, &strip);
        break;
    }
    }
}

void FillWithPart(TCanvas& canvas, TBitmap& source, const TRect& part, const TRect& area,
                  bool stretch, TbsStretchType type) {
    if (part.Width() <= 0 || part.Height() <= 0) return;
    TBitmap tile(part.Width(), part.Height());
    tile.Canvas().CopyRect(TRect(0, 0, part.Width(), part.Height()), source.Canvas(), part);
    FillWithTile(canvas, tile, area, stretch, type);
}
