#include "platform/win/NativeChild.h"
#include "platform/win/Backend.h"
#include "platform/win/NativeChildState.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowTree.h"
#include <map>

namespace win {

namespace {

struct Placement {
    unsigned long FId{ 0 };
    RECT FBounds;
    bool FVisible{ false };
};

std::map<HWND, Placement>& Children() {
    static std::map<HWND, Placement> children;
    return children;
}

// The child's client area in its top-level window, and whether it is on screen.
Placement Where(const Window& w) {
    Placement p;
    auto top = FindWindow(GetAncestor(w.FHandle, GA_ROOT));
    if (!top) return p;
    const POINT origin = WindowOrigin(*top);
    const POINT client = ClientOrigin(w);
    p.FBounds = RECT{ client.x - origin.x, client.y - origin.y,
                      client.x - origin.x + (w.FClient.right - w.FClient.left),
                      client.y - origin.y + (w.FClient.bottom - w.FClient.top) };
    p.FVisible = IsWindowVisible(w.FHandle) && !IsIconic(top->FHandle);
    return p;
}

} // namespace

unsigned long NativeChildWindowId(HWND child) {
    if (auto it = Children().find(child); it != Children().end()) return it->second.FId;
    auto w = FindWindow(child);
    if (!w || !(w->FStyle & WS_CHILD) || w->FMessageOnly || !HasBackend()) return 0;
    const HWND top = GetAncestor(child, GA_ROOT);
    auto topWindow = FindWindow(top);
    if (!topWindow || !topWindow->FNative) return 0;
    Placement p = Where(*w);
    p.FId = CurrentBackend().CreateNativeChild(child, top, p.FBounds);
    if (!p.FId) return 0;
    CurrentBackend().PlaceNativeChild(child, p.FBounds, p.FVisible);
    Children()[child] = p;
    return p.FId;
}

void ClearNativeChild(HWND child) {
    if (Children().count(child) && HasBackend()) CurrentBackend().ClearNativeChild(child);
}

void PlaceNativeChildren() {
    if (Children().empty() || !HasBackend()) return;
    for (auto& [hwnd, placed] : Children()) {
        auto w = FindWindow(hwnd);
        if (!w) continue;
        Placement now = Where(*w);
        if (now.FBounds == placed.FBounds && now.FVisible == placed.FVisible) continue;
        placed.FBounds = now.FBounds;
        placed.FVisible = now.FVisible;
        CurrentBackend().PlaceNativeChild(hwnd, now.FBounds, now.FVisible);
    }
}

void ForgetNativeChild(HWND hwnd) {
    if (Children().erase(hwnd) && HasBackend()) CurrentBackend().DestroyNativeChild(hwnd);
}

} // namespace win
