#include "lib/skindraw/TbsEffectBmp.h"

#include "platform/gfx/TBitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

constexpr std::uint32_t Black = 0x000000, White = 0xFFFFFF;

// A picture whose pixel x, y is f(x, y).
TbsEffectBmp Make(int w, int h, const std::function<std::uint32_t(int, int)>& f) {
    TbsEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.WritePixel(x, y, f(x, y));
    return b;
}

TbsEffectBmp Solid(int w, int h, std::uint32_t c) {
    return Make(w, h, [c](int, int) { return c; });
}

// Own pixels carry their column in blue, other pixels theirs in green + 100.
std::uint32_t Own(int x, int) {
    return std::uint32_t(x);
}
std::uint32_t Other(int x, int) {
    return std::uint32_t(x + 100) << 8;
}

std::vector<std::uint32_t> Row(const TbsEffectBmp& b, int y) {
    std::vector<std::uint32_t> v;
    for (int x = 0; x < b.Width(); ++x)
        v.push_back(b.ReadPixel(x, y));
    return v;
}

TEST(TbsEffectBmpTest, RowsArePaddedToFourBytes) {
    const struct { int width, stride; } cases[] = { { 5, 16 }, { 4, 12 }, { 1, 4 }, { 3, 12 } };
    for (const auto& c : cases) {
        TbsEffectBmp b(c.width, 2);
        EXPECT_EQ(b.Stride(), c.stride) << c.width;
        EXPECT_EQ(b.Size(), 2 * c.stride) << c.width;
        EXPECT_EQ(b.RowAddress(1) - b.RowAddress(0), c.stride);
    }
    TbsEffectBmp b(2, 1);
    b.WritePixel(1, 0, 0x123456);
    EXPECT_EQ(b.RowAddress(0)[3], 0x56);
    EXPECT_EQ(b.RowAddress(0)[5], 0x12);
    EXPECT_EQ(b.ReadPixel(1, 0), 0x123456u);
    EXPECT_EQ(b.ReadPixel(2, 0), 0u);
}

TEST(TbsEffectBmpTest, CopiesKeepEveryByte) {
    const auto src = Make(3, 2, [](int x, int y) { return std::uint32_t(x * 16 + y + 0x010203); });
    const auto copy = TbsEffectBmp::CreateCopy(src);
    EXPECT_EQ(Row(*copy, 1), Row(src, 1));

    TBitmap deep;
    deep.SetPixelFormat(pf32bit);
    deep.SetSize(2, 2);
    static_cast<std::uint32_t*>(deep.ScanLine(1))[1] = 0xFFABCDEF;
    const auto grabbed = TbsEffectBmp::CreateFromhWnd(deep.Handle());
    ASSERT_EQ(grabbed->Width(), 2);
    ASSERT_EQ(grabbed->Height(), 2);
    EXPECT_EQ(grabbed->ReadPixel(1, 1), 0xABCDEFu);
    EXPECT_EQ(grabbed->ReadPixel(0, 0), White) << "a new class-library bitmap starts white";
}

TEST(TbsEffectBmpTest, DrawRectDrawsTheNamedArea) {
    const auto src = Make(3, 3, [](int x, int y) { return std::uint32_t(y * 3 + x + 1); });
    TBitmap out;
    out.SetPixelFormat(pf32bit);
    out.SetSize(4, 4);
    src.DrawRect(out.Canvas().Handle(), 2, 2, 1, 1, 2, 2);
    const auto at = [&](int x, int y) {
        return static_cast<const std::uint32_t*>(out.ScanLine(y))[x] & 0xFFFFFF;
    };
    EXPECT_EQ(at(2, 2), 5u);
    EXPECT_EQ(at(3, 2), 6u);
    EXPECT_EQ(at(2, 3), 8u);
    EXPECT_EQ(at(3, 3), 9u);
}

TEST(TbsEffectBmpTest, MorphCrossFadesWithRoundingToEven) {
    struct Case {
        double kf;
        std::uint32_t expected;
    };
    const Case cases[] = { { 0.5, 0x808080 },
                           { 2, White },
                           { -1, Black },
                           { 0, Black },
                           { std::numeric_limits<double>::quiet_NaN(), Black } };
    for (const auto& c : cases) {
        auto own = Solid(3, 2, Black);
        own.Morph(Solid(3, 2, White), c.kf);
        EXPECT_EQ(own.ReadPixel(2, 1), c.expected) << c.kf;
    }
    auto own = Solid(3, 2, Black);
    own.Morph(Solid(2, 2, White), 0.5);
    EXPECT_EQ(own.ReadPixel(0, 0), Black) << "different sizes change nothing";
}

