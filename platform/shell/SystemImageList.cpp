#include "platform/shell/SystemImageList.h"

#include "platform/forms/EInvalidOperation.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Format.h"

#include <cstring>

namespace {

// A picture with alpha that a canvas can draw; it exists only while it is drawn.
class TAlphaPicture : public TGraphic {
public:
    explicit TAlphaPicture(const gfx::Surface& pixels) : FPixels(pixels) {}

    int Width() const override { return FPixels.Width(); }
    int Height() const override { return FPixels.Height(); }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool Empty() const override { return FPixels.Empty(); }
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) override {}
    std::string ClassName() const override { return "TAlphaPicture"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return nullptr; }
    gfx::Surface ToSurface() const override { return FPixels; }
    bool HasAlpha() const override { return true; }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override {
        DrawSurface(canvas, rect, FPixels, true);
    }

private:
    const gfx::Surface& FPixels;
};

// The picture's colours, and a mask whose white pixels are transparent.
void SplitIntoBitmaps(const gfx::Surface& picture, TBitmap& image, TBitmap& mask) {
    const int w = picture.Width();
    const int h = picture.Height();
    image.SetPixelFormat(pf32bit);
    image.SetSize(w, h);
    mask.SetPixelFormat(pf32bit);
    mask.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* colours = static_cast<std::uint32_t*>(image.ScanLine(y));
        auto* shown = static_cast<std::uint32_t*>(mask.ScanLine(y));
        for (int x = 0; x < w; ++x) {
            const gfx::Pixel p = picture.At(x, y);
            colours[x] = p & 0x00FFFFFF;
            shown[x] = gfx::PixelA(p) >= 128 ? 0 : 0x00FFFFFF;
        }
    }
}

} // namespace

TSystemImageList::TSystemImageList(TComponent* owner, int size) : TCustomImageList(owner) {
    SetSize(size, size);
}

int TSystemImageList::AddPicture(const gfx::Surface& picture) {
    if (picture.Width() != Width() || picture.Height() != Height())
        throw EInvalidOperation("Invalid image size");
    TBitmap image;
    TBitmap mask;
    SplitIntoBitmaps(picture, image, mask);
    FPictures.push_back(picture);
    const int index = Add(image, &mask);
    if (index != int(FPictures.size()) - 1) {
        FPictures.pop_back();
        throw EInvalidOperation("Invalid image size");
    }
    return index;
}

const gfx::Surface& TSystemImageList::Picture(int index) const {
    if (index < 0 || index >= int(FPictures.size()))
        throw EInvalidOperation(Format("Invalid ImageList Index (%d)", index));
    return FPictures[std::size_t(index)];
}

void TSystemImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style,
                              bool enabled) {
    if (!enabled || index < 0 || index >= int(FPictures.size()) || BkColor() != clNone) {
        TCustomImageList::DoDraw(index, canvas, x, y, style, enabled);
        return;
    }
    TAlphaPicture picture(FPictures[std::size_t(index)]);
    canvas.Draw(x, y, &picture);
}
