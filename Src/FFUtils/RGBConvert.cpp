#include "Src/FFUtils/RGBConvert.h"

#include "Src/AVUtilStubs.h"
#include "Src/SwScaleStubs.h"

#include <cstring>

void ResetRGBConvertContext(TRGBConvertContext& context) {
    context.Bitmap.reset();
    context.RGBBuf = {};
    context.toRGB_convert_ctx.reset();
    context.fromRGB_convert_ctx.reset();
    context.RGBPixFmt = AV_PIX_FMT_BGR24;
    context.BMPPixFmt = pf24bit;
}

namespace {

// Bytes of one 24-bit bitmap row, padded to whole 32-bit words.
int ScanlineBytes(int width) {
    return ((width * 24 + 31) / 32) * 4;
}

void CopyRows(TBitmap& bitmap, const std::uint8_t* source, int linesize, int height) {
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(bitmap.ScanLine(y), source + std::ptrdiff_t(y) * linesize, rowBytes);
}

} // namespace

bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int height, int width) {
    if (width <= 0 || height <= 0) return false;
    if (!context.Bitmap) {
        context.Bitmap = std::make_unique<TBitmap>();
        context.Bitmap->SetPixelFormat(context.BMPPixFmt);
        context.Bitmap->Canvas().Brush().SetStyle(bsClear);
    }
    context.Bitmap->SetWidth(width);
    context.Bitmap->SetHeight(height);
    if (pixFmt == context.RGBPixFmt && width % 2 == 0 && height % 2 == 0 &&
        linesize[0] == ScanlineBytes(width)) {
        CopyRows(*context.Bitmap, data[0], linesize[0], height);
        return true;
    }
    // The scaler aborts the process on a format it cannot read, so that is checked first.
    if (pixFmt < 0 || !av::sws_isSupportedInput(pixFmt)) return false;
    SwsContext* scaler =
        av::sws_getCachedContext(context.toRGB_convert_ctx.release(), width, height, pixFmt, width,
                                 height, context.RGBPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
    context.toRGB_convert_ctx.reset(scaler);
    if (!scaler) return false;
    const int rgbLinesize = ScanlineBytes(width);
    const std::size_t size = std::size_t(rgbLinesize) * std::size_t(height);
    if (context.RGBBuf.size() < size) context.RGBBuf.resize(size);
    std::uint8_t* const dst[4] = { context.RGBBuf.data(), nullptr, nullptr, nullptr };
    const int dstLinesize[4] = { rgbLinesize, 0, 0, 0 };
    av::sws_scale(scaler, data, linesize, 0, height, dst, dstLinesize);
    CopyRows(*context.Bitmap, context.RGBBuf.data(), rgbLinesize, height);
    return true;
}

bool PictureToBitmap(TRGBConvertContext& context, const AVFrame* frame) {
    return PictureToBitmap(context, frame->data, frame->linesize, AVPixelFormat(frame->format),
                           frame->height, frame->width);
}
