#include "lib/controls/bsSliderPictures.h"

#include "platform/gfx/TBitmap.h"

#include <initializer_list>
#include <string_view>

namespace {

// The pictures as rows of letters: '.' the surroundings (left out when drawn transparent),
// 'w' highlight, 'f' face, 'p' pressed face, 's' shadow, 'd' dark shadow.
using TArt = std::initializer_list<std::string_view>;

// A thumb pointing down at the ruler; the pressed state has the pressed face.
const TArt kHThumb = {
    "wwwwwwd..", "wffffsd..", "wffffsd..", "wffffsd..", "wffffsd..", "wffffsd..",
    "wffffsd..", "wffffsd..", "wffffsd..", "wffffsd..", "wffffsd..", "wffffsd..",
    ".wffsd...", "..wsd....", "...d.....", ".........", ".........",
};

// A thumb pointing right at the ruler.
const TArt kVThumb = {
    "wwwwwwwwwwwwww.....", "wfffffffffffffw....", "wffffffffffffffw...",
    "wffffffffffffffsd..", "wfffffffffffffsd...", "wsssssssssssssd....",
    "dddddddddddddd.....", "...................", "...................",
};

// A sunken groove; its two end columns on each side are the edges that stay when the ruler
// is laid out to its length.
const TArt kHRuler = {
    "..........", "..........", "sssssssssw", "sdddddddfw",
    "sffffffffw", "wwwwwwwwww", "..........", "..........",
};

const TArt kVRuler = {
    "..sssw..", "..sdfw..", "..sdfw..", "..sdfw..", "..sdfw..",
    "..sdfw..", "..sdfw..", "..sdfw..", "..sffw..", "..wwww..",
};

TColor ColourOf(char letter, bool pressed) {
    switch (letter) {
    case 'w':
        return clBtnHighlight;
    case 'f':
        return pressed ? TColor(0xC8C8C8) : TColor(0xE8E8E8);
    case 's':
        return clBtnShadow;
    case 'd':
        return cl3DDkShadow;
    default:
        return clBtnFace;
    }
}

// Draws the art at x; a thumb's second state is drawn with the pressed face.
void Paint(TBitmap& bitmap, const TArt& art, int x, bool pressed) {
    TCanvas& canvas = bitmap.Canvas();
    int y = 0;
    for (const std::string_view row : art) {
        for (int i = 0; i < int(row.size()); ++i)
            canvas.SetPixels(x + i, y, ColourOf(row[size_t(i)], pressed));
        ++y;
    }
}

} // namespace

void LoadBuiltInSliderPicture(TbsSliderImage image, TBitmap& bitmap) {
    const bool thumb = image == siHThumb || image == siVThumb;
    const TArt& art = image == siHThumb   ? kHThumb
                      : image == siVThumb ? kVThumb
                      : image == siHRuler ? kHRuler
                                          : kVRuler;
    const int width = int(art.begin()->size());
    const int height = int(art.size());
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(thumb ? 2 * width : width, height);
    Paint(bitmap, art, 0, false);
    if (thumb) Paint(bitmap, art, width, true);
}
