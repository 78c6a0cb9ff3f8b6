#pragma once
#include "lib/skindraw/bsRectUtils.h"

// Rectangles of a skin record as a control takes them over.

// An empty rectangle of the record stands for another of its rectangles.
inline TRect OrElse(const TRect& r, const TRect& fallback) {
    return RectIsEmpty(r) ? fallback : r;
}

inline TRect MovedBy(TRect r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    return r;
}
