#include "app/StandIns/StandInClasses.h"

#include "app/StandIns/TStandInDialogs.h"
#include "lib/controls/bsOfficeCtrlsClasses.h"
#include "lib/dialogs/bsSkinMessageClasses.h"
#include "lib/skindraw/bsPngImageListClasses.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

// The file, folder and skin choosers run the program's plain dialogs until their skinned forms
// exist.
void RegisterChoosers(TClassRegistry& r) {
    const char* folder = "TbsSkinSelectDirectoryDialog";
    r.RegisterClass(folder, "TComponent", ComponentFactory<TStandInSelectDirectoryDialog>());
    r.RegisterProperty(folder, "Title", String(&TStandInSelectDirectoryDialog::SetTitle));
    r.RegisterProperty(folder, "Directory", String(&TStandInSelectDirectoryDialog::SetDirectory));
    r.RegisterProperty(folder, "ToolButtons",
                       Boolean(&TStandInSelectDirectoryDialog::SetToolButtons));
    const char* open = "TbsSkinOpenDialog";
    r.RegisterClass(open, "TComponent", ComponentFactory<TStandInOpenDialog>());
    r.RegisterProperty(open, "Title", String(&TStandInOpenDialog::SetTitle));
    r.RegisterProperty(open, "Filter", String(&TStandInOpenDialog::SetFilter));
    r.RegisterProperty(open, "MultiSelection", Boolean(&TStandInOpenDialog::SetMultiSelection));
    r.RegisterClass("TbsSelectSkinDialog", "TComponent",
                    ComponentFactory<TStandInSelectSkinDialog>());
}

} // namespace

void RegisterStandInClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterStdCtrlsClasses();
        RegisterSkinMessageClasses();
        RegisterPngImageListClasses();
        auto& r = TClassRegistry::Instance();
        RegisterChoosers(r);
        RegisterOfficeCtrlsClasses(r);
    });
}
