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

} // namespace

bool IcoCodec::IsIco(std::span<const std::uint8_t> data) {
    return data.size() >= 6 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) &&
           data[3] == 0 && (data[4] | data[5]) != 0;
}

DecodedImage IcoCodec::Decode(std::span<const std::uint8_t> data) {
    ByteReader r(data, "ICO");
    if (r.U16() != 0) r.Fail("the file is not an icon");
    const std::uint16_t type = r.U16();
    if (type != 1 && type != 2) r.Fail("the file is not an icon");
    const std::uint16_t count = r.U16();
    if (count == 0) r.Fail("the icon holds no picture");
    Entry best;
    bool found = false;
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
        const auto area = std::int64_t(e.Width) * e.Height;
        const auto bestArea = std::int64_t(best.Width) * best.Height;
        if (!found || area > bestArea || (area == bestArea && e.BitCount > best.BitCount)) {
            best = e;
            found = true;
        }
    }
    const auto picture = data.subspan(best.Offset, best.Size);
    if (PngCodec::IsPng(picture)) return PngCodec::Decode(picture);
    return BmpCodec::DecodeDib(picture, true);
}

std::vector<std::uint8_t> IcoCodec::Encode(const Surface& pixels) {
    const int width = pixels.Width(), height = pixels.Height();
    if (width <= 0 || height <= 0 || width > 256 || height > 256)
        throw Exception("ICO picture: an icon is 1 to 256 pixels wide and high");
    const std::size_t maskStride = BmpCodec::RowBytes(width, 1);
    const std::size_t imageSize = 40 + std::size_t(width) * height * 4 + maskStride * height;
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(std::uint8_t(width & 255));
    out.push_back(std::uint8_t(height & 255));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, std::uint32_t(imageSize));
    Put32(out, 6 + 16);
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
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t row = out.size();
        out.resize(row + maskStride, 0);
        for (int x = 0; x < width; ++x)
            if (PixelA(pixels.Row(y)[x]) == 0) out[row + x / 8] |= std::uint8_t(0x80 >> (x % 8));
    }
    return out;
}

} // namespace gfx
