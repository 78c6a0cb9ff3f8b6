#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/ByteReader.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"

namespace gfx {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

struct Entry {
    int Width{ 0 };
    int Height{ 0 };
    int BitCount{ 0 };
    std::uint32_t Size{ 0 };
    std::uint32_t Offset{ 0 };
};

std::vector<Entry> ReadDirectory(std::span<const std::uint8_t> data) {
    ByteReader r(data, "ICO");
    if (r.U16() != 0) r.Fail("the file is not an icon");
    const std::uint16_t type = r.U16();
    if (type != 1 && type != 2) r.Fail("the file is not an icon");
    const std::uint16_t count = r.U16();
    if (count == 0) r.Fail("the icon holds no picture");
    std::vector<Entry> entries;
    std::uint64_t total = 0;
    for (unsigned i = 0; i < count; ++i) {
        Entry e;
        e.Width = r.U8();
        e.Height = r.U8();
        r.Skip(4); // colour count, reserved, planes or hot spot
        e.BitCount = r.U16();
        e.Size = r.U32();
        e.Offset = r.U32();
        if (e.Width == 0) e.Width = 256;
        if (e.Height == 0) e.Height = 256;
        if (e.Offset > data.size() || e.Size > data.size() - e.Offset || e.Size == 0)
            r.Fail("a picture lies outside the file");
        // Pictures share no bytes: a directory pointing many times at one picture would
        // otherwise decode it again for each entry.
        total += e.Size;
        if (total > data.size()) r.Fail("the pictures overlap");
        entries.push_back(e);
    }
    return entries;
}

DecodedImage DecodeEntry(std::span<const std::uint8_t> data, const Entry& e) {
    const auto picture = data.subspan(e.Offset, e.Size);
    if (PngCodec::IsPng(picture)) return PngCodec::Decode(picture);
    return BmpCodec::DecodeDib(picture, true);
}

} // namespace

bool IcoCodec::IsIco(std::span<const std::uint8_t> data) {
    return data.size() >= 6 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) &&
           data[3] == 0 && (data[4] | data[5]) != 0;
}

DecodedImage IcoCodec::Decode(std::span<const std::uint8_t> data) {
    const std::vector<Entry> entries = ReadDirectory(data);
    const Entry* best = &entries.front();
    for (const Entry& e : entries) {
        const auto area = std::int64_t(e.Width) * e.Height;
        const auto bestArea = std::int64_t(best->Width) * best->Height;
        if (area > bestArea || (area == bestArea && e.BitCount > best->BitCount)) best = &e;
    }
    return DecodeEntry(data, *best);
}

std::vector<DecodedImage> IcoCodec::DecodeAll(std::span<const std::uint8_t> data) {
    std::vector<DecodedImage> images;
    for (const Entry& e : ReadDirectory(data))
        images.push_back(DecodeEntry(data, e));
    return images;
}

std::vector<std::uint8_t> IcoCodec::Encode(const Surface& pixels) {
    return Encode(std::span<const Surface>(&pixels, 1));
}

std::vector<std::uint8_t> IcoCodec::Encode(std::span<const Surface> pictures) {
    if (pictures.empty() || pictures.size() > 0xFFFF)
        throw Exception("ICO picture: an icon holds 1 to 65535 pictures");
    for (const Surface& p : pictures)
        if (p.Width() <= 0 || p.Height() <= 0 || p.Width() > 256 || p.Height() > 256)
            throw Exception("ICO picture: an icon is 1 to 256 pixels wide and high");
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, unsigned(pictures.size()));
    std::size_t offset = 6 + 16 * pictures.size();
    for (const Surface& p : pictures) {
        const std::size_t maskStride = BmpCodec::RowBytes(p.Width(), 1);
        const std::size_t size =
            40 + std::size_t(p.Width()) * p.Height() * 4 + maskStride * p.Height();
        out.push_back(std::uint8_t(p.Width() & 255));
        out.push_back(std::uint8_t(p.Height() & 255));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, std::uint32_t(size));
        Put32(out, std::uint32_t(offset));
        offset += size;
    }
    for (const Surface& pixels : pictures) {
        const int width = pixels.Width(), height = pixels.Height();
        Put32(out, 40);
        Put32(out, std::uint32_t(width));
        Put32(out, std::uint32_t(height * 2));
        Put16(out, 1);
        Put16(out, 32);
        for (int i = 0; i < 6; ++i)
            Put32(out, 0);
        for (int y = height - 1; y >= 0; --y)
            for (int x = 0; x < width; ++x) {
                const Pixel p = pixels.Row(y)[x];
                out.insert(out.end(), { PixelB(p), PixelG(p), PixelR(p), PixelA(p) });
            }
        const std::size_t maskStride = BmpCodec::RowBytes(width, 1);
        for (int y = height - 1; y >= 0; --y) {
            const std::size_t row = out.size();
            out.resize(row + maskStride, 0);
            for (int x = 0; x < width; ++x)
                if (PixelA(pixels.Row(y)[x]) == 0)
                    out[row + x / 8] |= std::uint8_t(0x80 >> (x % 8));
        }
    }
    return out;
}

} // namespace gfx
