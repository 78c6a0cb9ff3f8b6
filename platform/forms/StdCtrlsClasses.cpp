#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TRadioButton.h"
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

} // namespace

void RegisterStdCtrlsClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterButtons(TClassRegistry::Instance());
    });
}
