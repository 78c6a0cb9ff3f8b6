#include "lib/frame/bsSkinMenuBarClasses.h"

#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

void RegisterSkinMenuBarClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        using namespace properties;
        RegisterStandardClasses();
        RegisterSkinCtrlsClasses();
        TClassRegistry& r = TClassRegistry::Instance();
        r.RegisterClass("TbsSkinMainMenu", "TMainMenu", ComponentFactory<TbsSkinMainMenu>());
        r.RegisterProperty("TbsSkinMainMenu", "SkinData", Reference(&TbsSkinMainMenu::SetSkinData));

        using T = TbsSkinMainMenuBar;
        const char* bar = "TbsSkinMainMenuBar";
        r.RegisterClass(bar, "TbsSkinControl", ComponentFactory<T>());
        r.RegisterProperty(bar, "ScrollMenu", Boolean(&T::SetScrollMenu));
        r.RegisterProperty(bar, "UseSkinFont", Boolean(&T::SetUseSkinFont));
        RegisterFontProperties(r, bar, "DefItemFont", [](TPersistent* o) -> TFont& {
            return Target<T>(o)->DefItemFont();
        });
        r.RegisterProperty(bar, "DefaultWidth", Integer(&T::SetDefaultWidth));
        r.RegisterProperty(bar, "DefaultHeight", Integer(&T::SetDefaultHeight));
        r.RegisterProperty(bar, "PopupToUp", Boolean(&T::SetPopupToUp));
        r.RegisterProperty(bar, "SkinForm", Reference(&T::SetSkinForm));
        r.RegisterProperty(bar, "MainMenu", Reference(&T::SetMainMenu));
    });
}
