#include "lib/skindraw/bsRectText.h"

#include "platform/rtl/TStream.h"
#include "platform/rtl/TextUtils.h"

#include <cstdint>
#include <string_view>

void NextRectToken(std::string& text, std::string& token) {
    constexpr std::string_view delimiters = " (),:;=";
    const std::size_t end = text.find_first_of(delimiters);
    token = text.substr(0, end);
    text = end == std::string::npos ? std::string() : text.substr(end + 1);
    token = Trim(token);
    text = Trim(text);
}

TRect StrToRectValue(const std::string& text) {
    std::string rest = text;
    int values[4]{};
    for (int& value : values) {
        std::string token;
        NextRectToken(rest, token);
        std::int32_t v = 0;
        if (!TryStrToInt(token, v)) return TRect();
        value = v;
    }
    return TRect(values[0], values[1], values[2], values[3]);
}

void WriteStreamString(TStream& stream, const std::string& text) {
    const std::int32_t count = std::int32_t(text.size());
    const std::uint8_t bytes[4] = { std::uint8_t(count), std::uint8_t(count >> 8),
                                    std::uint8_t(count >> 16), std::uint8_t(count >> 24) };
    stream.WriteBuffer(bytes, 4);
    stream.WriteBuffer(text.data(), count);
}

void ReadStreamString(TStream& stream, std::string& text) {
    std::uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    const std::int32_t count =
        std::int32_t(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                     std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24);
    // The count comes from the stream: check it against what is left before allocating.
    if (count < 0 || count > stream.Size() - stream.Position())
        throw EReadError("Stream read error");
    std::string result(std::size_t(count), '\0');
    stream.ReadBuffer(result.data(), count);
    text = std::move(result);
}
