#include "platform/gfx/Region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace gfx {

namespace {

using Span = std::pair<int, int>; // [first, second)
using WideSpan = std::pair<std::int64_t, std::int64_t>;
using Spans = std::vector<Span>;

// Appends one band, merging it into the band just above when that one touches it and has the
// same spans: this keeps the rectangle list canonical.
class BandWriter {
public:
    explicit BandWriter(std::vector<win::RECT>& out) : FOut(out) {}

    void Add(int top, int bottom, const Spans& spans) {
        if (spans.empty() || top >= bottom) return;
        if (FLastBottom == top && FLastSpans == spans) {
            for (std::size_t i = FLastStart; i < FOut.size(); ++i)
                FOut[i].bottom = bottom;
        } else {
            FLastStart = FOut.size();
            for (const Span& s : spans)
                FOut.push_back(win::RECT{ s.first, top, s.second, bottom });
            FLastSpans = spans;
        }
        FLastBottom = bottom;
    }

private:
    std::vector<win::RECT>& FOut;
    std::size_t FLastStart{ 0 };
    int FLastBottom{ 0 };
    Spans FLastSpans;
};

// Sorts and merges overlapping or touching intervals.
void Normalise(Spans& spans) {
    std::sort(spans.begin(), spans.end());
    Spans merged;
    for (const Span& s : spans) {
        if (!merged.empty() && s.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, s.second);
        else
            merged.push_back(s);
    }
    spans.swap(merged);
}

bool Keep(Region::Op op, bool inA, bool inB) {
    switch (op) {
    case Region::Op::And:
        return inA && inB;
    case Region::Op::Or:
        return inA || inB;
    case Region::Op::Xor:
        return inA != inB;
    case Region::Op::Diff:
        return inA && !inB;
    case Region::Op::Copy:
        return inA;
    }
    return false;
}

Spans CombineSpans(const Spans& a, const Spans& b, Region::Op op) {
    std::vector<int> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (const Span& s : a) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    for (const Span& s : b) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Spans out;
    std::size_t ia = 0, ib = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const int x0 = xs[i];
        const int x1 = xs[i + 1];
        while (ia < a.size() && a[ia].second <= x0)
            ++ia;
        while (ib < b.size() && b[ib].second <= x0)
            ++ib;
        const bool inA = ia < a.size() && a[ia].first <= x0;
        const bool inB = ib < b.size() && b[ib].first <= x0;
        if (!Keep(op, inA, inB)) continue;
        if (!out.empty() && out.back().second == x0)
            out.back().second = x1;
        else
            out.emplace_back(x0, x1);
    }
    return out;
}

// Rectangles that may overlap, swept band by band.
class ActiveSet {
public:
    explicit ActiveSet(std::vector<win::RECT> rects) : FRects(std::move(rects)) {
        std::erase_if(FRects, [](const win::RECT& r) { return win::IsRectEmpty(&r); });
        std::sort(FRects.begin(), FRects.end(),
                  [](const win::RECT& l, const win::RECT& r) { return l.top < r.top; });
    }

    void CollectEdges(std::vector<int>& ys) const {
        for (const win::RECT& r : FRects) {
            ys.push_back(r.top);
            ys.push_back(r.bottom);
        }
    }

    // Spans covering the band starting at y; bands are visited top to bottom.
    Spans At(int y) {
        while (FNext < FRects.size() && FRects[FNext].top <= y)
            FActive.push_back(FRects[FNext++]);
        std::erase_if(FActive, [y](const win::RECT& r) { return r.bottom <= y; });
        Spans spans;
        spans.reserve(FActive.size());
        for (const win::RECT& r : FActive)
            spans.emplace_back(r.left, r.right);
        Normalise(spans);
        return spans;
    }

private:
    std::vector<win::RECT> FRects;
    std::vector<win::RECT> FActive;
    std::size_t FNext{ 0 };
};

std::vector<win::RECT> Sweep(std::vector<win::RECT> a, std::vector<win::RECT> b, Region::Op op) {
    ActiveSet setA(std::move(a));
    ActiveSet setB(std::move(b));
    std::vector<int> ys;
    setA.CollectEdges(ys);
    setB.CollectEdges(ys);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<win::RECT> out;
    BandWriter writer(out);
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const Spans spansA = setA.At(ys[i]);
        const Spans spansB = setB.At(ys[i]);
        writer.Add(ys[i], ys[i + 1], CombineSpans(spansA, spansB, op));
    }
    return out;
}

