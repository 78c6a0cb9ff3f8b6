#pragma once
#include "Src/FFPlay/PacketQueue.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

struct SDL_Overlay;

enum Tav_sync_type { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };

// One slot of the picture queue.
struct TVideoPicture {
    double pts{ 0 };
    double target_clock{ 0 }; // wall-clock seconds at which to show it
    int64_t pos{ -1 };
    SDL_Overlay* bmp{ nullptr };
    int width{ 0 };
    int height{ 0 };
    int allocated{ 0 };
    int pix_fmt{ 0 };
};

// One slot of the subpicture queue.
struct TSubPicture {
    double pts{ 0 };
    AVSubtitle sub{};
};

class TVideoState;

// What a playback asks of the component that owns it.
class TPlaybackOwner {
public:
    virtual ~TPlaybackOwner() = default;
    virtual int FrameDrop() const = 0;
    virtual void DisplayVideo(TVideoState& is) = 0;
    virtual void ReportPosition(TVideoState& is) = 0;
};

// One playback: the queues between the read thread, the decoders and the event loop, and the
// clocks they keep. Everything more than one thread touches is atomic or guarded by its queue's
// mutex.
class TVideoState {
public:
    static constexpr int PictureQueueSize = 2;
    static constexpr int SubpictureQueueSize = 4;

    TVideoState() = default;
    ~TVideoState();
    TVideoState(const TVideoState&) = delete;
    TVideoState& operator=(const TVideoState&) = delete;

    // Wall-clock seconds; tests replace it to drive the refresh step through time.
    double WallClock() const;
    std::function<double()> Now;

    TPlaybackOwner* Owner{ nullptr };

    std::atomic<int> abort_request{ 0 };
    std::atomic<int> paused{ 0 };
    std::atomic<int> last_paused{ 0 };
    std::atomic<int> read_pause_return{ 0 };
    std::atomic<int> refresh{ 0 };
    std::atomic<int> seek_done{ 0 };
    std::atomic<int> seek_paused{ 0 };
    std::atomic<int> seek_flushed{ 0 };
    std::atomic<int> open_paused{ 0 };
    std::atomic<int> IsDevice{ 0 };

    Tav_sync_type av_sync_type{ AV_SYNC_AUDIO_MASTER };
    double external_clock{ 0 };
    int64_t external_clock_time{ 0 };
    int64_t StartTime{ 0 };

    // Audio: the clock at the end of the last decoded audio, and the output format that turns
    // the unplayed bytes back into time.
    int audio_stream{ -1 };
    std::atomic<double> audio_clock{ 0 };
    std::atomic<unsigned> audio_buf_size{ 0 };
    std::atomic<int> audio_buf_index{ 0 };
    int audio_sample_rate{ 0 };
    int audio_channels{ 0 };
    TPacketQueue audioq;

    int subtitle_stream{ -1 };
    std::atomic<int> subtitle_stream_changed{ 0 };
    TPacketQueue subtitleq;
    std::array<TSubPicture, SubpictureQueueSize> subpq{};
    int subpq_size{ 0 }; // guarded by subpq_mutex
    int subpq_rindex{ 0 };
    int subpq_windex{ 0 };
    std::mutex subpq_mutex;
    std::condition_variable subpq_cond;

    int video_stream{ -1 };
    TPacketQueue videoq;
    double frame_timer{ 0 };
    double frame_last_pts{ 0 };
    double frame_last_delay{ 0 };
    std::atomic<double> video_clock{ 0 };
    std::atomic<double> video_current_pts{ 0 };
    std::atomic<double> video_current_pts_drift{ 0 };
    std::atomic<int64_t> video_current_pos{ -1 };
    std::atomic<double> skip_frames{ 1 };
    double skip_frames_index{ 0 };

    std::array<TVideoPicture, PictureQueueSize> pictq{};
    std::atomic<int> pictq_size{ 0 }; // changed only under pictq_mutex
    int pictq_rindex{ 0 };
    int pictq_windex{ 0 };
    std::mutex pictq_mutex;
    std::condition_variable pictq_cond;
};

void FreeSubpicture(TSubPicture& sp);
