#include "platform/forms/TTextLineIndex.h"
#include "platform/gfx/Utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The index a whole text gives when read from scratch.
std::vector<TTextLineIndex::TLine> Naive(const std::u32string& chars) {
    std::vector<TTextLineIndex::TLine> lines(1);
    for (std::size_t i = 0; i < chars.size(); ++i)
        if (chars[i] == U'\n')
            lines.push_back({ int(i) + 1, gfx::EncodeUtf8(chars.substr(0, i + 1)).size() });
    return lines;
}

void ExpectSame(const TTextLineIndex& index, const std::u32string& chars, int step) {
    const auto expected = Naive(chars);
    ASSERT_EQ(index.Count(), int(expected.size())) << "step " << step;
    for (int i = 0; i < index.Count(); ++i) {
        EXPECT_EQ(index.Line(i).Start, expected[std::size_t(i)].Start) << "step " << step;
        EXPECT_EQ(index.Line(i).Byte, expected[std::size_t(i)].Byte) << "step " << step;
    }
    for (int p = 0; p <= int(chars.size()); ++p) {
        int line = 0;
        while (line + 1 < int(expected.size()) && expected[std::size_t(line) + 1].Start <= p)
            ++line;
        ASSERT_EQ(index.LineOf(p), line) << "position " << p << ", step " << step;
    }
}

TEST(TextLineIndex, ReplacementsAnywhereKeepEveryLineStartInCharactersAndBytes) {
    // Pieces with breaks at either end, several breaks, and characters of two to four bytes.
    const std::u32string pieces[] = { U"",     U"a",   U"\n",  U"中文",           U"x\ny",
                                      U"\n\n", U"é\n", U"\n😀", U"line\nof text\n" };
    std::mt19937 random(7);
    std::u32string chars = U"first\nsecond 中\n\nlast";
    TTextLineIndex index;
    index.Assign(chars, gfx::EncodeUtf8(chars));
    ExpectSame(index, chars, -1);
    for (int step = 0; step < 300; ++step) {
        const int start = int(random() % (chars.size() + 1));
        const int removed = int(random() % (chars.size() - std::size_t(start) + 1)) % 7;
        const std::u32string& inserted = pieces[random() % std::size(pieces)];
        const std::size_t startByte = gfx::EncodeUtf8(chars.substr(0, std::size_t(start))).size();
        const std::size_t removedBytes =
            gfx::EncodeUtf8(chars.substr(std::size_t(start), std::size_t(removed))).size();
        index.Replace(start, removed, startByte, removedBytes, inserted, gfx::EncodeUtf8(inserted));
        chars.replace(std::size_t(start), std::size_t(removed), inserted);
        ExpectSame(index, chars, step);
        if (HasFatalFailure()) return;
    }
}

TEST(TextLineIndex, AReplacementForgetsTheWidthOfTheLineItTouchedOnly) {
    const std::u32string chars = U"one\ntwo\nthree";
    TTextLineIndex index;
    index.Assign(chars, gfx::EncodeUtf8(chars));
    for (int i = 0; i < index.Count(); ++i)
        index.Line(i).Width = 10 + i;
    index.Replace(5, 1, 5, 1, U"W", "W"); // inside "two"
    EXPECT_EQ(index.Line(0).Width, 10);
    EXPECT_EQ(index.Line(1).Width, -1);
    EXPECT_EQ(index.Line(2).Width, 12) << "a line after the change keeps its width";
    index.ForgetWidths();
    EXPECT_EQ(index.Line(0).Width, -1);
}

} // namespace
