#include "platform/shell/X11Tray.h"
#include "platform/shell/X11TrayIcon.h"
#include "platform/win/x11/X11Backend.h"
#include <algorithm>
#include <cstring>
#include <string>
// Xlib's macros (None, Bool, Status ...) come last so that no header before them sees them.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace win {

namespace {

constexpr long kRequestDock = 0;
constexpr long kBeginMessage = 1;
constexpr long kCancelMessage = 2;
// How long the tray shows a balloon, as a Win32 tray does unless told otherwise.
constexpr long kBalloonTimeoutMs = 10000;
// A message's text goes out in client messages of 20 bytes each.
constexpr std::size_t kMessageChunk = 20;

Display* D(_XDisplay* d) {
    return d;
}

} // namespace

X11Tray::X11Tray(X11Backend& backend) : FBackend(backend), FDisplay(backend.XDisplay()) {
    Display* d = D(FDisplay);
    const int screen = DefaultScreen(d);
    FRoot = RootWindow(d, screen);
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    FSelection = XInternAtom(d, selection.c_str(), False);
    FOpcode = XInternAtom(d, "_NET_SYSTEM_TRAY_OPCODE", False);
    FMessageData = XInternAtom(d, "_NET_SYSTEM_TRAY_MESSAGE_DATA", False);
    FVisualAtom = XInternAtom(d, "_NET_SYSTEM_TRAY_VISUAL", False);
    FManagerAtom = XInternAtom(d, "MANAGER", False);
    // A tray starting announces itself to the root's structure listeners; the masks the
    // program already asked of the root stay.
    XWindowAttributes root;
    if (XGetWindowAttributes(d, FRoot, &root))
        XSelectInput(d, FRoot, root.your_event_mask | StructureNotifyMask);
    FHandlerToken =
        FBackend.AddForeignEventHandler([this](void* event) { return HandleEvent(event); });
}

X11Tray::~X11Tray() {
    FBackend.RemoveForeignEventHandler(FHandlerToken);
    FIcons.clear();
}

unsigned long X11Tray::Manager() const {
    return XGetSelectionOwner(D(FDisplay), FSelection);
}

unsigned long X11Tray::IconWindow(HWND owner, UINT id) const {
    auto it = FIcons.find(TKey{ owner, id });
    return it == FIcons.end() || !it->second->FManager ? 0 : it->second->Window();
}

unsigned long X11Tray::TrayVisual(unsigned long manager) const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    unsigned long visual = 0;
    if (XGetWindowProperty(D(FDisplay), manager, FVisualAtom, 0, 1, False, XA_VISUALID, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        visual = *reinterpret_cast<unsigned long*>(data);
    if (data) XFree(data);
    return visual;
}

bool X11Tray::Add(const NOTIFYICONDATA& data) {
    const unsigned long manager = Manager();
    if (!manager) return false;
    const TKey key{ data.hWnd, data.uID };
    auto it = FIcons.find(key);
    // Already in this tray: refused, as a second add of the same icon is.
    if (it != FIcons.end() && it->second->Window() && it->second->FManager == manager) return false;
    const unsigned long visual = TrayVisual(manager);
    // A tray that took its icons along, or wants another visual, gets a new window.
    if (it != FIcons.end() && (!it->second->Window() || it->second->VisualId() != visual)) {
        FIcons.erase(it);
        it = FIcons.end();
    }
    if (it == FIcons.end()) {
        it = FIcons.emplace(key, std::make_unique<X11TrayIcon>(FDisplay, visual, data)).first;
    } else {
        it->second->Update(data);
    }
    Dock(*it->second, manager);
    if ((data.uFlags & NIF_INFO) && !data.szInfo.empty()) ShowBalloon(*it->second, data);
    return true;
}

bool X11Tray::Modify(const NOTIFYICONDATA& data) {
    const TKey key{ data.hWnd, data.uID };
    auto it = FIcons.find(key);
    if (it == FIcons.end()) return false;
    X11TrayIcon& icon = *it->second;
    icon.Update(data);
    const bool inTray = icon.Window() && icon.FManager && icon.FManager == Manager();
    if (inTray && (data.uFlags & NIF_INFO)) {
        if (data.szInfo.empty())
            CancelBalloon(icon, key);
        else
            ShowBalloon(icon, data);
    }
    return inTray;
}

bool X11Tray::Delete(const NOTIFYICONDATA& data) {
    const TKey key{ data.hWnd, data.uID };
    FBalloons.erase(key);
    return FIcons.erase(key) > 0;
}

void X11Tray::Dock(X11TrayIcon& icon, unsigned long manager) {
    icon.FManager = manager;
    SendOpcode(manager, manager, kRequestDock, long(icon.Window()), 0, 0);
}

void X11Tray::SendOpcode(unsigned long manager, unsigned long window, long opcode, long data2,
                         long data3, long data4) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = FOpcode;
    e.xclient.format = 32;
    e.xclient.data.l[0] = CurrentTime;
    e.xclient.data.l[1] = opcode;
    e.xclient.data.l[2] = data2;
    e.xclient.data.l[3] = data3;
    e.xclient.data.l[4] = data4;
    XSendEvent(D(FDisplay), manager, False, NoEventMask, &e);
    XFlush(D(FDisplay));
}

void X11Tray::ShowBalloon(X11TrayIcon& icon, const NOTIFYICONDATA& data) {
    const TKey key{ data.hWnd, data.uID };
    CancelBalloon(icon, key);
    // A tray message is one text: the title becomes its first line.
    const std::string text =
        data.szInfoTitle.empty() ? data.szInfo : data.szInfoTitle + "\n" + data.szInfo;
    const long id = FNextBalloonId++;
    FBalloons[key] = id;
    SendOpcode(icon.FManager, icon.Window(), kBeginMessage, kBalloonTimeoutMs, long(text.size()),
               id);
    for (std::size_t at = 0; at < text.size(); at += kMessageChunk) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = icon.Window();
        e.xclient.message_type = FMessageData;
        e.xclient.format = 8;
        const std::size_t n = std::min(kMessageChunk, text.size() - at);
        std::memcpy(e.xclient.data.b, text.data() + at, n);
        XSendEvent(D(FDisplay), icon.FManager, False, NoEventMask, &e);
    }
    XFlush(D(FDisplay));
}

void X11Tray::CancelBalloon(X11TrayIcon& icon, const TKey& key) {
    auto it = FBalloons.find(key);
    if (it == FBalloons.end()) return;
    SendOpcode(icon.FManager, icon.Window(), kCancelMessage, it->second, 0, 0);
    FBalloons.erase(it);
}

bool X11Tray::HandleEvent(void* raw) {
    XEvent& e = *static_cast<XEvent*>(raw);
    if (e.type == ClientMessage && e.xclient.window == FRoot &&
        e.xclient.message_type == FManagerAtom && Atom(e.xclient.data.l[1]) == FSelection) {
        AnnounceTrayCreated();
        return true;
    }
    for (auto& [key, icon] : FIcons)
        if (icon->HandleEvent(raw)) return true;
    return false;
}

} // namespace win
