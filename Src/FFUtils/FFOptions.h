#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/SwScaleStubs.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// The generic option contexts of a transcoder, one codec context per media type (video, audio,
// data, subtitle, attachment), a format and a scaler context, with the names of the options set
// on them in the order they were set.
struct TFFOptions {
    TFFOptions() = default;
    // A copy has contexts of its own holding the same remembered option values, so that an
    // option state can be kept aside and put back.
    TFFOptions(const TFFOptions& other);
    TFFOptions& operator=(const TFFOptions& other);
    TFFOptions(TFFOptions&&) noexcept = default;
    TFFOptions& operator=(TFFOptions&&) noexcept = default;

    std::vector<std::string> opt_names;
    std::array<CodecContextPtr, 5> avcodec_opts;
    FormatContextPtr avformat_opts;
    SwsContextPtr sws_opts;
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
