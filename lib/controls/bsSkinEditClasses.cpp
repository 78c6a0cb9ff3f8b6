#include "lib/controls/bsSkinEditClasses.h"

#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinNumEdit.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

TPropertySetter DefaultColor() {
    return [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        Target<TbsSkinCustomEdit>(o)->SetDefaultColor(ColorOf(v));
    };
}

} // namespace

void RegisterSkinEditClasses(TClassRegistry& r) {
    RegisterStdCtrlsClasses();
    using E = TbsSkinCustomEdit;
    const std::string c = "TbsSkinEdit";
    r.RegisterClass(c, "TEdit", ComponentFactory<TbsSkinEdit>());
    // The edit's own read-only mode, not the platform edit's.
    r.RegisterProperty(c, "ReadOnly", Boolean(&E::SetReadOnly));
    r.RegisterProperty(c, "AutoSelect", Boolean(&E::SetAutoSelect));
    r.RegisterProperty(c, "SkinData", Reference(&E::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&E::SetSkinDataName));
    r.RegisterProperty(c, "DefaultColor", DefaultColor());
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<E>(o)->DefaultFont(); });
    r.RegisterProperty(c, "UseSkinFont", Boolean(&E::SetUseSkinFont));
    r.RegisterProperty(c, "DefaultWidth", Integer(&E::SetDefaultWidth));
    r.RegisterProperty(c, "DefaultHeight", Integer(&E::SetDefaultHeight));
    r.RegisterProperty(c, "ButtonMode", Boolean(&E::SetButtonMode));
    r.RegisterProperty(
        c, "Alignment",
        Enum(&E::SetAlignment, TNames<TAlignment>{ { "taLeftJustify", taLeftJustify },
                                                   { "taRightJustify", taRightJustify },
                                                   { "taCenter", taCenter } }));
    r.RegisterProperty(c, "Images", Reference(&E::SetImages));
    r.RegisterProperty(c, "LeftImageIndex", Integer(&E::SetLeftImageIndex));
    r.RegisterProperty(c, "LeftImageHotIndex", Integer(&E::SetLeftImageHotIndex));
    r.RegisterProperty(c, "LeftImageDownIndex", Integer(&E::SetLeftImageDownIndex));
    r.RegisterProperty(c, "RightImageIndex", Integer(&E::SetRightImageIndex));
    r.RegisterProperty(c, "RightImageHotIndex", Integer(&E::SetRightImageHotIndex));
    r.RegisterProperty(c, "RightImageDownIndex", Integer(&E::SetRightImageDownIndex));
    r.RegisterProperty(c, "OnButtonClick", Event(&E::OnButtonClick));
    r.RegisterProperty(c, "OnLeftButtonClick", Event(&E::OnLeftButtonClick));
    r.RegisterProperty(c, "OnRightButtonClick", Event(&E::OnRightButtonClick));

    // No form places one; the combo box's edit style makes its own.
    r.RegisterClass("TbsSkinNumEdit", "TEdit", ComponentFactory<TbsSkinNumEdit>());
}
