#include "Src/FFUtils/FFOptions.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFmpegLogger.h"
#include "Src/SwScaleStubs.h"
#include "platform/rtl/TextUtils.h"

#include <fstream>
#include <iterator>
#include <new>

TFFOptions::TFFOptions(const TFFOptions& other) : opt_names(other.opt_names) {
    if (!other.avformat_opts) return;
    std::int64_t swsFlags = 0;
    if (other.sws_opts) av::av_opt_get_int(other.sws_opts.get(), "sws_flags", 0, &swsFlags);
    AllocFFOptions(*this, int(swsFlags));
    const auto copy = [this](void* target, void* source) {
        if (target && source) ApplyFFOptions(*this, target, source, 0);
    };
    for (std::size_t i = 0; i < avcodec_opts.size(); ++i)
        copy(avcodec_opts[i].get(), other.avcodec_opts[i].get());
    copy(avformat_opts.get(), other.avformat_opts.get());
    copy(sws_opts.get(), other.sws_opts.get());
}

TFFOptions& TFFOptions::operator=(const TFFOptions& other) {
    if (this != &other) *this = TFFOptions(other);
    return *this;
}

void InitFFOptions(TFFOptions& options) {
    options = TFFOptions();
}

void AllocFFOptions(TFFOptions& options, int swsFlags) {
    for (auto& context : options.avcodec_opts)
        context.reset(av::avcodec_alloc_context3(nullptr));
    options.avformat_opts.reset(av::avformat_alloc_context());
    options.sws_opts.reset(av::sws_alloc_context());
    if (options.sws_opts) av::av_opt_set_int(options.sws_opts.get(), "sws_flags", swsFlags, 0);
}

void FreeFFOptions(TFFOptions& options) {
    options = TFFOptions();
}

namespace {

// Which options of codec context 0 each media type's context takes.
constexpr int kTypeMasks[5] = { AV_OPT_FLAG_VIDEO_PARAM, AV_OPT_FLAG_AUDIO_PARAM, 0,
                                AV_OPT_FLAG_SUBTITLE_PARAM, 0 };

const AVOption* Find(void* context, const std::string& name, int flags) {
    return context ? av::av_opt_find(context, name.c_str(), nullptr, flags, 0) : nullptr;
}

} // namespace

bool SetFFOption(TFFOptions& options, const std::string& rawName, const std::string& rawValue) {
    const std::string name = Trim(rawName);
    const std::string value = Trim(rawValue);
    if (name.empty() || value.empty()) return false;
    const AVOption* found = nullptr;
    int result = 0;
    for (int i = 0; i < 5 && result >= 0; ++i) {
        if (!Find(options.avcodec_opts[0].get(), name, kTypeMasks[i])) continue;
        found = Find(options.avcodec_opts[i].get(), name, 0);
        if (found)
            result = av::av_opt_set(options.avcodec_opts[i].get(), name.c_str(), value.c_str(), 0);
    }
    const auto trySet = [&](void* context, const std::string& optionName) {
        if (found || !(found = Find(context, optionName, 0))) return;
        result = av::av_opt_set(context, optionName.c_str(), value.c_str(), 0);
    };
    trySet(options.avformat_opts.get(), name);
    trySet(options.sws_opts.get(), name);
    if (!found && name.size() > 1) {
        const int typeIndex = name[0] == 'a' ? 1 : name[0] == 'v' ? 0 : name[0] == 's' ? 3 : -1;
        if (typeIndex >= 0) trySet(options.avcodec_opts[typeIndex].get(), name.substr(1));
    }
    if (found && result < 0) {
        av::av_log(nullptr, AV_LOG_ERROR, "Invalid value \"%s\" for option \"%s\"\n", value.c_str(),
                   name.c_str());
        return false;
    }
    if (!found) return false;
    options.opt_names.push_back(found->name);
    if (options.avcodec_opts[0]->debug || options.avformat_opts->debug)
        GlobalLogger().SetLogLevel(llDebug);
    return true;
}

void ApplyFFOptions(const TFFOptions& options, void* target, void* source, int flags) {
    for (const std::string& name : options.opt_names) {
        const AVOption* option = Find(source, name, 0);
        std::uint8_t* value = nullptr;
        if (!option || av::av_opt_get(source, name.c_str(), 0, &value) < 0 || !value) continue;
        if ((option->flags & flags) == flags)
            av::av_opt_set(target, name.c_str(), reinterpret_cast<const char*>(value), 0);
        av::av_free(value);
    }
}

int ReadWholeFile(const std::string& fileName, std::string& content) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) return -1;
    try {
        content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::bad_alloc&) {
        return -12;
    }
    return 0;
}
