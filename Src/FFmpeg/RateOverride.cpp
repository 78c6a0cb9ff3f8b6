#include "Src/FFmpeg/RateOverride.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cctype>
#include <cstdlib>
#include <vector>

namespace {

// An optionally signed integer at pos; false when there is none.
bool ReadInt(const std::string& text, std::size_t& pos, int& value) {
    std::size_t end = pos;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digits = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    if (end == digits) return false;
    value = std::atoi(text.substr(pos, end - pos).c_str());
    pos = end;
    return true;
}

} // namespace

void SetRateOverrides(AVCodecContext* codec, const std::string& text) {
    std::vector<RcOverride> overrides;
    std::size_t pos = 0;
    while (pos < text.size()) {
        RcOverride item{};
        int q = 0;
        // Start and end are each followed by one separator character.
        if (!ReadInt(text, pos, item.start_frame) || pos >= text.size() ||
            !ReadInt(text, ++pos, item.end_frame) || pos >= text.size())
            throw FFmpegException("error parsing rc_override");
        ++pos;
        ReadInt(text, pos, q);
        if (q > 0) {
            item.qscale = q;
            item.quality_factor = 1.0f;
        } else {
            item.qscale = 0;
            item.quality_factor = -float(q) / 100.0f;
        }
        overrides.push_back(item);
        const std::size_t slash = text.find('/', pos);
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
    if (overrides.empty()) return;
    // The encoder frees its list with itself.
    auto* list = static_cast<RcOverride*>(av::av_malloc(overrides.size() * sizeof(RcOverride)));
    if (!list) throw FFmpegException("Out of memory");
    for (std::size_t i = 0; i < overrides.size(); ++i)
        list[i] = overrides[i];
    av::av_freep(&codec->rc_override);
    codec->rc_override = list;
    codec->rc_override_count = int(overrides.size());
}
