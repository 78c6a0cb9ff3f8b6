#include "PictureBytes.h"
#include "platform/gfx/GifCodec.h"
#include "platform/rtl/Exception.h"
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <set>

using namespace gfx;
using namespace picture_test;

namespace {

int Collect(GifFileType* gif, const GifByteType* data, int count) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + count);
    return count;
}

// One frame of 2 x 4 at (1, 1) on a 4 x 6 screen, rows given top-down, stored interlaced,
// with a local colour table {red, green, blue, white} and index 3 transparent.
Bytes InterlacedFrameOnScreen(const std::vector<Bytes>& rows) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, Collect, &error);
    GifColorType global[2] = { { 0, 0, 0 }, { 9, 9, 9 } };
    ColorMapObject* globalMap = GifMakeMapObject(2, global);
    GifColorType local[4] = { { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 255, 255, 255 } };
    ColorMapObject* localMap = GifMakeMapObject(4, local);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 4, 6, 8, 0, globalMap);
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = 3;
    GifByteType extension[4];
    EGifGCBToExtension(&gcb, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    EGifPutImageDesc(gif, 1, 1, 2, 4, true, localMap);
    for (int row : { 0, 2, 1, 3 }) { // passes: 0 (step 8), 4, 2 (step 4), 1 (step 2)
        Bytes line = rows[row];
        EGifPutLine(gif, line.data(), 2);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(globalMap);
    GifFreeMapObject(localMap);
    return out;
}

} // namespace

TEST(GifCodec, ReadsFirstFrameWithTransparencyInterlaceAndScreen) {
    const Bytes file = InterlacedFrameOnScreen({ { 0, 1 }, { 2, 3 }, { 3, 0 }, { 1, 2 } });
    const DecodedImage image = GifCodec::Decode(file);
    ASSERT_EQ(image.Pixels.Width(), 4);
    ASSERT_EQ(image.Pixels.Height(), 6);
    EXPECT_TRUE(image.HasAlpha);
    EXPECT_EQ(image.TransparentIndex, 3);
    EXPECT_EQ(image.Palette.size(), 4u);
    const Pixel red = MakePixel(255, 0, 0, 255), green = MakePixel(0, 255, 0, 255),
                blue = MakePixel(0, 0, 255, 255), clear = MakePixel(255, 255, 255, 0);
    const Pixel expected[6][4] = {
        { 0, 0, 0, 0 },       { 0, red, green, 0 },  { 0, blue, clear, 0 },
        { 0, clear, red, 0 }, { 0, green, blue, 0 }, { 0, 0, 0, 0 },
    };
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.Pixels.At(x, y), expected[y][x]) << x << "," << y;
}

TEST(GifCodec, RoundTripsFewColoursExactly) {
    Surface source(10, 7);
    const Pixel colors[] = { MakePixel(1, 2, 3, 255), MakePixel(200, 100, 50, 255),
                             MakePixel(0, 0, 0, 255) };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x)
            source.Set(x, y, colors[(x * y + x) % 3]);
    const DecodedImage image = GifCodec::Decode(GifCodec::Encode(source));
    EXPECT_FALSE(image.HasAlpha);
    EXPECT_EQ(image.Pixels, source);
}

TEST(GifCodec, RoundTrips256ColoursExactly) {
    Surface source(16, 16);
    for (int i = 0; i < 256; ++i)
        source.Set(i % 16, i / 16,
                   MakePixel(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 255));
    EXPECT_EQ(GifCodec::Decode(GifCodec::Encode(source)).Pixels, source);
}

