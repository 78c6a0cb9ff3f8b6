#include "platform/win/SizeLimits.h"
#include "platform/win/Backend.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowTree.h"
#include <algorithm>

namespace win {

namespace {

bool ManagedNative(const Window& w) {
    return w.FNative && !(w.FStyle & WS_POPUP) && HasBackend();
}

SIZE SizeOf(const RECT& r) {
    return SIZE{ r.right - r.left, r.bottom - r.top };
}

} // namespace

void UpdateNativeSizeLimits(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w || !ManagedNative(*w)) return;
    if (!(w->FStyle & WS_THICKFRAME)) {
        const SIZE size = SizeOf(w->FRect);
        CurrentBackend().SetNativeSizeLimits(hwnd, size, size);
        return;
    }
    MINMAXINFO mmi = DefaultMinMaxInfo(*w);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!FindWindow(hwnd)) return;
    const SIZE minSize{ std::max<LONG>(1, mmi.ptMinTrackSize.x),
                        std::max<LONG>(1, mmi.ptMinTrackSize.y) };
    const SIZE maxSize{ std::max<LONG>(minSize.cx, mmi.ptMaxTrackSize.x),
                        std::max<LONG>(minSize.cy, mmi.ptMaxTrackSize.y) };
    CurrentBackend().SetNativeSizeLimits(hwnd, minSize, maxSize);
}

void FixNativeSizeLimits(const Window& w, const RECT& newRect) {
    if (!ManagedNative(w) || (w.FStyle & WS_THICKFRAME)) return;
    const SIZE size = SizeOf(newRect);
    CurrentBackend().SetNativeSizeLimits(w.FHandle, size, size);
}

} // namespace win
