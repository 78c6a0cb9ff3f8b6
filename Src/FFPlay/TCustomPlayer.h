#pragma once
#include "Src/AVProbe/TAVProbe.h"
#include "Src/FFBaseComponent.h"
#include "Src/FFPlay/PlayerTypes.h"
#include "Src/FFPlay/VideoState.h"
#include "Src/FFUtils/RGBConvert.h"
#include "Src/FFmpegLogger.h"
#include "platform/win/WindowApi.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SDL_Surface;
class TPlayThread;
class TEventThread;

// The options of a playback, named after the libraries' options they stand for. The host sets
// them before Open; the playback's threads read them while it runs.
struct TPlayerOptions {
    int sws_flags{ 4 };
    const AVInputFormat* file_iformat{ nullptr };
    int fs_screen_width{ 0 };
    int fs_screen_height{ 0 };
    int screen_width{ 0 };
    int screen_height{ 0 };
    int frame_width{ 0 };
    int frame_height{ 0 };
    int frame_pix_fmt{ -1 };
    bool audio_disable{ false };
    bool video_disable{ false };
    // By media type + 1 (type -1 .. 5); -1 chooses automatically.
    std::array<int, 7> wanted_stream{ -1, -1, -1, -1, -1, -1, -1 };
    int seek_by_bytes{ -1 };
    bool display_disable{ false };
    Tav_sync_type av_sync_type{ AV_SYNC_AUDIO_MASTER };
    int64_t start_time{ AV_NOPTS_VALUE };
    int debug{ 0 };
    int debug_mv{ 0 };
    int workaround_bugs{ 1 };
    bool fast{ false };
    bool genpts{ false };
    int lowres{ 0 };
    int idct_algo{ 0 };
    int skip_frame{ 0 };
    int skip_idct{ 0 };
    int skip_loop_filter{ 0 };
    int error_recognition{ 1 };
    int error_concealment{ 3 };
    int decoder_reorder_pts{ -1 };
    int framedrop{ 1 };
    int rdftspeed{ 20 };
    std::string vfilters;
    bool is_full_screen{ false };

    int& WantedStream(AVMediaType type) { return wanted_stream[static_cast<int>(type) + 1]; }
    int WantedStream(AVMediaType type) const { return wanted_stream[static_cast<int>(type) + 1]; }
};

// The player: opens a file for playback into a host window and offers pause, step, seek,
// stream switching, the audio display, snapshots and a hook on every picture. Position and
// state changes reach OnPosition and OnState from a delivery thread, on the GUI thread unless
// TriggerEventInMainThread is cleared.
class TCustomPlayer : public TFFBaseComponent, public TPlaybackOwner {
public:
    explicit TCustomPlayer(TComponent* owner);
    ~TCustomPlayer() override;

    std::string ClassName() const override { return "TCustomPlayer"; }

    bool LoadAVLib(const TPathFileName& path);
    bool AVLibLoaded() const;
    void UnloadAVLib();

    bool Open(const std::string& fileName, win::HWND screenHandle, bool paused);
    void Stop(bool waitForStop);
    void Pause();
    void Resume();
    void TogglePause();
    void StepToNextFrame();
    void ToggleAudioDisplay();
    void Seek(int64_t pts, TSeekFlags flags, bool waitForSeekEnd);
    void Seek(double delta, TSeekFlags flags, bool waitForSeekEnd);
    // The picture on screen as a 32-bit bitmap of the video's size (0 x 0 without video or when
    // it cannot be had); owned by the player and reused by the next call. pts counts from the
    // file's start, -1 without video.
    TBitmap* CurrentFrame();
    TBitmap* CurrentFrame(int64_t& pts);
    void UpdateScreenPosition();

    std::string About() const { return FAbout; }
    std::string Version() const { return "2.3"; }
    std::string LastErrMsg() const;
    std::string FileName() const { return FInputFileName; }
    win::HWND ScreenHandle() const { return FScreenHandle; }

