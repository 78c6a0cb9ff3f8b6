#pragma once
#include "platform/gfx/GdiObject.h"

#include <cstdint>

// The records and constants GDI calls exchange, with their Win32 layouts and values.
namespace win {

using ULONG_PTR = std::uintptr_t;

struct RGBQUAD {
    BYTE rgbBlue{ 0 };
    BYTE rgbGreen{ 0 };
    BYTE rgbRed{ 0 };
    BYTE rgbReserved{ 0 };
};

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_BITFIELDS = 3;
constexpr UINT DIB_RGB_COLORS = 0;

// biHeight > 0: bottom-up rows (the first row in memory is the bottom one); < 0: top-down.
struct BITMAPINFOHEADER {
    DWORD biSize{ 40 };
    LONG biWidth{ 0 };
    LONG biHeight{ 0 };
    WORD biPlanes{ 1 };
    WORD biBitCount{ 0 };
    DWORD biCompression{ BI_RGB };
    DWORD biSizeImage{ 0 };
    LONG biXPelsPerMeter{ 0 };
    LONG biYPelsPerMeter{ 0 };
    DWORD biClrUsed{ 0 };
    DWORD biClrImportant{ 0 };
};

// A header followed by its colour table. Callers with a 256-entry palette allocate a larger
// block and pass it as a BITMAPINFO*, as in Win32; bmiColors is read up to the number of colours
// the header implies (biClrUsed, else 2^biBitCount for 8 bits and fewer).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct BITMAP {
    LONG bmType{ 0 };
    LONG bmWidth{ 0 };
    LONG bmHeight{ 0 };
    LONG bmWidthBytes{ 0 };
    WORD bmPlanes{ 1 };
    WORD bmBitsPixel{ 0 };
    void* bmBits{ nullptr }; // the pixel memory of a DIB section, null otherwise
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3]{ 0, 0, 0 };
    void* dshSection{ nullptr };
    DWORD dsOffset{ 0 };
};

// Pen styles.
constexpr UINT PS_SOLID = 0;
constexpr UINT PS_DASH = 1;
constexpr UINT PS_DOT = 2;
constexpr UINT PS_DASHDOT = 3;
constexpr UINT PS_DASHDOTDOT = 4;
constexpr UINT PS_NULL = 5;
constexpr UINT PS_INSIDEFRAME = 6;
constexpr UINT PS_STYLE_MASK = 0x0F;

struct LOGPEN {
    UINT lopnStyle{ PS_SOLID };
    POINT lopnWidth; // x is the width; y is unused
    COLORREF lopnColor{ 0 };
};

// Brush styles and hatches.
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr UINT BS_PATTERN = 3;
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

struct LOGBRUSH {
    UINT lbStyle{ BS_SOLID };
    COLORREF lbColor{ 0 };
    ULONG_PTR lbHatch{ 0 };
};

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

// Region combination and complexity.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

struct RGNDATAHEADER {
    DWORD dwSize{ 32 };
    DWORD iType{ 1 }; // RDH_RECTANGLES
    DWORD nCount{ 0 };
    DWORD nRgnSize{ 0 };
    RECT rcBound;
};

// The header followed by nCount RECTs in Buffer (allocated by the caller past the struct).
struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};

// Logical palettes.
struct PALETTEENTRY {
    BYTE peRed{ 0 };
    BYTE peGreen{ 0 };
    BYTE peBlue{ 0 };
    BYTE peFlags{ 0 };
};

// The header followed by palNumEntries entries (allocated by the caller past the struct).
struct LOGPALETTE {
    WORD palVersion{ 0x300 };
    WORD palNumEntries{ 0 };
    PALETTEENTRY palPalEntry[1];
};

// Blending.
constexpr BYTE AC_SRC_OVER = 0;
constexpr BYTE AC_SRC_ALPHA = 1;

struct BLENDFUNCTION {
    BYTE BlendOp{ AC_SRC_OVER };
    BYTE BlendFlags{ 0 };
    BYTE SourceConstantAlpha{ 255 };
    BYTE AlphaFormat{ 0 };
};

} // namespace win
