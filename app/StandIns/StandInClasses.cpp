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

void RegisterControls(TClassRegistry& r) {
    r.RegisterClass("TbsSkinButton", "TButton", ComponentFactory<TStandInButton>());
    r.RegisterClass("TbsSkinMenuSpeedButton", "TButton",
                    ComponentFactory<TStandInMenuSpeedButton>());
    r.RegisterProperty("TbsSkinMenuSpeedButton", "SkinPopupMenu",
                       Reference(&TStandInMenuSpeedButton::SetSkinPopupMenu));

    const char* box = "TbsSkinCheckRadioBox";
    r.RegisterClass(box, "TCheckBox", ComponentFactory<TStandInCheckRadioBox>());
    r.RegisterProperty(box, "Radio", Boolean(&TStandInCheckRadioBox::SetRadio));
    r.RegisterProperty(box, "GroupIndex", Integer(&TStandInCheckRadioBox::SetGroupIndex));
    r.RegisterProperty(box, "Checked", Boolean(&TStandInCheckRadioBox::SetChecked));

    r.RegisterClass("TbsSkinPanel", "TPanel", ComponentFactory<TStandInPanel>());
    r.RegisterClass("TbsSkinToolBar", "TPanel", ComponentFactory<TStandInToolBar>());
    r.RegisterClass("TbsSkinStdLabel", "TLabel", ComponentFactory<TStandInStdLabel>());
    r.RegisterClass("TbsSkinLinkLabel", "TLabel", ComponentFactory<TStandInLinkLabel>());
    r.RegisterProperty("TbsSkinLinkLabel", "URL", String(&TStandInLinkLabel::SetURL));
    r.RegisterClass("TbsSkinEdit", "TEdit", ComponentFactory<TStandInEdit>());

    const char* combo = "TStandInComboBoxBase";
    r.RegisterClass(combo, "TComboBox");
    r.RegisterProperty(combo, "ItemIndex", Integer(&TStandInComboBoxBase::SetItemIndex));
    r.RegisterClass("TbsSkinComboBox", combo, ComponentFactory<TStandInComboBox>());
    r.RegisterClass("TbsSkinOfficeComboBox", combo, ComponentFactory<TStandInOfficeComboBox>());

    r.RegisterClass("TbsSkinListView", "TListView", ComponentFactory<TStandInListView>());
    const char* slider = "TbsSkinSlider";
    r.RegisterClass(slider, "TTrackBar", ComponentFactory<TStandInSlider>());
    r.RegisterProperty(slider, "MinValue", Integer(&TStandInSlider::SetMinValue));
    r.RegisterProperty(slider, "MaxValue", Integer(&TStandInSlider::SetMaxValue));
    r.RegisterProperty(slider, "Value", Integer(&TStandInSlider::SetValue));
}

void RegisterMenusAndDialogs(TClassRegistry& r) {
    r.RegisterClass("TbsSkinMainMenu", "TMainMenu", ComponentFactory<TStandInMainMenu>());
    r.RegisterClass("TbsSkinPopupMenu", "TPopupMenu", ComponentFactory<TStandInPopupMenu>());
    r.RegisterClass("TbsSkinMainMenuBar", "TCustomControl",
                    ComponentFactory<TStandInMainMenuBar>());
    r.RegisterProperty("TbsSkinMainMenuBar", "MainMenu",
                       Reference(&TStandInMainMenuBar::SetMainMenu));

    const char* folder = "TbsSkinSelectDirectoryDialog";
    r.RegisterClass(folder, "TComponent", ComponentFactory<TStandInSelectDirectoryDialog>());
    r.RegisterProperty(folder, "Title", String(&TStandInSelectDirectoryDialog::SetTitle));
    r.RegisterProperty(folder, "Directory", String(&TStandInSelectDirectoryDialog::SetDirectory));
    r.RegisterProperty(folder, "ToolButtons",
                       Boolean(&TStandInSelectDirectoryDialog::SetToolButtons));
    const char* open = "TbsSkinOpenDialog";
    r.RegisterClass(open, "TComponent", ComponentFactory<TStandInOpenDialog>());
    r.RegisterProperty(open, "Title", String(&TStandInOpenDialog::SetTitle));
    r.RegisterProperty(open, "Filter", String(&TStandInOpenDialog::SetFilter));
    r.RegisterProperty(open, "MultiSelection", Boolean(&TStandInOpenDialog::SetMultiSelection));
    r.RegisterClass("TbsSelectSkinDialog", "TComponent",
                    ComponentFactory<TStandInSelectSkinDialog>());
    r.RegisterClass("TbsSkinMessage", "TComponent", ComponentFactory<TStandInMessage>());
    r.RegisterClass("TbsSkinForm", "TComponent", ComponentFactory<TStandInFormSkin>());
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
