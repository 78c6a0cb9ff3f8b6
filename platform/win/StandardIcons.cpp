#include "platform/win/StandardIcons.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/TextFlags.h"

#include <array>

namespace win {

namespace {

constexpr int kIconSize = 32;
// Drawn this many times larger and averaged down, so the edges blend into what lies behind.
constexpr int kScale = 4;
constexpr int kDrawSize = kIconSize * kScale;
// Nothing in the pictures is this colour: what keeps it is the clear background.
constexpr TColor kClear = clFuchsia;

gfx::Surface DrawLarge(UINT_PTR id) {
    TBitmap bitmap(kDrawSize, kDrawSize);
    bitmap.SetPixelFormat(pf32bit);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetColor(kClear);
    c.FillRect(TRect(0, 0, kDrawSize, kDrawSize));
    const TRect r(0, 0, kDrawSize, kDrawSize);
    const char* sign = "i";
    c.Pen().SetColor(clBlack);
    c.Pen().SetWidth(kScale);
    if (id == IDI_EXCLAMATION) {
        c.Brush().SetColor(clYellow);
        const std::array<TPoint, 3> triangle{ TPoint(r.Width() / 2, kScale * 2),
                                              TPoint(r.Right - kScale * 2, r.Bottom - kScale * 2),
                                              TPoint(kScale * 2, r.Bottom - kScale * 2) };
        c.Polygon(triangle);
        sign = "!";
    } else {
        c.Brush().SetColor(id == IDI_HAND ? clRed : clBlue);
        c.Ellipse(TRect(kScale, kScale, r.Right - kScale, r.Bottom - kScale));
        if (id == IDI_HAND) sign = "X";
        if (id == IDI_QUESTION) sign = "?";
    }
    c.Brush().SetStyle(bsClear);
    c.Font().SetStyle({ fsBold });
    c.Font().SetColor(id == IDI_EXCLAMATION ? clBlack : clWhite);
    c.Font().SetHeight(-18 * kScale);
    RECT rr = TRect(0, id == IDI_EXCLAMATION ? 6 * kScale : 0, r.Right, r.Bottom);
    DrawText(c.Handle(), sign, &rr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    const gfx::Surface drawn = bitmap.ToSurface();
    const gfx::Pixel clear = gfx::MakePixel(255, 0, 255);
    gfx::Surface picture(kDrawSize, kDrawSize);
    for (int y = 0; y < kDrawSize; ++y)
        for (int x = 0; x < kDrawSize; ++x) {
            const gfx::Pixel p = drawn.At(x, y) & 0x00FFFFFF;
            picture.Set(x, y, p == clear ? 0 : p | 0xFF000000);
        }
    return picture;
}

bool IsStandardIcon(UINT_PTR id) {
    return id >= IDI_HAND && id <= IDI_ASTERISK;
}

} // namespace

gfx::Surface StandardIconPicture(UINT_PTR id) {
    if (!IsStandardIcon(id)) return {};
    return ScalePicture(DrawLarge(id), kIconSize, kIconSize);
}

HICON LoadIcon(HINSTANCE instance, UINT_PTR id) {
    if (instance || !IsStandardIcon(id)) return nullptr;
    static std::array<HICON, 4> icons{};
    HICON& icon = icons[id - IDI_HAND];
    if (!icon) icon = CreateIconFromImages({ StandardIconPicture(id) });
    return icon;
}

} // namespace win
