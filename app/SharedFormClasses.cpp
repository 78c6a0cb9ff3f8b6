#include "app/SharedFormClasses.h"

#include "lib/controls/bsOfficeCtrlsClasses.h"
#include "lib/dialogs/bsSkinMessageClasses.h"
#include "lib/skindraw/bsPngImageListClasses.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

void RegisterSharedFormClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterStdCtrlsClasses();
        RegisterSkinMessageClasses();
        RegisterPngImageListClasses();
        RegisterOfficeCtrlsClasses(TClassRegistry::Instance());
    });
}
