#include "Src/FFPlay/StreamControl.h"

#include "Src/AVFormatStubs.h"
#include "Src/FFPlay/AudioDecoder.h"
#include "Src/FFPlay/PauseAndRefresh.h"
#include "Src/FFPlay/SubtitleDecoder.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/FFPlay/VideoDecoder.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpegLoader.h"
#include "Src/MyUtils/MainThreadCalls.h"
#include "Src/libsdl.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <system_error>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int MaxQueueSize = 15 * 1024 * 1024;
constexpr int MinAudioQueueSize = 5 * 16 * 1024;
constexpr int MinFrames = 5;

// libavformat polls this during blocking I/O; each playback answers for its own input.
int DecodeInterruptCallback(void* opaque) {
    return static_cast<TVideoState*>(opaque)->abort_request.load() == 1 ? 1 : 0;
}

void SDLAudioCallback(void* opaque, Uint8* stream, int len) {
    AudioCallback(*static_cast<TVideoState*>(opaque), stream, len);
}

// Waits with a short sleep, or, on the main thread, by serving queued calls and messages, so
// that events handed to the main thread cannot dead-lock the wait.
void WaitStep(std::chrono::milliseconds step) {
    if (IsMainThread()) {
        CheckSynchronize(static_cast<unsigned>(step.count()));
        PumpMessages();
    } else {
        std::this_thread::sleep_for(step);
    }
}

void WaitForEvent(TEvent& event) {
    while (event.WaitFor(100) != wrSignaled) {
        if (IsMainThread()) {
            CheckSynchronize(0);
            PumpMessages();
        }
    }
}

void PushEvent(Uint8 type, TVideoState* is) {
    if (!sdl::SDL_PushEvent) return;
    SDL_Event event{};
    event.type = type;
    event.user.type = type;
    event.user.data1 = is;
    sdl::SDL_PushEvent(&event);
}

// The chosen stream of each type: a wanted index n picks the n-th stream of the type, else the
// libraries' best.
int ChooseStream(AVFormatContext* ic, AVMediaType type, int wanted) {
    if (wanted < 0) {
        const int best = av::av_find_best_stream(ic, type, -1, -1, nullptr, 0);
        return best >= 0 ? best : -1;
    }
    int seen = 0;
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        if (ic->streams[i]->codecpar->codec_type != type) continue;
        if (seen++ == wanted) return static_cast<int>(i);
    }
    return -1;
}

void SetDecoderOptions(AVCodecContext* ctx, const TPlayerOptions& o) {
    ctx->debug = o.debug;
    ctx->workaround_bugs = o.workaround_bugs;
    ctx->lowres = o.lowres;
    ctx->idct_algo = o.idct_algo;
    if (o.fast) ctx->flags2 |= AV_CODEC_FLAG2_FAST;
    ctx->skip_frame = static_cast<AVDiscard>(o.skip_frame);
    ctx->skip_idct = static_cast<AVDiscard>(o.skip_idct);
    ctx->skip_loop_filter = static_cast<AVDiscard>(o.skip_loop_filter);
    ctx->err_recognition = o.error_recognition;
    ctx->error_concealment = o.error_concealment;
    ctx->thread_count = 1;
}

bool OpenAudioDevice(TCustomPlayer& player, TVideoState& is, AVCodecContext* ctx) {
    const int channels = ctx->ch_layout.nb_channels;
    SDL_AudioSpec wanted{};
    wanted.freq = ctx->sample_rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(channels == 1 || channels == 2 ? channels : 2);
    wanted.silence = 0;
    wanted.samples = 1024;
    wanted.callback = SDLAudioCallback;
    wanted.userdata = &is;
    SDL_AudioSpec granted{};
    if (sdl::SDL_OpenAudio(&wanted, &granted) < 0) {
        player.ReportError(std::string("SDL_OpenAudio() failed: ") + sdl::SDL_GetError(), false);
        return false;
    }
    is.audio_sample_rate = granted.freq;
    is.audio_channels = granted.channels;
    return true;
}

