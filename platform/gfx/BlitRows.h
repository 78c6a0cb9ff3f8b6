#pragma once
#include "platform/gfx/Surface.h"

#include <cstdint>

// The row kernels of the blits. They are plain loops over bytes and pixels that the compiler
// vectorises (BlitRows.cpp is built with vectorisation on); source and destination never
// overlap, callers copy an overlapping source first.
namespace gfx::rows {

// d = s & d, s | d ... : one per raster operation with a source.
void And(Pixel* __restrict d, const Pixel* __restrict s, int n);
void Or(Pixel* __restrict d, const Pixel* __restrict s, int n);
void Xor(Pixel* __restrict d, const Pixel* __restrict s, int n);
void AndNotDest(Pixel* __restrict d, const Pixel* __restrict s, int n);      // SRCERASE
void NotSource(Pixel* __restrict d, const Pixel* __restrict s, int n);       // NOTSRCCOPY
void NotOr(Pixel* __restrict d, const Pixel* __restrict s, int n);           // NOTSRCERASE
void NotSourceOrDest(Pixel* __restrict d, const Pixel* __restrict s, int n); // MERGEPAINT
void NotDest(Pixel* d, int n);
void XorValue(Pixel* d, Pixel value, int n);
// Copies the pixels whose colour (alpha aside) differs from `key`.
void KeyCopy(Pixel* __restrict d, const Pixel* __restrict s, int n, Pixel key);
// Premultiplied source over destination, all four channels, with a constant alpha 0..255.
void Over(Pixel* __restrict d, const Pixel* __restrict s, int n, unsigned constantAlpha);
// (s * k + d * (255 - k)) / 255 on all four channels.
void Mix(Pixel* __restrict d, const Pixel* __restrict s, int n, unsigned k);

} // namespace gfx::rows
