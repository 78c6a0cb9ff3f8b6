#include "PictureBytes.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/rtl/Exception.h"
#include <gtest/gtest.h>

using namespace gfx;
using namespace picture_test;

namespace {

constexpr Pixel kRed = MakePixel(255, 0, 0, 255);
constexpr Pixel kGreen = MakePixel(0, 255, 0, 255);
constexpr Pixel kBlue = MakePixel(0, 0, 255, 255);
constexpr Pixel kWhite = MakePixel(255, 255, 255, 255);
constexpr Pixel kBlack = MakePixel(0, 0, 0, 255);

struct BmpLayout {
    int Width{ 0 };
    int Height{ 0 }; // negative: top-down
    int BitCount{ 0 };
    std::uint32_t Compression{ 0 };
    std::vector<std::uint32_t> Masks; // written after a 40-byte header
    std::vector<Pixel> Palette;
    Bytes Bits; // rows exactly as stored
};

Bytes BuildBmp(const BmpLayout& s) {
    const std::uint32_t offBits =
        14 + 40 + std::uint32_t(s.Masks.size() * 4 + s.Palette.size() * 4);
    Bytes out{ 'B', 'M' };
    Put32(out, offBits + std::uint32_t(s.Bits.size()));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, std::uint32_t(s.Width));
    Put32(out, std::uint32_t(s.Height));
    Put16(out, 1);
    Put16(out, unsigned(s.BitCount));
    Put32(out, s.Compression);
    Put32(out, std::uint32_t(s.Bits.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, std::uint32_t(s.Palette.size()));
    Put32(out, 0);
    for (auto m : s.Masks)
        Put32(out, m);
    for (Pixel p : s.Palette)
        Append(out, { PixelB(p), PixelG(p), PixelR(p), 0 });
    out.insert(out.end(), s.Bits.begin(), s.Bits.end());
    return out;
}

std::vector<Pixel> AllPixels(const Surface& s) {
    std::vector<Pixel> out;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            out.push_back(s.At(x, y));
    return out;
}

struct DepthCase {
    const char* Name;
    BmpLayout Layout;
    std::vector<Pixel> Expected; // top-down, row by row
    bool HasAlpha;
};

} // namespace

