#include "lib/controls/bsSkinPanelsClasses.h"

#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/controls/TbsSkinStatusBar.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinTextLabel.h"
#include "lib/controls/TbsSkinToolBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

const TNames<TAlignment> kAlignments{ { "taLeftJustify", taLeftJustify },
                                      { "taRightJustify", taRightJustify },
                                      { "taCenter", taCenter } };

void RegisterPanels(TClassRegistry& r) {
    const std::string c = "TbsSkinPanel";
    using T = TbsSkinPanel;
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "RibbonStyle", Boolean(&T::SetRibbonStyle));
    r.RegisterProperty(
        c, "ImagePosition",
        Enum(&T::SetImagePosition,
             TNames<TbsImagePosition>{ { "bsipDefault", bsipDefault }, { "bsipLeft", bsipLeft } }));
    r.RegisterProperty(c, "TransparentMode", Boolean(&T::SetTransparentMode));
    r.RegisterProperty(c, "CaptionImageList", Reference(&T::SetCaptionImageList));
    r.RegisterProperty(c, "CaptionImageIndex", Integer(&T::SetCaptionImageIndex));
    r.RegisterProperty(c, "RealHeight", Integer(&T::SetRealHeight));
    r.RegisterProperty(c, "AutoEnabledControls", Boolean(&T::SetAutoEnabledControls));
    r.RegisterProperty(c, "CheckedMode", Boolean(&T::SetCheckedMode));
    r.RegisterProperty(c, "Checked", Boolean(&T::SetChecked));
    r.RegisterProperty(c, "DefaultAlignment", Enum(&T::SetDefaultAlignment, kAlignments));
    r.RegisterProperty(c, "DefaultCaptionHeight", Integer(&T::SetDefaultCaptionHeight));
    r.RegisterProperty(
        c, "BorderStyle",
        Enum(&T::SetBorderStyle, TNames<TbsSkinBorderStyle>{ { "bvFrame", bvFrame },
                                                             { "bvRaised", bvRaised },
                                                             { "bvLowered", bvLowered },
                                                             { "bvNone", bvNone } }));
    r.RegisterProperty(c, "CaptionMode", Boolean(&T::SetCaptionMode));
    r.RegisterProperty(c, "RollUpMode", Boolean(&T::SetRollUpMode));
    r.RegisterProperty(c, "RollUpState", Boolean(&T::SetRollUpState));
    r.RegisterProperty(c, "NumGlyphs", Integer(&T::SetNumGlyphs));
    r.RegisterProperty(c, "Spacing", Integer(&T::SetSpacing));
    r.RegisterProperty(c, "OnChecked", Event(&T::OnChecked));
    r.RegisterProperty(c, "OnChangeRollUpState", Event(&T::OnChangeRollUpState));

    r.RegisterClass("TbsSkinPaintPanel", c, ComponentFactory<TbsSkinPaintPanel>());
    r.RegisterClass("TbsSkinGroupBox", c, ComponentFactory<TbsSkinGroupBox>());

    const std::string t = "TbsSkinToolBar";
    using B = TbsSkinToolBar;
    r.RegisterClass(t, c, ComponentFactory<B>());
    r.RegisterProperty(t, "AdjustControls", Boolean(&B::SetAdjustControls));
    r.RegisterProperty(t, "CanScroll", Boolean(&B::SetCanScroll));
    r.RegisterProperty(t, "HotScroll", Boolean(&B::SetHotScroll));
    r.RegisterProperty(t, "ScrollOffset", Integer(&B::SetScrollOffset));
    r.RegisterProperty(t, "ScrollTimerInterval", Integer(&B::SetScrollTimerInterval));
    r.RegisterProperty(t, "Flat", Boolean(&B::SetFlat));
    r.RegisterProperty(t, "ShowCaptions", Boolean(&B::SetShowCaptions));
    r.RegisterProperty(t, "AutoShowHideCaptions", Boolean(&B::SetAutoShowHideCaptions));
    r.RegisterProperty(t, "WidthWithCaptions", Integer(&B::SetWidthWithCaptions));
    r.RegisterProperty(t, "WidthWithoutCaptions", Integer(&B::SetWidthWithoutCaptions));
    r.RegisterProperty(t, "Images", Reference(&B::SetImages));
    r.RegisterProperty(t, "HotImages", Reference(&B::SetHotImages));
    r.RegisterProperty(t, "DisabledImages", Reference(&B::SetDisabledImages));

    const std::string s = "TbsSkinStatusBar";
    r.RegisterClass(s, c, ComponentFactory<TbsSkinStatusBar>());
    r.RegisterProperty(s, "SizeGrip", Boolean(&TbsSkinStatusBar::SetSizeGrip));
}

