#include "platform/rtl/MainThread.h"
#include "platform/win/Activation.h"
#include "platform/win/Backend.h"
#include "platform/win/CaretState.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messaging.h"
#include "platform/win/NativeChildState.h"
#include "platform/win/UpdateState.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <algorithm>

namespace win {

namespace {

RECT DefaultTopLevelBounds(int x, int y, int cx, int cy) {
    RECT work{ 0, 0, 1024, 768 };
    if (HasBackend()) {
        for (const MonitorArea& m : CurrentBackend().Monitors())
            if (m.FPrimary) work = m.FWorkArea;
    }
    if (x == CW_USEDEFAULT) {
        x = work.left + 40;
        y = work.top + 40;
    }
    if (cx == CW_USEDEFAULT) {
        cx = (work.right - work.left) * 2 / 3;
        cy = (work.bottom - work.top) * 2 / 3;
    }
    return RECT{ x, y, x + cx, y + cy };
}

void NotifyAncestors(const Window& child, UINT event) {
    if (!(child.FStyle & WS_CHILD) || (child.FExStyle & WS_EX_NOPARENTNOTIFY)) return;
    const WPARAM wParam = MAKEWPARAM(event, UINT(child.FId));
    const LPARAM lParam = reinterpret_cast<LPARAM>(child.FHandle);
    for (auto w = FindWindow(child.FParent); w; w = FindWindow(w->FParent)) {
        SendMessage(w->FHandle, WM_PARENTNOTIFY, wParam, lParam);
        if (!(w->FStyle & WS_CHILD) || (w->FExStyle & WS_EX_NOPARENTNOTIFY)) break;
    }
}

// The last step of a window's life: after WM_NCDESTROY nothing reaches it any more.
void FreeWindow(const std::shared_ptr<Window>& w) {
    WindowSystem& ws = WindowSystem::Instance();
    SendMessage(w->FHandle, WM_NCDESTROY, 0, 0);
    if (auto parent = ws.Find(w->FParent)) UnlinkChild(*parent, w->FHandle);
    ThreadQueue::Current()->KillTimers(w->FHandle);
    ForgetWindow(w->FHandle);
    CaretOwnerGone(w->FHandle);
    ForgetNativeChild(w->FHandle);
    ForgetPainting(w->FHandle);
    if (w->FNative && HasBackend()) CurrentBackend().DestroyNative(w->FHandle);
    w->FNative = false;
    w->FSubclasses.clear();
    w->FProps.clear();
    --w->FClass->FWindowCount;
    ws.Remove(w->FHandle);
}

void SendDestroy(HWND hwnd) {
    std::vector<HWND> subtree;
    CollectSubtree(hwnd, subtree);
    for (HWND h : subtree) {
        if (auto w = FindWindow(h)) w->FDestroying = true;
    }
    for (HWND h : subtree)
        SendMessage(h, WM_DESTROY, 0, 0);
    // Children end before their parents.
    for (auto it = subtree.rbegin(); it != subtree.rend(); ++it)
        if (auto w = FindWindow(*it)) FreeWindow(w);
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param) {
    WindowSystem& ws = WindowSystem::Instance();
    auto cls = className ? ws.FindClass(className) : nullptr;
    if (!cls) return nullptr;

    std::shared_ptr<Window> parentWindow;
    HWND owner{};
    if (parent == HWND_MESSAGE) {
        parentWindow = ws.Find(ws.MessageRoot());
    } else if (style & WS_CHILD) {
        parentWindow = FindWindow(parent);
        if (!parentWindow) return nullptr;
    } else {
        parentWindow = ws.Find(ws.Desktop());
        if (parent) {
            if (!FindWindow(parent)) return nullptr;
            owner = GetAncestor(parent, GA_ROOT);
        }
    }
    const bool topLevel = parentWindow->FHandle == ws.Desktop();
    // Win32 gives every overlapped window a caption and sibling clipping.
    if (topLevel && !(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;

    RECT bounds;
    if (topLevel) {
        bounds = DefaultTopLevelBounds(x, y, width, height);
    } else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
        bounds = RECT{ x, y, x + width, y + height };
    }

    // Messages from other threads reach the window through its thread's queue.
    ThreadQueue::Current();
    auto w = std::make_shared<Window>();
    w->FClass = cls;
    w->FThread = std::this_thread::get_id();
    w->FThreadTid = GetCurrentThreadId();
    w->FStyle = style & ~DWORD(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    w->FExStyle = exStyle;
    w->FParent = parentWindow->FHandle;
    w->FOwner = owner;
    w->FMessageOnly = parentWindow->FMessageOnly;
    w->FRect = bounds;
    w->FNormalRect = bounds;
    w->FClient = RECT{ 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top };
    w->FProc = cls->FInfo.lpfnWndProc;
    w->FId = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->FInstance = instance;
    ++cls->FWindowCount;
    const HWND hwnd = ws.Add(w);
    PlaceChild(*parentWindow, hwnd, HWND_TOP);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent == HWND_MESSAGE ? nullptr : parent;
    cs.x = bounds.left;
    cs.y = bounds.top;
    cs.cx = bounds.right - bounds.left;
    cs.cy = bounds.bottom - bounds.top;
    cs.style = LONG(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    if (topLevel && ((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD)))) {
        MINMAXINFO mmi = DefaultMinMaxInfo(*w);
        SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        cs.cx = std::clamp<int>(cs.cx, mmi.ptMinTrackSize.x,
                                std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
        cs.cy = std::clamp<int>(cs.cy, mmi.ptMinTrackSize.y,
                                std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
        w->FRect.right = w->FRect.left + cs.cx;
        w->FRect.bottom = w->FRect.top + cs.cy;
        w->FNormalRect = w->FRect;
    }

    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (FindWindow(hwnd)) FreeWindow(w);
        return nullptr;
    }
    if (!FindWindow(hwnd)) return nullptr;
    RecalcClient(*w);
    if (topLevel && !w->FMessageOnly && HasBackend()) {
        NativeWindowParams params;
        params.FBounds = w->FRect;
        params.FPopup = (style & WS_POPUP) != 0;
        params.FPopupKind = w->FPopupKind;
        params.FOwner = owner;
        params.FTopmost = (exStyle & WS_EX_TOPMOST) != 0;
        params.FTitle = w->FText;
        CurrentBackend().CreateNative(hwnd, params);
        w->FNative = true;
        if (exStyle & WS_EX_TRANSPARENT) CurrentBackend().SetNativeInputTransparent(hwnd, true);
        RestackNatives();
    }
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!FindWindow(hwnd)) return nullptr;
    NotifyAncestors(*w, WM_CREATE);
    if (!FindWindow(hwnd)) return nullptr;
    SendSizeAndMove(*w, SIZE_RESTORED);
    if (!FindWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) {
        const int cmd = (style & WS_MAXIMIZE)   ? SW_SHOWMAXIMIZED
                        : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                                : SW_SHOW;
        ShowWindow(hwnd, cmd);
    }
    return FindWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w || w->FThread != std::this_thread::get_id()) return FALSE;
    if (w->FDestroying) return TRUE;
    w->FDestroying = true;

    NotifyAncestors(*w, WM_DESTROY);
    if (w->FStyle & WS_VISIBLE)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    // Owned windows go first, as their owner must outlive them.
    for (const auto& other : WindowSystem::Instance().AllWindows())
        if (other->FOwner == hwnd && other->FThread == w->FThread) DestroyWindow(other->FHandle);
    if (!FindWindow(hwnd)) return TRUE;
    SendDestroy(hwnd);
    return TRUE;
}

} // namespace win
