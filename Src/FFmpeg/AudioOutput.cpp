#include "Src/FFmpeg/AudioOutput.h"

#include "Src/FFmpeg/AudioVolume.h"
#include "Src/FFmpeg/CLocaleScope.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/TranscoderOptions.h"
#include "Src/FFmpegLogger.h"
#include "Src/SwResampleStubs.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <cmath>
#include <vector>

TAudioOutputSettings TAudioOutputSettings::From(const TTranscoderOptions& options,
                                                TObject* logSender) {
    TAudioOutputSettings settings;
    settings.SyncMethod = options.Faudio_sync_method;
    settings.DriftThreshold = options.Faudio_drift_threshold;
    settings.Volume = options.Faudio_volume;
    settings.Verbose = options.Fverbose;
    settings.ExitOnError = options.Fexit_on_error;
    settings.StartTime = options.Fstart_time;
    settings.LogSender = logSender;
    return settings;
}

namespace {

// Inserted silence goes through the converter in pieces of at most this many input samples, so
// a long gap in the input clock never needs one buffer of its whole length.
constexpr int kSilenceChunk = 8192;
// The converter's output may exceed the rate ratio by its stretch and rounding.
constexpr int kConvertMargin = 64;

bool IsPlanar(AVSampleFormat format) {
    return (format >= AV_SAMPLE_FMT_U8P && format <= AV_SAMPLE_FMT_DBLP) ||
           format == AV_SAMPLE_FMT_S64P;
}

std::string SampleFormatName(AVSampleFormat format) {
    const char* name = av::av_get_sample_fmt_name(format);
    return name ? name : "none";
}

// Owns an AVChannelLayout; a layout with only a channel count becomes the default layout of that
// count, which is what the converter needs to map channels.
class TChannelLayout {
public:
    TChannelLayout() = default;
    ~TChannelLayout() { av::av_channel_layout_uninit(&FLayout); }
    TChannelLayout(const TChannelLayout&) = delete;
    TChannelLayout& operator=(const TChannelLayout&) = delete;

    void Assign(const AVChannelLayout& layout) {
        av::av_channel_layout_uninit(&FLayout);
        if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av::av_channel_layout_default(&FLayout, layout.nb_channels);
        else if (av::av_channel_layout_copy(&FLayout, &layout) < 0)
            throw FFmpegException("Out of memory in do_audio_out");
    }
    bool Equals(const AVChannelLayout& layout) const {
        if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
            return FLayout.nb_channels == layout.nb_channels && IsDefault();
        return av::av_channel_layout_compare(&FLayout, &layout) == 0;
    }
    const AVChannelLayout& Get() const { return FLayout; }
    int Channels() const { return FLayout.nb_channels; }

private:
    bool IsDefault() const {
        AVChannelLayout standard{};
        av::av_channel_layout_default(&standard, FLayout.nb_channels);
        const bool same = av::av_channel_layout_compare(&FLayout, &standard) == 0;
        av::av_channel_layout_uninit(&standard);
        return same;
    }

    AVChannelLayout FLayout{};
};

void AllocateSamples(AVFrame& frame, AVSampleFormat format, const AVChannelLayout& layout, int rate,
                     int samples) {
    av::av_frame_unref(&frame);
    frame.format = format;
    frame.sample_rate = rate;
    frame.nb_samples = samples;
    if (av::av_channel_layout_copy(&frame.ch_layout, &layout) < 0 ||
        av::av_frame_get_buffer(&frame, 0) < 0)
        throw FFmpegException("Out of memory in do_audio_out");
}

} // namespace

struct TAudioOutput::TState {
    TState(const TAudioOutputSettings& settings, const AVCodecContext& decoder,
           AVCodecContext& encoder, TPacketEvent onPacket, std::int64_t& syncOpts);

    void Write(const AVFrame& frame, std::int64_t inputPts, int& isStart);
    void Flush();
    int Buffered() const { return Fifo ? av::av_audio_fifo_size(Fifo.get()) : 0; }

private:
    void Prepare(AVSampleFormat format, int rate, const AVChannelLayout& layout);
    void CreateConverter(AVSampleFormat format, int rate, const AVChannelLayout& layout);
    int KeepClock(std::int64_t inputPts, int samples, int& isStart);
    void InsertSilence(std::int64_t samples);
    bool Convert(const std::uint8_t** input, int samples);
    void Queue(int samples);
    void EncodeFifo(int samples, bool padded);
    void Encode(AVFrame* frame);
    void ReceivePackets();
    void Log(TLogLevel level, const std::string& message) const {
        GlobalLogger().Log(Settings.LogSender, level, message);
    }

public:
    TAudioOutputSettings Settings;
    // What the decoder gives, for frames that leave a field unset; copied because joined inputs
    // may free their decoders before the output ends.
    AVSampleFormat DecFormat{ AV_SAMPLE_FMT_NONE };
    int DecRate{ 0 };
    TChannelLayout DecLayout;
    AVCodecContext& Enc;
    TPacketEvent OnPacket;
    std::int64_t& SyncOpts;

