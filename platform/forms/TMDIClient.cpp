#include "platform/forms/TMDIClient.h"
#include "platform/gfx/TRect.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include <algorithm>
#include <cmath>

using namespace win;

namespace {

constexpr const char* kClassName = "MDIClient";
constexpr const char* kClientProp = "TMDIClient";

} // namespace

void TMDIClient::RegisterClientClass() {
    WNDCLASSEX existing;
    if (GetClassInfoEx(nullptr, kClassName, &existing)) return;
    WNDCLASSEX wc;
    wc.style = CS_DBLCLKS;
    // Until the object is bound to the window the procedure passes everything on.
    wc.lpfnWndProc = &TMDIClient::Proc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassEx(&wc);
}

namespace {

TRect ClientArea(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return TRect(r.left, r.top, r.right, r.bottom);
}

TRect WindowBounds(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT p{ r.left, r.top };
    ScreenToClient(GetParent(child), &p);
    return TRect(p.x, p.y, p.x + (r.right - r.left), p.y + (r.bottom - r.top));
}

} // namespace

TMDIClient::TMDIClient(HWND form) {
    RegisterClientClass();
    FHandle =
        CreateWindowEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                       0, 0, 0, 0, form, nullptr, nullptr, nullptr);
    SetProp(FHandle, kClientProp, this);
}

TMDIClient::~TMDIClient() {
    if (IsWindow(FHandle)) {
        RemoveProp(FHandle, kClientProp);
        DestroyWindow(FHandle);
    }
}

std::vector<HWND> TMDIClient::Children() const {
    std::vector<HWND> list;
    for (HWND h = GetWindow(FHandle, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_MDICHILD) list.push_back(h);
    return list;
}

HWND TMDIClient::Active() const {
    if (!FActive || !IsWindow(FActive) || GetParent(FActive) != FHandle) return nullptr;
    return FActive;
}

void TMDIClient::Activate(HWND child) {
    if (child && GetParent(child) != FHandle) return;
    const HWND old = Active();
    if (child) SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (child == old) return;
    FActive = child;
    const WPARAM losing = reinterpret_cast<WPARAM>(old);
    const LPARAM gaining = reinterpret_cast<LPARAM>(child);
    if (old) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        if (IsWindow(old)) SendMessage(old, WM_MDIACTIVATE, losing, gaining);
    }
    if (child && IsWindow(child)) {
        SendMessage(child, WM_NCACTIVATE, TRUE, 0);
        if (IsWindow(child)) SendMessage(child, WM_MDIACTIVATE, losing, gaining);
    }
}

void TMDIClient::ActivateNext(HWND from, bool previous) {
    if (!from) from = Active();
    std::vector<HWND> list = Children();
    std::erase_if(list, [&](HWND h) { return h != from && !IsWindowVisible(h); });
    if (list.size() < 2) {
        if (from && !IsWindowVisible(from)) Activate(nullptr);
        return;
    }
    auto it = std::find(list.begin(), list.end(), from);
    if (it == list.end()) {
        Activate(list.front());
        return;
    }
    // Next: the window below; moving the old one to the bottom lets the next call go on
    // round the ring, as stepping through children does.
    const std::size_t at = std::size_t(it - list.begin());
    const HWND target = previous ? list.back() : list[(at + 1) % list.size()];
    Activate(target);
    if (!previous && IsWindow(from))
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<HWND> TMDIClient::Arrangeable() const {
    std::vector<HWND> list = Children();
    std::erase_if(list, [](HWND h) { return !IsWindowVisible(h) || IsIconic(h); });
    return list;
}

void TMDIClient::Tile() const {
    const std::vector<HWND> list = Arrangeable();
    if (list.empty()) return;
    const TRect area = ClientArea(FHandle);
    const int n = int(list.size());
    const int columns = std::max(1, int(std::sqrt(double(n))));
    const int rows = (n + columns - 1) / columns;
    const int w = area.Width() / columns, h = area.Height() / rows;
    for (int i = 0; i < n; ++i)
        MoveWindow(list[std::size_t(i)], (i / rows) * w, (i % rows) * h, w, h, TRUE);
}

void TMDIClient::Cascade() const {
    std::vector<HWND> list = Arrangeable();
    if (list.empty()) return;
    const TRect area = ClientArea(FHandle);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    const int w = area.Width() * 4 / 5, h = area.Height() * 4 / 5;
    // The bottom window first, so that the active one ends in front, furthest in.
    std::reverse(list.begin(), list.end());
    int offset = 0;
    for (HWND child : list) {
        if (offset + w > area.Width() || offset + h > area.Height()) offset = 0;
        MoveWindow(child, offset, offset, w, h, TRUE);
        offset += step;
    }
}

void TMDIClient::ArrangeIcons() const {
    const TRect area = ClientArea(FHandle);
    int x = 0, y = area.Height();
    bool rowStarted = false;
    for (HWND child : Children()) {
        if (!IsIconic(child) || !IsWindowVisible(child)) continue;
        const TRect r = WindowBounds(child);
        if (!rowStarted || x + r.Width() > area.Width()) {
            if (rowStarted) x = 0;
            y -= r.Height();
            rowStarted = true;
        }
        MoveWindow(child, x, y, r.Width(), r.Height(), TRUE);
        x += r.Width();
    }
}

LRESULT TMDIClient::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TMDIClient*>(GetProp(hwnd, kClientProp));
    if (!self) return DefWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_MDIACTIVATE:
        self->Activate(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_MDIGETACTIVE:
        return reinterpret_cast<LRESULT>(self->Active());
    case WM_MDINEXT:
        self->ActivateNext(reinterpret_cast<HWND>(wParam), lParam != 0);
        return 0;
    case WM_MDIDESTROY:
        if (HWND child = reinterpret_cast<HWND>(wParam); child && GetParent(child) == hwnd)
            DestroyWindow(child);
        return 0;
    case WM_MDITILE:
        self->Tile();
        return TRUE;
    case WM_MDICASCADE:
        self->Cascade();
        return TRUE;
    case WM_MDIICONARRANGE:
        self->ArrangeIcons();
        return 0;
    case WM_PARENTNOTIFY:
        if (const UINT event = LOWORD(wParam);
            event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) {
            const POINT p{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
            for (HWND child : self->Children())
                if (IsWindowVisible(child) && WindowBounds(child).Contains(TPoint(p.x, p.y))) {
                    self->Activate(child);
                    break;
                }
        }
        return 0;
    case WM_NCDESTROY:
        RemoveProp(hwnd, kClientProp);
        self->FHandle = nullptr;
        self->FActive = nullptr;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}
