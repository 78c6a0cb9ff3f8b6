#include "Src/AVFormatStubs.h"
#include "Src/FFPlay/VideoDecoder.h"
#include "Src/FFmpegLoader.h"
#include "Src/UnicodeProtocol.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/TestPattern.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <future>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

const char kFlushText[] = "FLUSH";
const TLibraries kLibraries{ avCodec, avFilter, avFormat, avUtil, swScale };

// Stands in for the event loop: slots are "allocated" at once, without an overlay.
class VideoOwner : public TPlaybackOwner {
public:
    // Needs the libraries loaded.
    void MakeFlushPacket() {
        FFlush.reset(av::av_packet_alloc());
        FFlush->data = reinterpret_cast<uint8_t*>(const_cast<char*>(kFlushText));
    }
    int FrameDrop() const override { return 1; }
    void DisplayVideo(TVideoState&) override {}
    void ReportPosition(TVideoState&) override { ++FEndReports; }
    const AVPacket* FlushPacket() const override { return FFlush.get(); }
    std::string VideoFilters() const override { return FFilters; }
    void RequestPictureAllocation(TVideoState& is) override {
        {
            std::lock_guard lock(is.pictq_mutex);
            is.pictq[is.pictq_windex].allocated = 1;
        }
        ++FAllocations;
        is.pictq_cond.notify_all();
    }
    void OpenedPaused(TVideoState&) override { FOpenedPaused.set_value(); }

    PacketPtr FFlush;
    std::string FFilters;
    std::atomic<int> FEndReports{ 0 };
    std::atomic<int> FAllocations{ 0 };
    std::promise<void> FOpenedPaused;
};

struct Picture {
    double pts;
    int width, height, format, code;
};

class VideoDecoderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(kLibraries)) << TFFmpegLoader::LastErrMsg();
        FOwner.MakeFlushPacket();
        FState = std::make_unique<TVideoState>();
        FState->Owner = &FOwner;
    }
    void TearDown() override {
        if (FThread.joinable()) {
            FState->videoq.Abort();
            FState->pictq_cond.notify_all();
            FThread.join();
        }
        FState.reset();
        FInput.reset();
        FOwner.FFlush.reset();
        GlobalLoader().Unload(kLibraries);
    }

    void Open(const std::string& path) {
        AVFormatContext* raw = nullptr;
        ASSERT_GE(AVOpenInput(&raw, FileNameToAV(path), nullptr, nullptr), 0) << path;
        FInput.reset(raw);
        ASSERT_GE(av::avformat_find_stream_info(raw, nullptr), 0);
        const int index = av::av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        ASSERT_GE(index, 0);
        AVStream* st = raw->streams[index];
        CodecContextPtr ctx(av::avcodec_alloc_context3(nullptr));
        ASSERT_GE(av::avcodec_parameters_to_context(ctx.get(), st->codecpar), 0);
        ctx->pkt_timebase = st->time_base;
        ASSERT_GE(av::avcodec_open2(ctx.get(), av::avcodec_find_decoder(ctx->codec_id), nullptr),
                  0);
        FIndex = index;
        FState->video_stream = index;
        FState->video_st = st;
        FState->video_ctx = std::move(ctx);
        FState->av_sync_type = AV_SYNC_VIDEO_MASTER;
    }

    // Queues the flush marker, every video packet and the empty end packet.
    void QueueAll() {
        ASSERT_EQ(FState->videoq.Put(FOwner.FFlush.get(), FOwner.FFlush.get()), 0);
        PacketPtr pkt(av::av_packet_alloc());
        while (av::av_read_frame(FInput.get(), pkt.get()) >= 0) {
            if (pkt->stream_index == FIndex) {
                ASSERT_EQ(FState->videoq.Put(pkt.get(), nullptr), 0);
            }
            av::av_packet_unref(pkt.get());
        }
        PacketPtr end(av::av_packet_alloc());
        ASSERT_EQ(FState->videoq.Put(end.get(), nullptr), 0);
    }

    void Start() {
        FThread = std::thread([this] { VideoThreadProc(*FState); });
    }

    // Takes the next queued picture as the event loop would; false when none comes in time.
    bool Take(Picture& out, std::chrono::seconds watchdog = 30s) {
        TVideoState& is = *FState;
        {
            std::unique_lock lock(is.pictq_mutex);
            if (!is.pictq_cond.wait_for(lock, watchdog, [&] { return is.pictq_size.load() > 0; }))
                return false;
        }
        const TVideoPicture& vp = is.pictq[is.pictq_rindex];
        const AVFrame* f = vp.picref.get();
        out = { vp.pts, f->width, f->height, f->format, -1 };
        out.code = fixtures::ReadFrameCode(f->width, f->height, [f](int x, int y) {
            const uint8_t luma = f->data[0][y * f->linesize[0] + x];
            return fixtures::Rgb{ luma, luma, luma };
        });
        is.pictq_rindex = (is.pictq_rindex + 1) % TVideoState::PictureQueueSize;
        {
            std::lock_guard lock(is.pictq_mutex);
            is.pictq_size.fetch_sub(1);
        }
        is.pictq_cond.notify_all();
        return true;
    }

    VideoOwner FOwner;
    std::unique_ptr<TVideoState> FState;
    InputContextPtr FInput;
    int FIndex{ -1 };
    std::thread FThread;
};

