#include "Src/FFmpeg/AudioOutput.h"
#include "Src/FFmpeg/AudioVolume.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpegLoader.h"
#include "platform/rtl/Format.h"
#include "tests/Src/OptionTestDispatcher.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kTone = 440.0;

struct LayoutOwner {
    explicit LayoutOwner(int channels) { av_channel_layout_default(&Layout, channels); }
    ~LayoutOwner() { av_channel_layout_uninit(&Layout); }
    AVChannelLayout Layout{};
};

// A frame of a sine tone of the given amplitude on every channel, in any sample format.
FramePtr Tone(AVSampleFormat format, int rate, int channels, int samples, std::int64_t first,
              double amplitude) {
    FramePtr frame(av_frame_alloc());
    frame->format = format;
    frame->sample_rate = rate;
    frame->nb_samples = samples;
    av_channel_layout_default(&frame->ch_layout, channels);
    EXPECT_EQ(av_frame_get_buffer(frame.get(), 0), 0);
    const bool planar = av_sample_fmt_is_planar(format);
    const int bytes = av_get_bytes_per_sample(format);
    for (int i = 0; i < samples; ++i) {
        const double v =
            amplitude * std::sin(2 * std::numbers::pi * kTone * double(first + i) / rate);
        for (int c = 0; c < channels; ++c) {
            std::uint8_t* at = planar ? frame->extended_data[c] + i * bytes
                                      : frame->extended_data[0] + (i * channels + c) * bytes;
            switch (av_get_packed_sample_fmt(format)) {
            case AV_SAMPLE_FMT_U8:
                *at = std::uint8_t(std::lrint(128 + v * 127));
                break;
            case AV_SAMPLE_FMT_S16: {
                const auto s = std::int16_t(std::lrint(v * 32767));
                std::memcpy(at, &s, 2);
                break;
            }
            case AV_SAMPLE_FMT_S32: {
                const auto s = std::int32_t(std::lrint(v * 2147483647.0));
                std::memcpy(at, &s, 4);
                break;
            }
            case AV_SAMPLE_FMT_FLT: {
                const auto s = float(v);
                std::memcpy(at, &s, 4);
                break;
            }
            default:
                std::memcpy(at, &v, 8);
                break;
            }
        }
    }
    return frame;
}

CodecContextPtr Context(AVSampleFormat format, int rate, int channels) {
    CodecContextPtr context(avcodec_alloc_context3(nullptr));
    context->sample_fmt = format;
    context->sample_rate = rate;
    av_channel_layout_default(&context->ch_layout, channels);
    return context;
}

// Opens the named encoder with the format, rate and layout fitted to what it takes; null when
// this FFmpeg lacks it.
CodecContextPtr OpenEncoder(const char* name, int rate, int channels, std::int64_t bitRate) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (!codec) return nullptr;
    CodecContextPtr enc = Context(AV_SAMPLE_FMT_S16, rate, channels);
    ChooseSampleFormat(*enc, codec);
    ChooseSampleRate(*enc, codec, nullptr);
    ChooseChannelLayout(*enc, codec);
    enc->time_base = AVRational{ 1, enc->sample_rate };
    enc->bit_rate = bitRate;
    EXPECT_EQ(avcodec_open2(enc.get(), codec, nullptr), 0) << name;
    return enc;
}

struct Decoded {
    int Rate{ 0 };
    int Channels{ 0 };
    std::vector<std::vector<double>> Samples; // per channel
};

