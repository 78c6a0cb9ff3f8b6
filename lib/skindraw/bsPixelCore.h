#pragma once
#include "platform/gfx/Gdi.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

#include <cstdint>
#include <vector>

// The skin engine's 32-bit pixels and the one table of routines every pixel loop runs through.
// A pixel is 0xAARRGGBB; in memory blue, green, red, alpha (the DIB byte order).
using TbsColor = std::uint32_t;
using PbsColorArray = TbsColor*;
using TArrayOfseColor = std::vector<TbsColor>;

// Pixels of this colour (alpha aside) are left out when a keyed bitmap is drawn.
constexpr TbsColor TransparentKeyColor = 0x7F007F;

class TbsBitmap;

constexpr bool IsKeyColored(TbsColor c) {
    return (c & 0xFFFFFF) == TransparentKeyColor;
}

// A plain RGB TColor (0x00BBGGRR) as an opaque pixel; system colours are not resolved.
constexpr TbsColor ColorToBsColor(TColor color) {
    const auto c = std::uint32_t(color);
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
void ClampRGB(int& r, int& g, int& b);
// a * b div c on 16-bit values (32-bit product); 0 when c is 0, 65535 when the result overflows.
std::uint16_t MulDiv16(std::uint16_t a, std::uint16_t b, std::uint16_t c);

// The single-pixel and line routines of both blend sets. The vector set is written as branch-free
// loops the compiler turns into SIMD code; both give the same results: an opaque source comes
// back unchanged, a transparent one leaves the destination, anything between is
// (S*A + D*(255 - A)) shr 8 per colour with alpha 255.
TbsColor BlendPixelPlain(TbsColor s, TbsColor d);
void BlendLinePlain(const TbsColor* src, TbsColor* dst, int n);
TbsColor BlendPixelVector(TbsColor s, TbsColor d);
void BlendLineVector(const TbsColor* src, TbsColor* dst, int n);
// src[map[i]] blended over dst[i] for n pixels: one row of a nearest-neighbour scaling, blended
// as it is gathered.
void GatherBlendLinePlain(const TbsColor* src, const int* map, TbsColor* dst, int n);
void GatherBlendLineVector(const TbsColor* src, const int* map, TbsColor* dst, int n);

void KeyCopyLine(const TbsColor* src, TbsColor* dst, int n);
// dst[i] := src[map[i]] for n pixels: one row of a nearest-neighbour scaling.
void GatherLine(const TbsColor* src, const int* map, TbsColor* dst, int n);
void CopyLine(const TbsColor* src, TbsColor* dst, int n);
void FillLine(TbsColor* dst, int n, TbsColor color);
void SetAlphaLine(TbsColor* dst, int n, std::uint8_t alpha);
void ClearKeyAlphaLine(TbsColor* dst, int n, TbsColor color);
// Rows top..bottom and columns left..right, all inclusive, of a buffer with rows stride pixels
// apart; height is not used.
void FillPixelRect(TbsColor* bits, int stride, int height, TbsColor color, int bottom, int right,
                   int top, int left);
void SetAlphaPixelRect(TbsColor* bits, int stride, int height, std::uint8_t alpha, int bottom,
                       int right, int top, int left);

// The pixel memory of the 32-bit DIB section selected into dc, with its header's width, height
// (positive: bottom-up) and bit count; null (and zeros) when the DC holds none.
TbsColor* GetDCBitmapBits(win::HDC dc, int& width, int& height, int& bitCount);

bool CpuidPresent();
int CpuSignature();
int CpuFeatureBits();
bool HasMMX();
// SIMD code here uses no MMX registers, so there is no state to clear; kept so callers mark the
// places where floating-point work follows pixel code.
inline void EndMMX() {}
// The platform's drawing layer always has TransparentBlt.
bool TransparentBltLoaded();
int ScreenColorBits();
bool IsTrueColorScreen();

// One set of routines chosen for the processor and the screen.
class TPixelRoutines {
public:
    using BlendPixelFn = TbsColor (*)(TbsColor s, TbsColor d);
    using LineFn = void (*)(const TbsColor* src, TbsColor* dst, int n);
    using GatherLineFn = void (*)(const TbsColor* src, const int* map, TbsColor* dst, int n);

    TPixelRoutines(bool vectorBlend, bool transparentBltKeying);

    BlendPixelFn BlendPixel{ BlendPixelPlain };
    LineFn BlendLine{ BlendLinePlain };
    GatherLineFn GatherBlendLine{ GatherBlendLinePlain };
    LineFn KeyCopyLine{ ::KeyCopyLine };
    LineFn CopyLine{ ::CopyLine };

    bool VectorBlend() const { return FVectorBlend; }
    bool TransparentBltKeying() const { return FTransparentBltKeying; }

    // Into a DC: DstW x DstH at DstX, DstY from the SrcW x SrcH area at SrcX, SrcY.
    void StretchCopyToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                         const TbsBitmap& bitmap, int srcX, int srcY, int srcW, int srcH) const;
    void BlendToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH, const TbsBitmap& bitmap,
                   int srcX, int srcY, int srcW, int srcH) const;
    // The key-draw role: TransparentBlt or composing through a temporary bitmap.
    void KeyDrawToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH, const TbsBitmap& bitmap,
                     int srcX, int srcY, int srcW, int srcH) const;
    void KeyToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH, const TbsBitmap& bitmap,
                 int srcX, int srcY, int srcW, int srcH) const;
    void TransparentBltToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH,
                            const TbsBitmap& bitmap, int srcX, int srcY, int srcW, int srcH) const;

    // Into the memory of a bottom-up 32-bit DIB section of dibWidth x dibHeight.
    void CopyToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                   const TbsBitmap& bitmap, int dibHeight, int dibWidth) const;
    void BlendToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                    const TbsBitmap& bitmap, int dibHeight, int dibWidth) const;
    void KeyCopyToDIB(TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
                      const TbsBitmap& bitmap, int dibHeight, int dibWidth) const;

    // Same size, between bitmaps: ClipRect's rows from Source's (srcX, srcY) on.
    void CopyRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                  int srcX) const;
    void BlendRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                   int srcX) const;
    void KeyCopyRows(TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
                     int srcX) const;

    // Nearest-neighbour scaling of SrcRect onto DstRect, cut to ClipRect and to Dest.
    void ScaleCopy(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                   const TbsBitmap& source) const;
    void ScaleBlend(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                    const TbsBitmap& source) const;
    void ScaleKeyCopy(TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
                      const TbsBitmap& source) const;

    enum class TPixelOp { Copy, Blend, Key };

private:
    LineFn LineFor(TPixelOp op) const;
    void Rows(TPixelOp op, TbsBitmap& dest, TRect clipRect, const TbsBitmap& source, int srcY,
              int srcX) const;
    void Scale(TPixelOp op, TbsBitmap& dest, TRect dstRect, TRect clipRect, TRect srcRect,
               const TbsBitmap& source) const;
    void ToDIB(TPixelOp op, TbsColor* bits, TRect dstRect, TRect clipRect, TRect srcRect,
               const TbsBitmap& bitmap, int dibHeight, int dibWidth) const;
    void ComposeToDC(win::HDC dc, int dstX, int dstY, int dstW, int dstH, const TbsBitmap& bitmap,
                     int srcX, int srcY, int srcW, int srcH) const;

    bool FVectorBlend{ false };
    bool FTransparentBltKeying{ false };
};

// The process-wide table, filled on first use: the vector blend set when the processor has
// MMX-class SIMD, TransparentBlt keying on a true-colour screen.
const TPixelRoutines& PixelRoutines();
