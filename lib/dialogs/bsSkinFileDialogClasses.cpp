#include "lib/dialogs/bsSkinFileDialogClasses.h"

#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterOpenDialog(TClassRegistry& r) {
    const std::string c = "TbsSkinOpenDialog";
    using T = TbsSkinOpenDialog;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
    r.RegisterProperty(c, "Filter", String(&T::SetFilter));
    r.RegisterProperty(c, "FilterIndex", Integer(&T::SetFilterIndex));
    r.RegisterProperty(c, "FileName", String(&T::SetFileName));
    r.RegisterProperty(c, "InitialDir", String(&T::SetInitialDir));
    r.RegisterProperty(c, "DefaultExt", String(&T::SetDefaultExt));
    r.RegisterProperty(c, "MultiSelection", Boolean(&T::SetMultiSelection));
    r.RegisterProperty(c, "CheckFileExists", Boolean(&T::SetCheckFileExists));
    r.RegisterProperty(c, "OverwritePromt", Boolean(&T::SetOverwritePromt));
    r.RegisterProperty(c, "ShowHiddenFiles", Boolean(&T::SetShowHiddenFiles));
    r.RegisterProperty(c, "ToolButtonsTransparent", Boolean(&T::SetToolButtonsTransparent));
    r.RegisterProperty(c, "DialogWidth", Integer(&T::SetDialogWidth));
    r.RegisterProperty(c, "DialogHeight", Integer(&T::SetDialogHeight));
    r.RegisterProperty(c, "DialogMinWidth", Integer(&T::SetDialogMinWidth));
    r.RegisterProperty(c, "DialogMinHeight", Integer(&T::SetDialogMinHeight));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "CtrlAlphaBlend", Boolean(&T::SetCtrlAlphaBlend));
    r.RegisterProperty(c, "CtrlAlphaBlendValue", Integer(&T::SetCtrlAlphaBlendValue));
    r.RegisterProperty(c, "CtrlAlphaBlendAnimation", Boolean(&T::SetCtrlAlphaBlendAnimation));
    r.RegisterProperty(c, "LVHeaderSkinDataName", String(&T::SetLVHeaderSkinDataName));
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "CtrlSkinData", Reference(&T::SetCtrlSkinData));
}

} // namespace

void RegisterSkinFileDialogClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinFormClasses();
        RegisterOpenDialog(TClassRegistry::Instance());
    });
}
