#include "lib/skindraw/bsStackBlur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

TEST(StackBlurTest, UniformPictureStaysUniformAndBecomesOpaque) {
    for (int radius : { 63, 31, 15, 1, 200 }) {
        TbsBitmap b;
        b.SetSize(40, 23);
        b.Clear(0x20C08040);
        StackBlur(b, radius);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                ASSERT_EQ(b.Pixel(x, y), 0xFFC08040u)
                    << "radius " << radius << " at " << x << "," << y;
    }
}

TEST(StackBlurTest, SinglePixelSpreadsWithTruncatedTriangularWeights) {
    TbsBitmap b;
    b.SetSize(5, 5);
    b.Clear(0xFF000000);
    b.Row(2)[2] = 0xFFFFFFFF;
    StackBlur(b, 1);
    const int expected[5][5] = {
        { 0, 0, 0, 0, 0 },    { 0, 15, 31, 15, 0 }, { 0, 31, 63, 31, 0 },
        { 0, 15, 31, 15, 0 }, { 0, 0, 0, 0, 0 },
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const TbsColor v = TbsColor(expected[y][x]);
            EXPECT_EQ(b.Pixel(x, y), 0xFF000000u | v << 16 | v << 8 | v) << x << "," << y;
        }
}

TEST(StackBlurTest, EdgesRepeatTheEdgePixel) {
    // A row 0, 0, 255 blurred with radius 1: the right edge sees 0, 255, 255.
    TbsBitmap b;
    b.SetSize(3, 1);
    b.Clear(0xFF000000);
    b.Row(0)[2] = 0xFF0000FF;
    StackBlur(b, 1);
    EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(b.Pixel(1, 0), 0xFF00003Fu); // 255 / 4
    EXPECT_EQ(b.Pixel(2, 0), 0xFF0000BFu); // 255 * 3 / 4
}

TEST(StackBlurTest, RadiusLargerThanThePictureAndTinyPictures) {
    TbsBitmap one;
    one.SetSize(1, 1);
    one.Row(0)[0] = 0x00336699;
    StackBlur(one, 5);
    EXPECT_EQ(one.Pixel(0, 0), 0xFF336699u);

    TbsBitmap untouched;
    untouched.SetSize(2, 1);
    untouched.Clear(0x12345678);
    StackBlur(untouched, 0);
    StackBlur(untouched, -4);
    EXPECT_EQ(untouched.Pixel(1, 0), 0x12345678u);
    TbsBitmap empty;
    StackBlur(empty, 3);
    EXPECT_TRUE(empty.Empty());
}

TEST(StackBlurTest, MatchesTheWeightedMeanOfItsWindow) {
    // On a single row the vertical pass sees one sample repeated and gives it back, so the
    // result is the horizontal triangular mean, truncated: checked against the direct sum for
    // radii below, at and past the division table and past the row's length.
    const int w = 150;
    std::vector<int> values(w);
    for (int x = 0; x < w; ++x)
        values[std::size_t(x)] = (x * 97 + (x * x) % 31) % 256;
    for (int radius : { 1, 5, 63, 64, 200 }) {
        TbsBitmap b;
        b.SetSize(w, 1);
        for (int x = 0; x < w; ++x)
            b.Row(0)[x] = TbsColor(values[std::size_t(x)]) << 8;
        StackBlur(b, radius);
        const std::int64_t divisor = std::int64_t(radius + 1) * (radius + 1);
        for (int x = 0; x < w; ++x) {
            std::int64_t sum = 0;
            for (int o = -radius; o <= radius; ++o)
                sum += std::int64_t(radius + 1 - std::abs(o)) *
                       values[std::size_t(std::clamp(x + o, 0, w - 1))];
            ASSERT_EQ(b.Pixel(x, 0), 0xFF000000u | TbsColor(sum / divisor) << 8)
                << "radius " << radius << " at " << x;
        }
    }
}

} // namespace
