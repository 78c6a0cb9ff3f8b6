#include "Src/FFmpeg/PrivateOptions.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"

#include <memory>

namespace {

bool Knows(void* context, const std::string& name) {
    return context && av::av_opt_find(context, name.c_str(), nullptr, 0, 0);
}

bool HasPrivateOption(const AVClass* const* privateClass, const std::string& name) {
    return privateClass && *privateClass &&
           av::av_opt_find(const_cast<const AVClass**>(privateClass), name.c_str(), nullptr, 0,
                           AV_OPT_SEARCH_FAKE_OBJ);
}

std::optional<TPrivateOptionOwner> EncoderOwner(AVMediaType type) {
    switch (type) {
    case AVMEDIA_TYPE_VIDEO:
        return poVideoEncoder;
    case AVMEDIA_TYPE_AUDIO:
        return poAudioEncoder;
    case AVMEDIA_TYPE_SUBTITLE:
        return poSubtitleEncoder;
    default:
        return std::nullopt;
    }
}

// A context of the encoder with its private defaults is the only place the value can be tried.
bool EncoderAccepts(const AVCodec* codec, const std::string& name, const std::string& value) {
    if (!HasPrivateOption(&codec->priv_class, name)) return false;
    std::unique_ptr<AVCodecContext, CodecContextFree> context(av::avcodec_alloc_context3(codec));
    return context && context->priv_data &&
           av::av_opt_set(context->priv_data, name.c_str(), value.c_str(), 0) >= 0;
}

bool MuxerAccepts(const AVOutputFormat* format, const std::string& name, const std::string& value) {
    if (!HasPrivateOption(&format->priv_class, name)) return false;
    AVFormatContext* raw = nullptr;
    if (av::avformat_alloc_output_context2(&raw, format, nullptr, nullptr) < 0) return false;
    std::unique_ptr<AVFormatContext, FormatContextFree> context(raw);
    return context->priv_data &&
           av::av_opt_set(context->priv_data, name.c_str(), value.c_str(), 0) >= 0;
}

} // namespace

bool IsGenericOption(const TFFOptions& options, const std::string& name) {
    void* codec = options.avcodec_opts[0].get();
    if (Knows(codec, name) || Knows(options.avformat_opts.get(), name) ||
        Knows(options.sws_opts.get(), name))
        return true;
    const bool kindLetter = name.size() > 1 && (name[0] == 'a' || name[0] == 'v' || name[0] == 's');
    return kindLetter && Knows(codec, name.substr(1));
}

std::optional<TPrivateOptionOwner> PrivateOptionOwner(const std::string& name,
                                                      const std::string& value,
                                                      const std::vector<std::string>& preferred) {
    if (!av::av_codec_iterate || !av::av_muxer_iterate) return std::nullopt;
    for (const std::string& encoderName : preferred) {
        const AVCodec* codec = av::avcodec_find_encoder_by_name(encoderName.c_str());
        if (codec && EncoderOwner(codec->type) && EncoderAccepts(codec, name, value))
            return EncoderOwner(codec->type);
    }
    void* state = nullptr;
    while (const AVCodec* codec = av::av_codec_iterate(&state)) {
        if (av::av_codec_is_encoder(codec) && EncoderOwner(codec->type) &&
            EncoderAccepts(codec, name, value))
            return EncoderOwner(codec->type);
    }
    state = nullptr;
    while (const AVOutputFormat* format = av::av_muxer_iterate(&state))
        if (MuxerAccepts(format, name, value)) return poMuxer;
    return std::nullopt;
}
