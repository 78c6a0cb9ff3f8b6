#pragma once
#include "platform/win/WinDefs.h"
#include <cstdint>

// Window and class styles, show commands, SetWindowPos flags and the indexes of GetWindowLong.
namespace win {

constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_HSCROLL = 0x00100000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr std::uint32_t WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr std::uint32_t WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr std::uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr std::uint32_t WS_EX_ACCEPTFILES = 0x00000010;
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr std::uint32_t WS_EX_MDICHILD = 0x00000040;
constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr std::uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr std::uint32_t WS_EX_LAYERED = 0x00080000;
constexpr std::uint32_t WS_EX_NOACTIVATE = 0x08000000;

constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;
constexpr std::uint32_t CS_DBLCLKS = 0x0008;
constexpr std::uint32_t CS_OWNDC = 0x0020;
constexpr std::uint32_t CS_CLASSDC = 0x0040;
constexpr std::uint32_t CS_PARENTDC = 0x0080;
constexpr std::uint32_t CS_NOCLOSE = 0x0200;
constexpr std::uint32_t CS_SAVEBITS = 0x0800;
constexpr std::uint32_t CS_GLOBALCLASS = 0x4000;
constexpr std::uint32_t CS_DROPSHADOW = 0x00020000;

constexpr int CW_USEDEFAULT = int(0x80000000);

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// lParam of WM_SHOWWINDOW
constexpr unsigned SW_PARENTCLOSING = 1;
constexpr unsigned SW_PARENTOPENING = 3;

constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
constexpr unsigned SWP_FRAMECHANGED = 0x0020;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;
constexpr unsigned SWP_NOCOPYBITS = 0x0100;
constexpr unsigned SWP_NOOWNERZORDER = 0x0200;
constexpr unsigned SWP_NOSENDCHANGING = 0x0400;
constexpr unsigned SWP_DEFERERASE = 0x2000;
constexpr unsigned SWP_ASYNCWINDOWPOS = 0x4000;
constexpr unsigned SWP_DRAWFRAME = SWP_FRAMECHANGED;
constexpr unsigned SWP_NOREPOSITION = SWP_NOOWNERZORDER;
// Internal flags Win32 also puts into WINDOWPOS.flags: the client area did not move or resize.
constexpr unsigned SWP_NOCLIENTSIZE = 0x0800;
constexpr unsigned SWP_NOCLIENTMOVE = 0x1000;

inline const HWND HWND_TOP = HandleFromValue(0);
inline const HWND HWND_BOTTOM = HandleFromValue(1);
inline const HWND HWND_TOPMOST = HandleFromValue(std::uint64_t(-1));
inline const HWND HWND_NOTOPMOST = HandleFromValue(std::uint64_t(-2));
// Parent of message-only windows.
inline const HWND HWND_MESSAGE = HandleFromValue(std::uint64_t(-3));

constexpr int GWL_WNDPROC = -4;
constexpr int GWLP_WNDPROC = -4;
constexpr int GWL_HINSTANCE = -6;
constexpr int GWLP_HINSTANCE = -6;
constexpr int GWL_HWNDPARENT = -8;
constexpr int GWLP_HWNDPARENT = -8;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_USERDATA = -21;
constexpr int GWLP_USERDATA = -21;
constexpr int GWL_ID = -12;
constexpr int GWLP_ID = -12;

constexpr int GCL_STYLE = -26;
constexpr int GCLP_HCURSOR = -12;
constexpr int GCLP_HBRBACKGROUND = -10;
constexpr int GCLP_WNDPROC = -24;

constexpr unsigned GW_HWNDFIRST = 0;
constexpr unsigned GW_HWNDLAST = 1;
constexpr unsigned GW_HWNDNEXT = 2;
constexpr unsigned GW_HWNDPREV = 3;
constexpr unsigned GW_OWNER = 4;
constexpr unsigned GW_CHILD = 5;

constexpr unsigned GA_PARENT = 1;
constexpr unsigned GA_ROOT = 2;
constexpr unsigned GA_ROOTOWNER = 3;

// What a popup window (WS_POPUP at the top level) is, so that the desktop treats it as such:
// compositors shade, animate and stack menus, drop-down lists and tooltips each their own way.
// A popup is a menu unless told otherwise (SetWindowPopupKind). A layer is a picture with alpha
// per pixel around or over another window (a glow, a soft border): the desktop composes it over
// what lies below and neither shades nor animates it.
enum class PopupKind { Menu, DropDown, Tooltip, Layer };

} // namespace win
