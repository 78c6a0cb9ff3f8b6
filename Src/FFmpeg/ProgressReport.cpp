#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "platform/rtl/Format.h"

#include <cmath>

std::int64_t TTranscodeRun::CurrentOutputSize() const {
    if (FOwner.nb_output_files() == 0) return 0;
    AVIOContext* pb = FOwner.OutputFile(0).Context->pb;
    if (!pb) return 0;
    const std::int64_t size = av::avio_size(pb);
    return size >= 0 ? size : av::avio_seek(pb, 0, SEEK_CUR);
}

void TTranscodeRun::ReportProgress(int fileIndex, bool isLastReport) {
    int frameNumber = -1;
    int fps = -1;
    float quality = -1.0f;
    const std::int64_t size = CurrentOutputSize();
    std::string text;
    double outputTime = 1e10;
    bool videoReported = false;
    for (const auto& entry : FOutputStreams) {
        TAVOutputStream& ost = *entry;
        const AVCodecContext* enc = ost.Encoder();
        const bool video = ost.Type() == AVMEDIA_TYPE_VIDEO;
        const float q = ost.encoding_needed ? float(ost.Owner().LastQuality) / FF_QP2LAMBDA : -1.0f;
        if (videoReported && video) text += Format("q=%2.1f ", double(q));
        if (!videoReported && video && ost.show_fps) {
            const float elapsed = float(av::av_gettime() - FTimerStart) / 1000000.0f;
            frameNumber = ost.frame_number;
            // Nothing is reported before the first picture is out.
            if (frameNumber < 1) return;
            fps = elapsed > 1.0f ? int(float(frameNumber) / elapsed + 0.5f) : 0;
            quality = q;
            text += Format("frame=%5d fps=%3d q=%3.1f ", frameNumber, fps, double(q));
            if (isLastReport) text += "L";
            if (FOpt.Fqp_hist) {
                const long qp = std::lround(q);
                if (qp >= 0 && qp < long(FQpHistogram.size())) ++FQpHistogram[std::size_t(qp)];
                for (int j = 0; j < 32; ++j)
                    text +=
                        Format("%X", int(std::lround(std::log2(FQpHistogram[std::size_t(j)] + 1))));
            }
            if (ost.encoding_needed && (enc->flags & AV_CODEC_FLAG_PSNR)) {
                const char planes[3] = { 'Y', 'U', 'V' };
                double errorSum = 0.0;
                double scaleSum = 0.0;
                text += "PSNR=";
                for (int j = 0; j < 3; ++j) {
                    double error = double(isLastReport ? enc->error[j] : ost.Owner().LastError[j]);
                    double scale = double(enc->width) * enc->height * 255.0 * 255.0;
                    if (isLastReport) scale *= frameNumber;
                    if (j) scale /= 4;
                    errorSum += error;
                    scaleSum += scale;
                    text += Format("%c:%2.2f ", planes[j], -10.0 * std::log10(error / scale));
                }
                text += Format("*:%2.2f ", -10.0 * std::log10(errorSum / scaleSum));
            }
            videoReported = true;
        }
        const double time = OutputClock(ost);
        if (time > 0 && time < outputTime) outputTime = time;
    }
    // No stream has output yet: the report says so rather than an endless time.
    if (outputTime == 1e10 || outputTime < 0.01) outputTime = 0.01;
    if (FOwner.OnProgress || FOpt.Fverbose > 0 || isLastReport) {
        const double bitRate = double(size) * 8.0 / outputTime / 1000.0;
        text += Format("size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", double(size) / 1024.0,
                       outputTime, bitRate);
        if (FFramesDup || FFramesDrop) {
            text += Format(" dup=%d drop=%d", FFramesDup, FFramesDrop);
            if (FShowDupOrDrop && FOpt.Fverbose >= 0 && FOwner.OnProgress) {
                FShowDupOrDrop = false;
                FOwner.Log(llVerbose, text);
            }
        }
        if (FOwner.OnProgress) {
            const TProgressEvent handler = FOwner.OnProgress;
            handler(&FOwner, fileIndex, frameNumber, fps, quality, float(bitRate), size,
                    std::int64_t(outputTime * 1000000), FOpt.FTotalOutputDuration);
        } else if (FOpt.Fverbose >= 0) {
            FOwner.Log(llVerbose, text);
        }
    }
    if (isLastReport && FOpt.Fverbose >= 0) {
        const std::int64_t raw = FAudioSize + FVideoSize + FExtraSize;
        // Nothing produced: no overhead to speak of.
        const double overhead = raw ? double(size - raw) * 100.0 / double(raw) : 0.0;
        FOwner.Log(llVerbose,
                   Format("video:%1.0fkB audio:%1.0fkB global headers:%1.0fkB muxing overhead "
                          "%f%%\r\n",
                          double(FVideoSize) / 1024, double(FAudioSize) / 1024,
                          double(FExtraSize) / 1024, overhead));
    }
}

double TTranscodeRun::OutputClock(TAVOutputStream& ost) {
    TAVOutputStream& owner = ost.Owner();
    if (!ost.encoding_needed) return owner.EndTime;
    const AVCodecContext* enc = ost.Encoder();
    if (owner.Audio && enc->sample_rate > 0)
        return double(owner.Audio->SyncOpts()) / enc->sample_rate;
    if (enc->codec_type == AVMEDIA_TYPE_VIDEO)
        return double(ost.sync_opts) * av_q2d(enc->time_base);
    return owner.EndTime;
}
