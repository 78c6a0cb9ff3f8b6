#include "platform/forms/TListItems.h"
#include "platform/forms/TListView.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include <algorithm>

TListItem::TListItem(TListItems* owner) : FOwner(owner) {
    FSubItems.OnChange = [this](TStrings*) { Changed(); };
}

TListItem::~TListItem() = default;

TListView* TListItem::ListView() const {
    return FOwner ? FOwner->Owner() : nullptr;
}

int TListItem::Index() const {
    return FOwner ? FOwner->IndexOf(this) : -1;
}

void TListItem::SetCaption(const std::string& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TListItem::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    if (Fetching()) return;
    if (TListView* view = ListView()) view->ItemChanged(this, ctImage);
}

bool TListItem::Fetching() const {
    return FOwner && FOwner->FFetching && FOwner->FDataItem.get() == this;
}

void TListItem::SetSelected(bool value) {
    if (TListView* view = ListView())
        view->SetItemSelected(this, value);
    else
        FSelected = value;
}

void TListItem::SetFocused(bool value) {
    if (TListView* view = ListView())
        view->SetItemFocusedState(this, value);
    else
        FFocused = value;
}

TRect TListItem::DisplayRect(TDisplayCode code) const {
    TListView* view = ListView();
    return view ? view->ItemRect(Index(), code) : TRect();
}

void TListItem::MakeVisible(bool partialOK) {
    if (TListView* view = ListView()) view->MakeItemVisible(Index(), partialOK);
}

bool TListItem::EditCaption() {
    TListView* view = ListView();
    return view && view->EditItem(this);
}

void TListItem::Update() {
    if (TListView* view = ListView()) view->Invalidate();
}

void TListItem::Assign(const TListItem& source) {
    if (&source == this) return;
    FCaption = source.FCaption;
    FSubItems.Assign(source.FSubItems);
    FImageIndex = source.FImageIndex;
    FData = source.FData;
    Changed();
}

void TListItem::Delete() {
    if (FOwner) FOwner->Delete(Index());
}

void TListItem::Changed() {
    if (Fetching()) return;
    if (TListView* view = ListView()) view->ItemChanged(this, ctText);
}

TListItems::TListItems(TListView* owner) : FOwner(owner) {}

TListItems::~TListItems() {
    // The view is going: items leave without telling it.
    for (auto& item : FItems)
        item->FOwner = nullptr;
}

bool TListItems::OwnerData() const {
    return FOwner && FOwner->OwnerData();
}

TListItem* TListItems::Item(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    if (!OwnerData()) return FItems[std::size_t(index)].get();
    auto& self = const_cast<TListItems&>(*this);
    if (!self.FDataItem) self.FDataItem = std::make_unique<TListItem>(&self);
    TListItem* item = self.FDataItem.get();
    self.FDataIndex = index;
    self.FFetching = true;
    try {
        item->FCaption.clear();
        item->FSubItems.Clear();
        item->FImageIndex = -1;
        item->FData = nullptr;
        FOwner->FetchItem(item);
    } catch (...) {
        self.FFetching = false;
        throw;
    }
    self.FFetching = false;
    return item;
}

void TListItems::SetCount(int value) {
    if (!OwnerData()) return;
    FDataCount = std::max(value, 0);
    FOwner->DataCountChanged();
    Changed();
}

TListItem* TListItems::Add() {
    return Insert(Count());
}

TListItem* TListItems::Insert(int index) {
    if (index < 0 || index > Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    if (OwnerData()) {
        // An owner-data view only counts its items; the program keeps them.
        FOwner->DataItemsShifted(index, 1);
        SetCount(FDataCount + 1);
        return Item(index);
    }
    FItems.insert(FItems.begin() + index, std::make_unique<TListItem>(this));
    Changed();
    return FItems[std::size_t(index)].get();
}

void TListItems::Delete(int index) {
    if (OwnerData()) {
        if (index < 0 || index >= Count())
            throw EListError(Format("List index out of bounds (%d)", index));
        FOwner->DataItemsShifted(index, -1);
        SetCount(FDataCount - 1);
        return;
    }
    TListItem* item = Item(index);
    if (FOwner) FOwner->ItemRemoving(item);
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TListItems::Clear() {
    if (OwnerData()) {
        SetCount(0);
        return;
    }
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

int TListItems::IndexOf(const TListItem* item) const {
    if (item && item == FDataItem.get()) return FDataIndex;
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item) return int(i);
    return -1;
}

void TListItems::BeginUpdate() {
    ++FUpdateCount;
}

void TListItems::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) Changed();
}

void TListItems::Changed() {
    if (FUpdateCount == 0 && FOwner) FOwner->ItemsChanged();
}
