#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/PreviewWindow.h"

namespace {

bool Due(TPostHookContext& context, std::int64_t interval) {
    context.preview_cur_time = av::av_gettime();
    if (context.preview_cur_time - context.preview_last_time <= interval) return false;
    context.preview_last_time = context.preview_cur_time;
    return true;
}

} // namespace

TPostHooks TCustomFFmpeg::PostHooks() const {
    std::lock_guard lock(PostHookLock());
    return FPostHooks;
}

void TCustomFFmpeg::ChangePostHooks(TPostHooks hooks) {
    if (hooks == FPostHooks) return;
    // A previewer going here frees its window on the main thread without waiting for it.
    if (!hooks.Contains(phPreview)) FPostContext.Previewer.reset();
    FPostHooks = hooks;
}

void TCustomFFmpeg::SetPostHooks(TPostHooks hooks) {
    std::lock_guard lock(PostHookLock());
    ChangePostHooks(hooks);
}

void TCustomFFmpeg::DoPostHook(const AVFrame& picture, const AVCodecContext& encoder) {
    // The picture is turned into a bitmap under the lock, but handed on after it is let go: the
    // preview paints on the main thread, which may itself be waiting for the lock to change a
    // set, and the host's bitmap handler may wait for the main thread too.
    TPreviewBitmapEvent bitmapHandler;
    std::shared_ptr<TPreviewer> previewer;
    const std::int64_t pts =
        picture.pts == AV_NOPTS_VALUE
            ? AV_NOPTS_VALUE
            : av::av_rescale_q(picture.pts, encoder.time_base, AVRational{ 1, AV_TIME_BASE });
    int frameNumber = 0;
    TBitmap* bitmap = nullptr;
    {
        std::lock_guard lock(PostHookLock());
        TPostHooks hooks = FPostHooks;
        const TPreviewBitmapEvent handler = OnPreviewBitmap;
        if (hooks.Contains(phBitmap) && handler) {
            if (Due(FPostContext, PreviewInterval)) {
                if (PictureToBitmap(FPostContext.Context, &picture)) {
                    bitmapHandler = handler;
                } else {
                    Log(llError, "Cannot initialize the toRGB conversion context");
                    hooks.Exclude(phBitmap);
                }
            }
        } else if (hooks.Contains(phPreview)) {
            if (FPostContext.Previewer && FPostContext.Previewer->Closed()) {
                hooks.Exclude(phPreview);
            } else if (Due(FPostContext, PreviewInterval)) {
                if (PictureToBitmap(FPostContext.Context, &picture)) {
                    if (!FPostContext.Previewer)
                        FPostContext.Previewer = std::make_shared<TPreviewer>();
                    previewer = FPostContext.Previewer;
                } else {
                    Log(llError, "Cannot initialize the toRGB conversion context");
                    hooks.Exclude(phPreview);
                }
            }
        }
        ChangePostHooks(hooks);
        frameNumber = FHookFrameNumber;
        bitmap = FPostContext.Context.Bitmap.get();
    }
    // Only this conversion's thread refills its bitmap, so it stays as it is meanwhile.
    if (bitmapHandler) bitmapHandler(this, bitmap, frameNumber, pts);
    bool shown = true;
    if (previewer) {
        // A window that cannot be shown ends the preview, not the conversion.
        try {
            shown = previewer->PaintFrame(*bitmap, frameNumber, pts);
        } catch (const std::exception& e) {
            Log(llError, std::string("Cannot show the preview: ") + e.what());
            shown = false;
        }
    }
    if (!shown) {
        std::lock_guard lock(PostHookLock());
        if (FPostContext.Previewer == previewer) {
            TPostHooks hooks = FPostHooks;
            hooks.Exclude(phPreview);
            ChangePostHooks(hooks);
        }
    }
}
