#pragma once
#include "Src/AVCodecStubs.h"

#include <cstdint>
#include <string>
#include <vector>

// What a media file turned out to hold, read back the way a player would: probed, then every
// stream decoded to its end.
struct TStreamCheck {
    AVMediaType Type{ AVMEDIA_TYPE_UNKNOWN };
    AVCodecID Codec{ AV_CODEC_ID_NONE };
    int Packets{ 0 };
    // Decoded pictures, or decoded samples for audio.
    std::int64_t Decoded{ 0 };
    int DecodeErrors{ 0 };
    int Width{ 0 };
    int Height{ 0 };
    int SampleRate{ 0 };
    int Channels{ 0 };
    // From the first to the end of the last packet, seconds.
    double Duration{ 0.0 };
};

struct TMediaCheck {
    bool Opened{ false };
    std::string Format;
    double Duration{ 0.0 }; // the container's, seconds
    int ReadError{ 0 };     // a read result other than the end of the file
    std::vector<TStreamCheck> Streams;

    const TStreamCheck* First(AVMediaType type) const;
};

TMediaCheck CheckMedia(const std::string& fileName);
