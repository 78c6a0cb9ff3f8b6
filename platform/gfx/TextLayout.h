#pragma once
#include "platform/gfx/WinTypes.h"

#include <string_view>
#include <vector>

namespace gfx {

// What laying out text needs of a font: whole-pixel advances, as GDI measures.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int Advance(char32_t code) const = 0;
    virtual int LineHeight() const = 0;
    virtual int AveCharWidth() const = 0;
};

// One character placed on a line; X is from the line's left edge.
struct PlacedChar {
    char32_t Code{ 0 };
    int X{ 0 };
    bool operator==(const PlacedChar&) const = default;
};

// A stretch of a line to underline: the character after an "&" prefix.
struct UnderlineSpan {
    int X{ 0 };
    int Width{ 0 };
    bool operator==(const UnderlineSpan&) const = default;
};

struct TextLine {
    std::vector<PlacedChar> Chars;
    std::vector<UnderlineSpan> Underlines;
    int Left{ 0 };
    int Top{ 0 };
    int Width{ 0 };
};

struct TextLayout {
    std::vector<TextLine> Lines;
    // What DrawText reports: the rectangle DT_CALCRECT hands back and the value it returns.
    win::RECT Bounds;
    int Result{ 0 };
};

// Where tabs jump to, with x measured from the start of the run: the listed positions first,
// then every Interval pixels on from the last of them (or from Origin when none is listed); with
// neither, a tab takes no room.
struct TabStops {
    std::vector<int> Positions;
    int Interval{ 0 };
    int Origin{ 0 };

    int NextStop(int x) const;
};

// Code points laid out on one line from x = 0. Control characters take no room and are not
// placed; tabs move to the next stop.
struct PlacedRun {
    std::vector<PlacedChar> Chars;
    int Width{ 0 };
};

// The DrawText layout of a UTF-8 text in a rectangle with DT_ flags: line breaks, word
// wrapping, tab expansion, "&" prefixes, ellipses and alignment. Pure: the font comes in
// through `measure`, nothing is drawn.
TextLayout LayoutText(std::string_view text, unsigned flags, const win::RECT& rect,
                      const TextMeasure& measure);

PlacedRun PlaceRun(std::u32string_view text, const TextMeasure& measure, const TabStops& tabs);

} // namespace gfx
