#include "platform/gfx/ByteReader.h"
#include "platform/rtl/Exception.h"

namespace gfx {

ByteReader::ByteReader(std::span<const std::uint8_t> data, std::string format)
    : FData(data), FFormat(std::move(format)) {}

void ByteReader::Fail(const std::string& what) const {
    throw Exception(FFormat + " picture: " + what);
}

void ByteReader::Need(std::size_t count) const {
    if (count > Remaining()) Fail("the file is truncated");
}

void ByteReader::Seek(std::size_t pos) {
    if (pos > FData.size()) Fail("the file is truncated");
    FPos = pos;
}

void ByteReader::Skip(std::size_t count) {
    Need(count);
    FPos += count;
}

std::uint8_t ByteReader::U8() {
    Need(1);
    return FData[FPos++];
}

std::uint16_t ByteReader::U16() {
    Need(2);
    const std::uint16_t v = std::uint16_t(FData[FPos] | (FData[FPos + 1] << 8));
    FPos += 2;
    return v;
}

std::uint32_t ByteReader::U32() {
    Need(4);
    const std::uint32_t v = std::uint32_t(FData[FPos]) | (std::uint32_t(FData[FPos + 1]) << 8) |
                            (std::uint32_t(FData[FPos + 2]) << 16) |
                            (std::uint32_t(FData[FPos + 3]) << 24);
    FPos += 4;
    return v;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    Need(count);
    auto result = FData.subspan(FPos, count);
    FPos += count;
    return result;
}

} // namespace gfx
