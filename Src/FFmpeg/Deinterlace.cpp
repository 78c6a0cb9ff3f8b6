#include "Src/FFmpeg/Deinterlace.h"

#include "Src/AVUtilStubs.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

bool Supported(int format) {
    switch (format) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
    case AV_PIX_FMT_YUV422P:
    case AV_PIX_FMT_YUVJ422P:
    case AV_PIX_FMT_YUV444P:
    case AV_PIX_FMT_YUVJ444P:
    case AV_PIX_FMT_YUV411P:
    case AV_PIX_FMT_GRAY8:
        return true;
    default:
        return false;
    }
}

void DeinterlacePlane(std::uint8_t* data, int linesize, int width, int height) {
    // The filter reads the original lines, so the plane is kept before it is written.
    std::vector<std::uint8_t> original(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(&original[std::size_t(y) * std::size_t(width)],
                    data + std::ptrdiff_t(y) * linesize, std::size_t(width));
    auto row = [&](int y) {
        return &original[std::size_t(std::clamp(y, 0, height - 1)) * std::size_t(width)];
    };
    for (int y = 1; y < height; y += 2) {
        const std::uint8_t* m2 = row(y - 2);
        const std::uint8_t* m1 = row(y - 1);
        const std::uint8_t* c = row(y);
        const std::uint8_t* p1 = row(y + 1);
        const std::uint8_t* p2 = row(y + 2);
        std::uint8_t* out = data + std::ptrdiff_t(y) * linesize;
        for (int x = 0; x < width; ++x) {
            const int sum = -m2[x] + 4 * m1[x] + 2 * c[x] + 4 * p1[x] - p2[x];
            out[x] = std::uint8_t(std::clamp((sum + 4) >> 3, 0, 255));
        }
    }
}

} // namespace

int DeinterlacePicture(AVFrame& picture) {
    if (!Supported(picture.format) || picture.width <= 0 || picture.height <= 0 ||
        picture.width % 4 != 0 || picture.height % 4 != 0)
        return -1;
    const AVPixFmtDescriptor* desc = av::av_pix_fmt_desc_get(AVPixelFormat(picture.format));
    if (!desc) return -1;
    for (int plane = 0; plane < desc->nb_components && plane < 3; ++plane) {
        if (!picture.data[plane]) return -1;
        const bool chroma = plane > 0;
        const int width =
            chroma ? AV_CEIL_RSHIFT(picture.width, desc->log2_chroma_w) : picture.width;
        const int height =
            chroma ? AV_CEIL_RSHIFT(picture.height, desc->log2_chroma_h) : picture.height;
        DeinterlacePlane(picture.data[plane], picture.linesize[plane], width, height);
    }
    return 0;
}
