#include "app/StandIns/StandInClasses.h"

#include "app/StandIns/TStandInButtons.h"
#include "app/StandIns/TStandInComboBoxes.h"
#include "app/StandIns/TStandInDialogs.h"
#include "app/StandIns/TStandInLabels.h"
#include "app/StandIns/TStandInListView.h"
#include "app/StandIns/TStandInMenus.h"
#include "app/StandIns/TStandInPanels.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

template <typename T>
TComponentFactory Make() {
    return [](TComponent* owner) { return new T(owner); };
}

void RegisterControls(TClassRegistry& r) {
    r.RegisterClass("TbsSkinButton", "TButton", Make<TStandInButton>());
    r.RegisterClass("TbsSkinMenuSpeedButton", "TButton", Make<TStandInMenuSpeedButton>());
    r.RegisterProperty("TbsSkinMenuSpeedButton", "SkinPopupMenu",
                       Reference(&TStandInMenuSpeedButton::SetSkinPopupMenu));

    const char* box = "TbsSkinCheckRadioBox";
    r.RegisterClass(box, "TCheckBox", Make<TStandInCheckRadioBox>());
    r.RegisterProperty(box, "Radio", Boolean(&TStandInCheckRadioBox::SetRadio));
    r.RegisterProperty(box, "GroupIndex", Integer(&TStandInCheckRadioBox::SetGroupIndex));
    r.RegisterProperty(box, "Checked", Boolean(&TStandInCheckRadioBox::SetChecked));

    r.RegisterClass("TbsSkinPanel", "TPanel", Make<TStandInPanel>());
    r.RegisterClass("TbsSkinToolBar", "TPanel", Make<TStandInToolBar>());
    r.RegisterClass("TbsSkinStdLabel", "TLabel", Make<TStandInStdLabel>());
    r.RegisterClass("TbsSkinLinkLabel", "TLabel", Make<TStandInLinkLabel>());
    r.RegisterProperty("TbsSkinLinkLabel", "URL", String(&TStandInLinkLabel::SetURL));
    r.RegisterClass("TbsSkinEdit", "TEdit", Make<TStandInEdit>());

    const char* combo = "TStandInComboBoxBase";
    r.RegisterClass(combo, "TComboBox");
    r.RegisterProperty(combo, "ItemIndex", Integer(&TStandInComboBoxBase::SetItemIndex));
    r.RegisterClass("TbsSkinComboBox", combo, Make<TStandInComboBox>());
    r.RegisterClass("TbsSkinOfficeComboBox", combo, Make<TStandInOfficeComboBox>());

    r.RegisterClass("TbsSkinListView", "TListView", Make<TStandInListView>());
    const char* slider = "TbsSkinSlider";
    r.RegisterClass(slider, "TTrackBar", Make<TStandInSlider>());
    r.RegisterProperty(slider, "MinValue", Integer(&TStandInSlider::SetMinValue));
    r.RegisterProperty(slider, "MaxValue", Integer(&TStandInSlider::SetMaxValue));
    r.RegisterProperty(slider, "Value", Integer(&TStandInSlider::SetValue));
}

void RegisterMenusAndDialogs(TClassRegistry& r) {
    r.RegisterClass("TbsSkinMainMenu", "TMainMenu", Make<TStandInMainMenu>());
    r.RegisterClass("TbsSkinPopupMenu", "TPopupMenu", Make<TStandInPopupMenu>());
    r.RegisterClass("TbsSkinMainMenuBar", "TCustomControl", Make<TStandInMainMenuBar>());
    r.RegisterProperty("TbsSkinMainMenuBar", "MainMenu",
                       Reference(&TStandInMainMenuBar::SetMainMenu));

    const char* folder = "TbsSkinSelectDirectoryDialog";
    r.RegisterClass(folder, "TComponent", Make<TStandInSelectDirectoryDialog>());
    r.RegisterProperty(folder, "Title", String(&TStandInSelectDirectoryDialog::SetTitle));
    r.RegisterProperty(folder, "Directory", String(&TStandInSelectDirectoryDialog::SetDirectory));
    r.RegisterProperty(folder, "ToolButtons",
                       Boolean(&TStandInSelectDirectoryDialog::SetToolButtons));
    const char* open = "TbsSkinOpenDialog";
    r.RegisterClass(open, "TComponent", Make<TStandInOpenDialog>());
    r.RegisterProperty(open, "Title", String(&TStandInOpenDialog::SetTitle));
    r.RegisterProperty(open, "Filter", String(&TStandInOpenDialog::SetFilter));
    r.RegisterProperty(open, "MultiSelection", Boolean(&TStandInOpenDialog::SetMultiSelection));
    r.RegisterClass("TbsSelectSkinDialog", "TComponent", Make<TStandInSelectSkinDialog>());
    r.RegisterClass("TbsSkinMessage", "TComponent", Make<TStandInMessage>());
    r.RegisterClass("TbsSkinForm", "TComponent", Make<TStandInFormSkin>());
}

} // namespace

void RegisterStandInClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterStdCtrlsClasses();
        auto& r = TClassRegistry::Instance();
        RegisterControls(r);
        RegisterMenusAndDialogs(r);
    });
}
