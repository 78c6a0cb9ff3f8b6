#include "platform/forms/ComCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TListView.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/TTreeView.h"

namespace {

using namespace properties;

const TNames<TAlignment> kAlignments{ { "taLeftJustify", taLeftJustify },
                                      { "taRightJustify", taRightJustify },
                                      { "taCenter", taCenter } };

void RegisterListView(TClassRegistry& r) {
    const std::string item = "TListColumn";
    r.RegisterClass(item, "");
    r.RegisterProperty(item, "Caption", String(&TListColumn::SetCaption));
    r.RegisterProperty(item, "Width", Integer(&TListColumn::SetWidth));
    r.RegisterProperty(item, "MinWidth", Integer(&TListColumn::SetMinWidth));
    r.RegisterProperty(item, "MaxWidth", Integer(&TListColumn::SetMaxWidth));
    r.RegisterProperty(item, "Alignment", Enum(&TListColumn::SetAlignment, kAlignments));
    r.RegisterProperty(item, "ImageIndex", Integer(&TListColumn::SetImageIndex));

    const std::string c = "TListView";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TListView(owner); });
    r.RegisterProperty(c, "Columns", Collection(&TListView::Columns, item));
    r.RegisterProperty(
        c, "ViewStyle",
        Enum(&TListView::SetViewStyle, TNames<TViewStyle>{ { "vsIcon", vsIcon },
                                                           { "vsSmallIcon", vsSmallIcon },
                                                           { "vsList", vsList },
                                                           { "vsReport", vsReport } }));
    r.RegisterProperty(c, "GridLines", Boolean(&TListView::SetGridLines));
    r.RegisterProperty(c, "RowSelect", Boolean(&TListView::SetRowSelect));
    r.RegisterProperty(c, "MultiSelect", Boolean(&TListView::SetMultiSelect));
    r.RegisterProperty(c, "ReadOnly", Boolean(&TListView::SetReadOnly));
    r.RegisterProperty(c, "HideSelection", Boolean(&TListView::SetHideSelection));
    r.RegisterProperty(c, "ShowColumnHeaders", Boolean(&TListView::SetShowColumnHeaders));
    r.RegisterProperty(
        c, "BorderStyle",
        Enum(&TListView::SetBorderStyle,
             TNames<TFormBorderStyle>{ { "bsNone", bsNone }, { "bsSingle", bsSingle } }));
    r.RegisterProperty(c, "SmallImages", Reference(&TListView::SetSmallImages));
    r.RegisterProperty(c, "LargeImages", Reference(&TListView::SetLargeImages));
    r.RegisterProperty(c, "OwnerData", Boolean(&TListView::SetOwnerData));
    r.RegisterProperty(c, "OnSelectItem", Event(&TListView::OnSelectItem));
    r.RegisterProperty(c, "OnChange", Event(&TListView::OnChange));
    r.RegisterProperty(c, "OnColumnClick", Event(&TListView::OnColumnClick));
    r.RegisterProperty(c, "OnEditing", Event(&TListView::OnEditing));
    r.RegisterProperty(c, "OnEdited", Event(&TListView::OnEdited));
    r.RegisterProperty(c, "OnDeletion", Event(&TListView::OnDeletion));
    r.RegisterProperty(c, "OnData", Event(&TListView::OnData));
}

void RegisterPageControl(TClassRegistry& r) {
    const std::string c = "TPageControl";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TPageControl(owner); });
    r.RegisterProperty(c, "ActivePage", Reference(&TPageControl::SetActivePage));
    r.RegisterProperty(
        c, "TabPosition",
        Enum(&TPageControl::SetTabPosition, TNames<TTabPosition>{ { "tpTop", tpTop },
                                                                  { "tpBottom", tpBottom },
                                                                  { "tpLeft", tpLeft },
                                                                  { "tpRight", tpRight } }));
    r.RegisterProperty(c, "TabHeight", Integer(&TPageControl::SetTabHeight));
    r.RegisterProperty(c, "TabWidth", Integer(&TPageControl::SetTabWidth));
    r.RegisterProperty(c, "MultiLine", Boolean(&TPageControl::SetMultiLine));
    r.RegisterProperty(c, "Images", Reference(&TPageControl::SetImages));
    r.RegisterProperty(c, "OnChange", Event(&TPageControl::OnChange));
    r.RegisterProperty(c, "OnChanging", Event(&TPageControl::OnChanging));

    const std::string s = "TTabSheet";
    r.RegisterClass(s, "TWinControl", [](TComponent* owner) { return new TTabSheet(owner); });
    r.RegisterProperty(s, "PageControl", Reference(&TTabSheet::SetPageControl));
    r.RegisterProperty(s, "TabVisible", Boolean(&TTabSheet::SetTabVisible));
    r.RegisterProperty(s, "ImageIndex", Integer(&TTabSheet::SetImageIndex));
    r.RegisterProperty(s, "PageIndex", Integer(&TTabSheet::SetPageIndex));
}

void RegisterTreeView(TClassRegistry& r) {
    const std::string c = "TTreeView";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TTreeView(owner); });
    r.RegisterProperty(c, "Images", Reference(&TTreeView::SetImages));
    r.RegisterProperty(c, "StateImages", Reference(&TTreeView::SetStateImages));
    r.RegisterProperty(c, "Indent", Integer(&TTreeView::SetIndent));
    r.RegisterProperty(c, "ShowLines", Boolean(&TTreeView::SetShowLines));
    r.RegisterProperty(c, "ShowRoot", Boolean(&TTreeView::SetShowRoot));
    r.RegisterProperty(c, "ShowButtons", Boolean(&TTreeView::SetShowButtons));
    r.RegisterProperty(c, "ReadOnly", Boolean(&TTreeView::SetReadOnly));
    r.RegisterProperty(c, "HideSelection", Boolean(&TTreeView::SetHideSelection));
    r.RegisterProperty(
        c, "BorderStyle",
        Enum(&TTreeView::SetBorderStyle,
             TNames<TFormBorderStyle>{ { "bsNone", bsNone }, { "bsSingle", bsSingle } }));
    r.RegisterProperty(c, "OnChange", Event(&TTreeView::OnChange));
    r.RegisterProperty(c, "OnChanging", Event(&TTreeView::OnChanging));
    r.RegisterProperty(c, "OnExpanding", Event(&TTreeView::OnExpanding));
    r.RegisterProperty(c, "OnExpanded", Event(&TTreeView::OnExpanded));
    r.RegisterProperty(c, "OnCollapsing", Event(&TTreeView::OnCollapsing));
    r.RegisterProperty(c, "OnCollapsed", Event(&TTreeView::OnCollapsed));
    r.RegisterProperty(c, "OnEditing", Event(&TTreeView::OnEditing));
    r.RegisterProperty(c, "OnEdited", Event(&TTreeView::OnEdited));
    r.RegisterProperty(c, "OnDeletion", Event(&TTreeView::OnDeletion));
}

} // namespace

void RegisterComCtrlsClasses(TClassRegistry& registry) {
    RegisterTreeView(registry);
    RegisterListView(registry);
    RegisterPageControl(registry);
}
