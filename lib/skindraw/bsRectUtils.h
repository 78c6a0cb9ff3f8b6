#pragma once
#include "platform/gfx/TRect.h"

// Rectangle and point helpers of the skinned controls; plain values in and out.

inline int IntMax(int a, int b) {
    return a > b ? a : b;
}
inline int IntMin(int a, int b) {
    return a < b ? a : b;
}
inline bool RectsEqual(const TRect& a, const TRect& b) {
    return a == b;
}
inline TRect ZeroRect() {
    return TRect(0, 0, 0, 0);
}
inline bool RectIsEmpty(const TRect& r) {
    return r.Right - r.Left <= 0 || r.Bottom - r.Top <= 0;
}
inline int WidthOfRect(const TRect& r) {
    return r.Right - r.Left;
}
inline int HeightOfRect(const TRect& r) {
    return r.Bottom - r.Top;
}
// A guide point of a skin record counts as unset when either coordinate is 0.
inline bool IsPointUnset(const TPoint& p) {
    return p.X == 0 || p.Y == 0;
}
// All four edges count as inside.
inline bool PtInRectInclusive(const TRect& r, const TPoint& p) {
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}
// A's top-left corner and its point (Right, Bottom) both lie in B, B's right and bottom edges
// counting as outside: so A must end strictly inside B.
bool RectInsideRect(const TRect& a, const TRect& b);
// A's top or bottom edge lies within B's rows (tested at B.Left + 1 and B.Right - 1).
bool RectPartlyInRect(const TRect& a, const TRect& b);
