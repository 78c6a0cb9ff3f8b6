#include "platform/gfx/TGIFImage.h"
#include "platform/gfx/GifCodec.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TStream.h"

void TGIFImage::SetWidth(int) {
    throw EInvalidGraphicOperation("Cannot change the size of a GIF image");
}

void TGIFImage::SetHeight(int) {
    throw EInvalidGraphicOperation("Cannot change the size of a GIF image");
}

void TGIFImage::LoadFromStream(TStream& stream) {
    try {
        gfx::DecodedImage image = gfx::GifCodec::Decode(ReadRest(stream));
        FPixels = std::move(image.Pixels);
        FHasAlpha = image.HasAlpha;
    } catch (const Exception& e) {
        throw EInvalidGraphic(e.Message());
    }
    Changed();
}

void TGIFImage::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty GIF image");
    const auto bytes = gfx::GifCodec::Encode(FPixels, FHasAlpha);
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TGIFImage::Assign(const TGraphic& source) {
    if (&source == this) return;
    if (source.Empty()) {
        FPixels = gfx::Surface();
        FHasAlpha = false;
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(const_cast<TGraphic*>(&source))) {
        FPixels = bitmap->ToSurface();
        FHasAlpha = bitmap->Transparent();
        const win::COLORREF key = ColorToRGB(bitmap->TransparentColor());
        for (int y = 0; y < FPixels.Height(); ++y)
            for (int x = 0; x < FPixels.Width(); ++x) {
                gfx::Pixel& p = FPixels.Row(y)[x];
                const bool clear =
                    FHasAlpha && win::RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p)) == key;
                p = clear ? (p & 0x00FFFFFFu) : (p | 0xFF000000u);
            }
    } else {
        FPixels = source.ToSurface();
        FHasAlpha = source.HasAlpha();
    }
    Changed();
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    DrawSurface(canvas, rect, FPixels, FHasAlpha);
}
