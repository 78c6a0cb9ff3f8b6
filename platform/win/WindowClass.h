#pragma once
#include "platform/gfx/SysColors.h"
#include "platform/win/WinDefs.h"
#include <string>

namespace win {

struct WNDCLASSEX {
    UINT cbSize{ sizeof(WNDCLASSEX) };
    UINT style{ 0 };
    WNDPROC lpfnWndProc{ nullptr };
    int cbClsExtra{ 0 };
    int cbWndExtra{ 0 };
    HINSTANCE hInstance{};
    void* hIcon{ nullptr };
    HCURSOR hCursor{};
    // A brush, or a system colour index plus one, as in Win32.
    HBRUSH hbrBackground{};
    const char* lpszMenuName{ nullptr };
    const char* lpszClassName{ nullptr };
    void* hIconSm{ nullptr };
};
using WNDCLASS = WNDCLASSEX;

// Class names compare case-insensitively (ASCII), as in Win32. A second registration of a name
// fails with 0.
ATOM RegisterClassEx(const WNDCLASSEX* wc);
ATOM RegisterClass(const WNDCLASS* wc);
// Fails while windows of the class exist.
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* wc);
int GetClassName(HWND hwnd, char* buffer, int maxCount);
std::string GetClassNameString(HWND hwnd);
// GCL_STYLE, GCLP_HCURSOR, GCLP_HBRBACKGROUND, GCLP_WNDPROC.
LONG_PTR GetClassLongPtr(HWND hwnd, int index);
LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetClassLong(HWND hwnd, int index) {
    return GetClassLongPtr(hwnd, index);
}
inline LONG_PTR SetClassLong(HWND hwnd, int index, LONG_PTR value) {
    return SetClassLongPtr(hwnd, index, value);
}

} // namespace win