// The mixing weight of each column of a gradient between black (own) and white (other):
// 0 is other, 255 own.
std::vector<int> OwnShare(const TbsEffectBmp& b, int y) {
    std::vector<int> v;
    for (int x = 0; x < b.Width(); ++x)
        v.push_back(255 - int(b.ReadPixel(x, y) & 0xFF));
    return v;
}

TEST(TbsEffectBmpTest, GradientMorphs) {
    struct Case {
        const char* what;
        void (TbsEffectBmp::*morph)(const TbsEffectBmp&, double);
        double kf;
        std::vector<int> ownShare;
    };
    const Case cases[] = {
        { "horizontal band, kf 0",
          &TbsEffectBmp::MorphHGrad,
          0,
          { 255, 204, 153, 102, 51, 0, 51, 102, 153, 204 } },
        { "horizontal band, kf 0.4",
          &TbsEffectBmp::MorphHGrad,
          0.4,
          { 255, 170, 85, 0, 0, 0, 0, 0, 85, 170 } },
        { "from the left, kf 0.5",
          &TbsEffectBmp::MorphLeftGrad,
          0.5,
          { 0, 51, 102, 153, 204, 255, 255, 255, 255, 255 } },
        { "from the right, kf 0.3",
          &TbsEffectBmp::MorphRightGrad,
          0.3,
          { 255, 255, 255, 255, 255, 255, 255, 170, 85, 0 } },
        { "grad picks horizontal for a wide picture",
          &TbsEffectBmp::MorphGrad,
          0,
          { 255, 204, 153, 102, 51, 0, 51, 102, 153, 204 } },
    };
    for (const auto& c : cases) {
        auto own = Solid(10, 2, Black);
        (own.*c.morph)(Solid(10, 2, White), c.kf);
        EXPECT_EQ(OwnShare(own, 1), c.ownShare) << c.what;
    }
}

TEST(TbsEffectBmpTest, VerticalGradientGrowsFromTheMiddleRow) {
    auto own = Solid(2, 10, Black);
    own.MorphGrad(Solid(2, 10, White), 0);
    std::vector<int> share;
    for (int y = 0; y < 10; ++y)
        share.push_back(255 - int(own.ReadPixel(1, y) & 0xFF));
    // b = 0, c = 4: step 1/4 away from row 5; 127.5 rounds to the even 128 (own share 127).
    EXPECT_EQ(share, (std::vector<int>{ 255, 255, 191, 127, 64, 0, 64, 127, 191, 255 }));

    auto thin = Solid(1, 3, Black);
    thin.MorphVGrad(Solid(1, 3, White), 0.4);
    // c = 0: no step, every row outside the band becomes the other picture too.
    EXPECT_EQ(thin.ReadPixel(0, 0), White);
    EXPECT_EQ(thin.ReadPixel(0, 2), White);
}

TEST(TbsEffectBmpTest, PushAndSlides) {
    struct Case {
        const char* what;
        void (TbsEffectBmp::*morph)(const TbsEffectBmp&, double);
        double kf;
        std::vector<std::uint32_t> row;
    };
    const auto own = [](int x) { return Own(x, 0); };
    const auto other = [](int x) { return Other(x, 0); };
    const Case cases[] = {
        { "push 0.3",
          &TbsEffectBmp::MorphPush,
          0.3,
          { other(6), other(7), other(8), other(9), own(0), own(1), own(2), own(3), own(4),
            own(5) } },
        { "left slide 0 still brings one column",
          &TbsEffectBmp::MorphLeftSlide,
          0,
          { other(9), own(1), own(2), own(3), own(4), own(5), own(6), own(7), own(8), own(9) } },
        { "left slide 0.2",
          &TbsEffectBmp::MorphLeftSlide,
          0.2,
          { other(8), other(9), own(2), own(3), own(4), own(5), own(6), own(7), own(8), own(9) } },
        { "right slide 0.2",
          &TbsEffectBmp::MorphRightSlide,
          0.2,
          { own(0), own(1), own(2), own(3), own(4), own(5), own(6), own(7), other(0), other(1) } },
    };
    for (const auto& c : cases) {
        auto b = Make(10, 2, Own);
        (b.*c.morph)(Make(10, 2, Other), c.kf);
        EXPECT_EQ(Row(b, 1), c.row) << c.what;
    }
}

