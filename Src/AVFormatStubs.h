#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavformat/avio.h>
}

#include <memory>
#include <string>

// The libavformat 59 entry points the engine calls, in binding order. avio_tell is inline in
// the header and calls avio_seek directly: use av::avio_seek(pb, 0, SEEK_CUR) instead.
#define VC_AVFORMAT_ENTRY_POINTS(X)                                                                \
    X(av_codec_get_id)                                                                             \
    X(av_codec_get_tag)                                                                            \
    X(av_filename_number_test)                                                                     \
    X(av_find_input_format)                                                                        \
    X(av_get_packet)                                                                               \
    X(av_guess_codec)                                                                              \
    X(av_guess_format)                                                                             \
    X(av_guess_frame_rate)                                                                         \
    X(av_demuxer_iterate)                                                                          \
    X(av_muxer_iterate)                                                                            \
    X(av_find_best_stream)                                                                         \
    X(av_interleaved_write_frame)                                                                  \
    X(av_read_frame)                                                                               \
    X(av_read_pause)                                                                               \
    X(av_read_play)                                                                                \
    X(av_seek_frame)                                                                               \
    X(av_write_trailer)                                                                            \
    X(av_dump_format)                                                                              \
    X(av_sdp_create)                                                                               \
    X(av_pkt_dump_log2)                                                                            \
    X(avformat_alloc_context)                                                                      \
    X(avformat_alloc_output_context2)                                                              \
    X(avformat_free_context)                                                                       \
    X(avformat_open_input)                                                                         \
    X(avformat_find_stream_info)                                                                   \
    X(avformat_close_input)                                                                        \
    X(avformat_new_stream)                                                                         \
    X(avformat_write_header)                                                                       \
    X(avformat_seek_file)                                                                          \
    X(avio_alloc_context)                                                                          \
    X(avio_context_free)                                                                           \
    X(avio_open2)                                                                                  \
    X(avio_closep)                                                                                 \
    X(avio_write)                                                                                  \
    X(avio_flush)                                                                                  \
    X(avio_feof)                                                                                   \
    X(avio_size)                                                                                   \
    X(avio_seek)

namespace av {
VC_AVFORMAT_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupAVFormat(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixAVFormat();

// A context that was never opened as an input (an output or an options holder); inputs are
// closed through AVCloseInput (UnicodeProtocol.h).
struct FormatContextFree {
    void operator()(AVFormatContext* context) const {
        if (av::avformat_free_context) av::avformat_free_context(context);
    }
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextFree>;
