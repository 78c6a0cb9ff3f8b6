#include "lib/skindraw/bsTextEffects.h"

#include "platform/gfx/FontMatcher.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/TextDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The pictures depend on the glyphs, so the tests pin the face file they are drawn with.
constexpr const char* kFace = "DejaVu Sans";
constexpr const char* kFaceFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr TbsColor kBackground = 0xFF000000;

bool FaceAvailable() {
    if (!std::filesystem::exists(kFaceFile)) return false;
    const auto faces = gfx::FontMatcher::Match(kFace, 400, false, 1);
    return !faces.empty() && faces.front().Path == kFaceFile;
}

class TextEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FaceAvailable()) GTEST_SKIP() << kFaceFile << " is not installed";
    }

    // An opaque black picture whose canvas writes in the pinned face.
    static void Prepare(TbsBitmap& target, int w, int h, TColor textColor) {
        target.SetSize(w, h);
        target.Clear(kBackground);
        TFont& font = target.Canvas().Font();
        font.SetName(kFace);
        font.SetHeight(-16);
        font.SetColor(textColor);
    }

    // The smallest rectangle holding every pixel whose colour differs from the background.
    static TRect Changed(const TbsBitmap& b) {
        TRect r(b.Width(), b.Height(), 0, 0);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if ((b.Pixel(x, y) & 0xFFFFFF) != (kBackground & 0xFFFFFF)) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
};

constexpr unsigned kFlags = win::DT_SINGLELINE | win::DT_LEFT | win::DT_TOP | win::DT_NOPREFIX;

TEST_F(TextEffectsTest, GlowOffsetMovesTheGlowRightAndDown) {
    // Text in the background colour leaves only the glow visible.
    TbsBitmap centred, moved;
    Prepare(centred, 140, 60, clBlack);
    Prepare(moved, 140, 60, clBlack);
    const TRect r(30, 20, 110, 40);
    DrawGlowText(centred.Canvas(), r, "Glow", kFlags, 0, clBlue, 5);
    DrawGlowText(moved.Canvas(), r, "Glow", kFlags, 2, clBlue, 5);
    const TRect a = Changed(centred), b = Changed(moved);
    ASSERT_FALSE(a.IsEmpty());
    EXPECT_EQ(b, TRect(a.Left + 2, a.Top + 2, a.Right + 2, a.Bottom + 2));
    // The glow stays inside the margin around the rectangle and reaches past the text.
    EXPECT_GE(a.Left, r.Left - 5);
    EXPECT_GE(a.Top, r.Top - 5);
    EXPECT_LE(a.Bottom, r.Bottom + 5);
    EXPECT_LT(a.Left, r.Left);
    for (int y = 0; y < centred.Height(); ++y)
        for (int x = 0; x < centred.Width(); ++x) {
            const TbsColor p = centred.Pixel(x, y);
            EXPECT_EQ(p & 0xFFFF00, 0u) << "only blue glow at " << x << "," << y;
        }
}

TEST_F(TextEffectsTest, VistaGlowExtendsTwelvePixelsAroundTheRectangle) {
    TbsBitmap target;
    Prepare(target, 160, 80, clBlack);
    const TRect r(40, 30, 120, 50);
    const int height = DrawVistaGlowText(target.Canvas(), r, "Title", kFlags, clWhite);
    EXPECT_GT(height, 0);
    const TRect changed = Changed(target);
    EXPECT_GE(changed.Left, r.Left - 12);
    EXPECT_GE(changed.Top, r.Top - 12);
    EXPECT_LE(changed.Right, r.Right + 12);
    EXPECT_LE(changed.Bottom, r.Bottom + 12);
    // The blurred plate spreads well past its own 3-pixel border.
    EXPECT_LT(changed.Left, r.Left - 6);
    EXPECT_GT(changed.Right, r.Right + 6);
}

