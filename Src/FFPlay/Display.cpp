#include "Src/FFPlay/Display.h"

#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/libsdl.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds to the nearest integer, ties to even, as the surface arithmetic expects.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

uint32_t PaletteEntry(const AVSubtitleRect& rect, int x, int y) {
    const uint8_t index = rect.data[0][y * rect.linesize[0] + x];
    return reinterpret_cast<const uint32_t*>(rect.data[1])[index];
}

int Alpha(uint32_t c) {
    return static_cast<int>(c >> 24);
}
int Luma(uint32_t c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
int Cb(uint32_t c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Cr(uint32_t c) {
    return static_cast<int>(c & 0xFF);
}

// The picture's view of the slot's YV12 overlay: its second plane is V, the third U.
TPlanarPicture OverlayPicture(SDL_Overlay* bmp) {
    TPlanarPicture picture;
    picture.data[0] = bmp->pixels[0];
    picture.data[1] = bmp->pixels[2];
    picture.data[2] = bmp->pixels[1];
    picture.linesize[0] = bmp->pitches[0];
    picture.linesize[1] = bmp->pitches[2];
    picture.linesize[2] = bmp->pitches[1];
    return picture;
}

void BlendSubtitles(TVideoState& is, const TVideoPicture& vp) {
    std::lock_guard lock(is.subpq_mutex);
    if (is.subpq_size <= 0) return;
    const TSubPicture& sp = is.subpq[is.subpq_rindex];
    if (vp.pts < sp.pts + sp.sub.start_display_time / 1000.0) return;
    sdl::SDL_LockYUVOverlay(vp.bmp);
    TPlanarPicture picture = OverlayPicture(vp.bmp);
    for (unsigned i = 0; i < sp.sub.num_rects; ++i) {
        if (sp.sub.rects[i] && sp.sub.rects[i]->data[0] && sp.sub.rects[i]->data[1])
            BlendSubpicture(picture, *sp.sub.rects[i], vp.bmp->w, vp.bmp->h);
    }
    sdl::SDL_UnlockYUVOverlay(vp.bmp);
}

} // namespace

TDisplayRect ComputeDisplayRect(double aspect, int width, int height) {
    TDisplayRect r;
    r.h = height;
    r.w = RoundEven(r.h * aspect) & ~1;
    if (r.w > width) {
        r.w = width;
        r.h = aspect > 0 ? RoundEven(r.w / aspect) & ~1 : height;
    }
    r.x = (width - r.w) / 2;
    r.y = (height - r.h) / 2;
    return r;
}

double DisplayAspect(float chosen, int surfaceWidth, int surfaceHeight, AVRational sar,
                     int pictureWidth, int pictureHeight) {
    if (chosen < 0 && surfaceWidth != 0 && surfaceHeight != 0)
        return static_cast<double>(surfaceWidth) / surfaceHeight;
    if (chosen > 0) return chosen;
    double aspect = sar.num != 0 && sar.den != 0 ? static_cast<double>(sar.num) / sar.den : 0;
    if (aspect <= 0) aspect = 1.0;
    if (pictureHeight > 0) aspect *= static_cast<double>(pictureWidth) / pictureHeight;
    return aspect;
}

void BlendSubpicture(TPlanarPicture& picture, const AVSubtitleRect& rect, int imgw, int imgh) {
    const int dstw = std::clamp(rect.w, 0, imgw);
    const int dsth = std::clamp(rect.h, 0, imgh);
    const int dstx = std::clamp(rect.x, 0, imgw - dstw);
    const int dsty = std::clamp(rect.y, 0, imgh - dsth);
    for (int y = 0; y < dsth; ++y) {
        uint8_t* row = picture.data[0] + (dsty + y) * picture.linesize[0] + dstx;
        for (int x = 0; x < dstw; ++x) {
            const uint32_t c = PaletteEntry(rect, x, y);
            const int a = Alpha(c);
            row[x] = static_cast<uint8_t>(((255 - a) * row[x] + Luma(c) * a) / 255);
        }
    }
    // Each chroma sample takes the pixels of its 2 x 2 block that the bitmap covers.
    const int cx0 = dstx >> 1;
    const int cx1 = (dstx + dstw + 1) >> 1;
    const int cy0 = dsty >> 1;
    const int cy1 = (dsty + dsth + 1) >> 1;
    for (int cy = cy0; cy < cy1; ++cy) {
        for (int cx = cx0; cx < cx1; ++cx) {
            int k = 0;
            int alphaSum = 0;
            int us = 0;
            int vs = 0;
            for (int py = 2 * cy; py < 2 * cy + 2; ++py) {
                for (int px = 2 * cx; px < 2 * cx + 2; ++px) {
                    if (px < dstx || px >= dstx + dstw || py < dsty || py >= dsty + dsth) continue;
                    const uint32_t c = PaletteEntry(rect, px - dstx, py - dsty);
                    ++k;
                    alphaSum += Alpha(c);
                    us += Cb(c);
                    vs += Cr(c);
                }
            }
            if (k == 0) continue;
            const int a = alphaSum >> 2;
            uint8_t& u = picture.data[1][cy * picture.linesize[1] + cx];
            uint8_t& v = picture.data[2][cy * picture.linesize[2] + cx];
            u = static_cast<uint8_t>(((u * k) * (255 - a) + us * a) / (255 * k));
            v = static_cast<uint8_t>(((v * k) * (255 - a) + vs * a) / (255 * k));
        }
    }
}

int OpenVideoSurface(TCustomPlayer& player, TVideoState& is, bool force) {
    const TPlayerOptions& o = player.Options();
    int w = 640;
    int h = 480;
    const TVideoPicture& slot = is.pictq[is.pictq_windex];
    if (o.is_full_screen && o.fs_screen_width > 0) {
        w = o.fs_screen_width;
        h = o.fs_screen_height;
    } else if (!o.is_full_screen && o.screen_width > 0) {
        w = o.screen_width;
        h = o.screen_height;
    } else if (slot.width > 0 && slot.height > 0) {
        w = slot.width & ~1;
        h = slot.height & ~1;
    } else if (is.video_ctx && is.video_ctx->width > 0) {
        w = is.video_ctx->width & ~1;
        h = is.video_ctx->height & ~1;
    }
    SDL_Surface* screen = player.Screen();
    if (!force && screen && screen->w == is.width && screen->w == w && screen->h == is.height &&
        screen->h == h)
        return 0;
    const Uint32 flags = o.is_full_screen
                             ? SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_HWACCEL
                             : SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWACCEL;
    // YUV overlays need a surface of 16 bits or more; a display of fewer (SDL's dummy driver
    // has 8) gets a 32-bit surface instead of the display's own depth.
    const SDL_VideoInfo* info = sdl::SDL_GetVideoInfo();
    const int bpp = info && info->vfmt && info->vfmt->BitsPerPixel < 16 ? 32 : 0;
    screen = sdl::SDL_SetVideoMode(w, h, bpp, flags);
    player.SetScreen(screen);
    if (!screen) {
        player.ReportError("SDL: could not set video mode.", false);
        return -1;
    }
    if (!player.ScreenHandle()) sdl::SDL_WM_SetCaption("VOVezade", "VOVezade");
    is.width = screen->w;
    is.height = screen->h;
    return 0;
}

void ShowVideo(TCustomPlayer& player, TVideoState& is) {
    if (!player.Screen()) OpenVideoSurface(player, is, false);
    if (!player.Screen()) return;
    if (is.audio_stream >= 0 && is.show_audio.load() != 0) {
        DisplayAudio(player, is);
    } else if (is.video_stream >= 0) {
        DisplayVideoImage(player, is);
    }
}

void DisplayVideoImage(TCustomPlayer& player, TVideoState& is) {
    // A queued picture is the event loop's until it releases it; with none queued the one shown
    // last stays untouched until the next picture is queued.
    int index;
    {
        std::lock_guard lock(is.pictq_mutex);
        index = is.pictq_size.load() > 0 ? is.pictq_rindex
                                         : (is.pictq_rindex + 1) % TVideoState::PictureQueueSize;
    }
    TVideoPicture& vp = is.pictq[index];
    if (vp.picref && vp.picref->data[0]) {
        if (!is.shown_picture) is.shown_picture.reset(av::av_frame_alloc());
        av::av_frame_unref(is.shown_picture.get());
        if (av::av_frame_ref(is.shown_picture.get(), vp.picref.get()) >= 0) is.shown_pts = vp.pts;
    }
    if (!vp.bmp) return;
    const AVRational sar = vp.picref ? vp.picref->sample_aspect_ratio : AVRational{ 0, 1 };
    const double aspect =
        DisplayAspect(player.AspectRatio(), is.width, is.height, sar, vp.width, vp.height);
    if (is.subtitle_stream >= 0) BlendSubtitles(is, vp);
    const TDisplayRect r = ComputeDisplayRect(aspect, is.width, is.height);
    is.no_background = false;
    SDL_Rect rect{ static_cast<Sint16>(is.xleft + r.x), static_cast<Sint16>(is.ytop + r.y),
                   static_cast<Uint16>(r.w), static_cast<Uint16>(r.h) };
    sdl::SDL_DisplayYUVOverlay(vp.bmp, &rect);
}

void ClearDisplay(TCustomPlayer& player, TVideoState& is) {
    SDL_Surface* screen = player.Screen();
    if (!screen) return;
    SDL_Rect rect{ static_cast<Sint16>(is.xleft), static_cast<Sint16>(is.ytop),
                   static_cast<Uint16>(is.width), static_cast<Uint16>(is.height) };
    sdl::SDL_FillRect(screen, &rect, sdl::SDL_MapRGB(screen->format, 0, 0, 0));
    sdl::SDL_UpdateRect(screen, is.xleft, is.ytop, is.width, is.height);
}
