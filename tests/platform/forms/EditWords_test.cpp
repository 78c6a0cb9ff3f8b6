#include "platform/forms/EditWords.h"
#include "platform/gfx/Utf8.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Texts are written in UTF-8; positions count characters.
struct StopCase {
    const char* text;
    int from;
    int expected;
};

TEST(EditWords, NextStopPassesTheRunAndTheBlanksAfterIt) {
    const StopCase kCases[] = {
        { "hello world", 0, 6 },
        { "hello world", 3, 6 },
        { "hello world", 5, 6 }, // from blanks to the next word
        { "hello world", 6, 11 },
        { "hello world", 11, 11 }, // at the end
        { "hello world", 40, 11 }, // brought into the text
        { "foo, bar", 0, 3 },      // marks stop the caret like a word
        { "foo, bar", 3, 5 },
        { "a.b_c", 1, 2 }, // the underscore is a mark, not a letter
        { "x -- y", 2, 5 },
        { "中文 abc", 0, 3 }, // characters beyond ASCII are letters
        { "naïve café", 0, 6 },
        { "日本語テキスト", 0, 7 }, // a text without spaces moves by runs
        { "ab  \n  cd", 0, 4 },     // the blanks stop at the line's end
        { "ab  \n  cd", 4, 5 },     // the line break is passed on its own
        { "ab  \n  cd", 5, 7 },     // and the indent of the next line
        { "a\n\nb", 1, 2 },         // an empty line is a stop
        { "a\n\nb", 2, 3 },
    };
    for (const StopCase& c : kCases)
        EXPECT_EQ(NextWordStop(gfx::DecodeUtf8(c.text), c.from), c.expected)
            << c.text << " from " << c.from;
}

TEST(EditWords, PreviousStopGoesBackOverBlanksToTheStartOfTheRun) {
    const StopCase kCases[] = {
        { "hello world", 11, 6 }, { "hello world", 8, 6 }, { "hello world", 6, 0 },
        { "hello world", 5, 0 },  { "hello world", 0, 0 }, { "hello world", -3, 0 },
        { "foo, bar", 5, 3 },     { "foo, bar", 3, 0 },    { "中文 abc", 6, 3 },
        { "中文 abc", 3, 0 },     { "ab  \n  cd", 7, 5 }, // from the first word to the line's start
        { "ab  \n  cd", 5, 4 }, // from the line's start to the end of the line before
        { "ab  \n  cd", 4, 0 },   { "a\n\nb", 3, 2 },      { "a\n\nb", 2, 1 },
    };
    for (const StopCase& c : kCases)
        EXPECT_EQ(PreviousWordStop(gfx::DecodeUtf8(c.text), c.from), c.expected)
            << c.text << " from " << c.from;
}

TEST(EditWords, WordAtPicksTheRunUnderThePosition) {
    struct Case {
        const char* text;
        int at;
        int start;
        int end;
    };
    const Case kCases[] = {
        { "hello world", 2, 0, 5 },
        { "hello world", 5, 0, 5 }, // the word ending here wins over the blank after it
        { "hello world", 6, 6, 11 },
        { "hello world", 11, 6, 11 }, // past the end: the last word
        { "foo,  bar", 3, 0, 3 },
        { "foo,  bar", 4, 4, 6 }, // blanks between marks and a word
        { "a.b", 1, 0, 1 },
        { "x (.) y", 3, 2, 5 }, // a run of marks
        { "中文字 ab", 1, 0, 3 },
        { "ab\ncd", 2, 0, 2 },   // past a line's end: its last word
        { "ab\n\ncd", 3, 3, 3 }, // an empty line has none
        { "", 0, 0, 0 },
    };
    for (const Case& c : kCases) {
        const TWordSpan span = WordAt(gfx::DecodeUtf8(c.text), c.at);
        EXPECT_EQ(span.Start, c.start) << c.text << " at " << c.at;
        EXPECT_EQ(span.End, c.end) << c.text << " at " << c.at;
    }
}

} // namespace
