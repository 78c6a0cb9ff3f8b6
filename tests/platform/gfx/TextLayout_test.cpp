#include "platform/gfx/TextLayout.h"

#include "platform/gfx/TextFlags.h"
#include "platform/gfx/Utf8.h"

#include <gtest/gtest.h>

using namespace win;
using gfx::LayoutText;

namespace {

// A font whose numbers are easy to check: most characters 10 px, "i" 4, "." 3, spaces 5,
// ideographs 20; lines 16 px high, average character 6 px (tab stops every 48 px).
class FakeMeasure : public gfx::TextMeasure {
public:
    int Advance(char32_t c) const override {
        if (c == U'i') return 4;
        if (c == U'.') return 3;
        if (c == U' ') return 5;
        if (c >= 0x4E00 && c <= 0x9FFF) return 20;
        return 10;
    }
    int LineHeight() const override { return 16; }
    int AveCharWidth() const override { return 6; }
};

const FakeMeasure kMeasure;

std::string LineText(const gfx::TextLine& line) {
    std::u32string codes;
    for (const auto& c : line.Chars)
        codes.push_back(c.Code);
    return gfx::EncodeUtf8(codes);
}

std::vector<std::string> Lines(const gfx::TextLayout& layout) {
    std::vector<std::string> out;
    for (const auto& line : layout.Lines)
        out.push_back(LineText(line));
    return out;
}

} // namespace

TEST(TextLayout, AlignsLinesInTheRectangle) {
    struct Case {
        unsigned flags;
        int left, top;
        int result;
    };
    // "abc" is 30 px wide and 16 px high in a 100 x 40 rectangle at (10, 20).
    const Case cases[] = {
        { DT_LEFT, 10, 20, 16 },
        { DT_CENTER, 45, 20, 16 },
        { DT_RIGHT, 80, 20, 16 },
        { DT_SINGLELINE | DT_VCENTER, 10, 32, 28 },
        { DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 80, 44, 40 },
        { DT_SINGLELINE | DT_VCENTER | DT_CENTER, 45, 32, 28 },
        // Vertical placement needs a single line, as in GDI.
        { DT_VCENTER, 10, 20, 16 },
        { DT_BOTTOM, 10, 20, 16 },
    };
    for (const Case& c : cases) {
        const auto layout = LayoutText("abc", c.flags, RECT{ 10, 20, 110, 60 }, kMeasure);
        ASSERT_EQ(layout.Lines.size(), 1u) << c.flags;
        EXPECT_EQ(layout.Lines[0].Left, c.left) << c.flags;
        EXPECT_EQ(layout.Lines[0].Top, c.top) << c.flags;
        EXPECT_EQ(layout.Lines[0].Width, 30) << c.flags;
        EXPECT_EQ(layout.Result, c.result) << c.flags;
    }
}

TEST(TextLayout, CalcRectBoundsTheWidestLineAndEveryLine) {
    struct Case {
        const char* text;
        unsigned flags;
        RECT bounds;
        int result;
    };
    const Case cases[] = {
        { "abc", DT_CALCRECT, { 5, 7, 35, 23 }, 16 },
        { "ab\r\nabcd\nx", DT_CALCRECT, { 5, 7, 45, 55 }, 48 },
        // The line break after the last line adds an empty line.
        { "ab\r\n", DT_CALCRECT, { 5, 7, 25, 39 }, 32 },
        { "ab\r\ncd", DT_CALCRECT | DT_SINGLELINE, { 5, 7, 45, 23 }, 16 },
        // Alignment does not move the measured rectangle.
        { "abc", DT_CALCRECT | DT_RIGHT, { 5, 7, 35, 23 }, 16 },
        { "", DT_CALCRECT, { 5, 7, 5, 7 }, 0 },
    };
    for (const Case& c : cases) {
        const auto layout = LayoutText(c.text, c.flags, RECT{ 5, 7, 5, 7 }, kMeasure);
        EXPECT_EQ(layout.Bounds, c.bounds) << c.text;
        EXPECT_EQ(layout.Result, c.result) << c.text;
    }
}

TEST(TextLayout, PrefixesUnderlineTheNextCharacterAndLeaveTheExtent) {
    struct Case {
        const char* text;
        unsigned flags;
        const char* shown;
        std::vector<gfx::UnderlineSpan> underlines;
    };
    const Case cases[] = {
        { "&Open", 0, "Open", { { 0, 10 } } },      { "Sa&ve", 0, "Save", { { 20, 10 } } },
        { "Fish && Chips", 0, "Fish & Chips", {} }, { "a&", 0, "a", {} },
        { "&&&x", 0, "&x", { { 10, 10 } } },        { "&Open", DT_NOPREFIX, "&Open", {} },
        { "&Open", DT_HIDEPREFIX, "Open", {} },
    };
    for (const Case& c : cases) {
        const auto layout = LayoutText(c.text, c.flags | DT_CALCRECT, RECT{}, kMeasure);
        ASSERT_EQ(layout.Lines.size(), 1u) << c.text;
        EXPECT_EQ(LineText(layout.Lines[0]), c.shown) << c.text;
        EXPECT_EQ(layout.Lines[0].Underlines, c.underlines) << c.text;
        EXPECT_EQ(layout.Bounds.right, layout.Lines[0].Width) << c.text;
    }
}

