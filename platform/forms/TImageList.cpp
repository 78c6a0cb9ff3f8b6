#include "platform/forms/TImageList.h"
#include "platform/forms/EInvalidOperation.h"
#include "platform/gfx/Raster.h"
#include "platform/gfx/Surface.h"
#include "platform/rtl/Format.h"
#include <algorithm>
#include <iterator>

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) throw EInvalidOperation("Invalid image size");
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Changed();
}

void TCustomImageList::SetBkColor(TColor value) {
    if (value == FBkColor) return;
    FBkColor = value;
    Changed();
}

namespace {

// Pixel colours read straight from the bitmap's pixels: one conversion for the whole bitmap,
// not a device context per pixel.
std::uint32_t ColourAt(const gfx::Surface& pixels, int x, int y) {
    return std::uint32_t(win::raster::PixelColour(pixels.At(x, y)) & 0xFFFFFF);
}

} // namespace

std::vector<TCustomImageList::TImage> TCustomImageList::Pieces(TBitmap& image,
                                                               TBitmap* mask) const {
    std::vector<TImage> pieces;
    if (image.Width() < FWidth || image.Height() < FHeight) return pieces;
    if (mask && (mask->Width() < image.Width() || mask->Height() < FHeight)) return pieces;
    const gfx::Surface imagePixels = image.ToSurface();
    const gfx::Surface maskPixels = mask ? mask->ToSurface() : gfx::Surface();
    for (int left = 0; left + FWidth <= image.Width(); left += FWidth) {
        TImage piece;
        piece.Pixels.reserve(std::size_t(FWidth) * std::size_t(FHeight));
        piece.Opaque.reserve(piece.Pixels.capacity());
        for (int y = 0; y < FHeight; ++y) {
            for (int x = 0; x < FWidth; ++x) {
                piece.Pixels.push_back(ColourAt(imagePixels, left + x, y));
                piece.Opaque.push_back(!mask || ColourAt(maskPixels, left + x, y) == 0 ? 1 : 0);
            }
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

int TCustomImageList::Add(TBitmap& image, TBitmap* mask) {
    std::vector<TImage> pieces = Pieces(image, mask);
    if (pieces.empty()) return -1;
    const int first = Count();
    std::move(pieces.begin(), pieces.end(), std::back_inserter(FImages));
    Changed();
    return first;
}

void TCustomImageList::Insert(int index, TBitmap& image, TBitmap* mask) {
    if (index < 0 || index > Count())
        throw EInvalidOperation(Format("Invalid ImageList Index (%d)", index));
    std::vector<TImage> pieces = Pieces(image, mask);
    if (pieces.empty()) return;
    FImages.insert(FImages.begin() + index, std::make_move_iterator(pieces.begin()),
                   std::make_move_iterator(pieces.end()));
    Changed();
}

int TCustomImageList::AddMasked(TBitmap& image, TColor maskColor) {
    const int first = Add(image, nullptr);
    if (first < 0) return first;
    const std::uint32_t key = std::uint32_t(ColorToRGB(maskColor) & 0xFFFFFF);
    for (std::size_t i = std::size_t(first); i < FImages.size(); ++i)
        for (std::size_t p = 0; p < FImages[i].Pixels.size(); ++p)
            if (FImages[i].Pixels[p] == key) FImages[i].Opaque[p] = 0;
    return first;
}

void TCustomImageList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EInvalidOperation(Format("Invalid ImageList Index (%d)", index));
}

void TCustomImageList::Delete(int index) {
    CheckIndex(index);
    FImages.erase(FImages.begin() + index);
    Changed();
}

void TCustomImageList::Clear() {
    if (FImages.empty()) return;
    FImages.clear();
    Changed();
}

void TCustomImageList::GetBitmap(int index, TBitmap& bitmap) {
    CheckIndex(index);
    bitmap.SetSize(FWidth, FHeight);
    const TImage& image = FImages[std::size_t(index)];
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            bitmap.Canvas().SetPixels(x, y, TColor(image.Pixels[std::size_t(y * FWidth + x)]));
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
    // Drawing an index that is not there draws nothing, as the list control does.
    if (index < 0 || index >= Count()) return;
    DoDraw(index, canvas, x, y, 0, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned /*style*/,
                              bool enabled) {
    CheckIndex(index);
    const TImage& image = FImages[std::size_t(index)];
    auto at = [&](int px, int py) { return std::size_t(py * FWidth + px); };
    if (FBkColor != clNone) {
        canvas.Brush().SetColor(FBkColor);
        canvas.FillRect(TRect(x, y, x + FWidth, y + FHeight));
    }
    if (enabled) {
        for (int py = 0; py < FHeight; ++py)
            for (int px = 0; px < FWidth; ++px)
                if (image.Opaque[at(px, py)])
                    canvas.SetPixels(x + px, y + py, TColor(image.Pixels[at(px, py)]));
        return;
    }
    // The shape is every shown pixel darker than white: its highlight one pixel down and
    // right, the shadow over it.
    auto inShape = [&](int px, int py) {
        return image.Opaque[at(px, py)] && image.Pixels[at(px, py)] != 0xFFFFFF;
    };
    for (int py = 0; py < FHeight; ++py)
        for (int px = 0; px < FWidth; ++px)
            if (inShape(px, py)) canvas.SetPixels(x + px + 1, y + py + 1, clBtnHighlight);
    for (int py = 0; py < FHeight; ++py)
        for (int px = 0; px < FWidth; ++px)
            if (inShape(px, py)) canvas.SetPixels(x + px, y + py, clBtnShadow);
}

void TCustomImageList::Changed() {
    if (OnChange) OnChange(this);
}
