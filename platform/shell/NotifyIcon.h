#pragma once
#include "platform/gfx/IconObject.h"
#include "platform/win/WinDefs.h"
#include <memory>
#include <string>

// Icons in the desktop's notification area (the system tray). The tray itself is a back end:
// the freedesktop system tray on X11, a fake one in tests; without one every call fails.
namespace win {

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 0x1;
constexpr UINT NIF_ICON = 0x2;
constexpr UINT NIF_TIP = 0x4;
constexpr UINT NIF_INFO = 0x10;
constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;
// The balloon was clicked: the callback's lParam.
constexpr UINT NIN_BALLOONUSERCLICK = 0x405;

// One icon: the window hears of mouse actions on it as uCallbackMessage with the icon's uID in
// wParam and the mouse message (WM_LBUTTONDOWN ...) in lParam.
struct NOTIFYICONDATA {
    HWND hWnd{};
    UINT uID{ 0 };
    UINT uFlags{ 0 };
    UINT uCallbackMessage{ 0 };
    HICON hIcon{};
    std::string szTip;       // at most 127 characters
    std::string szInfo;      // balloon text, at most 255
    std::string szInfoTitle; // balloon title, at most 63
    DWORD dwInfoFlags{ 0 };
};

class TrayBackend {
public:
    virtual ~TrayBackend() = default;
    virtual bool Add(const NOTIFYICONDATA& data) = 0;
    virtual bool Modify(const NOTIFYICONDATA& data) = 0;
    virtual bool Delete(const NOTIFYICONDATA& data) = 0;
};

// Replaces the tray; nullptr takes it away. Returns the one before.
std::unique_ptr<TrayBackend> InstallTrayBackend(std::unique_ptr<TrayBackend> tray);
TrayBackend* CurrentTrayBackend();

// False when there is no tray or the tray refused.
BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data);

// The message ("TaskbarCreated") every window gets when a tray starts or restarts, so that
// icons can be added again.
UINT TaskbarCreatedMessage();
// Posts it to every window.
void AnnounceTrayCreated();

} // namespace win
