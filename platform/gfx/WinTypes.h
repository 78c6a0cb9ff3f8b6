#pragma once
#include <cstdint>

// The Win32 value types and geometry of the drawing layer. Everything Win32-shaped lives in
// namespace win; the class library's own geometry (TRect, TPoint, TSize) is in TRect.h.
namespace win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using COLORREF = DWORD; // 0x00BBGGRR: red in the low byte

// C headers (libjpeg's among them) may have defined these as macros with the same values.
#ifndef TRUE
constexpr BOOL TRUE = 1;
#endif
#ifndef FALSE
constexpr BOOL FALSE = 0;
#endif
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return BYTE(c);
}
constexpr BYTE GetGValue(COLORREF c) {
    return BYTE(c >> 8);
}
constexpr BYTE GetBValue(COLORREF c) {
    return BYTE(c >> 16);
}

struct POINT {
    LONG x{ 0 };
    LONG y{ 0 };
    bool operator==(const POINT&) const = default;
};

struct SIZE {
    LONG cx{ 0 };
    LONG cy{ 0 };
    bool operator==(const SIZE&) const = default;
};

// Right and bottom are exclusive, as everywhere in GDI.
struct RECT {
    LONG left{ 0 };
    LONG top{ 0 };
    LONG right{ 0 };
    LONG bottom{ 0 };
    bool operator==(const RECT&) const = default;
};

using LPRECT = RECT*;
using LPPOINT = POINT*;

BOOL SetRect(RECT* rc, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rc);
BOOL CopyRect(RECT* dst, const RECT* src);
BOOL OffsetRect(RECT* rc, int dx, int dy);
BOOL InflateRect(RECT* rc, int dx, int dy);
// The results of these three are the empty rectangle (all zero) when nothing is left.
BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rc, POINT pt);
BOOL IsRectEmpty(const RECT* rc);
BOOL EqualRect(const RECT* a, const RECT* b);

} // namespace win
