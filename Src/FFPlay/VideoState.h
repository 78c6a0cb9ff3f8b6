#pragma once
#include "Src/AVUtilStubs.h"
#include "Src/FFPlay/PacketQueue.h"
#include "Src/FFmpegLogger.h"
#include "Src/SwResampleStubs.h"
#include "Src/UnicodeProtocol.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SDL_Overlay;
struct AVStream;
struct RDFTContext;

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
    FramePtr picref; // the filtered picture the slot shows
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
    // The marker the read thread queues after a seek; null when none is in use.
    virtual const AVPacket* FlushPacket() const { return nullptr; }
    virtual bool Mute() const { return false; }
    virtual int AudioVolume() const { return 128; }
    virtual void AudioCallbackTime(int64_t) {}
    virtual void Log(TLogLevel, const std::string&) {}
    // A failure reported to the user without becoming the component's last error.
    virtual void ReportError(const std::string& message) { Log(llError, message); }

    // Video decoding: the reorder choice (-1 automatic, 0 decoding order, 1 reordered), the
    // user's filter chain, and the scaler flags of the filter graph.
    virtual int DecoderReorderPts() const { return -1; }
    virtual std::string VideoFilters() const { return {}; }
    virtual int SwsFlags() const { return 4; }
    // Asks the event loop to (re)create the overlay of the write slot; it answers with
    // AllocPicture. A picture slot without an overlay still keeps its frame and its timing.
    virtual void RequestPictureAllocation(TVideoState& is) = 0;
    // Pictures go into the overlay upside down.
    virtual bool VerticalFlip() const { return false; }
    // A picture was queued: the component sets its picture event and ends a finished seek.
    virtual void PictureQueued(TVideoState&) {}
    // The first pictures of a file opened paused are up: the component reports the pause.
    virtual void OpenedPaused(TVideoState&) {}
    // After each picture: a single step pauses the playback again.
    virtual void StepDone(TVideoState&) {}

    // The refresh thread's tick: posts the refresh event to the event loop.
    virtual void PostRefreshEvent(TVideoState&) {}
    virtual int RdftSpeed() const { return 20; }

    // Pausing waits a while for a pending seek and for the first picture; each wait gives up
    // after timeoutMs. False once the component no longer has this playback.
    virtual bool AwaitSeekDone(int timeoutMs) { return timeoutMs >= 0; }
    virtual bool AwaitPicture(int timeoutMs) { return timeoutMs >= 0; }

    // Every picture on its way into the picture queue, before it is copied into its overlay: a
    // hook may draw on it. pts is the picture's media time in seconds.
    virtual void HookPicture(TVideoState&, AVFrame&, double) {}
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

    // The input and the read thread's state. Opened: 0 while opening, 1 once the streams are
    // open, -1 when opening failed and the read thread is cleaning up, -2 when it is done.
    std::string filename;
    const AVInputFormat* iformat{ nullptr };
    InputContextPtr ic;
    std::atomic<int> Opened{ 0 };
    std::atomic<int> Reading{ 0 };
    std::atomic<int> ErrorEOF{ 0 };
    std::atomic<int> ReachEOF{ 0 };
    std::atomic<int> IsImage2{ 0 };
    int64_t Duration{ -1 };
    int64_t AudioDuration{ -1 };
    std::atomic<int64_t> last_pos{ -1 }; // byte position of the last packet read

    // A seek request: the fields are written before seek_req is raised and read after it is
    // seen, so the flag orders them.
    std::atomic<int> seek_req{ 0 };
    std::mutex seek_mutex; // requests come from the host, the event loop and the video thread
    int64_t seek_pos{ 0 };
    int64_t seek_rel{ 0 };
    int seek_flags{ 0 };

    std::thread read_tid;
    std::thread refresh_tid;
    std::thread video_tid;
    std::thread subtitle_tid;
    std::atomic<bool> audio_open{ false };

    // The surface the event loop draws on and the picture it showed last (what a snapshot
    // takes); both belong to the event loop and to holders of the player's data lock.
    int width{ 0 };
    int height{ 0 };
    int xleft{ 0 };
    int ytop{ 0 };
    bool no_background{ true };
    FramePtr shown_picture;
    double shown_pts{ 0 };

    std::atomic<int> abort_request{ 0 };
    std::atomic<int> paused{ 0 };
    std::atomic<int> last_paused{ 0 };
    std::atomic<int> read_pause_return{ 0 };
    std::atomic<int> refresh{ 0 };
    std::atomic<int> seek_done{ 0 };
    // Seeks that took effect, so that a position behind the last one reported is told apart
    // from a clock that ran on too far.
    std::atomic<std::uint64_t> seek_count{ 0 };
    std::atomic<int> seek_paused{ 0 };
    std::atomic<int> seek_flushed{ 0 };
    std::atomic<int> open_paused{ 0 };
    std::atomic<int> IsDevice{ 0 };
    std::atomic<int> EventEOF{ 0 };

    Tav_sync_type av_sync_type{ AV_SYNC_AUDIO_MASTER };
    double external_clock{ 0 };
    int64_t external_clock_time{ 0 };
    int64_t StartTime{ 0 };

    // Audio: the clock at the end of the last decoded audio, and the output format that turns
    // the unplayed bytes back into time.
    std::atomic<int> audio_stream{ -1 };
    std::atomic<double> audio_clock{ 0 };
    std::atomic<unsigned> audio_buf_size{ 0 };
    std::atomic<int> audio_buf_index{ 0 };
    int audio_sample_rate{ 0 };
    int audio_channels{ 0 };
    TPacketQueue audioq;
    AVStream* audio_st{ nullptr };
    CodecContextPtr audio_ctx;
    PacketPtr audio_pkt;
    FramePtr audio_frame;
    // Decoded audio as signed 16-bit at the output's rate and channels; sized from each frame.
    std::vector<uint8_t> audio_buf;
    SwrContextPtr swr_ctx;
    int audio_src_fmt{ -1 };
    int audio_src_rate{ 0 };
    int audio_src_channels{ 0 };
    uint64_t audio_src_mask{ 0 };
    double audio_diff_cum{ 0 };
    double audio_diff_avg_coef{ 0 };
    double audio_diff_threshold{ 0 };
    int audio_diff_avg_count{ 0 };

    static constexpr int SampleArraySize = 131072;
    std::atomic<int> show_audio{ 0 };
    std::vector<int16_t> sample_array = std::vector<int16_t>(SampleArraySize);
    int sample_array_index{ 0 };
    std::mutex sample_mutex; // the audio thread writes the ring while the display reads it
    int last_i_start{ 0 };
    RDFTContext* rdft{ nullptr };
    int rdft_bits{ 0 };
    AVMemoryPtr<float> rdft_data; // av_malloc'd: the transform needs its SIMD alignment
    int xpos{ 0 };

    std::atomic<int> subtitle_stream{ -1 };
    std::atomic<int> subtitle_stream_changed{ 0 };
    TPacketQueue subtitleq;
    AVStream* subtitle_st{ nullptr };
    CodecContextPtr subtitle_ctx;
    std::array<TSubPicture, SubpictureQueueSize> subpq{};
    int subpq_size{ 0 }; // guarded by subpq_mutex
    int subpq_rindex{ 0 };
    int subpq_windex{ 0 };
    std::mutex subpq_mutex;
    std::condition_variable subpq_cond;

    std::atomic<int> video_stream{ -1 };
    TPacketQueue videoq;
    AVStream* video_st{ nullptr };
    CodecContextPtr video_ctx;
    double frame_timer{ 0 };
    double frame_last_pts{ 0 };
    double frame_last_delay{ 0 };
    std::atomic<double> video_clock{ 0 };
    std::atomic<double> video_current_pts{ 0 };
    std::atomic<double> video_current_pts_drift{ 0 };
    // Set by a seek: until the refresh takes a picture decoded after it, the video clock still
    // runs on from the picture shown before the seek.
    std::atomic<int> video_clock_stale{ 0 };
    // Set once the refresh has shown a picture: only then do the current time and its drift
    // tell when the clock last moved.
    std::atomic<int> video_picture_shown{ 0 };
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
