#include "lib/controls/bsOfficeCtrlsClasses.h"

#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace properties;

void RegisterItem(TClassRegistry& r) {
    using T = TbsSkinOfficeItem;
    const std::string c = "TbsSkinOfficeItem";
    r.RegisterClass(c, "");
    r.RegisterProperty(c, "Header", Boolean(&T::SetHeader));
    r.RegisterProperty(c, "Enabled", Boolean(&T::SetEnabled));
    r.RegisterProperty(c, "Title", String(&T::SetTitle));
    r.RegisterProperty(c, "Caption", String(&T::SetCaption));
    r.RegisterProperty(c, "ImageIndex", Integer(&T::SetImageIndex));
    r.RegisterProperty(c, "OnClick", Event(&T::OnClick));
}

void RegisterListBox(TClassRegistry& r) {
    using T = TbsSkinOfficeListBox;
    const std::string c = "TbsSkinOfficeListBox";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Items", Collection(&T::Items, "TbsSkinOfficeItem"));
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ShowItemTitles", Boolean(&T::SetShowItemTitles));
    r.RegisterProperty(c, "ItemHeight", Integer(&T::SetItemHeight));
    r.RegisterProperty(c, "HeaderHeight", Integer(&T::SetHeaderHeight));
    r.RegisterProperty(c, "ItemIndex", Integer(&T::SetItemIndex));
    r.RegisterProperty(c, "ShowLines", Boolean(&T::SetShowLines));
    r.RegisterProperty(c, "MouseMoveChangeIndex", Boolean(&T::SetMouseMoveChangeIndex));
    r.RegisterProperty(c, "OnDrawItem", Event(&T::OnDrawItem));
    r.RegisterProperty(c, "OnItemClick", Event(&T::OnItemClick));
}

void RegisterComboBox(TClassRegistry& r) {
    using T = TbsSkinCustomOfficeComboBox;
    const std::string c = "TbsSkinCustomOfficeComboBox";
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "UseSkinSize", Boolean(&T::SetUseSkinSize));
    r.RegisterProperty(c, "ToolButtonStyle", Boolean(&T::SetToolButtonStyle));
    r.RegisterProperty(c, "AlphaBlend", Boolean(&T::SetAlphaBlend));
    r.RegisterProperty(c, "AlphaBlendAnimation", Boolean(&T::SetAlphaBlendAnimation));
    r.RegisterProperty(c, "AlphaBlendValue", Integer(&T::SetAlphaBlendValue));
    RegisterFontProperties(r, c, "ListBoxDefaultFont", [](TPersistent* o) -> TFont& {
        return Target<T>(o)->ListBoxDefaultFont();
    });
    r.RegisterProperty(c, "ListBoxUseSkinFont", Boolean(&T::SetListBoxUseSkinFont));
    r.RegisterProperty(c, "ListBoxWidth", Integer(&T::SetListBoxWidth));
    r.RegisterProperty(c, "ListBoxHeight", Integer(&T::SetListBoxHeight));
    r.RegisterProperty(c, "ListBoxShowItemTitles", Boolean(&T::SetListBoxShowItemTitles));
    r.RegisterProperty(c, "ListBoxSkinDataName", String(&T::SetListBoxSkinDataName));
    r.RegisterProperty(c, "ListBoxShowLines", Boolean(&T::SetListBoxShowLines));
    r.RegisterProperty(c, "ListBoxItemHeight", Integer(&T::SetListBoxItemHeight));
    r.RegisterProperty(c, "ListBoxHeaderHeight", Integer(&T::SetListBoxHeaderHeight));
    r.RegisterProperty(c, "HideSelection", Boolean(&T::SetHideSelection));
    r.RegisterProperty(c, "Images", Reference(&T::SetImages));
    r.RegisterProperty(c, "ShowItemTitle", Boolean(&T::SetShowItemTitle));
    r.RegisterProperty(c, "ShowItemImage", Boolean(&T::SetShowItemImage));
    r.RegisterProperty(c, "ShowItemText", Boolean(&T::SetShowItemText));
    r.RegisterProperty(c, "DefaultColor",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           Target<T>(o)->SetDefaultColor(ColorOf(v));
                       });
    r.RegisterProperty(c, "Items", Collection(&T::Items, "TbsSkinOfficeItem"));
    r.RegisterProperty(c, "ItemIndex", Integer(&T::SetItemIndex));
    r.RegisterProperty(c, "DropDownCount", Integer(&T::SetDropDownCount));
    r.RegisterProperty(c, "OnDrawItem", Event(&T::OnDrawItem));
    r.RegisterProperty(c, "OnChange", Event(&T::OnChange));
    r.RegisterProperty(c, "OnClick", Event(&T::OnClick));
    r.RegisterProperty(c, "OnCloseUp", Event(&T::OnCloseUp));
    r.RegisterProperty(c, "OnDropDown", Event(&T::OnDropDown));
    r.RegisterClass("TbsSkinOfficeComboBox", c, ComponentFactory<TbsSkinOfficeComboBox>());
}

} // namespace

void RegisterOfficeCtrlsClasses(TClassRegistry& r) {
    RegisterItem(r);
    RegisterListBox(r);
    RegisterComboBox(r);
}
