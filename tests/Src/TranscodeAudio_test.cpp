#include "Src/FFmpegTasks/TFFmpeg.h"

#include "OptionTestDispatcher.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/AvHandles.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaCheck.h"
#include "tests/fixtures/TestPattern.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

namespace {

std::string Lines(const TLogCapture& log) {
    std::string text;
    for (const std::string& line : log.Lines())
        text += "\n" + line;
    return text;
}

// Frequency (from rising zero crossings) and RMS level of each channel of a file's first audio
// stream, over the window in seconds, or else over its middle half.
struct ChannelTone {
    double Frequency{ 0 };
    double Level{ 0 };
};

std::vector<ChannelTone> MeasureTone(const std::string& fileName, double fromSeconds = -1,
                                     double toSeconds = -1) {
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, fileName.c_str(), nullptr, nullptr) < 0) return {};
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(
        format, [](AVFormatContext* f) { avformat_close_input(&f); });
    avformat_find_stream_info(format, nullptr);
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index < 0) return {};
    fixtures::CodecContextPtr dec(avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(dec.get(), format->streams[index]->codecpar);
    if (avcodec_open2(dec.get(), codec, nullptr) < 0) return {};
    const int channels = dec->ch_layout.nb_channels;
    const int rate = dec->sample_rate;
    std::vector<std::vector<double>> samples(channels);
    fixtures::FramePtr frame(av_frame_alloc());
    fixtures::PacketPtr packet(av_packet_alloc());
    auto receive = [&] {
        while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
            // Every decoder output to doubles, one plane per channel.
            fixtures::SwrPtr swr;
            SwrContext* raw = nullptr;
            swr_alloc_set_opts2(&raw, &frame->ch_layout, AV_SAMPLE_FMT_DBLP, frame->sample_rate,
                                &frame->ch_layout, AVSampleFormat(frame->format),
                                frame->sample_rate, 0, nullptr);
            swr.reset(raw);
            swr_init(raw);
            std::vector<std::vector<double>> out(channels, std::vector<double>(frame->nb_samples));
            std::vector<std::uint8_t*> planes;
            for (auto& plane : out)
                planes.push_back(reinterpret_cast<std::uint8_t*>(plane.data()));
            const int got = swr_convert(raw, planes.data(), frame->nb_samples,
                                        const_cast<const std::uint8_t**>(frame->extended_data),
                                        frame->nb_samples);
            for (int c = 0; c < channels; ++c)
                samples[c].insert(samples[c].end(), out[c].begin(), out[c].begin() + got);
        }
    };
    while (av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(dec.get(), packet.get()) >= 0)
            receive();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(dec.get(), nullptr);
    receive();

    std::vector<ChannelTone> tones;
    for (const auto& s : samples) {
        ChannelTone tone;
        std::size_t from = s.size() / 4, to = s.size() * 3 / 4;
        if (fromSeconds >= 0) {
            from = std::min(s.size(), std::size_t(fromSeconds * rate));
            to = std::min(s.size(), std::size_t(toSeconds * rate));
        }
        double sum = 0;
        std::size_t firstCross = 0, lastCross = 0;
        int crossings = 0;
        for (std::size_t i = from + 1; i < to; ++i) {
            sum += s[i] * s[i];
            if (s[i - 1] < 0 && s[i] >= 0) {
                if (crossings++ == 0) firstCross = i;
                lastCross = i;
            }
        }
        if (to > from + 1) tone.Level = std::sqrt(sum / double(to - from - 1));
        if (crossings > 1)
            tone.Frequency = (crossings - 1) * double(rate) / (lastCross - firstCross);
        tones.push_back(tone);
    }
    return tones;
}

class TranscodeAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
        FFolder = CreateTempFolder("transcode-audio");
        ASSERT_FALSE(FFolder.empty());
    }
    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    // Converts inline with the options ("name=value" lines separated by ";") given after the
    // input is open, as the task component gives them.
    void Convert(const std::string& input, const std::string& output, const std::string& options) {
        TLogCapture log;
        auto task = std::make_unique<TFFmpeg>(8);
        task->Reset();
        ASSERT_TRUE(task->OpenInputFile(input)) << task->LastErrMsg();
        std::size_t start = 0;
        while (start < options.size()) {
            std::size_t end = options.find(';', start);
            if (end == std::string::npos) end = options.size();
            const std::string line = options.substr(start, end - start);
            start = end + 1;
            const auto equals = line.find('=');
            task->ParseOption(line.substr(0, equals),
                              equals == std::string::npos ? "" : line.substr(equals + 1));
        }
        ASSERT_GT(task->OpenOutputFile(output, false), 0) << task->LastErrMsg();
        ASSERT_TRUE(task->StartConvert(false));
        ASSERT_FALSE(task->FatalException()) << task->FatalMessage() << Lines(log);
        EXPECT_TRUE(task->Finished());
    }

    std::string FFolder;
};

