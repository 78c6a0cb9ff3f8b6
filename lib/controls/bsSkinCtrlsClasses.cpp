#include "lib/controls/bsSkinCtrlsClasses.h"

#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsOfficeCtrlsClasses.h"
#include "lib/controls/bsScrollCtrlsClasses.h"
#include "lib/controls/bsSkinButtonsClasses.h"
#include "lib/controls/bsSkinEditClasses.h"
#include "lib/controls/bsSkinListClasses.h"
#include "lib/controls/bsSkinListEvents.h"
#include "lib/controls/bsSkinPanelsClasses.h"
#include "lib/controls/bsSkinTabsClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinDataClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

#include <mutex>

namespace {

using namespace properties;

// What both families of skinned controls store: T is a TbsSkinControlBase.
template <typename T>
void RegisterBinding(TClassRegistry& r, const std::string& c) {
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&T::SetSkinDataName));
    r.RegisterProperty(c, "HintTitle", String(&T::SetHintTitle));
    r.RegisterProperty(c, "HintImageIndex", Integer(&T::SetHintImageIndex));
    r.RegisterProperty(c, "HintImageList", Reference(&T::SetHintImageList));
}

// What both families of resizable skinned controls store: T is a TbsSkinCustomControlBase.
template <typename T>
void RegisterFace(TClassRegistry& r, const std::string& c) {
    r.RegisterProperty(c, "DefaultWidth", Integer(&T::SetDefaultWidth));
    r.RegisterProperty(c, "DefaultHeight", Integer(&T::SetDefaultHeight));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
}

void RegisterBases(TClassRegistry& r) {
    r.RegisterClass("TbsSkinControl", "TCustomControl", ComponentFactory<TbsSkinControl>());
    RegisterBinding<TbsSkinControl>(r, "TbsSkinControl");
    r.RegisterClass("TbsSkinCustomControl", "TbsSkinControl",
                    ComponentFactory<TbsSkinCustomControl>());
    RegisterFace<TbsSkinCustomControl>(r, "TbsSkinCustomControl");

    r.RegisterClass("TbsGraphicSkinControl", "TGraphicControl",
                    ComponentFactory<TbsGraphicSkinControl>());
    RegisterBinding<TbsGraphicSkinControl>(r, "TbsGraphicSkinControl");
    r.RegisterClass("TbsGraphicSkinCustomControl", "TbsGraphicSkinControl",
                    ComponentFactory<TbsGraphicSkinCustomControl>());
    RegisterFace<TbsGraphicSkinCustomControl>(r, "TbsGraphicSkinCustomControl");
}

} // namespace

void RegisterSkinCtrlsClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSkinDataClasses();
        RegisterBases(TClassRegistry::Instance());
        RegisterScrollCtrlsClasses(TClassRegistry::Instance());
        RegisterSkinEditClasses(TClassRegistry::Instance());
        RegisterSkinButtonsClasses(TClassRegistry::Instance());
        RegisterSkinPanelsClasses(TClassRegistry::Instance());
        RegisterOfficeCtrlsClasses(TClassRegistry::Instance());
        RegisterSkinTabsClasses(TClassRegistry::Instance());
        RegisterSkinListClasses(TClassRegistry::Instance());
        RegisterSkinListEvents(TClassRegistry::Instance());
    });
}
