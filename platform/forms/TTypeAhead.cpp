#include "platform/forms/TTypeAhead.h"
#include "platform/gfx/Utf8.h"
#include "platform/rtl/TextUtils.h"

namespace {

// Longer than the pause between keys of a typed word, shorter than a deliberate new start.
constexpr unsigned kPauseMs = 1000;

} // namespace

bool TTypeAhead::Add(char32_t ch, unsigned timeMs) {
    const bool fresh = FPrefix.empty() || timeMs - FLastMs > kPauseMs;
    if (fresh) FPrefix.clear();
    FLastMs = timeMs;
    FPrefix += gfx::EncodeUtf8(std::u32string(1, ch));
    return fresh;
}

bool TTypeAhead::Matches(std::string_view text) const {
    return !FPrefix.empty() && text.size() >= FPrefix.size() &&
           SameText(text.substr(0, FPrefix.size()), FPrefix);
}
