#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

#include <memory>
#include <string>

// The libavfilter 8 entry points of the video filter graph, in binding order.
#define VC_AVFILTER_ENTRY_POINTS(X)                                                                \
    X(av_filter_iterate)                                                                           \
    X(avfilter_get_by_name)                                                                        \
    X(avfilter_link)                                                                               \
    X(avfilter_graph_alloc)                                                                        \
    X(avfilter_graph_free)                                                                         \
    X(avfilter_graph_alloc_filter)                                                                 \
    X(avfilter_graph_create_filter)                                                                \
    X(avfilter_init_str)                                                                           \
    X(avfilter_graph_parse_ptr)                                                                    \
    X(avfilter_graph_config)                                                                       \
    X(avfilter_inout_alloc)                                                                        \
    X(avfilter_inout_free)                                                                         \
    X(av_buffersrc_add_frame_flags)                                                                \
    X(av_buffersink_get_frame)                                                                     \
    X(av_buffersink_get_frame_flags)

namespace av {
VC_AVFILTER_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupAVFilter(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixAVFilter();

struct FilterGraphFree {
    void operator()(AVFilterGraph* graph) const {
        if (av::avfilter_graph_free) av::avfilter_graph_free(&graph);
    }
};
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFree>;

struct FilterInOutFree {
    void operator()(AVFilterInOut* inOut) const {
        if (av::avfilter_inout_free) av::avfilter_inout_free(&inOut);
    }
};
using FilterInOutPtr = std::unique_ptr<AVFilterInOut, FilterInOutFree>;