// Decodes the packets back to doubles per channel.
Decoded Decode(const AVCodecContext& enc, const std::vector<PacketPtr>& packets) {
    Decoded out;
    const AVCodec* codec = avcodec_find_decoder(enc.codec_id);
    CodecContextPtr dec(avcodec_alloc_context3(codec));
    AVCodecParameters* par = avcodec_parameters_alloc();
    avcodec_parameters_from_context(par, &enc);
    avcodec_parameters_to_context(dec.get(), par);
    avcodec_parameters_free(&par);
    EXPECT_EQ(avcodec_open2(dec.get(), codec, nullptr), 0);
    FramePtr frame(av_frame_alloc());
    auto receive = [&] {
        while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
            out.Rate = frame->sample_rate;
            out.Channels = frame->ch_layout.nb_channels;
            out.Samples.resize(out.Channels);
            const auto format = AVSampleFormat(frame->format);
            for (int c = 0; c < out.Channels; ++c)
                for (int i = 0; i < frame->nb_samples; ++i) {
                    const bool planar = av_sample_fmt_is_planar(format);
                    const int bytes = av_get_bytes_per_sample(format);
                    const std::uint8_t* at =
                        planar ? frame->extended_data[c] + i * bytes
                               : frame->extended_data[0] + (i * out.Channels + c) * bytes;
                    double v = 0;
                    switch (av_get_packed_sample_fmt(format)) {
                    case AV_SAMPLE_FMT_S16: {
                        std::int16_t s;
                        std::memcpy(&s, at, 2);
                        v = s / 32768.0;
                        break;
                    }
                    case AV_SAMPLE_FMT_S32: {
                        std::int32_t s;
                        std::memcpy(&s, at, 4);
                        v = s / 2147483648.0;
                        break;
                    }
                    case AV_SAMPLE_FMT_FLT: {
                        float s;
                        std::memcpy(&s, at, 4);
                        v = s;
                        break;
                    }
                    case AV_SAMPLE_FMT_DBL:
                        std::memcpy(&v, at, 8);
                        break;
                    default:
                        ADD_FAILURE() << "decoder format " << format;
                    }
                    out.Samples[c].push_back(v);
                }
        }
    };
    for (const auto& packet : packets) {
        EXPECT_GE(avcodec_send_packet(dec.get(), packet.get()), 0);
        receive();
    }
    avcodec_send_packet(dec.get(), nullptr);
    receive();
    return out;
}

// Frequency from the rising zero crossings and RMS level of samples [from, to).
struct Measure {
    double Frequency{ 0 };
    double Level{ 0 };
};
Measure Analyse(const std::vector<double>& s, int rate, std::size_t from, std::size_t to) {
    Measure m;
    to = std::min(to, s.size());
    if (to <= from + 2) return m;
    double sum = 0;
    std::size_t firstCross = 0, lastCross = 0;
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        sum += s[i] * s[i];
        if (s[i - 1] < 0 && s[i] >= 0) {
            if (crossings == 0) firstCross = i;
            lastCross = i;
            ++crossings;
        }
    }
    m.Level = std::sqrt(sum / double(to - from - 1));
    if (crossings > 1)
        m.Frequency = (crossings - 1) * double(rate) / double(lastCross - firstCross);
    return m;
}

class AudioOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(TLibraries{ avCodec, avUtil, swResample }))
            << TFFmpegLoader::LastErrMsg();
    }
    void TearDown() override {
        Packets.clear(); // their owner frees through the bound entry points
        GlobalLoader().Unload(TLibraries{ avCodec, avUtil, swResample });
    }

    TAudioOutput::TPacketEvent Collect() {
        return [this](AVPacket& packet) {
            PacketPtr copy(av_packet_alloc());
            av_packet_move_ref(copy.get(), &packet);
            Packets.push_back(std::move(copy));
        };
    }
    // Feeds seconds of tone in frames of frameSamples, the input clock following the samples.
    void Feed(TAudioOutput& out, const AVCodecContext& dec, double seconds, int frameSamples,
              double amplitude, std::int64_t firstPts = 0) {
        const auto total = std::int64_t(seconds * dec.sample_rate);
        for (std::int64_t at = 0; at < total; at += frameSamples) {
            const int n = int(std::min<std::int64_t>(frameSamples, total - at));
            FramePtr frame =
                Tone(dec.sample_fmt, dec.sample_rate, dec.ch_layout.nb_channels, n, at, amplitude);
            out.Write(*frame, firstPts + at * 1000000 / dec.sample_rate, IsStart);
        }
    }
    std::int64_t TotalDuration() const {
        std::int64_t total = 0;
        for (const auto& p : Packets)
            total += p->duration;
        return total;
    }

    std::vector<PacketPtr> Packets;
    int IsStart{ 1 };
};

struct EncodeCase {
    const char* Encoder;
    int EncRate, EncChannels;
    std::int64_t BitRate;
    AVSampleFormat DecFormat;
    int DecRate, DecChannels;
};

