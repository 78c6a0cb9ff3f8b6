#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/Deinterlace.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/SwScaleStubs.h"

#include <cstring>

namespace {

// Bytes of one 24-bit row of the conversion buffer, padded to whole 32-bit words.
int RGBLineSize(int width) {
    return ((width * 24 + 31) / 32) * 4;
}

TVHookPicture HookPicture(AVFrame& frame) {
    TVHookPicture picture{};
    for (int i = 0; i < 4; ++i) {
        picture.data[i] = frame.data[i];
        picture.linesize[i] = frame.linesize[i];
    }
    return picture;
}

} // namespace

void TCustomFFmpeg::AddVideoHook(const std::string& args) {
    if (FFrameHooks.Add(SplitVideoHookText(args)) != 0)
        throw FFmpegException("Failed to add video hook function: " + args);
    Options().Fusing_vhook = true;
}

void TCustomFFmpeg::PreProcessVideoFrame(AVFrame& picture, std::int64_t pts) {
    ++FHookFrameNumber;
    TTranscoderOptions& opt = Options();
    if (!opt.Fdo_deinterlace && !OnCustomHook && !opt.Fusing_vhook) return;
    // The hooks write into the picture: a frame the decoder still references is copied first.
    if (av::av_frame_make_writable(&picture) < 0) {
        Log(llError, "hook buf malloc error.");
        return;
    }
    if (opt.Fdo_deinterlace && DeinterlacePicture(picture) < 0)
        Log(llError, "Deinterlacing failed.");
    if (OnCustomHook) {
        DoCustomHook(picture, pts);
    } else if (opt.Fusing_vhook) {
        TVHookPicture hookPicture = HookPicture(picture);
        FFrameHooks.Process(hookPicture, picture.format, picture.width, picture.height, pts);
    }
}

void TCustomFFmpeg::DoCustomHook(AVFrame& picture, std::int64_t pts) {
    TRGBConvertContext& context = FHookContext;
    const AVPixelFormat format = AVPixelFormat(picture.format);
    const int width = picture.width;
    const int height = picture.height;
    bool stop = false;
    if (!PictureToBitmap(context, &picture)) {
        Log(llError, "Cannot initialize the toRGB conversion context");
        stop = true;
    } else {
        bool update = true;
        const TCustomHookEvent handler = OnCustomHook;
        try {
            handler(this, context.Bitmap.get(), FHookFrameNumber, pts, update, stop);
        } catch (const std::exception& e) {
            Log(llError, "Error occurs OnCustomHook: " + std::string(e.what()));
            update = false;
        }
        TBitmap* bitmap = context.Bitmap.get();
        // The handler may have resized the bitmap; only a picture of the same size goes back.
        if (update && bitmap && bitmap->Width() == width && bitmap->Height() == height) {
            const std::size_t rowBytes = std::size_t(width) * 3;
            if (format == context.RGBPixFmt) {
                for (int y = 0; y < height; ++y)
                    std::memcpy(picture.data[0] + std::ptrdiff_t(y) * picture.linesize[0],
                                bitmap->ScanLine(y), rowBytes);
            } else {
                const int rgbLinesize = RGBLineSize(width);
                const std::size_t size = std::size_t(rgbLinesize) * std::size_t(height);
                if (context.RGBBuf.size() < size) context.RGBBuf.resize(size);
                for (int y = 0; y < height; ++y)
                    std::memcpy(context.RGBBuf.data() + std::ptrdiff_t(y) * rgbLinesize,
                                bitmap->ScanLine(y), rowBytes);
                SwsContext* scaler = nullptr;
                if (format >= 0)
                    scaler = av::sws_getCachedContext(
                        context.fromRGB_convert_ctx.release(), width, height, context.RGBPixFmt,
                        width, height, format, SWS_BICUBIC, nullptr, nullptr, nullptr);
                context.fromRGB_convert_ctx.reset(scaler);
                if (!scaler) {
                    Log(llError, "Cannot initialize the fromRGB conversion context");
                    stop = true;
                } else {
                    const std::uint8_t* const src[4] = { context.RGBBuf.data(), nullptr, nullptr,
                                                         nullptr };
                    const int srcLinesize[4] = { rgbLinesize, 0, 0, 0 };
                    av::sws_scale(scaler, src, srcLinesize, 0, height, picture.data,
                                  picture.linesize);
                }
            }
        }
    }
    if (stop) {
        OnCustomHook = nullptr;
        Options().Fusing_vhook = false;
    }
}