    int EncRate{ 0 };
    TChannelLayout EncLayout;
    int FrameSize{ 0 }; // 0: one encoder frame per conversion

    SwrContextPtr Swr;
    AVSampleFormat InFormat{ AV_SAMPLE_FMT_NONE };
    int InRate{ 0 };
    TChannelLayout InLayout;

    AudioFifoPtr Fifo;
    FramePtr Converted;
    int ConvertedCapacity{ 0 };
    FramePtr EncFrame;
    PacketPtr Packet;
    bool Flushed{ false };
};

TAudioOutput::TState::TState(const TAudioOutputSettings& settings, const AVCodecContext& decoder,
                             AVCodecContext& encoder, TPacketEvent onPacket, std::int64_t& syncOpts)
    : Settings(settings), DecFormat(decoder.sample_fmt), DecRate(decoder.sample_rate), Enc(encoder),
      OnPacket(std::move(onPacket)), SyncOpts(syncOpts) {
    if (decoder.ch_layout.nb_channels > 0) DecLayout.Assign(decoder.ch_layout);
    EncRate = Enc.sample_rate;
    EncLayout.Assign(Enc.ch_layout);
    if (EncRate <= 0 || EncLayout.Channels() <= 0)
        throw FFmpegException(Format("Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
                                     DecLayout.Channels(), DecRate, EncLayout.Channels(), EncRate));
    if (Enc.frame_size > 1) FrameSize = Enc.frame_size;
    Converted.reset(av::av_frame_alloc());
    EncFrame.reset(av::av_frame_alloc());
    Packet.reset(av::av_packet_alloc());
    if (!Converted || !EncFrame || !Packet) throw FFmpegException("Out of memory in do_audio_out");
    if (FrameSize > 0) {
        Fifo.reset(av::av_audio_fifo_alloc(Enc.sample_fmt, EncLayout.Channels(), FrameSize));
        if (!Fifo) throw FFmpegException("av_fifo_alloc fail");
        AllocateSamples(*EncFrame, Enc.sample_fmt, EncLayout.Get(), EncRate, FrameSize);
    }
}

void TAudioOutput::TState::Prepare(AVSampleFormat format, int rate, const AVChannelLayout& layout) {
    if (Swr && format == InFormat && rate == InRate && InLayout.Equals(layout)) return;
    // A decoder may change its output mid-stream: what the old converter still holds belongs
    // before the new data.
    if (Swr) {
        while (Convert(nullptr, 0) && ConvertedCapacity > 0 && Converted->nb_samples > 0) {}
    }
    CreateConverter(format, rate, layout);
}

void TAudioOutput::TState::CreateConverter(AVSampleFormat format, int rate,
                                           const AVChannelLayout& layout) {
    Swr.reset();
    InFormat = format;
    InRate = rate;
    InLayout.Assign(layout);
    SwrContext* raw = nullptr;
    // The library accepts an unknown input format here and divides by its sample size later.
    int result = format <= AV_SAMPLE_FMT_NONE || format >= AV_SAMPLE_FMT_NB || rate <= 0 ||
                         InLayout.Channels() <= 0
                     ? AVERROR(EINVAL)
                     : 0;
    // The library takes the layouts as non-const but only reads them.
    if (result >= 0)
        result = av::swr_alloc_set_opts2(
            &raw, const_cast<AVChannelLayout*>(&EncLayout.Get()), Enc.sample_fmt, EncRate,
            const_cast<AVChannelLayout*>(&InLayout.Get()), format, rate, 0, nullptr);
    Swr.reset(raw);
    if (result >= 0 && !raw) result = AVERROR(ENOMEM);
    if (result >= 0) {
        // The resampler's filter: 16 taps, 1024 phases, no interpolation, cut off at 0.8.
        TCLocaleScope cLocale;
        av::av_opt_set_int(raw, "filter_size", 16, 0);
        av::av_opt_set_int(raw, "phase_shift", 10, 0);
        av::av_opt_set_int(raw, "linear_interp", 0, 0);
        av::av_opt_set(raw, "cutoff", "0.8", 0);
        // Stretching needs the resampler even when the rates agree.
        if (Settings.SyncMethod > 1) av::av_opt_set_int(raw, "flags", SWR_FLAG_RESAMPLE, 0);
        result = av::swr_init(raw);
    }
    if (result < 0) {
        Swr.reset();
        if (rate == EncRate && InLayout.Channels() == EncLayout.Channels())
            throw FFmpegException(Format("Cannot convert %s sample format to %s sample format",
                                         SampleFormatName(format),
                                         SampleFormatName(Enc.sample_fmt)));
        throw FFmpegException(Format("Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
                                     InLayout.Channels(), rate, EncLayout.Channels(), EncRate));
    }
}