// Puts the flush marker into a freshly started queue.
void StartQueue(TCustomPlayer& player, TPacketQueue& q) {
    q.Start();
    q.Put(player.FlushPacket(), player.FlushPacket());
}

void FinishOpen(TCustomPlayer& player, TVideoState& is, int failed) {
    if (is.Opened.load() != 1) is.Opened = -1;
    if (is.audio_stream >= 0) CloseStreamComponent(is, is.audio_stream);
    if (is.video_stream >= 0) CloseStreamComponent(is, is.video_stream);
    if (is.subtitle_stream >= 0) CloseStreamComponent(is, is.subtitle_stream);
    if (player.AVProbe().FileHandle() == is.ic.get()) player.AVProbe().SetFileHandle(nullptr);
    is.ic.reset();
    if (failed) PostQuitEvent(&is);
    if (is.Opened.load() == -1) is.Opened = -2;
}

// What inputs without a header of their own need to know: the picture size and format the
// user gave.
DictionaryPtr FormatParameters(const TPlayerOptions& o) {
    AVDictionary* raw = nullptr;
    if (o.frame_width > 0 && o.frame_height > 0)
        av::av_dict_set(&raw, "video_size", Format("%dx%d", o.frame_width, o.frame_height).c_str(),
                        0);
    if (o.frame_pix_fmt >= 0) {
        if (const char* name = av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(o.frame_pix_fmt)))
            av::av_dict_set(&raw, "pixel_format", name, 0);
    }
    return DictionaryPtr(raw);
}

bool OpenInput(TCustomPlayer& player, TVideoState& is) {
    const TPlayerOptions& o = player.Options();
    AVFormatContext* ic = av::avformat_alloc_context();
    if (!ic) {
        player.ReportError("avformat_alloc_context() failed.", true);
        return false;
    }
    ic->interrupt_callback = { DecodeInterruptCallback, &is };
    DictionaryPtr parameters = FormatParameters(o);
    AVDictionary* raw = parameters.release();
    const int err = AVOpenInput(&ic, FileNameToAV(is.filename), is.iformat, &raw);
    parameters.reset(raw);
    if (err < 0) {
        player.ReportError(ErrorToText(is.filename, err), true);
        return false;
    }
    is.ic.reset(ic);
    if (o.genpts) ic->flags |= AVFMT_FLAG_GENPTS;
    if (av::avformat_find_stream_info(ic, nullptr) < 0) {
        player.ReportError(Format("%s: could not find codec parameters", is.filename), true);
        return false;
    }
    if (ic->pb) ic->pb->eof_reached = 0;
    if (player.Options().seek_by_bytes < 0)
        player.Options().seek_by_bytes = (ic->iformat->flags & AVFMT_TS_DISCONT) ? 1 : 0;
    const std::string formatName = ic->iformat->name ? ic->iformat->name : "";
    is.IsImage2 = formatName == "image2";
    is.IsDevice = formatName == "video4linux2,v4l2" || formatName == "x11grab";
    if (ic->start_time != AV_NOPTS_VALUE) is.StartTime = ic->start_time;
    is.Duration = ic->duration != AV_NOPTS_VALUE ? ic->duration : -1;
    if (o.start_time != AV_NOPTS_VALUE) {
        int64_t timestamp = o.start_time;
        if (ic->start_time != AV_NOPTS_VALUE) timestamp += ic->start_time;
        if (av::avformat_seek_file(ic, -1, std::numeric_limits<int64_t>::min(), timestamp,
                                   std::numeric_limits<int64_t>::max(), 0) < 0) {
            player.Log(llWarning, Format("%s: could not seek to position %0.3f", is.filename,
                                         static_cast<double>(timestamp) / 1000000.0));
        }
    }
    return true;
}

