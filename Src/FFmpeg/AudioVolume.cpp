#include "Src/FFmpeg/AudioVolume.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

template <typename T>
void ScaleInteger(std::uint8_t* data, int count, int volume) {
    constexpr std::int64_t kMin = std::numeric_limits<T>::min();
    constexpr std::int64_t kMax = std::numeric_limits<T>::max();
    for (int i = 0; i < count; ++i) {
        T sample;
        std::memcpy(&sample, data + i * sizeof(T), sizeof(T));
        // The arithmetic shift keeps the sign, so halves round up for negative samples too.
        const std::int64_t scaled = (std::int64_t(sample) * volume + 128) >> 8;
        sample = T(std::clamp(scaled, kMin, kMax));
        std::memcpy(data + i * sizeof(T), &sample, sizeof(T));
    }
}

void ScaleUnsigned8(std::uint8_t* data, int count, int volume) {
    for (int i = 0; i < count; ++i) {
        const int scaled = (((int(data[i]) - 128) * volume + 128) >> 8) + 128;
        data[i] = std::uint8_t(std::clamp(scaled, 0, 255));
    }
}

template <typename T>
void ScaleFloat(std::uint8_t* data, int count, int volume) {
    const T gain = T(volume) / T(256);
    for (int i = 0; i < count; ++i) {
        T sample;
        std::memcpy(&sample, data + i * sizeof(T), sizeof(T));
        sample = std::clamp(sample * gain, T(-1), T(1));
        std::memcpy(data + i * sizeof(T), &sample, sizeof(T));
    }
}

} // namespace

void ApplyAudioVolume(std::uint8_t* const* planes, AVSampleFormat format, int channels, int samples,
                      int volume) {
    if (volume == 256 || samples <= 0 || channels <= 0) return;
    const bool planar = (format >= AV_SAMPLE_FMT_U8P && format <= AV_SAMPLE_FMT_DBLP) ||
                        format == AV_SAMPLE_FMT_S64P;
    const int planeCount = planar ? channels : 1;
    const int count = planar ? samples : samples * channels;
    for (int p = 0; p < planeCount; ++p) {
        std::uint8_t* data = planes[p];
        switch (format) {
        case AV_SAMPLE_FMT_U8:
        case AV_SAMPLE_FMT_U8P:
            ScaleUnsigned8(data, count, volume);
            break;
        case AV_SAMPLE_FMT_S16:
        case AV_SAMPLE_FMT_S16P:
            ScaleInteger<std::int16_t>(data, count, volume);
            break;
        case AV_SAMPLE_FMT_S32:
        case AV_SAMPLE_FMT_S32P:
            ScaleInteger<std::int32_t>(data, count, volume);
            break;
        case AV_SAMPLE_FMT_FLT:
        case AV_SAMPLE_FMT_FLTP:
            ScaleFloat<float>(data, count, volume);
            break;
        case AV_SAMPLE_FMT_DBL:
        case AV_SAMPLE_FMT_DBLP:
            ScaleFloat<double>(data, count, volume);
            break;
        default:
            return; // 64-bit integers: no encoder takes them
        }
    }
}
