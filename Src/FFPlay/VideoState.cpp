#include "Src/FFPlay/VideoState.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/libsdl.h"

TVideoState::~TVideoState() {
    if (rdft && av::av_rdft_end) av::av_rdft_end(rdft);
    for (auto& sp : subpq)
        FreeSubpicture(sp);
    for (auto& vp : pictq) {
        if (vp.bmp && sdl::SDL_FreeYUVOverlay) sdl::SDL_FreeYUVOverlay(vp.bmp);
    }
}

double TVideoState::WallClock() const {
    if (Now) return Now();
    return static_cast<double>(av::av_gettime()) / 1000000.0;
}

void FreeSubpicture(TSubPicture& sp) {
    if (sp.sub.num_rects > 0 || sp.sub.rects) av::avsubtitle_free(&sp.sub);
    sp.sub = AVSubtitle{};
}
