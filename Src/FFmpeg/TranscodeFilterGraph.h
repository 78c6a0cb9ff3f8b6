#pragma once
#include "Src/AVFilterStubs.h"
#include "Src/AVUtilStubs.h"

#include <cstdint>
#include <string>

struct AVCodecContext;

// What shapes the graph besides the two codecs: the crop bands of the "crop*" options, the
// user's chain ("vf"/"vfilters", UTF-8) and the scaler flags of the "sws_flags" option.
struct TFilterGraphSettings {
    int TopBand{ 0 };
    int BottomBand{ 0 };
    int LeftBand{ 0 };
    int RightBand{ 0 };
    std::string Filters;
    unsigned SwsFlags{ 4 };
};

// The video filter graph between one decoded input stream and one encoded output stream: a
// buffer source taking the decoder's pictures, "crop" when any band is set, "scale" only when
// the cropped size differs from the encoder's, the user's chain, and a buffer sink that hands
// out exactly the encoder's pixel format. Each output stream owns its own graph, so two outputs
// fed from one input never share (or overwrite) each other's.
//
// Usage, on the run's thread:
//   TTranscodeFilterGraph graph;
//   graph.Build(*decoder, *encoder, settings);  // before the encoder is opened
//   per decoded picture (pts in microseconds):
//     graph.Push(*frame, pts, decoder->sample_aspect_ratio);
//     while (graph.Pull(*filtered)) { encode filtered (its pts is in microseconds) }
//   at the end: graph.PushEnd(); then Pull until false to drain.
class TTranscodeFilterGraph {
public:
    // Builds the graph for the decoder's size and pixel format and sets the encoder's width and
    // height to what the graph gives out (so a user "pad" or "scale" decides the encoded size).
    // Raises FFmpegException "Error opening filters: " and the reason (the libraries' text,
    // e.g. for a syntax error in the chain). A rebuild replaces the previous graph.
    void Build(const AVCodecContext& decoder, AVCodecContext& encoder,
               const TFilterGraphSettings& settings);
    bool Built() const { return FGraph != nullptr; }

    // Feeds one picture; the frame itself is left as it was (the graph takes its own reference,
    // copying planes that are not reference-counted). pts is in microseconds. Returns the
    // libraries' result, negative on failure.
    int Push(const AVFrame& frame, std::int64_t pts, AVRational sampleAspect);
    // Tells the graph that no more pictures come, so that Pull gives out what it still holds.
    int PushEnd();
    // Takes the next filtered picture into frame (unreferenced first), pts in microseconds and
    // its pixel aspect set; false when the graph needs more input or has ended.
    bool Pull(AVFrame& frame);

    // The size the graph gives out.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    [[noreturn]] static void Fail(const std::string& reason);
    [[noreturn]] static void Fail(int error);
    AVFilterContext* AddFilter(const char* name, const std::string& args);
    void Link(AVFilterContext*& last, AVFilterContext* next);

    FilterGraphPtr FGraph;
    AVFilterContext* FSource{ nullptr };
    AVFilterContext* FSink{ nullptr };
    FramePtr FScratch;
    int FWidth{ 0 };
    int FHeight{ 0 };
};
