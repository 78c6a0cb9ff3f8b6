#include "lib/dialogs/bsSkinFileDialogClasses.h"

#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinOpenPictureDialog.h"
#include "lib/dialogs/bsDialogComponentProperties.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>
#include <utility>

namespace {

using namespace properties;

// What the open dialog and its picture variants share.
void RegisterCommon(TClassRegistry& r, const std::string& c) {
    RegisterShellDialogComponentProperties(r, c);
    using T = TbsSkinOpenDialog;
    r.RegisterProperty(c, "Filter", String(&T::SetFilter));
    r.RegisterProperty(c, "FilterIndex", Integer(&T::SetFilterIndex));
    r.RegisterProperty(c, "FileName", String(&T::SetFileName));
    r.RegisterProperty(c, "InitialDir", String(&T::SetInitialDir));
    r.RegisterProperty(c, "MultiSelection", Boolean(&T::SetMultiSelection));
    r.RegisterProperty(c, "CheckFileExists", Boolean(&T::SetCheckFileExists));
    r.RegisterProperty(c, "OverwritePromt", Boolean(&T::SetOverwritePromt));
    r.RegisterProperty(c, "ShowHiddenFiles", Boolean(&T::SetShowHiddenFiles));
    r.RegisterProperty(c, "CtrlAlphaBlend", Boolean(&T::SetCtrlAlphaBlend));
    r.RegisterProperty(c, "CtrlAlphaBlendValue", Integer(&T::SetCtrlAlphaBlendValue));
    r.RegisterProperty(c, "CtrlAlphaBlendAnimation", Boolean(&T::SetCtrlAlphaBlendAnimation));
    r.RegisterProperty(c, "LVHeaderSkinDataName", String(&T::SetLVHeaderSkinDataName));
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