// Every encoder the outputs use, fed from the formats decoders give: the packets last as long as
// the input, and decode back to the tone's pitch and level on every channel.
TEST_F(AudioOutputTest, EncodesTheToneThroughEveryEncoder) {
    const EncodeCase cases[] = {
        { "mp2", 44100, 2, 192000, AV_SAMPLE_FMT_FLTP, 48000, 2 },
        { "libmp3lame", 44100, 2, 128000, AV_SAMPLE_FMT_FLTP, 44100, 2 },
        { "aac", 44100, 2, 128000, AV_SAMPLE_FMT_S16, 22050, 1 },
        { "ac3", 48000, 2, 192000, AV_SAMPLE_FMT_FLTP, 48000, 6 },
        { "wmav2", 44100, 2, 128000, AV_SAMPLE_FMT_S32, 32000, 2 },
        { "pcm_s16le", 44100, 2, 0, AV_SAMPLE_FMT_DBL, 44100, 2 },
        { "flac", 48000, 1, 0, AV_SAMPLE_FMT_S16P, 44100, 2 },
        { "libvorbis", 44100, 2, 128000, AV_SAMPLE_FMT_U8, 11025, 1 },
        { "libopencore_amrnb", 8000, 1, 12200, AV_SAMPLE_FMT_FLTP, 44100, 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Encoder);
        Packets.clear();
        IsStart = 1;
        CodecContextPtr enc = OpenEncoder(c.Encoder, c.EncRate, c.EncChannels, c.BitRate);
        if (!enc) {
            ADD_FAILURE() << "encoder missing";
            continue;
        }
        CodecContextPtr dec = Context(c.DecFormat, c.DecRate, c.DecChannels);
        TAudioOutput out(TAudioOutputSettings{}, *dec, *enc, Collect());
        Feed(out, *dec, 1.0, 1000, 0.5);
        out.Flush();

        const std::int64_t expected = enc->sample_rate; // one second
        const int frame = std::max(enc->frame_size, 1);
        EXPECT_NEAR(double(TotalDuration()), double(expected + enc->initial_padding), frame + 0.0)
            << "packets " << Packets.size();
        Decoded back = Decode(*enc, Packets);
        ASSERT_EQ(back.Rate, enc->sample_rate);
        ASSERT_EQ(back.Channels, enc->ch_layout.nb_channels);
        for (int ch = 0; ch < back.Channels; ++ch) {
            const auto& s = back.Samples[ch];
            const Measure m = Analyse(s, back.Rate, s.size() / 4, s.size() * 3 / 4);
            EXPECT_NEAR(m.Frequency, kTone, kTone * 0.02) << "channel " << ch;
            // A mono source spread over more channels, or more channels folded into fewer,
            // changes the level by the mix; only its presence is checked then.
            if (c.DecChannels == back.Channels)
                EXPECT_NEAR(m.Level, 0.5 / std::sqrt(2.0), 0.1) << "channel " << ch;
            else
                EXPECT_GT(m.Level, 0.1) << "channel " << ch;
        }
    }
}

TEST_F(AudioOutputTest, VolumeScalesTheEncodedLevel) {
    struct Case {
        const char* Encoder;
        int Volume;
        double Level;
    };
    const Case cases[] = {
        { "pcm_s16le", 512, 0.5 },
        { "pcm_s16le", 128, 0.125 },
        { "aac", 512, 0.5 },
        { "mp2", 256, 0.25 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Encoder) + " " + std::to_string(c.Volume));
        Packets.clear();
        CodecContextPtr enc = OpenEncoder(c.Encoder, 44100, 2, 192000);
        ASSERT_TRUE(enc);
        CodecContextPtr dec = Context(AV_SAMPLE_FMT_FLTP, 44100, 2);
        TAudioOutputSettings settings;
        settings.Volume = c.Volume;
        TAudioOutput out(settings, *dec, *enc, Collect());
        Feed(out, *dec, 0.5, 1152, 0.25);
        out.Flush();
        Decoded back = Decode(*enc, Packets);
        ASSERT_EQ(back.Channels, 2);
        const auto& s = back.Samples[1];
        EXPECT_NEAR(Analyse(s, 44100, s.size() / 4, s.size() * 3 / 4).Level,
                    c.Level / std::sqrt(2.0), c.Level * 0.05);
    }
}

// The last samples reach the encoder: as a short frame where it takes one, else padded with
// silence to a whole frame.
TEST_F(AudioOutputTest, FlushEncodesTheRestOfTheFifo) {
    struct Case {
        const char* Encoder;
        std::int64_t Samples; // at 44100 Hz; 0 = the input's count padded to whole frames
    };
    const Case cases[] = { { "flac", 44100 + 123 }, { "pcm_s16le", 44100 + 123 }, { "mp2", 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Encoder);
        Packets.clear();
        CodecContextPtr enc = OpenEncoder(c.Encoder, 44100, 2, 192000);
        ASSERT_TRUE(enc);
        CodecContextPtr dec = Context(AV_SAMPLE_FMT_S16, 44100, 2);
        TAudioOutput out(TAudioOutputSettings{}, *dec, *enc, Collect());
        FramePtr frame = Tone(AV_SAMPLE_FMT_S16, 44100, 2, 44100 + 123, 0, 0.5);
        out.Write(*frame, 0, IsStart);
        out.Flush();
        out.Flush(); // a second flush adds nothing
        const std::int64_t frameSize = enc->frame_size > 1 ? enc->frame_size : 1;
        const std::int64_t expected =
            c.Samples ? c.Samples : (44100 + 123 + frameSize - 1) / frameSize * frameSize;
        EXPECT_EQ(out.SyncOpts(), expected);
        EXPECT_EQ(TotalDuration(), expected);
        EXPECT_EQ(out.Buffered(), 0);
    }
}

