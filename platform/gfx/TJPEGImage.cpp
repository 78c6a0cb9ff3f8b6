#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/rtl/TStream.h"
#include <algorithm>

void TJPEGImage::SetWidth(int) {
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int) {
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetCompressionQuality(int value) {
    value = std::clamp(value, 1, 100);
    if (value == FQuality) return;
    FQuality = value;
    FData.clear();
    Changed();
}

void TJPEGImage::SetGrayscale(bool value) {
    if (value == FGrayscale) return;
    FGrayscale = value;
    FData.clear();
    Changed();
}

void TJPEGImage::LoadFromStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    std::vector<std::uint8_t> bytes = ReadRest(stream);
    std::size_t consumed = 0;
    try {
        gfx::DecodedImage image = gfx::JpegCodec::Decode(bytes, &consumed);
        FPixels = std::move(image.Pixels);
        FGrayscale = image.BitDepth == 8;
    } catch (const Exception& e) {
        stream.Seek(start, soBeginning);
        throw EInvalidGraphic(e.Message());
    }
    stream.Seek(start + std::int64_t(consumed), soBeginning);
    bytes.resize(consumed);
    FData = std::move(bytes);
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty JPEG image");
    if (FData.empty()) FData = gfx::JpegCodec::Encode(FPixels, FQuality, FGrayscale);
    stream.WriteBuffer(FData.data(), std::int64_t(FData.size()));
}

void TJPEGImage::Assign(const TGraphic& source) {
    if (&source == this) return;
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
        FPixels = jpeg->FPixels;
        FData = jpeg->FData;
        FQuality = jpeg->FQuality;
        FGrayscale = jpeg->FGrayscale;
    } else {
        FPixels = source.Empty() ? gfx::Surface() : source.ToSurface();
        FData.clear();
    }
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    DrawSurface(canvas, rect, FPixels, false);
}
