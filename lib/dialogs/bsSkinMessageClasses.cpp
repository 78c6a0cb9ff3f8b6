#include "lib/dialogs/bsSkinMessageClasses.h"

#include "lib/dialogs/bsMessages.h"
#include "lib/frame/bsSkinFormClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

void RegisterSkinMessage(TClassRegistry& r) {
    const std::string c = "TbsSkinMessage";
    using T = TbsSkinMessage;
    r.RegisterClass(c, "TComponent", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "CtrlSkinData", Reference(&T::SetCtrlSkinData));
    r.RegisterProperty(c, "ButtonSkinDataName", String(&T::SetButtonSkinDataName));
    r.RegisterProperty(c, "MessageLabelSkinDataName", String(&T::SetMessageLabelSkinDataName));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "ShowAgainFlag", Boolean(&T::SetShowAgainFlag));
    r.RegisterProperty(c, "ShowAgainFlagValue", Boolean(&T::SetShowAgainFlagValue));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
}

} // namespace

void RegisterSkinMessageClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinFormClasses();
        RegisterSkinMessage(TClassRegistry::Instance());
    });
}
