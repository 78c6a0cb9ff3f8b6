#include "platform/gfx/WinTypes.h"

#include <algorithm>

namespace win {

BOOL SetRect(RECT* rc, int left, int top, int right, int bottom) {
    if (!rc) return FALSE;
    *rc = RECT{ left, top, right, bottom };
    return TRUE;
}

BOOL SetRectEmpty(RECT* rc) {
    return SetRect(rc, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL OffsetRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left += dx;
    rc->right += dx;
    rc->top += dy;
    rc->bottom += dy;
    return TRUE;
}

BOOL InflateRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left -= dx;
    rc->right += dx;
    rc->top -= dy;
    rc->bottom += dy;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rc) {
    return !rc || rc->left >= rc->right || rc->top >= rc->bottom;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    const RECT r{ std::max(a->left, b->left), std::max(a->top, b->top),
                  std::min(a->right, b->right), std::min(a->bottom, b->bottom) };
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    const bool aEmpty = IsRectEmpty(a);
    const bool bEmpty = IsRectEmpty(b);
    if (aEmpty && bEmpty) {
        SetRectEmpty(dst);
        return FALSE;
    }
    if (aEmpty)
        *dst = *b;
    else if (bEmpty)
        *dst = *a;
    else
        *dst = RECT{ std::min(a->left, b->left), std::min(a->top, b->top),
                     std::max(a->right, b->right), std::max(a->bottom, b->bottom) };
    return TRUE;
}

// Only a cut that leaves a rectangle shrinks the result; otherwise it is a copy of a, as GDI does.
BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    RECT r = *a;
    RECT cut;
    if (IntersectRect(&cut, a, b)) {
        const bool fullWidth = cut.left == a->left && cut.right == a->right;
        const bool fullHeight = cut.top == a->top && cut.bottom == a->bottom;
        if (fullWidth && fullHeight) {
            SetRectEmpty(dst);
            return FALSE;
        }
        if (fullWidth && cut.top == a->top)
            r.top = cut.bottom;
        else if (fullWidth && cut.bottom == a->bottom)
            r.bottom = cut.top;
        else if (fullHeight && cut.left == a->left)
            r.left = cut.right;
        else if (fullHeight && cut.right == a->right)
            r.right = cut.left;
    }
    *dst = r;
    return TRUE;
}

BOOL PtInRect(const RECT* rc, POINT pt) {
    return rc && pt.x >= rc->left && pt.x < rc->right && pt.y >= rc->top && pt.y < rc->bottom;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && *a == *b;
}

} // namespace win
