#include "app/FamilyPictures.h"

#include "app/IconPainter.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/skindraw/TbsPngImageList.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <array>
#include <cmath>
#include <memory>

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return TColor(r | (g << 8) | (b << 16));
}

constexpr TColor kInk = Rgb(255, 255, 255);

enum TSymbol {
    syFilm,
    syNote,
    syScreen,
    syTv,
    syPlay,
    syPhone,
    syTablet,
    syPlayer,
    syGamepad,
    syDisc,
    syBolt,
    syCamera,
    syBox
};

struct TFamilyLook {
    const char* Label;
    TColor Color;
    TSymbol Symbol;
};

// Index = FamilyCode.
constexpr std::array<TFamilyLook, FamilyPictureCount> kFamilies{ {
    { "VIDEO", Rgb(21, 101, 192), syFilm },  // common video containers
    { "MP3", Rgb(242, 153, 74), syNote },    // common audio formats
    { "HD", Rgb(155, 81, 224), syScreen },   // high definition
    { "iPod", Rgb(96, 125, 139), syPlayer }, //
    { "iPhone", Rgb(52, 73, 94), syPhone },  //
    { "PSP", Rgb(63, 81, 181), syGamepad },  //
    { "3GP", Rgb(0, 137, 123), syPhone },    // 3GPP and common phones
    { "ATV", Rgb(117, 117, 117), syBox },    // Apple TV
    { "XBOX", Rgb(46, 125, 50), syGamepad }, //
    { "PMP", Rgb(0, 151, 167), syPlayer },   // portable players
    { "MP4", Rgb(229, 57, 53), syPlay },     //
    { "FLV", Rgb(244, 81, 30), syBolt },     // Flash
    { "iPad", Rgb(69, 90, 100), syTablet },  //
    { "MPG", Rgb(109, 76, 65), syFilm },     // MPEG
    { "SWF", Rgb(198, 40, 40), syBolt },     //
    { "AVI", Rgb(30, 136, 229), syFilm },    //
    { "MKV", Rgb(67, 160, 71), syFilm },     //
    { "WMV", Rgb(2, 119, 189), syPlay },     //
    { "ASF", Rgb(0, 131, 143), syPlay },     //
    { "DROID", Rgb(124, 179, 66), syPhone }, // Android
    { "VOB", Rgb(94, 53, 177), syDisc },     //
    { "MTS", Rgb(239, 108, 0), syCamera },   // camcorder sources
    { "MOD", Rgb(173, 20, 87), syCamera },   //
    { "RMVB", Rgb(40, 53, 147), syFilm },    //
    { "PHONE", Rgb(0, 172, 193), syPhone },  // smart phones
    { "PAD", Rgb(141, 110, 99), syTablet },  // tablets
    { "TV", Rgb(0, 105, 92), syTv },         // smart TV
    { "BOX", Rgb(84, 110, 122), syBox },     // network set-top boxes
} };

// Draws in a 32-unit square scaled to the picture, so one description serves every size.
class TScaled {
public:
    TScaled(TIconPainter& painter, double unit) : FPainter(painter), FUnit(unit) {}

    void RoundRect(double l, double t, double r, double b, double radius, TColor c,
                   double opacity = 1) {
        FPainter.FillRoundRect(l * FUnit, t * FUnit, r * FUnit, b * FUnit, radius * FUnit, c,
                               opacity);
    }
    void Ellipse(double cx, double cy, double rx, double ry, TColor c, double opacity = 1) {
        FPainter.FillEllipse(cx * FUnit, cy * FUnit, rx * FUnit, ry * FUnit, c, opacity);
    }
    void Polygon(std::initializer_list<TPointF> points, TColor c) {
        std::vector<TPointF> scaled(points);
        for (TPointF& p : scaled)
            p = { p.X * FUnit, p.Y * FUnit };
        FPainter.FillPolygon(scaled, c);
    }
    void Line(TPointF a, TPointF b, double width, TColor c) {
        FPainter.Line({ a.X * FUnit, a.Y * FUnit }, { b.X * FUnit, b.Y * FUnit }, width * FUnit, c);
    }
    void Text(const char* text, double l, double t, double r, double b, TColor c, int height) {
        FPainter.Text(text, l * FUnit, t * FUnit, r * FUnit, b * FUnit, c,
                      int(std::lround(height * FUnit)), true);
    }
    // The part of a rounded rectangle below y, for the label band of a tile.
    void BandBelow(double y, double l, double t, double r, double b, double radius, TColor c,
                   double opacity) {
        const double u = FUnit;
        FPainter.Fill(
            [=](double x, double py) {
                return py >= y * u &&
                       InsideRoundRect(x, py, l * u, t * u, r * u, b * u, radius * u);
            },
            l * u, y * u, r * u, b * u, c, opacity);
    }

private:
    TIconPainter& FPainter;
    double FUnit;
};

