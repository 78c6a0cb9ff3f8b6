#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/Win.h"
#include "platform/win/WindowApi.h"

using namespace win;

namespace {

DWORD StyleOf(HWND hwnd) {
    return DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
}

} // namespace

void TControlScrollBars::Update(const std::function<void(int bar, SCROLLINFO& info)>& state,
                                const std::function<void()>& resized) {
    if (FUpdating || !FControl.HandleAllocated()) return;
    FUpdating = true;
    for (int pass = 0; pass < 3; ++pass) {
        const TRect before = FControl.ClientRect();
        for (int bar : { SB_VERT, SB_HORZ }) {
            SCROLLINFO info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            state(bar, info);
            SetScrollInfo(FControl.Handle(), bar, &info, TRUE);
        }
        if (FControl.ClientRect() == before) break;
        resized();
    }
    FUpdating = false;
}

bool TControlScrollBars::Handle(TMessage& message) {
    if (!FControl.HandleAllocated()) return false;
    switch (message.Msg) {
    case SBM_GETSCROLLINFO: {
        const int bar = LOWORD(UINT(message.WParam));
        auto* info = reinterpret_cast<SCROLLINFO*>(message.LParam);
        if ((bar != SB_HORZ && bar != SB_VERT) || !info) return false;
        FBars[bar].Get(*info);
        if (FTrackBar == bar && FTrackPart == sbpThumb && (info->fMask & SIF_TRACKPOS))
            info->nTrackPos = FTrackPos;
        message.Result = TRUE;
        return true;
    }
    case SBM_SETSCROLLINFO: {
        const int bar = LOWORD(UINT(message.WParam));
        const auto* info = reinterpret_cast<const SCROLLINFO*>(message.LParam);
        if ((bar != SB_HORZ && bar != SB_VERT) || !info) return false;
        SetInfo(bar, *info, HIWORD(UINT(message.WParam)) != 0);
        message.Result = FBars[bar].Pos();
        return true;
    }
    case WM_TIMER:
        return FRepeat.Handle(message);
    case WM_NCCALCSIZE:
        FControl.DefaultHandler(message);
        CalcSize(message);
        return true;
    case WM_NCPAINT:
        FControl.DefaultHandler(message);
        PaintFrame();
        return true;
    case WM_NCHITTEST: {
        const TPoint p =
            ScreenToWindow(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
        if (BarRect(SB_VERT).Contains(p)) {
            message.Result = HTVSCROLL;
            return true;
        }
        if (BarRect(SB_HORZ).Contains(p)) {
            message.Result = HTHSCROLL;
            return true;
        }
        return false;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (message.WParam != WPARAM(HTVSCROLL) && message.WParam != WPARAM(HTHSCROLL))
            return false;
        PressBar(
            message.WParam == WPARAM(HTVSCROLL) ? SB_VERT : SB_HORZ,
            ScreenToWindow(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam))));
        return true;
    case WM_MOUSEMOVE:
        if (FTrackBar < 0) return false;
        Drag(ScreenToWindow(FControl.ClientToScreen(
            TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)))));
        return true;
    case WM_LBUTTONUP:
        if (FTrackBar < 0) return false;
        Release();
        return true;
    case WM_CAPTURECHANGED:
        if (FTrackBar >= 0 && HWND(message.LParam) != FControl.Handle()) Release();
        return false;
    default:
        return false;
    }
}

void TControlScrollBars::SetInfo(int bar, const SCROLLINFO& info, bool redraw) {
    FBars[bar].Set(info);
    const SCROLLINFO& s = FBars[bar].Info();
    // Win32 shows a bar while the range is larger than a page; SIF_DISABLENOSCROLL keeps a
    // shown bar when there is nothing left to scroll.
    const bool scrollable = s.nMax > s.nMin && (s.nPage == 0 || int(s.nPage) <= s.nMax - s.nMin);
    const bool shown = !BarRect(bar).IsEmpty() ||
                       (StyleOf(FControl.Handle()) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL));
    ShowBar(bar, scrollable || (shown && (info.fMask & SIF_DISABLENOSCROLL)));
    if (redraw) RedrawFrame();
}

