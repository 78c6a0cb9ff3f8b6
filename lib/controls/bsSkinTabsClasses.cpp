#include "lib/controls/bsSkinTabsClasses.h"

#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

void RegisterPageControl(TClassRegistry& r) {
    const std::string c = "TbsSkinPageControl";
    using T = TbsSkinPageControl;
    r.RegisterClass(c, "TPageControl", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&T::SetSkinDataName));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
    r.RegisterProperty(c, "DefaultItemHeight", Integer(&T::SetDefaultItemHeight));
    // The tab images are the control's own, not the platform control's reserved room.
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ShowCloseButtons", Boolean(&T::SetShowCloseButtons));
    r.RegisterProperty(c, "FreeOnClose", Boolean(&T::SetFreeOnClose));
    r.RegisterProperty(c, "TabExtededDraw", Boolean(&T::SetTabExtededDraw));
    r.RegisterProperty(
        c, "TabLayout",
        Enum(&T::SetTabLayout, TNames<TbsButtonLayout>{ { "blGlyphLeft", blGlyphLeft },
                                                        { "blGlyphRight", blGlyphRight },
                                                        { "blGlyphTop", blGlyphTop },
                                                        { "blGlyphBottom", blGlyphBottom } }));
    r.RegisterProperty(c, "TabMargin", Integer(&T::SetTabMargin));
    r.RegisterProperty(c, "TabSpacing", Integer(&T::SetTabSpacing));
    r.RegisterProperty(c, "TextInHorizontal", Boolean(&T::SetTextInHorizontal));
    r.RegisterProperty(c, "TabsInCenter", Boolean(&T::SetTabsInCenter));
    r.RegisterProperty(c, "TabsOffset", Integer(&T::SetTabsOffset));
    r.RegisterProperty(c, "TabsBGTransparent", Boolean(&T::SetTabsBGTransparent));
    r.RegisterProperty(c, "MouseWheelSupport", Boolean(&T::SetMouseWheelSupport));
    r.RegisterProperty(c, "OnClose", Event(&T::OnClose));
    r.RegisterProperty(c, "OnAfterClose", Event(&T::OnAfterClose));
    r.RegisterProperty(c, "OnDrawSkinTab", Event(&T::OnDrawSkinTab));

    r.RegisterClass("TbsSkinTabSheet", "TTabSheet", ComponentFactory<TbsSkinTabSheet>());
}

} // namespace

void RegisterSkinTabsClasses(TClassRegistry& registry) {
    RegisterPageControl(registry);
}
