#include "lib/skindraw/bsWorkArea.h"

#include "platform/win/Screen.h"

bool UseMonitorAPI() {
    return win::GetSystemMetrics(win::SM_CMONITORS) > 1;
}

void GetScreenWorkArea(bool workArea, TRect& r) {
    if (workArea) {
        win::RECT area{};
        if (win::SystemParametersInfo(win::SPI_GETWORKAREA, 0, &area, 0)) r = area;
        return;
    }
    r = TRect(0, 0, win::GetSystemMetrics(win::SM_CXSCREEN),
              win::GetSystemMetrics(win::SM_CYSCREEN));
}

void GetMonitorWorkArea(win::HWND wnd, bool workArea, TRect& r) {
    if (!UseMonitorAPI()) {
        GetScreenWorkArea(workArea, r);
        return;
    }
    win::MONITORINFO info;
    if (!win::GetMonitorInfo(win::MonitorFromWindow(wnd, win::MONITOR_DEFAULTTONEAREST), &info))
        return;
    r = workArea ? TRect(info.rcWork) : TRect(info.rcMonitor);
}
