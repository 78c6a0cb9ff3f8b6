#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/SwScaleStubs.h"

#include <cmath>
#include <cstring>

namespace {

// How long a snapshot waits for the event loop to finish drawing.
constexpr unsigned SnapshotLockMs = 1000;

int64_t MediaTimeToPTS(double seconds, int64_t startTime) {
    return static_cast<int64_t>(std::nearbyint(seconds * 1000000.0)) - startTime;
}

// Writes the bitmap (as the context converted it) back into frame, which becomes writable.
bool BitmapToPicture(TRGBConvertContext& context, AVFrame& frame) {
    TBitmap& bitmap = *context.Bitmap;
    const int width = frame.width;
    const int height = frame.height;
    if (bitmap.Width() != width || bitmap.Height() != height) return false;
    const int bytesPerPixel = context.RGBPixFmt == AV_PIX_FMT_BGR24 ? 3 : 4;
    const int rowBytes = width * bytesPerPixel;
    const int linesize = (rowBytes + 3) & ~3;
    context.RGBBuf.resize(static_cast<size_t>(linesize) * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(context.RGBBuf.data() + static_cast<ptrdiff_t>(y) * linesize,
                    bitmap.ScanLine(y), rowBytes);
    SwsContext* scaler = av::sws_getCachedContext(
        context.fromRGB_convert_ctx.release(), width, height, context.RGBPixFmt, width, height,
        static_cast<AVPixelFormat>(frame.format), SWS_BICUBIC, nullptr, nullptr, nullptr);
    context.fromRGB_convert_ctx.reset(scaler);
    if (!scaler || av::av_frame_make_writable(&frame) < 0) return false;
    const uint8_t* const src[4] = { context.RGBBuf.data(), nullptr, nullptr, nullptr };
    const int srcLinesize[4] = { linesize, 0, 0, 0 };
    av::sws_scale(scaler, src, srcLinesize, 0, height, frame.data, frame.linesize);
    return true;
}

} // namespace

void TCustomPlayer::HookPicture(TVideoState& is, AVFrame& frame, double pts) {
    if (!FHook.load() || !OnHook) return;
    std::lock_guard lock(FHookLock);
    if (!PictureToBitmap(FHookContext, &frame)) {
        Log(llError, "Cannot initialize the toRGB conversion context");
        return;
    }
    TBitmap* bitmap = FHookContext.Bitmap.get();
    bitmap->Canvas().Lock();
    try {
        OnHook(this, bitmap, MediaTimeToPTS(pts, is.StartTime));
    } catch (const std::exception& e) {
        bitmap->Canvas().Unlock();
        Log(llError, std::string("Error occurs OnHook: ") + e.what());
        return;
    }
    bitmap->Canvas().Unlock();
    if (!BitmapToPicture(FHookContext, frame))
        Log(llError, "Cannot initialize the fromRGB conversion context");
}

TBitmap* TCustomPlayer::CurrentFrame() {
    int64_t pts = 0;
    return CurrentFrame(pts);
}

TBitmap* TCustomPlayer::CurrentFrame(int64_t& pts) {
    if (!FSnapshot) {
        FSnapshot = std::make_unique<TBitmap>();
        FSnapshot->SetPixelFormat(pf32bit);
    }
    pts = -1;
    // The event loop replaces the picture on screen and the play thread frees it: both only
    // under the data lock.
    if (!LockData(SnapshotLockMs)) {
        FSnapshot->SetSize(0, 0);
        return FSnapshot.get();
    }
    TVideoState* is = Playback();
    if (is && is->video_stream >= 0 && is->video_ctx) {
        FSnapshot->SetSize(is->video_ctx->width, is->video_ctx->height);
        FSnapshot->Canvas().Brush().SetColor(clBlack);
        FSnapshot->Canvas().FillRect(FSnapshot->Canvas().ClipRect());
        // The picture on screen, or before the first is shown the one about to be.
        const AVFrame* picture = is->shown_picture.get();
        double shownPts = is->shown_pts;
        {
            std::lock_guard lock(is->pictq_mutex);
            if (!picture && is->pictq_size.load() > 0) {
                const TVideoPicture& vp = is->pictq[is->pictq_rindex];
                picture = vp.picref.get();
                shownPts = vp.pts;
            }
        }
        pts = MediaTimeToPTS(shownPts, is->StartTime);
        if (picture && picture->data[0] && !LoadSnapshot(*picture)) FSnapshot->SetSize(0, 0);
    } else {
        FSnapshot->SetSize(0, 0);
    }
    UnlockData();
    return FSnapshot.get();
}

bool TCustomPlayer::LoadSnapshot(const AVFrame& picture) {
    const int width = picture.width;
    const int height = picture.height;
    if (width <= 0 || height <= 0) return false;
    if (picture.format < 0 || !av::sws_isSupportedInput(static_cast<AVPixelFormat>(picture.format)))
        return false;
    SwsContext* scaler = av::sws_getCachedContext(
        FSnapshotScaler.release(), width, height, static_cast<AVPixelFormat>(picture.format), width,
        height, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
    FSnapshotScaler.reset(scaler);
    if (!scaler) return false;
    const int linesize = width * 4;
    FSnapshotBuf.resize(static_cast<size_t>(linesize) * height);
    uint8_t* const dst[4] = { FSnapshotBuf.data(), nullptr, nullptr, nullptr };
    const int dstLinesize[4] = { linesize, 0, 0, 0 };
    av::sws_scale(scaler, picture.data, picture.linesize, 0, height, dst, dstLinesize);
    FSnapshot->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(FSnapshot->ScanLine(y),
                    FSnapshotBuf.data() + static_cast<ptrdiff_t>(y) * linesize, linesize);
    return true;
}