TEST(TbsEffectBmpTest, AreaMorphsStayInsideBothPictures) {
    auto b = Make(4, 2, Own);
    const auto other = Make(3, 2, Other);
    // Reaches past both pictures on every side: pixel x, y reads other's x + 1, y + 1, so only
    // row 0 and columns 0 and 1 find a source pixel.
    b.CopyRect(other, Rect(-1, -1, 10, 10), 0, 0);
    EXPECT_EQ(Row(b, 0),
              (std::vector<std::uint32_t>{ Other(1, 0), Other(2, 0), Own(2, 0), Own(3, 0) }));
    EXPECT_EQ(Row(b, 1),
              (std::vector<std::uint32_t>{ Own(0, 0), Own(1, 0), Own(2, 0), Own(3, 0) }));

    auto c = Make(4, 1, Own);
    c.CopyRect(other, Rect(1, 0, 2, 0), 1, 0);
    // Right and bottom edges included.
    EXPECT_EQ(Row(c, 0),
              (std::vector<std::uint32_t>{ Own(0, 0), Other(1, 0), Other(2, 0), Own(3, 0) }));

    auto d = Solid(3, 1, Black);
    d.MorphRect(Solid(2, 1, White), 0.5, Rect(0, 0, 3, 1), 1, 0);
    EXPECT_EQ(Row(d, 0), (std::vector<std::uint32_t>{ 0x808080, Black, Black }));
}

TEST(TbsEffectBmpTest, ColourFilters) {
    struct Case {
        const char* what;
        std::function<void(TbsEffectBmp&)> filter;
        std::uint32_t in, out;
    };
    const Case cases[] = {
        { "brightness half of black", [](auto& b) { b.ChangeBrightness(0.5); }, Black, 0x808080 },
        { "full brightness", [](auto& b) { b.ChangeBrightness(1); }, 0x123456, White },
        { "brightness held to 1", [](auto& b) { b.ChangeBrightness(7); }, 0x123456, White },
        { "darkness half of white", [](auto& b) { b.ChangeDarkness(0.5); }, White, 0x808080 },
        { "full darkness", [](auto& b) { b.ChangeDarkness(1); }, 0x123456, Black },
        { "invert", [](auto& b) { b.Invert(); }, 0x123456, 0xEDCBA9 },
        { "grey of red", [](auto& b) { b.GrayScale(); }, 0xFF0000, 0x4C4C4C },
        { "grey of white", [](auto& b) { b.GrayScale(); }, White, White },
        { "mono noise of amount 1 adds nothing", [](auto& b) { b.AddMonoNoise(1); }, 0x123456,
          0x123456 },
        { "mosaic", [](auto& b) { b.Mosaic(1); }, 0x123456, 0x123456 },
    };
    for (const auto& c : cases) {
        auto b = Solid(5, 3, c.in);
        c.filter(b);
        EXPECT_EQ(b.ReadPixel(4, 2), c.out) << c.what;
        EXPECT_EQ(b.ReadPixel(0, 0), c.out) << c.what;
    }
}

TEST(TbsEffectBmpTest, NoiseStaysWithinItsAmount) {
    auto b = Solid(16, 16, 0x808080);
    b.AddColorNoise(9);
    b.AddMonoNoise(5);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t p = b.ReadPixel(x, y);
            for (int shift : { 0, 8, 16 })
                EXPECT_LE(std::abs(int((p >> shift) & 0xFF) - 0x80), 6) << x << "," << y;
        }
}

TEST(TbsEffectBmpTest, SplitBlurSamplesWithTheEdgeRules) {
    // Blue = 10 * row + column, so each sample is recognisable.
    auto b = Make(3, 3, [](int x, int y) { return std::uint32_t(10 * y + x); });
    b.SplitBlur(1);
    // Row 0: upper row 0, lower row 1; left col x or x-1, right col x+1 or W-x (=1 at x = 2).
    // (0 + 10 + 1 + 11) / 4 = 5, (0 + 10 + 2 + 12) / 4 = 6, (1 + 11 + 1 + 11) / 4 = 6.
    EXPECT_EQ(Row(b, 0), (std::vector<std::uint32_t>{ 5, 6, 6 }));
    // Row 1 reads the blurred row 0 and row 2; row 2's lower sample is row 3 - 2 = 1.
    EXPECT_EQ(b.ReadPixel(0, 1), std::uint32_t((5 + 20 + 6 + 21) / 4));
    EXPECT_EQ(b.ReadPixel(0, 2), std::uint32_t((b.ReadPixel(0, 1) + b.ReadPixel(0, 1) +
                                                b.ReadPixel(1, 1) + b.ReadPixel(1, 1)) /
                                               4));

    // Amounts past the picture no longer read outside it.
    auto big = Solid(3, 2, 0x404040);
    big.SplitBlur(50);
    big.SplitBlur(-50);
    EXPECT_EQ(big.ReadPixel(2, 1), 0x404040u);
}

