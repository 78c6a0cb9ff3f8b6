#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/avfft.h>
#include <libavcodec/bsf.h>
}

#include <memory>
#include <string>

// The libavcodec 59 entry points the engine calls, in binding order.
#define VC_AVCODEC_ENTRY_POINTS(X)                                                                 \
    X(av_get_bits_per_sample)                                                                      \
    X(avcodec_align_dimensions2)                                                                   \
    X(avcodec_alloc_context3)                                                                      \
    X(avcodec_free_context)                                                                        \
    X(avcodec_parameters_from_context)                                                             \
    X(avcodec_parameters_to_context)                                                               \
    X(avcodec_parameters_copy)                                                                     \
    X(avcodec_open2)                                                                               \
    X(avcodec_close)                                                                               \
    X(avcodec_send_packet)                                                                         \
    X(avcodec_receive_frame)                                                                       \
    X(avcodec_send_frame)                                                                          \
    X(avcodec_receive_packet)                                                                      \
    X(avcodec_decode_subtitle2)                                                                    \
    X(avcodec_encode_subtitle)                                                                     \
    X(avsubtitle_free)                                                                             \
    X(avcodec_find_decoder)                                                                        \
    X(avcodec_find_decoder_by_name)                                                                \
    X(avcodec_find_encoder)                                                                        \
    X(avcodec_find_encoder_by_name)                                                                \
    X(av_codec_iterate)                                                                            \
    X(av_codec_is_encoder)                                                                         \
    X(av_codec_is_decoder)                                                                         \
    X(avcodec_get_name)                                                                            \
    X(avcodec_get_class)                                                                           \
    X(avcodec_flush_buffers)                                                                       \
    X(avcodec_string)                                                                              \
    X(av_packet_alloc)                                                                             \
    X(av_packet_free)                                                                              \
    X(av_packet_ref)                                                                               \
    X(av_packet_unref)                                                                             \
    X(av_packet_move_ref)                                                                          \
    X(av_packet_rescale_ts)                                                                        \
    X(av_new_packet)                                                                               \
    X(av_bsf_get_by_name)                                                                          \
    X(av_bsf_alloc)                                                                                \
    X(av_bsf_init)                                                                                 \
    X(av_bsf_send_packet)                                                                          \
    X(av_bsf_receive_packet)                                                                       \
    X(av_bsf_free)                                                                                 \
    X(av_bsf_list_parse_str)                                                                       \
    X(av_parser_init)                                                                              \
    X(av_parser_parse2)                                                                            \
    X(av_parser_close)                                                                             \
    X(av_rdft_init)                                                                                \
    X(av_rdft_calc)                                                                                \
    X(av_rdft_end)

namespace av {
VC_AVCODEC_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupAVCodec(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixAVCodec();

struct CodecContextFree {
    void operator()(AVCodecContext* context) const {
        if (av::avcodec_free_context) av::avcodec_free_context(&context);
    }
};
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;

struct PacketFree {
    void operator()(AVPacket* packet) const {
        if (av::av_packet_free) av::av_packet_free(&packet);
    }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;

struct BsfContextFree {
    void operator()(AVBSFContext* context) const {
        if (av::av_bsf_free) av::av_bsf_free(&context);
    }
};
using BsfContextPtr = std::unique_ptr<AVBSFContext, BsfContextFree>;

struct ParserContextFree {
    void operator()(AVCodecParserContext* context) const {
        if (av::av_parser_close) av::av_parser_close(context);
    }
};
using ParserContextPtr = std::unique_ptr<AVCodecParserContext, ParserContextFree>;
