#include "platform/forms/ComCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TListView.h"

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
    r.RegisterProperty(c, "OnSelectItem", Event(&TListView::OnSelectItem));
    r.RegisterProperty(c, "OnChange", Event(&TListView::OnChange));
    r.RegisterProperty(c, "OnColumnClick", Event(&TListView::OnColumnClick));
    r.RegisterProperty(c, "OnEditing", Event(&TListView::OnEditing));
    r.RegisterProperty(c, "OnEdited", Event(&TListView::OnEdited));
}

} // namespace

void RegisterComCtrlsClasses(TClassRegistry& registry) {
    RegisterListView(registry);
}
