#include "lib/skindraw/TbsPngImageList.h"

#include "platform/gfx/PngCodec.h"
#include "platform/rtl/TMemoryStream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBigEndian(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBigEndian(out, std::uint32_t(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, std::uint32_t(crc32(0, body.data(), uInt(body.size()))));
}

// An 8-bit PNG file written chunk by chunk, for the colour types the codec does not write:
// rows are the raw samples of each row (one byte per pixel for grey and palette).
Bytes PngFile(int width, int colorType, const std::vector<Bytes>& rows, const Bytes& palette = {},
              const Bytes& transparency = {}) {
    Bytes out = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    Bytes header;
    PutBigEndian(header, std::uint32_t(width));
    PutBigEndian(header, std::uint32_t(rows.size()));
    header.insert(header.end(), { 8, std::uint8_t(colorType), 0, 0, 0 });
    PutChunk(out, "IHDR", header);
    if (!palette.empty()) PutChunk(out, "PLTE", palette);
    if (!transparency.empty()) PutChunk(out, "tRNS", transparency);
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0); // no filter
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    EXPECT_EQ(compress(packed.data(), &size, raw.data(), uLong(raw.size())), Z_OK);
    packed.resize(size);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

void LoadPng(TPngImage& png, const Bytes& file) {
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    png.LoadFromStream(stream);
}

// A 2x1 palette picture: entry 0 red and opaque, entry 1 green and the one clear entry.
void PalettePicture(TPngImage& png) {
    LoadPng(png, PngFile(2, COLOR_PALETTE, { { 0, 1 } }, { 255, 0, 0, 0, 255, 0 }, { 255, 0 }));
}

// A 2x2 RGBA picture: white opaque, white at alpha 200, red opaque, and a clear pixel.
void RgbaPicture(TPngImage& png) {
    gfx::Surface pixels(2, 2);
    pixels.Row(0)[0] = gfx::MakePixel(255, 255, 255, 255);
    pixels.Row(0)[1] = gfx::MakePixel(255, 255, 255, 200);
    pixels.Row(1)[0] = gfx::MakePixel(255, 0, 0, 255);
    pixels.Row(1)[1] = gfx::MakePixel(0, 0, 0, 0);
    LoadPng(png, gfx::PngCodec::Encode(pixels, true));
}

std::vector<int> Alphas(TPngImage& png) {
    std::vector<int> alphas;
    for (int y = 0; y < png.Height(); ++y)
        for (int x = 0; x < png.Width(); ++x) {
            const std::uint8_t* row = png.AlphaScanline(y);
            alphas.push_back(row ? row[x] : -1);
        }
    return alphas;
}

TEST(PngFading, HalvesAlphaChannelsRoundingHalvesToEven) {
    gfx::Surface pixels(5, 1);
    const std::uint8_t alphas[] = { 255, 200, 1, 3, 0 };
    for (int x = 0; x < 5; ++x)
        pixels.Row(0)[x] = gfx::MakePixel(10, 20, 30, alphas[x]);
    TbsPngImage png;
    LoadPng(png, gfx::PngCodec::Encode(pixels, true));
    FadePngImage(png, 127);
    EXPECT_EQ(Alphas(png), (std::vector<int>{ 128, 100, 0, 2, 0 }));
    EXPECT_EQ(png.Pixels(0, 0), TColor(win::RGB(10, 20, 30)));
}

TEST(PngFading, KeyColourStaysHiddenWhateverTheColourType) {
    struct Case {
        const char* what;
        Bytes file;
        int colorType; // after fading
        std::vector<int> alphas;
    };
    const Case cases[] = {
        // RGB with a key colour gains an alpha channel, then is halved.
        { "rgb",
          PngFile(2, COLOR_RGB, { { 0, 255, 0, 255, 0, 0 } }, {}, { 0, 0, 0, 255, 0, 0 }),
          COLOR_RGBALPHA,
          { 0, 128 } },
        { "rgb without key",
          PngFile(2, COLOR_RGB, { { 0, 255, 0, 255, 0, 0 } }),
          COLOR_RGBALPHA,
          { 128, 128 } },
        // Grey and palette pictures become RGBA at the flat value.
        { "grey",
          PngFile(2, COLOR_GRAYSCALE, { { 9, 200 } }, {}, { 0, 9 }),
          COLOR_RGBALPHA,
          { 0, 127 } },
        { "palette",
          PngFile(2, COLOR_PALETTE, { { 0, 1 } }, { 255, 0, 0, 0, 255, 0 }, { 255, 0 }),
          COLOR_RGBALPHA,
          { 127, 0 } },
        { "palette with a soft entry",
          PngFile(3, COLOR_PALETTE, { { 0, 1, 2 } }, { 255, 0, 0, 0, 255, 0, 0, 0, 255 },
                  { 0, 60, 255 }),
          COLOR_RGBALPHA,
          { 0, 60, 127 } },
    };
    for (const Case& c : cases) {
        TbsPngImage png;
        LoadPng(png, c.file);
        FadePngImage(png, 127);
        EXPECT_EQ(png.Header().ColorType, c.colorType) << c.what;
        EXPECT_EQ(Alphas(png), c.alphas) << c.what;
    }
    TbsPngImage palette;
    PalettePicture(palette);
    FadePngImage(palette, 127);
    EXPECT_EQ(palette.Pixels(0, 0), clRed) << "colours survive the conversion";
    EXPECT_EQ(palette.Pixels(1, 0), clLime);
}

