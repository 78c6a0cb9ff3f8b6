#pragma once
#include "lib/TbsCompressedStoredSkin.h"

#include <memory>
#include <string>
#include <vector>

// One skin of a skin list: its own stored skin and the texts a skin list shows for it.
class TbsSkinListItem {
public:
    // A new item is named "bsSkin<index>" after its place in the list.
    explicit TbsSkinListItem(int index);
    TbsSkinListItem(const TbsSkinListItem&) = delete;
    TbsSkinListItem& operator=(const TbsSkinListItem&) = delete;

    TbsCompressedStoredSkin& Skin() { return FSkin; }
    const TbsCompressedStoredSkin& Skin() const { return FSkin; }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    const std::string& DisplayName() const { return FName; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& value) { FCompressedFileName = value; }

    // The item's binary property: its stored skin as a framed block.
    void ReadSkin(TStream& stream) { FSkin.LoadFromCompressStream(stream); }
    void WriteSkin(TStream& stream) const { FSkin.SaveToCompressStream(stream); }

    // Takes the texts and a copy of the block of another item.
    void Assign(const TbsSkinListItem& source);

private:
    TbsCompressedStoredSkin FSkin;
    std::string FDescription;
    std::string FFileName;
    std::string FCompressedFileName;
    std::string FName;
};

class TbsCompressedSkinList;

// The items of a skin list, in order.
class TbsSkinListItems {
public:
    explicit TbsSkinListItems(TbsCompressedSkinList* skinList) : FSkinList(skinList) {}
    TbsSkinListItems(const TbsSkinListItems&) = delete;
    TbsSkinListItems& operator=(const TbsSkinListItems&) = delete;

    TbsCompressedSkinList* Owner() const { return FSkinList; }
    int Count() const { return int(FItems.size()); }
    // Raises EListError for an index outside the list.
    TbsSkinListItem& Items(int index) const;
    TbsSkinListItem& Add();
    void Delete(int index);
    void Clear() { FItems.clear(); }
    // Replaces the items with copies of the source's.
    void Assign(const TbsSkinListItems& source);

private:
    TbsCompressedSkinList* FSkinList;
    std::vector<std::unique_ptr<TbsSkinListItem>> FItems;
};

// A list of compressed skins that travels inside a form description; a TbsSkinData picks one
// by SkinIndex.
class TbsCompressedSkinList {
public:
    TbsCompressedSkinList() = default;
    TbsCompressedSkinList(const TbsCompressedSkinList&) = delete;
    TbsCompressedSkinList& operator=(const TbsCompressedSkinList&) = delete;

    TbsSkinListItems& Skins() { return FSkins; }
    const TbsSkinListItems& Skins() const { return FSkins; }
    void SetSkins(const TbsSkinListItems& value) { FSkins.Assign(value); }

private:
    TbsSkinListItems FSkins{ this };
};
