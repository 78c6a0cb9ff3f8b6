#include "platform/gfx/TPngImage.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TStream.h"
#include <algorithm>

namespace {

TColor ColorOf(gfx::Pixel p) {
    return TColor(win::RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p)));
}

} // namespace

void TPngImage::CheckRow(int y) const {
    if (y < 0 || y >= FHeader.Height)
        throw EInvalidGraphicOperation("Scan line index out of range");
}

std::uint8_t* TPngImage::Scanline(int y) {
    CheckRow(y);
    return FColors.data() + std::size_t(y) * std::size_t(FHeader.Width) * 3;
}

std::uint8_t* TPngImage::AlphaScanline(int y) {
    CheckRow(y);
    const bool channel =
        FHeader.ColorType == COLOR_GRAYSCALEALPHA || FHeader.ColorType == COLOR_RGBALPHA;
    if (!channel || FAlpha.empty()) return nullptr;
    return FAlpha.data() + std::size_t(y) * std::size_t(FHeader.Width);
}

TColor TPngImage::Pixels(int x, int y) const {
    if (x < 0 || y < 0 || x >= FHeader.Width || y >= FHeader.Height) return clNone;
    const std::uint8_t* p = FColors.data() + (std::size_t(y) * FHeader.Width + x) * 3;
    return TColor(win::RGB(p[2], p[1], p[0]));
}

void TPngImage::SetPixels(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= FHeader.Width || y >= FHeader.Height) return;
    const win::COLORREF c = ColorToRGB(color);
    std::uint8_t* p = FColors.data() + (std::size_t(y) * FHeader.Width + x) * 3;
    p[0] = win::GetBValue(c);
    p[1] = win::GetGValue(c);
    p[2] = win::GetRValue(c);
    Changed();
}

void TPngImage::SetTransparentColor(TColor value) {
    RemoveTransparency();
    if (value == clNone) return;
    FTransparencyMode = ptmBit;
    FTransparentColor = TColor(ColorToRGB(value));
    Changed();
}

void TPngImage::CreateAlpha() {
    if (Empty()) return;
    if (FHeader.ColorType == COLOR_RGB) FHeader.ColorType = COLOR_RGBALPHA;
    if (FHeader.ColorType == COLOR_GRAYSCALE) FHeader.ColorType = COLOR_GRAYSCALEALPHA;
    if (FTransparencyMode != ptmPartial) {
        FAlpha.assign(std::size_t(FHeader.Width) * std::size_t(FHeader.Height), 255);
        FTransparencyMode = ptmPartial;
        FTransparentColor = clNone;
    }
    Changed();
}

void TPngImage::RemoveTransparency() {
    if (FHeader.ColorType == COLOR_RGBALPHA) FHeader.ColorType = COLOR_RGB;
    if (FHeader.ColorType == COLOR_GRAYSCALEALPHA) FHeader.ColorType = COLOR_GRAYSCALE;
    FAlpha.clear();
    FTransparencyMode = ptmNone;
    FTransparentColor = clNone;
    Changed();
}

void TPngImage::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FHeader.Width && height == FHeader.Height) return;
    std::vector<std::uint8_t> colors(std::size_t(width) * height * 3, 0);
    std::vector<std::uint8_t> alpha(FAlpha.empty() ? 0 : std::size_t(width) * height, 255);
    const int w = std::min(width, FHeader.Width), h = std::min(height, FHeader.Height);
    for (int y = 0; y < h; ++y) {
        std::copy_n(FColors.begin() + std::ptrdiff_t(y) * FHeader.Width * 3, w * 3,
                    colors.begin() + std::ptrdiff_t(y) * width * 3);
        if (!alpha.empty())
            std::copy_n(FAlpha.begin() + std::ptrdiff_t(y) * FHeader.Width, w,
                        alpha.begin() + std::ptrdiff_t(y) * width);
    }
    FColors = std::move(colors);
    FAlpha = std::move(alpha);
    FHeader.Width = width;
    FHeader.Height = height;
    Changed();
}

