#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsPixelCore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const TPixelRoutines kPlain(false, false);
const TPixelRoutines kVector(true, false);
const TPixelRoutines* const kSets[] = { &kPlain, &kVector };

const char* SetName(const TPixelRoutines* r) {
    return r->VectorBlend() ? "vector" : "plain";
}

// A bitmap filled row by row from a list of pixels.
void Fill(TbsBitmap& b, int w, int h, const std::vector<TbsColor>& pixels) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Row(y)[x] = pixels[std::size_t(y * w + x)];
}

std::vector<TbsColor> Pixels(const TbsBitmap& b) {
    std::vector<TbsColor> v;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            v.push_back(b.Pixel(x, y));
    return v;
}

struct BlendCase {
    const char* what;
    TbsColor s, d, expected;
};

const BlendCase kBlendCases[] = {
    { "transparent source leaves the destination, alpha included", 0x00123456, 0x80ABCDEF,
      0x80ABCDEF },
    { "opaque source comes back unchanged", 0xFF123456, 0xFF000000, 0xFF123456 },
    { "white at 128 over white", 0x80FFFFFF, 0xFFFFFFFF, 0xFFFEFEFE },
    { "white at 128 over black", 0x80FFFFFF, 0xFF000000, 0xFF7F7F7F },
    { "half red over blue", 0x80FF0000, 0xFF0000FF, 0xFF7F007E },
    { "nearly transparent over a translucent one", 0x01FFFFFF, 0x40000000, 0xFF000000 },
    { "nearly opaque black over white", 0xFE000000, 0xFFFFFFFF, 0xFF000000 },
    { "nearly opaque white over black", 0xFEFFFFFF, 0xFF000000, 0xFFFDFDFD },
};

TEST(PixelCoreTest, BlendPixelAndLineFollowOneFormulaInBothSets) {
    for (const TPixelRoutines* set : kSets) {
        std::vector<TbsColor> src, dst, expected;
        for (const auto& c : kBlendCases) {
            EXPECT_EQ(set->BlendPixel(c.s, c.d), c.expected) << SetName(set) << ": " << c.what;
            src.push_back(c.s);
            dst.push_back(c.d);
            expected.push_back(c.expected);
        }
        set->BlendLine(src.data(), dst.data(), int(src.size()));
        EXPECT_EQ(dst, expected) << SetName(set);
    }
}

TEST(PixelCoreTest, LongBlendLinesMatchPixelByPixel) {
    // Long enough for the vector loop's main body and its tail, and for several pieces of a
    // gathering blend with a part-filled last one.
    std::vector<TbsColor> src, dst;
    std::vector<int> map;
    for (int i = 0; i < 1037; ++i) {
        src.push_back(TbsColor((i * 37) % 256) << 24 | TbsColor(i * 2654435761u) >> 8);
        dst.push_back(TbsColor(i * 40503u) | 0xFF000000u);
        map.push_back((1036 - i) * 2 / 3); // backwards, with repeats
    }
    for (const TPixelRoutines* set : kSets) {
        std::vector<TbsColor> out = dst;
        set->BlendLine(src.data(), out.data(), int(out.size()));
        for (std::size_t i = 0; i < out.size(); ++i)
            ASSERT_EQ(out[i], BlendPixelPlain(src[i], dst[i])) << SetName(set) << " at " << i;
        out = dst;
        set->GatherBlendLine(src.data(), map.data(), out.data(), int(out.size()));
        for (std::size_t i = 0; i < out.size(); ++i)
            ASSERT_EQ(out[i], BlendPixelPlain(src[std::size_t(map[i])], dst[i]))
                << SetName(set) << " gathering at " << i;
    }
}

TEST(PixelCoreTest, LineRoutinesDoNothingForNoPixels) {
    TbsColor src = 0xFF112233, dst = 0x01020304;
    for (const TPixelRoutines* set : kSets) {
        set->BlendLine(&src, &dst, 0);
        set->KeyCopyLine(&src, &dst, -1);
        set->CopyLine(&src, &dst, 0);
    }
    FillLine(&dst, 0, 0);
    SetAlphaLine(&dst, -3, 0xFF);
    EXPECT_EQ(dst, 0x01020304u);
}

TEST(PixelCoreTest, KeyCopyLineSkipsKeyColourWhateverItsAlpha) {
    const TbsColor src[] = { 0x207F007F, 0x207F0080, 0x00000000, 0xFF7F007F };
    TbsColor dst[] = { 0x11111111, 0x11111111, 0x11111111, 0x11111111 };
    KeyCopyLine(src, dst, 4);
    EXPECT_EQ(dst[0], 0x11111111u);
    EXPECT_EQ(dst[1], 0xFF7F0080u);
    EXPECT_EQ(dst[2], 0xFF000000u);
    EXPECT_EQ(dst[3], 0x11111111u);
}