// The output clock against the input clock, on PCM so that every sample counts.
TEST_F(AudioOutputTest, KeepsTheOutputInStepWithTheInputClock) {
    struct Case {
        const char* Name;
        int SyncMethod;
        int IsStartBefore;
        std::int64_t FirstPts; // microseconds of the first frame
        double Seconds;        // of input
        std::int64_t SyncOpts; // output samples afterwards
        int IsStartAfter;
        std::int64_t FirstPacketPts;
    };
    const Case cases[] = {
        { "late data is preceded by silence", 1, 1, 2000000, 1.0, 3 * 44100, 0, 0 },
        { "early data is dropped", 1, 1, -1000000, 1.5, 44100 / 2, 0, 0 },
        { "all of an early call is dropped", 1, 1, -1000000, 0.5, 0, 1, AV_NOPTS_VALUE },
        { "a small offset at the start is filled", 1, 1, 50000, 1.0, 44100 + 2205, 0, 0 },
        { "a small offset later is left alone", 1, 0, 50000, 1.0, 44100, 0, 0 },
        { "a large offset later is filled", 1, 0, 200000, 1.0, 44100 + 8820, 0, 0 },
        { "method 0 follows the input clock", 0, 1, 2000000, 1.0, 3 * 44100, 1, 2 * 44100 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Packets.clear();
        IsStart = c.IsStartBefore;
        CodecContextPtr enc = OpenEncoder("pcm_s16le", 44100, 1, 0);
        CodecContextPtr dec = Context(AV_SAMPLE_FMT_FLTP, 44100, 1);
        TAudioOutputSettings settings;
        settings.SyncMethod = c.SyncMethod;
        TAudioOutput out(settings, *dec, *enc, Collect());
        const auto samples = int(c.Seconds * 44100);
        FramePtr frame = Tone(AV_SAMPLE_FMT_FLTP, 44100, 1, samples, 0, 0.5);
        out.Write(*frame, c.FirstPts, IsStart);
        out.Flush();
        EXPECT_EQ(out.SyncOpts(), c.SyncOpts);
        EXPECT_EQ(IsStart, c.IsStartAfter);
        EXPECT_EQ(Packets.empty() ? AV_NOPTS_VALUE : Packets.front()->pts, c.FirstPacketPts);
        if (c.SyncMethod == 1 && c.FirstPts == 2000000) {
            Decoded back = Decode(*enc, Packets);
            const auto& s = back.Samples[0];
            ASSERT_EQ(s.size(), std::size_t(3 * 44100));
            EXPECT_LT(Analyse(s, 44100, 0, 2 * 44100 - 100).Level, 1e-3);
            EXPECT_NEAR(Analyse(s, 44100, 2 * 44100 + 100, s.size()).Level, 0.5 / std::sqrt(2.0),
                        0.02);
        }
    }
}

TEST_F(AudioOutputTest, StretchesWithinTheSyncMethodsBound) {
    TLogCapture log;
    CodecContextPtr enc = OpenEncoder("pcm_s16le", 44100, 1, 0);
    CodecContextPtr dec = Context(AV_SAMPLE_FMT_S16, 44100, 1);
    TAudioOutputSettings settings;
    settings.SyncMethod = 100;
    settings.Verbose = 3;
    TAudioOutput out(settings, *dec, *enc, Collect());
    IsStart = 0;
    // The input clock runs 300 samples ahead of what was written: inside the threshold.
    FramePtr frame = Tone(AV_SAMPLE_FMT_S16, 44100, 1, 44100, 0, 0.5);
    out.Write(*frame, 300 * 1000000 / 44100 + 1, IsStart);
    out.Flush();
    const auto& lines = log.Lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("compensating audio timestamp drift:300.") &&
               line.ends_with(" compensation:100 in:44100");
    }));
    // The stretch adds the compensation over one second of output.
    EXPECT_NEAR(double(out.SyncOpts()), 44100 + 100, 20);
}