void TAudioOutput::TState::Write(const AVFrame& frame, std::int64_t inputPts, int& isStart) {
    if (Flushed || frame.nb_samples <= 0 || !frame.extended_data) return;
    const AVSampleFormat format = frame.format >= 0 ? AVSampleFormat(frame.format) : DecFormat;
    const int rate = frame.sample_rate > 0 ? frame.sample_rate : DecRate;
    const AVChannelLayout& layout =
        frame.ch_layout.nb_channels > 0 ? frame.ch_layout : DecLayout.Get();
    Prepare(format, rate, layout);

    const int samples = frame.nb_samples;
    const int skip = KeepClock(inputPts, samples, isStart);
    if (skip >= samples) return;

    const int bytes = av::av_get_bytes_per_sample(format);
    const bool planar = IsPlanar(format);
    const int channels = InLayout.Channels();
    std::vector<const std::uint8_t*> input(planar ? channels : 1);
    for (std::size_t p = 0; p < input.size(); ++p)
        input[p] = frame.extended_data[p] + std::size_t(skip) * bytes * (planar ? 1 : channels);
    Convert(input.data(), samples - skip);
}

// Returns how many of the call's input samples to drop.
int TAudioOutput::TState::KeepClock(std::int64_t inputPts, int samples, int& isStart) {
    if (inputPts == AV_NOPTS_VALUE) return 0;
    const double ipts = double(inputPts - Settings.StartTime) / 1000000.0;
    const std::int64_t waiting = Buffered();
    if (Settings.SyncMethod == 0) {
        SyncOpts = std::llrint(ipts * EncRate) - waiting;
        return 0;
    }
    const double delta = ipts * EncRate - double(SyncOpts) - double(waiting);
    if (std::fabs(delta) <= 50) return 0;
    const auto inputDelta = std::int64_t(delta * InRate / EncRate);
    if (isStart || std::fabs(delta) > Settings.DriftThreshold * EncRate) {
        if (inputDelta < 0) {
            const int drop = int(std::min<std::int64_t>(-inputDelta, samples));
            if (Settings.Verbose > 2)
                Log(llVerbose, Format("discarding %d audio samples", std::int64_t(-delta)));
            if (drop < samples) isStart = 0;
            return drop;
        }
        isStart = 0;
        InsertSilence(inputDelta);
        if (Settings.Verbose > 2)
            Log(llVerbose, Format("adding %d audio samples of silence", std::int64_t(delta)));
        return 0;
    }
    if (Settings.SyncMethod > 1) {
        const int compensation =
            int(std::clamp<double>(std::trunc(delta), -Settings.SyncMethod, Settings.SyncMethod));
        if (Settings.Verbose > 2)
            Log(llVerbose, Format("compensating audio timestamp drift:%f compensation:%d in:%d",
                                  delta, compensation, EncRate));
        Assert(av::swr_set_compensation(Swr.get(), compensation, EncRate) >= 0);
    }
    return 0;
}

void TAudioOutput::TState::InsertSilence(std::int64_t samples) {
    if (samples <= 0) return;
    FramePtr silence(av::av_frame_alloc());
    if (!silence) throw FFmpegException("Out of memory in do_audio_out");
    const int chunk = int(std::min<std::int64_t>(samples, kSilenceChunk));
    AllocateSamples(*silence, InFormat, InLayout.Get(), InRate, chunk);
    av::av_samples_set_silence(silence->extended_data, 0, chunk, InLayout.Channels(), InFormat);
    for (std::int64_t left = samples; left > 0; left -= chunk) {
        const int now = int(std::min<std::int64_t>(left, chunk));
        if (!Convert(const_cast<const std::uint8_t**>(silence->extended_data), now)) return;
    }
}

