#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TMessageForm.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include <algorithm>
#include <memory>

namespace formstest {
namespace {

using namespace win;

// A push button as far as dialogs need one: Default answers Enter, Cancel answers Escape, and
// a click hands its ModalResult to the form.
class TTestButton : public TCustomControl {
public:
    explicit TTestButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    bool FDefault{ false };
    bool FCancel{ false };
    TModalResult FModalResult{ mrNone };
    int FClicks{ 0 };

    void WndProc(TMessage& m) override {
        if (m.Msg == CM_DIALOGKEY &&
            ((m.WParam == VK_RETURN && FDefault) || (m.WParam == VK_ESCAPE && FCancel))) {
            Click();
            m.Result = 1;
            return;
        }
        if (m.Msg == CM_DIALOGCHAR && IsAccel(unsigned(m.WParam), Caption())) {
            Click();
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_LBUTTONDOWN && CanFocus()) SetFocus();
        TCustomControl::WndProc(m);
    }
    void Click() override {
        ++FClicks;
        if (auto* form = GetParentForm(this); form && FModalResult != mrNone)
            form->SetModalResult(FModalResult);
        TCustomControl::Click();
    }
};

// Takes every key for itself but the ones the dialog handles.
class TTestEdit : public TCustomControl {
public:
    explicit TTestEdit(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    unsigned FWants{ 0 };
    std::vector<unsigned> FKeys;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = FWants;
            return;
        }
        TCustomControl::WndProc(m);
    }

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override {
        FKeys.push_back(key);
        TCustomControl::KeyDown(key, shift);
    }
};

class FormsFixture : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->SetTitle("Converter");
        FApp->Initialize();
        // All input of these tests is queued before the loop runs: a loop that would wait for
        // more is stuck, so it ends the program instead of hanging.
        FApp->OnIdle = [this](TObject*) {
            ADD_FAILURE() << "the event loop ran out of messages";
            FApp->Terminate();
        };
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    TForm* NewForm(TRect bounds) {
        TForm* form = nullptr;
        FApp->CreateForm(form);
        form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return form;
    }
    template <typename T>
    T* Add(TWinControl* parent, TRect bounds) {
        auto* c = new T(GetParentForm(parent));
        c->SetParent(parent);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return c;
    }
    std::unique_ptr<TApplication> FApp;
};

using Forms = FormsFixture;

TEST_F(Forms, DialogKeysReachDefaultAndCancelButtonsBeforeTheFocusedControl) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* edit = Add<TTestEdit>(form, TRect(10, 10, 110, 30));
    auto* ok = Add<TTestButton>(form, TRect(10, 50, 80, 75));
    auto* cancel = Add<TTestButton>(form, TRect(100, 50, 170, 75));
    ok->FDefault = true;
    cancel->FCancel = true;
    form->Show();
    edit->SetFocus();
    Pump();
    ASSERT_TRUE(edit->Focused());

    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(ok->FClicks, 1);
    EXPECT_EQ(cancel->FClicks, 0);
    FDisplay->TypeKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(cancel->FClicks, 1);
    EXPECT_TRUE(edit->FKeys.empty()) << "consumed keys never reach the control";

    // A control that wants Enter keeps it from the dialog.
    edit->FWants = DLGC_WANTALLKEYS;
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(ok->FClicks, 1);
    EXPECT_EQ(edit->FKeys, std::vector<unsigned>{ VK_RETURN });

    // Tab walks the tab order.
    FDisplay->TypeKey(VK_TAB);
    Pump();
    EXPECT_TRUE(ok->Focused());
    EXPECT_EQ(form->ActiveControl(), ok);
}

TEST_F(Forms, CharactersTheFocusedControlDoesNotWantAreOfferedAsAccelerators) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* edit = Add<TTestEdit>(form, TRect(10, 10, 110, 30));
    auto* panel = Add<TTestEdit>(form, TRect(10, 50, 200, 150));
    auto* start = Add<TTestButton>(panel, TRect(10, 10, 80, 35)); // nested: the broadcast recurses
    start->SetCaption("&Start");
    std::u32string typed;
    edit->OnKeyPress = [&](TObject*, char32_t& key) { typed += key; };
    form->Show();
    edit->SetFocus();
    FDisplay->TypeKey('S', "s");
    Pump();
    EXPECT_EQ(start->FClicks, 1);
    EXPECT_EQ(typed, U"");
    edit->FWants = DLGC_WANTCHARS;
    FDisplay->TypeKey('S', "s");
    Pump();
    EXPECT_EQ(start->FClicks, 1) << "a control that takes characters keeps them";
    EXPECT_EQ(typed, U"s");
    FDisplay->TypeKey(0, "视");
    Pump();
    EXPECT_EQ(typed, U"s视") << "a character beyond one byte arrives whole";
}

