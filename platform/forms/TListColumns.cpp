#include "platform/forms/TListColumns.h"
#include "platform/forms/TListView.h"
#include <algorithm>

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

void TListColumn::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TListColumn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FCaption = other->FCaption;
    FWidth = other->FWidth;
    FMinWidth = other->FMinWidth;
    FMaxWidth = other->FMaxWidth;
    FAlignment = other->FAlignment;
    FImageIndex = other->FImageIndex;
    Changed(false);
}

void TListColumn::SetCaption(const std::string& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed(false);
}

void TListColumn::SetWidth(int value) {
    value = std::max(value, 0);
    if (FWidth == value) return;
    FWidth = value;
    Changed(false);
}

void TListColumn::SetMinWidth(int value) {
    FMinWidth = std::max(value, 0);
    if (FMinWidth > 0 && FWidth < FMinWidth) SetWidth(FMinWidth);
}

void TListColumn::SetMaxWidth(int value) {
    FMaxWidth = std::max(value, 0);
    if (FMaxWidth > 0 && FWidth > FMaxWidth) SetWidth(FMaxWidth);
}

void TListColumn::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Changed(false);
}

void TListColumn::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    Changed(false);
}

int TListColumn::ConstrainWidth(int value) const {
    value = std::max(value, FMinWidth);
    if (FMaxWidth > 0) value = std::min(value, FMaxWidth);
    return std::max(value, 0);
}

TListColumns::TListColumns(TListView* owner)
    : TCollection(owner,
                  [](TCollection* c) {
                      // The collection reports the insertion from the item's base constructor,
                      // before the column exists: hold that report back until it does.
                      auto* columns = static_cast<TListColumns*>(c);
                      columns->FConstructing = true;
                      auto* column = new TListColumn(c);
                      columns->FConstructing = false;
                      columns->Changed();
                      return column;
                  }),
      FListView(owner) {}

void TListColumns::Update(TCollectionItem*) {
    if (FListView && !FConstructing) FListView->ColumnsChanged();
}
