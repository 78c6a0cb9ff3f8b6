#pragma once
#include <memory>
#include <string>
#include <string_view>

struct AVDictionary;
struct AVFormatContext;
struct AVInputFormat;
struct AVIOContext;
struct AVIOInterruptCB;

// File names reach libavformat through FileNameToAV and come back through FileNameFromAV. A name
// that the locale's character set cannot hold is handed over as "unicode:utf8:" + UTF-8 and is
// opened by the engine's own I/O handler, so the open calls below must be used for every name
// FileNameToAV gives: they open such names through the handler and all others as usual.

bool NeedsUnicodeName(const std::string& name);
// True for "unicode:utf8:" followed by at least one byte.
bool IsUnicodeName(std::string_view name);
std::string FileNameToAV(const std::string& name);
std::string FileNameFromAV(const std::string& name);
// "unicode:utf8:/videos/a.avi" -> "/videos/a.avi".
std::string UnicodeURLToName(const std::string& url);

// avformat_open_input for a name from FileNameToAV; on failure *context is freed and null.
int AVOpenInput(AVFormatContext** context, const std::string& url, const AVInputFormat* format,
                AVDictionary** options);
// avformat_close_input, also releasing the handler's file.
void AVCloseInput(AVFormatContext** context);
// avio_open2 for a name from FileNameToAV (the output file of a muxer).
int AVOpenIO(AVIOContext** io, const std::string& url, int flags, const AVIOInterruptCB* interrupt,
             AVDictionary** options);
// avio_closep, also for the handler's files; flushes what is buffered first.
int AVCloseIO(AVIOContext** io);
// Whether the context is one of the handler's.
bool IsUnicodeIO(const AVIOContext* io);

// Owners of an opened input and of an opened output file.
struct InputContextClose {
    void operator()(AVFormatContext* context) const;
};
using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextClose>;
struct IOContextClose {
    void operator()(AVIOContext* io) const;
};
using IOContextPtr = std::unique_ptr<AVIOContext, IOContextClose>;
