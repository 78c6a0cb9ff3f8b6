#include "Src/FFUtils/RGBConvert.h"

#include "Src/AVUtilStubs.h"
#include "Src/SwScaleStubs.h"

#include <cstring>

void SwsContextFree::operator()(SwsContext* context) const {
    // A scaler outliving its library is left behind rather than freed through a cleared entry.
    if (av::sws_freeContext) av::sws_freeContext(context);
}

void ResetRGBConvertContext(TRGBConvertContext& context) {
    context.Bitmap = gfx::Surface();
    context.toRGB_convert_ctx.reset();
    context.fromRGB_convert_ctx.reset();
    context.RGBPixFmt = AV_PIX_FMT_BGRA;
}

bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int height, int width) {
    if (width <= 0 || height <= 0) return false;
    context.Bitmap.Resize(width, height);
    const int rowBytes = width * int(sizeof(gfx::Pixel));
    if (pixFmt == context.RGBPixFmt && width % 2 == 0 && height % 2 == 0 &&
        linesize[0] == rowBytes) {
        for (int y = 0; y < height; ++y)
            std::memcpy(context.Bitmap.Row(y), data[0] + std::ptrdiff_t(y) * linesize[0],
                        std::size_t(rowBytes));
        return true;
    }
    // The scaler aborts the process on a format it cannot read, so that is checked first.
    if (pixFmt < 0 || !av::sws_isSupportedInput(pixFmt)) return false;
    SwsContext* scaler =
        av::sws_getCachedContext(context.toRGB_convert_ctx.release(), width, height, pixFmt, width,
                                 height, context.RGBPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
    context.toRGB_convert_ctx.reset(scaler);
    if (!scaler) return false;
    std::uint8_t* const dst[4] = { reinterpret_cast<std::uint8_t*>(context.Bitmap.Data()), nullptr,
                                   nullptr, nullptr };
    const int dstLinesize[4] = { rowBytes, 0, 0, 0 };
    av::sws_scale(scaler, data, linesize, 0, height, dst, dstLinesize);
    return true;
}

bool PictureToBitmap(TRGBConvertContext& context, const AVFrame* frame) {
    return PictureToBitmap(context, frame->data, frame->linesize, AVPixelFormat(frame->format),
                           frame->height, frame->width);
}
