#pragma once
#include "platform/gfx/WinTypes.h"
#include <cstdint>

// The scalar types of the window system's message model. Geometry and the GDI handles come from
// the graphics layer; these are the ones only windows and messages need.
namespace win {

struct HWND__;
// A window handle: a slot index and a generation packed into a pointer-sized value, so a handle
// kept past DestroyWindow is recognised as stale instead of reaching another window.
using HWND = HWND__*;
struct HMENU__;
// Child windows carry their control id in the HMENU argument of CreateWindowEx, as in Win32.
using HMENU = HMENU__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = std::uint16_t;

using DWORD_PTR = std::uintptr_t;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr std::uint16_t LOWORD(std::uintptr_t v) {
    return std::uint16_t(v & 0xFFFF);
}
constexpr std::uint16_t HIWORD(std::uintptr_t v) {
    return std::uint16_t((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return LPARAM(std::uint32_t((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return WPARAM(std::uint32_t((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr LRESULT MAKELRESULT(unsigned low, unsigned high) {
    return MAKELPARAM(low, high);
}
// Coordinates in mouse messages are signed 16-bit values: a frame to the left of or above the
// primary monitor has negative screen positions.
constexpr int GET_X_LPARAM(LPARAM l) {
    return std::int16_t(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return std::int16_t((l >> 16) & 0xFFFF);
}
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return short(HIWORD(w));
}
constexpr unsigned GET_KEYSTATE_WPARAM(WPARAM w) {
    return LOWORD(w);
}

inline HWND HandleFromValue(std::uint64_t v) {
    return reinterpret_cast<HWND>(std::uintptr_t(v));
}
inline std::uint64_t HandleValue(HWND h) {
    return reinterpret_cast<std::uintptr_t>(h);
}

} // namespace win
