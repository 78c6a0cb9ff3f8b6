#include "Src/FFmpeg/AudioFormatChoice.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpegLogger.h"

#include <cstdlib>

void ChooseSampleFormat(AVCodecContext& context, const AVCodec* encoder) {
    if (!encoder || !encoder->sample_fmts) return;
    for (const AVSampleFormat* f = encoder->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == context.sample_fmt) return;
    if (encoder->sample_fmts[0] != AV_SAMPLE_FMT_NONE) context.sample_fmt = encoder->sample_fmts[0];
}

void ChooseSampleRate(AVCodecContext& context, const AVCodec* encoder, TObject* logSender) {
    if (!encoder || !encoder->supported_samplerates || encoder->supported_samplerates[0] == 0)
        return;
    int best = encoder->supported_samplerates[0];
    for (const int* r = encoder->supported_samplerates; *r != 0; ++r)
        if (std::abs(*r - context.sample_rate) < std::abs(best - context.sample_rate)) best = *r;
    if (best != context.sample_rate) {
        GlobalLogger().Log(logSender, llWarning,
                           "Requested sampling rate unsupported using closest supported (%d)",
                           best);
        context.sample_rate = best;
    }
}

void ChooseChannelLayout(AVCodecContext& context, const AVCodec* encoder) {
    if (context.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC && context.ch_layout.nb_channels > 0) {
        const int channels = context.ch_layout.nb_channels;
        av::av_channel_layout_uninit(&context.ch_layout);
        av::av_channel_layout_default(&context.ch_layout, channels);
    }
    if (!encoder || !encoder->ch_layouts || encoder->ch_layouts[0].nb_channels == 0) return;
    const AVChannelLayout* sameCount = nullptr;
    const AVChannelLayout* most = nullptr;
    for (const AVChannelLayout* l = encoder->ch_layouts; l->nb_channels != 0; ++l) {
        if (av::av_channel_layout_compare(l, &context.ch_layout) == 0) return;
        if (!sameCount && l->nb_channels == context.ch_layout.nb_channels) sameCount = l;
        if (!most || l->nb_channels > most->nb_channels) most = l;
    }
    const AVChannelLayout* chosen = sameCount ? sameCount : most;
    AVChannelLayout copy{};
    if (av::av_channel_layout_copy(&copy, chosen) < 0) throw FFmpegException("Out of memory");
    av::av_channel_layout_uninit(&context.ch_layout);
    context.ch_layout = copy;
}
