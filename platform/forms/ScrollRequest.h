#pragma once
#include "platform/win/ScrollInfo.h"
#include <optional>

// What the requests of WM_VSCROLL and WM_HSCROLL move a view by: a line and a page in the view's
// own units, where a thumb request goes, and the ends SB_TOP and SB_BOTTOM go to.
struct TScrollSteps {
    int Line{ 1 };
    int Page{ 1 };
    int Thumb{ 0 };
    int Min{ 0 };
    int Max{ 0 };
};

// Where the request code (the low word of wParam) moves a view that stands at pos; nothing for a
// code that moves nothing, such as SB_ENDSCROLL. The view keeps the result within its range.
std::optional<int> ScrollRequestPos(unsigned code, int pos, const TScrollSteps& steps);
// The same for a view whose bar holds its position: from the position in info, by line, by a
// page of the bar (at least one) and to the bar's ends.
std::optional<int> ScrollRequestPos(unsigned code, const win::SCROLLINFO& info, int line,
                                    int thumb);
