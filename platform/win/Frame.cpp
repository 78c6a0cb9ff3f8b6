#include "platform/win/Frame.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/SizeLimits.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowTree.h"
#include <algorithm>

namespace win {

LRESULT DefaultHitTest(HWND hwnd, POINT screen) {
    auto w = FindWindow(hwnd);
    if (!w) return HTNOWHERE;
    const RECT r = ScreenRect(*w);
    if (!PtInRect(&r, screen)) return HTNOWHERE;
    const int x = screen.x - r.left;
    const int y = screen.y - r.top;
    const RECT& c = w->FClient;
    if (x >= c.left && x < c.right && y >= c.top && y < c.bottom) return HTCLIENT;
    const RECT insets = DefaultFrameInsets(w->FStyle, w->FExStyle);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int border = insets.left;
    if ((w->FStyle & WS_THICKFRAME) && !(w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE))) {
        // Corners reach along the edges as far as a caption is high, as Win32's do.
        const int corner = border + 18;
        const bool left = x < border, right = x >= width - border;
        const bool top = y < border, bottom = y >= height - border;
        if (left || right || top || bottom) {
            const bool nearTop = y < corner, nearBottom = y >= height - corner;
            const bool nearLeft = x < corner, nearRight = x >= width - corner;
            if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
            if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
            if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
            if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
            if (left) return HTLEFT;
            if (right) return HTRIGHT;
            if (top) return HTTOP;
            return HTBOTTOM;
        }
    }
    if ((w->FStyle & WS_CAPTION) == WS_CAPTION && y >= border && y < insets.top) return HTCAPTION;
    return HTBORDER;
}

namespace {

// The rectangle a drag proposes: the caption moves it, an edge moves that edge only.
RECT ProposedRect(const RECT& start, int hit, int dx, int dy) {
    RECT r = start;
    if (hit == HTCAPTION) {
        OffsetRect(&r, dx, dy);
        return r;
    }
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) r.left += dx;
    if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) r.right += dx;
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) r.top += dy;
    if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) r.bottom += dy;
    return r;
}

// Keeps the size within the tracking limits by moving only the dragged edges.
void ClampSize(RECT& r, int hit, const MINMAXINFO& mmi) {
    const int minW = mmi.ptMinTrackSize.x, maxW = std::max(minW, int(mmi.ptMaxTrackSize.x));
    const int minH = mmi.ptMinTrackSize.y, maxH = std::max(minH, int(mmi.ptMaxTrackSize.y));
    const int w = std::clamp<int>(r.right - r.left, minW, maxW);
    const int h = std::clamp<int>(r.bottom - r.top, minH, maxH);
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT)
        r.left = r.right - w;
    else
        r.right = r.left + w;
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT)
        r.top = r.bottom - h;
    else
        r.bottom = r.top + h;
}

UINT SizingEdge(int hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? UINT(hit - HTLEFT + WMSZ_LEFT) : 0;
}

void ApplyRect(HWND hwnd, const RECT& screenRect) {
    RECT r = screenRect;
    // SetWindowPos takes parent client coordinates.
    MapWindowPoints(nullptr, GetAncestor(hwnd, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void RunMoveSizeLoop(HWND hwnd, int hit, POINT start) {
    auto w = FindWindow(hwnd);
    if (!w || (w->FStyle & WS_MINIMIZE)) return;
    if (w->FStyle & WS_MAXIMIZE) return;
    if (hit != HTCAPTION && !(w->FStyle & WS_THICKFRAME) && !SizingEdge(hit)) return;
    RECT startRect;
    GetWindowRect(hwnd, &startRect);
    const bool sizing = hit != HTCAPTION;

    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    if (!IsWindow(hwnd)) return;
    // The window may have changed its limits since the window manager last heard them.
    UpdateNativeSizeLimits(hwnd);
    if (!IsWindow(hwnd)) return;
    SetCapture(hwnd);
    MSG msg;
    bool quit = false;
    int quitCode = 0;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            quit = true;
            quitCode = int(msg.wParam);
            break;
        }
        const bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                           (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
        if (mouse) {
            if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
            if (msg.message != WM_MOUSEMOVE) continue;
            RECT r = ProposedRect(startRect, hit, msg.pt.x - start.x, msg.pt.y - start.y);
            if (sizing) {
                auto current = FindWindow(hwnd);
                if (!current) break;
                MINMAXINFO mmi = DefaultMinMaxInfo(*current);
                SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
                ClampSize(r, hit, mmi);
                SendMessage(hwnd, WM_SIZING, SizingEdge(hit), reinterpret_cast<LPARAM>(&r));
            } else {
                SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            }
            if (IsWindow(hwnd)) ApplyRect(hwnd, r);
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            ApplyRect(hwnd, startRect);
            break;
        }
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
    if (quit) PostQuitMessage(quitCode);
}

} // namespace win
