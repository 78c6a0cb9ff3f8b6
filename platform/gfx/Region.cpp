#include "platform/gfx/Region.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gfx {

namespace {

using Span = std::pair<int, int>; // [first, second)
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
Span EllipseRow(int width, int height, int row) {
    const double a = width / 2.0;
    const double b = height / 2.0;
    const double dy = (row + 0.5 - b) / b;
    const double inside = 1.0 - dy * dy;
    if (inside < 0) return { 0, 0 };
    const double half = a * std::sqrt(inside);
    const int first = int(std::ceil(a - half - 0.5));
    const int last = int(std::floor(a + half - 0.5));
    if (last < first) return { 0, 0 };
    return { std::max(first, 0), std::min(last + 1, width) };
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

Region Region::Ellipse(const win::RECT& bounds) {
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return {};
    std::vector<Spans> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const Span s = EllipseRow(width, height, y);
        if (s.first < s.second)
            rows[std::size_t(y)].emplace_back(bounds.left + s.first, bounds.left + s.second);
    }
    return FromRowSpans(bounds.top, rows);
}

Region Region::RoundRect(const win::RECT& bounds, int ellipseWidth, int ellipseHeight) {
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return {};
    const int ew = std::clamp(std::abs(ellipseWidth), 0, width);
    const int eh = std::clamp(std::abs(ellipseHeight), 0, height);
    if (ew < 2 || eh < 2) return Region(bounds);
    std::vector<Spans> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        int ellipseRow = -1;
        if (y < eh / 2)
            ellipseRow = y;
        else if (height - 1 - y < eh / 2)
            ellipseRow = eh - 1 - (height - 1 - y);
        int left = 0;
        int right = width;
        if (ellipseRow >= 0) {
            const Span s = EllipseRow(ew, eh, ellipseRow);
            if (s.first >= s.second) continue;
            left = s.first;
            right = width - (ew - s.second);
        }
        if (left < right)
            rows[std::size_t(y)].emplace_back(bounds.left + left, bounds.left + right);
    }
    return FromRowSpans(bounds.top, rows);
}

Region Region::Polygon(const std::vector<win::POINT>& points, bool winding) {
    if (points.size() < 3) return {};
    int top = points[0].y, bottom = points[0].y;
    for (const win::POINT& p : points) {
        top = std::min(top, int(p.y));
        bottom = std::max(bottom, int(p.y));
    }
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
            const double t = (yc - p0.y) / double(p1.y - p0.y);
            crossings.emplace_back(p0.x + t * (p1.x - p0.x), down ? 1 : -1);
        }
        std::sort(crossings.begin(), crossings.end());
        Spans& spans = rows[std::size_t(y - top)];
        int count = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            const bool inside = winding ? count != 0 : (count & 1) != 0;
            if (!inside) continue;
            const int first = int(std::ceil(crossings[i].first - 0.5));
            const int last = int(std::ceil(crossings[i + 1].first - 0.5));
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
