#include "platform/gfx/FontCache.h"
#include "platform/gfx/FontMatcher.h"
#include "platform/gfx/ScaledFont.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <thread>

using gfx::FontCache;
using gfx::FontRequest;
using gfx::Glyph;

namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A font drawn from one fixed file, whatever fontconfig would choose.
std::shared_ptr<gfx::ScaledFont> DejaVuSans(int height) {
    static const auto engine = std::make_shared<gfx::FontEngine>();
    FontRequest request;
    request.FaceName = "DejaVu Sans";
    request.Height = height;
    return std::make_shared<gfx::ScaledFont>(
        engine, request, std::vector<gfx::FaceSource>{ { kDejaVuSans, 0, nullptr } });
}

FontRequest Request(const char* face, int height, int weight = 400) {
    FontRequest request;
    request.FaceName = face;
    request.Height = height;
    request.Weight = weight;
    return request;
}

int Ink(const Glyph& glyph) {
    return std::accumulate(glyph.Coverage.begin(), glyph.Coverage.end(), 0);
}

} // namespace

TEST(FontCache, TheProgramsFaceNamesResolveToInstalledFaces) {
    for (const char* name : { "Tahoma", "Arial", "MS Sans Serif", "宋体", "Microsoft YaHei",
                              "微软雅黑", "No Such Face" }) {
        const auto sources = gfx::FontMatcher::Match(name, 400, false, 1);
        ASSERT_FALSE(sources.empty()) << name;
        EXPECT_TRUE(std::filesystem::exists(sources.front().Path)) << name;
    }
}

TEST(FontCache, ChineseNamesAndCharsetsAskForChineseFaces) {
    struct Case {
        const char* name;
        int charSet;
        const char* language;
    };
    const Case cases[] = {
        { "宋体", 1, "zh-cn" },     { "SimSun", 1, "zh-cn" },  { "Microsoft YaHei", 1, "zh-cn" },
        { "微软雅黑", 1, "zh-cn" }, { "Arial", 134, "zh-cn" }, { "Arial", 136, "zh-tw" },
        { "Tahoma", 1, "" },        { "Arial", 0, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(gfx::FontMatcher::LanguageFor(c.name, c.charSet), c.language) << c.name;
}

TEST(FontCache, MetricsFollowTheHeightConvention) {
    // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483.
    const auto character = DejaVuSans(-13);
    const gfx::FontMetrics& m = character->Metrics();
    EXPECT_EQ(m.EmPixels, 13);
    EXPECT_EQ(m.Ascent, 12);
    EXPECT_EQ(m.Descent, 3);
    EXPECT_EQ(m.Height, 15);
    EXPECT_EQ(m.InternalLeading, 2);
    EXPECT_GT(m.AveCharWidth, 4);
    EXPECT_LT(m.AveCharWidth, 10);
    EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);

    // A positive height is the whole cell.
    for (int cell : { 12, 14, 16, 20, 33 }) {
        const auto font = DejaVuSans(cell);
        EXPECT_EQ(font->Metrics().Height, cell);
        EXPECT_EQ(font->Metrics().Ascent + font->Metrics().Descent, cell);
        EXPECT_LT(font->Metrics().EmPixels, cell);
    }
}

TEST(FontCache, AdvancesAreWholePixelsThatGrowWithTheSize) {
    const auto small = DejaVuSans(-11);
    const auto large = DejaVuSans(-22);
    for (char32_t c : U"AWim.") {
        if (c == 0) continue;
        EXPECT_GT(small->Advance(c), 0);
        EXPECT_GT(large->Advance(c), small->Advance(c));
    }
    EXPECT_GT(small->Advance(U'W'), small->Advance(U'i'));
    EXPECT_EQ(small->Advance(U' '), small->GlyphFor(U' ')->Advance);
}

TEST(FontCache, GlyphsAreRenderedOnceAndShared) {
    const auto font = DejaVuSans(-13);
    const auto first = font->GlyphFor(U'g');
    EXPECT_EQ(font->GlyphFor(U'g'), first);
    EXPECT_GT(first->Width, 0);
    EXPECT_GT(first->Height, first->Top); // the descender hangs below the baseline
    EXPECT_EQ(first->Coverage.size(), std::size_t(first->Width * first->Height));

    auto& cache = FontCache::Instance();
    EXPECT_EQ(cache.Get(Request("Tahoma", -13)), cache.Get(Request("Tahoma", -13)));
    EXPECT_NE(cache.Get(Request("Tahoma", -13)), cache.Get(Request("Tahoma", -14)));
}

TEST(FontCache, ChineseCaptionsDrawRealGlyphsNotBoxes) {
    // fontconfig's first choice for a Latin name has no ideographs; the fallback faces do.
    for (const char* name : { "宋体", "Tahoma", "Arial", "MS Sans Serif" }) {
        const auto font = FontCache::Instance().Get(Request(name, -16));
        const auto missing = font->MissingGlyph();
        for (char32_t c : std::u32string(U"苇川视频")) {
            EXPECT_TRUE(font->HasGlyph(c)) << name;
            const auto glyph = font->GlyphFor(c);
            EXPECT_NE(glyph, missing) << name;
            EXPECT_NE(glyph->Coverage, missing->Coverage) << name;
            EXPECT_GT(Ink(*glyph), 0) << name;
            // An ideograph is about an em wide.
            EXPECT_GE(glyph->Advance, 14) << name;
        }
    }
}

TEST(FontCache, CharactersNoFaceHasUseTheMissingGlyph) {
    const auto font = DejaVuSans(-13);
    EXPECT_FALSE(font->HasGlyph(0x10FFFD));
    EXPECT_EQ(font->GlyphFor(0x10FFFD), font->MissingGlyph());
    EXPECT_GT(Ink(*font->MissingGlyph()), 0);
}

TEST(FontCache, BoldAndItalicWithoutSuchFacesAreSynthesised) {
    // The CJK face has neither a bold nor an italic style.
    auto& cache = FontCache::Instance();
    const auto regular = cache.Get(Request("宋体", -16, 400))->GlyphFor(U'川');
    const auto bold = cache.Get(Request("宋体", -16, 700))->GlyphFor(U'川');
    EXPECT_GT(Ink(*bold), Ink(*regular));
    EXPECT_GE(bold->Advance, regular->Advance);

    FontRequest italic = Request("宋体", -16);
    italic.Italic = true;
    EXPECT_NE(cache.Get(italic)->GlyphFor(U'川')->Coverage, regular->Coverage);
}

TEST(FontCache, WildHeightsStayBounded) {
    for (int height : { -100000, 100000, 1, -1 }) {
        const auto font = DejaVuSans(height);
        EXPECT_GE(font->Metrics().EmPixels, 1) << height;
        EXPECT_LE(font->Metrics().EmPixels, 2048) << height;
    }
}

TEST(FontCache, FontsServeTwoThreadsAtOnce) {
    const auto font = FontCache::Instance().Get(Request("Arial", -15));
    std::u32string text = U"The quick brown fox 苇川视频 jumps over the lazy dog 0123456789";
    int workerWidth = 0;
    std::thread worker([&] {
        for (char32_t c : text)
            workerWidth += font->Advance(c);
    });
    int width = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it)
        width += font->GlyphFor(*it)->Advance;
    worker.join();
    EXPECT_EQ(width, workerWidth);
}
