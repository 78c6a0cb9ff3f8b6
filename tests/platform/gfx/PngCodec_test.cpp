#include "PictureBytes.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"
#include <gtest/gtest.h>
#include <string>

using namespace gfx;
using namespace picture_test;

namespace {

struct ColorCase {
    const char* Name;
    Bytes File;
    std::vector<Pixel> Expected; // the first row
    int BitDepth;                // bits per pixel
    bool HasAlpha;
};

} // namespace

TEST(PngCodec, DecodesEachColourTypeToKnownPixels) {
    const Bytes palette{ 255, 0, 0, 0, 255, 0, 0, 0, 255 };
    const ColorCase cases[] = {
        { "grey 8",
          BuildPng(3, 1, 8, 0, { { 0, 128, 255 } }),
          { MakePixel(0, 0, 0, 255), MakePixel(128, 128, 128, 255), MakePixel(255, 255, 255, 255) },
          8,
          false },
        { "grey 1",
          BuildPng(3, 1, 1, 0, { { 0b10100000 } }),
          { MakePixel(255, 255, 255, 255), MakePixel(0, 0, 0, 255), MakePixel(255, 255, 255, 255) },
          1,
          false },
        { "grey 16",
          BuildPng(2, 1, 16, 0, { { 0xFF, 0xFF, 0x00, 0x00 } }),
          { MakePixel(255, 255, 255, 255), MakePixel(0, 0, 0, 255) },
          16,
          false },
        { "grey alpha",
          BuildPng(2, 1, 8, 4, { { 200, 255, 50, 0 } }),
          { MakePixel(200, 200, 200, 255), MakePixel(50, 50, 50, 0) },
          16,
          true },
        { "palette with tRNS",
          BuildPng(3, 1, 2, 3, { { 0b00011000 } }, palette, { 255, 0 }),
          { MakePixel(255, 0, 0, 255), MakePixel(0, 255, 0, 0), MakePixel(0, 0, 255, 255) },
          2,
          true },
        { "RGB 8",
          BuildPng(2, 1, 8, 2, { { 10, 20, 30, 40, 50, 60 } }),
          { MakePixel(10, 20, 30, 255), MakePixel(40, 50, 60, 255) },
          24,
          false },
        { "RGBA 8",
          BuildPng(2, 1, 8, 6, { { 10, 20, 30, 40, 50, 60, 70, 80 } }),
          { MakePixel(10, 20, 30, 40), MakePixel(50, 60, 70, 80) },
          32,
          true },
        { "RGB 16",
          BuildPng(1, 1, 16, 2, { { 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF } }),
          { MakePixel(255, 0, 255, 255) },
          48,
          false },
    };
    for (const auto& c : cases) {
        const DecodedImage image = PngCodec::Decode(c.File);
        std::vector<Pixel> row(image.Pixels.Row(0), image.Pixels.Row(0) + image.Pixels.Width());
        EXPECT_EQ(row, c.Expected) << c.Name;
        EXPECT_EQ(image.BitDepth, c.BitDepth) << c.Name;
        EXPECT_EQ(image.HasAlpha, c.HasAlpha) << c.Name;
    }
}

TEST(PngCodec, KeepsPaletteAndTransparentIndex) {
    const Bytes file =
        BuildPng(2, 1, 8, 3, { { 1, 0 } }, { 1, 2, 3, 4, 5, 6, 7, 8, 9 }, { 255, 0, 0 });
    const PngHeader header = PngCodec::ReadHeader(file);
    EXPECT_EQ(header.ColorType, PngColorType::Palette);
    EXPECT_EQ(header.BitDepth, 8);
    EXPECT_TRUE(header.HasTransparency);
    const DecodedImage image = PngCodec::Decode(file);
    EXPECT_EQ(image.Palette, (std::vector<Pixel>{ MakePixel(1, 2, 3, 255), MakePixel(4, 5, 6, 0),
                                                  MakePixel(7, 8, 9, 0) }));
    EXPECT_EQ(image.TransparentIndex, 1);
}

TEST(PngCodec, ReportsTheKeyColourOfGreyAndRgbFiles) {
    const Bytes grey = BuildPng(2, 1, 4, 0, { { 0x5F } }, {}, { 0, 5 });
    EXPECT_EQ(PngCodec::ReadHeader(grey).TransparentKey, MakePixel(85, 85, 85, 255));
    const DecodedImage image = PngCodec::Decode(grey);
    EXPECT_EQ(image.Pixels.At(0, 0), MakePixel(85, 85, 85, 0));
    EXPECT_EQ(image.Pixels.At(1, 0), MakePixel(255, 255, 255, 255));
    const Bytes rgb =
        BuildPng(1, 1, 16, 2, { { 1, 2, 3, 4, 5, 6 } }, {}, { 0xAB, 0, 0x12, 0, 0xFF, 0xFF });
    EXPECT_EQ(PngCodec::ReadHeader(rgb).TransparentKey, MakePixel(0xAB, 0x12, 0xFF, 255));
}

