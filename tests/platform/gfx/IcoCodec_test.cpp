#include "PictureBytes.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"
#include <gtest/gtest.h>

#include <algorithm>

using namespace gfx;
using namespace picture_test;

namespace {

// A bottom-up icon DIB of one colour with an AND mask hiding the top-left pixel.
Bytes IconDib(int size, int bitCount, Pixel color) {
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, std::uint32_t(size));
    Put32(dib, std::uint32_t(size * 2));
    Put16(dib, 1);
    Put16(dib, unsigned(bitCount));
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    const int bytes = bitCount / 8;
    const int stride = (size * bytes + 3) / 4 * 4;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Append(dib, { PixelB(color), PixelG(color), PixelR(color) });
            if (bytes == 4) dib.push_back(0);
        }
        dib.resize(dib.size() + std::size_t(stride - size * bytes), 0);
    }
    const int maskStride = (size + 31) / 32 * 4;
    for (int y = 0; y < size; ++y) {
        const std::size_t row = dib.size();
        dib.resize(row + std::size_t(maskStride), 0);
        if (y == size - 1) dib[row] = 0x80; // the last stored row is the top one
    }
    return dib;
}

struct IconEntry {
    int Size;
    int BitCount;
    Bytes Data;
};

Bytes BuildIco(const std::vector<IconEntry>& entries) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, unsigned(entries.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
    for (const auto& e : entries) {
        Append(out, { e.Size & 255, e.Size & 255, 0, 0 });
        Put16(out, 1);
        Put16(out, unsigned(e.BitCount));
        Put32(out, std::uint32_t(e.Data.size()));
        Put32(out, offset);
        offset += std::uint32_t(e.Data.size());
    }
    for (const auto& e : entries)
        out.insert(out.end(), e.Data.begin(), e.Data.end());
    return out;
}

const Pixel kRed = MakePixel(255, 0, 0, 255);
const Pixel kBlue = MakePixel(0, 0, 255, 255);

} // namespace

TEST(IcoCodec, PicksTheLargestThenDeepestPicture) {
    const Bytes file = BuildIco({ { 16, 24, IconDib(16, 24, kRed) },
                                  { 32, 24, IconDib(32, 24, kRed) },
                                  { 32, 32, IconDib(32, 32, kBlue) },
                                  { 8, 32, IconDib(8, 32, kRed) } });
    ASSERT_TRUE(IcoCodec::IsIco(file));
    const DecodedImage image = IcoCodec::Decode(file);
    ASSERT_EQ(image.Pixels.Width(), 32);
    ASSERT_EQ(image.Pixels.Height(), 32);
    EXPECT_EQ(image.Pixels.At(5, 5), kBlue);
    EXPECT_TRUE(image.HasAlpha);
    EXPECT_EQ(PixelA(image.Pixels.At(0, 0)), 0);
}

TEST(IcoCodec, ReadsEmbeddedPng) {
    const Surface picture = Gradient(48, 48, true);
    const Bytes file = BuildIco(
        { { 16, 24, IconDib(16, 24, kRed) }, { 48, 32, PngCodec::Encode(picture, true) } });
    EXPECT_EQ(IcoCodec::Decode(file).Pixels, picture);
}

TEST(IcoCodec, RefusesTruncatedAndLyingFiles) {
    const Bytes file = BuildIco({ { 4, 24, IconDib(4, 24, kRed) } });
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes part(file.begin(), file.begin() + size);
        EXPECT_THROW(IcoCodec::Decode(part), Exception) << "size " << size;
    }
    Bytes empty;
    Put16(empty, 0);
    Put16(empty, 1);
    Put16(empty, 0);
    EXPECT_THROW(IcoCodec::Decode(empty), Exception);
    Bytes pastEnd = file;
    pastEnd[18] = 0xFF; // entry offset far beyond the file
    pastEnd[19] = 0xFF;
    EXPECT_THROW(IcoCodec::Decode(pastEnd), Exception);
    // Two entries pointing at one picture: many such entries would decode it again and again.
    Bytes shared = BuildIco({ { 4, 24, IconDib(4, 24, kRed) }, { 4, 24, { 0 } } });
    std::copy_n(shared.begin() + 14, 8, shared.begin() + 30); // size and offset of the first
    try {
        IcoCodec::Decode(shared);
        ADD_FAILURE() << "shared picture accepted";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("overlap"), std::string::npos) << e.Message();
    }
    Bytes wrongType = file;
    wrongType[2] = 3;
    EXPECT_THROW(IcoCodec::Decode(wrongType), Exception);
}

TEST(IcoCodec, WritesOneThirtyTwoBitPictureWithItsMask) {
    Surface picture = Gradient(20, 3, true);
    picture.Set(4, 1, MakePixel(1, 2, 3, 0));
    const Bytes file = IcoCodec::Encode(picture);
    EXPECT_EQ(IcoCodec::Decode(file).Pixels, picture);
    // The AND mask marks the see-through pixel for readers that ignore alpha: row 1 is stored
    // second from the end, each mask row 4 bytes.
    const std::size_t maskRow1 = file.size() - 2 * 4;
    EXPECT_EQ(file[maskRow1], 0x08);
    EXPECT_THROW(IcoCodec::Encode(Surface(257, 1)), Exception);
    EXPECT_THROW(IcoCodec::Encode(Surface()), Exception);
}
