#include "app/ToolBarPictures.h"

#include "lib/controls/TbsSkinButton.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/gfx/TBitmap.h"

#include <array>
#include <functional>

namespace {

constexpr int kSize = 24;
constexpr TColor kDisabled = 0x808080;

using TShape = std::function<void(TCanvas& canvas)>;

void Triangle(TCanvas& c, int left) {
    const std::array<TPoint, 3> points{ TPoint(left, 4), TPoint(left, 20), TPoint(left + 12, 12) };
    c.Polygon(points);
}

void Cross(TCanvas& c) {
    c.Pen().SetWidth(4);
    c.MoveTo(5, 5);
    c.LineTo(19, 19);
    c.MoveTo(19, 5);
    c.LineTo(5, 19);
}

void Bin(TCanvas& c) {
    c.Rectangle(6, 8, 18, 21);
    c.Rectangle(4, 5, 20, 8);
    c.Rectangle(10, 3, 14, 5);
}

void Pencil(TCanvas& c) {
    const std::array<TPoint, 4> body{ TPoint(15, 3), TPoint(20, 8), TPoint(9, 19), TPoint(4, 14) };
    c.Polygon(body);
    const std::array<TPoint, 3> tip{ TPoint(4, 14), TPoint(9, 19), TPoint(3, 20) };
    c.Polygon(tip);
}

struct TToolPicture {
    const char* enabledImage;
    const char* disabledImage;
    TColor colour;
    TShape shape;
    const char* button; // nullptr: not on the tool bar
};

const TToolPicture kPictures[] = {
    { "Image5", "Image4", 0x2E9E3A, [](TCanvas& c) { Triangle(c, 7); }, "bsSkinButton2" },
    { "Image11", "Image10", 0x3030C8, [](TCanvas& c) { c.Rectangle(6, 6, 18, 18); },
      "bsSkinButton10" },
    { "Image7", "Image6", 0xC07020,
      [](TCanvas& c) {
          c.Rectangle(6, 5, 10, 19);
          c.Rectangle(14, 5, 18, 19);
      },
      "bsSkinButton11" },
    { "Image9", "Image8", 0x2E9E3A,
      [](TCanvas& c) {
          c.Rectangle(5, 4, 8, 20);
          Triangle(c, 10);
      },
      "bsSkinButton12" },
    { "Image15", "Image14", 0x3030C8, Cross, "bsSkinButton7" },
    { "Image13", "Image12", 0xC07020, Bin, "bsSkinButton8" },
    { "Image16", "Image17", 0x1E8CE6, Pencil, nullptr },
};

void Draw(TImage* image, TColor colour, const TShape& shape) {
    TBitmap picture;
    picture.SetSize(kSize, kSize);
    TCanvas& c = picture.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(TRect(0, 0, kSize, kSize));
    c.Brush().SetColor(colour);
    c.Pen().SetColor(colour);
    shape(c);
    image->Picture().SetGraphic(&picture);
}

} // namespace

void DrawToolBarPictures(TComponent& form) {
    for (const TToolPicture& p : kPictures) {
        auto* enabled = DescribedComponent<TImage>(&form, p.enabledImage);
        auto* disabled = DescribedComponent<TImage>(&form, p.disabledImage);
        Draw(enabled, p.colour, p.shape);
        Draw(disabled, kDisabled, p.shape);
        if (p.button)
            DescribedComponent<TbsSkinButton>(&form, p.button)
                ->SetGlyph(disabled->Picture().Bitmap());
    }
}
