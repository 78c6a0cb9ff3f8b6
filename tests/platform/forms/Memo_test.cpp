#include "ControlsFixture.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Clipboard.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <iterator>
#include <string>

namespace formstest {
namespace {

using namespace win;

class Memo : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        FMemo = Add<TMemo>(10, 10, 200, 80);
        FMemo->OnChange = [this](TObject*) { ++FChanges; };
        FMemo->SetFocus();
        Pump();
    }
    bool HasStyle(DWORD style) {
        return (GetWindowLongPtr(FMemo->Handle(), GWL_STYLE) & style) != 0;
    }
    // A client point just inside character index of a row: rows start a pixel down, the text
    // two pixels in.
    TPoint PointIn(int row, const std::string& line, int index) {
        const std::u32string chars = gfx::DecodeUtf8(line);
        const int height = FMemo->Canvas().TextHeight("Wg");
        return TPoint(2 + FMemo->Canvas().TextWidth(gfx::EncodeUtf8(chars.substr(0, index))) + 1,
                      1 + row * height + height / 2);
    }
    void DoubleClickAt(TPoint client) {
        FDisplay->Time().Advance(1000); // no pairing with an earlier click
        const TPoint p = FMemo->ClientToScreen(client);
        FDisplay->Click(p.X, p.Y);
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    // Whether the caret's column at client point p is on screen: dark over the white field.
    bool CaretDrawnAt(POINT p) {
        Pump();
        const gfx::Surface s = FDisplay->ComposeScreen();
        const TPoint at = FMemo->ClientToScreen(TPoint(p.x, p.y + 4));
        const gfx::Pixel px = s.At(at.X, at.Y);
        return gfx::PixelR(px) + gfx::PixelG(px) + gfx::PixelB(px) < 200;
    }

    TMemo* FMemo{ nullptr };
    int FChanges{ 0 };
};

TEST_F(Memo, LinesAreAddedAtTheEndAndTheViewFollows) {
    FMemo->SetScrollBars(ssVertical);
    Pump();
    EXPECT_TRUE(HasStyle(WS_VSCROLL)) << "a vertical bar shows even with nothing to scroll";
    for (int i = 0; i < 20; ++i)
        FMemo->Lines().Add("line " + std::to_string(i));
    EXPECT_EQ(FMemo->Lines().Count(), 20);
    EXPECT_EQ(FMemo->Lines()[19], "line 19");
    EXPECT_EQ(FMemo->CaretPos(), TPoint(0, 20)) << "the caret follows the added lines";
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(FMemo->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nPos + int(info.nPage), info.nMax + 1) << "the last line is in view";
    EXPECT_EQ(FMemo->TopRow(), info.nPos);

    struct Edit {
        const char* what;
        std::function<void(TStrings&)> apply;
        const char* text;
    };
    const Edit edits[] = {
        { "add after a last line without a break",
          [this](TStrings& l) {
              FMemo->SetText("a\nb\nc");
              l.Add("d");
          },
          "a\nb\nc\nd" },
        { "insert", [](TStrings& l) { l.Insert(1, "x"); }, "a\nx\nb\nc\nd" },
        { "put", [](TStrings& l) { l.SetStrings(0, "中文"); }, "中文\nx\nb\nc\nd" },
        { "delete inside", [](TStrings& l) { l.Delete(1); }, "中文\nb\nc\nd" },
        { "delete the last", [](TStrings& l) { l.Delete(3); }, "中文\nb\nc" },
        { "clear", [](TStrings& l) { l.Clear(); }, "" },
        { "add to an empty memo", [](TStrings& l) { l.Add("z"); }, "z\n" },
    };
    for (const Edit& e : edits) {
        e.apply(FMemo->Lines());
        EXPECT_EQ(FMemo->Text(), e.text) << e.what;
    }
    EXPECT_EQ(FMemo->Lines().Count(), 1) << "a final break opens no line";
}

TEST_F(Memo, KeysEditAndMoveAcrossLines) {
    Type("ab");
    Key(VK_RETURN);
    Type("cdef");
    EXPECT_EQ(FMemo->Text(), "ab\ncdef");
    Key(VK_UP);
    EXPECT_EQ(FMemo->CaretPos(), TPoint(2, 0)) << "up keeps the column within the shorter line";
    Key(VK_DOWN);
    EXPECT_EQ(FMemo->CaretPos(), TPoint(4, 1)) << "and returns to the column it came from";
    Key(VK_HOME);
    Key(VK_BACK);
    EXPECT_EQ(FMemo->Text(), "abcdef") << "backspace at a line start joins the lines";
    Key(VK_RETURN);
    Key(VK_HOME, { VK_CONTROL });
    Key(VK_DOWN, { VK_SHIFT });
    EXPECT_EQ(FMemo->SelText(), "ab\n");
    Key('C', { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "ab\n");
    Key(VK_END, { VK_CONTROL });
    Key('V', { VK_CONTROL });
    EXPECT_EQ(FMemo->Text(), "ab\ncdefab\n");
    EXPECT_EQ(FMemo->Perform(EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(FMemo->Perform(EM_LINEINDEX, 1, 0), 3);

    FMemo->SetReadOnly(true);
    const std::string before = FMemo->Text();
    const int changes = FChanges;
    Type("x");
    Key(VK_BACK);
    Key(VK_RETURN);
    EXPECT_EQ(FMemo->Text(), before) << "a read-only memo refuses the user's edits";
    EXPECT_EQ(FChanges, changes);
    FMemo->Lines().Add("log");
    EXPECT_EQ(FMemo->Lines()[2], "log") << "but takes lines from code";
}

TEST_F(Memo, UndoTakesBackTheLastChangeByTheUser) {
    FMemo->SetText("one\ntwo");
    FMemo->SetSelStart(3);
    Type("ab");
    Key(VK_RETURN);
    Type("c");
    EXPECT_EQ(FMemo->Text(), "oneab\nc\ntwo");
    Key('Z', { VK_CONTROL });
    EXPECT_EQ(FMemo->Text(), "one\ntwo") << "typing across a line break is one change";
    EXPECT_EQ(FMemo->SelStart(), 3);
    EXPECT_EQ(FMemo->Perform(EM_UNDO, 0, 0), TRUE);
    EXPECT_EQ(FMemo->Text(), "oneab\nc\ntwo") << "undo of the undo";
    Key(VK_BACK, { VK_MENU });
    EXPECT_EQ(FMemo->Text(), "one\ntwo") << "Alt+Backspace undoes as in the edit";
    Key(VK_BACK, { VK_MENU });
    EXPECT_EQ(FMemo->Text(), "oneab\nc\ntwo");

    Key(VK_HOME, { VK_CONTROL });
    Key(VK_DELETE);
    EXPECT_EQ(FMemo->Text(), "neab\nc\ntwo");
    FMemo->Perform(WM_UNDO, 0, 0);
    EXPECT_EQ(FMemo->Text(), "oneab\nc\ntwo") << "only the last change is kept";

    FMemo->Perform(EM_REPLACESEL, TRUE, LPARAM("x"));
    EXPECT_EQ(FMemo->Perform(EM_CANUNDO, 0, 0), TRUE);
    FMemo->Perform(EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_EQ(FMemo->Perform(EM_CANUNDO, 0, 0), FALSE);
    Type("y");
    FMemo->Lines().Add("log");
    EXPECT_FALSE(FMemo->CanUndo()) << "lines added by code cannot be taken back";
    Type("z");
    FMemo->SetReadOnly(true);
    const std::string before = FMemo->Text();
    Key('Z', { VK_CONTROL });
    EXPECT_EQ(FMemo->Text(), before) << "a read-only memo refuses undo";
    FMemo->SetReadOnly(false);
    FMemo->SetText("new");
    EXPECT_FALSE(FMemo->CanUndo()) << "text set by code cannot be taken back";
}

TEST_F(Memo, CtrlArrowsMoveByWordsAcrossLineEnds) {
    const std::string text = "first line,\n  second 中文\n\nend";
    FMemo->SetText(text);
    // Each word's start, each line's end and start (past its indent), and the end.
    const int kStops[] = { 6, 10, 11, 12, 14, 21, 23, 24, 25, 28 };
    for (int stop : kStops) {
        Key(VK_RIGHT, { VK_CONTROL });
        EXPECT_EQ(FMemo->SelStart(), stop);
    }
    for (int i = int(std::size(kStops)) - 2; i >= -1; --i) {
        Key(VK_LEFT, { VK_CONTROL });
        EXPECT_EQ(FMemo->SelStart(), i < 0 ? 0 : kStops[i]);
    }
    Key(VK_END, { VK_CONTROL });
    Key(VK_LEFT, { VK_CONTROL, VK_SHIFT });
    Key(VK_LEFT, { VK_CONTROL, VK_SHIFT });
    EXPECT_EQ(FMemo->SelText(), "\nend") << "a word selection crosses the line end";

    struct Case {
        const char* name;
        int caret;
        UINT vk;
        const char* after;
    };
    const Case kCases[] = {
        { "back from a line start joins the lines", 12, VK_BACK,
          "first line,  second 中文\n\nend" },
        { "forward from a line end joins the lines", 11, VK_DELETE,
          "first line,  second 中文\n\nend" },
        { "a word of wide characters", 21, VK_DELETE, "first line,\n  second \n\nend" },
        { "back over the indent", 14, VK_BACK, "first line,\nsecond 中文\n\nend" },
    };
    for (const Case& c : kCases) {
        FMemo->SetText(text);
        FMemo->SetSelStart(c.caret);
        Key(c.vk, { VK_CONTROL });
        EXPECT_EQ(FMemo->Text(), c.after) << c.name;
        Key('Z', { VK_CONTROL });
        EXPECT_EQ(FMemo->Text(), text) << c.name << ": one undo takes it back";
    }
    FMemo->SetReadOnly(true);
    FMemo->SetSelStart(12);
    Key(VK_BACK, { VK_CONTROL });
    Key(VK_DELETE, { VK_CONTROL });
    EXPECT_EQ(FMemo->Text(), text) << "a read-only memo keeps its words";
}

TEST_F(Memo, DoubleClickSelectsTheWordUnderThePointer) {
    FMemo->SetText("first line\nsecond 中文");
    struct Case {
        TPoint at;
        const char* selected;
    };
    const Case kCases[] = {
        { PointIn(0, "first line", 1), "first" },
        { PointIn(1, "second 中文", 8), "中文" },
        { TPoint(190, PointIn(0, "", 0).Y), "line" }, // past a line's end: its last word
    };
    for (const Case& c : kCases) {
        DoubleClickAt(c.at);
        EXPECT_EQ(FMemo->SelText(), c.selected);
    }
}

TEST_F(Memo, TheCaretBlinksWhileFocusedAndGoesWithTheFocus) {
    FMemo->SetText("one \ntwo ");
    FMemo->SetSelStart(4);
    Pump();
    const int height = FMemo->Canvas().TextHeight("Wg");
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, 2 + FMemo->Canvas().TextWidth("one "));
    EXPECT_EQ(caret.y, 1);
    EXPECT_TRUE(CaretDrawnAt(caret));
    const UINT blink = GetCaretBlinkTime();
    FDisplay->Time().Advance(blink);
    EXPECT_FALSE(CaretDrawnAt(caret));

    Key(VK_RIGHT, { VK_CONTROL });
    Key(VK_RIGHT, { VK_CONTROL });
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, 2 + FMemo->Canvas().TextWidth("two "));
    EXPECT_EQ(caret.y, 1 + height) << "on the second row";
    EXPECT_TRUE(CaretDrawnAt(caret)) << "a key shows the caret at once";
    FDisplay->Time().Advance(blink - 1);
    EXPECT_TRUE(CaretDrawnAt(caret));

    auto* other = Add<TMemo>(10, 120, 200, 80);
    other->SetFocus();
    for (int i = 0; i < 3; ++i) {
        FDisplay->Time().Advance(blink);
        EXPECT_FALSE(CaretDrawnAt(caret)) << "no blinking where the focus left";
    }
}

TEST_F(Memo, ScrollRequestsMoveTheViewByRowsPagesAndToTheEnds) {
    FMemo->SetScrollBars(ssVertical);
    for (int i = 0; i < 30; ++i)
        FMemo->Lines().Add("line " + std::to_string(i));
    Pump();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(FMemo->Handle(), SB_VERT, &info));
    const int page = int(info.nPage);
    const int last = info.nMax - page + 1;
    ASSERT_GT(page, 2);
    struct Request {
        int code;
        int top;
    };
    // A page keeps one row of the last one in view.
    const Request requests[] = {
        { SB_TOP, 0 },           { SB_LINEDOWN, 1 },    { SB_PAGEDOWN, page },
        { SB_LINEUP, page - 1 }, { SB_PAGEUP, 0 },      { SB_LINEUP, 0 },
        { SB_BOTTOM, last },     { SB_LINEDOWN, last }, { SB_ENDSCROLL, last },
    };
    for (const Request& r : requests) {
        SendMessage(FMemo->Handle(), WM_VSCROLL, MAKEWPARAM(r.code, 0), 0);
        EXPECT_EQ(FMemo->TopRow(), r.top) << "request " << r.code;
        GetScrollInfo(FMemo->Handle(), SB_VERT, &info);
        EXPECT_EQ(info.nPos, r.top) << "request " << r.code;
    }
}

TEST_F(Memo, WordWrapBreaksAfterBlanksAndScrollsOnlyDownwards) {
    FMemo->SetScrollBars(ssBoth);
    std::string words;
    for (int i = 0; i < 30; ++i)
        words += "word" + std::to_string(i) + " ";
    FMemo->SetText(words);
    Pump();
    EXPECT_FALSE(HasStyle(WS_HSCROLL)) << "wrapped text never scrolls sideways";
    // Walk the rows with the keyboard: each row starts after a blank.
    int rows = 1;
    for (Key(VK_END); FMemo->SelStart() < int(words.size()) - 1; Key(VK_END)) {
        const int end = FMemo->SelStart();
        EXPECT_EQ(words[end], ' ') << "a row ends before its trailing blank";
        Key(VK_RIGHT);
        ++rows;
    }
    EXPECT_GT(rows, 5);
    Key(VK_HOME, { VK_CONTROL });
    WheelOver(FMemo, -1);
    EXPECT_EQ(FMemo->TopRow(), 3) << "three rows a notch";

    FMemo->SetWordWrap(false);
    Pump();
    EXPECT_TRUE(HasStyle(WS_HSCROLL));
    EXPECT_EQ(FMemo->TopRow(), 0);
    Key(VK_END, { VK_CONTROL });
    SCROLLINFO info;
    info.fMask = SIF_POS;
    GetScrollInfo(FMemo->Handle(), SB_HORZ, &info);
    EXPECT_GT(info.nPos, 0) << "the view follows the caret to the end of the long line";
}

TEST_F(Memo, AWordWiderThanTheMemoFillsEachRowBeforeBreaking) {
    const std::string word(120, 'm');
    FMemo->SetText(word + "\n" + word);
    Pump();
    TTextMeasure measure(FMemo->Font());
    const int room = FMemo->ClientWidth() - 4;
    for (int line : { 0, 1 }) {
        const int start = FMemo->LineStart(line);
        FMemo->SetSelStart(start);
        Key(VK_END);
        // End stops before the last character of a wrapped row.
        const int letters = FMemo->SelStart() - start + 1;
        EXPECT_LE(measure.Width(word.substr(0, letters)), room) << "line " << line;
        EXPECT_GT(measure.Width(word.substr(0, letters + 1)), room) << "line " << line;
    }
}

TEST_F(Memo, EditsAnywhereKeepLinesPositionsAndWindowTextInStep) {
    FMemo->SetText("alpha\nbeta 中文\n\ngamma");
    struct Edit {
        int start;
        int length;
        const char* text;
    };
    // Joining lines, splitting them, multi-line and multi-byte replacements, at the ends too.
    const Edit edits[] = { { 5, 1, " " },         { 0, 0, "top\n" }, { 8, 3, "é\n😀\nx" },
                           { 100, 0, "\nend\n" }, { 2, 9, "" },      { 0, 200, "only" } };
    for (const Edit& e : edits) {
        FMemo->SetSelStart(e.start);
        FMemo->SetSelLength(e.length);
        FMemo->SetSelText(e.text);
        const std::string text = FMemo->Text();
        const std::u32string chars = gfx::DecodeUtf8(text);
        char window[256] = {};
        GetWindowText(FMemo->Handle(), window, int(sizeof window));
        EXPECT_EQ(window, text) << e.text;
        EXPECT_EQ(GetWindowTextLength(FMemo->Handle()), int(text.size())) << e.text;
        // Every line and every position against the text itself.
        std::vector<std::u32string> lines(1);
        for (char32_t c : chars)
            if (c == U'\n')
                lines.emplace_back();
            else
                lines.back().push_back(c);
        ASSERT_EQ(FMemo->PhysicalLines(), int(lines.size())) << e.text;
        int start = 0;
        for (int i = 0; i < int(lines.size()); ++i) {
            EXPECT_EQ(FMemo->LineStart(i), start) << e.text << ", line " << i;
            EXPECT_EQ(FMemo->LineText(i), gfx::EncodeUtf8(lines[std::size_t(i)])) << e.text;
            for (int p = start; p <= start + int(lines[std::size_t(i)].size()); ++p)
                EXPECT_EQ(FMemo->Perform(EM_LINEFROMCHAR, WPARAM(p), 0), i) << e.text << " " << p;
            start += int(lines[std::size_t(i)].size()) + 1;
        }
    }
    EXPECT_EQ(FMemo->Text(), "only");
}

TEST_F(Memo, AHiddenLogCatchesUpWhenShownAndRewrapsAtANewWidth) {
    FMemo->SetScrollBars(ssVertical);
    FMemo->SetVisible(false);
    Pump();
    for (int i = 0; i < 300; ++i)
        FMemo->Lines().Add("a log line number " + std::to_string(i));
    FMemo->SetVisible(true);
    Pump();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(FMemo->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nPos + int(info.nPage), info.nMax + 1) << "the end of the log is in view";
    const int rowsWide = info.nMax + 1;
    EXPECT_EQ(rowsWide, 301) << "one row a line, and the empty one after the last break";

    FMemo->SetBounds(10, 10, 70, 80);
    Pump();
    ASSERT_TRUE(GetScrollInfo(FMemo->Handle(), SB_VERT, &info));
    EXPECT_GT(info.nMax + 1, rowsWide + 300) << "every line wraps at the narrower width";
    const int rowsNarrow = info.nMax + 1;
    FMemo->Lines().Add("x");
    ASSERT_TRUE(GetScrollInfo(FMemo->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax + 1, rowsNarrow + 1) << "a short line adds one row";
    EXPECT_EQ(info.nPos + int(info.nPage), info.nMax + 1);
}

} // namespace
} // namespace formstest