TEST_F(Forms, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* edit = Add<TTestEdit>(form, TRect(10, 10, 110, 30));
    form->SetKeyPreview(true);
    form->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) {
        if (key == 'A') key = 0;
    };
    form->Show();
    edit->SetFocus();
    FDisplay->TypeKey('A');
    FDisplay->TypeKey('B');
    Pump();
    EXPECT_EQ(edit->FKeys, std::vector<unsigned>{ 'B' });
}

TEST_F(Forms, FocusMovesAnnounceExitEnterAndFocusChanged) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* panel = Add<TTestEdit>(form, TRect(0, 0, 200, 100));
    auto* inner = Add<TTestEdit>(panel, TRect(10, 10, 50, 30));
    auto* other = Add<TTestEdit>(form, TRect(0, 120, 100, 140));
    std::vector<std::string> log;
    auto watch = [&](TWinControl* c, const std::string& name) {
        c->OnEnter = [&log, name](TObject*) { log.push_back("enter " + name); };
        c->OnExit = [&log, name](TObject*) { log.push_back("exit " + name); };
    };
    watch(panel, "panel");
    watch(inner, "inner");
    watch(other, "other");
    int changed = 0;
    TWndMethod old = other->WindowProc;
    other->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_FOCUSCHANGED && m.LParam == LPARAM(inner)) ++changed;
        old(m);
    };
    LPARAM cancelSender = 0;
    TWndMethod oldInner = inner->WindowProc;
    inner->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_CANCELMODE) cancelSender = m.LParam;
        oldInner(m);
    };
    form->Show();
    inner->SetFocus();
    other->SetFocus();
    const std::vector<std::string> expected{ "enter panel", "enter inner", "exit inner",
                                             "exit panel", "enter other" };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(changed, 1) << "every control hears which one got the focus";
    EXPECT_EQ(cancelSender, LPARAM(other)) << "the old control hears who takes the focus";
    other->WindowProc = old;
    inner->WindowProc = oldInner;
    // Freeing the active control leaves no dangling reference.
    delete other;
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(Forms, ShowModalDisablesOtherWindowsUntilAResultIsAccepted) {
    TForm* main = NewForm(TRect(0, 0, 300, 200));
    main->Show();
    TForm* dialog = NewForm(TRect(0, 0, 200, 100));
    dialog->SetPosition(poMainFormCenter);
    auto* ok = Add<TTestButton>(dialog, TRect(10, 10, 60, 30));
    ok->FModalResult = mrOk;
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    bool mainEnabledInside = true;
    dialog->OnShow = [&](TObject*) {
        mainEnabledInside = IsWindowEnabled(main->Handle());
        // Two clicks on OK: the first is refused by OnCloseQuery.
        // Far enough apart not to make a double click.
        const TPoint p = ok->ClientToScreen(TPoint(5, 5));
        const TPoint q = ok->ClientToScreen(TPoint(40, 15));
        FDisplay->Click(p.X, p.Y);
        FDisplay->Click(q.X, q.Y);
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(mainEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(ok->FClicks, 2);
    EXPECT_EQ(dialog->BoundsRect(), TRect(50, 50, 250, 150)) << "centred on the main form";
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(Forms, ClosingAModalFormCancelsIt) {
    TForm* dialog = NewForm(TRect(0, 0, 200, 100));
    dialog->OnShow = [&](TObject*) { PostMessage(dialog->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Forms, CloseActionsHideFreeOrEndTheProgram) {
    TForm* main = NewForm(TRect(0, 0, 300, 200));
    TForm* second = NewForm(TRect(0, 0, 100, 100));
    second->Show();
    second->Close();
    EXPECT_FALSE(second->Visible());
    second->Show();
    second->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    second->Close();
    EXPECT_TRUE(second->Visible());
    second->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    second->Close();
    Pump();
    EXPECT_EQ(FApp->ComponentCount(), 1) << "the freed form left its owner";
    EXPECT_EQ(Screen->FormCount(), 1);
    main->Show();
    main->Close();
    EXPECT_TRUE(FApp->Terminated());
}

TEST_F(Forms, UncaughtErrorsShowTheBoxTitledWithTheApplicationAndTheLoopGoesOn) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* button = Add<TTestButton>(form, TRect(10, 10, 80, 40));
    button->OnClick = [](TObject*) { throw Exception("Cannot Start while working."); };
    std::vector<std::pair<std::string, std::string>> boxes;
    Screen->OnActiveFormChange = [&](TObject*) {
        if (auto* box = dynamic_cast<TMessageForm*>(Screen->ActiveForm())) {
            boxes.emplace_back(box->Caption(), box->Message());
            FDisplay->TypeKey(VK_RETURN); // the box's OK button answers Enter
        }
    };
    form->Show();
    const TPoint p = button->ClientToScreen(TPoint(5, 5));
    FDisplay->Click(p.X, p.Y);
    Pump();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Converter");
    EXPECT_EQ(boxes[0].second, "Cannot Start while working.");
    EXPECT_EQ(Screen->ActiveForm(), form);
    // The loop goes on: the next click is handled like the first.
    FDisplay->Time().Advance(2000); // no double click
    FDisplay->Click(p.X, p.Y);
    Pump();
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(button->FClicks, 2);

    std::string seen;
    FApp->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
    FDisplay->Time().Advance(2000);
    FDisplay->Click(p.X, p.Y);
    Pump();
    EXPECT_EQ(seen, "Cannot Start while working.");
    EXPECT_EQ(boxes.size(), 2u);
    Screen->OnActiveFormChange = nullptr;
}

TEST_F(Forms, PositionsCentreOnTheWorkAreaOrTheDesktop) {
    struct Case {
        TPosition position;
        TPoint topLeft;
    };
    // One 1280x1024 monitor with a 984-row work area.
    const Case cases[] = { { poDesigned, TPoint(7, 9) },
                           { poScreenCenter, TPoint(480, 372) },
                           { poDesktopCenter, TPoint(480, 392) } };
    for (const Case& c : cases) {
        TForm* form = NewForm(TRect(7, 9, 327, 249));
        form->SetPosition(c.position);
        form->Show();
        EXPECT_EQ(TPoint(form->Left(), form->Top()), c.topLeft) << int(c.position);
        delete form;
    }
}

TEST_F(Forms, ClientSizeSetBeforeTheWindowHoldsAfterwards) {
    for (TFormBorderStyle border : { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow }) {
        TForm* form = NewForm(TRect(0, 0, 100, 100));
        form->SetBorderStyle(border);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        form->Show();
        EXPECT_EQ(form->ClientRect(), TRect(0, 0, 300, 200)) << int(border);
        RECT r;
        GetClientRect(form->Handle(), &r);
        EXPECT_EQ(r.right, 300) << int(border);
        EXPECT_EQ(r.bottom, 200) << int(border);
        delete form;
    }
}

TEST_F(Forms, StayOnTopKeepsTheDisplaysWindowAboveThroughStyleChangesAndRecreation) {
    TForm* form = NewForm(TRect(0, 0, 200, 100));
    form->SetFormStyle(fsStayOnTop);
    form->Show();
    auto onTop = [&] { return FDisplay->Native(form->Handle())->FTopmost; };
    EXPECT_TRUE(onTop()) << "created on top";
    form->SetFormStyle(fsNormal);
    EXPECT_FALSE(onTop());
    form->SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(onTop());
    form->SetBorderIcons({ biSystemMenu }); // a new window
    EXPECT_TRUE(onTop()) << "recreated on top";
    delete form;
}

TEST_F(Forms, ScreenListsFormsInActivationOrder) {
    TForm* a = NewForm(TRect(0, 0, 100, 100));
    TForm* b = NewForm(TRect(200, 0, 300, 100));
    a->Show();
    b->Show();
    EXPECT_EQ(Screen->ActiveForm(), b);
    EXPECT_EQ(Screen->Forms(0), b);
    a->Show();
    EXPECT_EQ(Screen->ActiveForm(), a);
    EXPECT_EQ(Screen->Forms(1), b);
    EXPECT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(Screen->Height(), 1024);
    EXPECT_EQ(FApp->MainForm(), a);
    auto* c = Add<TTestEdit>(b, TRect(0, 0, 10, 10));
    EXPECT_EQ(GetParentForm(c), b);
    delete a;
    EXPECT_EQ(FApp->MainForm(), nullptr);
    EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(Forms, ShortCutsAreOfferedToTheFormBeforeAnythingElseSeesTheKey) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* edit = Add<TTestEdit>(form, TRect(10, 10, 110, 30));
    auto* ok = Add<TTestButton>(form, TRect(10, 50, 80, 75));
    ok->FDefault = true;
    form->SetKeyPreview(true);
    std::vector<unsigned> previewed;
    form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { previewed.push_back(key); };
    std::vector<std::pair<UINT, WPARAM>> offered;
    form->OnShortCut = [&](TMessage& m, bool& handled) {
        offered.emplace_back(m.Msg, m.WParam);
        handled = m.WParam == 'S' || m.WParam == VK_RETURN || m.WParam == VK_SPACE;
    };
    form->Show();
    edit->SetFocus();
    FDisplay->TypeKey('S');
    FDisplay->TypeKey(VK_RETURN);
    FDisplay->TypeKey('B');
    FDisplay->PressKey(VK_MENU);
    FDisplay->TypeKey(VK_SPACE);
    FDisplay->ReleaseKey(VK_MENU);
    Pump();
    ASSERT_GE(offered.size(), 4u);
    EXPECT_EQ(offered[0], (std::pair<UINT, WPARAM>{ WM_KEYDOWN, 'S' }));
    EXPECT_EQ(offered[1].second, WPARAM(VK_RETURN));
    EXPECT_EQ(offered[2].second, WPARAM('B'));
    EXPECT_EQ(offered.back(), (std::pair<UINT, WPARAM>{ WM_SYSKEYDOWN, VK_SPACE }))
        << "Alt with a key is offered as well";
    EXPECT_EQ(ok->FClicks, 0) << "a key taken as a shortcut is no dialog key";
    EXPECT_EQ(std::count(edit->FKeys.begin(), edit->FKeys.end(), 'S'), 0);
    EXPECT_EQ(std::count(edit->FKeys.begin(), edit->FKeys.end(), 'B'), 1);
    EXPECT_EQ(std::count(previewed.begin(), previewed.end(), 'S'), 0);
    EXPECT_EQ(std::count(previewed.begin(), previewed.end(), 'B'), 1);
}

TEST_F(Forms, MessageFiltersSeeTheLoopsMessagesNewestFirstUntilOneHandlesThem) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    auto* edit = Add<TTestEdit>(form, TRect(10, 10, 110, 30));
    form->Show();
    edit->SetFocus();
    std::vector<std::string> log;
    auto keyFilter = [&](const std::string& name, bool handle) {
        return [&log, name, handle](MSG& msg, bool& handled) {
            if (msg.message != WM_KEYDOWN) return;
            log.push_back(name);
            handled = handle;
        };
    };
    const auto first = FApp->OnMessage.Add(keyFilter("first", false));
    const auto second = FApp->OnMessage.Add(keyFilter("second", true));
    FDisplay->TypeKey('A');
    FApp->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{ "second" }));
    EXPECT_TRUE(edit->FKeys.empty()) << "a handled message is not dispatched";

    // The older filter stays in place when the newer one goes, whatever order they go in.
    log.clear();
    FApp->OnMessage.Remove(second);
    FDisplay->TypeKey('B');
    FApp->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{ "first" }));
    EXPECT_EQ(edit->FKeys, std::vector<unsigned>{ 'B' });

    // A filter that removes another one while the walk runs: the removed one is skipped.
    log.clear();
    TMessageFilters::TToken remover = 0;
    remover = FApp->OnMessage.Add([&](MSG& msg, bool&) {
        if (msg.message != WM_KEYDOWN) return;
        log.push_back("remover");
        FApp->OnMessage.Remove(first);
        FApp->OnMessage.Remove(remover);
    });
    FDisplay->TypeKey('C');
    FApp->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{ "remover" }));
    EXPECT_TRUE(FApp->OnMessage.Empty());
    FApp->OnMessage.Remove(second); // gone already: nothing happens
}

TEST_F(Forms, AlphaBlendLayersTheWindowAtItsValue) {
    TForm* form = NewForm(TRect(0, 0, 200, 100));
    form->SetAlphaBlendValue(120);
    form->SetAlphaBlend(true); // before the window exists
    form->Show();
    auto layered = [&] {
        return (GetWindowLongPtr(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    };
    BYTE alpha = 0;
    EXPECT_TRUE(layered());
    GetLayeredWindowAttributes(form->Handle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 120);
    form->SetAlphaBlendValue(60);
    GetLayeredWindowAttributes(form->Handle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 60);
    EXPECT_EQ(FDisplay->Native(form->Handle())->FAlpha, 60);
    form->SetAlphaBlend(false);
    EXPECT_FALSE(layered());
    EXPECT_EQ(Screen->ActiveCustomForm(), form);
    delete form;
}

} // namespace
} // namespace formstest
