#pragma once
#include "platform/rtl/Exception.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class TBitmap;
class TStream;
class TStrings;

// The parts of an inflated skin payload: 32-bit little-endian integers, pictures as whole BMP
// files (optionally behind a flag byte, 0 meaning "a picture follows") and, to the end, the
// skin description as CR LF lines.

// A payload that is cut short or holds something other than what its layout promises.
class EbsSkinDataError : public Exception {
public:
    using Exception::Exception;
};

constexpr std::int32_t SkinBlockVersion = 3;

// Reads a payload held in memory. Every size and count is checked against the bytes that are
// left before anything is allocated for it.
class TbsSkinPayloadReader {
public:
    explicit TbsSkinPayloadReader(std::span<const std::uint8_t> payload) : FData(payload) {}

    std::int32_t ReadInt32();
    std::uint8_t ReadByte();
    // One BMP file, whose header must give a size that lies within the payload.
    void ReadBitmap(TBitmap& bitmap);
    // A flag byte and, when it is 0, a BMP file; otherwise the bitmap is left empty.
    void ReadFlaggedBitmap(TBitmap& bitmap);
    // A count of pictures that follow without flags; refused when the bytes left could not
    // hold that many.
    int ReadPictureCount();
    // The rest of the payload as lines (a byte-order mark is dropped).
    void ReadRestLines(TStrings& lines);

    std::size_t Remaining() const { return FData.size() - FPos; }

private:
    void Need(std::size_t count) const;

    std::span<const std::uint8_t> FData;
    std::size_t FPos{ 0 };
};

void WriteSkinInt32(TStream& stream, std::int32_t value);
// Flag 1 for an empty bitmap, else flag 0 and the bitmap as a BMP file.
void WriteSkinFlaggedBitmap(TStream& stream, TBitmap& bitmap);
// The lines, each ended by CR LF.
void WriteSkinLines(TStream& stream, const TStrings& lines);