TEST_F(AudioOutputTest, FollowsADecoderThatChangesItsOutputMidStream) {
    CodecContextPtr enc = OpenEncoder("pcm_s16le", 44100, 2, 0);
    CodecContextPtr dec = Context(AV_SAMPLE_FMT_S16, 44100, 2);
    TAudioOutput out(TAudioOutputSettings{}, *dec, *enc, Collect());
    FramePtr first = Tone(AV_SAMPLE_FMT_S16, 44100, 2, 22050, 0, 0.5);
    FramePtr second = Tone(AV_SAMPLE_FMT_FLTP, 48000, 1, 24000, 24000, 0.5);
    out.Write(*first, 0, IsStart);
    out.Write(*second, 500000, IsStart);
    out.Flush();
    Decoded back = Decode(*enc, Packets);
    ASSERT_EQ(back.Channels, 2);
    const auto& s = back.Samples[0];
    EXPECT_NEAR(double(s.size()), 44100, 64);
    EXPECT_NEAR(Analyse(s, 44100, 25000, s.size()).Frequency, kTone, kTone * 0.02);
}

TEST_F(AudioOutputTest, RefusesInputItCannotConvert) {
    struct Case {
        int Rate;
        const char* Message;
    };
    const Case cases[] = {
        { 44100, "Cannot convert none sample format to s16 sample format" },
        { 48000, "Can not resample 2 channels @ 48000 Hz to 2 channels @ 44100 Hz" },
    };
    for (const auto& c : cases) {
        CodecContextPtr enc = OpenEncoder("pcm_s16le", 44100, 2, 0);
        CodecContextPtr dec = Context(AV_SAMPLE_FMT_NONE, c.Rate, 2);
        TAudioOutput out(TAudioOutputSettings{}, *dec, *enc, Collect());
        FramePtr frame = Tone(AV_SAMPLE_FMT_S16, c.Rate, 2, 100, 0, 0.5);
        frame->format = AV_SAMPLE_FMT_NONE;
        try {
            out.Write(*frame, 0, IsStart);
            ADD_FAILURE() << "no exception";
        } catch (const FFmpegException& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(AudioVolumeTest, ScalesEachFormatInItsOwnRange) {
    struct Case {
        AVSampleFormat Format;
        int Volume;
        double In, Out;
    };
    const Case cases[] = {
        { AV_SAMPLE_FMT_S16, 512, 1000, 2000 },      { AV_SAMPLE_FMT_S16, 512, 20000, 32767 },
        { AV_SAMPLE_FMT_S16P, 512, -20000, -32768 }, { AV_SAMPLE_FMT_S16, 128, 1, 1 },
        { AV_SAMPLE_FMT_S16, 128, -3, -1 },          { AV_SAMPLE_FMT_S32P, 768, 1e9, 2147483647 },
        { AV_SAMPLE_FMT_U8, 512, 138, 148 },         { AV_SAMPLE_FMT_U8P, 1024, 10, 0 },
        { AV_SAMPLE_FMT_FLTP, 512, 0.25, 0.5 },      { AV_SAMPLE_FMT_FLT, 512, -0.75, -1.0 },
        { AV_SAMPLE_FMT_DBLP, 128, 0.5, 0.25 },      { AV_SAMPLE_FMT_DBL, 256, 3.0, 3.0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(av_get_sample_fmt_name(c.Format)) + " " + std::to_string(c.In));
        // Two channels, two samples each, all holding the same value.
        std::uint8_t store[2][64] = {};
        std::uint8_t* planes[2] = { store[0], store[1] };
        const int bytes = av_get_bytes_per_sample(c.Format);
        auto put = [&](std::uint8_t* at, double v) {
            switch (av_get_packed_sample_fmt(c.Format)) {
            case AV_SAMPLE_FMT_U8:
                *at = std::uint8_t(v);
                break;
            case AV_SAMPLE_FMT_S16: {
                const auto s = std::int16_t(v);
                std::memcpy(at, &s, 2);
                break;
            }
            case AV_SAMPLE_FMT_S32: {
                const auto s = std::int32_t(v);
                std::memcpy(at, &s, 4);
                break;
            }
            case AV_SAMPLE_FMT_FLT: {
                const auto s = float(v);
                std::memcpy(at, &s, 4);
                break;
            }
            default:
                std::memcpy(at, &v, 8);
            }
        };
        auto get = [&](const std::uint8_t* at) {
            switch (av_get_packed_sample_fmt(c.Format)) {
            case AV_SAMPLE_FMT_U8:
                return double(*at);
            case AV_SAMPLE_FMT_S16: {
                std::int16_t s;
                std::memcpy(&s, at, 2);
                return double(s);
            }
            case AV_SAMPLE_FMT_S32: {
                std::int32_t s;
                std::memcpy(&s, at, 4);
                return double(s);
            }
            case AV_SAMPLE_FMT_FLT: {
                float s;
                std::memcpy(&s, at, 4);
                return double(s);
            }
            default: {
                double s;
                std::memcpy(&s, at, 8);
                return s;
            }
            }
        };
        const bool planar = av_sample_fmt_is_planar(c.Format);
        const int perPlane = planar ? 2 : 4;
        for (int p = 0; p < (planar ? 2 : 1); ++p)
            for (int i = 0; i < perPlane; ++i)
                put(planes[p] + i * bytes, c.In);
        ApplyAudioVolume(planes, c.Format, 2, 2, c.Volume);
        for (int p = 0; p < (planar ? 2 : 1); ++p)
            for (int i = 0; i < perPlane; ++i)
                EXPECT_DOUBLE_EQ(get(planes[p] + i * bytes), c.Out) << p << "/" << i;
        EXPECT_EQ(get(store[0] + perPlane * bytes), 0.0) << "beyond the samples";
    }
}

class FormatChoiceTest : public AudioOutputTest {};

TEST_F(FormatChoiceTest, SampleRateIsTheNearestListedOne) {
    static const int rates[] = { 44100, 48000, 0 };
    AVCodec codec{};
    codec.supported_samplerates = rates;
    struct Case {
        int Requested, Chosen;
        bool Warned;
    };
    const Case cases[] = {
        { 46050, 44100, true },
        { 46051, 48000, true },
        { 48000, 48000, false },
        { 8000, 44100, true },
    };
    for (const auto& c : cases) {
        TLogCapture log;
        CodecContextPtr context = Context(AV_SAMPLE_FMT_S16, c.Requested, 2);
        ChooseSampleRate(*context, &codec, nullptr);
        EXPECT_EQ(context->sample_rate, c.Chosen) << c.Requested;
        EXPECT_EQ(log.Has(Format("Requested sampling rate unsupported using closest supported "
                                 "(%d)",
                                 c.Chosen)),
                  c.Warned)
            << c.Requested;
    }
}

TEST_F(FormatChoiceTest, SampleFormatAndLayoutFitTheEncodersLists) {
    static const AVSampleFormat formats[] = { AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_FLTP,
                                              AV_SAMPLE_FMT_NONE };
    AVChannelLayout layouts[3] = {}; // mono, stereo, end
    av_channel_layout_default(&layouts[0], 1);
    av_channel_layout_default(&layouts[1], 2);
    AVCodec codec{};
    codec.sample_fmts = formats;
    codec.ch_layouts = layouts;
    struct Case {
        AVSampleFormat Format, ChosenFormat;
        int Channels, ChosenChannels;
        bool DefaultOrder; // an unset layout of that many channels
    };
    const Case cases[] = {
        { AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_FLTP, 2, 2, false },
        { AV_SAMPLE_FMT_S32, AV_SAMPLE_FMT_S16, 6, 2, false },
        { AV_SAMPLE_FMT_DBL, AV_SAMPLE_FMT_S16, 1, 1, true },
    };
    for (const auto& c : cases) {
        CodecContextPtr context = Context(c.Format, 44100, c.Channels);
        if (c.DefaultOrder) {
            av_channel_layout_uninit(&context->ch_layout);
            context->ch_layout.order = AV_CHANNEL_ORDER_UNSPEC;
            context->ch_layout.nb_channels = c.Channels;
        }
        ChooseSampleFormat(*context, &codec);
        ChooseChannelLayout(*context, &codec);
        EXPECT_EQ(context->sample_fmt, c.ChosenFormat);
        LayoutOwner chosen(c.ChosenChannels);
        EXPECT_EQ(av_channel_layout_compare(&context->ch_layout, &chosen.Layout), 0) << c.Channels;
    }
    CodecContextPtr context = Context(AV_SAMPLE_FMT_FLT, 44100, 2);
    ChooseSampleFormat(*context, nullptr);
    EXPECT_EQ(context->sample_fmt, AV_SAMPLE_FMT_FLT);
}

} // namespace
