#pragma once
#include "platform/gfx/TColor.h"
#include "platform/gfx/TPngImage.h"

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

struct TPointF {
    double X{ 0 };
    double Y{ 0 };
};

// Paints smooth-edged flat shapes and text onto a transparent picture, so the program's
// artwork keeps soft edges over any background. Coverage is sampled several times per pixel;
// colours are laid over what is there with straight (not premultiplied) alpha.
class TIconPainter {
public:
    // Tells whether a point in picture coordinates lies inside a shape.
    using TInside = std::function<bool(double x, double y)>;

    TIconPainter(int width, int height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    void Fill(const TInside& inside, double left, double top, double right, double bottom,
              TColor color, double opacity = 1.0);
    void FillRect(double left, double top, double right, double bottom, TColor color,
                  double opacity = 1.0);
    void FillRoundRect(double left, double top, double right, double bottom, double radius,
                       TColor color, double opacity = 1.0);
    // A ring of the given width along the inside of a rounded rectangle; dash > 0 breaks it
    // into dashes of that length.
    void FrameRoundRect(double left, double top, double right, double bottom, double radius,
                        double width, TColor color, double dash = 0);
    void FillEllipse(double cx, double cy, double rx, double ry, TColor color,
                     double opacity = 1.0);
    void FillPolygon(std::span<const TPointF> points, TColor color, double opacity = 1.0);
    // A straight stroke with round ends.
    void Line(TPointF from, TPointF to, double width, TColor color);
    // Text centred in the box, shrunk until it fits the box's width (never below 6 pixels).
    void Text(std::string_view text, double left, double top, double right, double bottom,
              TColor color, int pixelHeight, bool bold);

    // An RGBA picture of what was painted.
    std::unique_ptr<TPngImage> ToPng() const;

private:
    struct TPixel {
        float R{ 0 };
        float G{ 0 };
        float B{ 0 };
        float A{ 0 };
    };

    void Blend(int x, int y, TColor color, double alpha);
    // Lays colour over the box's pixels by the share of each pixel's samples inside the shape.
    template <class Inside>
    void Sample(const Inside& inside, double left, double top, double right, double bottom,
                TColor color, double opacity, bool convex);
    // The same for a shape whose samples are inside exactly when insideX holds for their x and
    // insideY for their y: each column and row is tested once instead of every sample.
    template <class InsideX, class InsideY>
    void SampleProduct(const InsideX& insideX, const InsideY& insideY, int left, int top, int right,
                       int bottom, TColor color);

    // Pixels are kept in square tiles made when first painted, so a large picture that is
    // mostly clear touches little memory.
    static constexpr int kTileSide = 16;
    using TTile = std::array<TPixel, kTileSide * kTileSide>;
    TPixel& PixelAt(int x, int y);

    int FWidth;
    int FHeight;
    int FTileColumns;
    std::vector<std::unique_ptr<TTile>> FTiles;
};

// Inside test of a rounded rectangle, shared by the pictures that cut shapes of their own.
bool InsideRoundRect(double x, double y, double left, double top, double right, double bottom,
                     double radius);
