#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/ByteReader.h"
#include "platform/gfx/PngCodec.h"

namespace gfx {
namespace {

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

} // namespace gfx
