#include "platform/forms/TImage.h"
#include "platform/forms/EReadError.h"
#include "platform/gfx/TGraphic.h"
#include "platform/rtl/TMemoryStream.h"
#include <algorithm>

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Exclude(csSetCaption);
    FWidth = 105;
    FHeight = 105;
    FPicture.OnChange = [this](TPicture*) { PictureChanged(); };
}

TImage::~TImage() {
    FPicture.OnChange = nullptr;
}

void TImage::PictureChanged() {
    if (TGraphic* g = FPicture.Graphic()) g->SetTransparent(FTransparent);
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(FLeft, FTop, FPicture.Width(), FPicture.Height());
    Invalidate();
}

void TImage::UpdateOpaque() {
    // Where the picture leaves room or has holes the parent shows through, so it paints first.
    const TRect dest = DestRect();
    const bool covers =
        dest.Left <= 0 && dest.Top <= 0 && dest.Right >= FWidth && dest.Bottom >= FHeight;
    if (!FTransparent && covers && FPicture.Graphic())
        FControlStyle.Include(csOpaque);
    else
        FControlStyle.Exclude(csOpaque);
}

void TImage::Invalidate() {
    UpdateOpaque();
    TGraphicControl::Invalidate();
}

void TImage::SetPictureData(const std::vector<std::uint8_t>& data) {
    if (data.empty()) throw EReadError("Invalid property value");
    std::size_t at = 1 + std::size_t(data[0]);
    if (at > data.size()) throw EReadError("Invalid property value");
    const auto known = [&](std::size_t from) {
        static const std::vector<std::vector<std::uint8_t>> kSignatures{
            { 'B', 'M' }, { 0x89, 'P', 'N', 'G' }, { 0xFF, 0xD8 }, { 'G', 'I', 'F' }, { 0, 0, 1, 0 }
        };
        for (const auto& s : kSignatures)
            if (data.size() - from >= s.size() &&
                std::equal(s.begin(), s.end(), data.begin() + from))
                return true;
        return false;
    };
    if (!known(at) && data.size() - at >= 4 && known(at + 4)) at += 4;
    TMemoryStream stream;
    stream.Write(data.data() + at, std::int64_t(data.size() - at));
    stream.Seek(0, soBeginning);
    FPicture.LoadFromStream(stream);
}

void TImage::SetStretch(bool value) {
    FStretch = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    FCenter = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    FTransparent = value;
    PictureChanged();
}

void TImage::SetAutoSize(bool value) {
    FAutoSize = value;
    PictureChanged();
}

TRect TImage::DestRect() const {
    const int w = FPicture.Width();
    const int h = FPicture.Height();
    int dw = w;
    int dh = h;
    if (FStretch || (FProportional && (w > FWidth || h > FHeight))) {
        if (FProportional && w > 0 && h > 0) {
            // The largest size of the picture's shape that fits.
            if ((long long)FWidth * h <= (long long)FHeight * w) {
                dw = FWidth;
                dh = int((long long)FWidth * h / w);
            } else {
                dh = FHeight;
                dw = int((long long)FHeight * w / h);
            }
        } else {
            dw = FWidth;
            dh = FHeight;
        }
    }
    if (FCenter) {
        const int x = (FWidth - dw) / 2;
        const int y = (FHeight - dh) / 2;
        return TRect(x, y, x + dw, y + dh);
    }
    return TRect(0, 0, dw, dh);
}

void TImage::Paint() {
    TGraphic* graphic = FPicture.Graphic();
    if (!graphic || graphic->Empty()) return;
    const TRect dest = DestRect();
    if (dest.Width() == graphic->Width() && dest.Height() == graphic->Height())
        Canvas().Draw(dest.Left, dest.Top, graphic);
    else
        Canvas().StretchDraw(dest, graphic);
}
