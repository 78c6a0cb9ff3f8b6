#include "lib/controls/bsSkinButtonsClasses.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/menus/IbsImagesMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

// What both kinds of button store: T is a TbsButtonCore.
template <typename T>
void RegisterButton(TClassRegistry& r, const std::string& c) {
    r.RegisterProperty(c, "UseSkinSize", Boolean(&T::SetUseSkinSize));
    r.RegisterProperty(c, "UseSkinFontColor", Boolean(&T::SetUseSkinFontColor));
    r.RegisterProperty(c, "RepeatMode", Boolean(&T::SetRepeatMode));
    r.RegisterProperty(c, "RepeatInterval", Integer(&T::SetRepeatInterval));
    r.RegisterProperty(c, "AllowAllUp", Boolean(&T::SetAllowAllUp));
    r.RegisterProperty(c, "GroupIndex", Integer(&T::SetGroupIndex));
    r.RegisterProperty(c, "Down", Boolean(&T::SetDown));
    r.RegisterProperty(c, "NumGlyphs", Integer(&T::SetNumGlyphs));
    r.RegisterProperty(c, "Margin", Integer(&T::SetMargin));
    r.RegisterProperty(c, "Spacing", Integer(&T::SetSpacing));
    r.RegisterProperty(
        c, "Layout",
        Enum(&T::SetLayout, TNames<TbsButtonLayout>{ { "blGlyphLeft", blGlyphLeft },
                                                     { "blGlyphRight", blGlyphRight },
                                                     { "blGlyphTop", blGlyphTop },
                                                     { "blGlyphBottom", blGlyphBottom } }));
    r.RegisterProperty(c, "ImageList", Reference(&T::SetImageList));
    r.RegisterProperty(c, "ImageIndex", Integer(&T::SetImageIndex));
    r.RegisterProperty(c, "OnPaint", Event(&T::OnPaint));
}

void RegisterPushButton(TClassRegistry& r) {
    const std::string c = "TbsSkinButton";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<TbsSkinButton>());
    RegisterButton<TbsSkinButton>(r, c);
    r.RegisterProperty(c, "AlwaysShowLayeredFrame",
                       Boolean(&TbsSkinButton::SetAlwaysShowLayeredFrame));
    r.RegisterProperty(c, "CanFocused", Boolean(&TbsSkinButton::SetCanFocused));
    r.RegisterProperty(c, "Default", Boolean(&TbsSkinButton::SetDefault));
    r.RegisterProperty(c, "Cancel", Boolean(&TbsSkinButton::SetCancel));
    r.RegisterProperty(c, "ModalResult", Integer(&TbsSkinButton::SetModalResult));
    // The button's own click event, not the class library's.
    r.RegisterProperty(c, "OnClick", Event(&TbsSkinButton::OnClick));
}

void RegisterSpeedButtons(TClassRegistry& r) {
    const std::string c = "TbsSkinSpeedButton";
    r.RegisterClass(c, "TbsGraphicSkinCustomControl", ComponentFactory<TbsSkinSpeedButton>());
    RegisterButton<TbsSkinSpeedButton>(r, c);
    r.RegisterProperty(c, "Transparent", Boolean(&TbsSkinSpeedButton::SetTransparent));
    r.RegisterProperty(c, "Flat", Boolean(&TbsSkinSpeedButton::SetFlat));
    r.RegisterProperty(c, "ShowCaption", Boolean(&TbsSkinSpeedButton::SetShowCaption));
    r.RegisterProperty(c, "WidthWithCaption", Integer(&TbsSkinSpeedButton::SetWidthWithCaption));
    r.RegisterProperty(c, "WidthWithoutCaption",
                       Integer(&TbsSkinSpeedButton::SetWidthWithoutCaption));

    const std::string m = "TbsSkinMenuSpeedButton";
    using T = TbsSkinMenuSpeedButton;
    r.RegisterClass(m, c, ComponentFactory<T>());
    r.RegisterProperty(m, "NewStyle", Boolean(&T::SetNewStyle));
    r.RegisterProperty(
        m, "TrackPosition",
        Enum(&T::SetTrackPosition,
             TNames<TbsTrackPosition>{ { "bstpRight", bstpRight }, { "bstpBottom", bstpBottom } }));
    r.RegisterProperty(m, "TrackButtonMode", Boolean(&T::SetTrackButtonMode));
    r.RegisterProperty(m, "SkinPopupMenu", Reference(&T::SetSkinPopupMenu));
    r.RegisterProperty(m, "SkinImagesMenu", Reference(&T::SetSkinImagesMenu));
    r.RegisterProperty(m, "UseImagesMenuImage", Boolean(&T::SetUseImagesMenuImage));
    r.RegisterProperty(m, "UseImagesMenuCaption", Boolean(&T::SetUseImagesMenuCaption));
    r.RegisterProperty(m, "OnShowTrackMenu", Event(&T::OnShowTrackMenu));
    r.RegisterProperty(m, "OnHideTrackMenu", Event(&T::OnHideTrackMenu));
}

} // namespace

void RegisterSkinButtonsClasses(TClassRegistry& registry) {
    RegisterPushButton(registry);
    RegisterSpeedButtons(registry);
}
