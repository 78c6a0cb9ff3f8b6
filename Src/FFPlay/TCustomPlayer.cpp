#include "Src/FFPlay/TCustomPlayer.h"

#include "Src/AVFormatStubs.h"
#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/Display.h"
#include "Src/FFPlay/PauseAndRefresh.h"
#include "Src/FFPlay/PlayerThreads.h"
#include "Src/FFPlay/StreamControl.h"
#include "Src/FFmpegLoader.h"
#include "Src/MyUtils/MainThreadCalls.h"
#include "Src/libsdl.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace {

const char FlushText[] = "FLUSH";

int64_t RoundToInt64(double value) {
    return static_cast<int64_t>(std::nearbyint(value));
}

// Runs fn on the main thread when asked to, else here.
void Deliver(bool inMainThread, const std::function<void()>& fn) {
    if (inMainThread) {
        CallInMainThread(fn);
    } else {
        fn();
    }
}

} // namespace

TCustomPlayer::TCustomPlayer(TComponent* owner)
    : TFFBaseComponent(owner), FAVProbe(std::make_unique<TAVProbe>(nullptr)) {
    ResetOptions();
}

TCustomPlayer::~TCustomPlayer() {
    OnPosition = nullptr;
    OnState = nullptr;
    OnHook = nullptr;
    Stop(true);
    JoinThreads();
    std::lock_guard lock(FHookLock);
    ResetRGBConvertContext(FHookContext);
}

bool TCustomPlayer::LoadAVLib(const TPathFileName& path) {
    TFFmpegLoader::SetLibraryPath(path);
    if (FLibrariesLoaded) return true;
    FLibrariesLoaded = GlobalLoader().Load(PlayerLibraries);
    if (!FLibrariesLoaded) {
        std::lock_guard lock(FErrorLock);
        FLastErrMsg = TFFmpegLoader::LastErrMsg();
    }
    return FLibrariesLoaded;
}

bool TCustomPlayer::AVLibLoaded() const {
    return GlobalLoader().Loaded(PlayerLibraries);
}

void TCustomPlayer::UnloadAVLib() {
    if (!FLibrariesLoaded) return;
    Stop(true);
    JoinThreads();
    {
        std::lock_guard lock(FHookLock);
        ResetRGBConvertContext(FHookContext);
    }
    FSnapshotScaler.reset();
    FFlushPkt.reset();
    GlobalLoader().Unload(PlayerLibraries);
    FLibrariesLoaded = false;
}

std::string TCustomPlayer::LastErrMsg() const {
    std::lock_guard lock(FErrorLock);
    return FLastErrMsg;
}

void TCustomPlayer::ReportError(const std::string& message, bool setLast) {
    GlobalLogger().Log(this, llError, message);
    if (setLast) {
        std::lock_guard lock(FErrorLock);
        FLastErrMsg = message;
    }
}

void TCustomPlayer::Log(TLogLevel level, const std::string& message) {
    GlobalLogger().Log(this, level, message);
}

void TCustomPlayer::ResetOptions() {
    FOptions = TPlayerOptions{};
    FInputFileName.clear();
    ResetPlaybackState();
}

void TCustomPlayer::ResetPlaybackState() {
    FScreen = nullptr;
    FLastPTS = AV_NOPTS_VALUE;
    FCurrentPTS = -1;
    FStep = false;
    FOptions.wanted_stream.fill(-1);
    FOptions.seek_by_bytes = -1;
    FOptions.start_time = AV_NOPTS_VALUE;
    FPlayTime = AV_NOPTS_VALUE;
    FRepeatType = rtStop;
    FVerticalFlip = false;
    FSeekEvent.SetEvent();
    FSeeking = false;
}

bool TCustomPlayer::LockData(unsigned timeoutMs) {
    if (timeoutMs == win::INFINITE) {
        FDataLock.lock();
        return true;
    }
    return FDataLock.try_lock_for(std::chrono::milliseconds(timeoutMs));
}

void TCustomPlayer::UnlockData() {
    FDataLock.unlock();
}

void TCustomPlayer::AdoptPlayback(std::unique_ptr<TVideoState> playback) {
    FPlayback = std::move(playback);
    FVideoState = FPlayback.get();
}

std::unique_ptr<TVideoState> TCustomPlayer::ReleasePlayback() {
    FVideoState = nullptr;
    return std::move(FPlayback);
}

