#include "platform/win/Focus.h"
#include "platform/win/Activation.h"
#include "platform/win/Backend.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

bool InSubtree(HWND root, HWND hwnd) {
    return hwnd && (hwnd == root || IsChild(root, hwnd));
}

// Changes the active window with Win32's message order; activateFocus gives the focus to the new
// window the way DefWindowProc(WM_ACTIVATE) would, when its handler leaves focus elsewhere.
HWND Activate(HWND hwnd, UINT how) {
    WindowSystem& ws = WindowSystem::Instance();
    const HWND old = FindWindow(ws.FActive) ? ws.FActive : nullptr;
    if (old == hwnd) return old;
    ws.FActive = hwnd;
    if (old) {
        SendMessage(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0),
                    reinterpret_cast<LPARAM>(hwnd));
    }
    if (!old && hwnd) {
        for (auto w : ws.AllWindows())
            if (IsTopLevel(*w) && !w->FMessageOnly)
                SendMessage(w->FHandle, WM_ACTIVATEAPP, TRUE, 0);
    }
    if (old && !hwnd) {
        for (auto w : ws.AllWindows())
            if (IsTopLevel(*w) && !w->FMessageOnly)
                SendMessage(w->FHandle, WM_ACTIVATEAPP, FALSE, 0);
    }
    if (hwnd && FindWindow(hwnd) && ws.FActive == hwnd) {
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessage(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
        SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd) ? 1 : 0),
                    reinterpret_cast<LPARAM>(old));
    }
    if (!hwnd && ws.FFocus) SetFocus(nullptr);
    return old;
}

// The window that takes over when the active one goes away: its owner, else the topmost
// visible top-level window that may be activated.
HWND NextActive(HWND leaving) {
    WindowSystem& ws = WindowSystem::Instance();
    auto w = FindWindow(leaving);
    if (w && w->FOwner && IsWindowVisible(w->FOwner) && !IsIconic(w->FOwner) &&
        IsWindowEnabled(w->FOwner))
        return w->FOwner;
    auto desktop = ws.Find(ws.Desktop());
    for (HWND h : desktop->FChildren) {
        auto c = FindWindow(h);
        if (!c || h == leaving || !(c->FStyle & WS_VISIBLE) || (c->FStyle & WS_MINIMIZE) ||
            (c->FStyle & WS_DISABLED) || (c->FExStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW)))
            continue;
        return h;
    }
    return nullptr;
}

} // namespace

HWND GetFocus() {
    return WindowSystem::Instance().FFocus;
}
HWND GetActiveWindow() {
    return WindowSystem::Instance().FActive;
}
HWND GetForegroundWindow() {
    return WindowSystem::Instance().FActive;
}
HWND GetCapture() {
    return WindowSystem::Instance().FCapture;
}

HWND SetFocus(HWND hwnd) {
    WindowSystem& ws = WindowSystem::Instance();
    const HWND old = FindWindow(ws.FFocus) ? ws.FFocus : nullptr;
    if (hwnd) {
        auto w = FindWindow(hwnd);
        if (!w || w->FThread != std::this_thread::get_id() || w->FMessageOnly) return nullptr;
        const HWND top = GetAncestor(hwnd, GA_ROOT);
        if (ws.FActive != top) {
            Activate(top, WA_ACTIVE);
            if (!FindWindow(hwnd)) return old;
        }
    }
    const HWND current = FindWindow(ws.FFocus) ? ws.FFocus : nullptr;
    if (current == hwnd) return old;
    if (current) SendMessage(current, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    ws.FFocus = hwnd;
    if (hwnd) SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(current), 0);
    return old;
}

HWND SetActiveWindow(HWND hwnd) {
    if (hwnd) {
        auto w = FindWindow(hwnd);
        if (!w || !IsTopLevel(*w) || w->FMessageOnly) return nullptr;
    }
    return Activate(hwnd, WA_ACTIVE);
}

BOOL SetForegroundWindow(HWND hwnd) {
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    if (!top) return FALSE;
    SetActiveWindow(top);
    if (HasBackend()) CurrentBackend().ActivateNative(top);
    return TRUE;
}

void NativeActivated(HWND hwnd) {
    if (!hwnd) {
        Activate(nullptr, WA_INACTIVE);
        return;
    }
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    if (top) Activate(top, WA_ACTIVE);
}

HWND SetCapture(HWND hwnd) {
    WindowSystem& ws = WindowSystem::Instance();
    const HWND old = FindWindow(ws.FCapture) ? ws.FCapture : nullptr;
    if (!FindWindow(hwnd)) return old;
    ws.FCapture = hwnd;
    if (HasBackend()) CurrentBackend().GrabPointer(GetAncestor(hwnd, GA_ROOT));
    if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    WindowSystem& ws = WindowSystem::Instance();
    const HWND old = ws.FCapture;
    if (!old) return TRUE;
    ws.FCapture = nullptr;
    if (HasBackend()) CurrentBackend().GrabPointer(nullptr);
    if (FindWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    auto w = FindWindow(hwnd);
    if (!w) return FALSE;
    const bool wasDisabled = (w->FStyle & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    WindowSystem& ws = WindowSystem::Instance();
    if (!enable) {
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (!FindWindow(hwnd)) return wasDisabled;
        w->FStyle |= WS_DISABLED;
        if (InSubtree(hwnd, ws.FCapture)) ReleaseCapture();
        if (InSubtree(hwnd, ws.FFocus)) SetFocus(nullptr);
    } else {
        w->FStyle &= ~DWORD(WS_DISABLED);
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

void ForgetWindow(HWND hwnd) {
    WindowSystem& ws = WindowSystem::Instance();
    if (ws.FMenuOwner == hwnd) SetMenuMode(nullptr);
    if (ws.FFocus == hwnd) ws.FFocus = nullptr;
    if (ws.FCapture == hwnd) {
        ws.FCapture = nullptr;
        if (HasBackend()) CurrentBackend().GrabPointer(nullptr);
    }
    if (ws.FActive == hwnd) ws.FActive = nullptr;
}

void WindowHidden(HWND hwnd) {
    WindowSystem& ws = WindowSystem::Instance();
    if (InSubtree(hwnd, ws.FCapture)) ReleaseCapture();
    if (ws.FActive == hwnd) {
        Activate(NextActive(hwnd), WA_ACTIVE);
    } else if (InSubtree(hwnd, ws.FFocus)) {
        auto w = FindWindow(hwnd);
        SetFocus(w && (w->FStyle & WS_CHILD) ? GetAncestor(hwnd, GA_ROOT) : nullptr);
    }
}

void WindowShown(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w || w->FMessageOnly || (w->FExStyle & WS_EX_NOACTIVATE) || (w->FStyle & WS_DISABLED))
        return;
    Activate(hwnd, WA_ACTIVE);
}

} // namespace win

namespace win {

void ActivateByClick(HWND top) {
    auto w = FindWindow(top);
    if (!w || (w->FExStyle & WS_EX_NOACTIVATE) || (w->FStyle & WS_DISABLED)) return;
    Activate(top, WA_CLICKACTIVE);
}

void SetMenuMode(HWND form) {
    WindowSystem& ws = WindowSystem::Instance();
    ws.FMenuOwner = FindWindow(form) ? form : nullptr;
    if (HasBackend()) CurrentBackend().GrabPointerForMenu(GetAncestor(ws.FMenuOwner, GA_ROOT));
}

HWND MenuModeOwner() {
    WindowSystem& ws = WindowSystem::Instance();
    return FindWindow(ws.FMenuOwner) ? ws.FMenuOwner : nullptr;
}

} // namespace win