// The audio-only outputs, each from a fixture of two seconds of tone (with video or without),
// probed and decoded to the end: codec, rate, channels and length, and the tone's pitch on the
// first channel.
TEST_F(TranscodeAudioTest, EveryAudioOutputConvertsAndPlaysToTheEnd) {
    const auto& fixtures = fixtures::Standard();
    struct Case {
        const char* Output;
        const std::string* Input;
        const char* Options;
        AVCodecID Codec;
        int Rate, Channels;
    };
    const Case cases[] = {
        { "tone.mp3", &fixtures.Wav, "vn=1;acodec=libmp3lame;ab=128k", AV_CODEC_ID_MP3, 44100, 2 },
        { "tone.aac", &fixtures.Mp3, "vn=1;acodec=aac;ab=128k", AV_CODEC_ID_AAC, 44100, 2 },
        { "tone.ac3", &fixtures.Vob, "vn=1;acodec=ac3;ab=192k", AV_CODEC_ID_AC3, 48000, 2 },
        { "tone.wma", &fixtures.Mp4, "vn=1;acodec=wmav2;ab=128k", AV_CODEC_ID_WMAV2, 44100, 2 },
        { "tone.wav", &fixtures.Mkv, "vn=1;acodec=pcm_s16le", AV_CODEC_ID_PCM_S16LE, 48000, 2 },
        { "tone.flac", &fixtures.Avi, "vn=1;acodec=flac", AV_CODEC_ID_FLAC, 44100, 2 },
        { "tone.ogg", &fixtures.Mp3, "vn=1;acodec=libvorbis;ab=128k", AV_CODEC_ID_VORBIS, 44100,
          2 },
        { "tone.amr", &fixtures.Wav, "vn=1;acodec=libopencore_amrnb;ar=8000;ac=1;ab=12.2k",
          AV_CODEC_ID_AMR_NB, 8000, 1 },
        { "mono22k.mp3", &fixtures.Vob, "vn=1;acodec=libmp3lame;ar=22050;ac=1;ab=64k",
          AV_CODEC_ID_MP3, 22050, 1 },
        { "rate.wav", &fixtures.Wav, "vn=1;acodec=pcm_s16le;ar=32000", AV_CODEC_ID_PCM_S16LE, 32000,
          2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Output);
        const std::string output = FFolder + c.Output;
        Convert(*c.Input, output, c.Options);
        if (HasFatalFailure()) return;
        const fixtures::MediaCheck check = fixtures::CheckMedia(output);
        ASSERT_TRUE(check.Opened);
        EXPECT_EQ(check.ReadError, 0);
        ASSERT_EQ(check.Streams.size(), 1u);
        const fixtures::StreamCheck& audio = check.Streams[0];
        EXPECT_EQ(audio.Codec, c.Codec);
        EXPECT_EQ(audio.SampleRate, c.Rate);
        EXPECT_EQ(audio.Channels, c.Channels);
        EXPECT_EQ(audio.DecodeErrors, 0);
        // Two seconds, give or take the priming and padding of the input's and the output's
        // encoders.
        EXPECT_NEAR(double(audio.Decoded) / c.Rate, 2.0, 0.05) << audio.Decoded << " samples";
        const auto tones = MeasureTone(output);
        ASSERT_EQ(int(tones.size()), c.Channels);
        // A downmix adds the second channel's 880 Hz to the first's 440 Hz: only the
        // stereo outputs keep a clean tone to count.
        if (c.Channels == 2) {
            EXPECT_NEAR(tones[0].Frequency, fixtures::ToneFrequency(0), 5.0);
        }
        EXPECT_GT(tones[0].Level, 0.1);
    }
}

TEST_F(TranscodeAudioTest, VolumeScalesTheConvertedTone) {
    const auto& fixtures = fixtures::Standard();
    struct Case {
        const char* Volume;
        double Gain;
    };
    const Case cases[] = { { "256", 1.0 }, { "384", 1.5 }, { "128", 0.5 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Volume);
        const std::string output = FFolder + "vol" + c.Volume + ".wav";
        Convert(fixtures.Wav, output, std::string("vn=1;acodec=pcm_s16le;vol=") + c.Volume);
        if (HasFatalFailure()) return;
        const auto tones = MeasureTone(output);
        ASSERT_EQ(tones.size(), 2u);
        EXPECT_NEAR(tones[0].Level, fixtures::ToneAmplitude / std::sqrt(2.0) * c.Gain, 0.005);
        EXPECT_NEAR(tones[1].Frequency, fixtures::ToneFrequency(1), 5.0);
    }
}

// Joined inputs of different rates and formats feed one encoder one after the other.
TEST_F(TranscodeAudioTest, JoinedInputsFollowEachOtherInOneStream) {
    const auto& fixtures = fixtures::Standard();
    const std::string output = FFolder + "joined.mp3";
    TLogCapture log;
    auto task = std::make_unique<TFFmpeg>(8);
    task->Reset();
    ASSERT_TRUE(task->OpenInputFile(fixtures.Wav)) << task->LastErrMsg();
    ASSERT_TRUE(task->OpenInputFile(fixtures.Mkv)) << task->LastErrMsg();
    task->ParseOption("vn", "1");
    task->ParseOption("acodec", "libmp3lame");
    task->ParseOption("ar", "44100");
    ASSERT_GT(task->OpenOutputFile(output, true), 0) << task->LastErrMsg();
    ASSERT_TRUE(task->StartConvert(false));
    ASSERT_FALSE(task->FatalException()) << task->FatalMessage() << Lines(log);
    EXPECT_TRUE(task->Finished());

    const fixtures::MediaCheck check = fixtures::CheckMedia(output);
    ASSERT_TRUE(check.Opened);
    ASSERT_EQ(check.Streams.size(), 1u);
    EXPECT_EQ(check.Streams[0].DecodeErrors, 0);
    EXPECT_NEAR(double(check.Streams[0].Decoded) / 44100, 4.0, 0.1);
    // Each input keeps its pitch; the seam itself holds the second input's decoder start.
    for (const double from : { 0.2, 2.2 }) {
        const auto tones = MeasureTone(output, from, from + 1.6);
        ASSERT_EQ(tones.size(), 2u);
        EXPECT_NEAR(tones[0].Frequency, fixtures::ToneFrequency(0), 1.0) << from;
        EXPECT_NEAR(tones[1].Frequency, fixtures::ToneFrequency(1), 1.0) << from;
    }
}

} // namespace
