// The routines of the pixel table that move areas between bitmaps, DCs and DIB memory.
#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsPixelCore.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TRect Intersect(const TRect& a, const TRect& b) {
    const TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom));
    return r.IsEmpty() ? TRect() : r;
}

bool InsideOf(const TRect& r, int width, int height) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height;
}

enum class TRounding { Truncate, Nearest };

// The source column (or row) of each destination one within the clipped range: the first and
// last of a full range land on the first and last source pixels. Computed in single precision
// as the skin engine always did, then held inside the source range.
std::vector<int> NearestMap(int clipFrom, int clipCount, int dstFrom, int dstSize, int srcFrom,
                            int srcSize, TRounding rounding) {
    std::vector<int> map(std::size_t(std::max(clipCount, 0)));
    if (dstSize < 2) {
        std::fill(map.begin(), map.end(), (srcFrom + srcFrom + srcSize - 1) / 2);
        return map;
    }
    const float ratio = float(srcSize - 1) / float(dstSize - 1);
    for (int i = 0; i < clipCount; ++i) {
        const float at = float(i + clipFrom - dstFrom) * ratio + float(srcFrom);
        const int v = rounding == TRounding::Truncate ? int(at) : int(std::nearbyint(at));
        map[std::size_t(i)] = std::clamp(v, srcFrom, srcFrom + srcSize - 1);
    }
    return map;
}

} // namespace

TPixelRoutines::LineFn TPixelRoutines::LineFor(TPixelOp op) const {
    switch (op) {
    case TPixelOp::Blend:
        return BlendLine;
    case TPixelOp::Key:
        return KeyCopyLine;
    case TPixelOp::Copy:
        break;
    }
    return CopyLine;
}

// ---- Between bitmaps ------------------------------------------------------------------------

void TPixelRoutines::Rows(TPixelOp op, TbsBitmap& dest, TRect clipRect, const TbsBitmap& source,
                          int srcY, int srcX) const {
    const int w = clipRect.Width(), h = clipRect.Height();
    if (w <= 0 || h <= 0 || dest.Empty() || source.Empty()) return;
    // Both areas must exist whole: anything else is the caller's bad rectangle, and drawing
    // nothing is safer than drawing past either picture.
    if (!InsideOf(clipRect, dest.Width(), dest.Height()) ||
        !InsideOf(Bounds(srcX, srcY, w, h), source.Width(), source.Height()))
        return;
    const LineFn line = LineFor(op);
    for (int k = 0; k < h; ++k)
        line(source.Row(srcY + k) + srcX, dest.Row(clipRect.Top + k) + clipRect.Left, w);
    EndMMX();
}

void TPixelRoutines::CopyRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                              int srcX) const {
    Rows(TPixelOp::Copy, dest, clipRect, source, srcY, srcX);
}

void TPixelRoutines::BlendRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                               int srcX) const {
    Rows(TPixelOp::Blend, dest, clipRect, source, srcY, srcX);
}

void TPixelRoutines::KeyCopyRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                                 int srcX) const {
    Rows(TPixelOp::Key, dest, clipRect, source, srcY, srcX);
}

void TPixelRoutines::Scale(TPixelOp op, TbsBitmap& dest, TRect dstRect, TRect clipRect,
                           TRect srcRect, const TbsBitmap& source) const {
    if (srcRect.IsEmpty() || dest.Empty() || source.Empty()) return;
    const TRect c = Intersect(Intersect(clipRect, dest.BoundsRect()), dstRect);
    if (c.IsEmpty()) return;
    if (!InsideOf(srcRect, source.Width(), source.Height())) return;
    const int sw = srcRect.Width(), sh = srcRect.Height();
    const int dw = dstRect.Width(), dh = dstRect.Height();
    if (sw == dw && sh == dh) {
        Rows(op, dest, c, source, srcRect.Top + c.Top - dstRect.Top,
             srcRect.Left + c.Left - dstRect.Left);
        return;
    }
    const auto cols =
        NearestMap(c.Left, c.Width(), dstRect.Left, dw, srcRect.Left, sw, TRounding::Truncate);
    const auto rows =
        NearestMap(c.Top, c.Height(), dstRect.Top, dh, srcRect.Top, sh, TRounding::Truncate);
    const int w = c.Width();
    TArrayOfseColor buffer(op == TPixelOp::Key ? std::size_t(w) : 0);
    const LineFn line = LineFor(op);
    int lastRow = -1;
    for (int j = 0; j < c.Height(); ++j) {
        TbsColor* dst = dest.Row(c.Top + j) + c.Left;
        const int sy = rows[std::size_t(j)];
        if (op == TPixelOp::Copy) {
            if (sy == lastRow)
                line(dest.Row(c.Top + j - 1) + c.Left, dst, w);
            else
                GatherLine(source.Row(sy), cols.data(), dst, w);
        } else if (op == TPixelOp::Blend) {
            GatherBlendLine(source.Row(sy), cols.data(), dst, w);
        } else {
            if (sy != lastRow) GatherLine(source.Row(sy), cols.data(), buffer.data(), w);
            line(buffer.data(), dst, w);
        }
        lastRow = sy;
    }
    EndMMX();
}

void TPixelRoutines::ScaleCopy(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                               const TbsBitmap& source) const {
    Scale(TPixelOp::Copy, dest, dstRect, clipRect, srcRect, source);
}

void TPixelRoutines::ScaleBlend(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                                const TbsBitmap& source) const {
    Scale(TPixelOp::Blend, dest, dstRect, clipRect, srcRect, source);
}

void TPixelRoutines::ScaleKeyCopy(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                                  const TbsBitmap& source) const {
    Scale(TPixelOp::Key, dest, dstRect, clipRect, srcRect, source);
}

