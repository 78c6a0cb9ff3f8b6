#include "lib/menus/bsHintLayout.h"
#include "lib/skindata/bsSkinWindowRecords.h"

std::string ReplaceLineSeparators(std::string text, const std::string& separator) {
    if (separator.empty()) return text;
    std::size_t at = 0;
    while ((at = text.find(separator, at)) != std::string::npos) {
        text.replace(at, separator.size(), "\n\r");
        at += 2;
    }
    return text;
}

TbsHintGeometry ResizeHintGeometry(const TbsDataSkinHintWindow& record, int picW, int picH, int& W,
                                   int& H) {
    const TPoint lt = record.LTPoint, rt = record.RTPoint, lb = record.LBPoint, rb = record.RBPoint;
    int dW = W - picW;
    int dH = H - picH;
    if (rt.X + dW < lt.X) {
        W += lt.X - (rt.X + dW);
        dW = W - picW;
    }
    if (rb.X + dW < lb.X) {
        W += lb.X - (rb.X + dW);
        dW = W - picW;
    }
    if (lb.Y + dH < lt.Y) {
        H += lt.Y - (lb.Y + dH);
        dH = H - picH;
    }
    if (rb.Y + dH < rt.Y) {
        H += rt.Y - (rb.Y + dH);
        dH = H - picH;
    }
    const TRect& cl = record.ClRect;
    return TbsHintGeometry{ TRect(cl.Left, cl.Top, cl.Right + dW, cl.Bottom + dH), lt,
                            TPoint(rt.X + dW, rt.Y), TPoint(lb.X, lb.Y + dH),
                            TPoint(rb.X + dW, rb.Y + dH) };
}

TRect FitHintRect(TRect hint, const TRect& area) {
    const int w = hint.Width(), h = hint.Height();
    if (area.Right < hint.Right) {
        hint.Left -= w + 2;
        hint.Right -= w + 2;
    }
    if (area.Bottom < hint.Bottom) {
        hint.Top -= h + 2;
        hint.Bottom -= h + 2;
    }
    return hint;
}
