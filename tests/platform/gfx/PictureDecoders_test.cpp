#include "PictureBytes.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GifCodec.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"
#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace gfx;
using namespace picture_test;

namespace {

// An 8 x 4 RLE8 bitmap with runs, a literal string, a move and the end markers.
Bytes Rle8File() {
    const Bytes bits{ 8, 1, 0, 0, 0, 4, 1, 2, 3, 4, 4, 2, 0, 0, 0, 2, 2, 1, 3, 3, 0, 1 };
    Bytes out{ 'B', 'M' };
    const std::uint32_t offBits = 14 + 40 + 4 * 4;
    Put32(out, offBits + std::uint32_t(bits.size()));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, 8);
    Put32(out, 4);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 1);
    Put32(out, std::uint32_t(bits.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 4);
    Put32(out, 0);
    for (std::uint32_t color : { 0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu })
        Put32(out, color);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

} // namespace

// Damaged files must either decode to a picture within the limits or raise Exception: never
// crash, hang or read outside the buffer (run under the sanitizers to see the latter).
TEST(PictureDecoders, SurviveRandomDamage) {
    const Surface picture = Gradient(23, 17, true);
    struct Case {
        const char* Name;
        Bytes File;
        std::function<DecodedImage(std::span<const std::uint8_t>)> Decode;
    };
    const Case cases[] = {
        { "BMP 24", BmpCodec::Encode(picture, 24), [](auto d) { return BmpCodec::Decode(d); } },
        { "BMP RLE8", Rle8File(), [](auto d) { return BmpCodec::Decode(d); } },
        { "PNG", PngCodec::Encode(picture, true), [](auto d) { return PngCodec::Decode(d); } },
        { "JPEG", JpegCodec::Encode(picture, 75), [](auto d) { return JpegCodec::Decode(d); } },
        { "GIF", GifCodec::Encode(picture, true), [](auto d) { return GifCodec::Decode(d); } },
        { "ICO", IcoCodec::Encode(picture), [](auto d) { return IcoCodec::Decode(d); } },
        { "ICO, every size",
          IcoCodec::Encode(std::vector<Surface>{ picture, Gradient(5, 5, false) }),
          [](auto d) { return IcoCodec::DecodeAll(d).back(); } },
    };
    std::mt19937 random(20240611);
    for (const auto& c : cases) {
        ASSERT_NO_THROW(c.Decode(c.File)) << c.Name;
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = c.File;
            const int hits = 1 + int(random() % 4);
            for (int i = 0; i < hits; ++i) {
                const std::size_t at = random() % damaged.size();
                damaged[at] = std::uint8_t(random());
            }
            if (round % 5 == 0) damaged.resize(random() % damaged.size());
            try {
                const DecodedImage image = c.Decode(damaged);
                EXPECT_LE(std::int64_t(image.Pixels.Width()) * image.Pixels.Height(),
                          kMaxPicturePixels);
            } catch (const Exception&) {
                // refused: as it should be for most damage
            }
        }
    }
}
