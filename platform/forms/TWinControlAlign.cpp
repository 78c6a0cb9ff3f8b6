// Alignment, anchors and scrolling of a windowed control's children.
#include "platform/forms/TWinControl.h"
#include <algorithm>

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* control) {
    if (FAligning) return;
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FAligning = true;
    try {
        TRect r = ClientRect();
        AdjustClientRect(r);
        AlignControls(control, r);
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
    FControlState.Exclude(csAlignmentNeeded);
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
    AnchorControls(ClientRect());
    auto take = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->FAlign == align && c->FVisible) list.push_back(c);
        // Ordered by position along the edge they stick to; the control being placed wins ties
        // so that moving it makes room in front of its neighbour.
        auto key = [&](const TControl* c) {
            switch (align) {
            case alTop:
                return c->FTop;
            case alBottom:
                return -(c->FTop + c->FHeight);
            case alLeft:
                return c->FLeft;
            case alRight:
                return -(c->FLeft + c->FWidth);
            default:
                return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](const TControl* a, const TControl* b) {
            const int ka = key(a), kb = key(b);
            if (ka != kb) return ka < kb;
            return a == control && b != control;
        });
        return list;
    };
    for (TControl* c : take(alTop)) {
        c->SetBounds(rect.Left, rect.Top, rect.Width(), c->FHeight);
        rect.Top += c->FHeight;
    }
    for (TControl* c : take(alBottom)) {
        c->SetBounds(rect.Left, rect.Bottom - c->FHeight, rect.Width(), c->FHeight);
        rect.Bottom -= c->FHeight;
    }
    for (TControl* c : take(alLeft)) {
        c->SetBounds(rect.Left, rect.Top, c->FWidth, rect.Height());
        rect.Left += c->FWidth;
    }
    for (TControl* c : take(alRight)) {
        c->SetBounds(rect.Right - c->FWidth, rect.Top, c->FWidth, rect.Height());
        rect.Right -= c->FWidth;
    }
    for (TControl* c : take(alClient))
        c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TWinControl::AnchorControls(const TRect& client) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->FAlign != alNone) continue;
        if (!c->FAnchorBaseValid) continue;
        const TAnchors a = c->FAnchors;
        if (a == TAnchors{ akLeft, akTop }) continue;
        const TRect& b = c->FAnchorBounds;
        const int dw = client.Width() - c->FAnchorParentSize.cx;
        const int dh = client.Height() - c->FAnchorParentSize.cy;
        int left = b.Left, width = b.Width(), top = b.Top, height = b.Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                width += dw;
            else
                left += dw;
        } else if (!a.Contains(akLeft)) {
            left += dw / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                height += dh;
            else
                top += dh;
        } else if (!a.Contains(akTop)) {
            top += dh / 2;
        }
        c->SetBounds(left, top, std::max(0, width), std::max(0, height));
    }
}

void TWinControl::ScrollBy(int deltaX, int deltaY) {
    if (deltaX == 0 && deltaY == 0) return;
    DisableAlign();
    try {
        for (TControl* c : std::vector<TControl*>(FControls))
            c->SetBounds(c->FLeft + deltaX, c->FTop + deltaY, c->FWidth, c->FHeight);
    } catch (...) {
        EnableAlign();
        throw;
    }
    FControlState.Exclude(csAlignmentNeeded); // scrolling is no reason to realign
    EnableAlign();
    Invalidate();
}
