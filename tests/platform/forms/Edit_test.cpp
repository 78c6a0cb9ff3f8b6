#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEdit.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"
#include <memory>

namespace formstest {
namespace {

using namespace win;

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

} // namespace
} // namespace formstest