TEST(BmpCodec, DecodesEachDepthToKnownPixels) {
    const std::vector<Pixel> palette{ kRed, kGreen, kBlue, kWhite };
    const DepthCase cases[] = {
        // 3 x 2, bottom-up: the first stored row is the bottom one.
        { "1 bit",
          { 3, 2, 1, 0, {}, { kBlack, kWhite }, { 0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0 } },
          { kBlack, kWhite, kBlack, kWhite, kBlack, kWhite },
          false },
        { "4 bit",
          { 3, 2, 4, 0, {}, palette, { 0x01, 0x20, 0, 0, 0x33, 0x10, 0, 0 } },
          { kWhite, kWhite, kGreen, kRed, kGreen, kBlue },
          false },
        { "8 bit",
          { 3, 2, 8, 0, {}, palette, { 0, 1, 2, 0, 3, 3, 0, 0 } },
          { kWhite, kWhite, kRed, kRed, kGreen, kBlue },
          false },
        { "16 bit 555",
          { 3, 1, 16, 0, {}, {}, { 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0 } },
          { kRed, kGreen, kBlue },
          false },
        { "16 bit 565",
          { 3,
            1,
            16,
            3,
            { 0xF800, 0x07E0, 0x001F },
            {},
            { 0x00, 0xF8, 0xE0, 0x07, 0x10, 0x84, 0, 0 } },
          { kRed, kGreen, MakePixel(132, 130, 132, 255) },
          false },
        { "24 bit",
          { 2, 2, 24, 0, {}, {}, { 0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 1, 2, 3, 0, 0 } },
          { kBlue, MakePixel(3, 2, 1, 255), kRed, kGreen },
          false },
        { "32 bit without alpha",
          { 2, 1, 32, 0, {}, {}, { 0, 0, 255, 0, 10, 20, 30, 0 } },
          { kRed, MakePixel(30, 20, 10, 255) },
          false },
        { "32 bit with alpha bytes",
          { 2, 1, 32, 0, {}, {}, { 0, 0, 255, 128, 10, 20, 30, 0 } },
          { MakePixel(255, 0, 0, 128), MakePixel(30, 20, 10, 0) },
          true },
        { "32 bit alpha bit fields",
          { 1, 1, 32, 6, { 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000 }, {}, { 1, 2, 3, 4 } },
          { MakePixel(1, 2, 3, 4) },
          true },
        { "top-down 8 bit",
          { 3, -2, 8, 0, {}, palette, { 0, 1, 2, 0, 3, 3, 0, 0 } },
          { kRed, kGreen, kBlue, kWhite, kWhite, kRed },
          false },
    };
    for (const auto& c : cases) {
        const Bytes file = BuildBmp(c.Layout);
        std::size_t consumed = 0;
        const DecodedImage image = BmpCodec::Decode(file, &consumed);
        EXPECT_EQ(consumed, file.size()) << c.Name;
        EXPECT_EQ(image.BitDepth, c.Layout.BitCount) << c.Name;
        EXPECT_EQ(image.HasAlpha, c.HasAlpha) << c.Name;
        EXPECT_EQ(image.Pixels.Width(), c.Layout.Width) << c.Name;
        EXPECT_EQ(image.Pixels.Height(), std::abs(c.Layout.Height)) << c.Name;
        EXPECT_EQ(AllPixels(image.Pixels), c.Expected) << c.Name;
    }
}

TEST(BmpCodec, DecodesRunLengthPictures) {
    const std::vector<Pixel> palette{ kBlack, kRed, kGreen, kBlue };
    struct Case {
        const char* Name;
        int BitCount;
        std::uint32_t Compression;
        Bytes Bits;
        std::vector<Pixel> Expected;
    };
    const Case cases[] = {
        // Bottom row: run of 2 x index 1, literal 2,3; top row: move right by one, run 1 x index 2.
        { "RLE8",
          8,
          1,
          { 2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1 },
          { kBlack, kGreen, kBlack, kBlack, kRed, kRed, kGreen, kBlue } },
        // Bottom row: run of 3 alternating 1,2, literal 3; top row: run 4 alternating 3,0.
        { "RLE4",
          4,
          2,
          { 3, 0x12, 0, 3, 0x30, 0x00, 0, 0, 4, 0x30, 0, 1 },
          { kBlue, kBlack, kBlue, kBlack, kRed, kGreen, kRed, kBlue } },
    };
    for (const auto& c : cases) {
        const Bytes file = BuildBmp({ 4, 2, c.BitCount, c.Compression, {}, palette, c.Bits });
        EXPECT_EQ(AllPixels(BmpCodec::Decode(file).Pixels), c.Expected) << c.Name;
    }
}

TEST(BmpCodec, ReadsOs2CoreHeader) {
    Bytes file{ 'B', 'M' };
    Put32(file, 14 + 12 + 6 + 4);
    Put32(file, 0);
    Put32(file, 14 + 12 + 6);
    Put32(file, 12);
    Put16(file, 1);
    Put16(file, 1);
    Put16(file, 1);
    Put16(file, 1);
    Append(file, { 0, 0, 255, 255, 0, 0 }); // red, blue as BGR triples
    Append(file, { 0x80, 0, 0, 0 });
    const DecodedImage image = BmpCodec::Decode(file);
    EXPECT_EQ(image.Pixels.At(0, 0), kBlue);
}

