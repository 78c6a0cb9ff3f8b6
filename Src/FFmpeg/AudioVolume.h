#pragma once
extern "C" {
#include <libavutil/samplefmt.h>
}

#include <cstdint>

// Scales samples by volume / 256 in place, in their own format: integers round half up and clamp
// to the format's range, floating point clamps to -1 .. 1. 256 leaves them alone. planes holds
// one plane per channel for planar formats, else one interleaved plane.
void ApplyAudioVolume(std::uint8_t* const* planes, AVSampleFormat format, int channels, int samples,
                      int volume);
