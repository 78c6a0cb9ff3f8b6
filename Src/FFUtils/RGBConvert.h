#pragma once
#include "Src/SwScaleStubs.h"
#include "platform/gfx/TBitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVFrame;

// The reusable state that turns decoded pictures into 24-bit bitmaps: the bitmap, the
// conversion buffer (it only grows) and the scaler, kept while sizes and formats stay the same.
struct TRGBConvertContext {
    AVPixelFormat RGBPixFmt{ AV_PIX_FMT_BGR24 };
    TPixelFormat BMPPixFmt{ pf24bit };
    std::unique_ptr<TBitmap> Bitmap;
    std::vector<std::uint8_t> RGBBuf;
    SwsContextPtr toRGB_convert_ctx;
    SwsContextPtr fromRGB_convert_ctx;
};

void ResetRGBConvertContext(TRGBConvertContext& context);

// Fills context.Bitmap (width x height) from a picture's planes. False when the size is not
// positive or no scaler can be made for the format; the bitmap has its new size then.
bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int height, int width);
bool PictureToBitmap(TRGBConvertContext& context, const AVFrame* frame);
