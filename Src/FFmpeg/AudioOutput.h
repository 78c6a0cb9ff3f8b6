#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/AudioFormatChoice.h"

#include <cstdint>
#include <functional>
#include <memory>

class TObject;
struct TTranscoderOptions;

// The transcoder options the audio output of a stream reads.
struct TAudioOutputSettings {
    // 0: the output clock follows the input clock; 1: drop or insert samples when the drift
    // passes the threshold; more than 1: also stretch by at most that many samples per frame.
    int SyncMethod{ 0 };
    float DriftThreshold{ 0.1f }; // seconds
    int Volume{ 256 };            // 256 = unchanged
    int Verbose{ 1 };
    bool ExitOnError{ false };
    std::int64_t StartTime{ 0 }; // microseconds
    TObject* LogSender{ nullptr };

    static TAudioOutputSettings From(const TTranscoderOptions& options, TObject* logSender);
};

// Turns the decoded audio of one input stream into the packets of one encoded output stream:
// converts format, rate and channel layout to the encoder's, keeps the output in step with the
// input clock, applies the volume, cuts the encoder's frame size and encodes.
//
//   TAudioOutput out(TAudioOutputSettings::From(options, this), *dec, *enc,
//                    [&](AVPacket& pkt) { /* rescale from enc->time_base, set stream_index,
//                                            count pkt.size, write */ });
//   for each decoded frame:  out.Write(*frame, ist.pts, ist.is_start);
//   at the end of the input: out.Flush();
//
// Packets reach OnPacket with pts, dts and duration in the encoder's time base; the callback may
// take the packet's reference (av_packet_move_ref). The decoded frames must not have had the
// volume applied: this class applies it after conversion, in the encoder's sample format.
// Failures raise FFmpegException. Everything runs on the conversion thread.
class TAudioOutput {
public:
    using TPacketEvent = std::function<void(AVPacket& packet)>;

    // The encoder must be open and outlive this object; of the decoder only its sample format,
    // rate and layout are kept, for frames that leave them unset.
    TAudioOutput(const TAudioOutputSettings& settings, const AVCodecContext& decoder,
                 AVCodecContext& encoder, TPacketEvent onPacket);
    ~TAudioOutput();
    TAudioOutput(const TAudioOutput&) = delete;
    TAudioOutput& operator=(const TAudioOutput&) = delete;

    // One decoded frame. inputPts is the input stream's clock at the frame's start, in
    // microseconds (the missing-time marker skips the clock keeping); isStart is the input
    // stream's flag, cleared once samples have been dropped or inserted.
    void Write(const AVFrame& frame, std::int64_t inputPts, int& isStart);
    // Encodes what the resampler and the FIFO still hold (a short or silence-padded last
    // frame, as the encoder allows) and drains the encoder. Later calls do nothing.
    void Flush();

    // Output samples handed to the encoder so far (the output stream's sync_opts); joined
    // inputs carry it on from one group's output to the next.
    std::int64_t SyncOpts() const { return FSyncOpts; }
    void SetSyncOpts(std::int64_t value) { FSyncOpts = value; }
    // Samples waiting for a full encoder frame.
    int Buffered() const;

private:
    struct TState;
    std::int64_t FSyncOpts{ 0 };
    std::unique_ptr<TState> FState;
};