bool OpenChosenStreams(TCustomPlayer& player, TVideoState& is) {
    const TPlayerOptions& o = player.Options();
    AVFormatContext* ic = is.ic.get();
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        ic->streams[i]->discard = AVDISCARD_ALL;
    const int audio =
        o.audio_disable ? -1
                        : ChooseStream(ic, AVMEDIA_TYPE_AUDIO, o.WantedStream(AVMEDIA_TYPE_AUDIO));
    const int video =
        o.video_disable ? -1
                        : ChooseStream(ic, AVMEDIA_TYPE_VIDEO, o.WantedStream(AVMEDIA_TYPE_VIDEO));
    const int subtitle = o.video_disable ? -1
                                         : ChooseStream(ic, AVMEDIA_TYPE_SUBTITLE,
                                                        o.WantedStream(AVMEDIA_TYPE_SUBTITLE));
    if (audio >= 0) OpenStreamComponent(player, is, audio);
    if (video >= 0) OpenStreamComponent(player, is, video);
    if (is.video_stream < 0 && !o.display_disable) is.show_audio = saRDFT;
    if (subtitle >= 0) OpenStreamComponent(player, is, subtitle);
    if (is.video_stream < 0 && is.audio_stream < 0) {
        player.ReportError(Format("%s: could not open codecs, no stream to play.", is.filename),
                           true);
        return false;
    }
    return true;
}

void DoSeek(TCustomPlayer& player, TVideoState& is, bool& eof) {
    AVFormatContext* ic = is.ic.get();
    const int64_t target = is.seek_pos;
    const int64_t minTs =
        is.seek_rel > 0 ? target - is.seek_rel + 2 : std::numeric_limits<int64_t>::min();
    const int64_t maxTs =
        is.seek_rel < 0 ? target - is.seek_rel - 2 : std::numeric_limits<int64_t>::max();
    int ret = av::avformat_seek_file(ic, -1, minTs, target, maxTs, is.seek_flags);
    if (ret < 0) ret = av::av_seek_frame(ic, -1, target, is.seek_flags);
    if (ret < 0) ret = av::av_seek_frame(ic, -1, target, is.seek_flags ^ AVSEEK_FLAG_BACKWARD);
    if (ret < 0) {
        player.Log(llError, Format("%s: error while seeking", is.filename));
        if (is.video_stream >= 0) player.PictEvent().SetEvent();
    } else {
        const AVPacket* flush = player.FlushPacket();
        if (is.audio_stream >= 0) {
            is.audioq.Flush();
            is.audioq.Put(flush, flush);
        }
        if (is.subtitle_stream >= 0) {
            is.subtitleq.Flush();
            is.subtitleq.Put(flush, flush);
        }
        if (is.video_stream >= 0) {
            // The clock tells the time before the seek until a picture after it is shown.
            is.video_clock_stale = 1;
            is.seek_flushed = 0;
            is.videoq.Flush();
            is.videoq.Put(flush, flush);
            player.PictEvent().ResetEvent();
        }
    }
    is.ErrorEOF = 0;
    is.ReachEOF = 0;
    ++is.seek_count;
    // Done before the request goes: a position taken in between would pass as after the seek.
    is.seek_done = 1;
    is.seek_req = 0;
    player.SeekEvent().SetEvent();
    if (is.video_stream < 0) player.SetSeeking(false);
    eof = false;
}

bool QueuesFull(const TVideoState& is) {
    if (is.audioq.Size() + is.videoq.Size() + is.subtitleq.Size() > MaxQueueSize) return true;
    const bool wantsAudio = is.audio_stream >= 0 && is.audioq.Size() <= MinAudioQueueSize;
    const bool wantsVideo = is.video_stream >= 0 && is.videoq.NbPackets() <= MinFrames;
    const bool wantsSubtitle = is.subtitle_stream >= 0 && is.subtitleq.NbPackets() <= MinFrames;
    return !(wantsAudio || wantsVideo || wantsSubtitle);
}

