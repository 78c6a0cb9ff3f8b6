#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/SysColors.h"

// Creating, querying and deleting GDI objects: bitmaps, pens, brushes, palettes, regions, stock
// objects. DeleteObject refuses (FALSE) an object still selected into a DC, a DC and a stale
// handle; on a stock object it does nothing and answers TRUE.
// Fonts are created by the text layer (CreateFontIndirect); GetStockObject asks it for the stock
// fonts through CreateStockFont below.
namespace win {

BOOL DeleteObject(HGDIOBJ object);
// GetObject: BITMAP or DIBSECTION for bitmaps, LOGPEN, LOGBRUSH, LOGFONT (fonts), the entry
// count (WORD) for palettes; with a null buffer, the size needed.
int GetObject(HGDIOBJ object, int size, void* buffer);
HGDIOBJ GetStockObject(int index);
// The 1x1 monochrome bitmap a new memory DC holds (a stock object).
HGDIOBJ DefaultDcBitmap();

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

// A logical palette (at most 256 entries); GetObject on it gives its entry count as a WORD.
HPALETTE CreatePalette(const LOGPALETTE* palette);
// Copies entries [start, start + count) that exist; returns how many. With null `entries`,
// returns the number of entries.
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);

// A device bitmap: `bits`, when given, holds rows padded to 2 bytes as in Win32. 1 bit per pixel
// makes a monochrome bitmap; any other count makes a 32-bit one.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
// A 32-bit bitmap (the screen's format), or a monochrome one when the DC holds one.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// 1, 4, 8, 16, 24 or 32 bits, BI_RGB (16 bits: 5-5-5) or BI_BITFIELDS with the standard masks
// (16 bits: 5-5-5 or 5-6-5); `*bits` receives the pixel memory (rows padded to 4 bytes, ordered
// as the header's height sign says). New pixels are 0.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section,
                         DWORD offset);
// Copies scan lines [start, start + lines) (numbered from the bottom for a bottom-up header)
// between the bitmap and a DIB in `info`'s format. With null `bits`, GetDIBits fills in the
// header (size, bit count, image size) and returns the bitmap's height.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* size);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data);
// Bytes written; with null `data`, the bytes needed; 0 when `size` is too small.
DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data);
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
int GetRgnBox(HRGN region, RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);

// Provided by the text layer: a new font object for a stock font index (SYSTEM_FONT,
// DEFAULT_GUI_FONT ...), or null. GetStockObject calls it once per index and keeps the result.
HFONT CreateStockFont(int index);

} // namespace win
