// The edit base of the skinned edits: its own read-only mode, Enter and Escape as dialog keys,
// the transparent look, the cancel-mode event and the skinned context menu.
#include "EditTestSupport.h"

#include "lib/controls/TbsSkinNumEdit.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TButton.h"
#include "platform/win/MessageSpy.h"

namespace {

using namespace win;

// Whether any popup window of the program shows on the display.
bool PopupShown(const HeadlessBackend& display) {
    for (HWND h : display.Stack())
        if (const auto* native = display.Native(h); native && native->FPopup && native->FVisible)
            return true;
    return false;
}

template <class T>
class EditBase : public EditTest {
protected:
    T* AddEdit(const std::string& text) {
        auto* edit = Add<T>(20, 30, 160, 22);
        edit->SetText(text);
        Pump();
        edit->SetFocus();
        Pump();
        return edit;
    }
};

using EditClasses = ::testing::Types<TbsCustomEdit, TbsSkinEdit>;
TYPED_TEST_SUITE(EditBase, EditClasses);

TYPED_TEST(EditBase, ReadOnlyRefusesEveryChangeButKeepsSelectingAndCopying) {
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    auto* edit = this->AddEdit("");
    this->Type("typed");
    SetClipboardText("pasted");
    edit->SetReadOnly(true);
    ASSERT_TRUE(edit->CanUndo());
    const auto selectAll = [edit] { edit->SelectAll(); };
    const Case cases[] = {
        { "letter", [&] { this->Type("x"); } },
        { "Backspace", [&] { this->Key(VK_BACK); } },
        { "Delete", [&] { edit->SetSelStart(0), this->Key(VK_DELETE); } },
        { "Shift+Delete", [&] { selectAll(), this->Key(VK_DELETE, { VK_SHIFT }); } },
        { "Ctrl+V", [&] { this->Key('V', { VK_CONTROL }); } },
        { "Shift+Insert", [&] { this->Key(VK_INSERT, { VK_SHIFT }); } },
        { "Ctrl+X", [&] { selectAll(), this->Key('X', { VK_CONTROL }); } },
        { "Ctrl+Z", [&] { this->Key('Z', { VK_CONTROL }); } },
        { "Ctrl+Backspace", [&] { this->Key(VK_BACK, { VK_CONTROL }); } },
        { "WM_CUT", [&] { selectAll(), edit->Perform(WM_CUT, 0, 0); } },
        { "WM_PASTE", [&] { edit->Perform(WM_PASTE, 0, 0); } },
        { "WM_CLEAR", [&] { selectAll(), edit->Perform(WM_CLEAR, 0, 0); } },
        { "WM_UNDO", [&] { edit->Perform(WM_UNDO, 0, 0); } },
    };
    for (const Case& c : cases) {
        c.act();
        this->Pump();
        EXPECT_EQ(edit->Text(), "typed") << c.name;
    }
    // Selecting with the keys and copying still work.
    SetClipboardText("");
    edit->SetSelStart(0);
    this->Key(VK_END, { VK_SHIFT });
    this->Key('C', { VK_CONTROL });
    EXPECT_EQ(GetClipboardText(), "typed");
    // The platform edit's own read-only state stays off: it would change the look.
    EXPECT_FALSE(static_cast<TCustomEdit*>(edit)->ReadOnly());
    edit->SetReadOnly(false);
    this->Key(VK_END);
    this->Type("!");
    EXPECT_EQ(edit->Text(), "typed!");
}

TYPED_TEST(EditBase, EnterAndEscapeClickTheFormsButtonsAfterOnKeyPress) {
    std::vector<std::string> log;
    auto* ok = this->template Add<TButton>(20, 80, 75, 25);
    ok->SetDefault(true);
    ok->OnClick = [&](TObject*) { log.push_back("default button"); };
    auto* cancel = this->template Add<TButton>(100, 80, 75, 25);
    cancel->SetCancel(true);
    cancel->OnClick = [&](TObject*) { log.push_back("cancel button"); };
    auto* edit = this->AddEdit("text");
    edit->OnKeyPress = [&](TObject*, char32_t& key) {
        log.push_back("key " + std::to_string(int(key)));
        key = U'x';
    };
    this->Key(VK_RETURN);
    this->Key(VK_ESCAPE);
    EXPECT_EQ(log,
              (std::vector<std::string>{ "key 13", "default button", "key 27", "cancel button" }));
    EXPECT_EQ(edit->Text(), "text") << "no line break, nothing typed";
}

TYPED_TEST(EditBase, ContextMenuCommandsAreEnabledByTheEditsState) {
    struct Case {
        bool readOnly;
        bool selection;
        bool undo;
        std::vector<std::string> rows;
    };
    const std::string off = " (off)";
    const Case cases[] = {
        { false,
          false,
          false,
          { "Undo" + off, "-", "Cut" + off, "Copy" + off, "Paste", "Delete" + off, "-",
            "Select All" } },
        { false, true, true, { "Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All" } },
        { true,
          true,
          true,
          { "Undo" + off, "-", "Cut" + off, "Copy", "Paste" + off, "Delete" + off, "-",
            "Select All" } },
        { true,
          false,
          false,
          { "Undo" + off, "-", "Cut" + off, "Copy" + off, "Paste" + off, "Delete" + off, "-",
            "Select All" } },
    };
    this->AddSkinForm();
    for (const Case& c : cases) {
        auto* edit = this->AddEdit("some text");
        if (c.undo) {
            this->Key(VK_END);
            this->Type("!");
        }
        edit->SetReadOnly(c.readOnly);
        edit->SetSelStart(2);
        edit->SetSelLength(c.selection ? 3 : 0);
        SetClipboardText("clip");
        this->RightClickAt(edit, 5, 5);
        EXPECT_EQ(this->OpenMenuRows(), c.rows)
            << "read-only " << c.readOnly << ", selection " << c.selection << ", undo " << c.undo;
        this->CloseMenu();
        delete edit;
        this->Pump();
    }
    // The whole text selected leaves nothing more to select; an empty clipboard nothing to
    // paste.
    auto* edit = this->AddEdit("all");
    edit->SelectAll();
    SetClipboardText("");
    this->RightClickAt(edit, 5, 5);
    const auto rows = this->OpenMenuRows();
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[4], "Paste" + off);
    EXPECT_EQ(rows[7], "Select All" + off);
}