void TPngImage::SetFromSurface(const gfx::Surface& pixels, bool withAlpha) {
    FHeader =
        TPngHeader{ pixels.Width(), pixels.Height(), 8, withAlpha ? COLOR_RGBALPHA : COLOR_RGB };
    FColors.resize(std::size_t(pixels.Width()) * pixels.Height() * 3);
    FAlpha.clear();
    if (withAlpha) FAlpha.resize(std::size_t(pixels.Width()) * pixels.Height());
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const gfx::Pixel p = pixels.Row(y)[x];
            const std::size_t i = std::size_t(y) * pixels.Width() + x;
            FColors[3 * i] = gfx::PixelB(p);
            FColors[3 * i + 1] = gfx::PixelG(p);
            FColors[3 * i + 2] = gfx::PixelR(p);
            if (withAlpha) FAlpha[i] = gfx::PixelA(p);
        }
    FTransparencyMode = withAlpha ? ptmPartial : ptmNone;
    FTransparentColor = clNone;
}

void TPngImage::LoadFromStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    const TStreamRest rest(stream);
    const std::span<const std::uint8_t> bytes = rest.Bytes();
    gfx::PngHeader header;
    gfx::DecodedImage image;
    try {
        header = gfx::PngCodec::ReadHeader(bytes);
        image = gfx::PngCodec::Decode(bytes);
    } catch (const Exception& e) {
        stream.Seek(start, soBeginning);
        throw EInvalidGraphic(e.Message());
    }
    stream.Seek(start + std::int64_t(header.FileSize), soBeginning);
    const int type = int(header.ColorType);
    const bool channel = type == COLOR_GRAYSCALEALPHA || type == COLOR_RGBALPHA;
    // A palette whose only see-through entry is fully transparent behaves as one key colour.
    int partialEntries = 0, clearEntries = 0;
    for (gfx::Pixel p : image.Palette) {
        partialEntries += gfx::PixelA(p) != 255 && gfx::PixelA(p) != 0;
        clearEntries += gfx::PixelA(p) == 0;
    }
    const bool paletteKey =
        type == COLOR_PALETTE && header.HasTransparency && partialEntries == 0 && clearEntries == 1;
    const bool colourKey = (type == COLOR_GRAYSCALE || type == COLOR_RGB) && header.HasTransparency;
    const bool partial =
        channel || (type == COLOR_PALETTE && header.HasTransparency && !paletteKey);
    SetFromSurface(image.Pixels, partial);
    FHeader.BitDepth = header.BitDepth;
    FHeader.ColorType = type;
    if (paletteKey) {
        FTransparencyMode = ptmBit;
        FTransparentColor = ColorOf(image.Palette[std::size_t(image.TransparentIndex)]);
    } else if (colourKey) {
        FTransparencyMode = ptmBit;
        FTransparentColor = ColorOf(header.TransparentKey);
    }
    Changed();
}

gfx::Surface TPngImage::ToSurface() const {
    gfx::Surface pixels(FHeader.Width, FHeader.Height, gfx::Surface::Unfilled{});
    const win::COLORREF key = FTransparencyMode == ptmBit ? win::COLORREF(FTransparentColor) : 0;
    for (int y = 0; y < FHeader.Height; ++y)
        for (int x = 0; x < FHeader.Width; ++x) {
            const std::size_t i = std::size_t(y) * FHeader.Width + x;
            const std::uint8_t b = FColors[3 * i], g = FColors[3 * i + 1], r = FColors[3 * i + 2];
            std::uint8_t a = 255;
            if (FTransparencyMode == ptmPartial && !FAlpha.empty())
                a = FAlpha[i];
            else if (FTransparencyMode == ptmBit && win::RGB(r, g, b) == key)
                a = 0;
            pixels.Row(y)[x] = gfx::MakePixel(r, g, b, a);
        }
    return pixels;
}

void TPngImage::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty PNG image");
    const auto bytes = gfx::PngCodec::Encode(ToSurface(), HasAlpha());
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TPngImage::Assign(const TGraphic& source) {
    if (&source == this) return;
    if (const auto* png = dynamic_cast<const TPngImage*>(&source)) {
        FHeader = png->FHeader;
        FColors = png->FColors;
        FAlpha = png->FAlpha;
        FTransparencyMode = png->FTransparencyMode;
        FTransparentColor = png->FTransparentColor;
    } else if (source.Empty()) {
        SetFromSurface(gfx::Surface(), false);
    } else {
        const bool withAlpha = !dynamic_cast<const TBitmap*>(&source) && source.HasAlpha();
        SetFromSurface(source.ToSurface(), withAlpha);
    }
    Changed();
}

void TPngImage::Draw(TCanvas& canvas, const TRect& rect) {
    DrawSurface(canvas, rect, ToSurface(), HasAlpha());
}
