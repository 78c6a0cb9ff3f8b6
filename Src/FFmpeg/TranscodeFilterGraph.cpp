#include "Src/FFmpeg/TranscodeFilterGraph.h"

#include "Src/AVCodecStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/Format.h"

namespace {

constexpr AVRational kMicroseconds{ 1, AV_TIME_BASE };

std::string ErrorText(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av::av_strerror(error, text, sizeof(text));
    return text;
}

} // namespace

void TTranscodeFilterGraph::Fail(const std::string& reason) {
    throw FFmpegException(reason.empty() ? std::string("Error opening filters!")
                                         : "Error opening filters: " + reason);
}

void TTranscodeFilterGraph::Fail(int error) {
    Fail(ErrorText(error));
}

AVFilterContext* TTranscodeFilterGraph::AddFilter(const char* name, const std::string& args) {
    const AVFilter* filter = av::avfilter_get_by_name(name);
    if (!filter) Fail(Format("No such filter: '%s'", name));
    AVFilterContext* context = nullptr;
    const int result = av::avfilter_graph_create_filter(&context, filter, nullptr, args.c_str(),
                                                        nullptr, FGraph.get());
    if (result < 0) Fail(Format("%s (%s=%s)", ErrorText(result), name, args));
    return context;
}

void TTranscodeFilterGraph::Link(AVFilterContext*& last, AVFilterContext* next) {
    const int result = av::avfilter_link(last, 0, next, 0);
    if (result < 0) Fail(result);
    last = next;
}

void TTranscodeFilterGraph::Build(const AVCodecContext& decoder, AVCodecContext& encoder,
                                  const TFilterGraphSettings& settings) {
    FGraph.reset(av::avfilter_graph_alloc());
    FSource = FSink = nullptr;
    if (!FGraph) Fail(AVERROR(ENOMEM));
    if (!FScratch) FScratch.reset(av::av_frame_alloc());
    const char* encoderFormat = av::av_get_pix_fmt_name(encoder.pix_fmt);
    if (decoder.width <= 0 || decoder.height <= 0 || decoder.pix_fmt < 0 || !encoderFormat)
        Fail(AVERROR(EINVAL));

    const std::string swsFlags = Format("flags=0x%X", settings.SwsFlags);
    FGraph->scale_sws_opts = av::av_strdup(swsFlags.c_str());
    AVRational aspect = decoder.sample_aspect_ratio;
    if (aspect.num <= 0 || aspect.den <= 0) aspect = AVRational{ 0, 1 };
    FSource =
        AddFilter("buffer", Format("video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:"
                                   "pixel_aspect=%d/%d",
                                   decoder.width, decoder.height, int(decoder.pix_fmt),
                                   kMicroseconds.num, kMicroseconds.den, aspect.num, aspect.den));
    // The sink takes what the encoder takes, and nothing else.
    AVFilterContext* format = AddFilter("format", Format("pix_fmts=%s", encoderFormat));
    FSink = AddFilter("buffersink", "");
    AVFilterContext* tail = format;
    Link(tail, FSink);

    AVFilterContext* last = FSource;
    const int cropWidth = decoder.width - settings.LeftBand - settings.RightBand;
    const int cropHeight = decoder.height - settings.TopBand - settings.BottomBand;
    if (settings.TopBand || settings.BottomBand || settings.LeftBand || settings.RightBand) {
        // The bands are taken off the decoded picture; the scaler then brings what is left to
        // the encoder's size.
        Link(last, AddFilter("crop", Format("out_w=%d:out_h=%d:x=%d:y=%d", cropWidth, cropHeight,
                                            settings.LeftBand, settings.TopBand)));
    }
    if (cropWidth != encoder.width || cropHeight != encoder.height) {
        Link(last, AddFilter("scale", Format("%d:%d:sws_flags=%d", encoder.width, encoder.height,
                                             int(settings.SwsFlags))));
    }

    if (settings.Filters.empty()) {
        Link(last, format);
    } else {
        FilterInOutPtr outputs(av::avfilter_inout_alloc());
        FilterInOutPtr inputs(av::avfilter_inout_alloc());
        if (!outputs || !inputs) Fail(AVERROR(ENOMEM));
        outputs->name = av::av_strdup("in");
        outputs->filter_ctx = last;
        inputs->name = av::av_strdup("out");
        inputs->filter_ctx = format;
        AVFilterInOut* rawInputs = inputs.release();
        AVFilterInOut* rawOutputs = outputs.release();
        const int parsed = av::avfilter_graph_parse_ptr(FGraph.get(), settings.Filters.c_str(),
                                                        &rawInputs, &rawOutputs, nullptr);
        inputs.reset(rawInputs);
        outputs.reset(rawOutputs);
        if (parsed < 0) Fail(Format("%s (%s)", ErrorText(parsed), settings.Filters));
    }
    const int configured = av::avfilter_graph_config(FGraph.get(), nullptr);
    if (configured < 0) Fail(configured);

    const AVFilterLink* out = FSink->inputs[0];
    FWidth = out->w;
    FHeight = out->h;
    encoder.width = FWidth;
    encoder.height = FHeight;
}

int TTranscodeFilterGraph::Push(const AVFrame& frame, std::int64_t pts, AVRational sampleAspect) {
    if (!FSource || !FScratch) return AVERROR(EINVAL);
    av::av_frame_unref(FScratch.get());
    const int result = av::av_frame_ref(FScratch.get(), &frame);
    if (result < 0) return result;
    FScratch->pts = pts;
    FScratch->sample_aspect_ratio = sampleAspect;
    return av::av_buffersrc_add_frame_flags(FSource, FScratch.get(), 0);
}

int TTranscodeFilterGraph::PushEnd() {
    if (!FSource) return AVERROR(EINVAL);
    return av::av_buffersrc_add_frame_flags(FSource, nullptr, 0);
}

bool TTranscodeFilterGraph::Pull(AVFrame& frame) {
    if (!FSink) return false;
    av::av_frame_unref(&frame);
    if (av::av_buffersink_get_frame(FSink, &frame) < 0) return false;
    const AVRational timeBase = FSink->inputs[0]->time_base;
    if (frame.pts != AV_NOPTS_VALUE)
        frame.pts = av::av_rescale_q(frame.pts, timeBase, kMicroseconds);
    return true;
}
