#include "PictureBytes.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/TMemoryStream.h"
#include <gtest/gtest.h>

using namespace picture_test;

namespace {

void Load(TPngImage& png, const Bytes& file) {
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    png.LoadFromStream(stream);
}

} // namespace

TEST(TPngImage, ReportsColourTypeAndTransparency) {
    struct Case {
        const char* Name;
        Bytes File;
        int ColorType;
        TPngTransparencyMode Mode;
        TColor Key;
        bool AlphaRows;
    };
    const Bytes palette{ 255, 0, 0, 0, 255, 0, 0, 0, 255 };
    const Case cases[] = {
        { "RGB", BuildPng(2, 1, 8, 2, { { 1, 2, 3, 4, 5, 6 } }), COLOR_RGB, ptmNone, clNone,
          false },
        { "RGBA", BuildPng(1, 1, 8, 6, { { 1, 2, 3, 4 } }), COLOR_RGBALPHA, ptmPartial, clNone,
          true },
        { "grey alpha", BuildPng(1, 1, 8, 4, { { 9, 200 } }), COLOR_GRAYSCALEALPHA, ptmPartial,
          clNone, true },
        { "grey key", BuildPng(2, 1, 8, 0, { { 7, 8 } }, {}, { 0, 8 }), COLOR_GRAYSCALE, ptmBit,
          TColor(win::RGB(8, 8, 8)), false },
        { "RGB key", BuildPng(1, 1, 8, 2, { { 1, 2, 3 } }, {}, { 0, 1, 0, 2, 0, 3 }), COLOR_RGB,
          ptmBit, TColor(win::RGB(1, 2, 3)), false },
        { "palette key", BuildPng(3, 1, 8, 3, { { 0, 1, 2 } }, palette, { 255, 0 }), COLOR_PALETTE,
          ptmBit, clLime, false },
        { "palette partial", BuildPng(3, 1, 8, 3, { { 0, 1, 2 } }, palette, { 128 }), COLOR_PALETTE,
          ptmPartial, clNone, false },
    };
    for (const auto& c : cases) {
        TPngImage png;
        Load(png, c.File);
        EXPECT_EQ(png.Header().ColorType, c.ColorType) << c.Name;
        EXPECT_EQ(png.TransparencyMode(), c.Mode) << c.Name;
        EXPECT_EQ(png.TransparentColor(), c.Key) << c.Name;
        EXPECT_EQ(png.AlphaScanline(0) != nullptr, c.AlphaRows) << c.Name;
        EXPECT_EQ(png.HasAlpha(), c.Mode != ptmNone) << c.Name;
    }
}

TEST(TPngImage, ScanLinesHoldColoursAndAlpha) {
    TPngImage png;
    Load(png,
         BuildPng(2, 2, 8, 6, { { 10, 20, 30, 40, 50, 60, 70, 80 }, { 1, 2, 3, 4, 5, 6, 7, 8 } }));
    const std::uint8_t* row = png.Scanline(1);
    EXPECT_EQ(row[0], 3); // blue first
    EXPECT_EQ(row[2], 1);
    EXPECT_EQ(png.AlphaScanline(0)[1], 80);
    EXPECT_EQ(png.Pixels(1, 0), TColor(win::RGB(50, 60, 70)));
    png.AlphaScanline(0)[0] = 0;
    EXPECT_EQ(gfx::PixelA(png.ToSurface().At(0, 0)), 0);
    EXPECT_THROW(png.Scanline(2), EInvalidGraphicOperation);
}

TEST(TPngImage, AssignFromBitmapGivesRgbWithoutAlphaThenCreateAlpha) {
    TBitmap b(3, 2);
    b.SetPixelFormat(pf32bit);
    b.Canvas().SetPixels(2, 1, clRed);
    TPngImage png;
    png.Assign(b);
    EXPECT_EQ(png.Header().ColorType, COLOR_RGB);
    EXPECT_EQ(png.TransparencyMode(), ptmNone);
    EXPECT_EQ(png.AlphaScanline(0), nullptr);
    EXPECT_EQ(png.Pixels(2, 1), clRed);
    png.CreateAlpha();
    EXPECT_EQ(png.Header().ColorType, COLOR_RGBALPHA);
    ASSERT_NE(png.AlphaScanline(1), nullptr);
    EXPECT_EQ(png.AlphaScanline(1)[2], 255);
    png.RemoveTransparency();
    EXPECT_EQ(png.Header().ColorType, COLOR_RGB);
    EXPECT_EQ(png.AlphaScanline(1), nullptr);
}

TEST(TPngImage, DrawsWithItsAlphaAndStretches) {
    TPngImage png;
    // Red at alpha 128 and fully transparent blue.
    Load(png, BuildPng(2, 1, 8, 6, { { 255, 0, 0, 128, 0, 0, 255, 0 } }));
    TBitmap target(4, 2);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(Rect(0, 0, 4, 2));
    target.Canvas().StretchDraw(Rect(0, 0, 4, 2), &png);
    const TColor blended = target.Canvas().Pixels(1, 1);
    EXPECT_EQ(win::GetRValue(blended), 255);
    EXPECT_NEAR(win::GetGValue(blended), 127, 2);
    EXPECT_NEAR(win::GetBValue(blended), 127, 2);
    EXPECT_EQ(target.Canvas().Pixels(3, 0), clWhite);
}

TEST(TPngImage, KeyColourIsLeftOutWhenDrawn) {
    TPngImage png;
    Load(png, BuildPng(2, 1, 8, 2, { { 1, 2, 3, 200, 100, 50 } }, {}, { 0, 1, 0, 2, 0, 3 }));
    TBitmap target(2, 1);
    target.Canvas().Brush().SetColor(clNavy);
    target.Canvas().FillRect(Rect(0, 0, 2, 1));
    target.Canvas().Draw(0, 0, &png);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clNavy);
    EXPECT_EQ(target.Canvas().Pixels(1, 0), TColor(win::RGB(200, 100, 50)));
}

TEST(TPngImage, SavesAndLoadsBack) {
    TPngImage png;
    Load(png, BuildPng(2, 1, 8, 6, { { 10, 20, 30, 40, 50, 60, 70, 80 } }));
    TMemoryStream stream;
    png.SaveToStream(stream);
    stream.SetPosition(0);
    TPngImage copy;
    copy.LoadFromStream(stream);
    EXPECT_EQ(copy.ToSurface(), png.ToSurface());
    TMemoryStream broken;
    broken.WriteBuffer("\x89PNG\r\n\x1a\n", 8);
    broken.SetPosition(0);
    EXPECT_THROW(copy.LoadFromStream(broken), EInvalidGraphic);
}
