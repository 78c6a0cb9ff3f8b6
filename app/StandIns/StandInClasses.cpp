#include "app/StandIns/StandInClasses.h"

#include "app/StandIns/TbsSkinButtons.h"
#include "app/StandIns/TbsSkinComboBoxes.h"
#include "app/StandIns/TbsSkinDialogs.h"
#include "app/StandIns/TbsSkinLabels.h"
#include "app/StandIns/TbsSkinListView.h"
#include "app/StandIns/TbsSkinMenus.h"
#include "app/StandIns/TbsSkinPanels.h"
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
    r.RegisterClass("TbsSkinButton", "TButton", Make<TbsSkinButton>());
    r.RegisterClass("TbsSkinMenuSpeedButton", "TButton", Make<TbsSkinMenuSpeedButton>());
    r.RegisterProperty("TbsSkinMenuSpeedButton", "SkinPopupMenu",
                       Reference(&TbsSkinMenuSpeedButton::SetSkinPopupMenu));

    const char* box = "TbsSkinCheckRadioBox";
    r.RegisterClass(box, "TCheckBox", Make<TbsSkinCheckRadioBox>());
    r.RegisterProperty(box, "Radio", Boolean(&TbsSkinCheckRadioBox::SetRadio));
    r.RegisterProperty(box, "GroupIndex", Integer(&TbsSkinCheckRadioBox::SetGroupIndex));
    r.RegisterProperty(box, "Checked", Boolean(&TbsSkinCheckRadioBox::SetChecked));

    r.RegisterClass("TbsSkinPanel", "TPanel", Make<TbsSkinPanel>());
    r.RegisterClass("TbsSkinToolBar", "TbsSkinPanel", Make<TbsSkinToolBar>());
    r.RegisterClass("TbsSkinStdLabel", "TLabel", Make<TbsSkinStdLabel>());
    r.RegisterClass("TbsSkinLinkLabel", "TLabel", Make<TbsSkinLinkLabel>());
    r.RegisterProperty("TbsSkinLinkLabel", "URL", String(&TbsSkinLinkLabel::SetURL));
    r.RegisterClass("TbsSkinEdit", "TEdit", Make<TbsSkinEdit>());

    const char* combo = "TbsSkinComboBoxBase";
    r.RegisterClass(combo, "TComboBox");
    r.RegisterProperty(combo, "ItemIndex", Integer(&TbsSkinComboBoxBase::SetItemIndex));
    r.RegisterClass("TbsSkinComboBox", combo, Make<TbsSkinComboBox>());
    r.RegisterClass("TbsSkinOfficeComboBox", combo, Make<TbsSkinOfficeComboBox>());

    r.RegisterClass("TbsSkinListView", "TListView", Make<TbsSkinListView>());
    const char* slider = "TbsSkinSlider";
    r.RegisterClass(slider, "TTrackBar", Make<TbsSkinSlider>());
    r.RegisterProperty(slider, "MinValue", Integer(&TbsSkinSlider::SetMinValue));
    r.RegisterProperty(slider, "MaxValue", Integer(&TbsSkinSlider::SetMaxValue));
    r.RegisterProperty(slider, "Value", Integer(&TbsSkinSlider::SetValue));
}

void RegisterMenusAndDialogs(TClassRegistry& r) {
    r.RegisterClass("TbsSkinMainMenu", "TMainMenu", Make<TbsSkinMainMenu>());
    r.RegisterClass("TbsSkinPopupMenu", "TPopupMenu", Make<TbsSkinPopupMenu>());
    r.RegisterClass("TbsSkinMainMenuBar", "TCustomControl", Make<TbsSkinMainMenuBar>());
    r.RegisterProperty("TbsSkinMainMenuBar", "MainMenu",
                       Reference(&TbsSkinMainMenuBar::SetMainMenu));

    const char* folder = "TbsSkinSelectDirectoryDialog";
    r.RegisterClass(folder, "TComponent", Make<TbsSkinSelectDirectoryDialog>());
    r.RegisterProperty(folder, "Title", String(&TbsSkinSelectDirectoryDialog::SetTitle));
    r.RegisterProperty(folder, "Directory", String(&TbsSkinSelectDirectoryDialog::SetDirectory));
    r.RegisterProperty(folder, "ToolButtons",
                       Boolean(&TbsSkinSelectDirectoryDialog::SetToolButtons));
    const char* open = "TbsSkinOpenDialog";
    r.RegisterClass(open, "TComponent", Make<TbsSkinOpenDialog>());
    r.RegisterProperty(open, "Title", String(&TbsSkinOpenDialog::SetTitle));
    r.RegisterProperty(open, "Filter", String(&TbsSkinOpenDialog::SetFilter));
    r.RegisterProperty(open, "MultiSelection", Boolean(&TbsSkinOpenDialog::SetMultiSelection));
    r.RegisterClass("TbsSelectSkinDialog", "TComponent", Make<TbsSelectSkinDialog>());
    r.RegisterClass("TbsSkinMessage", "TComponent", Make<TbsSkinMessage>());
    r.RegisterClass("TbsSkinForm", "TComponent", Make<TbsSkinForm>());
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
