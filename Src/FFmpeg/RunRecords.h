#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/AudioOutput.h"
#include "Src/FFmpeg/MuxTimestamps.h"
#include "Src/FFmpeg/TranscodeFilterGraph.h"
#include "Src/FFmpeg/TranscoderFiles.h"
#include "Src/SwScaleStubs.h"

#include <cstdint>
#include <cstdio>
#include <memory>

// The records of one transcoding run: one per input file, input stream and output stream. They
// point into the file tables (which own streams and codec contexts) and own what only the run
// needs: scalers, pictures, filter graphs, audio outputs, bitstream filters and pass-1 logs.

struct TAVInputFile {
    bool eof_reached{ false };
    // The file stops inside a packet (cut short), and whether that was said.
    bool ended_early{ false };
    bool early_end_reported{ false };
    // Position of the file's first stream in the input-stream table.
    int ist_index{ 0 };
    // The file's stream count when the run started.
    int nb_streams{ 0 };
};

struct TAVInputStream {
    AVCodecContext* Decoder() const { return Record->Context.get(); }

    int file_index{ 0 };
    int index{ 0 };
    AVStream* st{ nullptr };
    TInputStreamCodec* Record{ nullptr };
    // True while no output stream has chosen this stream.
    bool discard{ true };
    bool decoding_needed{ false };
    bool decoder_open{ false };
    // Wall clock when the tables were built, for rate emulation.
    std::int64_t start{ 0 };
    // Time of the next decoded data and of the data being handled, microseconds.
    std::int64_t next_pts{ AV_NOPTS_VALUE };
    std::int64_t pts{ 0 };
    int is_start{ 1 };
    bool showed_multi_packet_warning{ false };
    bool is_past_recording_time{ false };
    bool decoder_flushed{ false };
    // The decoder got its end (a null packet) and gives nothing more until flushed.
    bool decoder_drained{ false };
    // End of the latest packet read, microseconds on the file's own clock (before its offset).
    std::int64_t last_end{ AV_NOPTS_VALUE };
    float quality{ 0.0f };
    FramePtr Frame;
};

struct TFileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using CFilePtr = std::unique_ptr<std::FILE, TFileClose>;

struct TAVOutputStream {
    // In join mode the streams of later groups encode through the group-0 record.
    TAVOutputStream& Owner() { return EncoderOwner ? *EncoderOwner : *this; }
    AVCodecContext* Encoder() { return Owner().Record->Context.get(); }
    // The media type given when the stream was created; the stream's parameters carry it only
    // once the encoder is open or the copy is set up.
    AVMediaType Type() const { return Record->Context->codec_type; }

    int file_index{ 0 };
    int index{ 0 };
    int source_index{ 0 };
    AVStream* st{ nullptr };
    AVFormatContext* oc{ nullptr };
    TOutputStreamCodec* Record{ nullptr };
    TAVOutputStream* EncoderOwner{ nullptr };
    bool encoding_needed{ false };
    int frame_number{ 0 };
    TAVInputStream* sync_ist{ nullptr };
    // Output time in the encoder's time base (video frames).
    std::int64_t sync_opts{ 0 };

    bool video_resample{ false };
    FramePtr pict_tmp;
    SwsContextPtr img_resample_ctx;
    int resample_height{ 0 };
    int resample_width{ 0 };
    AVPixelFormat resample_pix_fmt{ AV_PIX_FMT_NONE };
    int original_height{ 0 };
    int original_width{ 0 };
    bool video_crop{ false };
    int topBand{ 0 }, bottomBand{ 0 }, leftBand{ 0 }, rightBand{ 0 };
    int original_topBand{ 0 }, original_bottomBand{ 0 }, original_leftBand{ 0 },
        original_rightBand{ 0 };
    std::unique_ptr<TTranscodeFilterGraph> Graph;
    // Size and format of the pictures the graph was built for.
    int GraphWidth{ 0 }, GraphHeight{ 0 };
    int GraphFormat{ AV_PIX_FMT_NONE };

    std::unique_ptr<TAudioOutput> Audio;
    CFilePtr logfile;
    AVCodecID codec_id{ AV_CODEC_ID_NONE };
    bool show_fps{ true };
    BsfContextPtr Bitstream;
    // The encoder got its end and gives nothing more.
    bool encoder_drained{ false };

    // End of the last written packet, seconds: the output clock of the stream.
    double EndTime{ 0.0 };
    // The order of the time stamps written so far.
    TMuxTimestamps MuxOrder;
    // What the encoder reported of its last packet: quality (lambda), picture type, errors.
    int LastQuality{ -1 };
    int LastPictType{ 0 };
    std::uint64_t LastError[4]{};
};
