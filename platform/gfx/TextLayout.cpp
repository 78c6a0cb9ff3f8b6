#include "platform/gfx/TextLayout.h"

#include "platform/gfx/TextFlags.h"
#include "platform/gfx/Utf8.h"

#include <algorithm>

namespace gfx {

using namespace win;

namespace {

// A character of a line before placing, remembering whether an "&" prefix marked it.
struct Item {
    char32_t Code{ 0 };
    bool Underline{ false };
};
using Items = std::vector<Item>;

constexpr std::u32string_view kEllipsis = U"...";

bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t';
}

bool IsIdeographic(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x2FFFF);
}

// Closing punctuation never starts a wrapped line.
bool MayNotStartLine(char32_t c) {
    return std::u32string_view(U"\u3001\u3002\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF01\uFF09"
                               U"\u300D\u300F\u3011\u300B\u3009)]},.;:!?")
               .find(c) != std::u32string_view::npos;
}

// The pen position after one character: tabs jump to their stop, other control characters take
// no room.
int Step(int x, char32_t c, const TextMeasure& measure, const TabStops& tabs) {
    if (c == U'\t') return tabs.NextStop(x);
    if (c < 0x20) return x;
    return x + measure.Advance(c);
}

std::u32string Codes(const Items& items) {
    std::u32string out;
    out.reserve(items.size());
    for (const Item& item : items)
        out.push_back(item.Code);
    return out;
}

Items StripPrefixes(std::u32string_view text, bool usePrefix) {
    Items out;
    out.reserve(text.size());
    bool marked = false;
    for (char32_t c : text) {
        if (usePrefix && c == U'&' && !marked) {
            marked = true;
            continue;
        }
        out.push_back(Item{ c, marked && c != U'&' });
        marked = false;
    }
    return out;
}

std::vector<std::u32string_view> SplitParagraphs(std::u32string_view text, bool singleLine) {
    std::vector<std::u32string_view> out;
    if (singleLine) {
        out.push_back(text);
        return out;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'\r' && text[i] != U'\n') continue;
        out.push_back(text.substr(start, i - start));
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
        start = i + 1;
    }
    out.push_back(text.substr(start));
    return out;
}

int ItemsWidth(const Items& items, const TextMeasure& measure, const TabStops& tabs) {
    return PlaceRun(Codes(items), measure, tabs).Width;
}

bool IsBreakOpportunity(const Items& items, std::size_t i) {
    const char32_t before = items[i - 1].Code;
    const char32_t here = items[i].Code;
    if (IsSpace(here)) return false;
    if (IsSpace(before)) return true;
    if (MayNotStartLine(here)) return false;
    return IsIdeographic(before) || IsIdeographic(here);
}

std::size_t TrimEnd(const Items& items, std::size_t start, std::size_t end) {
    while (end > start && IsSpace(items[end - 1].Code))
        --end;
    return end;
}

// Greedy wrapping: a line ends at the last break opportunity that keeps it within the width;
// a word wider than the width stays whole on its own line, as DT_WORDBREAK does.
std::vector<Items> WrapWords(const Items& items, int width, const TextMeasure& measure,
                             const TabStops& tabs) {
    std::vector<Items> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t breakAt = 0;
        int x = 0;
        int contentWidth = 0; // up to the last character that is not a space
        std::size_t i = start;
        for (; i < items.size(); ++i) {
            if (i > start && IsBreakOpportunity(items, i)) {
                if (contentWidth > width) {
                    if (breakAt > start) i = breakAt;
                    break;
                }
                breakAt = i;
            }
            const char32_t c = items[i].Code;
            const int next = Step(x, c, measure, tabs);
            if (!IsSpace(c) && next > width && breakAt > start) {
                i = breakAt;
                break;
            }
            x = next;
            if (!IsSpace(c)) contentWidth = x;
        }
        if (i >= items.size()) {
            lines.emplace_back(items.begin() + long(start), items.end());
            return lines;
        }
        lines.emplace_back(items.begin() + long(start),
                           items.begin() + long(TrimEnd(items, start, i)));
        start = i;
    }
}

Items EndEllipsis(Items items, int width, const TextMeasure& measure, const TabStops& tabs) {
    // after[k]: the width of the first k items.
    std::vector<int> after(items.size() + 1, 0);
    for (std::size_t k = 0; k < items.size(); ++k)
        after[k + 1] = Step(after[k], items[k].Code, measure, tabs);
    std::size_t keep = items.size();
    if (after[keep] <= width) return items;
    const int dots = PlaceRun(kEllipsis, measure, tabs).Width;
    while (keep > 0 && after[keep] + dots > width)
        --keep;
    items.resize(keep);
    for (char32_t c : kEllipsis)
        items.push_back(Item{ c, false });
    return items;
}

