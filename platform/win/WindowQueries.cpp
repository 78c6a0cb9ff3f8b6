#include "platform/win/Backend.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <algorithm>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace win {

BOOL IsWindow(HWND hwnd) {
    return FindWindow(hwnd) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w) return FALSE;
    for (; w && !w->FDesktop; w = WindowSystem::Instance().Find(w->FParent))
        if (!(w->FStyle & WS_VISIBLE)) return FALSE;
    return w && !w->FMessageOnly ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    auto w = FindWindow(hwnd);
    return w && !(w->FStyle & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    auto w = FindWindow(hwnd);
    while (w && (w->FStyle & WS_CHILD)) {
        if (w->FParent == parent) return TRUE;
        w = FindWindow(w->FParent);
    }
    return FALSE;
}

BOOL IsIconic(HWND hwnd) {
    auto w = FindWindow(hwnd);
    return w && (w->FStyle & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    auto w = FindWindow(hwnd);
    return w && (w->FStyle & WS_MAXIMIZE) ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
    return WindowSystem::Instance().Desktop();
}

HWND GetParent(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w) return nullptr;
    if (w->FStyle & WS_CHILD) return FindWindow(w->FParent) ? w->FParent : nullptr;
    return w->FOwner;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    auto w = FindWindow(hwnd);
    if (!w) return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->FParent;
    case GA_ROOT:
        while (auto parent = FindWindow(w->FParent))
            w = parent;
        return w->FHandle;
    case GA_ROOTOWNER: {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        while (HWND owner = GetWindow(root, GW_OWNER))
            root = owner;
        return root;
    }
    default:
        return nullptr;
    }
}

HWND SetParent(HWND child, HWND newParent) {
    WindowSystem& ws = WindowSystem::Instance();
    auto w = FindWindow(child);
    if (!w || w->FThread != std::this_thread::get_id()) return nullptr;
    auto target = newParent ? FindWindow(newParent) : ws.Find(ws.Desktop());
    if (!target || child == newParent || IsChild(child, newParent)) return nullptr;
    auto old = ws.Find(w->FParent);
    const HWND oldHandle = w->FParent;
    const bool wasTopLevel = IsTopLevel(*w);
    if (old) UnlinkChild(*old, child);
    w->FParent = target->FHandle;
    w->FMessageOnly = target->FMessageOnly;
    PlaceChild(*target, child, HWND_TOP);
    const bool topLevel = IsTopLevel(*w);
    if (HasBackend() && wasTopLevel != topLevel) {
        Backend& backend = CurrentBackend();
        if (w->FNative) {
            backend.DestroyNative(child);
            w->FNative = false;
        }
        if (topLevel && !w->FMessageOnly) {
            NativeWindowParams params;
            params.FBounds = w->FRect;
            params.FPopup = (w->FStyle & WS_POPUP) != 0;
            params.FPopupKind = w->FPopupKind;
            params.FTopmost = (w->FExStyle & WS_EX_TOPMOST) != 0;
            params.FTitle = w->FText;
            backend.CreateNative(child, params);
            w->FNative = true;
            if (w->FStyle & WS_VISIBLE) backend.ShowNative(child, true);
        }
        RestackNatives();
    }
    return oldHandle == ws.Desktop() ? ws.Desktop() : oldHandle;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    WindowSystem& ws = WindowSystem::Instance();
    auto w = ws.Find(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->FChildren.empty() ? nullptr : w->FChildren.front();
    if (cmd == GW_OWNER) return w->FOwner;
    auto parent = ws.Find(w->FParent);
    if (!parent) return nullptr;
    const auto& siblings = parent->FChildren;
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it == siblings.end()) return nullptr;
    switch (cmd) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == siblings.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd ? hwnd : WindowSystem::Instance().Desktop(), GW_CHILD);
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) return FALSE;
    std::vector<HWND> all;
    CollectSubtree(parent ? parent : WindowSystem::Instance().Desktop(), all);
    if (all.empty()) return FALSE;
    // The callback may destroy windows: those it removed are skipped.
    for (std::size_t i = 1; i < all.size(); ++i)
        if (FindWindow(all[i]) && !proc(all[i], lParam)) return FALSE;
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) return FALSE;
    auto desktop = WindowSystem::Instance().Find(WindowSystem::Instance().Desktop());
    const std::vector<HWND> top = desktop->FChildren;
    for (HWND h : top)
        if (FindWindow(h) && !proc(h, lParam)) return FALSE;
    return TRUE;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    auto w = FindWindow(hwnd);
    if (!w) return 0;
    if (processId) *processId = DWORD(getpid());
    return w->FThreadTid;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    auto w = FindWindow(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE:
        return LONG_PTR(w->FStyle);
    case GWL_EXSTYLE:
        return LONG_PTR(w->FExStyle);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->FProc);
    case GWLP_USERDATA:
        return w->FUserData;
    case GWLP_ID:
        return w->FId;
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->FInstance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    default:
        return 0;
    }
}

