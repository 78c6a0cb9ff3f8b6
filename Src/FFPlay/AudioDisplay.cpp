#include "Src/FFPlay/Display.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/libsdl.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int RingSize = TVideoState::SampleArraySize;

int Wrap(int i) {
    i %= RingSize;
    return i < 0 ? i + RingSize : i;
}

void FillBar(SDL_Surface* screen, int x, int y, int w, int h, Uint32 colour) {
    SDL_Rect r{ static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                static_cast<Uint16>(h) };
    sdl::SDL_FillRect(screen, &r, colour);
}

int StartIndex(TCustomPlayer& player, TVideoState& is, const std::vector<int16_t>& samples,
               int channels, int nbFreq, int index) {
    if (is.paused.load()) return is.last_i_start;
    const bool wave = is.show_audio.load() == saWave;
    const int dataUsed = wave ? is.width : 2 * nbFreq;
    const int n = 2 * channels;
    int delay = (static_cast<int>(is.audio_buf_size.load()) - is.audio_buf_index.load()) / n;
    const int64_t callbackTime = player.AudioCallbackTimeValue();
    if (callbackTime != 0) {
        const int64_t elapsed = av::av_gettime() - callbackTime;
        delay -= static_cast<int>(elapsed * is.audio_sample_rate / 1000000);
    }
    delay += 2 * dataUsed;
    delay = std::max(delay, dataUsed);
    int start = Wrap(index - delay * channels);
    if (wave) {
        const int x = start;
        int h = INT_MIN;
        for (int i = 0; i < 1000; i += channels) {
            const int idx = Wrap(RingSize + x - i);
            const int a = samples[idx];
            const int b = samples[Wrap(idx + 4 * channels)];
            const int c = samples[Wrap(idx + 5 * channels)];
            const int d = samples[Wrap(idx + 9 * channels)];
            if (h < a - d && (b ^ c) < 0) {
                h = a - d;
                start = idx;
            }
        }
    }
    return start;
}

void DrawWave(SDL_Surface* screen, TVideoState& is, const std::vector<int16_t>& samples,
              int channels, int start) {
    FillBar(screen, is.xleft, is.ytop, is.width, is.height,
            sdl::SDL_MapRGB(screen->format, 0, 0, 0));
    const Uint32 white = sdl::SDL_MapRGB(screen->format, 0xFF, 0xFF, 0xFF);
    const int h = is.height / channels;
    const int h2 = (h * 9) / 20;
    for (int ch = 0; ch < channels; ++ch) {
        int i = start + ch;
        const int y1 = is.ytop + ch * h + h / 2;
        for (int x = 0; x < is.width; ++x) {
            const int v = (h2 * samples[Wrap(i)]) >> 15;
            if (v >= 0) {
                FillBar(screen, is.xleft + x, y1, 1, v, white);
            } else {
                FillBar(screen, is.xleft + x, y1 + v, 1, -v, white);
            }
            i = Wrap(i + channels);
        }
    }
    for (int ch = 1; ch < channels; ++ch)
        FillBar(screen, is.xleft, is.ytop + ch * h, is.width, 1, white);
    sdl::SDL_UpdateRect(screen, is.xleft, is.ytop, is.width, is.height);
}

void DrawSpectrum(SDL_Surface* screen, TVideoState& is, const std::vector<int16_t>& samples,
                  int channels, int start, int rdftBits, int nbFreq) {
    const int shown = std::min(channels, 2);
    if (rdftBits != is.rdft_bits) {
        if (is.rdft) av::av_rdft_end(is.rdft);
        is.rdft = av::av_rdft_init(rdftBits, DFT_R2C);
        is.rdft_bits = rdftBits;
        const size_t bytes = sizeof(float) * 4 * static_cast<size_t>(nbFreq);
        is.rdft_data.reset(static_cast<float*>(av::av_mallocz(bytes)));
    }
    if (!is.rdft || !is.rdft_data) return;
    for (int ch = 0; ch < shown; ++ch) {
        float* data = is.rdft_data.get() + 2 * nbFreq * ch;
        int i = start + ch;
        for (int x = 0; x < 2 * nbFreq; ++x) {
            const double w = static_cast<double>(x - nbFreq) / nbFreq;
            data[x] = static_cast<float>(samples[Wrap(i)] * (1.0 - w * w));
            i = Wrap(i + channels);
        }
        av::av_rdft_calc(is.rdft, data);
    }
    const double norm = std::sqrt(static_cast<double>(nbFreq));
    for (int y = 0; y < is.height && y < nbFreq; ++y) {
        int m[2] = { 0, 0 };
        for (int ch = 0; ch < shown; ++ch) {
            const float* data = is.rdft_data.get() + 2 * nbFreq * ch;
            const double re = data[2 * y];
            const double im = data[2 * y + 1];
            m[ch] = std::min(255, static_cast<int>(std::nearbyint(
                                      std::sqrt(std::sqrt(re * re + im * im) / norm))));
        }
        if (shown == 1) m[1] = m[0];
        FillBar(screen, is.xpos, is.height - y, 1, 1,
                sdl::SDL_MapRGB(screen->format, static_cast<Uint8>(m[0]), static_cast<Uint8>(m[1]),
                                static_cast<Uint8>((m[0] + m[1]) / 2)));
    }
    sdl::SDL_UpdateRect(screen, is.xpos, is.ytop, 1, is.height);
    if (++is.xpos >= is.width) is.xpos = is.xleft;
}

} // namespace

void DisplayAudio(TCustomPlayer& player, TVideoState& is) {
    SDL_Surface* screen = player.Screen();
    const int channels = is.audio_channels;
    if (!screen || channels <= 0 || is.width <= 0) return;
    int rdftBits = 1;
    while ((1 << rdftBits) < 2 * is.height)
        ++rdftBits;
    const int nbFreq = 1 << (rdftBits - 1);
    std::vector<int16_t> samples;
    int index;
    {
        std::lock_guard lock(is.sample_mutex);
        samples = is.sample_array;
        index = is.sample_array_index;
    }
    const int start = StartIndex(player, is, samples, channels, nbFreq, index);
    is.last_i_start = start;
    if (is.show_audio.load() == saWave) {
        DrawWave(screen, is, samples, channels, start);
    } else {
        DrawSpectrum(screen, is, samples, channels, start, rdftBits, nbFreq);
    }
}
