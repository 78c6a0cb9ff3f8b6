#include "lib/skindraw/bsSlicePieces.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TBitmap.h"

#include <algorithm>

namespace slice {

TRect InFace(const TRect& face, int left, int top, int right, int bottom) {
    return TRect(face.Left + left, face.Top + top, face.Left + right, face.Top + bottom);
}

namespace {

void Blit(TBitmap& dest, int x, int y, int width, int height, TBitmap& source, int sourceX,
          int sourceY) {
    win::BitBlt(dest.Canvas().Handle(), x, y, width, height, source.Canvas().Handle(), sourceX,
                sourceY, win::SRCCOPY);
}

bool Usable(const TRect& to, TBitmap& source, const TRect& from) {
    return !to.IsEmpty() && !from.IsEmpty() && !source.Empty();
}

} // namespace

void Copy(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from) {
    if (!Usable(to, source, from)) return;
    if (to.Width() == from.Width() && to.Height() == from.Height()) {
        Blit(dest, to.Left, to.Top, to.Width(), to.Height(), source, from.Left, from.Top);
        return;
    }
    const win::HDC dc = dest.Canvas().Handle();
    const int oldMode = win::SetStretchBltMode(dc, win::COLORONCOLOR);
    win::StretchBlt(dc, to.Left, to.Top, to.Width(), to.Height(), source.Canvas().Handle(),
                    from.Left, from.Top, from.Width(), from.Height(), win::SRCCOPY);
    win::SetStretchBltMode(dc, oldMode);
}

void TileAcross(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from) {
    if (!Usable(to, source, from)) return;
    const int height = std::min(to.Height(), from.Height());
    for (int x = to.Left; x < to.Right; x += from.Width())
        Blit(dest, x, to.Top, std::min(from.Width(), to.Right - x), height, source, from.Left,
             from.Top);
}

void TileDown(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from) {
    if (!Usable(to, source, from)) return;
    const int width = std::min(to.Width(), from.Width());
    for (int y = to.Top; y < to.Bottom; y += from.Height())
        Blit(dest, to.Left, y, width, std::min(from.Height(), to.Bottom - y), source, from.Left,
             from.Top);
}

void TileBoth(TBitmap& dest, const TRect& to, TBitmap& source, const TRect& from) {
    if (!Usable(to, source, from)) return;
    for (int x = to.Left; x < to.Right; x += from.Width())
        for (int y = to.Top; y < to.Bottom; y += from.Height())
            Blit(dest, x, y, std::min(from.Width(), to.Right - x),
                 std::min(from.Height(), to.Bottom - y), source, from.Left, from.Top);
}

void MakeScratch(TBitmap& scratch, const TBitmap& like, int width, int height) {
    // Deeper formats lose nothing of a shallower picture, and a palette of its own would
    // have to follow it; 32 bits keep the alpha of a 32-bit picture.
    const bool withAlpha = like.PixelFormat() == pf32bit || like.PixelFormat() == pfDevice;
    scratch.SetPixelFormat(withAlpha ? pf32bit : pf24bit);
    scratch.SetSize(width, height);
}

} // namespace slice
