#include "lib/TbsCompressedSkinList.h"

#include "platform/rtl/Format.h"

TbsSkinListItem::TbsSkinListItem(int index) : FName(Format("bsSkin%d", index)) {}

void TbsSkinListItem::Assign(const TbsSkinListItem& source) {
    TMemoryStream block;
    source.WriteSkin(block);
    ReadSkin(block);
    FSkin.SetDescription(source.FSkin.Description());
    FSkin.SetFileName(source.FSkin.FileName());
    FSkin.SetCompressedFileName(source.FSkin.CompressedFileName());
    FDescription = source.FDescription;
    FFileName = source.FFileName;
    FCompressedFileName = source.FCompressedFileName;
    FName = source.FName;
}

TbsSkinListItem& TbsSkinListItems::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return *FItems[std::size_t(index)];
}

TbsSkinListItem& TbsSkinListItems::Add() {
    FItems.push_back(std::make_unique<TbsSkinListItem>(Count()));
    return *FItems.back();
}

void TbsSkinListItems::Delete(int index) {
    Items(index);
    FItems.erase(FItems.begin() + index);
}

void TbsSkinListItems::Assign(const TbsSkinListItems& source) {
    if (&source == this) return;
    std::vector<std::unique_ptr<TbsSkinListItem>> items;
    for (int i = 0; i < source.Count(); ++i) {
        items.push_back(std::make_unique<TbsSkinListItem>(i));
        items.back()->Assign(source.Items(i));
    }
    FItems = std::move(items);
}