TEST(BmpCodec, RoundTripsDirectColourDepths) {
    for (int bits : { 24, 32 }) {
        const Surface source = Gradient(7, 5, bits == 32);
        const Bytes file = BmpCodec::Encode(source, bits);
        EXPECT_EQ(file.size(), 14 + 40 + BmpCodec::RowBytes(7, bits) * 5) << bits;
        const DecodedImage image = BmpCodec::Decode(file);
        EXPECT_EQ(image.BitDepth, bits);
        EXPECT_EQ(image.HasAlpha, bits == 32);
        EXPECT_EQ(image.Pixels, source) << bits;
    }
}

TEST(BmpCodec, RoundTripsIndexedDepths) {
    const std::vector<Pixel> palette{ kRed, kGreen, kBlue, kWhite };
    for (int bits : { 1, 4, 8 }) {
        const int colors = bits == 1 ? 2 : 4;
        Bytes indices;
        for (int i = 0; i < 9 * 3; ++i)
            indices.push_back(std::uint8_t((i * 7) % colors));
        const std::span<const Pixel> used(palette.data(), std::size_t(colors));
        const DecodedImage image =
            BmpCodec::Decode(BmpCodec::EncodeIndexed(9, 3, bits, used, indices));
        EXPECT_EQ(image.Palette, std::vector<Pixel>(used.begin(), used.end())) << bits;
        for (int i = 0; i < 27; ++i)
            ASSERT_EQ(image.Pixels.At(i % 9, i / 9), palette[indices[i]]) << bits << " at " << i;
    }
}

TEST(BmpCodec, ReadsConsecutivePicturesFromOneBuffer) {
    const Surface first = Gradient(3, 2, false);
    const Surface second = Gradient(5, 4, true);
    Bytes stream = BmpCodec::Encode(first, 24);
    const std::size_t firstSize = stream.size();
    const Bytes tail = BmpCodec::Encode(second, 32);
    stream.insert(stream.end(), tail.begin(), tail.end());

    std::size_t consumed = 0;
    EXPECT_EQ(BmpCodec::Decode(stream, &consumed).Pixels, first);
    ASSERT_EQ(consumed, firstSize);
    EXPECT_EQ(BmpCodec::Decode(std::span(stream).subspan(consumed), &consumed).Pixels, second);
    EXPECT_EQ(consumed, tail.size());
}

TEST(BmpCodec, RefusesEveryTruncation) {
    const std::vector<Pixel> palette{ kRed, kGreen, kBlue, kWhite };
    const Bytes files[] = {
        BmpCodec::Encode(Gradient(5, 3, false), 24),
        BuildBmp({ 3, 2, 8, 0, {}, palette, { 0, 1, 2, 0, 3, 3, 0, 0 } }),
        BuildBmp({ 4, 2, 8, 1, {}, palette, { 2, 1, 0, 0, 2, 2, 0, 1 } }),
    };
    for (const Bytes& file : files) {
        for (std::size_t size = 0; size < file.size(); ++size) {
            const Bytes part(file.begin(), file.begin() + size);
            EXPECT_THROW(BmpCodec::Decode(part), Exception) << "size " << size;
        }
    }
}