// The span of row `row` (0-based) of the ellipse inscribed in a width x height box, as
// [first, second) in box coordinates: pixels whose centres lie inside the ellipse.
WideSpan EllipseRow(std::int64_t width, std::int64_t height, std::int64_t row) {
    const double a = double(width) / 2.0;
    const double b = double(height) / 2.0;
    const double dy = (double(row) + 0.5 - b) / b;
    const double inside = 1.0 - dy * dy;
    if (inside < 0) return { 0, 0 };
    const double half = a * std::sqrt(inside);
    const auto first = std::int64_t(std::ceil(a - half - 0.5));
    const auto last = std::int64_t(std::floor(a + half - 0.5));
    if (last < first) return { 0, 0 };
    // Offsets inside the box; callers add them to the box's left edge, which keeps them in range.
    return { std::max<std::int64_t>(first, 0), std::min<std::int64_t>(last + 1, width) };
}

// The first pixel whose centre lies at or right of x, kept inside int range for wild input.
int ToPixel(double x) {
    constexpr double kLimit = 1 << 30;
    return int(std::ceil(std::clamp(x, -kLimit, kLimit) - 0.5));
}

// No shape builds more rows than this at once: far larger ones are refused as nonsense.
constexpr std::int64_t kMaxShapeRows = std::int64_t(1) << 24;

// The rows of a shape's bounding box to build: all of them, or those inside a limit. Sizes are
// 64-bit: a box from INT_MIN to INT_MAX is valid input.
struct Rows {
    std::int64_t Width{ 0 };
    std::int64_t Height{ 0 };
    std::int64_t First{ 0 }; // rows counted from the box's top
    std::int64_t Last{ 0 };
    bool Empty() const { return Last <= First; }
    std::size_t Count() const { return std::size_t(Last - First); }
};

Rows RowsOf(const win::RECT& bounds, const win::RECT* limit) {
    Rows rows;
    rows.Width = std::int64_t(bounds.right) - bounds.left;
    rows.Height = std::int64_t(bounds.bottom) - bounds.top;
    if (rows.Width <= 0 || rows.Height <= 0) return rows;
    std::int64_t first = 0;
    std::int64_t last = rows.Height;
    if (limit) {
        first = std::max<std::int64_t>(first, std::int64_t(limit->top) - bounds.top);
        last = std::min<std::int64_t>(last, std::int64_t(limit->bottom) - bounds.top);
    }
    if (last > first && last - first <= kMaxShapeRows) {
        rows.First = first;
        rows.Last = last;
    }
    return rows;
}

// A span at an offset inside a box whose left edge is `left`: the sum is inside the box, so it
// fits an int.
std::pair<int, int> Place(int left, const WideSpan& s) {
    return { int(left + s.first), int(left + s.second) };
}

} // namespace

Region::Region(const win::RECT& rect) {
    if (!win::IsRectEmpty(&rect)) FRects.push_back(rect);
}

Region Region::FromRects(const std::vector<win::RECT>& rects) {
    Region r;
    r.FRects = Sweep(rects, {}, Op::Or);
    return r;
}

Region Region::FromRowSpans(int top, const std::vector<std::vector<std::pair<int, int>>>& rows) {
    Region r;
    BandWriter writer(r.FRects);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Spans spans = rows[i];
        std::erase_if(spans, [](const Span& s) { return s.first >= s.second; });
        Normalise(spans);
        const int y = top + int(i);
        writer.Add(y, y + 1, spans);
    }
    return r;
}

Region Region::Ellipse(const win::RECT& bounds, const win::RECT* limit) {
    const Rows rows = RowsOf(bounds, limit);
    if (rows.Empty()) return {};
    std::vector<Spans> spans(rows.Count());
    for (std::int64_t y = rows.First; y < rows.Last; ++y) {
        const WideSpan s = EllipseRow(rows.Width, rows.Height, y);
        if (s.first < s.second) spans[std::size_t(y - rows.First)].push_back(Place(bounds.left, s));
    }
    return FromRowSpans(int(bounds.top + rows.First), spans);
}

