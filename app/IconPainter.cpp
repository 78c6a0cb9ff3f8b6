#include "app/IconPainter.h"

#include "platform/gfx/TBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Samples per pixel along each axis: 16 per pixel is smooth enough at icon sizes.
constexpr int kSamples = 4;

float Channel(TColor color, int shift) {
    return float((ColorToRGB(color) >> shift) & 0xFF) / 255.0f;
}

double DistanceToSegment(double x, double y, TPointF a, TPointF b) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double length = dx * dx + dy * dy;
    const double t =
        length > 0 ? std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(x - (a.X + t * dx), y - (a.Y + t * dy));
}

} // namespace

bool InsideRoundRect(double x, double y, double left, double top, double right, double bottom,
                     double radius) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

TIconPainter::TIconPainter(int width, int height)
    : FWidth(std::max(0, width)), FHeight(std::max(0, height)),
      FTileColumns((FWidth + kTileSide - 1) / kTileSide),
      FTiles(std::size_t(FTileColumns) * std::size_t((FHeight + kTileSide - 1) / kTileSide)) {}

TIconPainter::TPixel& TIconPainter::PixelAt(int x, int y) {
    auto& tile =
        FTiles[std::size_t(y / kTileSide) * std::size_t(FTileColumns) + std::size_t(x / kTileSide)];
    if (!tile) tile = std::make_unique<TTile>();
    return (*tile)[std::size_t(y % kTileSide) * kTileSide + std::size_t(x % kTileSide)];
}

void TIconPainter::Blend(int x, int y, TColor color, double alpha) {
    if (alpha <= 0) return;
    TPixel& p = PixelAt(x, y);
    const float sa = float(std::min(alpha, 1.0));
    const float keep = p.A * (1 - sa);
    const float a = sa + keep;
    p.R = (Channel(color, 0) * sa + p.R * keep) / a;
    p.G = (Channel(color, 8) * sa + p.G * keep) / a;
    p.B = (Channel(color, 16) * sa + p.B * keep) / a;
    p.A = a;
}

template <class Inside>
void TIconPainter::Sample(const Inside& inside, double left, double top, double right,
                          double bottom, TColor color, double opacity, bool convex) {
    const int x0 = std::max(0, int(std::floor(left)));
    const int y0 = std::max(0, int(std::floor(top)));
    const int x1 = std::min(FWidth, int(std::ceil(right)));
    const int y1 = std::min(FHeight, int(std::ceil(bottom)));
    constexpr int kAll = kSamples * kSamples;
    const auto at = [](int pixel, int sample) { return pixel + (sample + 0.5) / kSamples; };
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            // Inside a convex shape every sample between the four outermost ones is inside too.
            if (convex && inside(at(x, 0), at(y, 0)) && inside(at(x, kSamples - 1), at(y, 0)) &&
                inside(at(x, 0), at(y, kSamples - 1)) &&
                inside(at(x, kSamples - 1), at(y, kSamples - 1))) {
                Blend(x, y, color, opacity);
                continue;
            }
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(at(x, sx), at(y, sy));
            Blend(x, y, color, opacity * hits / kAll);
        }
}

template <class InsideX, class InsideY>
void TIconPainter::SampleProduct(const InsideX& insideX, const InsideY& insideY, int left, int top,
                                 int right, int bottom, TColor color) {
    const int x0 = std::max(0, left);
    const int y0 = std::max(0, top);
    const int x1 = std::min(FWidth, right);
    const int y1 = std::min(FHeight, bottom);
    if (x0 >= x1 || y0 >= y1) return;
    constexpr int kAll = kSamples * kSamples;
    const auto at = [](int pixel, int sample) { return pixel + (sample + 0.5) / kSamples; };
    const auto hitsOf = [&](const auto& inside, int pixel) {
        int hits = 0;
        for (int s = 0; s < kSamples; ++s)
            hits += inside(at(pixel, s));
        return hits;
    };
    std::vector<int> columns(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x)
        columns[std::size_t(x - x0)] = hitsOf(insideX, x);
    for (int y = y0; y < y1; ++y) {
        const int rowHits = hitsOf(insideY, y);
        if (rowHits == 0) continue;
        for (int x = x0; x < x1; ++x)
            Blend(x, y, color, 1.0 * (rowHits * columns[std::size_t(x - x0)]) / kAll);
    }
}

