#include "lib/skindata/bsSkinPayload.h"

#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TMemoryStream.h"
#include "platform/rtl/TStrings.h"

#include <string_view>

namespace {

// File header and the smallest info header a BMP can carry.
constexpr std::size_t kBmpFileHeader = 14;
constexpr std::size_t kSmallestBmp = kBmpFileHeader + 12;

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

} // namespace

void TbsSkinPayloadReader::Need(std::size_t count) const {
    if (count > Remaining()) throw EbsSkinDataError("The skin data ends early");
}

std::int32_t TbsSkinPayloadReader::ReadInt32() {
    Need(4);
    const auto value = std::int32_t(LittleEndian32(FData.data() + FPos));
    FPos += 4;
    return value;
}

std::uint8_t TbsSkinPayloadReader::ReadByte() {
    Need(1);
    return FData[FPos++];
}

void TbsSkinPayloadReader::ReadBitmap(TBitmap& bitmap) {
    Need(kBmpFileHeader);
    const std::uint8_t* header = FData.data() + FPos;
    if (header[0] != 'B' || header[1] != 'M')
        throw EbsSkinDataError("The skin data holds a picture that is not a bitmap");
    const std::size_t size = LittleEndian32(header + 2);
    if (size < kSmallestBmp) throw EbsSkinDataError("The skin data holds a damaged picture");
    Need(size);
    TMemoryStream image;
    image.WriteBuffer(header, std::int64_t(size));
    image.SetPosition(0);
    bitmap.LoadFromStream(image);
    FPos += size;
}

void TbsSkinPayloadReader::ReadFlaggedBitmap(TBitmap& bitmap) {
    if (ReadByte() == 0) ReadBitmap(bitmap);
}

int TbsSkinPayloadReader::ReadPictureCount() {
    const std::int32_t count = ReadInt32();
    if (count < 0 || std::size_t(count) > Remaining() / kSmallestBmp)
        throw EbsSkinDataError("The skin data ends early");
    return count;
}

void TbsSkinPayloadReader::ReadRestLines(TStrings& lines) {
    std::string_view text(reinterpret_cast<const char*>(FData.data() + FPos), Remaining());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    lines.SetText(text);
    FPos = FData.size();
}

void WriteSkinInt32(TStream& stream, std::int32_t value) {
    const auto u = std::uint32_t(value);
    const std::uint8_t bytes[4] = { std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16),
                                    std::uint8_t(u >> 24) };
    stream.WriteBuffer(bytes, 4);
}

void WriteSkinFlaggedBitmap(TStream& stream, TBitmap& bitmap) {
    const std::uint8_t flag = bitmap.Empty() ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
    if (!bitmap.Empty()) bitmap.SaveToStream(stream);
}

void WriteSkinLines(TStream& stream, const TStrings& lines) {
    std::string text;
    for (int i = 0; i < lines.Count(); ++i) {
        text += lines[i];
        text += "\r\n";
    }
    stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}