TEST(PixelCoreTest, SmallPixelFunctions) {
    EXPECT_EQ(ColorToBsColor(TColor(win::RGB(153, 102, 51))), 0xFF996633u);
    int r = 300, g = -5, b = 128;
    ClampRGB(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 128);
    EXPECT_EQ(MulDiv16(300, 400, 1000), 120);
    EXPECT_EQ(MulDiv16(1, 1, 0), 0);

    TbsColor line[] = { 0x12345678, 0x007F007F, 0xAA7F007F };
    ClearKeyAlphaLine(line, 3, TransparentKeyColor);
    EXPECT_EQ(line[0], 0x12345678u);
    EXPECT_EQ(line[2], 0x007F007Fu);
}

TEST(PixelCoreTest, RectRoutinesCoverInclusiveEdges) {
    std::vector<TbsColor> bits(5 * 4, 0x10203040);
    FillPixelRect(bits.data(), 5, 4, 0xFFFFFFFF, 2, 3, 1, 1);
    SetAlphaPixelRect(bits.data(), 5, 4, 0x80, 3, 0, 3, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            TbsColor expected = (x >= 1 && x <= 3 && y >= 1 && y <= 2) ? 0xFFFFFFFF : 0x10203040;
            if (x == 0 && y == 3) expected = 0x80203040;
            EXPECT_EQ(bits[std::size_t(y * 5 + x)], expected) << x << "," << y;
        }
}

constexpr TbsColor P = 0xFF0000AA, Q = 0xFF00BB00, K = 0x007F007F, H = 0x80FFFFFF;
constexpr TbsColor Z = 0xFF000000; // the destination's own pixels

struct ScaleCase {
    const char* what;
    TPixelRoutines::TPixelOp op;
    int srcW, srcH;
    std::vector<TbsColor> src;
    TRect srcRect, dstRect;
    int dstW, dstH;
    std::vector<TbsColor> expected;
};

TEST(PixelCoreTest, ScaledDrawingBetweenBitmaps) {
    using Op = TPixelRoutines::TPixelOp;
    const std::vector<ScaleCase> cases = {
        { "2x1 stretched to 4x1 truncates its column map",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 2, 1),
          Rect(0, 0, 4, 1),
          4,
          1,
          { P, P, P, Q } },
        { "shrunk to one pixel takes the middle-left one",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 2, 1),
          Rect(0, 0, 1, 1),
          1,
          1,
          { P } },
        { "1x2 stretched to 1x3 repeats the first row",
          Op::Copy,
          1,
          2,
          { P, Q },
          Rect(0, 0, 1, 2),
          Rect(0, 0, 1, 3),
          1,
          3,
          { P, P, Q } },
        { "same size half outside draws the matching half",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 2, 1),
          Rect(-1, 0, 1, 1),
          2,
          1,
          { Q, Z } },
        { "scaled half outside keeps the map of the whole rectangle",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 2, 1),
          Rect(-2, 0, 2, 1),
          3,
          1,
          { P, Q, Z } },
        { "source rectangle one pixel too wide draws nothing",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 3, 1),
          Rect(0, 0, 3, 1),
          3,
          1,
          { Z, Z, Z } },
        { "negative source left draws nothing",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(-1, 0, 1, 1),
          Rect(0, 0, 2, 1),
          2,
          1,
          { Z, Z } },
        { "empty source rectangle draws nothing",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(1, 0, 1, 1),
          Rect(0, 0, 2, 1),
          2,
          1,
          { Z, Z } },
        { "destination entirely outside draws nothing",
          Op::Copy,
          2,
          1,
          { P, Q },
          Rect(0, 0, 2, 1),
          Rect(5, 0, 7, 1),
          2,
          1,
          { Z, Z } },
        { "keyed copy leaves key pixels and makes the rest opaque",
          Op::Key,
          2,
          1,
          { K, 0x100000AA },
          Rect(0, 0, 2, 1),
          Rect(0, 0, 2, 1),
          2,
          1,
          { Z, P } },
        { "keyed stretch",
          Op::Key,
          2,
          1,
          { K, Q },
          Rect(0, 0, 2, 1),
          Rect(0, 0, 4, 1),
          4,
          1,
          { Z, Z, Z, Q } },
        { "blend stretch",
          Op::Blend,
          2,
          1,
          { H, 0 },
          Rect(0, 0, 2, 1),
          Rect(0, 0, 3, 2),
          3,
          2,
          { 0xFF7F7F7F, 0xFF7F7F7F, Z, 0xFF7F7F7F, 0xFF7F7F7F, Z } },
        { "blend same size from an inner source area",
          Op::Blend,
          3,
          1,
          { P, H, Q },
          Rect(1, 0, 3, 1),
          Rect(1, 0, 3, 1),
          3,
          1,
          { Z, 0xFF7F7F7F, Q } },
    };
    for (const TPixelRoutines* set : kSets) {
        for (const auto& c : cases) {
            TbsBitmap src, dst;
            Fill(src, c.srcW, c.srcH, c.src);
            dst.SetSize(c.dstW, c.dstH);
            dst.Clear(Z);
            switch (c.op) {
            case Op::Copy:
                set->ScaleCopy(dst, c.dstRect, c.dstRect, c.srcRect, src);
                break;
            case Op::Key:
                set->ScaleKeyCopy(dst, c.dstRect, c.dstRect, c.srcRect, src);
                break;
            case Op::Blend:
                set->ScaleBlend(dst, c.dstRect, c.dstRect, c.srcRect, src);
                break;
            }
            EXPECT_EQ(Pixels(dst), c.expected) << SetName(set) << ": " << c.what;
        }
    }
}