// Symbols are white on the tile, in the box 6..26 x 3..19; cut-outs take the tile's colour.
void DrawSymbol(TScaled& s, TSymbol symbol, TColor tile) {
    switch (symbol) {
    case syFilm:
        s.RoundRect(7, 4, 25, 18, 1.5, kInk);
        for (double x : { 8.5, 12.5, 16.5, 20.5 }) {
            s.RoundRect(x, 5, x + 2.5, 7, 0.5, tile);
            s.RoundRect(x, 15, x + 2.5, 17, 0.5, tile);
        }
        s.RoundRect(9, 8.5, 23, 13.5, 0.8, tile, 0.55);
        break;
    case syNote:
        s.Ellipse(12.5, 15, 3.4, 2.6, kInk);
        s.Line({ 15.4, 15 }, { 15.4, 4.5 }, 1.8, kInk);
        s.Polygon({ { 14.5, 3.8 }, { 21.5, 6.2 }, { 21.5, 9.4 }, { 14.5, 7.2 } }, kInk);
        break;
    case syScreen:
        s.RoundRect(6.5, 4, 25.5, 17, 1.8, kInk);
        s.Polygon({ { 13.5, 7 }, { 13.5, 14 }, { 19.5, 10.5 } }, tile);
        break;
    case syTv:
        s.RoundRect(6.5, 3.5, 25.5, 16, 1.8, kInk);
        s.RoundRect(8.2, 5.2, 23.8, 14.3, 0.8, tile, 0.55);
        s.RoundRect(12, 17, 20, 18.6, 0.8, kInk);
        break;
    case syPlay:
        s.Ellipse(16, 11, 7.5, 7.5, kInk);
        s.Polygon({ { 13.8, 7 }, { 13.8, 15 }, { 20.2, 11 } }, tile);
        break;
    case syPhone:
        s.RoundRect(11, 2.5, 21, 19.5, 2.2, kInk);
        s.RoundRect(12.4, 4.5, 19.6, 16, 0.6, tile, 0.55);
        s.Ellipse(16, 17.8, 0.9, 0.9, tile);
        break;
    case syTablet:
        s.RoundRect(7.5, 3.5, 24.5, 18.5, 2.2, kInk);
        s.RoundRect(9, 5, 23, 17, 0.6, tile, 0.55);
        break;
    case syPlayer:
        s.RoundRect(11, 2.5, 21, 19.5, 2.2, kInk);
        s.RoundRect(12.4, 4, 19.6, 9.5, 0.6, tile, 0.55);
        s.Ellipse(16, 14.3, 3.4, 3.4, tile);
        s.Ellipse(16, 14.3, 1.3, 1.3, kInk);
        break;
    case syGamepad:
        s.RoundRect(5.5, 6.5, 26.5, 16.5, 5, kInk);
        s.RoundRect(8.5, 10.6, 13.5, 12.4, 0.4, tile);
        s.RoundRect(10.1, 9, 11.9, 14, 0.4, tile);
        s.Ellipse(20, 10, 1.2, 1.2, tile);
        s.Ellipse(22.6, 12.6, 1.2, 1.2, tile);
        break;
    case syDisc:
        s.Ellipse(16, 11, 8, 8, kInk);
        s.Ellipse(16, 11, 5, 5, tile, 0.25);
        s.Ellipse(16, 11, 2.2, 2.2, tile);
        break;
    case syBolt:
        s.Polygon(
            { { 18, 2.5 }, { 9.5, 12 }, { 15, 12 }, { 13.5, 19.5 }, { 22.5, 9.5 }, { 17, 9.5 } },
            kInk);
        break;
    case syCamera:
        s.RoundRect(6, 6, 20, 16, 2, kInk);
        s.Polygon({ { 20.5, 11 }, { 26, 7 }, { 26, 15 } }, kInk);
        s.Ellipse(10, 9, 1.4, 1.4, tile);
        break;
    case syBox:
        s.RoundRect(5.5, 9, 26.5, 16.5, 2, kInk);
        s.Ellipse(9, 12.75, 1, 1, tile);
        s.RoundRect(13, 12, 23.5, 13.5, 0.6, tile, 0.55);
        s.Line({ 13, 7.5 }, { 10.5, 3.5 }, 1.2, kInk);
        s.Line({ 19, 7.5 }, { 21.5, 3.5 }, 1.2, kInk);
        break;
    }
}

} // namespace

