#pragma once
#include "platform/shell/NotifyIcon.h"
#include <map>
#include <memory>
#include <utility>

struct _XDisplay;

namespace win {

class X11Backend;
class X11TrayIcon;

// The freedesktop system tray as the program's tray: the tray is whichever program owns the
// screen's _NET_SYSTEM_TRAY_S selection. Each icon is a window of its own that the tray is
// asked to dock (SYSTEM_TRAY_REQUEST_DOCK); a tray that starts or restarts announces itself on
// the root (MANAGER), which every window hears as "TaskbarCreated". Balloons are the tray's
// messages (SYSTEM_TRAY_BEGIN_MESSAGE); no click on them comes back. Without a tray an icon
// cannot be added and nothing shows. It must go before the back end whose display it uses.
class X11Tray : public TrayBackend {
public:
    explicit X11Tray(X11Backend& backend);
    ~X11Tray() override;
    X11Tray(const X11Tray&) = delete;
    X11Tray& operator=(const X11Tray&) = delete;

    bool Add(const NOTIFYICONDATA& data) override;
    bool Modify(const NOTIFYICONDATA& data) override;
    bool Delete(const NOTIFYICONDATA& data) override;

    // The tray's selection owner now; 0 when no tray runs.
    unsigned long Manager() const;
    // The X window of an icon, 0 when it is not in the tray.
    unsigned long IconWindow(HWND owner, UINT id) const;

private:
    using TKey = std::pair<HWND, UINT>;

    bool HandleEvent(void* event);
    // The visual the tray asks its icons to use (_NET_SYSTEM_TRAY_VISUAL); 0 when it names none.
    unsigned long TrayVisual(unsigned long manager) const;
    void Dock(X11TrayIcon& icon, unsigned long manager);
    void SendOpcode(unsigned long manager, unsigned long window, long opcode, long data2,
                    long data3, long data4);
    void ShowBalloon(X11TrayIcon& icon, const NOTIFYICONDATA& data);
    void CancelBalloon(X11TrayIcon& icon, const TKey& key);

    X11Backend& FBackend;
    _XDisplay* FDisplay{ nullptr };
    unsigned long FRoot{ 0 };
    unsigned long FSelection{ 0 };
    unsigned long FOpcode{ 0 };
    unsigned long FMessageData{ 0 };
    unsigned long FVisualAtom{ 0 };
    unsigned long FManagerAtom{ 0 };
    int FHandlerToken{ 0 };
    std::map<TKey, std::unique_ptr<X11TrayIcon>> FIcons;
    // The balloon each icon has out, by the id the tray knows it by.
    std::map<TKey, long> FBalloons;
    long FNextBalloonId{ 1 };
};

} // namespace win