// Keeps the last path component whole and shortens what comes before it.
Items PathEllipsis(const Items& items, int width, const TextMeasure& measure,
                   const TabStops& tabs) {
    if (ItemsWidth(items, measure, tabs) <= width) return items;
    std::size_t separator = items.size();
    for (std::size_t i = items.size(); i-- > 0;) {
        if (items[i].Code == U'\\' || items[i].Code == U'/') {
            separator = i;
            break;
        }
    }
    if (separator == items.size()) return EndEllipsis(items, width, measure, tabs);
    Items tail;
    for (char32_t c : kEllipsis)
        tail.push_back(Item{ c, false });
    tail.insert(tail.end(), items.begin() + long(separator), items.end());
    const int tailWidth = ItemsWidth(tail, measure, tabs);
    // headWidth: the width of the first `keep` characters of the folders.
    std::size_t keep = 0;
    int headWidth = 0;
    for (std::size_t k = 0; k < separator; ++k) {
        const int next = Step(headWidth, items[k].Code, measure, tabs);
        if (next + tailWidth > width) break;
        headWidth = next;
        keep = k + 1;
    }
    if (keep == 0) return EndEllipsis(tail, width, measure, tabs);
    Items shortened(items.begin(), items.begin() + long(keep));
    shortened.insert(shortened.end(), tail.begin(), tail.end());
    return shortened;
}

TextLine PlaceLine(const Items& items, const TextMeasure& measure, const TabStops& tabs) {
    TextLine line;
    int x = 0;
    for (const Item& item : items) {
        const int next = Step(x, item.Code, measure, tabs);
        if (item.Code >= 0x20) {
            line.Chars.push_back(PlacedChar{ item.Code, x });
            if (item.Underline) line.Underlines.push_back(UnderlineSpan{ x, next - x });
        }
        x = next;
    }
    line.Width = x;
    return line;
}

} // namespace

int TabStops::NextStop(int x) const {
    for (int position : Positions) {
        if (position > x) return position;
    }
    if (Interval <= 0) return x;
    const int from = Positions.empty() ? Origin : Positions.back();
    if (x < from) return from;
    return from + ((x - from) / Interval + 1) * Interval;
}

PlacedRun PlaceRun(std::u32string_view text, const TextMeasure& measure, const TabStops& tabs) {
    PlacedRun run;
    int x = 0;
    for (char32_t c : text) {
        const int next = Step(x, c, measure, tabs);
        if (c >= 0x20) run.Chars.push_back(PlacedChar{ c, x });
        x = next;
    }
    run.Width = x;
    return run;
}

std::vector<int> RunExtents(std::u32string_view text, const TextMeasure& measure,
                            const TabStops& tabs) {
    std::vector<int> extents;
    extents.reserve(text.size());
    int x = 0;
    for (char32_t c : text)
        extents.push_back(x = Step(x, c, measure, tabs));
    return extents;
}

TextLayout LayoutText(std::string_view text, unsigned flags, const RECT& rect,
                      const TextMeasure& measure) {
    TextLayout layout;
    layout.Bounds = RECT{ rect.left, rect.top, rect.left, rect.top };
    const std::u32string codes = DecodeUtf8(text);
    if (codes.empty()) return layout;

    const bool singleLine = (flags & DT_SINGLELINE) != 0;
    const int width = rect.right - rect.left;
    const int lineHeight = measure.LineHeight();
    TabStops tabs;
    if (flags & DT_EXPANDTABS) tabs.Interval = 8 * measure.AveCharWidth();

    std::vector<Items> lines;
    for (std::u32string_view paragraph : SplitParagraphs(codes, singleLine)) {
        Items items = StripPrefixes(paragraph, (flags & DT_NOPREFIX) == 0);
        if ((flags & DT_WORDBREAK) && !singleLine && !items.empty()) {
            for (Items& line : WrapWords(items, width, measure, tabs))
                lines.push_back(std::move(line));
        } else {
            lines.push_back(std::move(items));
        }
    }

    int top = rect.top;
    const int height = lineHeight * int(lines.size());
    if (singleLine && (flags & DT_VCENTER))
        top = rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        top = rect.bottom - lineHeight;

    int widest = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        Items items = std::move(lines[k]);
        if (flags & DT_END_ELLIPSIS)
            items = EndEllipsis(std::move(items), width, measure, tabs);
        else if (flags & DT_PATH_ELLIPSIS)
            items = PathEllipsis(items, width, measure, tabs);
        TextLine line = PlaceLine(items, measure, tabs);
        if (flags & DT_HIDEPREFIX) line.Underlines.clear();
        if (flags & DT_CENTER)
            line.Left = rect.left + (width - line.Width) / 2;
        else if (flags & DT_RIGHT)
            line.Left = rect.right - line.Width;
        else
            line.Left = rect.left;
        line.Top = top + int(k) * lineHeight;
        widest = std::max(widest, line.Width);
        layout.Lines.push_back(std::move(line));
    }

    layout.Bounds.right = rect.left + widest;
    layout.Bounds.bottom = rect.top + height;
    const bool fromTop = !singleLine || !(flags & (DT_VCENTER | DT_BOTTOM));
    layout.Result = fromTop ? height : top + height - rect.top;
    return layout;
}

} // namespace gfx
