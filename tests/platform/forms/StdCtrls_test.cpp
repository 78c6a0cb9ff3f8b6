#include "FormsTestSupport.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TRadioButton.h"
#include "platform/win/Input.h"
#include <memory>

namespace formstest {
namespace {

using namespace win;

// Something focusable that is not a button, as an edit would be.
class TPlainControl : public TCustomControl {
public:
    explicit TPlainControl(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

class StdCtrls : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        // All input is queued before a modal loop runs: one that would wait is stuck.
        FApp->OnIdle = [this](TObject*) {
            ADD_FAILURE() << "the event loop ran out of messages";
            FApp->Terminate();
        };
        FForm = NewForm();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    TForm* NewForm() {
        TForm* form = nullptr;
        FApp->CreateForm(form);
        form->SetBounds(100, 100, 320, 240);
        return form;
    }
    template <typename T>
    T* Add(TWinControl* parent, TRect bounds, const std::string& caption = {}) {
        auto* c = new T(GetParentForm(parent));
        c->SetParent(parent);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        c->SetCaption(caption);
        return c;
    }
    void ClickOn(TControl* c, int x = 5, int y = 5) {
        const TPoint p = c->ClientToScreen(TPoint(x, y));
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    void Key(UINT vk) {
        FDisplay->TypeKey(vk);
        Pump();
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

TEST_F(StdCtrls, ButtonClicksByMouseSpaceAndEnterButNotWhenReleasedOutside) {
    auto* button = Add<TButton>(FForm, TRect(10, 10, 85, 35), "Start");
    int clicks = 0;
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    FForm->Show();
    Pump();

    ClickOn(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Focused()) << "a click takes the focus";

    // Two quick clicks are two clicks.
    ClickOn(button, 6, 6);
    EXPECT_EQ(clicks, 2);

    FDisplay->PressKey(VK_SPACE, " ");
    Pump();
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(clicks, 2) << "Space clicks on release";
    FDisplay->ReleaseKey(VK_SPACE);
    Pump();
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks, 3);

    Key(VK_RETURN);
    EXPECT_EQ(clicks, 4) << "Enter clicks the focused button";

    // Pressed inside, released outside: no click.
    const TPoint inside = button->ClientToScreen(TPoint(5, 5));
    const TPoint outside = button->ClientToScreen(TPoint(200, 100));
    FDisplay->MoveMouse(inside.X, inside.Y);
    FDisplay->PressButton();
    Pump();
    EXPECT_TRUE(button->Pressed());
    FDisplay->MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_FALSE(button->Pressed());
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(clicks, 4);

    button->SetEnabled(false);
    ClickOn(button);
    EXPECT_EQ(clicks, 4) << "a disabled button ignores the mouse";
}

TEST_F(StdCtrls, EnterGoesToTheFocusedButtonElseTheDefaultAndEscapeToCancel) {
    auto* edit = Add<TPlainControl>(FForm, TRect(10, 10, 110, 30));
    auto* ok = Add<TButton>(FForm, TRect(10, 50, 85, 75), "OK");
    auto* cancel = Add<TButton>(FForm, TRect(100, 50, 175, 75), "Cancel");
    auto* other = Add<TButton>(FForm, TRect(190, 50, 265, 75), "Other");
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::vector<std::string> log;
    for (TButton* b : { ok, cancel, other })
        b->OnClick = [&log, b](TObject*) { log.push_back(b->Caption()); };
    FForm->Show();
    edit->SetFocus();
    Pump();

    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(log, (std::vector<std::string>{ "OK", "Cancel" }));

    // With another button focused, Enter is that button's.
    log.clear();
    other->SetFocus();
    Pump();
    Key(VK_RETURN);
    EXPECT_EQ(log, std::vector<std::string>{ "Other" });

    log.clear();
    edit->SetFocus();
    Pump();
    ok->SetEnabled(false);
    Key(VK_RETURN);
    EXPECT_TRUE(log.empty()) << "a disabled default button is not clicked";
}

TEST_F(StdCtrls, ButtonModalResultEndsAModalForm) {
    TForm* dialog = NewForm();
    auto* ok = Add<TButton>(dialog, TRect(10, 10, 85, 35), "OK");
    auto* cancel = Add<TButton>(dialog, TRect(100, 10, 175, 35), "Cancel");
    ok->SetModalResult(mrOk);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);

    dialog->OnShow = [&](TObject*) {
        const TPoint p = ok->ClientToScreen(TPoint(5, 5));
        FDisplay->Click(p.X, p.Y);
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(dialog->Visible());

    dialog->OnShow = [&](TObject*) { FDisplay->TypeKey(VK_ESCAPE); };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(StdCtrls, CheckBoxStatesFollowClicksSpaceAndAccelerators) {
    auto* box = Add<TCheckBox>(FForm, TRect(10, 10, 120, 27), "&Loop");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    FForm->Show();
    Pump();

    ClickOn(box);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_TRUE(box->Focused());
    Key(VK_SPACE);
    EXPECT_EQ(box->State(), cbUnchecked);
    FDisplay->TypeKey('L', "l");
    Pump();
    EXPECT_EQ(box->State(), cbChecked) << "the accelerator toggles it";
    EXPECT_EQ(clicks, 3);

    // Changes by code announce themselves too, but only real changes.
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 4);

    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        ClickOn(box);
        seen.push_back(box->State());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{ cbGrayed, cbChecked, cbUnchecked }));
}

TEST_F(StdCtrls, RadioButtonsOfOneParentAreExclusiveAndArrowsMoveTheChoice) {
    auto* a = Add<TRadioButton>(FForm, TRect(10, 10, 120, 27), "A");
    auto* b = Add<TRadioButton>(FForm, TRect(10, 30, 120, 47), "B");
    auto* c = Add<TRadioButton>(FForm, TRect(10, 50, 120, 67), "C");
    auto* panel = Add<TPlainControl>(FForm, TRect(150, 10, 300, 100));
    panel->SetControlStyle(panel->ControlStyle() + TControlStyle{ csAcceptsControls });
    auto* other = Add<TRadioButton>(panel, TRect(5, 5, 100, 22), "Other");
    other->SetChecked(true);
    a->SetChecked(true);
    EXPECT_TRUE(a->TabStop());
    EXPECT_FALSE(b->TabStop()) << "only the checked option is a tab stop";
    int bClicks = 0;
    b->OnClick = [&](TObject*) { ++bClicks; };
    FForm->Show();
    Pump();

    ClickOn(b);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(other->Checked()) << "another parent is another group";
    EXPECT_EQ(bClicks, 1);
    ClickOn(b);
    EXPECT_EQ(bClicks, 1) << "a checked option stays checked and silent";

    Key(VK_DOWN);
    EXPECT_TRUE(c->Focused());
    EXPECT_TRUE(c->Checked());
    EXPECT_FALSE(b->Checked());
    Key(VK_UP);
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(bClicks, 2);
}

TEST_F(StdCtrls, FormDescriptionsMakeTheControls) {
    RegisterStdCtrlsClasses();
    auto* form = new TForm(nullptr);
    std::unique_ptr<TForm> owned(form);
    ReadFormDescription(form, R"(object Form1: TForm
  object OkButton: TButton
    Left = 8
    Top = 8
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
  object Loop: TCheckBox
    Caption = 'Loop'
    State = cbGrayed
    Alignment = taLeftJustify
  end
  object Fast: TRadioButton
    Caption = 'Fast'
    Checked = True
  end
  object Name: TEdit
    Text = 'clip.avi'
    MaxLength = 64
    ReadOnly = True
    BorderStyle = bsNone
  end
  object Secret: TEdit
    CharCase = ecUpperCase
    PasswordChar = '*'
    Text = 'pin'
  end
end
)",
                        "Form1.dfm");
    auto* ok = DescribedComponent<TButton>(form, "OkButton");
    EXPECT_TRUE(ok->Default());
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_EQ(ok->Parent(), form);
    auto* loop = DescribedComponent<TCheckBox>(form, "Loop");
    EXPECT_EQ(loop->State(), cbGrayed);
    EXPECT_EQ(loop->Alignment(), taLeftJustify);
    EXPECT_TRUE(DescribedComponent<TRadioButton>(form, "Fast")->Checked());
    auto* name = DescribedComponent<TEdit>(form, "Name");
    EXPECT_EQ(name->Text(), "clip.avi");
    EXPECT_EQ(name->MaxLength(), 64);
    EXPECT_TRUE(name->ReadOnly());
    EXPECT_EQ(name->BorderStyle(), bsNone);
    auto* secret = DescribedComponent<TEdit>(form, "Secret");
    EXPECT_EQ(secret->CharCase(), ecUpperCase);
    EXPECT_EQ(secret->PasswordChar(), U'*');
    EXPECT_EQ(secret->Text(), "PIN");
}

} // namespace
} // namespace formstest
