#include "platform/forms/TCollection.h"
#include "platform/rtl/Format.h"
#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* collection) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* value) {
    if (value == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (value) value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int value) {
    if (FCollection && value != Index()) FCollection->MoveItem(this, value);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection) FCollection->ItemChanged(allItems ? nullptr : this);
}

TCollection::TCollection(TItemFactory factory) : TCollection(nullptr, std::move(factory)) {}

TCollection::TCollection(TPersistent* owner, TItemFactory factory)
    : FOwner(owner), FFactory(std::move(factory)) {
    if (!FFactory) FFactory = [](TCollection* c) { return new TCollectionItem(c); };
}

TCollection::~TCollection() {
    FUpdateCount = 1; // no change reports while going
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FItems[std::size_t(index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = FFactory(this);
    // A factory that did not hand the collection to the item's constructor still adds it.
    if (item->FCollection != this) item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = Add();
        MoveItem(item, index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == id) return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem* item : other->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem* item) {
    if (OnUpdate) OnUpdate(item);
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    std::erase(FItems, item);
    item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int newIndex) {
    const int cur = item->Index();
    if (newIndex < 0 || newIndex >= Count())
        throw EListError(Format("List index out of bounds (%d)", newIndex));
    FItems.erase(FItems.begin() + cur);
    FItems.insert(FItems.begin() + newIndex, item);
    Changed();
}

void TCollection::ItemChanged(TCollectionItem* item) {
    if (FUpdateCount == 0) Update(item);
}