void RegisterCheckRadioBox(TClassRegistry& r) {
    const std::string c = "TbsSkinCheckRadioBox";
    using T = TbsSkinCheckRadioBox;
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Checked", Boolean(&T::SetChecked));
    r.RegisterProperty(c, "State",
                       Enum(&T::SetState, TNames<TCheckBoxState>{ { "cbUnchecked", cbUnchecked },
                                                                  { "cbChecked", cbChecked },
                                                                  { "cbGrayed", cbGrayed } }));
    r.RegisterProperty(c, "Radio", Boolean(&T::SetRadio));
    r.RegisterProperty(c, "GroupIndex", Integer(&T::SetGroupIndex));
    r.RegisterProperty(c, "AllowGrayed", Boolean(&T::SetAllowGrayed));
    r.RegisterProperty(c, "Flat", Boolean(&T::SetFlat));
    r.RegisterProperty(c, "WordWrap", Boolean(&T::SetWordWrap));
    r.RegisterProperty(c, "UseSkinFontColor", Boolean(&T::SetUseSkinFontColor));
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ImageIndex", Integer(&T::SetImageIndex));
    r.RegisterProperty(c, "CanFocused", Boolean(&T::SetCanFocused));
    // The box's own click event, not the class library's.
    r.RegisterProperty(c, "OnClick", Event(&T::OnClick));
}

// What the three labels store: T is a TbsSkinLabelBase.
template <typename T>
void RegisterLabelBinding(TClassRegistry& r, const std::string& c) {
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&T::SetSkinDataName));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
}

void RegisterLabels(TClassRegistry& r) {
    const std::string s = "TbsSkinStdLabel";
    r.RegisterClass(s, "TLabel", ComponentFactory<TbsSkinStdLabel>());
    RegisterLabelBinding<TbsSkinStdLabel>(r, s);
    r.RegisterProperty(s, "UseSkinColor", Boolean(&TbsSkinStdLabel::SetUseSkinColor));
    r.RegisterProperty(s, "EllipsType",
                       Enum(&TbsSkinStdLabel::SetEllipsType,
                            TNames<TbsEllipsType>{ { "bsetNone", bsetNone },
                                                   { "bsetEndEllips", bsetEndEllips },
                                                   { "bsetPathEllips", bsetPathEllips } }));

    const std::string t = "TbsSkinTextLabel";
    using T = TbsSkinTextLabel;
    r.RegisterClass(t, "TGraphicControl", ComponentFactory<T>());
    RegisterLabelBinding<T>(r, t);
    r.RegisterProperty(t, "UseSkinColor", Boolean(&T::SetUseSkinColor));
    r.RegisterProperty(t, "Lines.Strings", Lines(&T::Lines));
    r.RegisterProperty(t, "Alignment", Enum(&T::SetAlignment, kAlignments));
    r.RegisterProperty(t, "Layout",
                       Enum(&T::SetLayout, TNames<TTextLayout>{ { "tlTop", tlTop },
                                                                { "tlCenter", tlCenter },
                                                                { "tlBottom", tlBottom } }));
    r.RegisterProperty(t, "AutoSize", Boolean(&T::SetAutoSize));
    r.RegisterProperty(t, "WordWrap", Boolean(&T::SetWordWrap));

    const std::string l = "TbsSkinLinkLabel";
    using L = TbsSkinLinkLabel;
    r.RegisterClass(l, "TLabel", ComponentFactory<L>());
    RegisterLabelBinding<L>(r, l);
    r.RegisterProperty(l, "GlowEffect", Boolean(&L::SetGlowEffect));
    r.RegisterProperty(l, "GlowSize", Integer(&L::SetGlowSize));
    r.RegisterProperty(l, "UseUnderLine", Boolean(&L::SetUseUnderLine));
    r.RegisterProperty(l, "URL", String(&L::SetURL));
}

void RegisterBevelAndSplitter(TClassRegistry& r) {
    const std::string b = "TbsSkinBevel";
    r.RegisterClass(b, "TBevel", ComponentFactory<TbsSkinBevel>());
    r.RegisterProperty(b, "SkinData", Reference(&TbsSkinBevel::SetSkinData));
    r.RegisterProperty(b, "SkinDataName", String(&TbsSkinBevel::SetSkinDataName));
    r.RegisterProperty(b, "DividerMode", Boolean(&TbsSkinBevel::SetDividerMode));

    const std::string s = "TbsSkinSplitter";
    r.RegisterClass(s, "TSplitter", ComponentFactory<TbsSkinSplitter>());
    r.RegisterProperty(s, "SkinData", Reference(&TbsSkinSplitter::SetSkinData));
    r.RegisterProperty(s, "SkinDataName", String(&TbsSkinSplitter::SetSkinDataName));
    r.RegisterProperty(s, "Transparent", Boolean(&TbsSkinSplitter::SetTransparent));
    r.RegisterProperty(s, "DefaultSize", Integer(&TbsSkinSplitter::SetDefaultSize));
}

} // namespace

void RegisterSkinPanelsClasses(TClassRegistry& registry) {
    // The labels, the bevel and the splitter take the class library's properties of theirs.
    RegisterStdCtrlsClasses();
    RegisterPanels(registry);
    RegisterCheckRadioBox(registry);
    RegisterLabels(registry);
    RegisterBevelAndSplitter(registry);
}
