#include "app/StandIns/StandInClasses.h"

#include "app/StandIns/TStandInComboBoxes.h"
#include "lib/dialogs/bsSkinMessageClasses.h"
#include "lib/skindraw/bsPngImageListClasses.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

// The format pickers stay plain until they show their pictures through the skinned office picker.
void RegisterFormatPickers(TClassRegistry& r) {
    const char* combo = "TStandInComboBoxBase";
    r.RegisterClass(combo, "TComboBox");
    r.RegisterProperty(combo, "ItemIndex", Integer(&TStandInComboBoxBase::SetItemIndex));
    r.RegisterClass("TbsSkinOfficeComboBox", combo, ComponentFactory<TStandInOfficeComboBox>());
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
        RegisterFormatPickers(r);
    });
}