TYPED_TEST(EditBase, ChosenCommandsRunOnTheEditAndTheMenuGoesAfterwards) {
    this->AddSkinForm();
    auto* edit = this->AddEdit("one two");
    edit->SetReadOnly(true);
    edit->SetSelStart(4);
    edit->SetSelLength(3);
    SetClipboardText("");
    this->RightClickAt(edit, 5, 5);
    ASSERT_NE(edit->SysPopupMenu(), nullptr);
    this->ClickMenuRow("Copy");
    EXPECT_EQ(GetClipboardText(), "two");
    EXPECT_EQ(edit->SysPopupMenu(), nullptr) << "the command's report frees the menu";
    EXPECT_FALSE(PopupShown(*this->FDisplay));

    edit->SetReadOnly(false);
    this->RightClickAt(edit, 5, 5);
    this->ClickMenuRow("Select All");
    EXPECT_EQ(edit->SelLength(), 7);
    this->RightClickAt(edit, 5, 5);
    this->ClickMenuRow("Delete");
    EXPECT_EQ(edit->Text(), "");
    this->RightClickAt(edit, 5, 5);
    this->ClickMenuRow("Undo");
    EXPECT_EQ(edit->Text(), "one two");
}

using EditContextMenu = EditTest;

TEST_F(EditContextMenu, OpensAtThePointerOrForTheKeyboardAtTheEditsCentre) {
    AddSkinForm();
    auto* edit = Add<TbsSkinEdit>(20, 30, 160, 22);
    Pump();
    edit->SetFocus();
    Pump();
    const auto level = [this]() -> TPoint {
        const auto& levels = FSkinForm->SkinMenu().PopupList();
        if (levels.empty()) return TPoint(-1, -1);
        return TPoint(levels.front()->Left(), levels.front()->Top());
    };
    RightClickAt(edit, 30, 6);
    EXPECT_EQ(level(), edit->ClientToScreen(TPoint(30, 6)));
    CloseMenu();
    EXPECT_EQ(level(), TPoint(-1, -1));
    // The client origin moved by half the edit's size.
    const TPoint client = edit->ClientToScreen(TPoint(0, 0));
    const TPoint centre(client.X + 80, client.Y + 11);
    Key(VK_APPS);
    EXPECT_EQ(level(), centre);
    CloseMenu();
    Key(VK_F10, { VK_SHIFT });
    EXPECT_EQ(level(), centre);
}