// ---- Into DIB memory ------------------------------------------------------------------------

void TPixelRoutines::ToDIB(TPixelOp op, TbsColor* bits, TRect dstRect, TRect clipRect,
                           TRect srcRect, const TbsBitmap& bitmap, int dibHeight,
                           int dibWidth) const {
    if (!bits || srcRect.IsEmpty() || bitmap.Empty() || dibWidth <= 0 || dibHeight <= 0) return;
    const TRect c = Intersect(Intersect(clipRect, Rect(0, 0, dibWidth, dibHeight)), dstRect);
    if (c.IsEmpty()) return;
    if (!InsideOf(srcRect, bitmap.Width(), bitmap.Height())) return;
    const auto dibRow = [&](int y) { return bits + std::size_t(dibHeight - 1 - y) * dibWidth; };
    const LineFn line = LineFor(op);
    const int sw = srcRect.Width(), sh = srcRect.Height();
    const int dw = dstRect.Width(), dh = dstRect.Height();
    const int w = c.Width();
    if (sw == dw && sh == dh) {
        const int srcX = srcRect.Left + c.Left - dstRect.Left;
        const int srcY = srcRect.Top + c.Top - dstRect.Top;
        for (int k = 0; k < c.Height(); ++k)
            line(bitmap.Row(srcY + k) + srcX, dibRow(c.Top + k) + c.Left, w);
        EndMMX();
        return;
    }
    const auto cols = NearestMap(c.Left, w, dstRect.Left, dw, srcRect.Left, sw, TRounding::Nearest);
    const auto rows =
        NearestMap(c.Top, c.Height(), dstRect.Top, dh, srcRect.Top, sh, TRounding::Nearest);
    TArrayOfseColor buffer(op == TPixelOp::Blend ? 0 : static_cast<std::size_t>(w));
    int lastRow = -1;
    for (int j = 0; j < c.Height(); ++j) {
        TbsColor* dst = dibRow(c.Top + j) + c.Left;
        const int sy = rows[std::size_t(j)];
        if (op == TPixelOp::Copy && sy == lastRow) {
            CopyLine(dibRow(c.Top + j - 1) + c.Left, dst, w);
            continue;
        }
        if (op == TPixelOp::Blend) {
            GatherBlendLine(bitmap.Row(sy), cols.data(), dst, w);
            continue;
        }
        if (sy != lastRow) GatherLine(bitmap.Row(sy), cols.data(), buffer.data(), w);
        line(buffer.data(), dst, w);
        lastRow = sy;
    }
    EndMMX();
}

void TPixelRoutines::CopyToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                               const TbsBitmap& bitmap, int dibHeight, int dibWidth) const {
    ToDIB(TPixelOp::Copy, bits, dstRect, clipRect, srcRect, bitmap, dibHeight, dibWidth);
}

void TPixelRoutines::BlendToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                                const TbsBitmap& bitmap, int dibHeight, int dibWidth) const {
    ToDIB(TPixelOp::Blend, bits, dstRect, clipRect, srcRect, bitmap, dibHeight, dibWidth);
}

void TPixelRoutines::KeyCopyToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                                  const TbsBitmap& bitmap, int dibHeight, int dibWidth) const {
    ToDIB(TPixelOp::Key, bits, dstRect, clipRect, srcRect, bitmap, dibHeight, dibWidth);
}

// ---- Into a DC ------------------------------------------------------------------------------

void TPixelRoutines::StretchCopyToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                                     const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                                     int srcH) const {
    if (bitmap.Empty()) return;
    win::SetStretchBltMode(dc, win::COLORONCOLOR);
    win::StretchBlt(dc, dstX, dstY, dstW, dstH, bitmap.DC(), srcX, srcY, srcW, srcH, win::SRCCOPY);
}

// Composes through a temporary bitmap holding the destination area: the bitmap's own flags
// then decide between blending and keying.
void TPixelRoutines::ComposeToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                                 const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                                 int srcH) const {
    if (bitmap.Empty() || dstW <= 0 || dstH <= 0) return;
    TbsBitmap scratch;
    scratch.SetSize(dstW, dstH);
    win::BitBlt(scratch.DC(), 0, 0, dstW, dstH, dc, dstX, dstY, win::SRCCOPY);
    bitmap.Draw(scratch, Rect(0, 0, dstW, dstH), Bounds(srcX, srcY, srcW, srcH));
    win::BitBlt(dc, dstX, dstY, dstW, dstH, scratch.DC(), 0, 0, win::SRCCOPY);
}

void TPixelRoutines::BlendToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                               const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                               int srcH) const {
    ComposeToDC(dc, dstX, dstY, dstW, dstH, bitmap, srcX, srcY, srcW, srcH);
}

void TPixelRoutines::KeyToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                             const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                             int srcH) const {
    ComposeToDC(dc, dstX, dstY, dstW, dstH, bitmap, srcX, srcY, srcW, srcH);
}

void TPixelRoutines::TransparentBltToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                                        const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                                        int srcH) const {
    if (bitmap.Empty()) return;
    win::TransparentBlt(dc, dstX, dstY, dstW, dstH, bitmap.DC(), srcX, srcY, srcW, srcH,
                        TransparentKeyColor);
}

void TPixelRoutines::KeyDrawToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                                 const TbsBitmap& bitmap, int srcX, int srcY, int srcW,
                                 int srcH) const {
    if (FTransparentBltKeying)
        TransparentBltToDC(dc, dstX, dstY, dstW, dstH, bitmap, srcX, srcY, srcW, srcH);
    else
        KeyToDC(dc, dstX, dstY, dstW, dstH, bitmap, srcX, srcY, srcW, srcH);
}
