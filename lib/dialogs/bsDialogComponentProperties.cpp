#include "lib/dialogs/bsDialogComponentProperties.h"

#include "lib/dialogs/TbsShellDialogComponent.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

using namespace properties;

void RegisterDialogComponentProperties(TClassRegistry& r, const std::string& c) {
    using T = TbsDialogComponent;
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "CtrlSkinData", Reference(&T::SetCtrlSkinData));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
}

void RegisterShellDialogComponentProperties(TClassRegistry& r, const std::string& c) {
    RegisterDialogComponentProperties(r, c);
    using T = TbsShellDialogComponent;
    r.RegisterProperty(c, "ToolButtonsTransparent", Boolean(&T::SetToolButtonsTransparent));
    r.RegisterProperty(c, "DialogWidth", Integer(&T::SetDialogWidth));
    r.RegisterProperty(c, "DialogHeight", Integer(&T::SetDialogHeight));
    r.RegisterProperty(c, "DialogMinWidth", Integer(&T::SetDialogMinWidth));
    r.RegisterProperty(c, "DialogMinHeight", Integer(&T::SetDialogMinHeight));
}
