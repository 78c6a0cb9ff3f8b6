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

// The DrawText layout of a UTF-8 text in a rectangle with DT_ flags. Pure: the font comes in
// through `measure`, nothing is drawn. The rules, as GDI's:
// - "\r\n", "\r" and "\n" end lines, except with DT_SINGLELINE, where they take no room; a
//   break at the very end adds an empty line. An empty text has no lines and height 0.
// - DT_WORDBREAK wraps at spaces (dropped at the wrap) and between ideographs (never before
//   closing punctuation); a word wider than the rectangle keeps a line of its own.
// - "&" underlines the next character and "&&" is one "&" unless DT_NOPREFIX; DT_HIDEPREFIX
//   drops the underline. DT_EXPANDTABS puts tab stops every 8 average character widths.
// - DT_END_ELLIPSIS and DT_PATH_ELLIPSIS shorten each line wider than the rectangle.
// - DT_VCENTER and DT_BOTTOM place a DT_SINGLELINE line; multi-line text starts at the top.
// - Bounds keeps the left and top and bounds the widest line and every line, whatever the
//   alignment; Result is the height, or the distance from the top to the text's bottom when a
//   single line is centred or bottom-aligned.
TextLayout LayoutText(std::string_view text, unsigned flags, const win::RECT& rect,
                      const TextMeasure& measure);

// One line as TextOut and GetTextExtentPoint32 take it: no prefixes, no breaks.
PlacedRun PlaceRun(std::u32string_view text, const TextMeasure& measure, const TabStops& tabs);
// The pen position after each character of a run laid out as PlaceRun lays it out.
std::vector<int> RunExtents(std::u32string_view text, const TextMeasure& measure,
                            const TabStops& tabs);

} // namespace gfx
