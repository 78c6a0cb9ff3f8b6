#include "FormsTestSupport.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEdit.h"
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace formstest {
namespace {

using namespace win;

// An edit whose owner asks for an alignment through the window style.
class TAlignedEdit : public TEdit {
public:
    TAlignedEdit(TComponent* owner, DWORD style) : TEdit(owner), FStyle(style) {}

protected:
    void CreateParams(TCreateParams& params) override {
        TEdit::CreateParams(params);
        params.Style |= FStyle;
    }

private:
    DWORD FStyle;
};

// An edit that draws its own background and answers the colour query as a skinned edit does.
class TSeeThroughEdit : public TEdit {
public:
    using TEdit::TEdit;
    void WndProc(TMessage& message) override {
        switch (message.Msg) {
        case WM_ERASEBKGND: {
            gfx::GdiPtr<HBRUSH> green(CreateSolidBrush(RGB(0, 160, 0)));
            const RECT r = ClientRect();
            FillRect(HDC(message.WParam), &r, green.get());
            message.Result = 1;
            return;
        }
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORSTATIC:
            SetBkMode(HDC(message.WParam), TRANSPARENT);
            SetTextColor(HDC(message.WParam), RGB(0, 0, 255));
            message.Result = LRESULT(GetStockObject(NULL_BRUSH));
            return;
        default:
            TEdit::WndProc(message);
        }
    }
};

class Edit : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(50, 40, 360, 200);
        FEdit = new TEdit(FForm);
        FEdit->SetParent(FForm);
        FEdit->SetBounds(10, 10, 200, 24);
        FEdit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, FEdit);
            ++FChanges;
        };
        FForm->Show();
        FEdit->SetFocus();
        Pump();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    void Type(const std::string& text) {
        FDisplay->TypeKey('Z', text);
        Pump();
    }
    void Key(UINT vk, std::initializer_list<UINT> held = {}) {
        for (UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->TypeKey(vk);
        for (UINT h : held)
            FDisplay->ReleaseKey(h);
        Pump();
    }
    TPoint At(int x, int y) { return FEdit->ClientToScreen(TPoint(x, y)); }
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return SendMessage(FEdit->Handle(), msg, w, l);
    }
    void ClickAt(int x, int y) {
        const TPoint p = At(x, y);
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    void DoubleClickAt(int x, int y) {
        FDisplay->Time().Advance(1000); // no pairing with an earlier click
        const TPoint p = At(x, y);
        FDisplay->Click(p.X, p.Y);
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    // Whether the caret's column at the client point p of c is on screen: dark over the white
    // field.
    bool CaretDrawnAt(TControl* c, POINT p) {
        Pump();
        const gfx::Surface s = FDisplay->ComposeScreen();
        const TPoint at = c->ClientToScreen(TPoint(p.x, p.y + 4));
        const gfx::Pixel px = s.At(at.X, at.Y);
        return gfx::PixelR(px) + gfx::PixelG(px) + gfx::PixelB(px) < 200;
    }
    // The edit's pixels on screen, row by row.
    std::vector<gfx::Pixel> Shot() {
        Pump();
        const gfx::Surface s = FDisplay->ComposeScreen();
        std::vector<gfx::Pixel> pixels;
        for (int y = 0; y < FEdit->Height(); ++y)
            for (int x = 0; x < FEdit->Width(); ++x) {
                const TPoint p = At(x, y);
                pixels.push_back(s.At(p.X, p.Y));
            }
        return pixels;
    }
    // Dark (text) pixels of the edit's screen image between client columns from and to.
    int DarkPixels(int from, int to) {
        Pump();
        const gfx::Surface s = FDisplay->ComposeScreen();
        int dark = 0;
        for (int y = 3; y < FEdit->Height() - 3; ++y)
            for (int x = from; x < to; ++x) {
                const TPoint p = At(x, y);
                const gfx::Pixel px = s.At(p.X, p.Y);
                if (gfx::PixelR(px) + gfx::PixelG(px) + gfx::PixelB(px) < 200) ++dark;
            }
        return dark;
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TEdit* FEdit{ nullptr };
    int FChanges{ 0 };
};

TEST_F(Edit, TypingInsertsAtTheCaretAndTheKeysMoveAndSelect) {
    Type("mv");
    Type("中文");
    Type(" 1");
    EXPECT_EQ(FEdit->Text(), "mv中文 1");
    EXPECT_EQ(FChanges, 6) << "one change per character";
    EXPECT_EQ(FEdit->SelStart(), 6) << "positions count characters, not bytes";
    EXPECT_TRUE(FEdit->Modified());

    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT, { VK_SHIFT });
    Key(VK_LEFT, { VK_SHIFT });
    EXPECT_EQ(FEdit->SelStart(), 2);
    EXPECT_EQ(FEdit->SelLength(), 2);
    EXPECT_EQ(FEdit->SelText(), "中文");
    Type("x");
    EXPECT_EQ(FEdit->Text(), "mvx 1") << "typing replaces the selection";

    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(FEdit->Text(), "vx 1");
    Key(VK_END);
    Key(VK_BACK);
    EXPECT_EQ(FEdit->Text(), "vx ");
    Key(VK_HOME);
    Key(VK_BACK);
    EXPECT_EQ(FEdit->Text(), "vx ") << "nothing before the caret to delete";
    Key(VK_RETURN);
    Key(VK_TAB, { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), "vx ") << "control keys are not text";

    const int before = FChanges;
    FEdit->SetText("other");
    EXPECT_EQ(FChanges, before + 1) << "text set by code is a change too";
    EXPECT_EQ(FEdit->SelStart(), 0);
    EXPECT_EQ(FEdit->SelLength(), 0);
}

TEST_F(Edit, ClipboardKeysCopyCutAndPasteOneLine) {
    Type("hello");
    Key('A', { VK_CONTROL });
    EXPECT_EQ(FEdit->SelLength(), 5);
    Key('C', { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "hello");
    EXPECT_EQ(FEdit->Text(), "hello");

    Key(VK_LEFT, { VK_SHIFT }); // the selection shrinks to "hell"
    Key('X', { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "hell");
    EXPECT_EQ(FEdit->Text(), "o");

    Key(VK_END);
    Key('V', { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), "ohell");
    SetClipboardText("line one\nline two");
    Key(VK_INSERT, { VK_SHIFT });
    EXPECT_EQ(FEdit->Text(), "ohellline one") << "a paste stops at the line break";

    Key(VK_HOME, { VK_SHIFT });
    Key(VK_INSERT, { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "ohellline one");
    Key(VK_DELETE, { VK_SHIFT });
    EXPECT_EQ(FEdit->Text(), "");
}

TEST_F(Edit, MaxLengthAndReadOnlyLimitTheUser) {
    FEdit->SetMaxLength(4);
    Type("abcdef");
    EXPECT_EQ(FEdit->Text(), "abcd");
    SetClipboardText("XYZ");
    Key(VK_LEFT, { VK_SHIFT });
    Key('V', { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), "abcX") << "a paste is cut to the room left";
    FEdit->SetText("longer than four");
    EXPECT_EQ(FEdit->Text(), "longer than four") << "code may set longer text";

    FEdit->SetReadOnly(true);
    FEdit->SelectAll();
    const int before = FChanges;
    Type("q");
    Key(VK_BACK);
    Key(VK_DELETE);
    Key('X', { VK_CONTROL });
    Key('V', { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), "longer than four");
    EXPECT_EQ(FChanges, before);
    Key('C', { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "longer than four") << "read-only text can still be copied";
}

TEST_F(Edit, MousePlacesTheCaretAndDragSelects) {
    FEdit->SetText("abcdefgh");
    const TPoint end = At(190, 12);
    FDisplay->Click(end.X, end.Y);
    Pump();
    EXPECT_EQ(FEdit->SelStart(), 8);

    const TPoint start = At(3, 12);
    FDisplay->MoveMouse(start.X, start.Y);
    FDisplay->PressButton();
    Pump();
    EXPECT_EQ(FEdit->SelStart(), 0);
    const TPoint mid = At(190, 12);
    FDisplay->MoveMouse(mid.X, mid.Y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FEdit->SelStart(), 0);
    EXPECT_EQ(FEdit->SelLength(), 8);
}

TEST_F(Edit, CtrlArrowsMoveAndSelectByWords) {
    FEdit->SetText("mv 中文, x1");
    struct Step {
        UINT vk;
        bool shift;
        int selStart;
        const char* selected;
    };
    const Step kSteps[] = {
        { VK_RIGHT, false, 3, "" },       { VK_RIGHT, false, 5, "" }, // the Chinese run is one word
        { VK_RIGHT, false, 7, "" }, // the comma stops the caret, the blank after it does not
        { VK_RIGHT, false, 9, "" },       { VK_RIGHT, false, 9, "" }, // nothing beyond the end
        { VK_LEFT, true, 7, "x1" },       { VK_LEFT, true, 5, ", x1" },
        { VK_LEFT, true, 3, "中文, x1" }, { VK_RIGHT, true, 5, ", x1" },
        { VK_LEFT, false, 3, "" }, // without Shift the selection goes
    };
    for (const Step& s : kSteps) {
        if (s.shift)
            Key(s.vk, { VK_CONTROL, VK_SHIFT });
        else
            Key(s.vk, { VK_CONTROL });
        EXPECT_EQ(FEdit->SelStart(), s.selStart) << s.selected;
        EXPECT_EQ(FEdit->SelText(), s.selected);
    }
    EXPECT_EQ(FEdit->Text(), "mv 中文, x1");

    FEdit->SetPasswordChar(U'*');
    Key(VK_RIGHT, { VK_CONTROL });
    EXPECT_EQ(FEdit->SelStart(), 9) << "a masked text shows no words";
    Key(VK_LEFT, { VK_CONTROL });
    EXPECT_EQ(FEdit->SelStart(), 0);
}

TEST_F(Edit, CtrlBackspaceAndCtrlDeleteDeleteAWordAsOneChange) {
    const std::string text = "copy the 文件.avi";
    struct Case {
        const char* name;
        int selStart, selEnd;
        UINT vk;
        const char* after;
        int caret;
    };
    const Case kCases[] = {
        { "the word before", 8, 8, VK_BACK, "copy  文件.avi", 5 },
        { "a word and the blanks after it", 0, 0, VK_DELETE, "the 文件.avi", 0 },
        { "a word of wide characters", 11, 11, VK_BACK, "copy the .avi", 9 },
        { "marks after it", 11, 11, VK_DELETE, "copy the 文件avi", 11 },
        { "the selection alone", 0, 3, VK_DELETE, "y the 文件.avi", 0 },
        { "the selection alone", 5, 9, VK_BACK, "copy 文件.avi", 5 },
    };
    for (const Case& c : kCases) {
        FEdit->SetText(text);
        Send(EM_SETSEL, c.selStart, c.selEnd);
        Key(c.vk, { VK_CONTROL });
        EXPECT_EQ(FEdit->Text(), c.after) << c.name;
        EXPECT_EQ(FEdit->SelStart(), c.caret) << c.name;
        EXPECT_EQ(FEdit->SelLength(), 0) << c.name;
        Key('Z', { VK_CONTROL });
        EXPECT_EQ(FEdit->Text(), text) << c.name << ": one undo takes it back";
    }

    FEdit->SetReadOnly(true);
    Send(EM_SETSEL, 8, 8);
    const int before = FChanges;
    Key(VK_BACK, { VK_CONTROL });
    Key(VK_DELETE, { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), text);
    EXPECT_EQ(FChanges, before);
    EXPECT_EQ(FEdit->SelStart(), 8) << "a read-only edit leaves the selection as it was";
    EXPECT_EQ(FEdit->SelLength(), 0);
}

TEST_F(Edit, DoubleClickSelectsTheWordUnderThePointer) {
    const std::string text = "open 文件.avi now";
    FEdit->SetText(text);
    // Just inside a character: the text starts after the edge and the margin.
    const auto xOf = [&](int index) {
        const std::u32string chars = gfx::DecodeUtf8(text);
        return 3 + FEdit->Canvas().TextWidth(gfx::EncodeUtf8(chars.substr(0, index))) + 1;
    };
    struct Case {
        int x;
        const char* selected;
        int selStart;
    };
    const Case kCases[] = {
        { xOf(1), "open", 0 },
        { xOf(6), "文件", 5 },
        { xOf(9), "avi", 8 },
        { 190, "now", 12 }, // past the end of the text: its last word
    };
    for (const Case& c : kCases) {
        DoubleClickAt(c.x, 12);
        EXPECT_EQ(FEdit->SelText(), c.selected) << c.x;
        EXPECT_EQ(FEdit->SelStart(), c.selStart) << c.x;
    }
    // A small move of the held button after the second press keeps the word.
    const TPoint p = At(xOf(1), 12);
    FDisplay->Time().Advance(1000);
    FDisplay->Click(p.X, p.Y);
    FDisplay->PressButton();
    FDisplay->MoveMouse(p.X + 2, p.Y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FEdit->SelText(), "open");

    FEdit->SetPasswordChar(U'*');
    DoubleClickAt(xOf(1), 12);
    EXPECT_EQ(FEdit->SelLength(), 15) << "a masked text is selected whole";
}

TEST_F(Edit, TheCaretBlinksWhileFocusedAndStandsStillAfterAKey) {
    FEdit->SetText("ab ");
    FEdit->SetSelStart(3);
    Pump();
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, 3 + FEdit->Canvas().TextWidth("ab "));
    EXPECT_TRUE(CaretDrawnAt(FEdit, caret)) << "shown while the edit has the focus";

    const UINT blink = GetCaretBlinkTime();
    FDisplay->Time().Advance(blink);
    EXPECT_FALSE(CaretDrawnAt(FEdit, caret));
    FDisplay->Time().Advance(blink);
    EXPECT_TRUE(CaretDrawnAt(FEdit, caret)) << "and blinks";

    // Half way through a shown phase a key moves the caret and starts the blink over: it
    // stays when the old phase would have ended.
    FDisplay->Time().Advance(blink / 2);
    Type(" ");
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, 3 + FEdit->Canvas().TextWidth("ab  "));
    EXPECT_TRUE(CaretDrawnAt(FEdit, caret));
    FDisplay->Time().Advance(blink - blink / 2);
    EXPECT_TRUE(CaretDrawnAt(FEdit, caret)) << "a key keeps the caret solid";
    FDisplay->Time().Advance(blink / 2);
    EXPECT_FALSE(CaretDrawnAt(FEdit, caret));

    auto* other = new TEdit(FForm);
    other->SetParent(FForm);
    other->SetBounds(10, 60, 200, 24);
    other->SetFocus();
    FDisplay->Time().Advance(blink / 2);
    POINT there{};
    ASSERT_TRUE(GetCaretPos(&there));
    EXPECT_TRUE(CaretDrawnAt(other, there)) << "the caret goes with the focus";
    for (int i = 0; i < 3; ++i) {
        FDisplay->Time().Advance(blink);
        EXPECT_FALSE(CaretDrawnAt(FEdit, caret)) << "no blinking where the focus left";
    }
}

TEST_F(Edit, DrawsItsTextAndSelectionInsideASunkenEdge) {
    FEdit->SetText("WWWW");
    FEdit->SetSelStart(0);
    FEdit->SetSelLength(2);
    Pump();
    const gfx::Surface s = FDisplay->ComposeScreen();
    const COLORREF highlight = ColorToRGB(clHighlight);
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    int highlighted = 0;
    int dark = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 3; x < 60; ++x) {
            const TPoint p = At(x, y);
            const gfx::Pixel px = s.At(p.X, p.Y);
            const COLORREF c = RGB(gfx::PixelR(px), gfx::PixelG(px), gfx::PixelB(px));
            if (c == highlight) ++highlighted;
            if (gfx::PixelR(px) + gfx::PixelG(px) + gfx::PixelB(px) < 200) ++dark;
        }
    EXPECT_GT(highlighted, 20) << "the selection is drawn in the highlight colour";
    EXPECT_GT(dark, 10) << "the unselected text is drawn";
    const TPoint corner = At(0, 0);
    const gfx::Pixel px = s.At(corner.X, corner.Y);
    EXPECT_EQ(RGB(gfx::PixelR(px), gfx::PixelG(px), gfx::PixelB(px)), shadow);

    // Without a border the background reaches the corner.
    FEdit->SetBorderStyle(bsNone);
    Pump();
    const gfx::Surface plain = FDisplay->ComposeScreen();
    const gfx::Pixel bare = plain.At(corner.X, corner.Y);
    EXPECT_EQ(RGB(gfx::PixelR(bare), gfx::PixelG(bare), gfx::PixelB(bare)), ColorToRGB(clWindow));
    EXPECT_THROW(FEdit->SetBorderStyle(bsDialog), EInvalidOperation);
}

TEST_F(Edit, UndoTakesBackTheLastChangeAndASecondUndoRedoesIt) {
    struct Case {
        const char* name;
        std::function<void()> change;
        const char* after;
    };
    const Case kCases[] = {
        { "a typing run is one change", [&] { Type("xyz"); }, "hello xyzworld" },
        { "backspace", [&] { Key(VK_BACK); }, "helloworld" },
        { "delete", [&] { Key(VK_DELETE); }, "hello orld" },
        { "paste",
          [&] {
              SetClipboardText("big ");
              Key('V', { VK_CONTROL });
          },
          "hello big world" },
        { "cut of a selection",
          [&] {
              Key(VK_END, { VK_SHIFT });
              Key('X', { VK_CONTROL });
          },
          "hello " },
        { "replacement that can be undone", [&] { Send(EM_REPLACESEL, TRUE, LPARAM("new ")); },
          "hello new world" },
    };
    for (const Case& c : kCases) {
        FEdit->SetText("");
        FEdit->SetText("hello world");
        EXPECT_FALSE(FEdit->CanUndo()) << c.name << ": text set by code cannot be undone";
        Send(EM_SETSEL, 6, 6);
        c.change();
        EXPECT_EQ(FEdit->Text(), c.after) << c.name;
        EXPECT_EQ(Send(EM_CANUNDO), TRUE) << c.name;
        Key('Z', { VK_CONTROL });
        EXPECT_EQ(FEdit->Text(), "hello world") << c.name;
        Send(WM_UNDO);
        EXPECT_EQ(FEdit->Text(), c.after) << c.name << ": undo of the undo";
        Send(EM_UNDO);
        EXPECT_EQ(FEdit->Text(), "hello world") << c.name;
    }
}

TEST_F(Edit, UndoKeepsOneLevelAndIsRefusedWhenEmptiedOrReadOnly) {
    Type("ab");
    Key(VK_LEFT);
    Type("c"); // a caret move ends the typing run
    EXPECT_EQ(FEdit->Text(), "acb");
    FEdit->Undo();
    EXPECT_EQ(FEdit->Text(), "ab") << "only the last change is taken back";
    EXPECT_EQ(FEdit->SelStart(), 1) << "the caret returns to where the change began";

    FEdit->SetReadOnly(true);
    Key('Z', { VK_CONTROL });
    EXPECT_EQ(Send(WM_UNDO), FALSE);
    EXPECT_EQ(FEdit->Text(), "ab");
    FEdit->SetReadOnly(false);

    Send(EM_EMPTYUNDOBUFFER);
    EXPECT_EQ(Send(EM_CANUNDO), FALSE);
    const int before = FChanges;
    Key('Z', { VK_CONTROL });
    EXPECT_EQ(FEdit->Text(), "ab");
    EXPECT_EQ(FChanges, before);

    Send(EM_SETSEL, 0, -1);
    Send(EM_REPLACESEL, FALSE, LPARAM("code"));
    EXPECT_EQ(FEdit->Text(), "code");
    EXPECT_FALSE(FEdit->CanUndo()) << "a replacement marked final cannot be undone";
}

TEST_F(Edit, PasswordCharMasksTheTextAndKeepsItOffTheClipboard) {
    EXPECT_EQ(Send(EM_GETPASSWORDCHAR), 0);
    Send(EM_SETPASSWORDCHAR, '*');
    EXPECT_EQ(Send(EM_GETPASSWORDCHAR), '*');
    EXPECT_EQ(FEdit->PasswordChar(), U'*');
    Type("il1.");
    EXPECT_EQ(FEdit->Text(), "il1.");
    const std::vector<gfx::Pixel> masked = Shot();

    SetClipboardText("before");
    Key('A', { VK_CONTROL });
    Key('C', { VK_CONTROL });
    Key('X', { VK_CONTROL });
    Key(VK_DELETE, { VK_SHIFT });
    Send(WM_COPY);
    Send(WM_CUT);
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(FEdit->Text(), "il1.");

    Key(VK_END);
    FEdit->SetPasswordChar(0);
    FEdit->SetText("****");
    FEdit->SetSelStart(4);
    EXPECT_EQ(Shot(), masked) << "the masked text is drawn as its password characters";
}

TEST_F(Edit, CharCaseConvertsAsciiLettersTypedAndSet) {
    struct Case {
        TEditCharCase charCase;
        const char* typed;
        const char* set;
        const char* shown;
    };
    const Case kCases[] = {
        { ecUpperCase, "ab中é", "Mixed ä", "AB中éMIXED ä" },
        { ecLowerCase, "AB中É", "MiXED Ä", "ab中Émixed Ä" },
        { ecNormal, "aB", "Cd", "aBCd" },
    };
    for (const Case& c : kCases) {
        FEdit->SetCharCase(c.charCase);
        FEdit->SetText("");
        Type(c.typed);
        const std::string typed = FEdit->Text();
        FEdit->SetText(c.set);
        EXPECT_EQ(typed + FEdit->Text(), c.shown) << c.typed;
    }
    FEdit->SetCharCase(ecNormal);
    FEdit->SetText("Mixed");
    FEdit->SetCharCase(ecUpperCase);
    EXPECT_EQ(FEdit->Text(), "MIXED") << "the text there is converted too";
}

TEST_F(Edit, MarginsAndFormattingRectanglePlaceTheTextAndTheHits) {
    EXPECT_EQ(Send(EM_GETMARGINS), MAKELPARAM(1, 1));
    RECT rect{};
    Send(EM_GETRECT, 0, LPARAM(&rect));
    EXPECT_EQ(TRect(rect), TRect(2, 2, 198, 22)) << "inside the sunken edge";

    FEdit->SetText("WWWW");
    const int plainLeft = DarkPixels(2, 40);
    EXPECT_GT(plainLeft, 0);

    RECT format{ 60, 0, 190, 24 };
    Send(EM_SETRECT, 0, LPARAM(&format));
    Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(4, 0));
    EXPECT_EQ(Send(EM_GETMARGINS), MAKELPARAM(4, 0));
    Send(EM_GETRECT, 0, LPARAM(&rect));
    EXPECT_EQ(TRect(rect), TRect(format));
    EXPECT_EQ(DarkPixels(2, 60), 0) << "nothing is drawn left of the rectangle";
    EXPECT_GT(DarkPixels(64, 190), 0);

    ClickAt(40, 12);
    EXPECT_EQ(FEdit->SelStart(), 0) << "a click left of the text puts the caret at its start";
    ClickAt(65, 12);
    EXPECT_EQ(FEdit->SelStart(), 0);
    ClickAt(64 + FEdit->Canvas().TextWidth("WW"), 12);
    EXPECT_EQ(FEdit->SelStart(), 2) << "hits are counted from the rectangle and margin";

    Send(EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(10, 99));
    EXPECT_EQ(Send(EM_GETMARGINS), MAKELPARAM(10, 0)) << "only the flagged margin changes";
    Send(EM_SETMARGINS, EC_USEFONTINFO, 0);
    EXPECT_EQ(Send(EM_GETMARGINS), MAKELPARAM(1, 1));
    Send(EM_SETRECTNP, 0, 0);
    Send(EM_GETRECT, 0, LPARAM(&rect));
    EXPECT_EQ(TRect(rect), TRect(2, 2, 198, 22)) << "no rectangle restores the default";
    EXPECT_EQ(DarkPixels(2, 40), plainLeft);
}

TEST_F(Edit, AParentAnsweringTheColourQueryColoursTheField) {
    FEdit = new TSeeThroughEdit(FForm);
    FEdit->SetParent(FForm);
    FEdit->SetBounds(10, 40, 200, 24);
    FEdit->SetBorderStyle(bsNone);
    FEdit->SetText("WWWW");
    for (bool readOnly : { false, true }) {
        FEdit->SetReadOnly(readOnly);
        const std::vector<gfx::Pixel> shot = Shot();
        std::map<COLORREF, int> seen;
        int blue = 0;
        for (gfx::Pixel px : shot) {
            ++seen[RGB(gfx::PixelR(px), gfx::PixelG(px), gfx::PixelB(px))];
            if (gfx::PixelB(px) > 100 && gfx::PixelB(px) > gfx::PixelG(px)) ++blue;
        }
        EXPECT_GT(seen[RGB(0, 160, 0)], 1000) << "the background drawn behind stays";
        EXPECT_GT(blue, 20) << "the text takes the colour set in the DC";
        EXPECT_EQ(seen[ColorToRGB(clWindow)], 0) << readOnly;
        EXPECT_EQ(seen[ColorToRGB(clBtnFace)], 0) << readOnly;
    }
    delete FEdit;
    FEdit = nullptr;
}

TEST_F(Edit, AlignmentStylesPlaceAShortTextAndItsHits) {
    struct Case {
        DWORD style;
        int blankFrom, blankTo, inkFrom, inkTo;
    };
    const Case kCases[] = {
        { ES_RIGHT, 2, 120, 150, 198 },
        { ES_CENTER, 2, 60, 80, 120 },
    };
    for (const Case& c : kCases) {
        FEdit = new TAlignedEdit(FForm, c.style);
        FEdit->SetParent(FForm);
        FEdit->SetBounds(10, 40, 200, 24);
        FEdit->SetText("WW");
        EXPECT_EQ(DarkPixels(c.blankFrom, c.blankTo), 0) << c.style;
        EXPECT_GT(DarkPixels(c.inkFrom, c.inkTo), 0) << c.style;
        ClickAt(c.blankFrom + 1, 12);
        EXPECT_EQ(FEdit->SelStart(), 0) << c.style;
        ClickAt(197, 12);
        EXPECT_EQ(FEdit->SelStart(), 2) << c.style;
        FEdit->SetText(std::string(60, 'W'));
        FEdit->SetSelStart(0);
        EXPECT_GT(DarkPixels(2, 20), 0) << c.style << ": a text too long for the field starts left";
        delete FEdit;
    }
    FEdit = nullptr;
}

} // namespace
} // namespace formstest
