#include "lib/skindata/TbsCompressedSkinList.h"

#include "platform/rtl/Format.h"

TbsSkinListItem::TbsSkinListItem(TCollection* collection) : TCollectionItem(collection) {
    FName = Format("bsSkin%d", Index());
}

const TComponent* TbsSkinListItem::Judge() const {
    const auto* items = dynamic_cast<const TbsSkinListItems*>(Collection());
    return items ? items->SkinList() : nullptr;
}

void TbsSkinListItem::SetFileName(const std::string& value) {
    if (const TComponent* judge = Judge())
        TbsCompressedStoredSkin::SetFileNameOf(*FSkin, FFileName, value, *judge);
    else
        FFileName = value;
}

void TbsSkinListItem::SetCompressedFileName(const std::string& value) {
    if (const TComponent* judge = Judge())
        TbsCompressedStoredSkin::SetCompressedFileNameOf(*FSkin, FCompressedFileName, value,
                                                         *judge);
    else
        FCompressedFileName = value;
}

void TbsSkinListItem::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TbsSkinListItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    TMemoryStream block;
    other->WriteSkin(block);
    ReadSkin(block);
    FSkin->SetDescription(other->FSkin->Description());
    FDescription = other->FDescription;
    FFileName = other->FFileName;
    FCompressedFileName = other->FCompressedFileName;
    FName = other->FName;
}

TbsSkinListItems::TbsSkinListItems(TbsCompressedSkinList* skinList)
    : TCollection(skinList, [](TCollection* items) { return new TbsSkinListItem(items); }),
      FSkinList(skinList) {}

TbsSkinListItem* TbsSkinListItems::Items(int index) const {
    return static_cast<TbsSkinListItem*>(TCollection::Items(index));
}

TbsSkinListItem* TbsSkinListItems::Add() {
    return static_cast<TbsSkinListItem*>(TCollection::Add());
}

TbsCompressedSkinList::TbsCompressedSkinList(TComponent* owner)
    : TComponent(owner), FSkins(std::make_unique<TbsSkinListItems>(this)) {}

TbsCompressedSkinList::~TbsCompressedSkinList() = default;
