#pragma once
#include "platform/gfx/WinTypes.h"

#include <cstdint>
#include <vector>

namespace gfx {

// An area of whole pixels kept as rectangles in y-x bands: rectangles sorted by top, then left;
// rectangles of one band share top and bottom, never touch or overlap each other, and vertically
// adjacent bands with the same spans are merged. Two regions covering the same pixels therefore
// hold equal rectangle lists, so equality is a list comparison.
class Region {
public:
    enum class Op { And, Or, Xor, Diff, Copy };
    // The complexity a combine reports, with GDI's numbers.
    enum Kind { Error = 0, NullRegion = 1, SimpleRegion = 2, ComplexRegion = 3 };

    Region() = default;
    explicit Region(const win::RECT& rect);
    // Any list of rectangles, overlapping or not; empty ones are ignored.
    static Region FromRects(const std::vector<win::RECT>& rects);
    // The shapes take an optional limit: only their rows inside it are built, so drawing a huge
    // shape costs what its visible part costs. Shapes beyond 2^24 pixels a side are empty.
    static Region Ellipse(const win::RECT& bounds, const win::RECT* limit = nullptr);
    // Corners rounded by an ellipse of width x height, as CreateRoundRectRgn.
    static Region RoundRect(const win::RECT& bounds, int ellipseWidth, int ellipseHeight,
                            const win::RECT* limit = nullptr);
    // Fill modes as SetPolyFillMode: alternate (even-odd) when `winding` is false.
    static Region Polygon(const std::vector<win::POINT>& points, bool winding,
                          const win::RECT* limit = nullptr);
    // From mask rows: the pixels for which `inside(x, y)` is true, over width x height.
    template <class Inside>
    static Region FromMask(int width, int height, Inside inside);

    bool Empty() const { return FRects.empty(); }
    Kind Complexity() const;
    const std::vector<win::RECT>& Rects() const { return FRects; }
    win::RECT Bounds() const;
    bool Contains(int x, int y) const;
    // True when any pixel of the rectangle lies inside.
    bool Intersects(const win::RECT& rect) const;

    void Offset(int dx, int dy);
    static Region Combine(const Region& a, const Region& b, Op op);
    Region Intersected(const win::RECT& rect) const;

    bool operator==(const Region&) const = default;

private:
    // Builds from spans that are already banded per row run: used by the shape constructors.
    static Region FromRowSpans(int top, const std::vector<std::vector<std::pair<int, int>>>& rows);

    std::vector<win::RECT> FRects;
};

template <class Inside>
Region Region::FromMask(int width, int height, Inside inside) {
    std::vector<std::vector<std::pair<int, int>>> rows(height > 0 ? std::size_t(height) : 0);
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && !inside(x, y))
                ++x;
            const int start = x;
            while (x < width && inside(x, y))
                ++x;
            if (x > start) rows[std::size_t(y)].emplace_back(start, x);
        }
    }
    return FromRowSpans(0, rows);
}

} // namespace gfx
