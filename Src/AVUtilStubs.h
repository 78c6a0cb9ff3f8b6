#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/avstring.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/fifo.h>
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
#include <libavutil/pixdesc.h>
#include <libavutil/rational.h>
#include <libavutil/samplefmt.h>
#include <libavutil/time.h>
}

#include <memory>
#include <string>

// The libavutil 57 entry points the engine calls, in binding order.
#define VC_AVUTIL_ENTRY_POINTS(X)                                                                  \
    X(av_compare_ts)                                                                               \
    X(av_fifo_alloc2)                                                                              \
    X(av_fifo_freep2)                                                                              \
    X(av_fifo_read)                                                                                \
    X(av_fifo_write)                                                                               \
    X(av_fifo_can_read)                                                                            \
    X(av_fifo_can_write)                                                                           \
    X(av_fifo_grow2)                                                                               \
    X(av_find_nearest_q_idx)                                                                       \
    X(av_free)                                                                                     \
    X(av_freep)                                                                                    \
    X(av_gcd)                                                                                      \
    X(av_get_pix_fmt)                                                                              \
    X(av_log)                                                                                      \
    X(av_log_default_callback)                                                                     \
    X(av_log_get_level)                                                                            \
    X(av_log_set_callback)                                                                         \
    X(av_log_set_level)                                                                            \
    X(av_malloc)                                                                                   \
    X(av_mallocz)                                                                                  \
    X(av_realloc)                                                                                  \
    X(av_fast_malloc)                                                                              \
    X(av_fast_realloc)                                                                             \
    X(av_reduce)                                                                                   \
    X(av_rescale)                                                                                  \
    X(av_rescale_q)                                                                                \
    X(av_rescale_rnd)                                                                              \
    X(av_d2q)                                                                                      \
    X(av_strdup)                                                                                   \
    X(av_strlcpy)                                                                                  \
    X(av_strstart)                                                                                 \
    X(av_strerror)                                                                                 \
    X(av_pix_fmt_desc_get)                                                                         \
    X(av_get_pix_fmt_name)                                                                         \
    X(av_get_pix_fmt_string)                                                                       \
    X(av_pix_fmt_get_chroma_sub_sample)                                                            \
    X(av_get_sample_fmt)                                                                           \
    X(av_get_sample_fmt_name)                                                                      \
    X(av_get_sample_fmt_string)                                                                    \
    X(av_get_bytes_per_sample)                                                                     \
    X(av_samples_get_buffer_size)                                                                  \
    X(av_samples_alloc)                                                                            \
    X(av_samples_set_silence)                                                                      \
    X(av_audio_fifo_alloc)                                                                         \
    X(av_audio_fifo_free)                                                                          \
    X(av_audio_fifo_write)                                                                         \
    X(av_audio_fifo_read)                                                                          \
    X(av_audio_fifo_size)                                                                          \
    X(av_channel_layout_default)                                                                   \
    X(av_channel_layout_copy)                                                                      \
    X(av_channel_layout_uninit)                                                                    \
    X(av_channel_layout_describe)                                                                  \
    X(av_channel_layout_compare)                                                                   \
    X(av_get_picture_type_char)                                                                    \
    X(av_dict_get)                                                                                 \
    X(av_dict_set)                                                                                 \
    X(av_dict_copy)                                                                                \
    X(av_dict_free)                                                                                \
    X(av_opt_find)                                                                                 \
    X(av_opt_set)                                                                                  \
    X(av_opt_set_int)                                                                              \
    X(av_opt_get)                                                                                  \
    X(av_opt_get_int)                                                                              \
    X(av_frame_alloc)                                                                              \
    X(av_frame_free)                                                                               \
    X(av_frame_ref)                                                                                \
    X(av_frame_unref)                                                                              \
    X(av_frame_get_buffer)                                                                         \
    X(av_frame_make_writable)                                                                      \
    X(av_frame_apply_cropping)                                                                     \
    X(av_image_alloc)                                                                              \
    X(av_image_fill_arrays)                                                                        \
    X(av_image_get_buffer_size)                                                                    \
    X(av_image_copy)                                                                               \
    X(av_parse_video_size)                                                                         \
    X(av_parse_video_rate)                                                                         \
    X(av_parse_time)                                                                               \
    X(av_gettime)                                                                                  \
    X(av_usleep)

namespace av {
VC_AVUTIL_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupAVUtil(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixAVUtil();

// Owners of the library's objects. A deleter whose entry point is already unbound leaves the
// object behind: freeing through a cleared entry would crash.
struct FrameFree {
    void operator()(AVFrame* frame) const {
        if (av::av_frame_free) av::av_frame_free(&frame);
    }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

struct DictionaryFree {
    void operator()(AVDictionary* dictionary) const {
        if (av::av_dict_free) av::av_dict_free(&dictionary);
    }
};
using DictionaryPtr = std::unique_ptr<AVDictionary, DictionaryFree>;

// Memory from av_malloc, av_strdup and the functions that hand out such blocks.
struct AVMemoryFree {
    void operator()(void* memory) const {
        if (av::av_free) av::av_free(memory);
    }
};
template <typename T>
using AVMemoryPtr = std::unique_ptr<T, AVMemoryFree>;

struct AudioFifoFree {
    void operator()(AVAudioFifo* fifo) const {
        if (av::av_audio_fifo_free) av::av_audio_fifo_free(fifo);
    }
};
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AudioFifoFree>;
