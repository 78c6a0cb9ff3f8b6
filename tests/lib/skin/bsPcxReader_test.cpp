#include "lib/skindraw/TbsBitmap.h"

#include "platform/rtl/TMemoryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct PcxFile {
    int manufacturer{ 10 };
    int version{ 5 };
    int encoding{ 1 };
    int xMin{ 0 }, yMin{ 0 }, xMax{ 2 }, yMax{ 1 };
    int planes{ 1 };
    int bytesPerLine{ 4 };
    std::vector<std::uint8_t> data;
    bool palette{ true };

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> b(128 + data.size(), 0);
        b[0] = std::uint8_t(manufacturer);
        b[1] = std::uint8_t(version);
        b[2] = std::uint8_t(encoding);
        b[3] = 8;
        const auto word = [&b](int at, int v) {
            b[std::size_t(at)] = std::uint8_t(v);
            b[std::size_t(at + 1)] = std::uint8_t(v >> 8);
        };
        word(4, xMin);
        word(6, yMin);
        word(8, xMax);
        word(10, yMax);
        b[65] = std::uint8_t(planes);
        word(66, bytesPerLine);
        std::copy(data.begin(), data.end(), b.begin() + 128);
        if (palette) {
            b.push_back(12);
            for (int i = 0; i < 256; ++i) {
                b.push_back(std::uint8_t(i));       // red
                b.push_back(std::uint8_t(255 - i)); // green
                b.push_back(std::uint8_t(i / 2));   // blue
            }
        }
        return b;
    }
};

TbsColor PaletteColour(int i) {
    return 0xFF000000u | TbsColor(i) << 16 | TbsColor(255 - i) << 8 | TbsColor(i / 2);
}

void Load(TbsBitmap& b, const PcxFile& file) {
    const auto bytes = file.Bytes();
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    b.LoadFromPcxStream(stream);
}

TEST(PcxReaderTest, RunLengthCodedPictureWithItsPalette) {
    PcxFile file;
    // Line 1: 7, 7, 7 (a run of 3), padding 0. Line 2: 200 as a run of one, 1, 2, padding.
    file.data = { 0xC3, 7, 0, 0xC1, 200, 1, 2, 0 };
    TbsBitmap b;
    Load(b, file);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(0, 0), PaletteColour(7));
    EXPECT_EQ(b.Pixel(2, 0), PaletteColour(7));
    EXPECT_EQ(b.Pixel(0, 1), PaletteColour(200));
    EXPECT_EQ(b.Pixel(2, 1), PaletteColour(2));
}

TEST(PcxReaderTest, PlainDataAndTheSystemPalette) {
    PcxFile file;
    file.encoding = 0;
    file.version = 3;
    file.palette = false;
    file.data = { 9, 12, 15, 0, 0, 1, 2, 0 };
    TbsBitmap b;
    Load(b, file);
    ASSERT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(b.Pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(b.Pixel(1, 1), 0xFF800000u);
}

TEST(PcxReaderTest, ForeignHeaderChangesNothing) {
    PcxFile file;
    file.manufacturer = 11;
    file.data = { 0xC3, 7, 0, 0xC1, 200, 1, 2, 0 };
    TbsBitmap b;
    b.SetSize(1, 1);
    b.Clear(42);
    Load(b, file);
    EXPECT_EQ(b.Width(), 1);
    EXPECT_EQ(b.Pixel(0, 0), 42u);
}

TEST(PcxReaderTest, MalformedFilesRaiseAndChangeNothing) {
    struct Case {
        const char* what;
        PcxFile file;
    };
    PcxFile shortLine;
    shortLine.bytesPerLine = 2; // a decoded line shorter than the picture's width
    shortLine.data = { 1, 2, 3, 4 };
    PcxFile truncated;
    truncated.data = { 0xC3, 7, 0 };
    PcxFile noPalette;
    noPalette.palette = false;
    noPalette.data = { 1 };
    PcxFile huge;
    huge.xMax = 0xFFFF;
    huge.yMax = 0xFFFF;
    huge.bytesPerLine = 0xFFFF;
    huge.data = { 0xFF, 1 };
    PcxFile beyondData; // 2 MB lines, 18000 of them, from a few bytes
    beyondData.xMax = 72;
    beyondData.yMax = 17999;
    beyondData.planes = 36;
    beyondData.bytesPerLine = 55296;
    beyondData.data = { 0xFF, 1, 0xFF, 2 };
    PcxFile plainBeyondData;
    plainBeyondData.encoding = 0;
    plainBeyondData.data = { 1, 2, 3, 4, 5 }; // two 4-byte lines need 8
    PcxFile inverted;
    inverted.xMin = 5;
    inverted.data = { 0xC3, 7, 0, 0xC1, 200, 1, 2, 0 };
    const Case cases[] = { { "line shorter than the width", shortLine },
                           { "pixel data cut short", truncated },
                           { "stream too short for its palette", noPalette },
                           { "size past the limits", huge },
                           { "lines the coded data cannot give", beyondData },
                           { "lines the plain data cannot give", plainBeyondData },
                           { "right edge left of the left one", inverted } };
    for (const auto& c : cases) {
        TbsBitmap b;
        b.SetSize(1, 1);
        b.Clear(42);
        const auto bytes = c.file.Bytes();
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        EXPECT_THROW(b.LoadFromPcxStream(stream), EReadError) << c.what;
        EXPECT_EQ(b.Pixel(0, 0), 42u) << c.what;
    }
    TMemoryStream tiny;
    tiny.WriteBuffer("\x0a\x05", 2);
    tiny.SetPosition(0);
    TbsBitmap b;
    EXPECT_THROW(b.LoadFromPcxStream(tiny), EReadError);
}

} // namespace
