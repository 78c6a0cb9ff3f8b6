#pragma once
#include "Src/FFUtils/FFOptions.h"

extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
#include <libavutil/samplefmt.h>
}

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One entry of the "map" option: an input stream and the stream it keeps in sync with.
struct TAVStreamMap {
    int file_index{ 0 };
    int stream_index{ 0 };
    int sync_file_index{ 0 };
    int sync_stream_index{ 0 };
    bool operator==(const TAVStreamMap&) const = default;
};

// One entry of the "map_meta_data" option.
struct TAVMetaDataMap {
    int out_file{ 0 };
    int in_file{ 0 };
    bool operator==(const TAVMetaDataMap&) const = default;
};

using TQuantMatrix = std::array<std::uint16_t, 64>;

// Who takes a remembered private option: the encoder of the next stream of a kind, or the muxer
// of the next output file.
enum TPrivateOptionOwner { poVideoEncoder, poAudioEncoder, poSubtitleEncoder, poMuxer };

// An option that no generic context knows but some encoder or muxer does: 5.1 keeps such options
// in the codec's or muxer's own private object, so they wait here until that object exists.
struct TPrivateOption {
    TPrivateOptionOwner Owner{ poVideoEncoder };
    std::string Name;
    std::string Value;
    bool operator==(const TPrivateOption&) const = default;
};

// Indexes of the frame limits, the libraries' media type numbers.
enum TMaxFramesIndex { mfVideo = 0, mfAudio = 1, mfData = 2, mfSubtitle = 3 };

// The pending option state of a transcoder: what options set and opening files, creating streams
// and the run consume. The per-stream tables grow with the files, since 5.1 allows far more than
// the 20 streams the tables were once sized for. Texts the libraries will keep are copied into
// library memory where they are handed over, so they are plain strings here; an empty text is
// "none".
struct TTranscoderOptions {
    // Sets every option to its default. The pending metadata stays, as does the shape of the time
    // scale table, whose scales go back to 0 (no scaling).
    void InitDefaults();

    // The time-stamp scale of a stream of an input file; 0.0 when none was given.
    double InputTSScale(int fileIndex, int streamIndex) const;
    void SetInputTSScale(int fileIndex, int streamIndex, double scale);

    std::vector<std::vector<double>> Finput_files_ts_scale;
    int Fnb_input_files{ 0 };
    int Fnb_output_files{ 0 };
    std::vector<TAVStreamMap> Fstream_maps;
    std::vector<TAVMetaDataMap> Fmeta_data_maps;
    std::vector<int> Fstreamid_map;
    std::string Flast_asked_format;
    int Fframe_width{ 0 };
    int Fframe_height{ 0 };
    float Fframe_aspect_ratio{ 0.0f };
    AVPixelFormat Fframe_pix_fmt{ AV_PIX_FMT_NONE };
    AVSampleFormat Faudio_sample_fmt{ AV_SAMPLE_FMT_NONE };
    int Fframe_topBand{ 0 };
    int Fframe_bottomBand{ 0 };
    int Fframe_leftBand{ 0 };
    int Fframe_rightBand{ 0 };
    std::array<int, 4> Fmax_frames{ INT_MAX, INT_MAX, INT_MAX, INT_MAX };
    AVRational Fframe_rate{ 0, 0 };
    float Fvideo_qscale{ 0.0f };
    std::optional<TQuantMatrix> Fintra_matrix;
    std::optional<TQuantMatrix> Finter_matrix;
    std::string Fvideo_rc_override_string;
    bool Fvideo_disable{ false };
    int Fvideo_discard{ 0 };
    std::string Fvideo_codec_name;
    std::uint32_t Fvideo_codec_tag{ 0 };
    std::string Fvideo_language;
    bool Fsame_quality{ false };
    bool Fdo_deinterlace{ false };
    int Ftop_field_first{ -1 };
    int Fme_threshold{ 0 };
    int Fintra_dc_precision{ 8 };
    bool Floop_input{ false };
    int Floop_output{ -1 };
    bool Fqp_hist{ false };
    std::string Fvfilters;
    bool FEnableFilter{ false };
    bool Fintra_only{ false };
    int Faudio_sample_rate{ 44100 };
    std::int64_t Fchannel_layout{ 0 };
    float Faudio_qscale{ -99999.0f };
    bool Faudio_disable{ false };
    int Faudio_channels{ 2 };
    std::string Faudio_codec_name;
    std::uint32_t Faudio_codec_tag{ 0 };
    std::string Faudio_language;
    bool Fsubtitle_disable{ false };
    std::string Fsubtitle_codec_name;
    std::string Fsubtitle_language;
    std::uint32_t Fsubtitle_codec_tag{ 0 };
    float Fmux_preload{ 0.5f };
    float Fmux_max_delay{ 0.7f };
    std::int64_t Frecording_time{ INT64_MAX };
    std::int64_t Fstart_time{ 0 };
    std::int64_t Frecording_timestamp{ 0 }; // seconds
    std::int64_t Finput_ts_offset{ 0 };
    int Fdo_benchmark{ 0 };
    bool Fdo_hex_dump{ false };
    bool Fdo_pkt_dump{ false };
    bool Fdo_psnr{ false };
    int Fdo_pass{ 0 };
    std::string Fpass_logfilename_prefix;
    int Faudio_stream_copy{ 0 };
    int Fvideo_stream_copy{ 0 };
    int Fsubtitle_stream_copy{ 0 };
    int Fvideo_sync_method{ -1 };
    int Faudio_sync_method{ 0 };
    float Faudio_drift_threshold{ 0.1f };
    bool Fcopy_ts{ false };
    bool Fopt_shortest{ false };
    int Fvideo_global_header{ 0 };
    std::string Fvstats_filename;
    int Fopt_programid{ 0 };
    int Fcopy_initial_nonkeyframes{ 0 };
    bool Frate_emu{ false };
    int Fvideo_channel{ 0 };
    std::string Fvideo_standard;
    int Faudio_volume{ 256 };
    bool Fexit_on_error{ false };
    int Fusing_stdin{ 0 };
    bool Fusing_vhook{ false };
    int Fverbose{ 1 };
    // 0: the codecs share the cores with the other conversions (AutoCodecThreads).
    int Fthread_count{ 0 };
    bool Finput_sync{ false };
    std::int64_t Flimit_filesize{ 0 };
    bool Fforce_fps{ false };
    int Fpgmyuv_compatibility_hack{ 0 };
    float Fdts_delta_threshold{ 10.0f };
    unsigned Fsws_flags{ 4 }; // bicubic
    // Bitstream filters for the next stream of each kind, in chain order, each a filter name
    // that the libraries have, optionally followed by "=" and its arguments; the stream creates
    // the filter contexts.
    std::vector<std::string> Fvideo_bitstream_filters;
    std::vector<std::string> Faudio_bitstream_filters;
    std::vector<std::string> Fsubtitle_bitstream_filters;
    // Tags for the next output file, in the order given.
    std::vector<std::pair<std::string, std::string>> Fmetadata;
    // The length to be converted, for progress; -1 when no length is given.
    std::int64_t FTotalOutputDuration{ -1 };
    TFFOptions FOptions;
    std::vector<TPrivateOption> FPrivateOptions;
};
