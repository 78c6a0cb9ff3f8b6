#include "lib/frame/bsSkinFormClasses.h"

#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsTrayIcon.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/menus/bsSkinMenusClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterSkinForm(TClassRegistry& r) {
    const std::string c = "TbsSkinForm";
    using T = TbsSkinForm;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "MenusSkinData", Reference(&T::SetMenusSkinData));
    r.RegisterProperty(c, "SkinHint", Reference(&T::SetSkinHint));
    r.RegisterProperty(c, "TrayIcon", Reference(&T::SetTrayIcon));
    r.RegisterProperty(c, "MainMenuBar", Reference(&T::SetMainMenuBar));
    r.RegisterProperty(c, "StatusBar", Reference(&T::SetStatusBar));
    r.RegisterProperty(c, "BorderIcons",
                       Set(&T::SetBorderIcons, TNames<T::TbsBorderIcon>{
                                                   { "biSystemMenu", T::biSystemMenu },
                                                   { "biMinimize", T::biMinimize },
                                                   { "biMaximize", T::biMaximize },
                                                   { "biRollUp", T::biRollUp },
                                                   { "biMinimizeToTray", T::biMinimizeToTray } }));
    r.RegisterProperty(
        c, "PositionInMonitor",
        Enum(&T::SetPositionInMonitor,
             TNames<TbsPositionInMonitor>{ { "bspDefault", bspDefault },
                                           { "bspScreenCenter", bspScreenCenter },
                                           { "bspDesktopCenter", bspDesktopCenter } }));
    r.RegisterProperty(c, "ClientWidth", Integer(&T::SetClientWidth));
    r.RegisterProperty(c, "ClientHeight", Integer(&T::SetClientHeight));
    r.RegisterProperty(c, "ShowIcon", Boolean(&T::SetShowIcon));
    r.RegisterProperty(c, "Magnetic", Boolean(&T::SetMagnetic));
    r.RegisterProperty(c, "MagneticSize", Integer(&T::SetMagneticSize));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "MenusAlphaBlend", Boolean(&T::SetMenusAlphaBlend));
    r.RegisterProperty(c, "MenusAlphaBlendAnimation", Boolean(&T::SetMenusAlphaBlendAnimation));
    r.RegisterProperty(c, "MenusAlphaBlendValue", Integer(&T::SetMenusAlphaBlendValue));
    r.RegisterProperty(c, "SkinnableForm", Boolean(&T::SetSkinnableForm));
    r.RegisterProperty(c, "ShowObjectHint", Boolean(&T::SetShowObjectHint));
    r.RegisterProperty(c, "HideCaptionButtons", Boolean(&T::SetHideCaptionButtons));
}

void RegisterTrayIcon(TClassRegistry& r) {
    const std::string c = "TbsTrayIcon";
    using T = TbsTrayIcon;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "Enabled", Boolean(&T::SetEnabled));
    r.RegisterProperty(c, "IconVisible", Boolean(&T::SetIconVisible));
    r.RegisterProperty(c, "Hint", String(&T::SetHint));
    r.RegisterProperty(c, "ShowHint", Boolean(&T::SetShowHint));
    r.RegisterProperty(c, "PopupMenu", Reference(&T::SetPopupMenu));
    r.RegisterProperty(c, "MinimizeToTray", Boolean(&T::SetMinimizeToTray));
}

} // namespace

void RegisterSkinFormClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinCtrlsClasses();
        RegisterSkinMenusClasses();
        auto& r = TClassRegistry::Instance();
        RegisterSkinForm(r);
        RegisterTrayIcon(r);
    });
}
