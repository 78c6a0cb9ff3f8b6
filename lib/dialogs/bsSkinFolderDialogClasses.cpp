#include "lib/dialogs/bsSkinFolderDialogClasses.h"

#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/dialogs/bsDialogComponentProperties.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "lib/skindata/TbsCompressedSkinList.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterSelectDirectoryDialog(TClassRegistry& r) {
    const std::string c = "TbsSkinSelectDirectoryDialog";
    using T = TbsSkinSelectDirectoryDialog;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    RegisterShellDialogComponentProperties(r, c);
    r.RegisterProperty(c, "Directory", String(&T::SetDirectory));
    r.RegisterProperty(c, "ShowToolBar", Boolean(&T::SetShowToolBar));
    // The program's description writes the tool bar switch under this older name.
    r.RegisterProperty(c, "ToolButtons", Boolean(&T::SetShowToolBar));
}

void RegisterSelectSkinDialog(TClassRegistry& r) {
    const std::string c = "TbsSelectSkinDialog";
    using T = TbsSelectSkinDialog;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    RegisterDialogComponentProperties(r, c);
    r.RegisterProperty(c, "SkinList", Reference(&T::SetSkinList));
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