TEST(TextLayout, WordBreakWrapsAtSpacesAndKeepsLongWordsWhole) {
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
        int widest;
    };
    const Case cases[] = {
        { "aa bb cc", 100, { "aa bb cc" }, 70 },
        { "aa bb cc", 50, { "aa bb", "cc" }, 45 },
        { "aa bb cc", 30, { "aa", "bb", "cc" }, 20 },
        // A word wider than the rectangle widens the measure instead of being cut.
        { "a abcdefgh b", 30, { "a", "abcdefgh", "b" }, 80 },
        { "abcdefgh", 30, { "abcdefgh" }, 80 },
        // Spaces at the break are dropped; leading ones of a paragraph stay.
        { "  aa    bb", 40, { "  aa", "bb" }, 30 },
        { "aa\r\n\r\nbb cc", 30, { "aa", "", "bb", "cc" }, 20 },
        // Ideographs break between any two, but not before closing punctuation.
        { "苇川视频", 50, { "苇川", "视频" }, 40 },
        { "苇川，视频", 45, { "苇", "川，", "视频" }, 40 },
    };
    for (const Case& c : cases) {
        const auto layout =
            LayoutText(c.text, DT_WORDBREAK | DT_CALCRECT, RECT{ 0, 0, c.width, 0 }, kMeasure);
        EXPECT_EQ(Lines(layout), c.lines) << c.text << " in " << c.width;
        EXPECT_EQ(layout.Bounds.right, c.widest) << c.text << " in " << c.width;
        EXPECT_EQ(layout.Result, 16 * int(c.lines.size())) << c.text;
    }
}

TEST(TextLayout, WordBreakIsIgnoredOnASingleLine) {
    const auto layout = LayoutText("aa bb cc", DT_WORDBREAK | DT_SINGLELINE | DT_CALCRECT,
                                   RECT{ 0, 0, 30, 0 }, kMeasure);
    EXPECT_EQ(Lines(layout), std::vector<std::string>{ "aa bb cc" });
}

TEST(TextLayout, EllipsesShortenWhatDoesNotFit) {
    struct Case {
        const char* text;
        unsigned flags;
        int width;
        const char* shown;
    };
    const Case cases[] = {
        { "abcdef", DT_END_ELLIPSIS, 60, "abcdef" },
        { "abcdef", DT_END_ELLIPSIS, 59, "abcde..." },
        { "abcdef", DT_END_ELLIPSIS, 58, "abcd..." },
        { "abcdef", DT_END_ELLIPSIS, 10, "..." },
        { "c:\\media\\films\\clip.avi", DT_PATH_ELLIPSIS, 1000, "c:\\media\\films\\clip.avi" },
        // The file name "\clip.avi" is 71 px, the dots 9: the folders keep at most 70 px.
        { "c:\\media\\films\\clip.avi", DT_PATH_ELLIPSIS, 150, "c:\\medi...\\clip.avi" },
        { "/home/user/clip.avi", DT_PATH_ELLIPSIS, 100, "/h.../clip.avi" },
        // A file name too long on its own is cut at its end.
        { "c:\\media\\averyveryverylongname.avi", DT_PATH_ELLIPSIS, 60, "...\\ave..." },
        { "abcdef", DT_PATH_ELLIPSIS, 58, "abcd..." },
    };
    for (const Case& c : cases) {
        const auto layout = LayoutText(c.text, c.flags | DT_SINGLELINE | DT_CALCRECT,
                                       RECT{ 0, 0, c.width, 0 }, kMeasure);
        ASSERT_EQ(layout.Lines.size(), 1u);
        EXPECT_EQ(LineText(layout.Lines[0]), c.shown) << c.text << " in " << c.width;
        EXPECT_LE(layout.Lines[0].Width, std::max(c.width, 9)) << c.text;
    }
}

TEST(TextLayout, TabsExpandToEightAverageCharactersOnlyWhenAsked) {
    // Average character 6 px: stops at 48, 96, ...
    const auto expanded = LayoutText("a\tb\tc", DT_EXPANDTABS | DT_CALCRECT, RECT{}, kMeasure);
    ASSERT_EQ(expanded.Lines.size(), 1u);
    const std::vector<gfx::PlacedChar> placed{ { U'a', 0 }, { U'b', 48 }, { U'c', 96 } };
    EXPECT_EQ(expanded.Lines[0].Chars, placed);
    EXPECT_EQ(expanded.Bounds.right, 106);

    const auto plain = LayoutText("a\tb", DT_CALCRECT, RECT{}, kMeasure);
    EXPECT_EQ(plain.Bounds.right, 20);
}

TEST(TextLayout, TabStopsFollowTheListThenTheInterval) {
    gfx::TabStops stops{ { 30, 70 }, 40 };
    struct Case {
        int x, next;
    };
    const Case cases[] = { { 0, 30 }, { 30, 70 }, { 69, 70 }, { 70, 110 }, { 111, 150 } };
    for (const Case& c : cases)
        EXPECT_EQ(stops.NextStop(c.x), c.next) << c.x;
    EXPECT_EQ(gfx::TabStops{}.NextStop(17), 17);
}

TEST(TextLayout, ControlCharactersTakeNoRoom) {
    const auto layout = LayoutText("a\rb\n", DT_SINGLELINE | DT_CALCRECT, RECT{}, kMeasure);
    ASSERT_EQ(layout.Lines.size(), 1u);
    EXPECT_EQ(LineText(layout.Lines[0]), "ab");
    EXPECT_EQ(layout.Bounds.right, 20);
}