namespace {

LONG_PTR SetStyle(const std::shared_ptr<Window>& w, int index, DWORD value) {
    DWORD& field = index == GWL_STYLE ? w->FStyle : w->FExStyle;
    STYLESTRUCT ss{ field, value };
    SendMessage(w->FHandle, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
    if (!FindWindow(w->FHandle)) return 0;
    const DWORD old = field;
    field = ss.styleNew;
    ss.styleOld = old;
    if (index == GWL_EXSTYLE && ((old ^ field) & WS_EX_TRANSPARENT) && w->FNative && HasBackend())
        CurrentBackend().SetNativeInputTransparent(w->FHandle, (field & WS_EX_TRANSPARENT) != 0);
    if (index == GWL_EXSTYLE && ((old ^ field) & WS_EX_TOPMOST) && w->FNative && HasBackend())
        CurrentBackend().SetNativeTopmost(w->FHandle, (field & WS_EX_TOPMOST) != 0);
    // A window that stops being layered shows opaque again.
    if (index == GWL_EXSTYLE && (old & WS_EX_LAYERED) && !(field & WS_EX_LAYERED)) {
        w->FAlpha = 255;
        w->FPerPixelAlpha = false;
        w->FUpdatedLayered = false;
        w->FLayeredFlags = 0;
        if (w->FNative && HasBackend()) CurrentBackend().SetNativeOpacity(w->FHandle, 255, false);
    }
    SendMessage(w->FHandle, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
    return LONG_PTR(old);
}

} // namespace

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    auto w = FindWindow(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyle(w, index, DWORD(value));
    case GWLP_WNDPROC:
        w->FProc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_USERDATA:
        w->FUserData = value;
        break;
    case GWLP_ID:
        w->FId = value;
        break;
    case GWLP_HINSTANCE:
        w->FInstance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_HWNDPARENT:
        if (w->FStyle & WS_CHILD) return 0;
        w->FOwner = value ? GetAncestor(reinterpret_cast<HWND>(value), GA_ROOT) : nullptr;
        break;
    default:
        return 0;
    }
    return old;
}

void SetWindowPopupKind(HWND hwnd, PopupKind kind) {
    auto w = FindWindow(hwnd);
    if (!w || w->FPopupKind == kind) return;
    w->FPopupKind = kind;
    if (w->FNative && HasBackend()) CurrentBackend().SetNativePopupKind(hwnd, kind);
}

PopupKind GetWindowPopupKind(HWND hwnd) {
    auto w = FindWindow(hwnd);
    return w ? w->FPopupKind : PopupKind::Menu;
}

void SetWindowStackAnchor(HWND hwnd, HWND anchor) {
    auto w = FindWindow(hwnd);
    if (w && w->FNative && HasBackend()) CurrentBackend().SetNativeStackAnchor(hwnd, anchor);
}

BOOL SetProp(HWND hwnd, const char* name, void* data) {
    auto w = FindWindow(hwnd);
    if (!w || !name) return FALSE;
    w->FProps[name] = data;
    return TRUE;
}

void* GetProp(HWND hwnd, const char* name) {
    auto w = FindWindow(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->FProps.find(name);
    return it == w->FProps.end() ? nullptr : it->second;
}

void* RemoveProp(HWND hwnd, const char* name) {
    auto w = FindWindow(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->FProps.find(name);
    if (it == w->FProps.end()) return nullptr;
    void* data = it->second;
    w->FProps.erase(it);
    return data;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!FindWindow(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                        : FALSE;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = 0;
    return int(SendMessage(hwnd, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string GetWindowTextString(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0) return {};
    std::string text(std::size_t(length) + 1, '\0');
    const int n = GetWindowText(hwnd, text.data(), length + 1);
    text.resize(std::size_t(std::max(n, 0)));
    return text;
}

} // namespace win