    TPlayerOptions& Options() { return FOptions; }
    const TPlayerOptions& Options() const { return FOptions; }
    bool DisableAudio() const { return FOptions.audio_disable; }
    void SetDisableAudio(bool value) { FOptions.audio_disable = value; }
    bool DisableVideo() const { return FOptions.video_disable; }
    void SetDisableVideo(bool value) { FOptions.video_disable = value; }
    bool DisableDisplay() const { return FOptions.display_disable; }
    void SetDisableDisplay(bool value) { FOptions.display_disable = value; }
    int FrameWidth() const { return FOptions.frame_width; }
    void SetFrameWidth(int value) { FOptions.frame_width = value; }
    int FrameHeight() const { return FOptions.frame_height; }
    void SetFrameHeight(int value) { FOptions.frame_height = value; }
    int ScreenWidth() const { return FOptions.screen_width; }
    void SetScreenWidth(int value) { FOptions.screen_width = value; }
    int ScreenHeight() const { return FOptions.screen_height; }
    void SetScreenHeight(int value) { FOptions.screen_height = value; }
    bool FullScreen() const { return FOptions.is_full_screen; }
    std::string Format() const;
    // Raises "Unknown input format: %s" for a name the libraries do not know.
    void SetFormat(const std::string& name);
    std::string VideoFilters() const override { return FOptions.vfilters; }
    void SetVideoFilters(const std::string& value) { FOptions.vfilters = value; }

    int VideoStreamIndex();
    void SetVideoStreamIndex(int value);
    int AudioStreamIndex();
    void SetAudioStreamIndex(int value);
    int SubtitleStreamIndex();
    void SetSubtitleStreamIndex(int value);

    TAVProbe& AVProbe() { return *FAVProbe; }
    float AspectRatio() const { return FAspectRatio.load(); }
    void SetAspectRatio(float value);
    TAudioDriver AudioDriver() const { return FAudioDriver; }
    void SetAudioDriver(TAudioDriver value) { FAudioDriver = value; }
    TVideoDriver VideoDriver() const { return FVideoDriver; }
    void SetVideoDriver(TVideoDriver value) { FVideoDriver = value; }
    int AudioVolume() const override { return FAudioVolume.load(); }
    void SetAudioVolume(int value) { FAudioVolume = value < 0 ? 0 : value > 128 ? 128 : value; }
    bool Mute() const override { return FMute.load(); }
    void SetMute(bool value) { FMute = value; }
    bool Hook() const { return FHook.load(); }
    void SetHook(bool value) { FHook = value; }
    int64_t PlayTime() const { return FPlayTime.load(); }
    void SetPlayTime(int64_t value) { FPlayTime = value; }
    TRepeatType RepeatType() const { return FRepeatType.load(); }
    void SetRepeatType(TRepeatType value) { FRepeatType = value; }
    bool TriggerEventInMainThread() const { return FTriggerEventInMainThread.load(); }
    void SetTriggerEventInMainThread(bool value) { FTriggerEventInMainThread = value; }
    bool VerticalFlip() const override { return FVerticalFlip.load(); }
    void SetVerticalFlip(bool value) { FVerticalFlip = value; }
    int64_t CurrentPTS() const { return FCurrentPTS.load(); }
    bool Paused();
    TPlayState PlayState() const { return FState.load(); }
    bool Seeking() const { return FSeeking.load(); }
    TShowAudio ShowAudio() const { return FShowAudio.load(); }
    void SetShowAudio(TShowAudio value);

    TFileOpenEvent OnFileOpen;
    THookEvent OnHook;
    TPositionEvent OnPosition;
    TPlayStateEvent OnState;

    // What the playback's threads use.
    void ReportError(const std::string& message, bool setLast);
    void ReportError(const std::string& message) override { ReportError(message, false); }
    void Log(TLogLevel level, const std::string& message) override;
    void SetState(TPlayState state);
    bool LockData(unsigned timeoutMs);
    void UnlockData();
    void ResetOptions();
    void ResetPlaybackState();
    // The playback while the caller holds the data lock or is one of its threads.
    TVideoState* Playback() const { return FVideoState.load(); }
    void AdoptPlayback(std::unique_ptr<TVideoState> playback);
    std::unique_ptr<TVideoState> ReleasePlayback();
    TEvent& SeekEvent() { return FSeekEvent; }
    TEvent& PictEvent() { return FPictEvent; }
    TEvent& StopEvent() { return FStopEvent; }
    void SetSeeking(bool value) { FSeeking = value; }
    void SetStepping(bool value) { FStep = value; }
    SDL_Surface* Screen() const { return FScreen; }
    void SetScreen(SDL_Surface* value) { FScreen = value; }
    int64_t AudioCallbackTimeValue() const { return FAudioCallbackTime.load(); }

