#include "lib/skindraw/bsRectUtils.h"

#include "platform/gfx/WinTypes.h"

bool RectInsideRect(const TRect& a, const TRect& b) {
    const win::RECT rb = b;
    return win::PtInRect(&rb, win::POINT{ a.Left, a.Top }) &&
           win::PtInRect(&rb, win::POINT{ a.Right, a.Bottom });
}

bool RectPartlyInRect(const TRect& a, const TRect& b) {
    const win::RECT rb = b;
    return win::PtInRect(&rb, win::POINT{ b.Left + 1, a.Top }) ||
           win::PtInRect(&rb, win::POINT{ b.Right - 1, a.Bottom });
}
