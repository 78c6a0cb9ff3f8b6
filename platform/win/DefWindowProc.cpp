#include "platform/rtl/TextUtils.h"
#include "platform/win/Backend.h"
#include "platform/win/Focus.h"
#include "platform/win/Frame.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <algorithm>
#include <cstring>
#include <utility>

namespace win {

namespace {

LRESULT CopyText(const std::string& text, WPARAM maxCount, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || maxCount == 0) return 0;
    const std::size_t n = Utf8Fit(text, std::size_t(maxCount) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = 0;
    return LRESULT(n);
}

void CalcDefaultClient(const Window& w, RECT* r) {
    if (!r || (w.FStyle & WS_MINIMIZE)) return;
    const RECT insets = DefaultFrameInsets(w.FStyle, w.FExStyle);
    r->left += insets.left;
    r->top += insets.top;
    r->right -= insets.right;
    r->bottom -= insets.bottom;
    r->right = std::max(r->right, r->left);
    r->bottom = std::max(r->bottom, r->top);
}

LRESULT WindowPosChanging(const Window& w, WINDOWPOS* wp) {
    if (!wp || (wp->flags & SWP_NOSIZE) || (w.FStyle & WS_MINIMIZE)) return 0;
    if (!((w.FStyle & WS_THICKFRAME) || !(w.FStyle & (WS_POPUP | WS_CHILD)))) return 0;
    MINMAXINFO mmi = DefaultMinMaxInfo(w);
    SendMessage(w.FHandle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x,
                             std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y,
                             std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
    return 0;
}

LRESULT WindowPosChanged(HWND hwnd, const WINDOWPOS* wp) {
    auto w = FindWindow(hwnd);
    if (!w || !wp) return 0;
    if (!(wp->flags & SWP_NOCLIENTMOVE)) {
        const int x = w->FRect.left + w->FClient.left;
        const int y = w->FRect.top + w->FClient.top;
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(UINT(x), UINT(y)));
    }
    w = FindWindow(hwnd);
    if (w && !(wp->flags & SWP_NOCLIENTSIZE)) {
        const UINT type = (w->FStyle & WS_MINIMIZE)   ? SIZE_MINIMIZED
                          : (w->FStyle & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                      : SIZE_RESTORED;
        SendMessage(hwnd, WM_SIZE, type,
                    MAKELPARAM(UINT(w->FClient.right - w->FClient.left),
                               UINT(w->FClient.bottom - w->FClient.top)));
    }
    return 0;
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        break;
    case SC_MOVE:
    case SC_SIZE: {
        // The low nibble of SC_SIZE names the edge (WMSZ_*); a move drags by the caption.
        static const int kEdgeHit[] = { HTCAPTION,  HTLEFT,   HTRIGHT,      HTTOP,        HTTOPLEFT,
                                        HTTOPRIGHT, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT };
        const unsigned edge = unsigned(wParam & 0x0F);
        const int hit = (wParam & 0xFFF0) == SC_MOVE || edge > 8 ? HTCAPTION : kEdgeHit[edge];
        RunMoveSizeLoop(hwnd, hit, POINT{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) });
        break;
    }
    default:
        break;
    }
    return 0;
}

LRESULT NcButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
    const int code = int(hit);
    if (code == HTCAPTION) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
    } else if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE | UINT(code - HTLEFT + WMSZ_LEFT), lParam);
    }
    return 0;
}

LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const HWND target = reinterpret_cast<HWND>(wParam);
    // Parents get the first say (as in Win32) for windows they contain.
    if (auto w = FindWindow(hwnd); w && (w->FStyle & WS_CHILD)) {
        if (HWND parent = GetParent(hwnd);
            parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
    }
    const int hit = short(LOWORD(UINT_PTR(lParam)));
    if (hit == HTCLIENT) {
        if (target != hwnd) return FALSE;
        HCURSOR cursor = reinterpret_cast<HCURSOR>(GetClassLongPtr(hwnd, GCLP_HCURSOR));
        if (cursor) SetCursor(cursor);
        return cursor ? TRUE : FALSE;
    }
    SetCursor(LoadCursor(nullptr, CursorForHit(hit)));
    return hit == HTERROR ? FALSE : TRUE;
}

