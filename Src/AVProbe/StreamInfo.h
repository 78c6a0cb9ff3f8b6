#pragma once
#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

// What the probe reports of a file and its streams; -1 wherever the file gives no value.

struct TFileStreamInfo {
    std::int64_t StartTime{ -1 }; // microseconds
    std::int64_t Duration{ -1 };  // microseconds
    std::int64_t BitRate{ -1 };   // bits per second
    std::int64_t TimeStamp{ -1 }; // Unix seconds of the "creation_time" tag
    int Year{ -1 };
    int Track{ -1 };
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

// StartTime and Duration are in the stream's own time base (the missing-time marker stays as it
// is); the Scaled fields are the same in microseconds.
struct TAudioStreamInfo {
    std::string Language;
    std::string CodecName;
    std::int64_t StartTime{ -1 };
    std::int64_t StartTimeScaled{ -1 };
    std::int64_t Duration{ -1 };
    std::int64_t DurationScaled{ -1 };
    std::int64_t BitRate{ -1 };
    int Channels{ -1 };
    int SampleRate{ -1 };
    int SampleFormat{ -1 };
};

struct TVideoStreamInfo {
    std::string Language;
    std::string CodecName;
    std::int64_t StartTime{ -1 };
    std::int64_t StartTimeScaled{ -1 };
    std::int64_t Duration{ -1 };
    std::int64_t DurationScaled{ -1 };
    std::int64_t BitRate{ -1 };
    int Height{ -1 };
    int Width{ -1 };
    // Width over height of the displayed picture; infinite or not a number when the file gives
    // a zero height or sample aspect denominator.
    float AspectRatio{ -1.0f };
    int PixFmt{ -1 };
    AVRational FrameRate{ -1, -1 };
};

struct TSubtitleStreamInfo {
    std::string Language;
    std::string CodecName;
};
