#include "platform/forms/TScrollBar.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

TScrollBar::TScrollBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csDoubleClicks);
    SetTabStop(true);
    FWidth = 121;
    FHeight = GetSystemMetrics(SM_CYHSCROLL);
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind value) {
    if (FKind == value) return;
    FKind = value;
    // Turning the bar turns its bounds with it.
    if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

void TScrollBar::RangeChanged(const TRangeChange& change) {
    FTrackPos = Position();
    Invalidate();
    if (change.Notify) Change();
}

void TScrollBar::Change() {
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode scrollCode, int& scrollPos) {
    if (OnScroll) OnScroll(this, scrollCode, scrollPos);
}

SCROLLINFO TScrollBar::Info() const {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = Min();
    info.nMax = Max();
    info.nPage = UINT(PageSize());
    info.nPos = Position();
    info.nTrackPos = FPressed == sbpThumb ? FTrackPos : Position();
    return info;
}

TScrollBarGeometry TScrollBar::Geometry() const {
    return TScrollBarGeometry(TControl::ClientRect(), FKind == sbVertical, Info());
}

void TScrollBar::Request(unsigned code, int pos) {
    const UINT msg = FKind == sbHorizontal ? WM_HSCROLL : WM_VSCROLL;
    const WPARAM w = MAKEWPARAM(code, UINT(pos) & 0xFFFF);
    const HWND parent = HandleAllocated() ? GetParent(FHandle) : nullptr;
    // A class-library parent reflects the request back; any other one just hears of it.
    if (parent && FindControl(parent))
        SendMessage(parent, msg, w, LPARAM(FHandle));
    else
        Perform(CN_BASE + msg, w, LPARAM(FHandle));
}

void TScrollBar::DoScroll(unsigned code, int pos) {
    int next = Position();
    TScrollCode scrollCode = scEndScroll;
    switch (code) {
    case SB_LINEUP:
        next -= FSmallChange;
        scrollCode = scLineUp;
        break;
    case SB_LINEDOWN:
        next += FSmallChange;
        scrollCode = scLineDown;
        break;
    case SB_PAGEUP:
        next -= FLargeChange;
        scrollCode = scPageUp;
        break;
    case SB_PAGEDOWN:
        next += FLargeChange;
        scrollCode = scPageDown;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        // The request carries 16 bits; a drag of the bar's own keeps the whole position.
        next = FPressed == sbpThumb ? FTrackPos : pos;
        scrollCode = code == SB_THUMBTRACK ? scTrack : scPosition;
        break;
    case SB_TOP:
        next = Min();
        scrollCode = scTop;
        break;
    case SB_BOTTOM:
        next = Max();
        scrollCode = scBottom;
        break;
    default:
        break;
    }
    next = std::clamp(next, Min(), FRange.MaxPosition());
    Scroll(scrollCode, next);
    SetPosition(next);
}

void TScrollBar::WndProc(TMessage& message) {
    if (FRepeat.Handle(message)) return;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case CN_HSCROLL:
    case CN_VSCROLL:
        DoScroll(LOWORD(UINT(message.WParam)), short(HIWORD(UINT(message.WParam))));
        return;
    case SBM_GETSCROLLINFO:
        if (auto* info = reinterpret_cast<SCROLLINFO*>(message.LParam)) {
            ScrollBarData data;
            data.Set(Info());
            data.Get(*info);
            if (info->fMask & SIF_TRACKPOS) info->nTrackPos = Info().nTrackPos;
            message.Result = TRUE;
        }
        return;
    case SBM_SETSCROLLINFO:
        if (const auto* info = reinterpret_cast<const SCROLLINFO*>(message.LParam)) {
            const int min = info->fMask & SIF_RANGE ? info->nMin : Min();
            const int max = info->fMask & SIF_RANGE ? info->nMax : Max();
            const int page = info->fMask & SIF_PAGE ? int(info->nPage) : PageSize();
            RangeChanged(
                FRange.SetParams(info->fMask & SIF_POS ? info->nPos : Position(), min, max, page));
            message.Result = Position();
        }
        return;
    case WM_LBUTTONUP:
        // Before the base class lets the mouse go, which would read as the press cut short.
        EndPress();
        break;
    case WM_CAPTURECHANGED:
        if (HWND(message.LParam) != FHandle) EndPress();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TScrollBar::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        Request(SB_LINEUP, 0);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Request(SB_LINEDOWN, 0);
        break;
    case VK_PRIOR:
        Request(SB_PAGEUP, 0);
        break;
    case VK_NEXT:
        Request(SB_PAGEDOWN, 0);
        break;
    case VK_HOME:
        Request(SB_TOP, 0);
        break;
    case VK_END:
        Request(SB_BOTTOM, 0);
        break;
    default:
        return;
    }
    Request(SB_ENDSCROLL, 0);
    key = 0;
}

void TScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const TScrollBarPart part = Geometry().PartAt(TPoint(x, y));
        if (part == sbpThumb) {
            FPressed = part;
            FDragStart = Info();
            FDragOrigin = TPoint(x, y);
            FTrackPos = Position();
            Invalidate();
        } else if (part != sbpNone) {
            FPressed = part;
            Invalidate();
            Request(TScrollBarGeometry::ScrollCode(part), 0);
            FRepeat.Start([this] {
                // Held, the press repeats while the pointer stays on its part.
                POINT p;
                GetCursorPos(&p);
                if (Geometry().PartAt(ScreenToClient(TPoint(p.x, p.y))) == FPressed)
                    Request(TScrollBarGeometry::ScrollCode(FPressed), 0);
            });
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TScrollBar::MouseMove(TShiftState shift, int x, int y) {
    if (FPressed == sbpThumb && shift.Contains(ssLeft)) {
        FDragStart.nTrackPos = FDragStart.nPos;
        const TScrollBarGeometry atPress(TControl::ClientRect(), FKind == sbVertical, FDragStart);
        const int delta = FKind == sbVertical ? y - FDragOrigin.Y : x - FDragOrigin.X;
        const int pos = atPress.PositionForThumbAt(delta);
        if (pos != FTrackPos) {
            FTrackPos = pos;
            Request(SB_THUMBTRACK, pos);
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TScrollBar::EndPress() {
    FRepeat.Stop();
    if (FPressed == sbpNone) return;
    if (FPressed == sbpThumb) Request(SB_THUMBPOSITION, FTrackPos);
    FPressed = sbpNone;
    Request(SB_ENDSCROLL, 0);
    Invalidate();
}

void TScrollBar::Paint() {
    Geometry().Paint(FCanvas, FPressed, Enabled());
    if (Focused() && FPressed == sbpNone) {
        const TRect thumb = Geometry().ThumbRect();
        if (!thumb.IsEmpty())
            FCanvas.DrawFocusRect(
                TRect(thumb.Left + 2, thumb.Top + 2, thumb.Right - 2, thumb.Bottom - 2));
    }
}
