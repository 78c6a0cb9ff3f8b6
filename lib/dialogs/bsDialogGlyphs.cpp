#include "lib/dialogs/bsDialogGlyphs.h"

#include <array>

namespace {

constexpr int kSize = 16;
constexpr TColor kBackground = clFuchsia;
constexpr TColor kInk = clBlack;
constexpr TColor kFolderFace = TColor(0x40C0F0);
constexpr TColor kFolderEdge = TColor(0x006080);
constexpr TColor kSparkle = TColor(0x00C0FF);

std::unique_ptr<TBitmap> BlankGlyph() {
    auto glyph = std::make_unique<TBitmap>(kSize, kSize);
    TCanvas& canvas = glyph->Canvas();
    canvas.Brush().SetColor(kBackground);
    canvas.FillRect(TRect(0, 0, kSize, kSize));
    return glyph;
}

void FillPolygon(TCanvas& canvas, std::span<const TPoint> points, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Polygon(points);
}

void FillBox(TCanvas& canvas, const TRect& box, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(box);
}

void DrawFolder(TCanvas& canvas) {
    FillBox(canvas, TRect(1, 5, 13, 14), kFolderEdge);
    FillBox(canvas, TRect(2, 6, 12, 13), kFolderFace);
    FillBox(canvas, TRect(1, 4, 6, 5), kFolderEdge);
}

// A left-pointing arrow: the way back through the folders shown before.
void DrawBack(TCanvas& canvas) {
    const std::array<TPoint, 3> head{ TPoint(2, 8), TPoint(8, 2), TPoint(8, 14) };
    FillPolygon(canvas, head, kInk);
    FillBox(canvas, TRect(8, 6, 14, 11), kInk);
}

// A folder with an arrow bending up and left: the folder one level up.
void DrawUp(TCanvas& canvas) {
    DrawFolder(canvas);
    const std::array<TPoint, 3> head{ TPoint(9, 0), TPoint(5, 4), TPoint(13, 4) };
    FillPolygon(canvas, head, kInk);
    FillBox(canvas, TRect(8, 4, 10, 10), kInk);
}

// A folder with a spark at its top right: a new folder.
void DrawNewFolder(TCanvas& canvas) {
    DrawFolder(canvas);
    FillBox(canvas, TRect(13, 0, 14, 5), kSparkle);
    FillBox(canvas, TRect(11, 2, 16, 3), kSparkle);
}

// Four small rows with their pictures: the list's view styles.
void DrawListStyles(TCanvas& canvas) {
    for (int row = 0; row < 4; ++row) {
        const int top = 1 + row * 4;
        FillBox(canvas, TRect(1, top, 4, top + 3), kFolderEdge);
        FillBox(canvas, TRect(6, top + 1, 15, top + 2), kInk);
    }
}

// A frame with arrows out to two corners: a picture stretched to the frame.
void DrawStretch(TCanvas& canvas) {
    canvas.Brush().SetColor(kInk);
    canvas.FrameRect(TRect(1, 0, kSize, kSize - 1));
    canvas.Pen().SetColor(kInk);
    canvas.MoveTo(3, 3);
    canvas.LineTo(13, 13);
    const std::array<TPoint, 3> topLeft{ TPoint(2, 2), TPoint(7, 2), TPoint(2, 7) };
    const std::array<TPoint, 3> bottomRight{ TPoint(13, 13), TPoint(8, 13), TPoint(13, 8) };
    FillPolygon(canvas, topLeft, kInk);
    FillPolygon(canvas, bottomRight, kInk);
}

} // namespace

std::unique_ptr<TBitmap> MakeDialogGlyph(std::string_view resourceName) {
    using Draw = void (*)(TCanvas&);
    struct Named {
        std::string_view Name;
        Draw Paint;
    };
    static constexpr std::array<Named, 5> kGlyphs{ { { "BS_BACK", DrawBack },
                                                     { "BS_UP", DrawUp },
                                                     { "BS_NEWFOLDER", DrawNewFolder },
                                                     { "BS_LVSTYLE", DrawListStyles },
                                                     { "BS_STRETCH", DrawStretch } } };
    for (const Named& glyph : kGlyphs)
        if (glyph.Name == resourceName) {
            auto bitmap = BlankGlyph();
            glyph.Paint(bitmap->Canvas());
            return bitmap;
        }
    return std::make_unique<TBitmap>();
}
