#include "lib/controls/bsSkinListClasses.h"

#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinListBox.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

const TNames<TAlignment> kAlignments{ { "taLeftJustify", taLeftJustify },
                                      { "taRightJustify", taRightJustify },
                                      { "taCenter", taCenter } };

void RegisterListBox(TClassRegistry& r) {
    const std::string c = "TbsSkinListBox";
    using T = TbsSkinListBox;
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Items.Strings", Lines(&T::Items));
    r.RegisterProperty(c, "ItemIndex", Integer(&T::SetItemIndex));
    r.RegisterProperty(c, "TabWidths.Strings", Lines(&T::TabWidths));
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ImageIndex", Integer(&T::SetImageIndex));
    r.RegisterProperty(c, "RowCount", Integer(&T::SetRowCount));
    r.RegisterProperty(c, "HorizontalExtent", Boolean(&T::SetHorizontalExtent));
    r.RegisterProperty(c, "Columns", Integer(&T::SetColumns));
    r.RegisterProperty(c, "DefaultItemHeight", Integer(&T::SetDefaultItemHeight));
    r.RegisterProperty(c, "UseSkinItemHeight", Boolean(&T::SetUseSkinItemHeight));
    r.RegisterProperty(c, "CaptionMode", Boolean(&T::SetCaptionMode));
    r.RegisterProperty(c, "DefaultCaptionHeight", Integer(&T::SetDefaultCaptionHeight));
    r.RegisterProperty(c, "Alignment", Enum(&T::SetAlignment, kAlignments));
    r.RegisterProperty(c, "ShowCaptionButtons", Boolean(&T::SetShowCaptionButtons));
    r.RegisterProperty(c, "NumGlyphs", Integer(&T::SetNumGlyphs));
    r.RegisterProperty(c, "Spacing", Integer(&T::SetSpacing));
    RegisterFontProperties(r, c, "DefaultCaptionFont", [](TPersistent* o) -> TFont& {
        return Target<T>(o)->DefaultCaptionFont();
    });
    r.RegisterProperty(c, "OnUpButtonClick", Event(&T::OnUpButtonClick));
    r.RegisterProperty(c, "OnDownButtonClick", Event(&T::OnDownButtonClick));
    r.RegisterProperty(c, "OnCheckButtonClick", Event(&T::OnCheckButtonClick));
    r.RegisterProperty(c, "OnListBoxClick", Event(&T::OnListBoxClick));
    r.RegisterProperty(c, "OnListBoxDblClick", Event(&T::OnListBoxDblClick));
}

void RegisterComboBox(TClassRegistry& r) {
    const std::string c = "TbsSkinComboBox";
    using T = TbsSkinComboBox;
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Items.Strings", Lines(&T::Items));
    r.RegisterProperty(c, "ItemIndex", Integer(&T::SetItemIndex));
    r.RegisterProperty(c, "DropDownCount", Integer(&T::SetDropDownCount));
    r.RegisterProperty(c, "ListBoxWidth", Integer(&T::SetListBoxWidth));
    r.RegisterProperty(c, "AutoComplete", Boolean(&T::SetAutoComplete));
    r.RegisterProperty(c, "UseSkinSize", Boolean(&T::SetUseSkinSize));
    r.RegisterProperty(c, "ToolButtonStyle", Boolean(&T::SetToolButtonStyle));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    r.RegisterProperty(c, "ListBoxCaption", String(&T::SetListBoxCaption));
    r.RegisterProperty(c, "ListBoxCaptionMode", Boolean(&T::SetListBoxCaptionMode));
    r.RegisterProperty(c, "ListBoxCaptionAlignment",
                       Enum(&T::SetListBoxCaptionAlignment, kAlignments));
    r.RegisterProperty(c, "ListBoxDefaultItemHeight", Integer(&T::SetListBoxDefaultItemHeight));
    r.RegisterProperty(c, "ListBoxUseSkinFont", Boolean(&T::SetListBoxUseSkinFont));
    r.RegisterProperty(c, "ListBoxUseSkinItemHeight", Boolean(&T::SetListBoxUseSkinItemHeight));
    r.RegisterProperty(c, "Sorted", Boolean(&T::SetSorted));
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ImageIndex", Integer(&T::SetImageIndex));
    r.RegisterProperty(c, "TabWidths.Strings", Lines(&T::TabWidths));
    r.RegisterProperty(c, "OnChange", Event(&T::OnChange));
    r.RegisterProperty(c, "OnClick", Event(&T::OnClick));
    r.RegisterProperty(c, "OnCloseUp", Event(&T::OnCloseUp));
    r.RegisterProperty(c, "OnDropDown", Event(&T::OnDropDown));
}

// The platform's list view with the skin's colours, header and outside skin scroll bars.
void RegisterListView(TClassRegistry& r) {
    const std::string c = "TbsSkinListView";
    using T = TbsSkinListView;
    r.RegisterClass(c, "TListView", ComponentFactory<T>());
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&T::SetSkinDataName));
    r.RegisterProperty(c, "HeaderSkinDataName", String(&T::SetHeaderSkinDataName));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    r.RegisterProperty(c, "HScrollBar", Reference(&T::SetHScrollBar));
    r.RegisterProperty(c, "VScrollBar", Reference(&T::SetVScrollBar));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
}

} // namespace

void RegisterSkinListClasses(TClassRegistry& registry) {
    RegisterListBox(registry);
    RegisterComboBox(registry);
    RegisterListView(registry);
}