// Converts into Converted and queues the result; input null drains the converter. False when a
// failed conversion ended the call.
bool TAudioOutput::TState::Convert(const std::uint8_t** input, int samples) {
    const std::int64_t pending = av::swr_get_delay(Swr.get(), InRate) + samples;
    const auto needed =
        int(std::min<std::int64_t>(av::av_rescale_rnd(pending, EncRate, InRate, AV_ROUND_UP) +
                                       kConvertMargin + std::max(Settings.SyncMethod, 0),
                                   std::int64_t(1) << 24));
    if (needed > ConvertedCapacity) {
        AllocateSamples(*Converted, Enc.sample_fmt, EncLayout.Get(), EncRate, needed);
        ConvertedCapacity = needed;
    }
    Converted->nb_samples = ConvertedCapacity;
    // The encoder may still hold a reference to the last frame it was given.
    if (av::av_frame_make_writable(Converted.get()) < 0)
        throw FFmpegException("Out of memory in do_audio_out");
    const int produced =
        av::swr_convert(Swr.get(), Converted->extended_data, ConvertedCapacity, input, samples);
    if (produced < 0) {
        Converted->nb_samples = 0;
        if (Settings.ExitOnError) throw FFmpegException("av_audio_convert() failed");
        Log(llError, "av_audio_convert() failed");
        return false;
    }
    Converted->nb_samples = produced;
    if (produced == 0) return true;
    ApplyAudioVolume(Converted->extended_data, Enc.sample_fmt, EncLayout.Channels(), produced,
                     Settings.Volume);
    Queue(produced);
    return true;
}

void TAudioOutput::TState::Queue(int samples) {
    if (FrameSize == 0) {
        Encode(Converted.get());
        return;
    }
    if (av::av_audio_fifo_write(Fifo.get(), reinterpret_cast<void**>(Converted->extended_data),
                                samples) < samples)
        throw FFmpegException("av_fifo_realloc2() failed");
    while (Buffered() >= FrameSize)
        EncodeFifo(FrameSize, false);
}

// Reads samples from the FIFO into one encoder frame; padded fills it up to the frame size with
// silence.
void TAudioOutput::TState::EncodeFifo(int samples, bool padded) {
    EncFrame->nb_samples = FrameSize;
    if (av::av_frame_make_writable(EncFrame.get()) < 0)
        throw FFmpegException("Out of memory in do_audio_out");
    const int got = av::av_audio_fifo_read(
        Fifo.get(), reinterpret_cast<void**>(EncFrame->extended_data), samples);
    if (got < 0) throw FFmpegException("Audio encoding failed");
    if (padded && got < FrameSize) {
        av::av_samples_set_silence(EncFrame->extended_data, got, FrameSize - got,
                                   EncLayout.Channels(), Enc.sample_fmt);
        EncFrame->nb_samples = FrameSize;
    } else {
        EncFrame->nb_samples = got;
    }
    Encode(EncFrame.get());
}

void TAudioOutput::TState::Encode(AVFrame* frame) {
    if (frame) {
        const AVRational timeBase = Enc.time_base.num > 0 && Enc.time_base.den > 0
                                        ? Enc.time_base
                                        : AVRational{ 1, EncRate };
        frame->pts = av::av_rescale_q(SyncOpts, AVRational{ 1, EncRate }, timeBase);
        SyncOpts += frame->nb_samples;
    }
    const int result = av::avcodec_send_frame(&Enc, frame);
    if (result < 0 && result != AVERROR_EOF) {
        Log(llError, "Audio encoding failed");
        throw FFmpegException("Audio encoding failed");
    }
    ReceivePackets();
}

void TAudioOutput::TState::ReceivePackets() {
    for (;;) {
        const int result = av::avcodec_receive_packet(&Enc, Packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
        if (result < 0) {
            Log(llError, "Audio encoding failed");
            throw FFmpegException("Audio encoding failed");
        }
        if (OnPacket) OnPacket(*Packet);
        av::av_packet_unref(Packet.get());
    }
}

void TAudioOutput::TState::Flush() {
    if (Flushed) return;
    Flushed = true;
    if (Swr) {
        while (Convert(nullptr, 0) && Converted->nb_samples > 0) {}
    }
    if (const int rest = Buffered(); rest > 0) {
        const bool shortLast =
            Enc.codec && (Enc.codec->capabilities &
                          (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE));
        EncodeFifo(rest, !shortLast);
    }
    Encode(nullptr);
}

TAudioOutput::TAudioOutput(const TAudioOutputSettings& settings, const AVCodecContext& decoder,
                           AVCodecContext& encoder, TPacketEvent onPacket)
    : FState(std::make_unique<TState>(settings, decoder, encoder, std::move(onPacket), FSyncOpts)) {
}

TAudioOutput::~TAudioOutput() = default;

void TAudioOutput::Write(const AVFrame& frame, std::int64_t inputPts, int& isStart) {
    FState->Write(frame, inputPts, isStart);
}

void TAudioOutput::Flush() {
    FState->Flush();
}

int TAudioOutput::Buffered() const {
    return FState->Buffered();
}