void TIconPainter::Fill(const TInside& inside, double left, double top, double right, double bottom,
                        TColor color, double opacity) {
    Sample(inside, left, top, right, bottom, color, opacity, false);
}

void TIconPainter::FillRect(double left, double top, double right, double bottom, TColor color,
                            double opacity) {
    Sample([&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; },
           left, top, right, bottom, color, opacity, true);
}

void TIconPainter::FillRoundRect(double left, double top, double right, double bottom,
                                 double radius, TColor color, double opacity) {
    Sample(
        [&](double x, double y) { return InsideRoundRect(x, y, left, top, right, bottom, radius); },
        left, top, right, bottom, color, opacity, true);
}

void TIconPainter::FrameRoundRect(double left, double top, double right, double bottom,
                                  double radius, double width, TColor color, double dash) {
    const auto inRing = [&](double x, double y) {
        if (!InsideRoundRect(x, y, left, top, right, bottom, radius)) return false;
        if (InsideRoundRect(x, y, left + width, top + width, right - width, bottom - width,
                            std::max(0.0, radius - width)))
            return false;
        if (dash <= 0) return true;
        // Along the top and bottom edges the dashes follow x, along the sides y.
        const bool across = y < top + radius || y >= bottom - radius;
        const double along = across ? x - left : y - top;
        return std::fmod(along, 2 * dash) < dash;
    };
    const auto fill = [&](double l, double t, double r, double b) {
        Sample(inRing, l, t, r, b, color, 1.0, false);
    };
    // Between the rounded corners the ring is only its two sides and its top and bottom lines:
    // the pixels inside are never sampled. Pieces meet on whole pixels, so no pixel is covered
    // twice.
    const double edge = std::max(radius, width);
    const int bandTop = int(std::ceil(top + edge));
    const int bandBottom = int(std::floor(bottom - edge));
    const int sideLeft = int(std::ceil(left + width));
    const int sideRight = int(std::floor(right - width));
    if (bandTop >= bandBottom || sideLeft >= sideRight) {
        fill(left, top, right, bottom);
        return;
    }
    const int middleLeft = int(std::ceil(left + edge));
    const int middleRight = int(std::floor(right - edge));
    const int lineBottom = std::min(bandTop, int(std::ceil(top + width)));
    const int lineTop = std::max(bandBottom, int(std::floor(bottom - width)));
    // On the straight pieces a sample is in the ring when it lies within the line's width
    // across the line and on a dash along it; the lines above and below follow x only while
    // they stay above and below the corners' arcs.
    const auto dashed = [&](double along) {
        return dash <= 0 || std::fmod(along, 2 * dash) < dash;
    };
    const auto between = [](double low, double high) {
        return [low, high](double v) { return v >= low && v < high; };
    };
    const auto dashedFrom = [&](double origin) {
        return [&dashed, origin](double v) { return dashed(v - origin); };
    };
    if (middleLeft < middleRight) {
        fill(left, top, middleLeft, bandTop);
        if (lineBottom <= top + radius)
            SampleProduct(dashedFrom(left), between(top, top + width), middleLeft,
                          int(std::floor(top)), middleRight, lineBottom, color);
        else
            fill(middleLeft, top, middleRight, lineBottom);
        fill(middleRight, top, right, bandTop);
        fill(left, bandBottom, middleLeft, bottom);
        if (lineTop >= bottom - radius)
            SampleProduct(dashedFrom(left), between(bottom - width, bottom), middleLeft, lineTop,
                          middleRight, int(std::ceil(bottom)), color);
        else
            fill(middleLeft, lineTop, middleRight, bottom);
        fill(middleRight, bandBottom, right, bottom);
    } else {
        fill(left, top, right, bandTop);
        fill(left, bandBottom, right, bottom);
    }
    SampleProduct(between(left, left + width), dashedFrom(top), int(std::floor(left)), bandTop,
                  sideLeft, bandBottom, color);
    SampleProduct(between(right - width, right), dashedFrom(top), sideRight, bandTop,
                  int(std::ceil(right)), bandBottom, color);
}

void TIconPainter::FillEllipse(double cx, double cy, double rx, double ry, TColor color,
                               double opacity) {
    if (rx <= 0 || ry <= 0) return;
    Sample(
        [&](double x, double y) {
            const double u = (x - cx) / rx;
            const double v = (y - cy) / ry;
            return u * u + v * v <= 1;
        },
        cx - rx, cy - ry, cx + rx, cy + ry, color, opacity, true);
}

