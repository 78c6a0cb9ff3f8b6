#include "lib/dialogs/bsSkinFolderDialogClasses.h"

#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterSelectDirectoryDialog(TClassRegistry& r) {
    const std::string c = "TbsSkinSelectDirectoryDialog";
    using T = TbsSkinSelectDirectoryDialog;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "ToolButtonsTransparent", Boolean(&T::SetToolButtonsTransparent));
    r.RegisterProperty(c, "DialogWidth", Integer(&T::SetDialogWidth));
    r.RegisterProperty(c, "DialogHeight", Integer(&T::SetDialogHeight));
    r.RegisterProperty(c, "DialogMinWidth", Integer(&T::SetDialogMinWidth));
    r.RegisterProperty(c, "DialogMinHeight", Integer(&T::SetDialogMinHeight));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "CtrlSkinData", Reference(&T::SetCtrlSkinData));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
    r.RegisterProperty(c, "Directory", String(&T::SetDirectory));
    r.RegisterProperty(c, "ShowToolBar", Boolean(&T::SetShowToolBar));
    // The program's description writes the tool bar switch under this older name.
    r.RegisterProperty(c, "ToolButtons", Boolean(&T::SetShowToolBar));
}

void RegisterSelectSkinDialog(TClassRegistry& r) {
    const std::string c = "TbsSelectSkinDialog";
    using T = TbsSelectSkinDialog;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinList", Reference(&T::SetSkinList));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "CtrlSkinData", Reference(&T::SetCtrlSkinData));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
}

} // namespace

void RegisterSkinFolderDialogClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinFormClasses();
        auto& r = TClassRegistry::Instance();
        RegisterSelectDirectoryDialog(r);
        RegisterSelectSkinDialog(r);
    });
}