TEST(GifCodec, QuantisesManyColoursCloseToTheSource) {
    Surface source(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            source.Set(x, y,
                       MakePixel(std::uint8_t(x * 4), std::uint8_t(y * 4),
                                 std::uint8_t((x + y) * 2), 255));
    const QuantizedImage q = QuantizeColors(source, 256);
    EXPECT_LE(q.Palette.size(), 256u);
    const DecodedImage image = GifCodec::Decode(GifCodec::Encode(source));
    long long error = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            for (int shift : { 0, 8, 16 })
                error += std::abs(int((image.Pixels.At(x, y) >> shift) & 255) -
                                  int((source.At(x, y) >> shift) & 255));
    EXPECT_LT(double(error) / (64 * 64 * 3), 8.0);
}

TEST(GifCodec, KeepsTransparencyWhenAsked) {
    Surface source(3, 1);
    source.Set(0, 0, MakePixel(10, 20, 30, 255));
    source.Set(1, 0, MakePixel(99, 99, 99, 0));
    source.Set(2, 0, MakePixel(40, 50, 60, 255));
    const DecodedImage image = GifCodec::Decode(GifCodec::Encode(source, true));
    EXPECT_TRUE(image.HasAlpha);
    EXPECT_EQ(PixelA(image.Pixels.At(1, 0)), 0);
    EXPECT_EQ(image.Pixels.At(0, 0), source.At(0, 0));
    EXPECT_EQ(image.Pixels.At(2, 0), source.At(2, 0));
    const DecodedImage opaque = GifCodec::Decode(GifCodec::Encode(source, false));
    EXPECT_FALSE(opaque.HasAlpha);
    EXPECT_EQ(opaque.Pixels.At(1, 0), MakePixel(99, 99, 99, 255));
}

TEST(GifCodec, RefusesEveryTruncation) {
    const Bytes file = InterlacedFrameOnScreen({ { 0, 1 }, { 2, 3 }, { 3, 0 }, { 1, 2 } });
    const Bytes plain = GifCodec::Encode(Gradient(9, 9, false));
    for (const Bytes* f : { &file, &plain }) {
        // The trailer byte after the frame is not needed to show the first frame.
        for (std::size_t size = 0; size + 1 < f->size(); ++size) {
            const Bytes part(f->begin(), f->begin() + size);
            EXPECT_THROW(GifCodec::Decode(part), Exception) << "size " << size;
        }
    }
}

TEST(GifCodec, RefusesLyingFiles) {
    Bytes noMap{ 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x00, 0, 0 };
    Append(noMap, { ',', 0, 0, 0, 0, 2, 0, 2, 0, 0x00, 2, 2, 0x4C, 0x01, 0, ';' });
    Bytes zeroFrame{ 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255 };
    Append(zeroFrame, { ',', 0, 0, 0, 0, 0, 0, 2, 0, 0x00, 2, 2, 0x4C, 0x01, 0, ';' });
    Bytes hugeFrame{ 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255 };
    Append(hugeFrame,
           { ',', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 2, 2, 0x4C, 0x01, 0, ';' });
    Bytes noPicture{ 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x00, 0, 0, ';' };
    struct Case {
        const char* Name;
        const Bytes& File;
    };
    const Case cases[] = {
        { "no colour table", noMap },
        { "zero-sized frame", zeroFrame },
        { "frame past the limits", hugeFrame },
        { "no picture", noPicture },
    };
    for (const auto& c : cases)
        EXPECT_THROW(GifCodec::Decode(c.File), Exception) << c.Name;
}

TEST(GifCodec, RefusesAScreenItsFewBytesCannotFillBeforeReservingIt) {
    // A 2 x 2 frame on an 8000 x 8000 screen: 256 MB of pixels claimed by 31 bytes.
    Bytes file{ 'G',  'I', 'F', '8', '9', 'a', 0x40, 0x1F, 0x40, 0x1F,
                0x80, 0,   0,   0,   0,   0,   255,  255,  255 };
    Append(file, { ',', 0, 0, 0, 0, 2, 0, 2, 0, 0x00, 2, 2, 0x4C, 0x01, 0, ';' });
    try {
        GifCodec::Decode(file);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "GIF picture holds too little data for its size (8000 x 8000)");
    }
}