bool TCustomPlayer::Open(const std::string& fileName, win::HWND screenHandle, bool paused) {
    if (!AVLibLoaded() || !sdl::SDL_Init) {
        ReportError("libav or libsdl not loaded.", true);
        return false;
    }
    Stop(true);
    JoinThreads();
    // The default driver is whatever the environment already chose.
    if (FAudioDriver != adDefault) setenv("SDL_AUDIODRIVER", AudioDriverNames[FAudioDriver], 1);
    if (FVideoDriver != vdDefault) setenv("SDL_VIDEODRIVER", VideoDriverNames[FVideoDriver], 1);
    if (!EmbedSDL(screenHandle)) {
        ReportError(::Format("Could not initialize SDL with ScreenHandle(%u): %s",
                             static_cast<unsigned>(reinterpret_cast<uintptr_t>(screenHandle)),
                             sdl::SDL_GetError()),
                    true);
        return false;
    }
    if (FOptions.display_disable) {
        FOptions.video_disable = true;
    } else {
        const SDL_VideoInfo* info = sdl::SDL_GetVideoInfo();
        if (!info) {
            ReportError("SDL_GetVideoInfo() failed", true);
            ReleaseWindow();
            sdl::SDL_Quit();
            return false;
        }
        FOptions.fs_screen_width = info->current_w;
        FOptions.fs_screen_height = info->current_h;
    }
    if (!FFlushPkt) {
        FFlushPkt.reset(av::av_packet_alloc());
        FFlushPkt->data = reinterpret_cast<uint8_t*>(const_cast<char*>(FlushText));
    }
    for (Uint8 type : { SDL_ACTIVEEVENT, SDL_MOUSEMOTION, SDL_SYSWMEVENT, SDL_USEREVENT })
        sdl::SDL_EventState(type, SDL_IGNORE);
    FStopEvent.ResetEvent();
    FScreenHandle = screenHandle;
    if (!OpenStream(*this, fileName, FOptions.file_iformat, paused)) {
        FStopEvent.SetEvent();
        ReleaseWindow();
        FScreenHandle = {};
        sdl::SDL_Quit();
        return false;
    }
    FInputFileName = fileName;
    FAVProbe->SetFileHandle(FPlayback->ic.get());
    FScreenPos = {};
    FScreenPos.hwnd = FScreenHandle;
    FScreenPos.flags = 7;
    if (FTriggerEventInMainThread.load()) {
        CallInMainThread([this] { DoFileOpen(); });
    } else {
        DoFileOpen();
    }
    FEventThread = std::make_unique<TEventThread>(*this);
    FEventThread->Start();
    FPlayThread = std::make_unique<TPlayThread>(*this);
    FPlayThread->Start();
    return true;
}

void TCustomPlayer::DoFileOpen() {
    TVideoState* is = Playback();
    if (!is) return;
    if (OnFileOpen) {
        const int64_t duration = is->IsImage2.load() ? 0 : is->Duration;
        int width = -1;
        int height = -1;
        if (is->video_ctx && is->video_ctx->width > 0) {
            width = is->video_ctx->width;
            height = is->video_ctx->height;
        }
        OnFileOpen(this, duration, width, height, FOptions.screen_width, FOptions.screen_height);
    }
    // Without a size of its own the surface fills the host window.
    if (FScreenHandle && (FOptions.screen_width == 0 || FOptions.screen_height == 0)) {
        win::RECT r{};
        win::GetClientRect(FScreenHandle, &r);
        FOptions.screen_width = r.right - r.left;
        FOptions.screen_height = r.bottom - r.top;
    }
}

void TCustomPlayer::StopPlayback(TVideoState& is) {
    if (is.paused.load()) {
        TogglePauseState(is);
        FStep = false;
    }
    PostQuitEvent(&is);
}

void TCustomPlayer::Stop(bool waitForStop) {
    if (Playback() && LockData(100)) {
        if (TVideoState* is = Playback()) StopPlayback(*is);
        UnlockData();
    } else if (Playback()) {
        PostQuitEvent(nullptr);
    }
    if (!waitForStop) return;
    WaitForStop();
    JoinThreads();
    ReleaseWindow();
    if (sdl::SDL_Quit) sdl::SDL_Quit();
}

