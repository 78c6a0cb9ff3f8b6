#include "platform/win/WindowTree.h"
#include "platform/win/Backend.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>

namespace win {

std::shared_ptr<Window> FindWindow(HWND hwnd) {
    auto w = WindowSystem::Instance().Find(hwnd);
    return w && !w->FDesktop ? w : nullptr;
}

bool IsTopLevel(const Window& w) {
    return w.FParent == WindowSystem::Instance().Desktop();
}

POINT ClientOrigin(const Window& w) {
    if (w.FDesktop) return POINT{};
    const POINT origin = WindowOrigin(w);
    return POINT{ origin.x + w.FClient.left, origin.y + w.FClient.top };
}

POINT WindowOrigin(const Window& w) {
    if (w.FDesktop) return POINT{};
    auto parent = WindowSystem::Instance().Find(w.FParent);
    const POINT base = parent ? ClientOrigin(*parent) : POINT{};
    return POINT{ base.x + w.FRect.left, base.y + w.FRect.top };
}

RECT ScreenRect(const Window& w) {
    const POINT o = WindowOrigin(w);
    return RECT{ o.x, o.y, o.x + (w.FRect.right - w.FRect.left),
                 o.y + (w.FRect.bottom - w.FRect.top) };
}

void UnlinkChild(Window& parent, HWND child) {
    std::erase(parent.FChildren, child);
}

void PlaceChild(Window& parent, HWND child, HWND insertAfter) {
    WindowSystem& ws = WindowSystem::Instance();
    UnlinkChild(parent, child);
    auto w = ws.Find(child);
    const bool topmost = w && (w->FExStyle & WS_EX_TOPMOST) && parent.FDesktop;
    auto isTopmost = [&](HWND h) {
        auto s = ws.Find(h);
        return parent.FDesktop && s && (s->FExStyle & WS_EX_TOPMOST);
    };
    // The band the window may occupy: topmost windows above all others.
    auto bandBegin = parent.FChildren.begin();
    auto bandEnd = parent.FChildren.end();
    auto firstPlain = std::find_if_not(parent.FChildren.begin(), parent.FChildren.end(), isTopmost);
    if (topmost)
        bandEnd = firstPlain;
    else
        bandBegin = firstPlain;
    auto pos = bandBegin;
    if (insertAfter == HWND_BOTTOM) {
        pos = bandEnd;
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
               insertAfter != HWND_NOTOPMOST) {
        auto it = std::find(bandBegin, bandEnd, insertAfter);
        if (it != bandEnd) pos = it + 1;
    }
    parent.FChildren.insert(pos, child);
    if (parent.FDesktop) KeepOwnedAbove(parent, child);
}

void KeepOwnedAbove(Window& desktop, HWND owner) {
    WindowSystem& ws = WindowSystem::Instance();
    auto ownerWindow = ws.Find(owner);
    if (!ownerWindow) return;
    const bool ownerTopmost = (ownerWindow->FExStyle & WS_EX_TOPMOST) != 0;
    auto ownedBy = [&](HWND h) {
        for (auto w = ws.Find(h); w && w->FOwner; w = ws.Find(w->FOwner))
            if (w->FOwner == owner) return true;
        return false;
    };
    // Windows in the owner's band (topmost or not) that it owns, directly or through others,
    // move just above it in their present order, as Windows keeps them.
    std::vector<HWND> owned;
    for (HWND h : desktop.FChildren) {
        auto w = ws.Find(h);
        if (w && ownedBy(h) && ((w->FExStyle & WS_EX_TOPMOST) != 0) == ownerTopmost)
            owned.push_back(h);
    }
    if (owned.empty()) return;
    std::erase_if(desktop.FChildren,
                  [&](HWND h) { return std::find(owned.begin(), owned.end(), h) != owned.end(); });
    auto pos = std::find(desktop.FChildren.begin(), desktop.FChildren.end(), owner);
    desktop.FChildren.insert(pos, owned.begin(), owned.end());
}

void RestackNatives() {
    if (!HasBackend()) return;
    WindowSystem& ws = WindowSystem::Instance();
    auto desktop = ws.Find(ws.Desktop());
    std::vector<HWND> natives;
    for (HWND h : desktop->FChildren) {
        auto w = ws.Find(h);
        if (w && w->FNative) natives.push_back(h);
    }
    CurrentBackend().RestackNative(natives);
}

void CollectSubtree(HWND hwnd, std::vector<HWND>& out) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w) return;
    out.push_back(hwnd);
    for (HWND c : w->FChildren)
        CollectSubtree(c, out);
}

RECT DefaultFrameInsets(DWORD style, DWORD exStyle) {
    int border = 0;
    if (style & WS_THICKFRAME)
        border = 4;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        border = 3;
    else if (style & WS_BORDER)
        border = 1;
    if (exStyle & WS_EX_CLIENTEDGE) border += 2;
    if (exStyle & WS_EX_STATICEDGE) border += 1;
    RECT insets{ border, border, border, border };
    if ((style & WS_CAPTION) == WS_CAPTION) insets.top += (exStyle & WS_EX_TOOLWINDOW) ? 16 : 18;
    return insets;
}

} // namespace win
