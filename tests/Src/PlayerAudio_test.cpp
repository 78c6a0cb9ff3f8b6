#include "Src/FFPlay/AudioDecoder.h"
#include "Src/FFPlay/Clocks.h"
#include "Src/FFmpegLoader.h"
#include "Src/UnicodeProtocol.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kFlushText[] = "FLUSH";

class AudioOwner : public TPlaybackOwner {
public:
    AudioOwner() {
        FFlush.reset(av::av_packet_alloc());
        FFlush->data = reinterpret_cast<uint8_t*>(const_cast<char*>(kFlushText));
    }
    void RequestPictureAllocation(TVideoState&) override {}
    int FrameDrop() const override { return 1; }
    void DisplayVideo(TVideoState&) override {}
    void ReportPosition(TVideoState&) override {}
    const AVPacket* FlushPacket() const override { return FFlush.get(); }
    bool Mute() const override { return FMute; }
    int AudioVolume() const override { return FVolume; }
    void ReportError(const std::string& message) override { Errors.push_back(message); }

    PacketPtr FFlush;
    bool FMute{ false };
    int FVolume{ 128 };
    std::vector<std::string> Errors;
};

class PlayerAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(TLibraries{ avCodec, avFormat, avUtil, swResample }))
            << TFFmpegLoader::LastErrMsg();
        FOwner = std::make_unique<AudioOwner>();
        FState.Owner = FOwner.get();
    }
    void TearDown() override {
        FState.audio_ctx.reset();
        FState.swr_ctx.reset();
        FState.audio_pkt.reset();
        FState.audio_frame.reset();
        FState.audioq.Flush();
        FInput.reset();
        FOwner.reset();
        GlobalLoader().Unload(TLibraries{ avCodec, avFormat, avUtil, swResample });
    }

    // Opens the file's audio stream for output at rate and channels and queues all its packets,
    // with a flush marker first, as a fresh playback has.
    void OpenAndQueue(const std::string& path, int rate, int channels) {
        AVFormatContext* raw = nullptr;
        ASSERT_GE(AVOpenInput(&raw, FileNameToAV(path), nullptr, nullptr), 0) << path;
        FInput.reset(raw);
        ASSERT_GE(av::avformat_find_stream_info(raw, nullptr), 0);
        const int index = av::av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        ASSERT_GE(index, 0);
        AVStream* st = raw->streams[index];
        CodecContextPtr ctx(av::avcodec_alloc_context3(nullptr));
        ASSERT_GE(av::avcodec_parameters_to_context(ctx.get(), st->codecpar), 0);
        ctx->pkt_timebase = st->time_base;
        ASSERT_GE(av::avcodec_open2(ctx.get(), av::avcodec_find_decoder(ctx->codec_id), nullptr),
                  0);
        FState.audio_stream = index;
        FState.audio_st = st;
        FState.audio_ctx = std::move(ctx);
        FState.audio_sample_rate = rate;
        FState.audio_channels = channels;
        ResetAudioSync(FState, rate);
        ASSERT_EQ(FState.audioq.Put(FOwner->FFlush.get(), FOwner->FFlush.get()), 0);
        PacketPtr pkt(av::av_packet_alloc());
        while (av::av_read_frame(raw, pkt.get()) >= 0) {
            if (pkt->stream_index == index) {
                ASSERT_EQ(FState.audioq.Put(pkt.get(), nullptr), 0);
            }
            av::av_packet_unref(pkt.get());
        }
    }

    std::unique_ptr<AudioOwner> FOwner;
    InputContextPtr FInput;
    TVideoState FState;
};