void TCustomPlayer::WaitForStop() {
    int counter = 1;
    for (;;) {
        if (FStopEvent.WaitFor(100) == wrSignaled) return;
        if (IsMainThread()) {
            CheckSynchronize(0);
            PumpMessages();
        }
        if (!Playback()) return;
        if (!LockData(100)) continue;
        ++counter;
        TVideoState* is = Playback();
        if (!is) {
            UnlockData();
            return;
        }
        if ((counter > 10 && is->Reading.load()) || counter > 20) {
            ClosePlayback(*this);
            UnlockData();
            return;
        }
        PostQuitEvent(is);
        UnlockData();
    }
}

void TCustomPlayer::JoinThreads() {
    if (FPlayThread) {
        FPlayThread->WaitFor();
        FPlayThread.reset();
    }
    if (FDeliveringThread.load() == std::this_thread::get_id()) {
        // Called from one of the delivery thread's own handlers, which that thread waits for:
        // it ends once the handler returns and is joined later. What it had not delivered
        // belongs to the playback that has gone.
        if (FEventThread) {
            FEventThread->Terminate();
            FRetiredEventThreads.push_back(std::move(FEventThread));
        }
    } else {
        if (FEventThread) {
            // The play thread's last state ends the delivery; a thread that never saw it is told.
            if (!FEventThread->Finished()) FPlayEvent.Push({ TPlayEventItem::peEnd, 0 });
            FEventThread->WaitFor();
            FEventThread.reset();
        }
        FRetiredEventThreads.clear();
    }
    while (FPlayEvent.Pop().Kind != TPlayEventItem::peNone) {}
}

void TCustomPlayer::DeliverEvent(const TPlayEventItem& item) {
    Deliver(FTriggerEventInMainThread.load(), [this, item] {
        const std::thread::id outer = FDeliveringThread.exchange(std::this_thread::get_id());
        try {
            if (item.Kind == TPlayEventItem::pePosition && OnPosition) {
                OnPosition(this, item.Value);
            } else if (item.Kind == TPlayEventItem::peState && OnState) {
                OnState(this, static_cast<TPlayState>(item.Value));
            }
        } catch (...) {
            FDeliveringThread = outer;
            throw;
        }
        FDeliveringThread = outer;
    });
}

void TCustomPlayer::SetState(TPlayState state) {
    FState = state;
    if (OnState) {
        FPlayEvent.Push({ TPlayEventItem::peState, state });
    } else if (state == psStop) {
        FPlayEvent.Push({ TPlayEventItem::peEnd, 0 });
    }
}

bool TCustomPlayer::Paused() {
    if (!Playback()) return true;
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    return !is || is->paused.load() != 0;
}

void TCustomPlayer::Pause() {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is || is->paused.load()) return;
    TogglePauseState(*is);
    FStep = false;
    SetState(psPause);
}

void TCustomPlayer::Resume() {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is || !is->paused.load()) return;
    TogglePauseState(*is);
    FStep = false;
    SetState(psResume);
}

void TCustomPlayer::TogglePause() {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is) return;
    TogglePauseState(*is);
    FStep = false;
    SetState(is->paused.load() ? psPause : psResume);
}

void TCustomPlayer::StepToNextFrame() {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is) return;
    if (is->paused.load()) TogglePauseState(*is);
    if (!FStep.exchange(true)) SetState(psStep);
}

void TCustomPlayer::ToggleAudioDisplay() {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is) return;
    is->show_audio = (is->show_audio.load() + 1) % 3;
    ClearDisplay(*this, *is);
}

void TCustomPlayer::SetShowAudio(TShowAudio value) {
    FShowAudio = value;
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (is && is->audio_stream >= 0 && !FOptions.display_disable) is->show_audio = value;
}

void TCustomPlayer::SetAspectRatio(float value) {
    if (FAspectRatio.exchange(value) == value) return;
    std::lock_guard lock(FDataLock);
    if (TVideoState* is = Playback()) PostReopenEvent(is);
}

void TCustomPlayer::RequestSeekAt(TVideoState& is, int64_t pts, TSeekFlags flags) {
    int64_t pos = pts;
    int64_t rel = 0;
    if (!flags.Contains(sfByte)) {
        pos = SeekPosition(pts, is.Duration, is.StartTime);
        rel = pts <= 0 ? 1 : 0;
    }
    RequestSeek(*this, is, SeekFlagsToAV(flags), false, rel, pos);
}