void ReadLoop(TCustomPlayer& player, TVideoState& is) {
    AVFormatContext* ic = is.ic.get();
    PacketPtr pkt(av::av_packet_alloc());
    bool eof = false;
    while (is.abort_request.load() == 0) {
        if (is.paused.load() != is.last_paused.load()) {
            is.last_paused = is.paused.load();
            if (is.paused.load()) {
                is.read_pause_return = av::av_read_pause(ic);
            } else {
                av::av_read_play(ic);
            }
        }
        if (is.seek_req.load()) DoSeek(player, is, eof);
        if (QueuesFull(is)) {
            std::this_thread::sleep_for(10ms);
            continue;
        }
        if (eof || (ic->pb && av::avio_feof(ic->pb))) {
            if (is.video_stream >= 0) {
                PacketPtr end(av::av_packet_alloc());
                end->stream_index = is.video_stream;
                is.videoq.Put(end.get(), nullptr);
                player.PictEvent().SetEvent();
            }
            std::this_thread::sleep_for(10ms);
            if (is.audioq.Size() + is.videoq.Size() + is.subtitleq.Size() == 0) is.ReachEOF = 1;
            continue;
        }
        is.Reading = 1;
        const int ret = av::av_read_frame(ic, pkt.get());
        is.Reading = 0;
        if (is.abort_request.load()) break;
        if (ret == AVERROR(EAGAIN)) {
            std::this_thread::sleep_for(10ms);
            continue;
        }
        if (ret < 0) {
            if (is.video_stream >= 0) player.PictEvent().SetEvent();
            if (!is.ErrorEOF.load() && !is.IsImage2.load()) {
                is.ErrorEOF = 1;
                if (ret == AVERROR_EOF) {
                    player.Log(llInfo, Format("reach end of file: %s", is.filename));
                } else {
                    player.ReportError(Format("error #%d while reading file: %s", ret, is.filename),
                                       false);
                }
            }
            if (ret == AVERROR_EOF) eof = true;
            if (ic->pb && ic->pb->error) break;
            if (!eof) std::this_thread::sleep_for(100ms);
            continue;
        }
        is.last_pos = pkt->pos;
        if (pkt->stream_index == is.audio_stream) {
            is.audioq.PutMoved(pkt.get());
        } else if (pkt->stream_index == is.video_stream) {
            is.videoq.PutMoved(pkt.get());
        } else if (pkt->stream_index == is.subtitle_stream) {
            is.subtitleq.PutMoved(pkt.get());
        }
        av::av_packet_unref(pkt.get());
    }
    while (is.abort_request.load() == 0)
        std::this_thread::sleep_for(10ms);
}

void ReadThreadProc(TCustomPlayer& player, TVideoState& is) {
    is.video_stream = is.audio_stream = is.subtitle_stream = -1;
    int failed = 1;
    try {
        if (OpenInput(player, is) && OpenChosenStreams(player, is)) {
            is.Opened = 1;
            ReadLoop(player, is);
            failed = 0;
        }
    } catch (const std::exception& e) {
        player.ReportError(e.what(), is.Opened.load() == 0);
    }
    FinishOpen(player, is, failed);
}

} // namespace

bool OpenStream(TCustomPlayer& player, const std::string& filename, const AVInputFormat* iformat,
                bool paused) {
    auto playback = std::make_unique<TVideoState>();
    TVideoState& is = *playback;
    is.Owner = &player;
    if (paused) {
        is.paused = 1;
        is.open_paused = 1;
        player.SetStepping(false);
    }
    is.filename = filename;
    is.iformat = iformat;
    is.av_sync_type = player.Options().av_sync_type;
    try {
        is.read_tid = std::thread([&player, &is] { ReadThreadProc(player, is); });
    } catch (const std::system_error&) {
        player.ReportError("SDL_CreateThread() failed.", true);
        return false;
    }
    while (is.Opened.load() == 0)
        WaitStep(10ms);
    if (is.Opened.load() > 0) {
        if (is.video_stream < 0 && !player.Options().display_disable)
            is.show_audio = player.ShowAudio();
        is.refresh_tid = std::thread([&is] { RefreshThreadProc(is); });
        player.AdoptPlayback(std::move(playback));
        return true;
    }
    while (is.Opened.load() == -1)
        WaitStep(10ms);
    is.abort_request = 1;
    is.read_tid.join();
    playback.reset();
    player.ResetPlaybackState();
    return false;
}

