#include "lib/menus/bsSkinMenusClasses.h"

#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinDataClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterPopupMenu(TClassRegistry& r) {
    const std::string c = "TbsSkinPopupMenu";
    using T = TbsSkinPopupMenu;
    r.RegisterClass(c, "TPopupMenu", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinComponent", Reference(&T::SetSkinComponent));
    r.RegisterProperty(c, "OnMenuClose", Event(&T::OnMenuClose));
}

void RegisterHint(TClassRegistry& r) {
    const std::string c = "TbsSkinHint";
    using T = TbsSkinHint;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "LineSeparator", String(&T::SetLineSeparator));
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "Active", Boolean(&T::SetActive));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
}

} // namespace

void RegisterSkinMenusClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterSkinDataClasses();
        auto& r = TClassRegistry::Instance();
        RegisterPopupMenu(r);
        RegisterHint(r);
    });
}