TEST(BmpCodec, RefusesLyingHeaders) {
    const std::vector<Pixel> palette{ kRed, kGreen };
    struct Case {
        const char* Name;
        Bytes File;
    };
    auto patched = [](Bytes file, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = std::uint8_t(value >> (8 * i));
        return file;
    };
    const Bytes good = BuildBmp({ 2, 2, 8, 0, {}, palette, { 0, 1, 0, 0, 1, 0, 0, 0 } });
    const Case cases[] = {
        { "not a bitmap", patched(good, 0, 0x12345678) },
        { "file size past the buffer", patched(good, 2, std::uint32_t(good.size() + 1)) },
        { "pixel offset past the end", patched(good, 10, 100000) },
        { "pixel offset inside the header", patched(good, 10, 20) },
        { "unknown header size", patched(good, 14, 33) },
        { "zero width", patched(good, 18, 0) },
        { "negative width", patched(good, 18, 0xFFFFFFFE) },
        { "huge width", patched(good, 18, 0x7FFFFFFF) },
        { "zero height", patched(good, 22, 0) },
        { "huge top-down height", patched(good, 22, 0x80000000) },
        { "too many pixels", patched(patched(good, 18, 30000), 22, 30000) },
        { "bit depth 7", patched(good, 28, 7 | (0u << 16)) },
        { "unknown compression", patched(good, 30, 9) },
        { "RLE8 on 24 bits", BuildBmp({ 1, 1, 24, 1, {}, {}, { 0, 1 } }) },
        { "colour table larger than the depth", patched(good, 46, 257) },
        { "top-down RLE", BuildBmp({ 2, -1, 8, 1, {}, palette, { 0, 1 } }) },
        { "RLE without end", BuildBmp({ 2, 2, 8, 1, {}, palette, { 2, 1, 0, 0 } }) },
        { "RLE literal past the data", BuildBmp({ 8, 1, 8, 1, {}, palette, { 0, 8, 1, 1 } }) },
    };
    for (const auto& c : cases)
        EXPECT_THROW(BmpCodec::Decode(c.File), Exception) << c.Name;
    // An OS/2 2.x header's compression 3 is Huffman coding, not bit fields.
    Bytes os2 = patched(patched(good, 14, 64), 30, 3);
    os2.insert(os2.begin() + 54, 24, 0);
    os2 = patched(patched(os2, 10, 14 + 64 + 8), 2, std::uint32_t(os2.size()));
    try {
        BmpCodec::Decode(os2);
        ADD_FAILURE() << "OS/2 Huffman accepted";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("OS/2"), std::string::npos) << e.Message();
    }
}

TEST(BmpCodec, IconDibAppliesAndMask) {
    // 2 x 1 at 24 bits with a doubled height; the mask's first bit hides the left pixel.
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, 2);
    Put32(dib, 2);
    Put16(dib, 1);
    Put16(dib, 24);
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    Append(dib, { 0, 0, 255, 0, 255, 0, 0, 0 });
    Append(dib, { 0x80, 0, 0, 0 });
    const DecodedImage image = BmpCodec::DecodeDib(dib, true);
    ASSERT_EQ(image.Pixels.Height(), 1);
    EXPECT_TRUE(image.HasAlpha);
    EXPECT_EQ(image.Pixels.At(0, 0), MakePixel(255, 0, 0, 0));
    EXPECT_EQ(image.Pixels.At(1, 0), kGreen);
    dib.erase(dib.end() - 4, dib.end()); // the mask goes missing
    EXPECT_THROW(BmpCodec::DecodeDib(dib, true), Exception);
}

TEST(BmpCodec, RefusesUnwritableDepths) {
    EXPECT_THROW(BmpCodec::Encode(Surface(2, 2), 16), Exception);
    EXPECT_THROW(BmpCodec::Encode(Surface(), 24), Exception);
    const Pixel palette[3] = { kRed, kGreen, kBlue };
    EXPECT_THROW(BmpCodec::EncodeIndexed(2, 1, 1, palette, Bytes{ 0, 1 }), Exception);
    EXPECT_THROW(BmpCodec::EncodeIndexed(2, 1, 8, palette, Bytes{ 0 }), Exception);
    const Bytes row(16, 0);
    auto rows = [&](int) { return row.data(); };
    const std::uint32_t masks[3] = { 0xF800, 0x07E0, 0x001F };
    EXPECT_THROW(BmpCodec::EncodeRows(2, 1, 7, {}, {}, rows), Exception);
    EXPECT_THROW(BmpCodec::EncodeRows(2, 1, 24, {}, masks, rows), Exception);
    EXPECT_THROW(BmpCodec::EncodeRows(2, 1, 8, {}, {}, rows), Exception);
    EXPECT_THROW(BmpCodec::EncodeRows(0, 1, 24, {}, {}, rows), Exception);
}