int OpenStreamComponent(TCustomPlayer& player, TVideoState& is, int index) {
    AVFormatContext* ic = is.ic.get();
    if (!ic || index < 0 || index >= static_cast<int>(ic->nb_streams)) return -1;
    AVStream* st = ic->streams[index];
    CodecContextPtr ctx(av::avcodec_alloc_context3(nullptr));
    if (!ctx || av::avcodec_parameters_to_context(ctx.get(), st->codecpar) < 0) return -1;
    ctx->pkt_timebase = st->time_base;
    SetDecoderOptions(ctx.get(), player.Options());
    {
        std::lock_guard lock(CodecLock());
        const AVCodec* codec = av::avcodec_find_decoder(ctx->codec_id);
        if (!codec || av::avcodec_open2(ctx.get(), codec, nullptr) < 0) {
            player.ReportError("avcodec_open() failed.", false);
            return -1;
        }
    }
    if (ctx->codec_type == AVMEDIA_TYPE_AUDIO && !OpenAudioDevice(player, is, ctx.get())) {
        std::lock_guard lock(CodecLock());
        ctx.reset();
        return -1;
    }
    st->discard = AVDISCARD_DEFAULT;
    switch (ctx->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        is.audio_stream = index;
        is.audio_st = st;
        is.audio_ctx = std::move(ctx);
        is.AudioDuration = st->duration != AV_NOPTS_VALUE
                               ? av::av_rescale_q(st->duration, st->time_base, { 1, 1000000 })
                               : -1;
        is.audio_buf_size = 0;
        is.audio_buf_index = 0;
        ResetAudioSync(is, is.audio_sample_rate);
        StartQueue(player, is.audioq);
        is.audio_open = true;
        sdl::SDL_PauseAudio(0);
        break;
    case AVMEDIA_TYPE_VIDEO:
        is.video_stream = index;
        is.video_st = st;
        is.video_ctx = std::move(ctx);
        StartQueue(player, is.videoq);
        is.video_tid = std::thread([&is] { VideoThreadProc(is); });
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is.subtitle_stream = index;
        is.subtitle_st = st;
        is.subtitle_ctx = std::move(ctx);
        StartQueue(player, is.subtitleq);
        is.subtitle_tid = std::thread([&is] { SubtitleThreadProc(is); });
        break;
    default:
        break;
    }
    return 0;
}

void CloseStreamComponent(TVideoState& is, int index) {
    AVFormatContext* ic = is.ic.get();
    if (!ic || index < 0 || index >= static_cast<int>(ic->nb_streams)) return;
    if (index == is.video_stream) {
        is.videoq.Abort();
        { std::lock_guard lock(is.pictq_mutex); }
        is.pictq_cond.notify_all();
        if (is.video_tid.joinable()) is.video_tid.join();
        is.videoq.Flush();
        std::lock_guard lock(CodecLock());
        is.video_ctx.reset();
        is.video_st = nullptr;
        is.video_stream = -1;
    } else if (index == is.audio_stream) {
        is.audioq.Abort();
        if (is.audio_open.exchange(false)) sdl::SDL_CloseAudio();
        is.audioq.Flush();
        is.swr_ctx.reset();
        is.audio_src_fmt = -1;
        std::lock_guard lock(CodecLock());
        is.audio_ctx.reset();
        is.audio_st = nullptr;
        is.audio_stream = -1;
        is.AudioDuration = -1;
    } else if (index == is.subtitle_stream) {
        is.subtitleq.Abort();
        {
            std::lock_guard lock(is.subpq_mutex);
            is.subtitle_stream_changed = 1;
        }
        is.subpq_cond.notify_all();
        if (is.subtitle_tid.joinable()) is.subtitle_tid.join();
        is.subtitleq.Flush();
        std::lock_guard lock(CodecLock());
        is.subtitle_ctx.reset();
        is.subtitle_st = nullptr;
        is.subtitle_stream = -1;
    }
    ic->streams[index]->discard = AVDISCARD_ALL;
}

