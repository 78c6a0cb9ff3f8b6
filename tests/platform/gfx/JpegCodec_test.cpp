#include "PictureBytes.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/rtl/Exception.h"
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>

using namespace gfx;
using namespace picture_test;

namespace {

// Smooth content: JPEG keeps it within a few levels at high quality.
Surface Smooth(int width, int height) {
    Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.Set(x, y,
                  MakePixel(std::uint8_t(x * 4), std::uint8_t(y * 4), std::uint8_t(128 + x - y),
                            255));
    return s;
}

int MaxDifference(const Surface& a, const Surface& b) {
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift : { 0, 8, 16 }) {
                const int d = int((a.At(x, y) >> shift) & 255) - int((b.At(x, y) >> shift) & 255);
                worst = std::max(worst, std::abs(d));
            }
    return worst;
}

// A CMYK file written with libjpeg directly, all pixels one ink value (Adobe convention,
// 255 = no ink).
Bytes CmykFile(std::uint8_t c, std::uint8_t m, std::uint8_t y, std::uint8_t k) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::uint8_t row[32];
    for (int i = 0; i < 8; ++i) {
        row[4 * i] = c;
        row[4 * i + 1] = m;
        row[4 * i + 2] = y;
        row[4 * i + 3] = k;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row;
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace

TEST(JpegCodec, RoundTripsColourWithinTolerance) {
    const Surface source = Smooth(40, 24);
    const DecodedImage image = JpegCodec::Decode(JpegCodec::Encode(source, 95));
    EXPECT_EQ(image.BitDepth, 24);
    EXPECT_FALSE(image.HasAlpha);
    ASSERT_EQ(image.Pixels.Width(), 40);
    ASSERT_EQ(image.Pixels.Height(), 24);
    EXPECT_LE(MaxDifference(image.Pixels, source), 8);
    EXPECT_EQ(PixelA(image.Pixels.At(5, 5)), 255);
}

TEST(JpegCodec, ReadsGreyscale) {
    const DecodedImage image = JpegCodec::Decode(JpegCodec::Encode(Smooth(16, 16), 90, true));
    EXPECT_EQ(image.BitDepth, 8);
    const Pixel p = image.Pixels.At(10, 3);
    EXPECT_EQ(PixelR(p), PixelG(p));
    EXPECT_EQ(PixelG(p), PixelB(p));
}

TEST(JpegCodec, ReadsAdobeCmyk) {
    struct Case {
        std::uint8_t C, M, Y, K;
        Pixel Expected;
    };
    const Case cases[] = {
        { 255, 255, 255, 255, MakePixel(255, 255, 255, 255) },
        { 255, 0, 255, 255, MakePixel(255, 0, 255, 255) },
        { 255, 255, 255, 0, MakePixel(0, 0, 0, 255) },
    };
    for (const auto& c : cases) {
        const DecodedImage image = JpegCodec::Decode(CmykFile(c.C, c.M, c.Y, c.K));
        EXPECT_EQ(image.BitDepth, 32);
        Surface expected(8, 8, c.Expected);
        EXPECT_LE(MaxDifference(image.Pixels, expected), 2) << int(c.M) << " " << int(c.K);
    }
}

TEST(JpegCodec, QualityChangesTheSizeAndIsClamped) {
    const Surface source = Gradient(32, 32, false);
    const auto low = JpegCodec::Encode(source, 10);
    const auto high = JpegCodec::Encode(source, 95);
    EXPECT_LT(low.size(), high.size());
    EXPECT_EQ(JpegCodec::Encode(source, -5), JpegCodec::Encode(source, 0));
    EXPECT_EQ(JpegCodec::Encode(source, 300), JpegCodec::Encode(source, 100));
}

TEST(JpegCodec, RefusesEveryTruncation) {
    const Bytes file = JpegCodec::Encode(Smooth(16, 16), 80);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes part(file.begin(), file.begin() + size);
        EXPECT_THROW(JpegCodec::Decode(part), Exception) << "size " << size;
    }
}

TEST(JpegCodec, RefusesLyingFrameSizes) {
    const Bytes file = JpegCodec::Encode(Smooth(16, 16), 80);
    std::size_t sof = 0;
    for (std::size_t i = 2; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    auto withSize = [&](int width, int height) {
        Bytes out = file;
        out[sof + 5] = std::uint8_t(height >> 8);
        out[sof + 6] = std::uint8_t(height);
        out[sof + 7] = std::uint8_t(width >> 8);
        out[sof + 8] = std::uint8_t(width);
        return out;
    };
    EXPECT_THROW(JpegCodec::Decode(withSize(0, 16)), Exception);
    EXPECT_THROW(JpegCodec::Decode(withSize(16, 0)), Exception);
    EXPECT_THROW(JpegCodec::Decode(withSize(65000, 65000)), Exception);
    // A larger frame than the data holds runs out of data.
    EXPECT_THROW(JpegCodec::Decode(withSize(16, 400)), Exception);
    // A frame that no scan of these few hundred bytes could fill is refused before its memory
    // is reserved.
    try {
        JpegCodec::Decode(withSize(8000, 8000));
        ADD_FAILURE() << "8000 x 8000 accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "JPEG picture holds too little data for its size (8000 x 8000)");
    }
    EXPECT_THROW(JpegCodec::Decode(Bytes{ 0xFF, 0xD8, 0xFF, 0xD9 }), Exception);
}
