#pragma once
#include "platform/gfx/WinTypes.h"

// The class library's geometry at global scope. Each converts to and from its Win32 twin, so a
// TRect can be handed to a GDI call as `win::RECT r = rect;` and taken back the same way.

struct TPoint {
    int X{ 0 };
    int Y{ 0 };

    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    constexpr TPoint(const win::POINT& p) : X(p.x), Y(p.y) {}
    constexpr operator win::POINT() const { return win::POINT{ X, Y }; }
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx{ 0 };
    int cy{ 0 };

    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    constexpr TSize(const win::SIZE& s) : cx(s.cx), cy(s.cy) {}
    constexpr operator win::SIZE() const { return win::SIZE{ cx, cy }; }
    bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive.
struct TRect {
    int Left{ 0 };
    int Top{ 0 };
    int Right{ 0 };
    int Bottom{ 0 };

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}
    constexpr TRect(const TPoint& topLeft, const TPoint& bottomRight)
        : Left(topLeft.X), Top(topLeft.Y), Right(bottomRight.X), Bottom(bottomRight.Y) {}
    constexpr TRect(const win::RECT& r)
        : Left(r.left), Top(r.top), Right(r.right), Bottom(r.bottom) {}
    constexpr operator win::RECT() const { return win::RECT{ Left, Top, Right, Bottom }; }

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr TPoint TopLeft() const { return TPoint(Left, Top); }
    constexpr TPoint BottomRight() const { return TPoint(Right, Bottom); }
    constexpr bool Contains(const TPoint& p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) {
    return TPoint(x, y);
}
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect(left, top, right, bottom);
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect(left, top, left + width, top + height);
}
