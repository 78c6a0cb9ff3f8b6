#pragma once
#include "Src/FFUtils/FFOptions.h"
#include "Src/FFmpeg/TranscoderOptions.h"

#include <optional>
#include <string>
#include <vector>

// True when a generic codec, format or scaler context knows the name, with or without the media
// kind letter ("ab" for the audio "b") that the generic route strips.
bool IsGenericOption(const TFFOptions& options, const std::string& name);

// The encoder kind or muxer whose private options take name=value. The encoders named in
// preferred are tried first, then every encoder and then every muxer of the libraries; the first
// that has the option and accepts the value decides. None when nothing takes it.
std::optional<TPrivateOptionOwner> PrivateOptionOwner(const std::string& name,
                                                      const std::string& value,
                                                      const std::vector<std::string>& preferred);
