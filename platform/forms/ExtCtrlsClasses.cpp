#include "platform/forms/ExtCtrlsClasses.h"
#include "platform/forms/FormDescription.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMemo.h"

namespace {

using namespace properties;

const TNames<TFormBorderStyle> kBorderStyles{ { "bsNone", bsNone }, { "bsSingle", bsSingle } };

// A list of lines written as Items.Strings = ( 'one' 'two' ).
template <typename T>
TPropertySetter Lines(TStrings& (T::*get)()) {
    return [get](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        if (v.Kind != TDescriptionValue::vkList) InvalidValue();
        TStrings& lines = (Target<T>(o)->*get)();
        lines.BeginUpdate();
        lines.Clear();
        for (const TDescriptionValue& line : v.List)
            lines.Add(StringOf(line));
        lines.EndUpdate();
    };
}

void RegisterListBox(TClassRegistry& r) {
    const std::string c = "TListBox";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TListBox(owner); });
    r.RegisterProperty(c, "Items.Strings", Lines(&TListBox::Items));
    r.RegisterProperty(c, "ItemHeight", Integer(&TListBox::SetItemHeight));
    r.RegisterProperty(c, "MultiSelect", Boolean(&TListBox::SetMultiSelect));
    r.RegisterProperty(c, "ExtendedSelect", Boolean(&TListBox::SetExtendedSelect));
    r.RegisterProperty(c, "Sorted", Boolean(&TListBox::SetSorted));
    r.RegisterProperty(c, "AutoComplete", Boolean(&TListBox::SetAutoComplete));
    r.RegisterProperty(c, "BorderStyle", Enum(&TListBox::SetBorderStyle, kBorderStyles));
    r.RegisterProperty(
        c, "Style",
        Enum(&TListBox::SetStyle,
             TNames<TListBoxStyle>{ { "lbStandard", lbStandard },
                                    { "lbOwnerDrawFixed", lbOwnerDrawFixed },
                                    { "lbOwnerDrawVariable", lbOwnerDrawVariable } }));
}

void RegisterComboBox(TClassRegistry& r) {
    const std::string c = "TComboBox";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TComboBox(owner); });
    r.RegisterProperty(
        c, "Style",
        Enum(&TComboBox::SetStyle, TNames<TComboBoxStyle>{ { "csDropDown", csDropDown },
                                                           { "csDropDownList", csDropDownList } }));
    r.RegisterProperty(c, "Items.Strings", Lines(&TComboBox::Items));
    r.RegisterProperty(c, "ItemIndex", Integer(&TComboBox::SetItemIndex));
    r.RegisterProperty(c, "DropDownCount", Integer(&TComboBox::SetDropDownCount));
    r.RegisterProperty(c, "Sorted", Boolean(&TComboBox::SetSorted));
    r.RegisterProperty(c, "OnChange", Event(&TComboBox::OnChange));
    r.RegisterProperty(c, "OnSelect", Event(&TComboBox::OnSelect));
    r.RegisterProperty(c, "OnDropDown", Event(&TComboBox::OnDropDown));
    r.RegisterProperty(c, "OnCloseUp", Event(&TComboBox::OnCloseUp));
}

void RegisterMemo(TClassRegistry& r) {
    const std::string c = "TMemo";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TMemo(owner); });
    r.RegisterProperty(c, "Lines.Strings", Lines(&TMemo::Lines));
    r.RegisterProperty(c, "ReadOnly", Boolean(&TMemo::SetReadOnly));
    r.RegisterProperty(c, "WordWrap", Boolean(&TMemo::SetWordWrap));
    r.RegisterProperty(c, "WantReturns", Boolean(&TMemo::SetWantReturns));
    r.RegisterProperty(c, "WantTabs", Boolean(&TMemo::SetWantTabs));
    r.RegisterProperty(c, "MaxLength", Integer(&TMemo::SetMaxLength));
    r.RegisterProperty(c, "BorderStyle", Enum(&TMemo::SetBorderStyle, kBorderStyles));
    r.RegisterProperty(
        c, "ScrollBars",
        Enum(&TMemo::SetScrollBars, TNames<TScrollStyle>{ { "ssNone", ssNone },
                                                          { "ssHorizontal", ssHorizontal },
                                                          { "ssVertical", ssVertical },
                                                          { "ssBoth", ssBoth } }));
    r.RegisterProperty(c, "OnChange", Event(&TMemo::OnChange));
}

} // namespace

void RegisterExtCtrlsClasses(TClassRegistry& r) {
    RegisterMemo(r);
    RegisterListBox(r);
    RegisterComboBox(r);
}
