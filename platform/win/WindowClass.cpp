#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>
#include <cstring>

namespace win {

ATOM RegisterClassEx(const WNDCLASSEX* wc) {
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
    auto cls = std::make_shared<WindowClassData>();
    cls->FName = wc->lpszClassName;
    cls->FInfo = *wc;
    // The stored copy must not point into the caller's memory.
    cls->FInfo.lpszClassName = nullptr;
    cls->FInfo.lpszMenuName = nullptr;
    return WindowSystem::Instance().AddClass(std::move(cls));
}

ATOM RegisterClass(const WNDCLASS* wc) {
    return RegisterClassEx(wc);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
    if (!className) return FALSE;
    return WindowSystem::Instance().RemoveClass(className) ? TRUE : FALSE;
}

BOOL GetClassInfoEx(HINSTANCE, const char* className, WNDCLASSEX* wc) {
    if (!className || !wc) return FALSE;
    auto cls = WindowSystem::Instance().FindClass(className);
    if (!cls) return FALSE;
    *wc = cls->FInfo;
    wc->lpszClassName = cls->FName.c_str();
    return TRUE;
}

std::string GetClassNameString(HWND hwnd) {
    auto w = WindowSystem::Instance().Find(hwnd);
    return w && w->FClass ? w->FClass->FName : std::string();
}

int GetClassName(HWND hwnd, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    const std::string name = GetClassNameString(hwnd);
    const int n = std::min<int>(int(name.size()), maxCount - 1);
    std::memcpy(buffer, name.data(), std::size_t(n));
    buffer[n] = 0;
    return n;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !w->FClass) return 0;
    const WNDCLASSEX& info = w->FClass->FInfo;
    switch (index) {
    case GCL_STYLE:
        return LONG_PTR(info.style);
    case GCLP_HCURSOR:
        return reinterpret_cast<LONG_PTR>(info.hCursor);
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<LONG_PTR>(info.hbrBackground);
    case GCLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(info.lpfnWndProc);
    default:
        return 0;
    }
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || !w->FClass) return 0;
    WNDCLASSEX& info = w->FClass->FInfo;
    const LONG_PTR old = GetClassLongPtr(hwnd, index);
    switch (index) {
    case GCL_STYLE:
        info.style = UINT(value);
        break;
    case GCLP_HCURSOR:
        info.hCursor = reinterpret_cast<HCURSOR>(value);
        break;
    case GCLP_HBRBACKGROUND:
        info.hbrBackground = reinterpret_cast<HBRUSH>(value);
        break;
    case GCLP_WNDPROC:
        info.lpfnWndProc = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        return 0;
    }
    return old;
}

} // namespace win
