#include "platform/forms/TScrollBox.h"
#include "platform/forms/ScrollRequest.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {
constexpr int kWheelLines = 3;
} // namespace

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Exclude(csSetCaption);
    FColor = clBtnFace;
    FWidth = 185;
    FHeight = 41;
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

TSize TScrollBox::Range() const {
    TSize range{ 0, 0 };
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible()) continue;
        range.cx = std::max(range.cx, c->Left() + c->Width() + FScroll.X);
        range.cy = std::max(range.cy, c->Top() + c->Height() + FScroll.Y);
    }
    return range;
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
    TWinControl::AlignControls(control, rect);
    UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || FUpdating) return;
    FUpdating = true;
    const TSize range = Range();
    // Showing one bar narrows the view, which may call for the other: two rounds settle it.
    for (int round = 0; round < 2; ++round) {
        for (int bar : { SB_HORZ, SB_VERT }) {
            SCROLLINFO info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMax = std::max(0, (bar == SB_HORZ ? range.cx : range.cy) - 1);
            info.nPage = UINT(std::max(1, bar == SB_HORZ ? ClientWidth() : ClientHeight()));
            info.nPos = bar == SB_HORZ ? FScroll.X : FScroll.Y;
            SetScrollInfo(FHandle, bar, &info, TRUE);
        }
    }
    FUpdating = false;
    // Growing the view may leave it scrolled past the end.
    SetScrollPos(TPoint(GetScrollPos(FHandle, SB_HORZ), GetScrollPos(FHandle, SB_VERT)));
}

void TScrollBox::SetScrollPos(const TPoint& value) {
    TPoint next = value;
    if (HandleAllocated()) {
        const TSize range = Range();
        next.X = std::clamp(next.X, 0, std::max(0, range.cx - ClientWidth()));
        next.Y = std::clamp(next.Y, 0, std::max(0, range.cy - ClientHeight()));
    }
    next.X = std::max(0, next.X);
    next.Y = std::max(0, next.Y);
    if (next == FScroll) return;
    const TPoint old = FScroll;
    FScroll = next;
    FUpdating = true;
    ScrollBy(old.X - next.X, old.Y - next.Y);
    FUpdating = false;
    UpdateScrollBars();
}

void TScrollBox::ScrollInView(TControl* control) {
    if (!control || !ContainsControl(control)) return;
    TPoint to = FScroll;
    const TRect r = control->BoundsRect();
    if (r.Left < 0)
        to.X += r.Left;
    else if (r.Right > ClientWidth())
        to.X += std::min(r.Right - ClientWidth(), r.Left);
    if (r.Top < 0)
        to.Y += r.Top;
    else if (r.Bottom > ClientHeight())
        to.Y += std::min(r.Bottom - ClientHeight(), r.Top);
    SetScrollPos(to);
}

void TScrollBox::Scroll(int bar, unsigned code) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(FHandle, bar, &info);
    const std::optional<int> pos = ScrollRequestPos(code, bar == SB_HORZ ? FScroll.X : FScroll.Y,
                                                    { .Line = FIncrement,
                                                      .Page = int(info.nPage),
                                                      .Thumb = info.nTrackPos,
                                                      .Min = 0,
                                                      .Max = info.nMax });
    if (!pos) return;
    SetScrollPos(bar == SB_HORZ ? TPoint(*pos, FScroll.Y) : TPoint(FScroll.X, *pos));
}

void TScrollBox::WndProc(TMessage& message) {
    if (FFrame.Handle(message)) return;
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Requests of the box's own bars; those of child scroll bars are reflected to them.
        if (message.LParam == 0) {
            Scroll(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(UINT(message.WParam)));
            return;
        }
        break;
    case CM_FOCUSCHANGED: {
        // A control that takes the focus inside the box is scrolled into view.
        auto* focused = reinterpret_cast<TControl*>(message.LParam);
        if (focused && focused != this && ContainsControl(focused)) {
            TControl* child = focused;
            while (child->Parent() != this)
                child = child->Parent();
            ScrollInView(child);
        }
        break;
    }
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA;
        SetScrollPos(TPoint(FScroll.X, FScroll.Y - notches * kWheelLines * FIncrement));
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
    if (message.Msg == WM_SIZE) UpdateScrollBars();
}