// Where a context menu asked for by the keyboard opens: the window decides (its centre, its
// selection), told by the position -1, -1.
constexpr LPARAM kKeyboardContextMenu = MAKELPARAM(0xFFFF, 0xFFFF);

// F10 pressed with Shift asked for a context menu: its release opens no menu bar.
thread_local bool tF10ForContextMenu = false;

LRESULT SysKeyDown(HWND hwnd, WPARAM vk, LPARAM lParam) {
    const bool alt = (lParam & (1 << 29)) != 0;
    if (alt && vk == VK_F4) {
        const HWND top = GetAncestor(hwnd, GA_ROOT);
        SendMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (vk == VK_F10 && !alt && GetKeyState(VK_SHIFT) < 0) {
        tF10ForContextMenu = true;
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), kKeyboardContextMenu);
    }
    return 0;
}

LRESULT SysKeyUp(HWND hwnd, WPARAM vk, LPARAM) {
    if (vk == VK_F10 && std::exchange(tF10ForContextMenu, false)) return 0;
    // A lone Alt (or F10) opens the menu of the top-level window.
    if ((vk == VK_MENU && LastKeyWasLoneAlt()) || vk == VK_F10)
        SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

LRESULT KeyUp(HWND hwnd, WPARAM vk, LPARAM lParam) {
    if (vk == VK_F10) return SysKeyUp(hwnd, vk, lParam);
    if (vk == VK_APPS)
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), kKeyboardContextMenu);
    return 0;
}

LRESULT RightButtonUp(HWND hwnd, LPARAM lParam) {
    POINT p{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    ClientToScreen(hwnd, &p);
    SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                MAKELPARAM(UINT(p.x), UINT(p.y)));
    return 0;
}

LRESULT MouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto w = FindWindow(hwnd);
    if (w && (w->FStyle & WS_CHILD)) {
        if (HWND parent = GetParent(hwnd)) {
            const LRESULT r = SendMessage(parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
    }
    return MA_ACTIVATE;
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = FindWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName) w->FText = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        CalcDefaultClient(*w, wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                     : reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_SETTEXT:
        w->FText = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (w->FNative && HasBackend()) CurrentBackend().SetNativeTitle(hwnd, w->FText);
        // The default frame shows the title in its caption bar.
        if ((w->FStyle & WS_CAPTION) == WS_CAPTION) RedrawFrame(hwnd);
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w->FText, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return LRESULT(w->FText.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING:
        return WindowPosChanging(*w, reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_WINDOWPOSCHANGED:
        return WindowPosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_NCACTIVATE:
        if (HasBackend() && !(w->FStyle & WS_CHILD)) RedrawFrame(hwnd);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        return MouseActivate(hwnd, wParam, lParam);
    case WM_NCHITTEST:
        return DefaultHitTest(hwnd, POINT{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) });
    case WM_SETCURSOR:
        return SetCursorDefault(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return NcButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        if (int(wParam) == HTCAPTION && (w->FStyle & WS_MAXIMIZEBOX) && !(w->FStyle & WS_CHILD))
            SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
        return SysKeyDown(hwnd, wParam, lParam);
    case WM_SYSKEYUP:
        return SysKeyUp(hwnd, wParam, lParam);
    case WM_KEYUP:
        return KeyUp(hwnd, wParam, lParam);
    case WM_RBUTTONUP:
        return RightButtonUp(hwnd, lParam);
    case WM_CONTEXTMENU:
        // A child that shows no menu of its own leaves the question to its parent.
        if (w->FStyle & WS_CHILD) return SendMessage(GetParent(hwnd), msg, wParam, lParam);
        return 0;
    case WM_SYSCHAR:
        // Alt with a character (Alt+Space, menu mnemonics) asks the form for its menu.
        if (lParam & (1 << 29))
            SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseWithClassBrush(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
        PaintDefaultFrame(hwnd);
        return 0;
    case WM_PRINTCLIENT:
        return 0;
    case WM_GETMINMAXINFO:
        return 0;
    case WM_SHOWWINDOW:
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_PARENTNOTIFY:
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return 0;
    case WM_MOUSEWHEEL:
        // Unhandled wheel input travels up to the parent.
        if (w->FStyle & WS_CHILD) return SendMessage(GetParent(hwnd), msg, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace win