TEST_F(EditContextMenu, CaptionsComeFromTheSkinsStringTable) {
    const std::vector<std::string> english{ "Undo",  "-",      "Cut", "Copy",
                                            "Paste", "Delete", "-",   "Select All" };
    AddSkinForm();
    auto* edit = Add<TbsSkinEdit>(20, 30, 160, 22);
    Pump();
    RightClickAt(edit, 5, 5);
    std::vector<std::string> rows = OpenMenuRows();
    for (std::string& row : rows)
        row = row.substr(0, row.find(" (off)"));
    EXPECT_EQ(rows, english) << "without a string table the built-in texts";
    CloseMenu();

    TbsResourceStrData strings(nullptr);
    TStringList lines;
    for (const char* line :
         { "EDIT_UNDO=Annuler", "EDIT_CUT=Couper", "EDIT_COPY=Copier", "EDIT_PASTE=Coller",
           "EDIT_DELETE=Supprimer", "EDIT_SELECTALL=Tout sélectionner" })
        lines.Add(line);
    strings.SetResStrings(lines);
    FMainSkin->SetResourceStrData(&strings);
    RightClickAt(edit, 5, 5);
    rows = OpenMenuRows();
    for (std::string& row : rows)
        row = row.substr(0, row.find(" (off)"));
    EXPECT_EQ(rows, (std::vector<std::string>{ "Annuler", "-", "Couper", "Copier", "Coller",
                                               "Supprimer", "-", "Tout sélectionner" }));
    CloseMenu();
    FMainSkin->SetResourceStrData(nullptr);
}

TEST_F(EditContextMenu, NoneShowsWithoutAFormSkinComponentOrASkin) {
    auto* edit = Add<TbsSkinEdit>(20, 30, 160, 22);
    Pump();
    RightClickAt(edit, 5, 5);
    EXPECT_FALSE(PopupShown(*FDisplay));
    // A component without a skin shows none either.
    TFakeSkinForm& skinForm = AddSkinForm();
    skinForm.FSkinData = nullptr;
    RightClickAt(edit, 5, 5);
    EXPECT_FALSE(PopupShown(*FDisplay));
    skinForm.FSkinData = FMainSkin.get();
    RightClickAt(edit, 5, 5);
    EXPECT_TRUE(PopupShown(*FDisplay));
    CloseMenu();
    // The edit's own popup menu, when it has one, shows in place of the skinned menu.
    auto* own = new TPopupMenu(FForm);
    int shown = 0;
    own->OnShowMenu = [&](TPopupMenu*, int, int) { ++shown; };
    edit->SetPopupMenu(own);
    const TbsSkinPopupMenu* closedMenu = edit->SysPopupMenu();
    RightClickAt(edit, 5, 5);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(PopupShown(*FDisplay));
    EXPECT_EQ(edit->SysPopupMenu(), closedMenu) << "no skinned menu was built";
}

using EditBaseLook = EditTest;

TEST_F(EditBaseLook, TransparentEditLeavesItsBackgroundToTheParent) {
    auto* edit = Add<TbsCustomEdit>(20, 30, 160, 22);
    edit->SetEditTransparent(true);
    edit->Font().SetColor(TColor(0x123456));
    Pump();
    EXPECT_TRUE(GetWindowLongPtr(edit->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    HDC dc = GetDC(edit->Handle());
    const LRESULT brush =
        SendMessage(FForm->Handle(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit->Handle()));
    EXPECT_EQ(brush, LRESULT(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), COLORREF(0x123456));
    ReleaseDC(edit->Handle(), dc);
    // A change repaints the parent behind the edit, then the edit over it.
    MessageSpy spy;
    edit->SetText("changed");
    Pump();
    EXPECT_FALSE(spy.Messages(FForm->Handle(), { WM_PAINT }).empty());
    EXPECT_FALSE(spy.Messages(edit->Handle(), { WM_PAINT }).empty());
}

TEST_F(EditBaseLook, WindowTakesEnterAndEscapeAndTheTextStartsTwoPixelsIn) {
    auto* edit = Add<TbsCustomEdit>(20, 30, 160, 22);
    Pump();
    const auto style = GetWindowLongPtr(edit->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_TRUE(edit->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
    const LRESULT margins = edit->Perform(EM_GETMARGINS, 0, 0);
    EXPECT_EQ(LOWORD(margins), 2);
    EXPECT_EQ(HIWORD(margins), 0);
    edit->SetPasswordChar(U'*');
    edit->SetEditTransparent(false); // remakes the window
    EXPECT_TRUE(GetWindowLongPtr(edit->Handle(), GWL_STYLE) & ES_PASSWORD);
}

TEST_F(EditBaseLook, CancelModeTellsTheOwnerWhoCancelled) {
    auto* edit = Add<TbsCustomEdit>(20, 30, 160, 22);
    auto* other = Add<TbsCustomEdit>(20, 60, 160, 22);
    std::vector<TControl*> cancelled;
    edit->OnEditCancelMode = [&](TControl* c) { cancelled.push_back(c); };
    Pump();
    edit->SetFocus();
    Pump();
    other->SetFocus();
    Pump();
    EXPECT_EQ(cancelled, (std::vector<TControl*>{ other }));
}

} // namespace
