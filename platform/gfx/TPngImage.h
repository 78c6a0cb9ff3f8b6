#pragma once
#include "platform/gfx/TColor.h"
#include "platform/gfx/TGraphic.h"
#include <cstdint>
#include <vector>

constexpr int COLOR_GRAYSCALE = 0;
constexpr int COLOR_RGB = 2;
constexpr int COLOR_PALETTE = 3;
constexpr int COLOR_GRAYSCALEALPHA = 4;
constexpr int COLOR_RGBALPHA = 6;

// No transparency; one colour fully transparent; an alpha value per pixel.
enum TPngTransparencyMode { ptmNone, ptmBit, ptmPartial };

struct TPngHeader {
    int Width{ 0 };
    int Height{ 0 };
    int BitDepth{ 8 };
    int ColorType{ COLOR_RGB };
};

// A PNG picture: colours as rows of BGR triples, and for the colour types with an alpha
// channel one alpha byte per pixel. Drawing honours the transparency and stretches.
class TPngImage : public TGraphic {
public:
    int Width() const override { return FHeader.Width; }
    int Height() const override { return FHeader.Height; }
    // A new size keeps the picture at the top left; new pixels are black and opaque.
    void SetWidth(int value) override { Resize(value, FHeader.Height); }
    void SetHeight(int value) override { Resize(FHeader.Width, value); }
    void Resize(int width, int height);
    bool Empty() const override { return FHeader.Width <= 0 || FHeader.Height <= 0; }

    const TPngHeader& Header() const { return FHeader; }
    TPngTransparencyMode TransparencyMode() const { return FTransparencyMode; }
    // ptmBit: the colour drawn transparent; clNone otherwise.
    TColor TransparentColor() const { return FTransparentColor; }
    // Makes the colour transparent (ptmBit) in a picture without an alpha channel.
    void SetTransparentColor(TColor value);

    // Row y: Width BGR triples.
    std::uint8_t* Scanline(int y);
    // Row y of alpha bytes for the colour types with an alpha channel; null for the others.
    std::uint8_t* AlphaScanline(int y);
    // Gives the picture an alpha channel (grey becomes grey with alpha, RGB becomes RGBA, a
    // palette keeps its type with per-pixel alpha), all opaque.
    void CreateAlpha();
    // Drops the alpha channel and the transparent colour.
    void RemoveTransparency();
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    void LoadFromStream(TStream& stream) override;
    // Writes RGB, or RGBA when the picture has any transparency.
    void SaveToStream(TStream& stream) override;
    // From a TBitmap: its colours as an RGB picture without transparency, as the class
    // library does. From another PNG: a copy. From other graphics: RGB or RGBA by their alpha.
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TPngImage"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TPngImage>(); }
    gfx::Surface ToSurface() const override;
    bool HasAlpha() const override { return FTransparencyMode != ptmNone; }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    void CheckRow(int y) const;
    void SetFromSurface(const gfx::Surface& pixels, bool withAlpha);

    TPngHeader FHeader;
    std::vector<std::uint8_t> FColors; // Width * 3 bytes per row
    std::vector<std::uint8_t> FAlpha;  // Width bytes per row, ptmPartial only
    TPngTransparencyMode FTransparencyMode{ ptmNone };
    TColor FTransparentColor{ clNone };
};