Region Region::RoundRect(const win::RECT& bounds, int ellipseWidth, int ellipseHeight,
                         const win::RECT* limit) {
    const Rows rows = RowsOf(bounds, limit);
    if (rows.Empty()) return {};
    const std::int64_t ew =
        std::min<std::int64_t>(std::abs(std::int64_t(ellipseWidth)), rows.Width);
    const std::int64_t eh =
        std::min<std::int64_t>(std::abs(std::int64_t(ellipseHeight)), rows.Height);
    std::vector<Spans> spans(rows.Count());
    for (std::int64_t y = rows.First; y < rows.Last; ++y) {
        WideSpan span{ 0, rows.Width };
        std::int64_t ellipseRow = -1;
        if (ew >= 2 && eh >= 2) {
            if (y < eh / 2)
                ellipseRow = y;
            else if (rows.Height - 1 - y < eh / 2)
                ellipseRow = eh - 1 - (rows.Height - 1 - y);
        }
        if (ellipseRow >= 0) {
            const WideSpan corner = EllipseRow(ew, eh, ellipseRow);
            if (corner.first >= corner.second) continue;
            span = { corner.first, rows.Width - (ew - corner.second) };
        }
        if (span.first < span.second)
            spans[std::size_t(y - rows.First)].push_back(Place(bounds.left, span));
    }
    return FromRowSpans(int(bounds.top + rows.First), spans);
}

Region Region::Polygon(const std::vector<win::POINT>& points, bool winding,
                       const win::RECT* limit) {
    if (points.size() < 3) return {};
    int top = points[0].y, bottom = points[0].y;
    for (const win::POINT& p : points) {
        top = std::min(top, int(p.y));
        bottom = std::max(bottom, int(p.y));
    }
    if (limit) {
        top = std::max(top, int(limit->top));
        bottom = std::min(bottom, int(limit->bottom));
    }
    if (bottom <= top || std::int64_t(bottom) - top > kMaxShapeRows) return {};
    // Edge arithmetic below works in doubles: no coordinate difference can overflow.
    std::vector<Spans> rows(static_cast<std::size_t>(bottom - top));
    std::vector<std::pair<double, int>> crossings;
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const win::POINT p0 = points[i];
            const win::POINT p1 = points[(i + 1) % points.size()];
            if (p0.y == p1.y) continue;
            const bool down = p1.y > p0.y;
            const double y0 = down ? p0.y : p1.y;
            const double y1 = down ? p1.y : p0.y;
            if (yc < y0 || yc >= y1) continue;
            const double t = (yc - p0.y) / (double(p1.y) - double(p0.y));
            crossings.emplace_back(p0.x + t * (double(p1.x) - double(p0.x)), down ? 1 : -1);
        }
        std::sort(crossings.begin(), crossings.end());
        Spans& spans = rows[std::size_t(y - top)];
        int count = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            const bool inside = winding ? count != 0 : (count & 1) != 0;
            if (!inside) continue;
            const int first = ToPixel(crossings[i].first);
            const int last = ToPixel(crossings[i + 1].first);
            if (first < last) spans.emplace_back(first, last);
        }
    }
    return FromRowSpans(top, rows);
}

Region::Kind Region::Complexity() const {
    if (FRects.empty()) return NullRegion;
    return FRects.size() == 1 ? SimpleRegion : ComplexRegion;
}

win::RECT Region::Bounds() const {
    if (FRects.empty()) return {};
    win::RECT b = FRects.front();
    for (const win::RECT& r : FRects) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::Contains(int x, int y) const {
    // Bands are sorted and never overlap: skip straight to the band that may hold y.
    auto it = std::partition_point(FRects.begin(), FRects.end(),
                                   [y](const win::RECT& r) { return r.bottom <= y; });
    for (; it != FRects.end() && it->top <= y; ++it)
        if (x >= it->left && x < it->right) return true;
    return false;
}

bool Region::Intersects(const win::RECT& rect) const {
    if (win::IsRectEmpty(&rect)) return false;
    for (const win::RECT& r : FRects) {
        if (r.top >= rect.bottom) break;
        win::RECT cut;
        if (win::IntersectRect(&cut, &r, &rect)) return true;
    }
    return false;
}

void Region::Offset(int dx, int dy) {
    for (win::RECT& r : FRects)
        win::OffsetRect(&r, dx, dy);
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
    if (op == Op::Copy) return a;
    Region r;
    r.FRects = Sweep(a.FRects, b.FRects, op);
    return r;
}

Region Region::Intersected(const win::RECT& rect) const {
    if (FRects.size() == 1) {
        win::RECT cut;
        return win::IntersectRect(&cut, &FRects.front(), &rect) ? Region(cut) : Region();
    }
    return Combine(*this, Region(rect), Op::And);
}

} // namespace gfx