bool SelectStream(TCustomPlayer& player, TVideoState& is, int type, int index) {
    int current = -1;
    switch (type) {
    case AVMEDIA_TYPE_VIDEO:
        current = is.video_stream;
        break;
    case AVMEDIA_TYPE_AUDIO:
        current = is.audio_stream;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        current = is.subtitle_stream;
        break;
    default:
        player.ReportError("the stream type is invalid.", true);
        return false;
    }
    const int lowest = type == AVMEDIA_TYPE_SUBTITLE ? -1 : 0;
    AVFormatContext* ic = is.ic.get();
    if (current < lowest) {
        player.ReportError("the current stream is not valid.", true);
        return false;
    }
    if (index < lowest || !ic || index >= static_cast<int>(ic->nb_streams)) {
        player.ReportError("the stream index is not valid.", true);
        return false;
    }
    if (index == current) return true;
    if (index >= 0) {
        const AVCodecParameters* par = ic->streams[index]->codecpar;
        if (par->codec_type != type) {
            player.ReportError("the stream type is not matched.", true);
            return false;
        }
        if (type == AVMEDIA_TYPE_AUDIO &&
            (par->sample_rate == 0 || par->ch_layout.nb_channels == 0)) {
            player.ReportError("the audio stream is not invalid.", true);
            return false;
        }
    }
    if (current >= 0) CloseStreamComponent(is, current);
    if (index >= 0) OpenStreamComponent(player, is, index);
    return true;
}

void RequestSeek(TCustomPlayer& player, TVideoState& is, int flags, bool wait, int64_t rel,
                 int64_t pos) {
    {
        std::lock_guard lock(is.seek_mutex);
        if (is.seek_req.load()) return;
        player.SetSeeking(true);
        is.seek_paused = is.paused.load();
        is.seek_pos = pos;
        is.seek_rel = rel;
        is.seek_flags = flags;
        player.SeekEvent().ResetEvent();
        is.seek_req = 1;
    }
    if (!wait) return;
    WaitForEvent(player.SeekEvent());
    if (is.video_stream >= 0) WaitForEvent(player.PictEvent());
}

void PostPlayerEvent(int type, TVideoState* is) {
    PushEvent(static_cast<Uint8>(type), is);
}

int64_t SeekPosition(int64_t pts, int64_t duration, int64_t startTime) {
    return (duration > 0 ? std::min(pts, duration) : pts) + startTime;
}

void PostQuitEvent(TVideoState* is) {
    PushEvent(FF_QUIT_EVENT, is);
}

void PostReopenEvent(TVideoState* is) {
    PushEvent(FF_REOPEN_EVENT, is);
}

void CloseStream(TVideoState& is) {
    is.abort_request = 1;
    if (is.read_tid.joinable()) is.read_tid.join();
    if (is.refresh_tid.joinable()) is.refresh_tid.join();
    for (auto& vp : is.pictq) {
        if (vp.picref) av::av_frame_unref(vp.picref.get());
        if (vp.bmp) {
            sdl::SDL_FreeYUVOverlay(vp.bmp);
            vp.bmp = nullptr;
        }
    }
    is.shown_picture.reset();
}

void ClosePlayback(TCustomPlayer& player) {
    if (std::unique_ptr<TVideoState> playback = player.ReleasePlayback()) {
        CloseStream(*playback);
        playback.reset();
        player.ResetPlaybackState();
    }
    if (sdl::SDL_Quit) sdl::SDL_Quit();
}
