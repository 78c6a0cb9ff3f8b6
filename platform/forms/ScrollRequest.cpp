#include "platform/forms/ScrollRequest.h"
#include <algorithm>

std::optional<int> ScrollRequestPos(unsigned code, int pos, const TScrollSteps& steps) {
    switch (code) {
    case win::SB_LINEUP:
        return pos - steps.Line;
    case win::SB_LINEDOWN:
        return pos + steps.Line;
    case win::SB_PAGEUP:
        return pos - steps.Page;
    case win::SB_PAGEDOWN:
        return pos + steps.Page;
    case win::SB_THUMBPOSITION:
    case win::SB_THUMBTRACK:
        return steps.Thumb;
    case win::SB_TOP:
        return steps.Min;
    case win::SB_BOTTOM:
        return steps.Max;
    default:
        return std::nullopt;
    }
}

std::optional<int> ScrollRequestPos(unsigned code, const win::SCROLLINFO& info, int line,
                                    int thumb) {
    return ScrollRequestPos(code, info.nPos,
                            { .Line = line,
                              .Page = std::max(1, int(info.nPage)),
                              .Thumb = thumb,
                              .Min = info.nMin,
                              .Max = info.nMax });
}
