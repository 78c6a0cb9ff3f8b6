#pragma once
#include "platform/forms/TComponent.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include <cstdint>
#include <memory>
#include <vector>

// Equally sized small pictures drawn by index, each with the mask of its transparent pixels.
// Drawing a disabled image embosses its shape in the button highlight and shadow colours.
class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    std::string ClassName() const override { return "TCustomImageList"; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size drops every image.
    void SetSize(int width, int height);
    void SetWidth(int value) { SetSize(value, FHeight); }
    void SetHeight(int value) { SetSize(FWidth, value); }
    int Count() const { return int(FImages.size()); }
    // The colour drawn under transparent pixels; clNone leaves the canvas showing.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value);

    // Cuts image into Width-wide pieces (Height rows used); pixels of maskColor are
    // transparent. Returns the index of the first piece, -1 when the image is too small.
    int AddMasked(TBitmap& image, TColor maskColor);
    // Adds the pieces of image; where mask is given, its non-black pixels are transparent.
    int Add(TBitmap& image, TBitmap* mask);
    // Puts the pieces of image (masked as Add does) before image index; index may be Count.
    void Insert(int index, TBitmap& image, TBitmap* mask);
    void Delete(int index);
    void Clear();
    // Copies image index into bitmap (resized to Width x Height).
    void GetBitmap(int index, TBitmap& bitmap);

    // Draws image index through DoDraw; an index that is not there draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

    TNotifyEvent OnChange;

protected:
    // Draws one image of the list; lists that keep their pictures elsewhere draw them here.
    // style carries drawing-style flags, 0 for the normal look.
    virtual void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled);

private:
    struct TImage {
        std::vector<std::uint32_t> Pixels; // 0x00BBGGRR, row by row
        std::vector<std::uint8_t> Opaque;  // 1 where the pixel shows
    };
    // The Width-wide pieces of image; none when image (or mask) is too small.
    std::vector<TImage> Pieces(TBitmap& image, TBitmap* mask) const;
    void Changed();
    void CheckIndex(int index) const;

    int FWidth{ 16 };
    int FHeight{ 16 };
    TColor FBkColor{ clNone };
    std::vector<TImage> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    std::string ClassName() const override { return "TImageList"; }
};