TEST(TbsEffectBmpTest, MosaicAndWave) {
    auto b = Make(5, 3, [](int x, int y) { return std::uint32_t(10 * y + x); });
    b.Mosaic(2);
    EXPECT_EQ(Row(b, 0), (std::vector<std::uint32_t>{ 0, 0, 2, 2, 4 }));
    EXPECT_EQ(Row(b, 1), (std::vector<std::uint32_t>{ 0, 0, 2, 2, 4 }));
    EXPECT_EQ(Row(b, 2), (std::vector<std::uint32_t>{ 20, 20, 22, 22, 24 }));

    auto w = Make(6, 4, [](int x, int y) { return std::uint32_t(10 * y + x); });
    const auto before = TbsEffectBmp::CreateCopy(w);
    w.Wave(0, 3, 5);
    EXPECT_EQ(Row(w, 2), Row(*before, 2)) << "a zero divisor changes nothing";
    w.Wave(2, 2, 100);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint32_t p = w.ReadPixel(x, y);
            EXPECT_LT(p % 10, 6u);
            EXPECT_LT(p / 10, 4u);
        }
}

TEST(TbsEffectBmpTest, GeometryOperations) {
    const auto src = Make(3, 2, [](int x, int y) { return std::uint32_t(10 * y + x); });
    TbsEffectBmp anticlockwise(2, 3), clockwise(2, 3), flipped(3, 2), back(3, 2), wrong(3, 3);
    src.Rotate90_1(anticlockwise);
    EXPECT_EQ(Row(anticlockwise, 0), (std::vector<std::uint32_t>{ 2, 12 }));
    EXPECT_EQ(Row(anticlockwise, 2), (std::vector<std::uint32_t>{ 0, 10 }));
    src.Rotate90_2(clockwise);
    EXPECT_EQ(Row(clockwise, 0), (std::vector<std::uint32_t>{ 10, 0 }));
    anticlockwise.Rotate90_2(back);
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(Row(back, y), Row(src, y));
    src.FlipVert(flipped);
    EXPECT_EQ(Row(flipped, 0), Row(src, 1));
    src.Rotate90_1(wrong);
    EXPECT_EQ(wrong.ReadPixel(0, 0), 0u) << "a wrongly sized destination is left alone";

    TbsEffectBmp large(7, 5);
    src.Resize(large);
    // rx = 6/3 = 2, ry = 4/2 = 2: blocks of 3 x 3 at 0, 2, 4.
    EXPECT_EQ(Row(large, 0), (std::vector<std::uint32_t>{ 0, 0, 1, 1, 2, 2, 2 }));
    EXPECT_EQ(Row(large, 4), (std::vector<std::uint32_t>{ 10, 10, 11, 11, 12, 12, 12 }));
}

TEST(TbsEffectBmpTest, MaskedFiltersChangeOnlyUnmaskedPixels) {
    // White mask columns 0-1, black 2-3.
    const auto mask = Make(4, 2, [](int x, int) { return x < 2 ? White : Black; });
    auto filled = Solid(4, 2, Black);
    filled.MaskFillColor(mask, clRed, 0.5);
    EXPECT_EQ(Row(filled, 1), (std::vector<std::uint32_t>{ Black, Black, 0x800000, 0x800000 }));

    auto src = Make(4, 2, [](int x, int) { return std::uint32_t(x * 40); });
    auto blurred = TbsEffectBmp::CreateCopy(src);
    blurred->MaskBlur(mask, 1);
    EXPECT_EQ(blurred->ReadPixel(0, 0), src.ReadPixel(0, 0));
    EXPECT_EQ(blurred->ReadPixel(1, 0), src.ReadPixel(1, 0));
    EXPECT_NE(blurred->ReadPixel(3, 0), src.ReadPixel(3, 0));

    // At x = 3 the samples are columns 2 and 1 (W - x): column 1 is white, so it is an edge.
    // At x = 2 the samples are columns 1 and 3: an edge as well.
    auto edge = TbsEffectBmp::CreateCopy(src);
    edge->MaskAntialiasing(mask, 1);
    EXPECT_EQ(edge->ReadPixel(2, 0), std::uint32_t((40 + 40 + 120 + 120) / 4));

    auto untouched = TbsEffectBmp::CreateCopy(src);
    untouched->MaskBlur(Solid(3, 2, Black), 1);
    untouched->MaskBlur(mask, 0);
    EXPECT_EQ(Row(*untouched, 0), Row(src, 0)) << "a mask that does not fit changes nothing";
}

TEST(TbsEffectBmpTest, EmptyPictureIsHarmless) {
    TbsEffectBmp b(0, 3);
    EXPECT_EQ(b.Bits(), nullptr);
    b.SplitBlur(2);
    b.Wave(1, 1, 1);
    b.GrayScale();
    b.Morph(TbsEffectBmp(0, 3), 0.5);
    EXPECT_EQ(b.ReadPixel(0, 0), 0u);
}

} // namespace
