#include "lib/controls/bsScrollCtrlsClasses.h"

#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "platform/forms/TClassRegistry.h"

namespace {

using namespace properties;

void RegisterScrollBar(TClassRegistry& r) {
    using T = TbsSkinScrollBar;
    const std::string c = "TbsSkinScrollBar";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Kind",
                       Enum(&T::SetKind, TNames<TScrollBarKind>{ { "sbHorizontal", sbHorizontal },
                                                                 { "sbVertical", sbVertical } }));
    r.RegisterProperty(c, "Min", Integer(&T::SetMin));
    r.RegisterProperty(c, "Max", Integer(&T::SetMax));
    r.RegisterProperty(c, "Position", Integer(&T::SetPosition));
    r.RegisterProperty(c, "PageSize", Integer(&T::SetPageSize));
    r.RegisterProperty(c, "SmallChange", Integer(&T::SetSmallChange));
    r.RegisterProperty(c, "LargeChange", Integer(&T::SetLargeChange));
    r.RegisterProperty(c, "Both", Boolean(&T::SetBoth));
    r.RegisterProperty(c, "BothMarkerWidth", Integer(&T::SetBothMarkerWidth));
    r.RegisterProperty(c, "BothSkinDataName", String(&T::SetBothSkinDataName));
    r.RegisterProperty(c, "CanFocused", Boolean(&T::SetCanFocused));
    r.RegisterProperty(c, "OnChange", Event(&T::OnChange));
    r.RegisterProperty(c, "OnLastChange", Event(&T::OnLastChange));
    r.RegisterProperty(c, "OnUpButtonClick", Event(&T::OnUpButtonClick));
    r.RegisterProperty(c, "OnDownButtonClick", Event(&T::OnDownButtonClick));
    r.RegisterProperty(c, "OnPageUp", Event(&T::OnPageUp));
    r.RegisterProperty(c, "OnPageDown", Event(&T::OnPageDown));
}

void RegisterUpDown(TClassRegistry& r) {
    using T = TbsSkinUpDown;
    const std::string c = "TbsSkinUpDown";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "UseSkinSize", Boolean(&T::SetUseSkinSize));
    r.RegisterProperty(
        c, "Orientation",
        Enum(&T::SetOrientation, TNames<TUDOrientation>{ { "udHorizontal", udHorizontal },
                                                         { "udVertical", udVertical } }));
    r.RegisterProperty(c, "Increment", Integer(&T::SetIncrement));
    r.RegisterProperty(c, "Min", Integer(&T::SetMin));
    r.RegisterProperty(c, "Max", Integer(&T::SetMax));
    r.RegisterProperty(c, "Position", Integer(&T::SetPosition));
    r.RegisterProperty(c, "OnChange", Event(&T::OnChange));
    r.RegisterProperty(c, "OnUpButtonClick", Event(&T::OnUpButtonClick));
    r.RegisterProperty(c, "OnDownButtonClick", Event(&T::OnDownButtonClick));
}

void RegisterScrollBox(TClassRegistry& r) {
    using T = TbsSkinScrollBox;
    const std::string c = "TbsSkinScrollBox";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "VScrollBar", Reference(&T::SetVScrollBar));
    r.RegisterProperty(c, "HScrollBar", Reference(&T::SetHScrollBar));
    r.RegisterProperty(
        c, "BorderStyle",
        Enum(&T::SetBorderStyle, TNames<TbsSkinBorderStyle>{ { "bvFrame", bvFrame },
                                                             { "bvRaised", bvRaised },
                                                             { "bvLowered", bvLowered },
                                                             { "bvNone", bvNone } }));
    r.RegisterProperty(c, "CanFocused", Boolean(&T::SetCanFocused));
}

void RegisterSlider(TClassRegistry& r) {
    using T = TbsSkinCustomSlider;
    const std::string c = "TbsSkinCustomSlider";
    r.RegisterClass(c, "TbsSkinControl", ComponentFactory<T>());
    r.RegisterProperty(c, "MinValue", Integer(&T::SetMinValue));
    r.RegisterProperty(c, "MaxValue", Integer(&T::SetMaxValue));
    r.RegisterProperty(c, "Value", Integer(&T::SetValue));
    r.RegisterProperty(c, "Increment", Integer(&T::SetIncrement));
    r.RegisterProperty(
        c, "Orientation",
        Enum(&T::SetOrientation, TNames<TbsSliderOrientation>{ { "soHorizontal", soHorizontal },
                                                               { "soVertical", soVertical } }));
    r.RegisterProperty(
        c, "Options",
        Set(&T::SetOptions, TNames<TbsSliderOption>{ { "soShowFocus", soShowFocus },
                                                     { "soShowPoints", soShowPoints },
                                                     { "soSmooth", soSmooth },
                                                     { "soRulerOpaque", soRulerOpaque },
                                                     { "soThumbOpaque", soThumbOpaque } }));
    r.RegisterProperty(c, "EdgeSize", Integer(&T::SetEdgeSize));
    r.RegisterProperty(c, "NumThumbStates", Integer(&T::SetNumThumbStates));
    r.RegisterProperty(c, "Transparent", Boolean(&T::SetTransparent));
    r.RegisterProperty(c, "UseSkinThumb", Boolean(&T::SetUseSkinThumb));
    r.RegisterProperty(c, "OnChange", Event(&T::OnChange));
    r.RegisterProperty(c, "OnChanged", Event(&T::OnChanged));
    r.RegisterProperty(c, "OnDrawPoints", Event(&T::OnDrawPoints));
    r.RegisterClass("TbsSkinSlider", c, ComponentFactory<TbsSkinSlider>());
}

} // namespace

void RegisterScrollCtrlsClasses(TClassRegistry& registry) {
    RegisterScrollBar(registry);
    RegisterUpDown(registry);
    RegisterScrollBox(registry);
    RegisterSlider(registry);
}
