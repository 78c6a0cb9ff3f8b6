#include "platform/gfx/Utf8.h"

#include "platform/rtl/TextUtils.h"

namespace gfx {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, minimum = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        bool valid = i + std::size_t(length) <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char b = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = IsContinuation(b);
            code = (code << 6) | (b & 0x3F);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        if (valid) {
            out.push_back(code);
            i += std::size_t(length);
        } else {
            out.push_back(kReplacement);
            ++i;
        }
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

} // namespace gfx
