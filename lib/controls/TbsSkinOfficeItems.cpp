#include "lib/controls/TbsSkinOfficeItems.h"

#include "lib/controls/TbsSkinOfficeListBox.h"

TbsSkinOfficeItem::TbsSkinOfficeItem(TCollection* collection) : TCollectionItem(collection) {
    const auto* items = dynamic_cast<TbsSkinOfficeItems*>(collection);
    if (items && items->OfficeListBox) Active = Index() == items->OfficeListBox->ItemIndex();
}

void TbsSkinOfficeItem::SetImageIndex(int value) {
    FImageIndex = value;
    Changed(false);
}

void TbsSkinOfficeItem::SetTitle(const std::string& value) {
    FTitle = value;
    Changed(false);
}

void TbsSkinOfficeItem::SetCaption(const std::string& value) {
    FCaption = value;
    Changed(false);
}

void TbsSkinOfficeItem::SetEnabled(bool value) {
    FEnabled = value;
    Changed(false);
}

void TbsSkinOfficeItem::SetHeader(bool value) {
    FHeader = value;
    Changed(false);
}

void TbsSkinOfficeItem::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TbsSkinOfficeItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = other->FImageIndex;
    FTitle = other->FTitle;
    FCaption = other->FCaption;
    FEnabled = other->FEnabled;
    FData = other->FData;
    FHeader = other->FHeader;
    OnClick = other->OnClick;
    Changed(false);
}

TbsSkinOfficeItems::TbsSkinOfficeItems(TbsSkinOfficeListBox* listBox)
    : TCollection(listBox, [](TCollection* c) { return new TbsSkinOfficeItem(c); }),
      OfficeListBox(listBox) {}

TbsSkinOfficeItem* TbsSkinOfficeItems::Items(int index) const {
    return static_cast<TbsSkinOfficeItem*>(TCollection::Items(index));
}

TbsSkinOfficeItem* TbsSkinOfficeItems::Add() {
    // The collection hears of the new row while the row's own part is still being built; held
    // back until then, the list lays out only whole rows.
    BeginUpdate();
    TCollectionItem* added = nullptr;
    try {
        added = TCollection::Add();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    auto* item = static_cast<TbsSkinOfficeItem*>(added);
    if (OfficeListBox) OfficeListBox->RepaintRows();
    return item;
}

TbsSkinOfficeItem* TbsSkinOfficeItems::Insert(int index) {
    auto* item = static_cast<TbsSkinOfficeItem*>(TCollection::Insert(index));
    if (OfficeListBox) OfficeListBox->RepaintRows();
    return item;
}

void TbsSkinOfficeItems::Delete(int index) {
    TCollection::Delete(index);
    if (OfficeListBox) OfficeListBox->RepaintRows();
}

void TbsSkinOfficeItems::Clear() {
    TCollection::Clear();
    if (OfficeListBox) OfficeListBox->RepaintRows();
}

void TbsSkinOfficeItems::Update(TCollectionItem* item) {
    TCollection::Update(item);
    if (!OfficeListBox) return;
    OfficeListBox->RepaintRows();
    OfficeListBox->UpdateScrollInfo();
}