TEST_F(TextEffectsTest, ReflectionFollowsTheFadeFormulaBelowTheText) {
    const TRect r(10, 5, 90, 45);
    const int w = r.Width(), h = r.Height();
    const char* text = "Reflect";

    // The red coverage the effect starts from, and the text's measured rectangles.
    TbsBitmap coverage;
    Prepare(coverage, w, h, clRed);
    coverage.Clear(0);
    coverage.Canvas().Brush().SetStyle(bsClear);
    win::RECT whole{ 0, 0, w, h };
    win::DrawTextW(coverage.Canvas().Handle(), text, &whole, kFlags);
    win::RECT t{ 0, 0, w, h };
    win::DrawTextW(coverage.Canvas().Handle(), text, &t, kFlags | win::DT_CALCRECT);
    win::RECT u = r;
    win::DrawTextW(coverage.Canvas().Handle(), text, &u, kFlags | win::DT_CALCRECT);
    const int textHeight = t.bottom - t.top;
    ASSERT_GT(textHeight, 0);

    TbsBitmap target;
    Prepare(target, 100, 100, clBlack);
    const int offset = 3;
    DrawReflectionText(target.Canvas(), r, text, kFlags, offset, clBlue);

    // Row f of the text lands mirrored at y0 + h - 1 - f.
    const int y0 = u.bottom + t.bottom - h + offset;
    int reflected = 0;
    for (int f = t.top; f <= std::min<int>(t.bottom, h - 1); ++f) {
        const float fade = std::max(0.0f, 0.7f - float(t.bottom + t.top - f) / float(textHeight));
        const int y = y0 + h - 1 - f;
        if (y < u.bottom) continue; // rows the text itself covers
        for (int x = 0; x < w; ++x) {
            const auto red = float((coverage.Pixel(x, f) >> 16) & 0xFF);
            const TbsColor alpha = TbsColor(std::trunc(red * fade));
            const TbsColor expectedBlue = alpha == 0 ? 0 : (255 * alpha) >> 8;
            reflected += expectedBlue != 0;
            ASSERT_EQ(target.Pixel(r.Left + x, y) & 0xFFFFFF, expectedBlue)
                << "text row " << f << " column " << x;
        }
    }
    EXPECT_GT(reflected, 50) << "the comparison saw the mirrored glyphs";
}

TEST_F(TextEffectsTest, EmptyRectangleDrawsNoReflection) {
    TbsBitmap target;
    Prepare(target, 40, 40, clWhite);
    DrawReflectionText(target.Canvas(), Rect(10, 10, 10, 30), "x", kFlags, 0, clBlue);
    EXPECT_TRUE(Changed(target).IsEmpty());
}

// Glow and reflection together, compared with the picture kept next to this file. Set
// VC_WRITE_GOLDEN=1 to rewrite it after a deliberate change.
TEST_F(TextEffectsTest, GlowAndReflectionMatchTheGoldenPicture) {
    TbsBitmap target;
    Prepare(target, 120, 64, clWhite);
    DrawGlowText(target.Canvas(), Rect(8, 4, 112, 24), "Skin", kFlags, 1, clAqua, 4);
    DrawReflectionText(target.Canvas(), Rect(8, 30, 112, 50), "Skin", kFlags, 0, clYellow);

    gfx::Surface picture(target.Width(), target.Height());
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            picture.Set(x, y, target.Pixel(x, y) | 0xFF000000);
    const std::filesystem::path golden =
        std::filesystem::path(VC_TEST_SOURCE_DIR) / "lib/skin/TextEffects_golden.png";
    if (std::getenv("VC_WRITE_GOLDEN")) {
        const auto bytes = gfx::PngCodec::Encode(picture, false);
        std::ofstream(golden, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in), {} };
    const gfx::Surface expected = gfx::PngCodec::Decode(bytes).Pixels;
    ASSERT_EQ(expected.Width(), picture.Width());
    ASSERT_EQ(expected.Height(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const gfx::Pixel a = picture.At(x, y), b = expected.At(x, y);
            for (int shift : { 0, 8, 16 })
                ASSERT_LE(std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)), 2)
                    << "at " << x << "," << y;
        }
}

TEST(MaskToAlphaTest, AlphaIsTheTruncatedMeanOfTheMask) {
    struct Case {
        TbsColor mask;
        std::uint32_t alpha;
    };
    const Case cases[] = {
        { 0xFFFFFFFE, 254 }, { 0x00FFFFFF, 255 }, { 0xFF000000, 0 },
        { 0xFF010100, 0 },   { 0xFF030000, 1 },
    };
    TbsBitmap bitmap, mask;
    bitmap.SetSize(int(std::size(cases)), 1);
    mask.SetSize(int(std::size(cases)), 1);
    bitmap.Clear(0x80123456);
    for (int x = 0; x < int(std::size(cases)); ++x)
        mask.Row(0)[x] = cases[x].mask;
    MaskToAlpha(bitmap, mask);
    for (int x = 0; x < int(std::size(cases)); ++x)
        EXPECT_EQ(bitmap.Pixel(x, 0), (cases[x].alpha << 24) | 0x123456u) << x;

    // A smaller mask leaves the pixels it does not cover alone.
    TbsBitmap small;
    small.SetSize(1, 1);
    small.Clear(0xFFFFFFFF);
    bitmap.Clear(0x00123456);
    MaskToAlpha(bitmap, small);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0x00123456u);
}

} // namespace
