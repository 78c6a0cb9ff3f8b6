#include "Src/FFmpeg/PixelFormatChoice.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

void ChoosePixelFormat(AVCodecContext* context, const AVCodec* encoder) {
    if (!encoder || !encoder->pix_fmts) return;
    const AVPixelFormat* formats = encoder->pix_fmts;
    for (const AVPixelFormat* p = formats; *p != AV_PIX_FMT_NONE; ++p)
        if (*p == context->pix_fmt) return;
    const bool keepsYUV =
        context->pix_fmt == AV_PIX_FMT_YUV420P || context->pix_fmt == AV_PIX_FMT_YUV422P;
    if (context->codec_id == AV_CODEC_ID_MJPEG && context->strict_std_compliance < 0 && keepsYUV)
        return;
    context->pix_fmt = formats[0];
}
