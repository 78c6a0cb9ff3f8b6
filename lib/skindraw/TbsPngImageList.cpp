#include "lib/skindraw/TbsPngImageList.h"

#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <cmath>

void PngToRGBAlpha(TPngImage& png, int value) {
    const std::uint8_t flat = std::uint8_t(std::clamp(value, 0, 255));
    // The source's own transparency as one alpha per pixel: the key colour gives 0, so it
    // stays hidden, and a palette's clear entries stay hidden too instead of showing at the
    // flat value.
    const gfx::Surface source = png.ToSurface();
    TbsPngImage rgba;
    TBitmap blank;
    blank.SetSize(png.Width(), png.Height());
    rgba.Assign(blank);
    rgba.CreateAlpha();
    for (int y = 0; y < rgba.Height(); ++y) {
        std::uint8_t* colors = rgba.Scanline(y);
        std::uint8_t* alpha = rgba.AlphaScanline(y);
        for (int x = 0; x < rgba.Width(); ++x) {
            const gfx::Pixel p = source.Row(y)[x];
            colors[3 * x] = gfx::PixelB(p);
            colors[3 * x + 1] = gfx::PixelG(p);
            colors[3 * x + 2] = gfx::PixelR(p);
            if (alpha) alpha[x] = std::min(flat, gfx::PixelA(p));
        }
    }
    png.Assign(rgba);
}

void FadePngImage(TPngImage& png, int value) {
    const bool keyed = png.TransparencyMode() == ptmBit;
    const TColor key = png.TransparentColor();
    switch (png.Header().ColorType) {
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA:
        break;
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
        PngToRGBAlpha(png, value);
        return;
    default:
        png.CreateAlpha();
        if (png.Header().ColorType != COLOR_GRAYSCALEALPHA &&
            png.Header().ColorType != COLOR_RGBALPHA)
            return;
    }
    const double scale = double(value + 1) / 256.0;
    for (int y = 0; y < png.Height(); ++y) {
        std::uint8_t* alpha = png.AlphaScanline(y);
        if (!alpha) return;
        for (int x = 0; x < png.Width(); ++x) {
            if (keyed && png.Pixels(x, y) == key)
                alpha[x] = 0;
            else // halves go to the even neighbour: 255 -> 128, 1 -> 0, 3 -> 2
                alpha[x] = std::uint8_t(std::clamp(std::nearbyint(alpha[x] * scale), 0.0, 255.0));
        }
    }
}

void InsertPlaceholderImage(TCustomImageList& list, int index) {
    TBitmap placeholder;
    placeholder.SetPixelFormat(pf1bit);
    placeholder.SetSize(list.Width(), list.Height());
    list.Insert(index, placeholder, nullptr);
}

void DeletePlaceholderImage(TCustomImageList& list, int index) {
    list.Delete(index);
}

TbsPngImageItem::TbsPngImageItem(TCollection* collection) : TCollectionItem(collection) {
    FName = Format("PngImage%d", Index());
    if (TbsPngImageList* list = ImageList()) InsertPlaceholderImage(*list, Index());
}

TbsPngImageItem::~TbsPngImageItem() {
    TbsPngImageList* list = ImageList();
    const int index = Index();
    if (list && index >= 0 && index < list->Count()) DeletePlaceholderImage(*list, index);
}

TbsPngImageList* TbsPngImageItem::ImageList() const {
    const auto* items = dynamic_cast<const TbsPngImageItems*>(Collection());
    return items ? items->PngImageList() : nullptr;
}

std::string TbsPngImageItem::DisplayName() const {
    return FName.empty() ? TCollectionItem::DisplayName() : FName;
}

void TbsPngImageItem::SetPngImage(const TPngImage& value) {
    FPngImage->Assign(value);
    Changed(false);
}

void TbsPngImageItem::Assign(const TPersistent* source) {
    if (const auto* item = dynamic_cast<const TbsPngImageItem*>(source)) {
        SetPngImage(*item->FPngImage);
        FName = item->FName;
        return;
    }
    TCollectionItem::Assign(source);
}

TbsPngImageItems::TbsPngImageItems(TbsPngImageList* pngImageList)
    : TCollection(pngImageList, [](TCollection* items) { return new TbsPngImageItem(items); }),
      FPngImageList(pngImageList) {}

TbsPngImageItem* TbsPngImageItems::Items(int index) const {
    return static_cast<TbsPngImageItem*>(TCollection::Items(index));
}

TbsPngImageItem* TbsPngImageItems::Add() {
    return static_cast<TbsPngImageItem*>(TCollection::Add());
}

TbsPngImageList::TbsPngImageList(TComponent* owner)
    : TCustomImageList(owner), FPngImages(std::make_unique<TbsPngImageItems>(this)) {}

TbsPngImageList::~TbsPngImageList() {
    // The items take their placeholders out of the base store, which must still be there.
    FPngImages.reset();
}

void TbsPngImageList::SetPngWidth(int value) {
    if (value == Width()) return;
    SetWidth(value);
    SizeChanged();
}

void TbsPngImageList::SetPngHeight(int value) {
    if (value == Height()) return;
    SetHeight(value);
    SizeChanged();
}

void TbsPngImageList::SizeChanged() {
    // The base store dropped its images with the new size.
    if (!ComponentState().Contains(csLoading)) {
        FPngImages->Clear();
        return;
    }
    // A description gives the size after the pictures it keeps, and no stored base images
    // follow here, so the placeholders are put back to keep one base image per picture.
    for (int i = Count(); i < FPngImages->Count(); ++i)
        InsertPlaceholderImage(*this, i);
}

void TbsPngImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned /*style*/,
                             bool enabled) {
    const TRect r(x, y, x + Width(), y + Height());
    TbsPngImage& png = FPngImages->Items(index)->PngImage();
    if (enabled) {
        canvas.StretchDraw(r, &png);
        return;
    }
    // The fade works on a copy: the stored picture keeps its full opacity.
    TbsPngImage faded;
    faded.Assign(png);
    FadePngImage(faded, 127);
    canvas.StretchDraw(r, &faded);
}
