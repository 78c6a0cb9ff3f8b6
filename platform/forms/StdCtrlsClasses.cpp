#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/ComCtrlsClasses.h"
#include "platform/forms/ExtCtrlsClasses.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TRadioButton.h"
#include "platform/gfx/Utf8.h"
#include <mutex>

namespace {

using namespace properties;

const TNames<TAlignment> kAlignments{ { "taLeftJustify", taLeftJustify },
                                      { "taRightJustify", taRightJustify },
                                      { "taCenter", taCenter } };

void RegisterButtons(TClassRegistry& r) {
    r.RegisterClass("TButtonControl", "TCustomControl");
    r.RegisterClass("TButton", "TButtonControl",
                    [](TComponent* owner) { return new TButton(owner); });
    r.RegisterProperty("TButton", "Default", Boolean(&TButton::SetDefault));
    r.RegisterProperty("TButton", "Cancel", Boolean(&TButton::SetCancel));
    r.RegisterProperty("TButton", "ModalResult", Integer(&TButton::SetModalResult));

    r.RegisterClass("TCheckBox", "TButtonControl",
                    [](TComponent* owner) { return new TCheckBox(owner); });
    r.RegisterProperty("TCheckBox", "Checked", Boolean(&TCheckBox::SetChecked));
    r.RegisterProperty("TCheckBox", "AllowGrayed", Boolean(&TCheckBox::SetAllowGrayed));
    r.RegisterProperty(
        "TCheckBox", "State",
        Enum(&TCheckBox::SetState, TNames<TCheckBoxState>{ { "cbUnchecked", cbUnchecked },
                                                           { "cbChecked", cbChecked },
                                                           { "cbGrayed", cbGrayed } }));
    r.RegisterProperty("TCheckBox", "Alignment", Enum(&TCheckBox::SetAlignment, kAlignments));

    r.RegisterClass("TRadioButton", "TButtonControl",
                    [](TComponent* owner) { return new TRadioButton(owner); });
    r.RegisterProperty("TRadioButton", "Checked", Boolean(&TRadioButton::SetChecked));
    r.RegisterProperty("TRadioButton", "Alignment", Enum(&TRadioButton::SetAlignment, kAlignments));
}

void RegisterLabel(TClassRegistry& r) {
    const std::string c = "TLabel";
    r.RegisterClass(c, "TGraphicControl", [](TComponent* owner) { return new TLabel(owner); });
    r.RegisterProperty(c, "Alignment", Enum(&TLabel::SetAlignment, kAlignments));
    r.RegisterProperty(c, "Layout",
                       Enum(&TLabel::SetLayout, TNames<TTextLayout>{ { "tlTop", tlTop },
                                                                     { "tlCenter", tlCenter },
                                                                     { "tlBottom", tlBottom } }));
    r.RegisterProperty(c, "WordWrap", Boolean(&TLabel::SetWordWrap));
    r.RegisterProperty(c, "AutoSize", Boolean(&TLabel::SetAutoSize));
    r.RegisterProperty(c, "ShowAccelChar", Boolean(&TLabel::SetShowAccelChar));
    r.RegisterProperty(c, "Transparent", Boolean(&TLabel::SetTransparent));
    r.RegisterProperty(c, "FocusControl", Reference(&TLabel::SetFocusControl));
}

void RegisterContainers(TClassRegistry& r) {
    const TNames<TPanelBevel> bevels{ { "bvNone", bvNone },
                                      { "bvLowered", bvLowered },
                                      { "bvRaised", bvRaised },
                                      { "bvSpace", bvSpace } };
    const std::string c = "TPanel";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TPanel(owner); });
    r.RegisterProperty(c, "BevelOuter", Enum(&TPanel::SetBevelOuter, bevels));
    r.RegisterProperty(c, "BevelInner", Enum(&TPanel::SetBevelInner, bevels));
    r.RegisterProperty(c, "BevelWidth", Integer(&TPanel::SetBevelWidth));
    r.RegisterProperty(c, "BorderWidth", Integer(&TPanel::SetBorderWidth));
    r.RegisterProperty(c, "Alignment", Enum(&TPanel::SetAlignment, kAlignments));

    r.RegisterClass("TGroupBox", "TCustomControl",
                    [](TComponent* owner) { return new TGroupBox(owner); });

    r.RegisterClass("TBevel", "TGraphicControl",
                    [](TComponent* owner) { return new TBevel(owner); });
    r.RegisterProperty(
        "TBevel", "Shape",
        Enum(&TBevel::SetShape, TNames<TBevelShape>{ { "bsBox", bsBox },
                                                     { "bsFrame", bsFrame },
                                                     { "bsTopLine", bsTopLine },
                                                     { "bsBottomLine", bsBottomLine },
                                                     { "bsLeftLine", bsLeftLine },
                                                     { "bsRightLine", bsRightLine },
                                                     { "bsSpacer", bsSpacer } }));
    r.RegisterProperty("TBevel", "Style",
                       Enum(&TBevel::SetStyle, TNames<TBevelStyle>{ { "bsLowered", bsLowered },
                                                                    { "bsRaised", bsRaised } }));
}

void RegisterEdit(TClassRegistry& r) {
    const std::string c = "TEdit";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TEdit(owner); });
    r.RegisterProperty(c, "MaxLength", Integer(&TEdit::SetMaxLength));
    r.RegisterProperty(c, "ReadOnly", Boolean(&TEdit::SetReadOnly));
    r.RegisterProperty(
        c, "BorderStyle",
        Enum(&TEdit::SetBorderStyle,
             TNames<TFormBorderStyle>{ { "bsNone", bsNone }, { "bsSingle", bsSingle } }));
    r.RegisterProperty(
        c, "CharCase",
        Enum(&TEdit::SetCharCase, TNames<TEditCharCase>{ { "ecNormal", ecNormal },
                                                         { "ecUpperCase", ecUpperCase },
                                                         { "ecLowerCase", ecLowerCase } }));
    r.RegisterProperty(c, "PasswordChar",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           const std::u32string chars = gfx::DecodeUtf8(StringOf(v));
                           Target<TEdit>(o)->SetPasswordChar(chars.empty() ? 0 : chars[0]);
                       });
    r.RegisterProperty(c, "OnChange", Event(&TEdit::OnChange));
}

} // namespace

void RegisterStdCtrlsClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        TClassRegistry& r = TClassRegistry::Instance();
        RegisterButtons(r);
        RegisterLabel(r);
        RegisterContainers(r);
        RegisterEdit(r);
        RegisterExtCtrlsClasses(r);
        RegisterComCtrlsClasses(r);
    });
}