TEST(PngCodec, RoundTripsRgbAndRgba) {
    for (bool alpha : { false, true }) {
        const Surface source = Gradient(9, 6, alpha);
        const Bytes file = PngCodec::Encode(source, alpha);
        EXPECT_EQ(PngCodec::ReadHeader(file).ColorType,
                  alpha ? PngColorType::RGBAlpha : PngColorType::RGB);
        const DecodedImage image = PngCodec::Decode(file);
        EXPECT_EQ(image.HasAlpha, alpha);
        EXPECT_EQ(image.Pixels, source) << alpha;
    }
}

TEST(PngCodec, RefusesEveryTruncation) {
    const Bytes file = PngCodec::Encode(Gradient(6, 5, true), true);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes part(file.begin(), file.begin() + size);
        EXPECT_THROW(PngCodec::Decode(part), Exception) << "size " << size;
    }
}

TEST(PngCodec, RefusesCorruptFiles) {
    Bytes badCrc = BuildPng(2, 1, 8, 0, { { 1, 2 } });
    badCrc[badCrc.size() - 20] ^= 0x55;                 // inside IDAT
    Bytes badData = BuildPng(2, 2, 8, 0, { { 1, 2 } }); // one row for two
    struct Case {
        const char* Name;
        Bytes File;
    };
    const Case cases[] = {
        { "zero width", BuildPng(0, 1, 8, 0, { { 1 } }) },
        { "huge size", BuildPng(100000, 100000, 8, 0, { { 1 } }) },
        { "too many pixels", BuildPng(30000, 30000, 8, 0, { { 1 } }) },
        { "colour type 5", BuildPng(1, 1, 8, 5, { { 1 } }) },
        { "bit depth 3", BuildPng(1, 1, 3, 0, { { 1 } }) },
        { "palette picture without palette", BuildPng(1, 1, 8, 3, { { 0 } }) },
        { "damaged IDAT", badCrc },
        { "missing rows", badData },
        { "not a PNG", Bytes{ 'G', 'I', 'F', '8', '9', 'a', 0, 0 } },
    };
    for (const auto& c : cases)
        EXPECT_THROW(PngCodec::Decode(c.File), Exception) << c.Name;
}

TEST(PngCodec, ABitDepthTheColourTypeDoesNotAllowIsRefusedWithOrWithoutAKey) {
    struct Case {
        int Depth;
        int ColorType;
        Bytes Key;
    };
    const Case cases[] = {
        { 0, 0, { 0, 1 } },      { 160, 0, { 0, 1 } },  { 3, 0, { 0, 1 } },
        { 32, 0, { 0, 1 } },     { 0, 2, Bytes(6, 1) }, { 4, 2, Bytes(6, 1) },
        { 160, 2, Bytes(6, 1) }, { 16, 3, { 0, 255 } }, { 2, 6, {} },
    };
    for (const Case& c : cases) {
        const Bytes file =
            BuildPng(1, 1, c.Depth, c.ColorType, { { 0, 0, 0, 0, 0, 0 } }, {}, c.Key);
        const std::string what =
            "depth " + std::to_string(c.Depth) + ", colour type " + std::to_string(c.ColorType);
        try {
            PngCodec::ReadHeader(file);
            ADD_FAILURE() << "accepted " << what;
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find("bit depth " + std::to_string(c.Depth)), std::string::npos)
                << e.Message();
        }
        EXPECT_THROW(PngCodec::Decode(file), Exception) << what;
    }
}

TEST(PngCodec, ASizeTheCompressedPixelsCannotFillIsRefusedBeforeDecoding) {
    // 20000 x 3000 grey pixels need 60 MB; these few compressed bytes inflate to far less.
    const Bytes file = BuildPng(20000, 3000, 8, 0, { Bytes(16, 0) });
    try {
        PngCodec::Decode(file);
        FAIL() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "PNG picture holds too little data for its size (20000 x 3000)");
    }
}

TEST(PngCodec, WritesBottomUpSurfacesTopRowFirst) {
    const Surface topDown = Gradient(5, 4, true);
    Surface bottomUp(5, 4, 0, Surface::RowOrder::BottomUp);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            bottomUp.Set(x, y, topDown.At(x, y));
    for (bool alpha : { false, true }) {
        const DecodedImage image = PngCodec::Decode(PngCodec::Encode(bottomUp, alpha));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) {
                const Pixel expected = alpha ? topDown.At(x, y) : topDown.At(x, y) | 0xFF000000u;
                ASSERT_EQ(image.Pixels.At(x, y), expected) << x << "," << y;
            }
    }
}
