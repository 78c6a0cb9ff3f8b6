#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct SwsContext;

struct CodecContextFree {
    void operator()(AVCodecContext* context) const;
};
struct FormatContextFree {
    void operator()(AVFormatContext* context) const;
};
struct OptionsScalerFree {
    void operator()(SwsContext* context) const;
};

// The generic option contexts of a transcoder, one codec context per media type (video, audio,
// data, subtitle, attachment), a format and a scaler context, with the names of the options set
// on them in the order they were set.
struct TFFOptions {
    std::vector<std::string> opt_names;
    std::array<std::unique_ptr<AVCodecContext, CodecContextFree>, 5> avcodec_opts;
    std::unique_ptr<AVFormatContext, FormatContextFree> avformat_opts;
    std::unique_ptr<SwsContext, OptionsScalerFree> sws_opts;
};

void InitFFOptions(TFFOptions& options);
void AllocFFOptions(TFFOptions& options, int swsFlags);
void FreeFFOptions(TFFOptions& options);
// Sets a generic option by name on the first contexts that know it; False for a blank name or
// value, an unknown name or a rejected value (logged).
bool SetFFOption(TFFOptions& options, const std::string& name, const std::string& value);
// Copies the remembered options whose flags hold every bit of flags from source to target.
void ApplyFFOptions(const TFFOptions& options, void* target, void* source, int flags);

// Reads a whole file: 0, -1 when it cannot be opened, -12 when memory runs out.
int ReadWholeFile(const std::string& fileName, std::string& content);