    // TPlaybackOwner
    int FrameDrop() const override { return FOptions.framedrop; }
    void DisplayVideo(TVideoState& is) override;
    void ReportPosition(TVideoState& is) override;
    const AVPacket* FlushPacket() const override { return FFlushPkt.get(); }
    void AudioCallbackTime(int64_t value) override { FAudioCallbackTime = value; }
    int DecoderReorderPts() const override { return FOptions.decoder_reorder_pts; }
    int SwsFlags() const override { return FOptions.sws_flags; }
    void RequestPictureAllocation(TVideoState& is) override;
    void PictureQueued(TVideoState& is) override;
    void OpenedPaused(TVideoState& is) override;
    void StepDone(TVideoState& is) override;
    void PostRefreshEvent(TVideoState& is) override;
    int RdftSpeed() const override { return FOptions.rdftspeed; }
    bool AwaitSeekDone(int timeoutMs) override;
    bool AwaitPicture(int timeoutMs) override;
    void HookPicture(TVideoState& is, AVFrame& frame, double pts) override;

private:
    friend class TEventThread;

    void DoFileOpen();
    void WaitForStop();
    void StopPlayback(TVideoState& is);
    // A seek to pts from the file's start, without waiting.
    void RequestSeekAt(TVideoState& is, int64_t pts, TSeekFlags flags);
    void SelectStreamOf(int type, int value);
    int StreamIndexOf(int type);
    void JoinThreads();
    void DeliverEvent(const TPlayEventItem& item);
    // Starts SDL, on the host window when there is one; true when SDL started.
    bool EmbedSDL(win::HWND screenHandle);
    win::LRESULT ScreenWindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);
    void ReleaseWindow();
    bool LoadSnapshot(const AVFrame& picture);

    std::string FAbout{ "FFmpeg player component" };
    mutable std::mutex FErrorLock;
    std::string FLastErrMsg;
    std::string FInputFileName;
    TPlayerOptions FOptions;
    std::unique_ptr<TAVProbe> FAVProbe;
    bool FLibrariesLoaded{ false };
    PacketPtr FFlushPkt;

    std::unique_ptr<TVideoState> FPlayback;
    std::atomic<TVideoState*> FVideoState{ nullptr };
    SDL_Surface* FScreen{ nullptr }; // the event loop's
    win::HWND FScreenHandle{};
    win::HWND FHookedWindow{}; // the host window while the player watches its messages
    win::WINDOWPOS FScreenPos{};

    TDataLock FDataLock;
    TEvent FSeekEvent{ true, true };
    TEvent FPictEvent{ true, true };
    TEvent FStopEvent{ true, true };
    TPlayEvent FPlayEvent;
    std::unique_ptr<TPlayThread> FPlayThread;
    std::unique_ptr<TEventThread> FEventThread;
    std::vector<std::unique_ptr<TEventThread>> FRetiredEventThreads;
    // The thread running a position or state handler, while it does.
    std::atomic<std::thread::id> FDeliveringThread{};

    // The decoding and refresh threads both report: each report is worked out and queued
    // under the lock, so that the handler sees them in the order they were taken.
    std::mutex FPositionLock;
    std::atomic<int64_t> FLastPTS{ AV_NOPTS_VALUE };
    // The playback's seek count at the last report made outside a seek; under FPositionLock.
    std::uint64_t FReportedSeeks{ 0 };
    std::atomic<int64_t> FCurrentPTS{ -1 };
    std::atomic<int64_t> FAudioCallbackTime{ 0 };
    std::atomic<bool> FSeeking{ false };
    std::atomic<bool> FStep{ false };
    std::atomic<float> FAspectRatio{ 0 };
    std::atomic<int> FAudioVolume{ 128 };
    std::atomic<TShowAudio> FShowAudio{ saWave };
    std::atomic<bool> FMute{ false };
    std::atomic<int64_t> FPlayTime{ AV_NOPTS_VALUE };
    std::atomic<TRepeatType> FRepeatType{ rtStop };
    std::atomic<bool> FVerticalFlip{ false };
    TAudioDriver FAudioDriver{ adDefault };
    TVideoDriver FVideoDriver{ vdDefault };
    std::atomic<bool> FHook{ false };
    std::atomic<bool> FTriggerEventInMainThread{ true };
    std::atomic<TPlayState> FState{ psStop };

    // The hook's round trip to a bitmap and back, on the video thread.
    std::mutex FHookLock;
    TRGBConvertContext FHookContext;
    // Snapshots, under the data lock.
    std::unique_ptr<TBitmap> FSnapshot;
    std::vector<uint8_t> FSnapshotBuf;
    SwsContextPtr FSnapshotScaler;
};

// The component as the form designer publishes it.
class ZAZEvivez : public TCustomPlayer {
public:
    using TCustomPlayer::TCustomPlayer;
    // The playback's threads call into the component: they end before any part of it goes.
    ~ZAZEvivez() override { Stop(true); }
    std::string ClassName() const override { return "ZAZEvivez"; }
};
