#pragma once
#include "Src/AVFilterStubs.h"
#include "Src/AVUtilStubs.h"

#include <string>

// The video thread's filter graph: a buffer source fed with decoded pictures, the user's filter
// chain, and a sink that gives planar YUV 4:2:0. Rebuilt whenever the decoded size or format
// changes, since a configured graph takes only the input it was built for.
class TVideoFilterGraph {
public:
    // False when the graph cannot be built for this picture; the reason goes to the log.
    bool Configure(const AVFrame& frame, AVRational timeBase, AVRational sampleAspect,
                   const std::string& filters, int swsFlags);
    bool Matches(const AVFrame& frame) const;
    int Push(AVFrame* frame);
    // 0 with a picture, AVERROR(EAGAIN) when the graph wants more input.
    int Pull(AVFrame* frame);
    AVRational OutputTimeBase() const;

private:
    FilterGraphPtr FGraph;
    AVFilterContext* FSource{ nullptr };
    AVFilterContext* FSink{ nullptr };
    int FWidth{ 0 };
    int FHeight{ 0 };
    int FFormat{ -1 };
};
