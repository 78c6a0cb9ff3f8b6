#include "Src/FFPlay/PictureOverlay.h"

#include "Src/libsdl.h"

#include <algorithm>
#include <cstring>

void AllocPicture(TVideoState& is, SDL_Surface* screen) {
    TVideoPicture& vp = is.pictq[is.pictq_windex];
    if (vp.bmp) {
        sdl::SDL_FreeYUVOverlay(vp.bmp);
        vp.bmp = nullptr;
    }
    if (vp.picref) av::av_frame_unref(vp.picref.get());
    if (screen && vp.width > 0 && vp.height > 0) {
        vp.bmp = sdl::SDL_CreateYUVOverlay(vp.width, vp.height, SDL_YV12_OVERLAY, screen);
    }
    {
        std::lock_guard lock(is.pictq_mutex);
        vp.allocated = 1;
    }
    is.pictq_cond.notify_all();
}

bool CopyToOverlay(SDL_Overlay* overlay, const AVFrame& frame, bool flip) {
    if (!overlay || overlay->planes < 3 || frame.format != AV_PIX_FMT_YUV420P) return false;
    const int width = std::min(static_cast<int>(overlay->w), frame.width & ~1);
    const int height = std::min(static_cast<int>(overlay->h), frame.height & ~1);
    if (width <= 0 || height <= 0) return false;
    sdl::SDL_LockYUVOverlay(overlay);
    // YV12 keeps V before U.
    uint8_t* const dst[3] = { overlay->pixels[0], overlay->pixels[2], overlay->pixels[1] };
    const int dstPitch[3] = { overlay->pitches[0], overlay->pitches[2], overlay->pitches[1] };
    for (int plane = 0; plane < 3; ++plane) {
        const int w = plane == 0 ? width : width / 2;
        const int h = plane == 0 ? height : height / 2;
        const int srcHeight = plane == 0 ? frame.height : (frame.height + 1) / 2;
        for (int y = 0; y < h; ++y) {
            const int srcRow = flip ? srcHeight - 1 - y : y;
            std::memcpy(dst[plane] + static_cast<ptrdiff_t>(y) * dstPitch[plane],
                        frame.data[plane] + static_cast<ptrdiff_t>(srcRow) * frame.linesize[plane],
                        w);
        }
    }
    sdl::SDL_UnlockYUVOverlay(overlay);
    return true;
}