namespace {

void WaitForSeekEnd(TCustomPlayer& player, bool withVideo) {
    for (TEvent* event : { &player.SeekEvent(), &player.PictEvent() }) {
        if (event == &player.PictEvent() && !withVideo) break;
        while (event->WaitFor(100) != wrSignaled) {
            if (IsMainThread()) {
                CheckSynchronize(0);
                PumpMessages();
            }
            if (!player.Playback()) return;
        }
    }
}

} // namespace

void TCustomPlayer::Seek(int64_t pts, TSeekFlags flags, bool waitForSeekEnd) {
    bool withVideo;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = Playback();
        if (!is) return;
        RequestSeekAt(*is, pts, flags);
        withVideo = is->video_stream >= 0;
    }
    if (waitForSeekEnd) WaitForSeekEnd(*this, withVideo);
}

void TCustomPlayer::Seek(double delta, TSeekFlags flags, bool waitForSeekEnd) {
    bool withVideo;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = Playback();
        if (!is) return;
        int64_t pos;
        int64_t rel;
        if (flags.Contains(sfByte)) {
            const int64_t bitRate = is->ic ? is->ic->bit_rate : 0;
            const double incr = bitRate != 0 ? delta * bitRate / 8.0 : delta * 180000.0;
            const int64_t current = is->video_current_pos.load() >= 0 ? is->video_current_pos.load()
                                                                      : is->last_pos.load();
            pos = RoundToInt64(static_cast<double>(std::max<int64_t>(current, 0)) + incr);
            rel = RoundToInt64(incr);
        } else {
            pos = RoundToInt64((GetMasterClock(*is) + delta) * 1000000.0);
            rel = RoundToInt64(delta * 1000000.0);
        }
        RequestSeek(*this, *is, SeekFlagsToAV(flags), false, rel, pos);
        withVideo = is->video_stream >= 0;
    }
    if (waitForSeekEnd) WaitForSeekEnd(*this, withVideo);
}

std::string TCustomPlayer::Format() const {
    return FOptions.file_iformat && FOptions.file_iformat->name ? FOptions.file_iformat->name
                                                                : std::string();
}

void TCustomPlayer::SetFormat(const std::string& name) {
    if (!AVLibLoaded()) {
        ReportError("libav or libsdl not loaded.", true);
        return;
    }
    const AVInputFormat* format = av::av_find_input_format(name.c_str());
    if (!format) throw Exception(::Format("Unknown input format: %s", name));
    FOptions.file_iformat = format;
}

int TCustomPlayer::StreamIndexOf(int type) {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is) return -1;
    switch (type) {
    case AVMEDIA_TYPE_VIDEO:
        return is->video_stream;
    case AVMEDIA_TYPE_AUDIO:
        return is->audio_stream;
    default:
        return is->subtitle_stream;
    }
}

void TCustomPlayer::SelectStreamOf(int type, int value) {
    std::lock_guard lock(FDataLock);
    TVideoState* is = Playback();
    if (!is) return;
    SelectStream(*this, *is, type, value);
}

int TCustomPlayer::VideoStreamIndex() {
    return StreamIndexOf(AVMEDIA_TYPE_VIDEO);
}
void TCustomPlayer::SetVideoStreamIndex(int value) {
    if (value != VideoStreamIndex()) SelectStreamOf(AVMEDIA_TYPE_VIDEO, value);
}
int TCustomPlayer::AudioStreamIndex() {
    return StreamIndexOf(AVMEDIA_TYPE_AUDIO);
}
void TCustomPlayer::SetAudioStreamIndex(int value) {
    if (value != AudioStreamIndex()) SelectStreamOf(AVMEDIA_TYPE_AUDIO, value);
}
int TCustomPlayer::SubtitleStreamIndex() {
    return StreamIndexOf(AVMEDIA_TYPE_SUBTITLE);
}
void TCustomPlayer::SetSubtitleStreamIndex(int value) {
    if (value != SubtitleStreamIndex()) SelectStreamOf(AVMEDIA_TYPE_SUBTITLE, value);
}

void TCustomPlayer::DisplayVideo(TVideoState& is) {
    ShowVideo(*this, is);
}