std::unique_ptr<TPngImage> DrawFamilyPicture(int familyCode, int size) {
    if (familyCode < 0 || familyCode >= FamilyPictureCount)
        throw Exception(Format("List index out of bounds (%d)", familyCode));
    const TFamilyLook& look = kFamilies[std::size_t(familyCode)];
    TIconPainter painter(size, size);
    TScaled s(painter, size / 32.0);
    s.RoundRect(1, 1, 31, 31, 6, look.Color);
    s.BandBelow(20.5, 1, 1, 31, 31, 6, Rgb(0, 0, 0), 0.22);
    DrawSymbol(s, look.Symbol, look.Color);
    s.Text(look.Label, 2, 20.5, 30, 31, kInk, 9);
    return painter.ToPng();
}

std::unique_ptr<TPngImage> DrawFormatPicture(int index) {
    if (index < 0 || index >= FormatPictureCount)
        throw Exception(Format("List index out of bounds (%d)", index));
    const TColor accent = index == 0 ? Rgb(47, 128, 237) : Rgb(39, 174, 96);
    TIconPainter painter(FamilyPictureSize, FamilyPictureSize);
    TScaled s(painter, 1.0);
    // A page with a folded corner and a coloured band holding the symbol.
    s.Polygon({ { 6, 2 }, { 20, 2 }, { 26, 8 }, { 26, 30 }, { 6, 30 } }, Rgb(120, 132, 150));
    s.Polygon({ { 7, 3 }, { 19.5, 3 }, { 25, 8.5 }, { 25, 29 }, { 7, 29 } }, Rgb(246, 248, 251));
    s.Polygon({ { 19.5, 3 }, { 25, 8.5 }, { 19.5, 8.5 } }, Rgb(200, 208, 220));
    s.RoundRect(9, 12, 23, 26, 2, accent);
    if (index == 0) {
        s.Polygon({ { 14, 15 }, { 14, 23 }, { 20.5, 19 } }, kInk);
    } else {
        s.RoundRect(11.5, 15, 20.5, 23, 0.8, kInk);
        for (double y : { 16.0, 19.0, 22.0 })
            s.RoundRect(12, y - 0.6, 13.4, y + 0.6, 0.3, accent);
    }
    return painter.ToPng();
}

namespace {

template <typename Draw>
void FillPictures(TbsPngImageList& list, int count, Draw draw) {
    list.SetPngWidth(FamilyPictureSize);
    list.SetPngHeight(FamilyPictureSize);
    list.PngImages().Clear();
    for (int i = 0; i < count; ++i)
        list.PngImages().Add()->SetPngImage(*draw(i));
}

} // namespace

void FillFamilyPictures(TbsPngImageList& families, TbsPngImageList& formats) {
    FillPictures(families, FamilyPictureCount, [](int code) { return DrawFamilyPicture(code); });
    FillPictures(formats, FormatPictureCount, DrawFormatPicture);
}

void DrawFamilyPictures(TComponent& form) {
    auto* families = DescribedComponent<TbsPngImageList>(&form, "bsPngImageList5");
    auto* formats = DescribedComponent<TbsPngImageList>(&form, "bsPngImageList3");
    auto* picker = DescribedComponent<TbsSkinOfficeComboBox>(&form, "bsSkinOfficeComboBox2");
    FillPictures(*formats, FormatPictureCount, DrawFormatPicture);
    // Every family keeps its index from the start, but its picture is painted only when the
    // picker first shows it, not while the program starts.
    FillPictures(*families, FamilyPictureCount, [](int) { return std::make_unique<TPngImage>(); });
    auto painted = std::make_shared<std::array<bool, FamilyPictureCount>>();
    const auto paint = [families, painted](int code) {
        if (code < 0 || code >= FamilyPictureCount || (*painted)[std::size_t(code)]) return;
        families->PngImages().Items(code)->SetPngImage(*DrawFamilyPicture(code));
        (*painted)[std::size_t(code)] = true;
    };
    const auto paintShown = [picker, paint] {
        const int index = picker->ItemIndex();
        if (index >= 0 && index < picker->Items().Count())
            paint(picker->Items()[index]->ImageIndex());
    };
    paintShown();
    // Every new choice passes the click before the picker repaints; the list shows them all.
    picker->OnClick = [paintShown, inner = picker->OnClick](TObject* sender) {
        paintShown();
        if (inner) inner(sender);
    };
    picker->OnDropDown = [picker, paint, inner = picker->OnDropDown](TObject* sender) {
        for (int index = 0; index < picker->Items().Count(); ++index)
            paint(picker->Items()[index]->ImageIndex());
        if (inner) inner(sender);
    };
}
