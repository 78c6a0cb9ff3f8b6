#pragma once
#include "platform/gfx/Surface.h"
#include "platform/shell/NotifyIcon.h"
#include <memory>
#include <string>
#include <vector>

class THintWindow;
class TTimer;
// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace win {

// One icon in the freedesktop system tray: a small X window of its own that a tray embeds
// (XEmbed), painting the icon at whatever size the tray gives it. Presses, releases and moves
// on it reach the icon's window as its callback message with the mouse message in lParam, as
// a Win32 tray reports them; X has no double click, so a second press in the double-click time
// and box becomes one here. Resting the pointer on it shows the tip in the program's own tool
// tip after the application's hint pause.
class X11TrayIcon {
public:
    // visualId 0: the screen's default visual, drawn over the tray's own background.
    X11TrayIcon(_XDisplay* display, unsigned long visualId, const NOTIFYICONDATA& data);
    ~X11TrayIcon();
    X11TrayIcon(const X11TrayIcon&) = delete;
    X11TrayIcon& operator=(const X11TrayIcon&) = delete;

    // 0 once the server destroyed the window (a tray that went away took it along).
    unsigned long Window() const { return FWindow; }
    unsigned long VisualId() const { return FVisualId; }
    // The tray's selection owner that was last asked to dock the icon.
    unsigned long FManager{ 0 };

    // Takes what data's flags name: icon, tip, callback message.
    void Update(const NOTIFYICONDATA& data);
    // Handles an event of the icon's window; false for any other event.
    bool HandleEvent(void* event);

private:
    void Paint();
    void Mouse(void* event);
    void PostCallback(UINT mouseMessage);
    void StartTip(unsigned ms, bool showing);
    void TipTimerFired();
    void HideTip();

    _XDisplay* FDisplay{ nullptr };
    unsigned long FWindow{ 0 };
    unsigned long FVisualId{ 0 };
    int FDepth{ 0 };
    unsigned long FColormap{ 0 };
    void* FGc{ nullptr };
    int FWidth{ 22 };
    int FHeight{ 22 };

    HWND FOwner{};
    UINT FId{ 0 };
    UINT FCallbackMessage{ 0 };
    std::vector<gfx::Surface> FImages;
    std::string FTip;

    // The last press, for double clicks: button, server time, root position.
    unsigned FLastButton{ 0 };
    unsigned long FLastPressTime{ 0 };
    POINT FLastPressAt;
    bool FLastWasDouble{ false };

    std::unique_ptr<TTimer> FTipTimer;
    bool FTipWaitingToHide{ false };
    std::unique_ptr<THintWindow> FTipWindow;
};

} // namespace win
