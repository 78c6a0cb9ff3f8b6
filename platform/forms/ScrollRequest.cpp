#include "platform/forms/ScrollRequest.h"
#include "platform/win/ScrollInfo.h"

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