TEST(PixelCoreTest, ClipRectangleNarrowsTheScaledArea) {
    TbsBitmap src, dst;
    Fill(src, 2, 1, { P, Q });
    dst.SetSize(4, 1);
    dst.Clear(Z);
    kPlain.ScaleCopy(dst, Rect(0, 0, 4, 1), Rect(2, 0, 4, 1), Rect(0, 0, 2, 1), src);
    EXPECT_EQ(Pixels(dst), (std::vector<TbsColor>{ Z, Z, P, Q }));
}

TEST(PixelCoreTest, SameSizeRowsRefuseAreasOutsideEitherBitmap) {
    TbsBitmap src, dst;
    Fill(src, 2, 2, { P, Q, Q, P });
    dst.SetSize(2, 2);
    dst.Clear(Z);
    kPlain.CopyRows(dst, Rect(0, 0, 2, 2), src, 1, 0);
    kPlain.CopyRows(dst, Rect(1, 1, 3, 2), src, 0, 0);
    EXPECT_EQ(Pixels(dst), (std::vector<TbsColor>(4, Z)));
    kPlain.CopyRows(dst, Rect(1, 0, 2, 2), src, 0, 0);
    EXPECT_EQ(Pixels(dst), (std::vector<TbsColor>{ Z, P, Z, Q }));
}

TEST(PixelCoreTest, DibRoutinesWriteBottomUpRowsAndRoundTheirMaps) {
    TbsBitmap src;
    Fill(src, 2, 1, { P, Q });
    for (const TPixelRoutines* set : kSets) {
        // A 3x2 bottom-up DIB: memory row 0 is screen row 1.
        std::vector<TbsColor> bits(6, Z);
        set->CopyToDIB(bits.data(), Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), Rect(0, 0, 2, 1), src, 2,
                       3);
        // Columns 0, 0.5, 1 round to nearest, halves to even: P, P, Q.
        EXPECT_EQ(bits, (std::vector<TbsColor>{ Z, Z, Z, P, P, Q })) << SetName(set);

        std::vector<TbsColor> keyed(6, Z);
        TbsBitmap keySrc;
        Fill(keySrc, 2, 1, { K, Q });
        set->KeyCopyToDIB(keyed.data(), Rect(1, 1, 3, 2), Rect(1, 1, 3, 2), Rect(0, 0, 2, 1),
                          keySrc, 2, 3);
        EXPECT_EQ(keyed, (std::vector<TbsColor>{ Z, Z, Q, Z, Z, Z })) << SetName(set);

        std::vector<TbsColor> blended(6, Z);
        TbsBitmap half;
        Fill(half, 1, 1, { H });
        set->BlendToDIB(blended.data(), Rect(2, 0, 5, 2), Rect(2, 0, 5, 2), Rect(0, 0, 1, 1), half,
                        2, 3);
        EXPECT_EQ(blended, (std::vector<TbsColor>{ Z, Z, 0xFF7F7F7F, Z, Z, 0xFF7F7F7F }))
            << SetName(set);
    }
}

TEST(PixelCoreTest, DcBitmapBitsFindOnlyDibSections) {
    TbsBitmap b;
    b.SetSize(3, 2);
    int w = -1, h = -1, bits = -1;
    EXPECT_EQ(GetDCBitmapBits(b.DC(), w, h, bits), b.Bits());
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, -2);
    EXPECT_EQ(bits, 32);

    gfx::DcPtr plain(win::CreateCompatibleDC(nullptr));
    EXPECT_EQ(GetDCBitmapBits(plain.get(), w, h, bits), nullptr);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(bits, 0);
}

TEST(PixelCoreTest, ProcessTablePicksTheVectorSetOnProcessorsWithSimd) {
    EXPECT_EQ(PixelRoutines().VectorBlend(), HasMMX());
#if defined(__x86_64__)
    EXPECT_TRUE(HasMMX());
#endif
}

} // namespace