TEST(VideoFramePts, ChoiceFollowsTheReorderSetting) {
    AVFrame frame{};
    frame.pts = 40;
    frame.pkt_dts = 20;
    frame.best_effort_timestamp = 30;
    EXPECT_EQ(ChooseFramePts(frame, -1), 30);
    EXPECT_EQ(ChooseFramePts(frame, 0), 20);
    EXPECT_EQ(ChooseFramePts(frame, 1), 40);
}

TEST_F(VideoDecoderTest, EveryPictureArrivesInOrderAsPlanar420) {
    const auto& set = fixtures::Standard();
    for (const std::string& path : { set.Mp4, set.Vob, set.Avi }) {
        TearDown();
        SetUp();
        Open(path);
        QueueAll();
        Start();
        std::vector<Picture> pictures;
        Picture p{};
        while (pictures.size() < 50 && Take(p, 10s))
            pictures.push_back(p);
        ASSERT_EQ(pictures.size(), 50u) << path;
        for (size_t i = 0; i < pictures.size(); ++i) {
            EXPECT_EQ(pictures[i].format, AV_PIX_FMT_YUV420P) << path;
            EXPECT_EQ(pictures[i].width, 160) << path;
            EXPECT_EQ(pictures[i].height, 120) << path;
            EXPECT_EQ(pictures[i].code, static_cast<int>(i)) << path << " picture " << i;
            // Relative to the second picture: containers may start later than zero, and AVI
            // guesses the first stamp of B-frame video a frame early.
            if (i >= 1) {
                EXPECT_NEAR(pictures[i].pts - pictures[1].pts, (i - 1) * 0.04, 0.002)
                    << path << " picture " << i;
            } else {
                EXPECT_LT(pictures[0].pts, pictures[1].pts) << path;
            }
        }
        FState->videoq.Abort();
        // Taken and let go as the player does, so that the wake-up cannot fall between the
        // decoder's look at the abort flag and its wait.
        { std::lock_guard lock(FState->pictq_mutex); }
        FState->pictq_cond.notify_all();
        FThread.join();
        EXPECT_GE(FOwner.FEndReports.load(), 1) << path;
    }
}

TEST_F(VideoDecoderTest, UserFiltersRunBeforeTheFormatConversion) {
    FOwner.FFilters = "scale=80:60";
    Open(fixtures::Standard().Mp4);
    QueueAll();
    Start();
    Picture p{};
    ASSERT_TRUE(Take(p));
    EXPECT_EQ(p.width, 80);
    EXPECT_EQ(p.height, 60);
    EXPECT_EQ(p.format, AV_PIX_FMT_YUV420P);
}

