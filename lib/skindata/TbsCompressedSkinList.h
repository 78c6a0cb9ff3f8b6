#pragma once
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "platform/forms/TCollection.h"

#include <memory>
#include <string>

class TbsCompressedSkinList;
class TbsSkinListItems;

// One skin of a skin list: its own stored skin and the texts a skin list shows for it.
class TbsSkinListItem : public TCollectionItem {
public:
    // A new item is named "bsSkin<index>" after its place in the collection.
    explicit TbsSkinListItem(TCollection* collection);

    std::string ClassName() const override { return "TbsSkinListItem"; }
    std::string DisplayName() const override { return FName; }

    TbsCompressedStoredSkin& Skin() { return *FSkin; }
    const TbsCompressedStoredSkin& Skin() const { return *FSkin; }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    // As the stored skin's setters, judged by the state of the owning skin list.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& value);

    // The item's binary property: its stored skin as a framed block.
    void ReadSkin(TStream& stream) { FSkin->LoadFromCompressStream(stream); }
    void WriteSkin(TStream& stream) const { FSkin->SaveToCompressStream(stream); }

    // Takes the texts and a copy of the block of another item.
    void Assign(const TPersistent* source) override;

private:
    const TComponent* Judge() const;

    std::unique_ptr<TbsCompressedStoredSkin> FSkin{ std::make_unique<TbsCompressedStoredSkin>(
        nullptr) };
    std::string FDescription;
    std::string FFileName;
    std::string FCompressedFileName;
    std::string FName;
};

// The items of a skin list, in order; its owner is the skin list.
class TbsSkinListItems : public TCollection {
public:
    explicit TbsSkinListItems(TbsCompressedSkinList* skinList);

    std::string ClassName() const override { return "TbsSkinListItems"; }

    TbsCompressedSkinList* SkinList() const { return FSkinList; }
    // Raises EListError for an index outside the collection.
    TbsSkinListItem* Items(int index) const;
    TbsSkinListItem* Add();

private:
    TbsCompressedSkinList* FSkinList;
};

// A list of compressed skins that travels inside a form description; a TbsSkinData picks one
// by SkinIndex.
class TbsCompressedSkinList : public TComponent {
public:
    explicit TbsCompressedSkinList(TComponent* owner);
    ~TbsCompressedSkinList() override;

    std::string ClassName() const override { return "TbsCompressedSkinList"; }

    TbsSkinListItems& Skins() { return *FSkins; }
    const TbsSkinListItems& Skins() const { return *FSkins; }
    void SetSkins(const TbsSkinListItems& value) { FSkins->Assign(&value); }

private:
    std::unique_ptr<TbsSkinListItems> FSkins;
};
