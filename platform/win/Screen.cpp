#include "platform/win/Screen.h"
#include "platform/win/Backend.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include <algorithm>
#include <vector>

namespace win {

namespace {

std::vector<MonitorArea> AllMonitors() {
    std::vector<MonitorArea> monitors;
    if (HasBackend()) monitors = CurrentBackend().Monitors();
    if (monitors.empty())
        monitors.push_back(MonitorArea{ RECT{ 0, 0, 1024, 768 }, RECT{ 0, 0, 1024, 768 }, true });
    return monitors;
}

// Monitors are named by their place in the back end's list, plus one.
HMONITOR Handle(std::size_t index) {
    return reinterpret_cast<HMONITOR>(index + 1);
}

std::size_t Primary(const std::vector<MonitorArea>& monitors) {
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (monitors[i].FPrimary) return i;
    return 0;
}

long Distance(const RECT& r, POINT pt) {
    const long dx = pt.x < r.left ? r.left - pt.x : pt.x >= r.right ? pt.x - r.right + 1 : 0;
    const long dy = pt.y < r.top ? r.top - pt.y : pt.y >= r.bottom ? pt.y - r.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

} // namespace

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    if (!rect) return nullptr;
    const auto monitors = AllMonitors();
    long bestArea = 0;
    std::size_t best = monitors.size();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        RECT overlap;
        if (!IntersectRect(&overlap, &monitors[i].FBounds, rect)) continue;
        const long area = long(overlap.right - overlap.left) * (overlap.bottom - overlap.top);
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    if (best < monitors.size()) return Handle(best);
    if (flags == MONITOR_DEFAULTTOPRIMARY) return Handle(Primary(monitors));
    if (flags == MONITOR_DEFAULTTONEAREST) {
        const POINT centre{ (rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2 };
        return MonitorFromPoint(centre, flags);
    }
    return nullptr;
}

HMONITOR MonitorFromPoint(POINT pt, DWORD flags) {
    const auto monitors = AllMonitors();
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (PtInRect(&monitors[i].FBounds, pt)) return Handle(i);
        if (Distance(monitors[i].FBounds, pt) < Distance(monitors[nearest].FBounds, pt))
            nearest = i;
    }
    if (flags == MONITOR_DEFAULTTOPRIMARY) return Handle(Primary(monitors));
    if (flags == MONITOR_DEFAULTTONEAREST) return Handle(nearest);
    return nullptr;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return flags == MONITOR_DEFAULTTONULL ? nullptr : Handle(Primary(AllMonitors()));
    if (r.right <= r.left || r.bottom <= r.top) {
        // An empty window still lies somewhere: take its corner.
        return MonitorFromPoint(POINT{ r.left, r.top }, flags);
    }
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    const auto monitors = AllMonitors();
    const auto index = reinterpret_cast<std::uintptr_t>(monitor);
    if (!info || index == 0 || index > monitors.size()) return FALSE;
    const MonitorArea& m = monitors[index - 1];
    info->rcMonitor = m.FBounds;
    info->rcWork = m.FWorkArea;
    info->dwFlags = m.FPrimary ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
    if (!data) return FALSE;
    switch (action) {
    case SPI_GETWORKAREA: {
        const auto monitors = AllMonitors();
        *static_cast<RECT*>(data) = monitors[Primary(monitors)].FWorkArea;
        return TRUE;
    }
    case SPI_GETDRAGFULLWINDOWS:
        *static_cast<BOOL*>(data) = TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}

int GetSystemMetrics(int index) {
    const auto monitors = AllMonitors();
    const MonitorArea& primary = monitors[Primary(monitors)];
    RECT virtualScreen{};
    for (const MonitorArea& m : monitors)
        UnionRect(&virtualScreen, &virtualScreen, &m.FBounds);
    switch (index) {
    case SM_CXSCREEN:
        return primary.FBounds.right - primary.FBounds.left;
    case SM_CYSCREEN:
        return primary.FBounds.bottom - primary.FBounds.top;
    case SM_CXFULLSCREEN:
        return primary.FWorkArea.right - primary.FWorkArea.left;
    case SM_CYFULLSCREEN:
        return primary.FWorkArea.bottom - primary.FWorkArea.top - 18;
    case SM_CXMAXIMIZED:
        return primary.FWorkArea.right - primary.FWorkArea.left + 8;
    case SM_CYMAXIMIZED:
        return primary.FWorkArea.bottom - primary.FWorkArea.top + 8;
    case SM_XVIRTUALSCREEN:
        return virtualScreen.left;
    case SM_YVIRTUALSCREEN:
        return virtualScreen.top;
    case SM_CXVIRTUALSCREEN:
        return virtualScreen.right - virtualScreen.left;
    case SM_CYVIRTUALSCREEN:
        return virtualScreen.bottom - virtualScreen.top;
    case SM_CMONITORS:
        return int(monitors.size());
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 18;
    case SM_CYSMCAPTION:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    default:
        return 0;
    }
}

namespace {

// Sends to every top-level window, taken before the first is told: a handler may create or
// destroy windows.
void SendToTopLevels(UINT msg, WPARAM wParam, LPARAM lParam) {
    std::vector<HWND> tops;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        tops.push_back(h);
    for (HWND h : tops)
        SendMessage(h, msg, wParam, lParam);
}

} // namespace

void DisplayChanged() {
    const LPARAM size =
        MAKELPARAM(UINT(GetSystemMetrics(SM_CXSCREEN)), UINT(GetSystemMetrics(SM_CYSCREEN)));
    SendToTopLevels(WM_DISPLAYCHANGE, 32, size);
}

void WorkAreaChanged() {
    SendToTopLevels(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
}

} // namespace win
