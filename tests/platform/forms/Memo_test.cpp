#include "ControlsFixture.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TMemo.h"
#include "platform/win/Clipboard.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
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

} // namespace
} // namespace formstest
