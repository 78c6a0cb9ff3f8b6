#include "Src/FFPlay/VideoFilterGraph.h"

#include "platform/rtl/Format.h"

bool TVideoFilterGraph::Configure(const AVFrame& frame, AVRational timeBase,
                                  AVRational sampleAspect, const std::string& filters,
                                  int swsFlags) {
    FGraph.reset(av::avfilter_graph_alloc());
    FSource = FSink = nullptr;
    FFormat = -1;
    if (!FGraph) return false;
    const std::string scaleFlags = Format("flags=%d", swsFlags);
    FGraph->scale_sws_opts = av::av_strdup(scaleFlags.c_str());
    if (sampleAspect.num <= 0 || sampleAspect.den <= 0) sampleAspect = AVRational{ 0, 1 };
    if (timeBase.num <= 0 || timeBase.den <= 0) timeBase = AVRational{ 1, 1000000 };
    const std::string args = Format(
        "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", frame.width, frame.height,
        frame.format, timeBase.num, timeBase.den, sampleAspect.num, sampleAspect.den);
    if (av::avfilter_graph_create_filter(&FSource, av::avfilter_get_by_name("buffer"), "src",
                                         args.c_str(), nullptr, FGraph.get()) < 0 ||
        av::avfilter_graph_create_filter(&FSink, av::avfilter_get_by_name("buffersink"), "out",
                                         nullptr, nullptr, FGraph.get()) < 0) {
        return false;
    }
    // The user's chain ends in a format conversion: the overlay takes planar 4:2:0 only.
    const std::string chain = filters.empty() ? "format=yuv420p" : filters + ",format=yuv420p";
    FilterInOutPtr outputs(av::avfilter_inout_alloc());
    FilterInOutPtr inputs(av::avfilter_inout_alloc());
    if (!outputs || !inputs) return false;
    outputs->name = av::av_strdup("in");
    outputs->filter_ctx = FSource;
    inputs->name = av::av_strdup("out");
    inputs->filter_ctx = FSink;
    AVFilterInOut* rawInputs = inputs.release();
    AVFilterInOut* rawOutputs = outputs.release();
    const int parsed =
        av::avfilter_graph_parse_ptr(FGraph.get(), chain.c_str(), &rawInputs, &rawOutputs, nullptr);
    inputs.reset(rawInputs);
    outputs.reset(rawOutputs);
    if (parsed < 0 || av::avfilter_graph_config(FGraph.get(), nullptr) < 0) {
        FGraph.reset();
        return false;
    }
    FWidth = frame.width;
    FHeight = frame.height;
    FFormat = frame.format;
    return true;
}

bool TVideoFilterGraph::Matches(const AVFrame& frame) const {
    return FGraph && frame.width == FWidth && frame.height == FHeight && frame.format == FFormat;
}

int TVideoFilterGraph::Push(AVFrame* frame) {
    return av::av_buffersrc_add_frame_flags(FSource, frame, 0);
}

int TVideoFilterGraph::Pull(AVFrame* frame) {
    return av::av_buffersink_get_frame(FSink, frame);
}

AVRational TVideoFilterGraph::OutputTimeBase() const {
    if (!FSink || FSink->nb_inputs == 0) return AVRational{ 1, 1000000 };
    return FSink->inputs[0]->time_base;
}
