#include "TestSkins.h"

#include "platform/forms/TWinControl.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TColor.h"
#include "platform/win/Messages.h"

TFaceGeometry NineSliceFace(const TRect& skinRect, int border) {
    const int w = skinRect.Width();
    const int h = skinRect.Height();
    return { skinRect,
             TPoint(border, border),
             TPoint(w - border, border),
             TPoint(border, h - border),
             TPoint(w - border, h - border),
             TRect(border, border, w - border, h - border) };
}

std::unique_ptr<TbsSkinData> MakeTestSkin(TComponent* owner) {
    auto skin = std::make_unique<TbsSkinData>(owner);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    return skin;
}

std::unique_ptr<TbsSkinData> LoadProgramSkin(const std::string& name) {
    auto skin = MakeTestSkin();
    skin->LoadFromFile(std::string(VC_SKINS_DIR) + "/" + name + "/skin.ini");
    return skin;
}

int AddPicture(TbsSkinData& skin, std::unique_ptr<TBitmap> picture) {
    skin.FActivePictures.push_back(std::move(picture));
    skin.FActivePicturesNames.Add("picture" + std::to_string(skin.FActivePictures.size()));
    return int(skin.FActivePictures.size()) - 1;
}

gfx::Surface PaintedPixels(TControl& control, std::uint32_t background) {
    TBitmap target(control.Width() > 0 ? control.Width() : 1,
                   control.Height() > 0 ? control.Height() : 1);
    target.Canvas().Brush().SetColor(
        TColor((background & 0xFF) << 16 | (background & 0xFF00) | (background >> 16 & 0xFF)));
    target.Canvas().FillRect(TRect(0, 0, target.Width(), target.Height()));
    const win::HDC dc = target.Canvas().Handle();
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        windowed->PaintTo(dc, 0, 0);
    else
        control.Perform(win::WM_PAINT, win::WPARAM(dc), 0);
    return target.ToSurface();
}

std::uint32_t RgbAt(const gfx::Surface& pixels, int x, int y) {
    const gfx::Pixel p = pixels.At(x, y);
    return std::uint32_t(gfx::PixelR(p)) << 16 | std::uint32_t(gfx::PixelG(p)) << 8 |
           gfx::PixelB(p);
}

std::uint32_t RgbAt(const TBitmap& bitmap, int x, int y) {
    return RgbAt(bitmap.ToSurface(), x, y);
}

std::uint32_t RgbOf(TColor colour) {
    const TColor c = ColorToRGB(colour);
    return std::uint32_t(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

std::uint32_t PlainFace() {
    return RgbOf(clBtnFace);
}

bool SamePixels(const gfx::Surface& a, const gfx::Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (RgbAt(a, x, y) != RgbAt(b, x, y)) return false;
    return true;
}

void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

void PrintTo(const TSize& s, std::ostream* os) {
    *os << s.cx << " x " << s.cy;
}

void PrintTo(const TPoint& p, std::ostream* os) {
    *os << "(" << p.X << ", " << p.Y << ")";
}