TEST_F(VideoDecoderTest, AFilterChainThatCannotBeBuiltEndsTheThread) {
    FOwner.FFilters = "nosuchfilter";
    Open(fixtures::Standard().Mp4);
    QueueAll();
    auto done = std::async(std::launch::async, [this] { VideoThreadProc(*FState); });
    ASSERT_EQ(done.wait_for(30s), std::future_status::ready);
    EXPECT_EQ(FState->pictq_size.load(), 0);
}

TEST_F(VideoDecoderTest, AbortReleasesAThreadWaitingOnAFullQueue) {
    Open(fixtures::Standard().Mp4);
    QueueAll();
    Start();
    {
        std::unique_lock lock(FState->pictq_mutex);
        ASSERT_TRUE(FState->pictq_cond.wait_for(
            lock, 30s, [&] { return FState->pictq_size.load() == TVideoState::PictureQueueSize; }));
    }
    auto joined = std::async(std::launch::async, [this] {
        FState->videoq.Abort();
        // Taken and let go as the player does, so that the wake-up cannot fall between the
        // decoder's look at the abort flag and its wait.
        { std::lock_guard lock(FState->pictq_mutex); }
        FState->pictq_cond.notify_all();
        FThread.join();
    });
    EXPECT_EQ(joined.wait_for(30s), std::future_status::ready);
}

TEST_F(VideoDecoderTest, OpenedPausedShowsTwoPicturesThenReportsThePause) {
    Open(fixtures::Standard().Mp4);
    QueueAll();
    FState->paused = 1;
    FState->open_paused = 1;
    auto opened = FOwner.FOpenedPaused.get_future();
    Start();
    ASSERT_EQ(opened.wait_for(30s), std::future_status::ready);
    EXPECT_EQ(FState->pictq_size.load(), 2);
    EXPECT_EQ(FState->open_paused.load(), 0);
}

TEST_F(VideoDecoderTest, FlushMarkerResetsSkippingAndTargetTimes) {
    Open(fixtures::Standard().Mp4);
    FState->skip_frames = 3.5;
    FState->skip_frames_index = 2;
    FState->frame_last_delay = 0.5;
    FState->video_current_pos = 1234;
    ASSERT_EQ(FState->videoq.Put(FOwner.FFlush.get(), FOwner.FFlush.get()), 0);
    FramePtr frame(av::av_frame_alloc());
    EXPECT_EQ(GetVideoFrame(*FState, frame.get()), 0);
    EXPECT_EQ(FState->skip_frames.load(), 1);
    EXPECT_EQ(FState->skip_frames_index, 0);
    EXPECT_EQ(FState->frame_last_delay, 0);
    EXPECT_EQ(FState->video_current_pos.load(), -1);
    EXPECT_EQ(FState->seek_flushed.load(), 1);
    FState->videoq.Abort();
    EXPECT_EQ(GetVideoFrame(*FState, frame.get()), -1);
}

TEST_F(VideoDecoderTest, SkipFramesPassesOnlyEveryNthPicture) {
    Open(fixtures::Standard().Mp4);
    QueueAll();
    FState->skip_frames = 2;
    FramePtr frame(av::av_frame_alloc());
    int passed = 0;
    int decoded = 0;
    for (int guard = 0; guard < 1000 && decoded < 50; ++guard) {
        const double before = FState->skip_frames_index;
        const int got = GetVideoFrame(*FState, frame.get());
        ASSERT_GE(got, 0);
        if (got == 1 || FState->skip_frames_index != before) ++decoded;
        passed += got;
        av::av_frame_unref(frame.get());
        FState->skip_frames = 2; // the flush marker reset it
    }
    EXPECT_EQ(decoded, 50);
    EXPECT_EQ(passed, 25);
}

} // namespace