void TCustomPlayer::ReportPosition(TVideoState& is) {
    if (is.IsImage2.load()) return;
    int64_t pos;
    if (is.video_stream >= 0) {
        pos = RoundToInt64(GetVideoClock(is) * 1000000.0) - is.StartTime;
    } else if (is.audio_stream >= 0) {
        pos = RoundToInt64(GetAudioClock(is) * 1000000.0) - is.StartTime;
        if (is.AudioDuration > 0 && pos >= is.AudioDuration && pos < is.Duration) pos = is.Duration;
    } else {
        return;
    }
    // While a seek is pending the clocks still tell where the playback was, not where the user
    // asked it to go: such a position is stale, and acting on it at the play time would loop
    // or stop again and again, each new loop seek restarting the one still under way. A seek
    // that reached the end of the input has no picture to wait for.
    const bool seeking =
        is.seek_req.load() != 0 || (is.video_stream >= 0 && !is.ReachEOF.load() &&
                                    (is.seek_done.load() != 0 || is.video_clock_stale.load() != 0));
    if (!seeking) {
        FCurrentPTS = pos;
        std::lock_guard lock(FPositionLock);
        if (is.Duration > 0 && pos >= is.Duration) {
            pos = is.Duration;
            if (FLastPTS.load() != is.Duration) FLastPTS = 0;
        }
        // The video clock runs on from the picture shown; when the next one comes late it
        // steps back to that picture's time. Only a seek moves the reported position back.
        const std::uint64_t seeks = is.seek_count.load();
        const int64_t last = FLastPTS.load();
        const bool stepBack = last != AV_NOPTS_VALUE && pos < last && seeks == FReportedSeeks;
        if (!stepBack && (last == AV_NOPTS_VALUE || std::llabs(pos - last) > 10000)) {
            FLastPTS = pos;
            FReportedSeeks = seeks;
            if (OnPosition) FPlayEvent.Push({ TPlayEventItem::pePosition, pos });
        }
    }
    if (!is.IsDevice.load() && !is.EventEOF.load() && is.ReachEOF.load()) {
        if (is.video_stream >= 0) is.EventEOF = 1;
        SetState(psEnd);
    }
    const int64_t playTime = FPlayTime.load();
    if (playTime == AV_NOPTS_VALUE || seeking) return;
    const int64_t start = FOptions.start_time;
    const int64_t limit = start != AV_NOPTS_VALUE ? start + playTime : playTime;
    if (pos < limit) return;
    switch (FRepeatType.load()) {
    case rtStop:
        StopPlayback(is);
        break;
    case rtLoop:
        if (start != AV_NOPTS_VALUE) {
            RequestSeekAt(is, start, TSeekFlags{});
        } else {
            RequestSeekAt(is, 0, TSeekFlags{ sfAny });
        }
        break;
    case rtNone:
        break;
    }
}

void TCustomPlayer::RequestPictureAllocation(TVideoState& is) {
    PostPlayerEvent(FF_ALLOC_EVENT, &is);
}

void TCustomPlayer::PostRefreshEvent(TVideoState& is) {
    PostPlayerEvent(FF_REFRESH_EVENT, &is);
}

void TCustomPlayer::PictureQueued(TVideoState& is) {
    // A picture decoded before a pending seek took effect does not end the seek.
    if (is.seek_req.load() || is.seek_done.load()) return;
    FPictEvent.SetEvent();
    FSeeking = false;
}

void TCustomPlayer::OpenedPaused(TVideoState&) {
    SetState(psPause);
}

void TCustomPlayer::StepDone(TVideoState& is) {
    if (FStep.load() && !is.paused.load()) TogglePauseState(is);
}

namespace {

// A pause waits a while for the event, and sets it when it gives up: while a seek never ends,
// only the first pause waits, and every later one goes ahead at once instead of holding the
// caller (and the data lock it holds) for the whole time-out again.
void AwaitOrGiveUp(TEvent& event, int timeoutMs) {
    if (event.WaitFor(static_cast<unsigned>(std::max(timeoutMs, 0))) != wrSignaled)
        event.SetEvent();
}

} // namespace

bool TCustomPlayer::AwaitSeekDone(int timeoutMs) {
    AwaitOrGiveUp(FSeekEvent, timeoutMs);
    return Playback() != nullptr;
}

bool TCustomPlayer::AwaitPicture(int timeoutMs) {
    AwaitOrGiveUp(FPictEvent, timeoutMs);
    return Playback() != nullptr;
}