class PngImageLists : public ::testing::Test {
protected:
    PngImageLists() {
        List.SetPngWidth(4);
        List.SetPngHeight(4);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < List.PngImages().Count(); ++i)
            names.push_back(List.PngImages().Items(i)->Name());
        return names;
    }
    // A black 8x8 canvas with the image drawn at 2, 2.
    std::unique_ptr<TBitmap> DrawnOnBlack(int index, bool enabled) {
        auto target = std::make_unique<TBitmap>();
        target->SetPixelFormat(pf24bit);
        target->SetSize(8, 8);
        target->Canvas().Brush().SetColor(clBlack);
        target->Canvas().FillRect(TRect(0, 0, 8, 8));
        List.Draw(target->Canvas(), 2, 2, index, enabled);
        return target;
    }

    TbsPngImageList List{ nullptr };
};

void ExpectNear(TColor actual, int r, int g, int b, const char* what) {
    const win::COLORREF c = ColorToRGB(actual);
    EXPECT_LE(std::abs(win::GetRValue(c) - r), 1) << what;
    EXPECT_LE(std::abs(win::GetGValue(c) - g), 1) << what;
    EXPECT_LE(std::abs(win::GetBValue(c) - b), 1) << what;
}

TEST_F(PngImageLists, ItemsKeepOneBaseImageEachAtTheirIndex) {
    for (int i = 0; i < 3; ++i)
        List.PngImages().Add();
    EXPECT_EQ(Names(), (std::vector<std::string>{ "PngImage0", "PngImage1", "PngImage2" }));
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(List.PngImages().Items(1)->DisplayName(), "PngImage1");

    List.PngImages().Delete(1);
    EXPECT_EQ(Names(), (std::vector<std::string>{ "PngImage0", "PngImage2" }));
    EXPECT_EQ(List.Count(), 2);

    // An item added at a place puts its placeholder there too.
    List.PngImages().Insert(0);
    EXPECT_EQ(List.Count(), 3);
    EXPECT_THROW(List.PngImages().Items(3), EListError);

    TbsPngImageList copy(nullptr);
    copy.SetPngWidth(4);
    copy.SetPngHeight(4);
    RgbaPicture(List.PngImages().Items(2)->PngImage());
    copy.SetPngImages(List.PngImages());
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.PngImages().Items(2)->Name(), "PngImage2");
    EXPECT_EQ(copy.PngImages().Items(2)->PngImage().Width(), 2);

    List.PngImages().Clear();
    EXPECT_EQ(List.Count(), 0);
}

TEST_F(PngImageLists, NewSizeDiscardsPicturesExceptWhileLoading) {
    for (int i = 0; i < 2; ++i)
        List.PngImages().Add();
    List.SetPngWidth(4);
    EXPECT_EQ(List.PngImages().Count(), 2) << "the same width keeps the pictures";

    List.SetLoading(true);
    List.SetPngWidth(16);
    List.SetPngHeight(16);
    List.SetLoading(false);
    EXPECT_EQ(List.PngImages().Count(), 2);
    EXPECT_EQ(List.Count(), 2) << "one base image per picture while loading too";
    TBitmap placeholder;
    List.GetBitmap(1, placeholder);
    EXPECT_EQ(placeholder.Width(), 16);

    List.SetPngHeight(24);
    EXPECT_EQ(List.PngImages().Count(), 0);
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.PngHeight(), 24);
}

TEST_F(PngImageLists, DrawsPicturesWithAlphaAndDisabledAtHalfOpacity) {
    RgbaPicture(List.PngImages().Add()->PngImage());    // 2x2, stretched to 4x4
    PalettePicture(List.PngImages().Add()->PngImage()); // 2x1, stretched to 4x4
    List.PngImages().Add();                             // no picture

    struct Case {
        int index;
        bool enabled;
        int x, y; // inside the 4x4 image drawn at 2, 2
        int r, g, b;
        const char* what;
    };
    const Case cases[] = {
        { 0, true, 0, 0, 255, 255, 255, "opaque white" },
        { 0, true, 3, 0, 200, 200, 200, "white at 200" },
        { 0, true, 0, 3, 255, 0, 0, "opaque red" },
        { 0, true, 3, 3, 0, 0, 0, "clear" },
        { 0, false, 0, 0, 128, 128, 128, "opaque white disabled: alpha 128" },
        { 0, false, 3, 0, 100, 100, 100, "white at 200 disabled: alpha 100" },
        { 0, false, 3, 3, 0, 0, 0, "clear disabled" },
        { 1, true, 0, 0, 255, 0, 0, "palette red" },
        { 1, true, 3, 3, 0, 0, 0, "palette clear entry" },
        { 1, false, 0, 0, 127, 0, 0, "palette red disabled: alpha 127" },
        { 1, false, 3, 3, 0, 0, 0, "palette clear entry disabled" },
        { 2, true, 1, 1, 0, 0, 0, "an empty item draws nothing" },
        { 2, false, 1, 1, 0, 0, 0, "an empty item draws nothing disabled" },
    };
    for (const Case& c : cases) {
        const auto drawn = DrawnOnBlack(c.index, c.enabled);
        ExpectNear(drawn->Canvas().Pixels(2 + c.x, 2 + c.y), c.r, c.g, c.b, c.what);
        EXPECT_EQ(drawn->Canvas().Pixels(1, 1), clBlack) << c.what << ": outside the image";
        EXPECT_EQ(drawn->Canvas().Pixels(6, 6), clBlack) << c.what << ": outside the image";
    }
    // The disabled draws above faded copies only.
    EXPECT_EQ(Alphas(List.PngImages().Items(0)->PngImage()),
              (std::vector<int>{ 255, 200, 255, 0 }));
    EXPECT_EQ(List.PngImages().Items(1)->PngImage().Header().ColorType, COLOR_PALETTE);
}

} // namespace