TEST_F(PlayerAudioTest, DecodesWholeFilesToSigned16AtTheOutputFormat) {
    const auto& set = fixtures::Standard();
    struct Case {
        std::string path;
        int rate, channels;
    };
    const Case kCases[] = {
        { set.Wav, 44100, 2 }, // already 16-bit: only copied
        { set.Mp3, 44100, 2 }, // planar float converted
        { set.Mp3, 22050, 1 }, // resampled and down-mixed to what the output opened
    };
    for (const auto& c : kCases) {
        TearDown();
        SetUp();
        OpenAndQueue(c.path, c.rate, c.channels);
        long total = 0;
        double firstPts = -1;
        double pts = 0;
        int size;
        bool audible = false;
        while ((size = DecodeAudioFrame(FState, pts)) >= 0) {
            ASSERT_EQ(size % (2 * c.channels), 0);
            ASSERT_LE(static_cast<size_t>(size), FState.audio_buf.size());
            if (firstPts < 0) firstPts = pts;
            for (int i = 0; i + 1 < size && !audible; i += 2) {
                int16_t s;
                std::memcpy(&s, FState.audio_buf.data() + i, 2);
                audible = s > 1000 || s < -1000;
            }
            total += size;
        }
        const double seconds = static_cast<double>(total) / (c.rate * 2 * c.channels);
        EXPECT_NEAR(seconds, 2.0, 0.1) << c.path << " " << c.rate;
        EXPECT_NEAR(FState.audio_clock.load(), 2.0, 0.1) << c.path;
        EXPECT_LT(firstPts, 0.1) << c.path;
        EXPECT_TRUE(audible) << c.path;
        EXPECT_TRUE(FOwner->Errors.empty()) << c.path;
    }
}

TEST_F(PlayerAudioTest, PausedCallbackPlaysSilenceAndTheClockStandsStill) {
    OpenAndQueue(fixtures::Standard().Wav, 44100, 2);
    FState.paused = 1;
    std::vector<uint8_t> stream(4096, 0);
    AudioCallback(FState, stream.data(), static_cast<int>(stream.size()));
    EXPECT_EQ(std::count(stream.begin(), stream.end(), 0), 4096);
    EXPECT_EQ(FState.audio_clock.load(), 0);
    EXPECT_GT(FState.audioq.NbPackets(), 0);
}

TEST_F(PlayerAudioTest, MutedCallbackPlaysSilenceWhileTheClockAdvances) {
    OpenAndQueue(fixtures::Standard().Wav, 44100, 2);
    FOwner->FMute = true;
    std::vector<uint8_t> stream(44100 * 4 / 2, 0); // half a second
    AudioCallback(FState, stream.data(), static_cast<int>(stream.size()));
    EXPECT_EQ(std::count(stream.begin(), stream.end(), 0), static_cast<long>(stream.size()));
    EXPECT_GE(GetAudioClock(FState), 0.45);
    EXPECT_LE(GetAudioClock(FState), 0.55);

    FOwner->FMute = false;
    std::fill(stream.begin(), stream.end(), 0);
    AudioCallback(FState, stream.data(), static_cast<int>(stream.size()));
    EXPECT_LT(std::count(stream.begin(), stream.end(), 0), static_cast<long>(stream.size()) / 2);
    EXPECT_NEAR(GetAudioClock(FState), 1.0, 0.05);
}

TEST_F(PlayerAudioTest, AbortedQueueStopsFilling) {
    OpenAndQueue(fixtures::Standard().Wav, 44100, 2);
    FState.audioq.Abort();
    std::vector<uint8_t> stream(4096, 7);
    AudioCallback(FState, stream.data(), static_cast<int>(stream.size()));
    EXPECT_EQ(std::count(stream.begin(), stream.end(), 7), 4096);
}

struct SyncCase {
    const char* name;
    Tav_sync_type sync;
    int avgCount;
    double cum, diff;
    size_t capacity;
    int expected;
};

