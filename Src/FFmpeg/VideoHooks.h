#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

extern "C" {
// The picture a plug-in's "Process" works on, in place: four plane pointers and four line
// sizes. The pixel format passed beside it is an AVPixelFormat number of libavutil 57.
struct TVHookPicture {
    std::uint8_t* data[4];
    int linesize[4];
};

// The entry points a video hook plug-in (a shared library) exports with C linkage. "Process" is
// required, "Configure" when arguments follow the library's path, "Release" is optional.
using TVHookConfigureFn = int (*)(void** ctx, int argc, char* argv[]);
using TVHookProcessFn = void (*)(void* ctx, TVHookPicture* picture, int pixFmt, int width,
                                 int height, std::int64_t pts);
using TVHookReleaseFn = void (*)(void* ctx);
}

// The words of a "vhook" text: split at "|" when the text has one, else at blanks; runs of
// separators count as one; argument 0 is the library's path; at most 63 words are kept.
std::vector<std::string> SplitVideoHookText(const std::string& text);

// The plug-ins of one transcoder, in the order they were added; each keeps its arguments and its
// own context. A library is loaded once per process by its canonical path and stays loaded.
//
// Usage: chain.Add(SplitVideoHookText(text)) when an option adds one; chain.Process(...) for
// every decoded picture on the run's thread; Release (or destruction) ends every plug-in.
class TFrameHookChain {
public:
    TFrameHookChain();
    ~TFrameHookChain();
    TFrameHookChain(const TFrameHookChain&) = delete;
    TFrameHookChain& operator=(const TFrameHookChain&) = delete;

    // 0 on success; -2 without arguments or without a required entry point, -1 when the library
    // cannot be loaded, -22 when "Configure" refuses. The reason goes to the libraries' log at
    // the error level ("Failed to find Process entrypoint in %s", the loader's text, ...).
    int Add(const std::vector<std::string>& args);
    void Process(TVHookPicture& picture, int pixFmt, int width, int height, std::int64_t pts) const;
    // Calls every plug-in's "Release" and empties the chain.
    void Release();
    // Keeps the first count plug-ins and releases the ones added after them, so that an undone
    // option leaves no plug-in of its own behind.
    void ReleaseFrom(std::size_t count);
    bool Empty() const { return FEntries.empty(); }
    std::size_t Count() const { return FEntries.size(); }

private:
    struct TEntry;
    std::vector<std::unique_ptr<TEntry>> FEntries;
};