void TIconPainter::FillPolygon(std::span<const TPointF> points, TColor color, double opacity) {
    if (points.size() < 3) return;
    double left = points[0].X, right = left, top = points[0].Y, bottom = top;
    for (const TPointF& p : points) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    // Even-odd crossing test.
    Sample(
        [&](double x, double y) {
            bool in = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const TPointF& a = points[i];
                const TPointF& b = points[j];
                if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
                    in = !in;
            }
            return in;
        },
        left, top, right, bottom, color, opacity, false);
}

void TIconPainter::Line(TPointF from, TPointF to, double width, TColor color) {
    const double r = width / 2;
    // A stroke with round ends is convex.
    Sample([&](double x, double y) { return DistanceToSegment(x, y, from, to) <= r; },
           std::min(from.X, to.X) - r, std::min(from.Y, to.Y) - r, std::max(from.X, to.X) + r,
           std::max(from.Y, to.Y) + r, color, 1.0, true);
}

void TIconPainter::Text(std::string_view text, double left, double top, double right, double bottom,
                        TColor color, int pixelHeight, bool bold) {
    const int boxWidth = int(right - left);
    const int boxHeight = int(bottom - top);
    if (text.empty() || boxWidth <= 0 || boxHeight <= 0) return;
    // The font draws white on black; the brightness of each pixel is the text's coverage.
    TBitmap mask;
    mask.SetPixelFormat(pf32bit);
    mask.SetSize(boxWidth, boxHeight);
    TCanvas& c = mask.Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(TRect(0, 0, boxWidth, boxHeight));
    c.Font().SetName("DejaVu Sans");
    c.Font().SetColor(clWhite);
    c.Font().SetStyle(bold ? TFontStyles{ fsBold } : TFontStyles{});
    int height = pixelHeight;
    c.Font().SetHeight(-height);
    while (height > 6 && c.TextWidth(text) > boxWidth) {
        --height;
        c.Font().SetHeight(-height);
    }
    const TSize extent = c.TextExtent(text);
    c.Brush().SetStyle(bsClear);
    c.TextOut((boxWidth - extent.cx) / 2, (boxHeight - extent.cy) / 2, text);
    const int x0 = int(std::floor(left));
    const int y0 = int(std::floor(top));
    for (int y = 0; y < boxHeight; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(mask.ScanLine(y));
        for (int x = 0; x < boxWidth; ++x) {
            const std::uint8_t* p = row + 4 * x;
            const int coverage = std::max({ p[0], p[1], p[2] });
            if (x0 + x >= 0 && x0 + x < FWidth && y0 + y >= 0 && y0 + y < FHeight)
                Blend(x0 + x, y0 + y, color, coverage / 255.0);
        }
    }
}

std::unique_ptr<TPngImage> TIconPainter::ToPng() const {
    auto result = std::make_unique<TPngImage>();
    TPngImage& png = *result;
    png.Resize(FWidth, FHeight);
    png.CreateAlpha();
    // Rounds half away from zero, as lround does, for the non-negative values met here.
    const auto byte = [](float v) {
        const float scaled = std::clamp(v, 0.0f, 1.0f) * 255;
        const int whole = int(scaled);
        return std::uint8_t(whole + (scaled - float(whole) >= 0.5f));
    };
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* colors = png.Scanline(y);
        std::uint8_t* alpha = png.AlphaScanline(y);
        const std::size_t tileRow = std::size_t(y / kTileSide) * std::size_t(FTileColumns);
        const std::size_t rowInTile = std::size_t(y % kTileSide) * kTileSide;
        for (int x = 0; x < FWidth; ++x) {
            const TTile* tile = FTiles[tileRow + std::size_t(x / kTileSide)].get();
            const TPixel* p = tile ? &(*tile)[rowInTile + std::size_t(x % kTileSide)] : nullptr;
            // Nothing was laid here (colour is only ever laid with some alpha).
            if (!p || p->A == 0) {
                colors[3 * x] = colors[3 * x + 1] = colors[3 * x + 2] = alpha[x] = 0;
                continue;
            }
            colors[3 * x] = byte(p->B);
            colors[3 * x + 1] = byte(p->G);
            colors[3 * x + 2] = byte(p->R);
            alpha[x] = byte(p->A);
        }
    }
    return result;
}