TEST(PlayerAudioSync, ShortensOrStretchesWithinBounds) {
    // 1000 stereo 16-bit sample frames at 44.1 kHz; threshold 2048/44100 s.
    constexpr int kSize = 4000;
    const SyncCase kCases[] = {
        { "audio is master", AV_SYNC_AUDIO_MASTER, 20, 1.0, 0.5, 8000, kSize },
        { "still averaging", AV_SYNC_VIDEO_MASTER, 3, 1.0, 0.5, 8000, kSize },
        { "average below threshold", AV_SYNC_VIDEO_MASTER, 20, 0, 0.001, 8000, kSize },
        { "slightly ahead", AV_SYNC_VIDEO_MASTER, 20, 1.0, 0.001, 8000, kSize + 44 * 4 },
        { "slightly behind", AV_SYNC_VIDEO_MASTER, 20, -1.0, -0.001, 8000, kSize - 44 * 4 },
        { "far ahead", AV_SYNC_VIDEO_MASTER, 20, 1.0, 0.5, 8000, 4400 },
        { "far behind", AV_SYNC_VIDEO_MASTER, 20, -1.0, -0.5, 8000, 3600 },
        { "ahead, small buffer", AV_SYNC_VIDEO_MASTER, 20, 1.0, 0.5, 4102, 4100 },
        { "clocks 10 s apart", AV_SYNC_VIDEO_MASTER, 20, 1.0, 10.0, 8000, kSize },
        { "external master", AV_SYNC_EXTERNAL_CLOCK, 20, -1.0, -0.5, 8000, 3600 },
    };
    for (const auto& c : kCases) {
        TVideoState is;
        is.Now = [] { return 100.0; };
        is.av_sync_type = c.sync;
        is.audio_stream = 1;
        is.video_stream = 0;
        is.audio_sample_rate = 44100;
        is.audio_channels = 2;
        ResetAudioSync(is, 44100);
        is.audio_diff_avg_count = c.avgCount;
        is.audio_diff_cum = c.cum;
        is.paused = 1; // the video clock stands at video_current_pts
        is.video_current_pts = 5.0;
        is.external_clock_time = 100000000;
        is.external_clock = 5.0;
        is.audio_clock = 5.0 + c.diff;
        is.audio_buf.assign(c.capacity, 0);
        for (int i = 0; i < kSize; ++i)
            is.audio_buf[i] = static_cast<uint8_t>(i / 4);
        const int size = SynchronizeAudio(is, kSize, 0);
        EXPECT_EQ(size, c.expected) << c.name;
        EXPECT_LE(static_cast<size_t>(size), is.audio_buf.size()) << c.name;
        for (int i = kSize; i < size; ++i) {
            ASSERT_EQ(is.audio_buf[i], is.audio_buf[kSize - 4 + (i % 4)]) << c.name << " " << i;
        }
        if (c.diff >= 10.0) {
            EXPECT_EQ(is.audio_diff_cum, 0) << c.name;
            EXPECT_EQ(is.audio_diff_avg_count, 0) << c.name;
        }
    }
}

TEST(PlayerAudioSync, AverageCoefficientIsTheNaturalExponential) {
    TVideoState is;
    ResetAudioSync(is, 48000);
    EXPECT_NEAR(is.audio_diff_avg_coef, 0.904837, 1e-6);
    EXPECT_NEAR(is.audio_diff_threshold, 2048.0 / 48000, 1e-12);
}

TEST(PlayerAudioDisplay, SampleRingWrapsAround) {
    TVideoState is;
    is.sample_array_index = TVideoState::SampleArraySize - 3;
    const int16_t samples[] = { 1, 2, 3, 4, 5 };
    UpdateSampleDisplay(is, reinterpret_cast<const uint8_t*>(samples), sizeof samples);
    EXPECT_EQ(is.sample_array[TVideoState::SampleArraySize - 3], 1);
    EXPECT_EQ(is.sample_array[TVideoState::SampleArraySize - 1], 3);
    EXPECT_EQ(is.sample_array[0], 4);
    EXPECT_EQ(is.sample_array[1], 5);
    EXPECT_EQ(is.sample_array_index, 2);
}

TEST(PlayerAudioMix, AddsAtVolumeAndClips) {
    struct Case {
        int16_t stream, source;
        int volume;
        int16_t expected;
    };
    const Case kCases[] = {
        { 0, 1000, 128, 1000 },       { 100, 1000, 64, 600 },          { 5, 1000, 0, 5 },
        { 30000, 10000, 128, 32767 }, { -30000, -10000, 128, -32768 }, { 0, 1000, 500, 1000 },
    };
    for (const auto& c : kCases) {
        int16_t stream = c.stream;
        MixAudioS16(reinterpret_cast<uint8_t*>(&stream),
                    reinterpret_cast<const uint8_t*>(&c.source), 2, c.volume);
        EXPECT_EQ(stream, c.expected) << c.stream << "+" << c.source << "@" << c.volume;
    }
}

} // namespace
