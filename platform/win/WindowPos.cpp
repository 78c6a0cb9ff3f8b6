#include "platform/win/Activation.h"
#include "platform/win/Backend.h"
#include "platform/win/Messaging.h"
#include "platform/win/NativeChildState.h"
#include "platform/win/SizeLimits.h"
#include "platform/win/UpdateState.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <algorithm>

namespace win {

namespace {

LONG Width(const RECT& r) {
    return r.right - r.left;
}
LONG Height(const RECT& r) {
    return r.bottom - r.top;
}

bool OwnThread(const Window& w) {
    return w.FThread == std::this_thread::get_id();
}

const MonitorArea* BestMonitor(const std::vector<MonitorArea>& monitors, const RECT& rect) {
    const MonitorArea* best = nullptr;
    long bestArea = -1;
    for (const MonitorArea& m : monitors) {
        RECT overlap;
        long area = IntersectRect(&overlap, &m.FBounds, &rect)
                        ? long(Width(overlap)) * long(Height(overlap))
                        : 0;
        if (area > bestArea || (area == bestArea && area == 0 && m.FPrimary)) {
            best = &m;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

RECT WorkAreaNear(const RECT& rect) {
    if (!HasBackend()) return RECT{ 0, 0, 1024, 768 };
    const auto monitors = CurrentBackend().Monitors();
    const MonitorArea* m = BestMonitor(monitors, rect);
    return m ? m->FWorkArea : RECT{ 0, 0, 1024, 768 };
}

RECT MonitorNear(const RECT& rect) {
    if (!HasBackend()) return RECT{ 0, 0, 1024, 768 };
    const auto monitors = CurrentBackend().Monitors();
    const MonitorArea* m = BestMonitor(monitors, rect);
    return m ? m->FBounds : RECT{ 0, 0, 1024, 768 };
}

void RecalcClient(Window& w) {
    RECT r = w.FRect;
    SendMessage(w.FHandle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    w.FClient = RECT{ r.left - w.FRect.left, r.top - w.FRect.top, r.right - w.FRect.left,
                      r.bottom - w.FRect.top };
}

void SendSizeAndMove(Window& w, UINT sizeType) {
    const HWND hwnd = w.FHandle;
    SendMessage(hwnd, WM_SIZE, sizeType, MAKELPARAM(Width(w.FClient), Height(w.FClient)));
    auto alive = FindWindow(hwnd);
    if (!alive) return;
    const int x = alive->FRect.left + alive->FClient.left;
    const int y = alive->FRect.top + alive->FClient.top;
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(UINT(x), UINT(y)));
    alive->FSizeSent = true;
}

MINMAXINFO DefaultMinMaxInfo(const Window& w) {
    const RECT screen = ScreenRect(w);
    const RECT work = WorkAreaNear(screen);
    const RECT monitor = MonitorNear(screen);
    // A maximized window with the default frame keeps its border just outside the work area.
    const int border = (w.FStyle & WS_THICKFRAME) ? DefaultFrameInsets(WS_THICKFRAME, 0).left : 0;
    MINMAXINFO mmi;
    mmi.ptMaxPosition = POINT{ work.left - border, work.top - border };
    mmi.ptMaxSize = POINT{ Width(work) + 2 * border, Height(work) + 2 * border };
    mmi.ptMinTrackSize = POINT{ 112, 27 };
    mmi.ptMaxTrackSize = POINT{ Width(monitor) + 12, Height(monitor) + 12 };
    return mmi;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto w = FindWindow(hwnd);
    if (!w || !OwnThread(*w)) return FALSE;
    WINDOWPOS wp{ hwnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags };
    if (flags & SWP_NOMOVE) {
        wp.x = w->FRect.left;
        wp.y = w->FRect.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = Width(w->FRect);
        wp.cy = Height(w->FRect);
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!FindWindow(hwnd)) return FALSE;
    }
    flags = wp.flags;
    const RECT oldRect = w->FRect;
    const RECT oldClient = w->FClient;
    RECT newRect = oldRect;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&newRect, wp.x - oldRect.left, wp.y - oldRect.top);
    if (!(flags & SWP_NOSIZE)) {
        newRect.right = newRect.left + std::max(wp.cx, 0);
        newRect.bottom = newRect.top + std::max(wp.cy, 0);
    }
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    const bool sized = Width(newRect) != Width(oldRect) || Height(newRect) != Height(oldRect);
    w->FRect = newRect;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = oldClient;
        OffsetRect(&params.rgrc[2], oldRect.left, oldRect.top);
        params.lppos = &wp;
        SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (!FindWindow(hwnd)) return FALSE;
        RECT c = params.rgrc[0];
        c.right = std::max(c.right, c.left);
        c.bottom = std::max(c.bottom, c.top);
        w->FClient = RECT{ c.left - newRect.left, c.top - newRect.top, c.right - newRect.left,
                           c.bottom - newRect.top };
    }
    const bool clientMoved = newRect.left + w->FClient.left != oldRect.left + oldClient.left ||
                             newRect.top + w->FClient.top != oldRect.top + oldClient.top;
    const bool clientSized =
        Width(w->FClient) != Width(oldClient) || Height(w->FClient) != Height(oldClient);

    bool restacked = false;
    const DWORD oldExStyle = w->FExStyle;
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST) w->FExStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST) w->FExStyle &= ~DWORD(WS_EX_TOPMOST);
        if (auto parent = WindowSystem::Instance().Find(w->FParent)) {
            const auto before = parent->FChildren;
            PlaceChild(*parent, hwnd, insertAfter);
            restacked = before != parent->FChildren;
        }
    }
    const bool wasVisible = (w->FStyle & WS_VISIBLE) != 0;
    const bool shown = (flags & SWP_SHOWWINDOW) && !wasVisible;
    const bool hidden = (flags & SWP_HIDEWINDOW) && wasVisible;
    if (shown) w->FStyle |= WS_VISIBLE;
    if (hidden) w->FStyle &= ~DWORD(WS_VISIBLE);

    if (w->FNative && HasBackend()) {
        Backend& backend = CurrentBackend();
        if (sized) FixNativeSizeLimits(*w, newRect);
        if (moved || sized) backend.SetNativeBounds(hwnd, newRect);
        if (restacked) RestackNatives();
        if ((oldExStyle ^ w->FExStyle) & WS_EX_TOPMOST)
            backend.SetNativeTopmost(hwnd, (w->FExStyle & WS_EX_TOPMOST) != 0);
        const bool onScreen = (w->FStyle & WS_VISIBLE) && !(w->FStyle & WS_MINIMIZE);
        // A window manager reads the limits when it takes the window on.
        if (shown && onScreen) UpdateNativeSizeLimits(hwnd);
        if (!FindWindow(hwnd)) return FALSE;
        if (shown || hidden) backend.ShowNative(hwnd, onScreen);
    }
    if (!(flags & SWP_NOREDRAW) &&
        (shown || hidden || moved || sized || restacked || (flags & SWP_FRAMECHANGED)))
        WindowAreaChanged(hwnd);

    wp.x = newRect.left;
    wp.y = newRect.top;
    wp.cx = Width(newRect);
    wp.cy = Height(newRect);
    if (!clientSized) wp.flags |= SWP_NOCLIENTSIZE;
    if (!clientMoved) wp.flags |= SWP_NOCLIENTMOVE;
    if (moved || sized || shown || hidden || (flags & SWP_FRAMECHANGED)) PlaceNativeChildren();
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    if (!FindWindow(hwnd)) return TRUE;
    if (hidden) WindowHidden(hwnd);
    if (shown && !(flags & SWP_NOACTIVATE) && IsTopLevel(*w)) WindowShown(hwnd);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    auto w = FindWindow(hwnd);
    if (!w || !OwnThread(*w)) return FALSE;
    const bool wasVisible = (w->FStyle & WS_VISIBLE) != 0;
    const bool noActivate = cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE ||
                            cmd == SW_SHOWMINNOACTIVE || cmd == SW_MINIMIZE ||
                            (w->FExStyle & WS_EX_NOACTIVATE);
    const UINT activateFlag = noActivate ? SWP_NOACTIVATE : 0;
    auto announceShow = [&] {
        if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        return FindWindow(hwnd) != nullptr;
    };

    switch (cmd) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: {
        if (!announceShow()) return wasVisible;
        if (!(w->FStyle & WS_MINIMIZE)) {
            if (!(w->FStyle & WS_MAXIMIZE)) w->FNormalRect = w->FRect;
            w->FStyle = (w->FStyle | WS_MINIMIZE) & ~DWORD(WS_MAXIMIZE);
            if (w->FNative && HasBackend()) CurrentBackend().MinimizeNative(hwnd);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
            if (!FindWindow(hwnd)) return wasVisible;
            SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
            if (FindWindow(hwnd)) WindowHidden(hwnd);
        }
        return wasVisible;
    }
    case SW_SHOWMAXIMIZED: {
        if (!announceShow()) return wasVisible;
        if (!(w->FStyle & WS_MAXIMIZE)) {
            if (!(w->FStyle & WS_MINIMIZE)) w->FNormalRect = w->FRect;
            const bool wasMinimized = (w->FStyle & WS_MINIMIZE) != 0;
            w->FStyle = (w->FStyle | WS_MAXIMIZE) & ~DWORD(WS_MINIMIZE);
            MINMAXINFO mmi = DefaultMinMaxInfo(*w);
            SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
            if (!FindWindow(hwnd)) return wasVisible;
            if (wasMinimized && w->FNative && HasBackend()) CurrentBackend().ShowNative(hwnd, true);
            SetWindowPos(hwnd, HWND_TOP, mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x,
                         mmi.ptMaxSize.y, SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOSENDCHANGING);
        } else if (!wasVisible) {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        }
        return wasVisible;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWNOACTIVATE:
        if (w->FStyle & (WS_MINIMIZE | WS_MAXIMIZE)) {
            if (!announceShow()) return wasVisible;
            const bool wasMinimized = (w->FStyle & WS_MINIMIZE) != 0;
            w->FStyle &= ~DWORD(WS_MINIMIZE | WS_MAXIMIZE);
            if (wasMinimized && w->FNative && HasBackend() && (w->FStyle & WS_VISIBLE))
                CurrentBackend().ShowNative(hwnd, true);
            const RECT r = w->FNormalRect;
            const RECT before = w->FRect;
            SetWindowPos(hwnd, nullptr, r.left, r.top, Width(r), Height(r),
                         SWP_SHOWWINDOW | SWP_NOZORDER | SWP_FRAMECHANGED | activateFlag);
            // Restoring from minimized at the same bounds changes no size, yet the window
            // must hear that it is no longer minimized.
            if (FindWindow(hwnd) && wasMinimized && before == w->FRect)
                SendSizeAndMove(*w, SIZE_RESTORED);
            if (FindWindow(hwnd) && wasMinimized && !noActivate && IsTopLevel(*w))
                WindowShown(hwnd);
            return wasVisible;
        }
        [[fallthrough]];
    default:
        if (wasVisible) return TRUE;
        if (!announceShow()) return wasVisible;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | activateFlag);
        return FALSE;
    }
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !rect) return FALSE;
    // The desktop window covers the primary monitor.
    *rect = w->FDesktop ? MonitorNear(RECT{}) : ScreenRect(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !rect) return FALSE;
    if (w->FDesktop) {
        const RECT screen = MonitorNear(RECT{});
        *rect = RECT{ 0, 0, Width(screen), Height(screen) };
        return TRUE;
    }
    *rect = RECT{ 0, 0, Width(w->FClient), Height(w->FClient) };
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !pt) return FALSE;
    const POINT o = ClientOrigin(*w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !pt) return FALSE;
    const POINT o = ClientOrigin(*w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    WindowSystem& ws = WindowSystem::Instance();
    auto a = from ? ws.Find(from) : ws.Find(ws.Desktop());
    auto b = to ? ws.Find(to) : ws.Find(ws.Desktop());
    if (!a || !b) return 0;
    const POINT oa = ClientOrigin(*a);
    const POINT ob = ClientOrigin(*b);
    const int dx = oa.x - ob.x;
    const int dy = oa.y - ob.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return int(MAKELPARAM(UINT(dx), UINT(dy)));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    const RECT insets = DefaultFrameInsets(style, exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top + (menu ? 19 : 0);
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

} // namespace win
