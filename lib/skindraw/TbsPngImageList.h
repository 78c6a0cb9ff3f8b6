#pragma once
#include "platform/forms/TCollection.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TPngImage.h"

#include <memory>
#include <string>

class TbsPngImageList;

// The PNG picture of the skinned controls: the class library's PNG as it is.
class TbsPngImage : public TPngImage {
public:
    std::string ClassName() const override { return "TbsPngImage"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TbsPngImage>(); }
};

// Halves (value 127) the opacity of png in place; pixels of its single transparent colour stay
// invisible. Grey and palette pictures become RGBA at the flat opacity value.
void FadePngImage(TPngImage& png, int value);
// Replaces png by an RGBA copy of its colours at opacity value; pixels its own transparency hides
// stay hidden.
void PngToRGBAlpha(TPngImage& png, int value);

// One picture of a PNG image list. A new item is named "PngImage<index>" and puts a placeholder
// into the list's base store at its index; freeing it takes that image out again.
class TbsPngImageItem : public TCollectionItem {
public:
    explicit TbsPngImageItem(TCollection* collection);
    ~TbsPngImageItem() override;

    std::string ClassName() const override { return "TbsPngImageItem"; }
    std::string DisplayName() const override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    TbsPngImage& PngImage() { return *FPngImage; }
    const TbsPngImage& PngImage() const { return *FPngImage; }
    void SetPngImage(const TPngImage& value);

    // Takes the picture and name of another item.
    void Assign(const TPersistent* source) override;

private:
    TbsPngImageList* ImageList() const;

    std::unique_ptr<TbsPngImage> FPngImage{ std::make_unique<TbsPngImage>() };
    std::string FName;
};

// The pictures of a PNG image list, in the order of its indexes; its owner is the list.
class TbsPngImageItems : public TCollection {
public:
    explicit TbsPngImageItems(TbsPngImageList* pngImageList);

    std::string ClassName() const override { return "TbsPngImageItems"; }

    TbsPngImageList* PngImageList() const { return FPngImageList; }
    // Raises EListError for an index outside the collection.
    TbsPngImageItem* Items(int index) const;
    TbsPngImageItem* Add();

private:
    TbsPngImageList* FPngImageList;
};

// An image list whose pictures are PNGs with their alpha, so that icons keep soft edges on any
// skin. Controls use it as any image list: the base store holds one placeholder per picture at
// the same index, and drawing an image draws the PNG instead, at half opacity when disabled.
class TbsPngImageList : public TCustomImageList {
public:
    explicit TbsPngImageList(TComponent* owner);
    ~TbsPngImageList() override;

    std::string ClassName() const override { return "TbsPngImageList"; }

    TbsPngImageItems& PngImages() { return *FPngImages; }
    const TbsPngImageItems& PngImages() const { return *FPngImages; }
    void SetPngImages(const TbsPngImageItems& value) { FPngImages->Assign(&value); }

    int PngWidth() const { return Width(); }
    int PngHeight() const { return Height(); }
    // A new size discards every picture, except while the list is read from its description.
    void SetPngWidth(int value);
    void SetPngHeight(int value);

protected:
    void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled) override;

private:
    void SizeChanged();

    std::unique_ptr<TbsPngImageItems> FPngImages;
};

// A monochrome bitmap of the list's size, without mask, as image index of the base store.
void InsertPlaceholderImage(TCustomImageList& list, int index);
void DeletePlaceholderImage(TCustomImageList& list, int index);
