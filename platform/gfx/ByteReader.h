#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace gfx {

// Little-endian reads from a byte span; a read past the end throws with the format's name, so
// a truncated file can never be read beyond its buffer.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> data, std::string format);

    std::size_t Position() const { return FPos; }
    std::size_t Size() const { return FData.size(); }
    std::size_t Remaining() const { return FData.size() - FPos; }
    void Seek(std::size_t pos);
    void Skip(std::size_t count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32() { return std::int32_t(U32()); }
    std::int16_t I16() { return std::int16_t(U16()); }
    // The next count bytes, which must all be present.
    std::span<const std::uint8_t> Bytes(std::size_t count);

    [[noreturn]] void Fail(const std::string& what) const;

private:
    void Need(std::size_t count) const;

    std::span<const std::uint8_t> FData;
    std::string FFormat;
    std::size_t FPos{ 0 };
};

} // namespace gfx