void TControlScrollBars::ShowBar(int bar, bool show) {
    const HWND hwnd = FControl.Handle();
    const LONG_PTR style = GetWindowLongPtr(hwnd, GWL_STYLE);
    const LONG_PTR bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    const LONG_PTR wanted = show ? (style | bit) : (style & ~bit);
    if (wanted == style) return;
    SetWindowLongPtr(hwnd, GWL_STYLE, wanted);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TControlScrollBars::RedrawFrame() {
    RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

TRect TControlScrollBars::ClientInWindow() const {
    const HWND hwnd = const_cast<TWinControl&>(FControl).Handle();
    RECT window;
    RECT client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin{ 0, 0 };
    ClientToScreen(hwnd, &origin);
    const int x = origin.x - window.left;
    const int y = origin.y - window.top;
    return TRect(x, y, x + client.right, y + client.bottom);
}

TPoint TControlScrollBars::ScreenToWindow(const TPoint& p) const {
    RECT window;
    GetWindowRect(const_cast<TWinControl&>(FControl).Handle(), &window);
    return TPoint(p.X - window.left, p.Y - window.top);
}

TRect TControlScrollBars::BarRect(int bar) const {
    const HWND hwnd = const_cast<TWinControl&>(FControl).Handle();
    const DWORD style = StyleOf(hwnd);
    const TRect c = ClientInWindow();
    if (bar == SB_VERT && (style & WS_VSCROLL))
        return TRect(c.Right, c.Top, c.Right + GetSystemMetrics(SM_CXVSCROLL), c.Bottom);
    if (bar == SB_HORZ && (style & WS_HSCROLL))
        return TRect(c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL));
    return TRect();
}

TScrollBarGeometry TControlScrollBars::Geometry(int bar) const {
    SCROLLINFO info = FBars[bar].Info();
    info.nTrackPos = FTrackBar == bar && FTrackPart == sbpThumb ? FTrackPos : info.nPos;
    return TScrollBarGeometry(BarRect(bar), bar == SB_VERT, info);
}

void TControlScrollBars::CalcSize(TMessage& message) {
    RECT* r = reinterpret_cast<RECT*>(message.LParam);
    if (!r) return;
    const DWORD style = StyleOf(FControl.Handle());
    if (style & WS_VSCROLL) r->right = std::max(r->left, r->right - GetSystemMetrics(SM_CXVSCROLL));
    if (style & WS_HSCROLL)
        r->bottom = std::max(r->top, r->bottom - GetSystemMetrics(SM_CYHSCROLL));
}

void TControlScrollBars::PaintFrame() {
    const HWND hwnd = FControl.Handle();
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    RECT window;
    GetWindowRect(hwnd, &window);
    TCanvas canvas;
    canvas.SetHandle(dc);
    if (GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
        RECT edge{ 0, 0, window.right - window.left, window.bottom - window.top };
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    }
    const bool enabled = FControl.Enabled();
    for (int bar : { SB_VERT, SB_HORZ }) {
        if (BarRect(bar).IsEmpty()) continue;
        Geometry(bar).Paint(canvas, FTrackBar == bar ? FTrackPart : sbpNone, enabled);
    }
    const TRect v = BarRect(SB_VERT);
    const TRect h = BarRect(SB_HORZ);
    if (!v.IsEmpty() && !h.IsEmpty()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(TRect(v.Left, h.Top, v.Right, h.Bottom));
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(hwnd, dc);
}

void TControlScrollBars::PressBar(int bar, const TPoint& windowPoint) {
    if (!FControl.Enabled()) return;
    const TScrollBarGeometry geometry = Geometry(bar);
    const TScrollBarPart part = geometry.PartAt(windowPoint);
    if (part == sbpNone) return;
    FTrackBar = bar;
    FTrackPart = part;
    FTrackOrigin = windowPoint;
    FTrackStart = FBars[bar].Info();
    FTrackStart.nTrackPos = FTrackStart.nPos;
    FTrackPos = FTrackStart.nPos;
    SetCapture(FControl.Handle());
    RedrawFrame();
    if (part != sbpThumb) {
        Send(bar, TScrollBarGeometry::ScrollCode(part), 0);
        FRepeat.Start([this] { RepeatPress(); });
    }
}

void TControlScrollBars::RepeatPress() {
    // A held press repeats while the pointer stays on the part; a held page press stops
    // once the thumb has come to the pointer.
    POINT p;
    GetCursorPos(&p);
    if (Geometry(FTrackBar).PartAt(ScreenToWindow(TPoint(p.x, p.y))) != FTrackPart) return;
    Send(FTrackBar, TScrollBarGeometry::ScrollCode(FTrackPart), 0);
}

void TControlScrollBars::Drag(const TPoint& windowPoint) {
    if (FTrackPart != sbpThumb) return;
    const int bar = FTrackBar;
    const TScrollBarGeometry atPress(BarRect(bar), bar == SB_VERT, FTrackStart);
    const int delta =
        bar == SB_VERT ? windowPoint.Y - FTrackOrigin.Y : windowPoint.X - FTrackOrigin.X;
    const int pos = atPress.PositionForThumbAt(delta);
    if (pos == FTrackPos) return;
    FTrackPos = pos;
    RedrawFrame();
    Send(bar, SB_THUMBTRACK, pos);
}

void TControlScrollBars::Release() {
    const int bar = FTrackBar;
    const bool thumb = FTrackPart == sbpThumb;
    FRepeat.Stop();
    FTrackBar = -1;
    FTrackPart = sbpNone;
    if (GetCapture() == FControl.Handle()) ReleaseCapture();
    if (thumb) Send(bar, SB_THUMBPOSITION, FTrackPos);
    Send(bar, SB_ENDSCROLL, 0);
    RedrawFrame();
}

void TControlScrollBars::Send(int bar, unsigned code, int pos) {
    SendMessage(FControl.Handle(), bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                MAKEWPARAM(code, UINT(pos) & 0xFFFF), 0);
}
