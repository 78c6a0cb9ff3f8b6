#include "lib/dialogs/bsSkinFileDialogClasses.h"

#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinOpenPictureDialog.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>
#include <utility>

namespace {

using namespace properties;

// What the open dialog and its picture variants share.
void RegisterCommon(TClassRegistry& r, const std::string& c) {
    using T = TbsSkinOpenDialog;
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
    r.RegisterProperty(c, "Filter", String(&T::SetFilter));
    r.RegisterProperty(c, "FilterIndex", Integer(&T::SetFilterIndex));
    r.RegisterProperty(c, "FileName", String(&T::SetFileName));
    r.RegisterProperty(c, "InitialDir", String(&T::SetInitialDir));
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

void RegisterFileDialogs(TClassRegistry& r) {
    r.RegisterClass("TbsSkinOpenDialog", "TComponent", ComponentFactory<TbsSkinOpenDialog>());
    RegisterCommon(r, "TbsSkinOpenDialog");
    r.RegisterProperty("TbsSkinOpenDialog", "DefaultExt",
                       String(&TbsSkinOpenDialog::SetDefaultExt));
    for (const auto& [c, factory] : { std::pair{ std::string("TbsSkinOpenPictureDialog"),
                                                 ComponentFactory<TbsSkinOpenPictureDialog>() },
                                      std::pair{ std::string("TbsSkinSavePictureDialog"),
                                                 ComponentFactory<TbsSkinSavePictureDialog>() } }) {
        r.RegisterClass(c, "TComponent", factory);
        RegisterCommon(r, c);
        r.RegisterProperty(c, "StretchPicture",
                           Boolean(&TbsSkinOpenPictureDialog::SetStretchPicture));
    }
}

} // namespace

void RegisterSkinFileDialogClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinFormClasses();
        RegisterFileDialogs(TClassRegistry::Instance());
    });
}
