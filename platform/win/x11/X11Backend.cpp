#include "platform/win/x11/X11Backend.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowApi.h"
#include <algorithm>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
// Xlib's macros (None, Bool, Status ...) come last so that no header before them sees them.
#include "platform/win/x11/X11Keys.h"
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

namespace win {

struct X11Backend::Atoms {
    Atom FProtocols;
    Atom FDeleteWindow;
    Atom FMotifHints;
    Atom FNetName;
    Atom FUtf8;
    Atom FOpacity;
    Atom FWindowType;
    Atom FTypePopup;
    Atom FTypeDropDown;
    Atom FTypeTooltip;
    Atom FTypeNormal;
    Atom FTypeNotification;
    Atom FActiveWindow;
    Atom FState;
    Atom FStateAbove;
    Atom FWorkArea;
    Atom FCurrentDesktop;
    Atom FSupportingWmCheck;
    Atom FSupported;
    Atom FMoveResize;
    Atom FClipboard;
    Atom FTargets;
    Atom FTransfer;
};

namespace {

// Requests on windows the server already dropped (a window closed under us, focus on an
// unmapped window) must not end the program, as Xlib's default handler would.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

Display* D(_XDisplay* d) {
    return d;
}

} // namespace

X11Backend::X11Backend(const char* displayName) {
    FDisplay = XOpenDisplay(displayName);
    if (!FDisplay) throw Exception("Cannot open the X display.");
    XSetErrorHandler(IgnoreXError);
    FScreen = DefaultScreen(D(FDisplay));
    FRoot = RootWindow(D(FDisplay), FScreen);
    FGc = DefaultGC(D(FDisplay), FScreen);
    FWakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    // X repeats a held key as release/press pairs; Win32 programs expect repeated presses only.
    XkbSetDetectableAutoRepeat(D(FDisplay), True, nullptr);
    FAtoms = std::make_unique<Atoms>();
    auto atom = [&](const char* name) { return XInternAtom(D(FDisplay), name, False); };
    FAtoms->FProtocols = atom("WM_PROTOCOLS");
    FAtoms->FDeleteWindow = atom("WM_DELETE_WINDOW");
    FAtoms->FMotifHints = atom("_MOTIF_WM_HINTS");
    FAtoms->FNetName = atom("_NET_WM_NAME");
    FAtoms->FUtf8 = atom("UTF8_STRING");
    FAtoms->FOpacity = atom("_NET_WM_WINDOW_OPACITY");
    FAtoms->FWindowType = atom("_NET_WM_WINDOW_TYPE");
    FAtoms->FTypePopup = atom("_NET_WM_WINDOW_TYPE_POPUP_MENU");
    FAtoms->FTypeDropDown = atom("_NET_WM_WINDOW_TYPE_DROPDOWN_MENU");
    FAtoms->FTypeTooltip = atom("_NET_WM_WINDOW_TYPE_TOOLTIP");
    FAtoms->FTypeNormal = atom("_NET_WM_WINDOW_TYPE_NORMAL");
    FAtoms->FTypeNotification = atom("_NET_WM_WINDOW_TYPE_NOTIFICATION");
    FAtoms->FActiveWindow = atom("_NET_ACTIVE_WINDOW");
    FAtoms->FState = atom("_NET_WM_STATE");
    FAtoms->FStateAbove = atom("_NET_WM_STATE_ABOVE");
    FAtoms->FWorkArea = atom("_NET_WORKAREA");
    FAtoms->FCurrentDesktop = atom("_NET_CURRENT_DESKTOP");
    FAtoms->FSupportingWmCheck = atom("_NET_SUPPORTING_WM_CHECK");
    FAtoms->FSupported = atom("_NET_SUPPORTED");
    FAtoms->FMoveResize = atom("_NET_WM_MOVERESIZE");
    FAtoms->FClipboard = atom("CLIPBOARD");
    FAtoms->FTargets = atom("TARGETS");
    FAtoms->FTransfer = atom("VOBCONV_CLIPBOARD");
    FSelectionWindow = XCreateSimpleWindow(D(FDisplay), FRoot, 0, 0, 1, 1, 0, 0, 0);
    InitLayers();
    // Typed text goes through the input method of the program's locale (Chinese input
    // included) when one is there.
    XSetLocaleModifiers("");
    FInputMethod = XOpenIM(D(FDisplay), nullptr, nullptr, nullptr);
    int randrError = 0;
    if (XRRQueryExtension(D(FDisplay), &FRandrEvent, &randrError))
        XRRSelectInput(D(FDisplay), FRoot, RRScreenChangeNotifyMask);
    else
        FRandrEvent = -1;
    int shapeEvent = 0, shapeError = 0;
    FShape = XShapeQueryExtension(D(FDisplay), &shapeEvent, &shapeError);
    // A panel or a window manager starting after the program announces itself on the root.
    XSelectInput(D(FDisplay), FRoot, PropertyChangeMask);
    ReadWindowManager();
    ReadMonitors();
}

X11Backend::~X11Backend() {
    for (auto& [hwnd, native] : FNatives) {
        if (native.FInputContext) XDestroyIC(static_cast<XIC>(native.FInputContext));
        XDestroyWindow(D(FDisplay), native.FWindow);
    }
    if (FInputMethod) XCloseIM(static_cast<XIM>(FInputMethod));
    for (auto& [id, cursor] : FCursors)
        XFreeCursor(D(FDisplay), cursor);
    XDestroyWindow(D(FDisplay), FSelectionWindow);
    FreeLayers();
    if (FWakeFd >= 0) close(FWakeFd);
    XCloseDisplay(D(FDisplay));
}

void X11Backend::ReadMonitors() {
    FMonitors.clear();
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(D(FDisplay), FRoot, True, &count);
    for (int i = 0; monitors && i < count; ++i) {
        const XRRMonitorInfo& m = monitors[i];
        const RECT r{ m.x, m.y, m.x + m.width, m.y + m.height };
        FMonitors.push_back(MonitorArea{ r, r, m.primary != 0 });
    }
    if (monitors) XRRFreeMonitors(monitors);
    if (FMonitors.empty()) {
        const RECT r{ 0, 0, DisplayWidth(D(FDisplay), FScreen),
                      DisplayHeight(D(FDisplay), FScreen) };
        FMonitors.push_back(MonitorArea{ r, r, true });
    }
    if (std::none_of(FMonitors.begin(), FMonitors.end(), [](const auto& m) { return m.FPrimary; }))
        FMonitors.front().FPrimary = true;
    // The desktop's work area (panels excluded) cuts every monitor's. _NET_WORKAREA holds one
    // rectangle per desktop; the current desktop's applies.
    const std::vector<long> desktop = ReadLongs(FRoot, FAtoms->FCurrentDesktop, XA_CARDINAL, 1);
    const std::vector<long> areas = ReadLongs(FRoot, FAtoms->FWorkArea, XA_CARDINAL, 4 * 64);
    std::size_t index = desktop.empty() ? 0 : std::size_t(std::max(0L, desktop.front()));
    if (areas.size() < 4 * (index + 1)) index = 0;
    if (areas.size() < 4) return;
    const long* v = areas.data() + 4 * index;
    const RECT work{ LONG(v[0]), LONG(v[1]), LONG(v[0] + v[2]), LONG(v[1] + v[3]) };
    for (MonitorArea& m : FMonitors) {
        RECT cut;
        if (IntersectRect(&cut, &m.FBounds, &work)) m.FWorkArea = cut;
    }
}

std::vector<long> X11Backend::ReadLongs(unsigned long window, unsigned long property,
                                        unsigned long type, long maxItems) const {
    std::vector<long> values;
    Atom actualType;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(D(FDisplay), window, property, 0, maxItems, False, type, &actualType,
                           &format, &items, &after, &data) == Success &&
        data && format == 32 && actualType == type) {
        const long* v = reinterpret_cast<const long*>(data);
        values.assign(v, v + items);
    }
    if (data) XFree(data);
    return values;
}

void X11Backend::ReadWindowManager() {
    FWindowManager = WindowManagerSupport{};
    const std::vector<long> check = ReadLongs(FRoot, FAtoms->FSupportingWmCheck, XA_WINDOW, 1);
    if (check.empty()) return;
    // A manager that went leaves its property behind; its window is gone then, or no longer
    // names itself.
    const std::vector<long> self =
        ReadLongs(::Window(check.front()), FAtoms->FSupportingWmCheck, XA_WINDOW, 1);
    if (self.empty() || self.front() != check.front()) return;
    FWindowManager.FPresent = true;
    const std::vector<long> supported = ReadLongs(FRoot, FAtoms->FSupported, XA_ATOM, 1024);
    FWindowManager.FMoveResize =
        std::find(supported.begin(), supported.end(), long(FAtoms->FMoveResize)) != supported.end();
}

void X11Backend::HandleRootProperty(unsigned long atom) {
    if (atom == FAtoms->FSupportingWmCheck || atom == FAtoms->FSupported) {
        ReadWindowManager();
        return;
    }
    if (atom != FAtoms->FWorkArea && atom != FAtoms->FCurrentDesktop) return;
    std::vector<RECT> before;
    for (const MonitorArea& m : FMonitors)
        before.push_back(m.FWorkArea);
    ReadMonitors();
    std::vector<RECT> after;
    for (const MonitorArea& m : FMonitors)
        after.push_back(m.FWorkArea);
    if (after != before) WorkAreaChanged();
}

std::vector<MonitorArea> X11Backend::Monitors() const {
    return FMonitors;
}

unsigned long X11Backend::XWindowOf(HWND hwnd) const {
    auto it = FNatives.find(hwnd);
    return it == FNatives.end() ? 0 : it->second.FWindow;
}

HWND X11Backend::HandleOf(unsigned long window) const {
    for (const auto& [hwnd, native] : FNatives)
        if (native.FWindow == window) return hwnd;
    return nullptr;
}

void X11Backend::Wake() {
    const std::uint64_t one = 1;
    // A full counter already wakes the loop, so a failed write loses nothing.
    [[maybe_unused]] ssize_t n = write(FWakeFd, &one, sizeof one);
}

void X11Backend::WaitEvents(std::uint64_t deadlineMs) {
    if (DrainEvents()) return;
    XFlush(D(FDisplay));
    int timeout = -1;
    if (deadlineMs != kNoDeadline) {
        const std::uint64_t now = FClock.NowMs();
        timeout = deadlineMs <= now ? 0 : int(std::min<std::uint64_t>(deadlineMs - now, 1 << 30));
    }
    pollfd fds[2] = { { ConnectionNumber(D(FDisplay)), POLLIN, 0 }, { FWakeFd, POLLIN, 0 } };
    if (poll(fds, 2, timeout) > 0 && (fds[1].revents & POLLIN)) {
        std::uint64_t count;
        [[maybe_unused]] ssize_t n = read(FWakeFd, &count, sizeof count);
    }
    DrainEvents();
}

bool X11Backend::DrainEvents() {
    bool any = false;
    while (XPending(D(FDisplay)) > 0) {
        XEvent event;
        XNextEvent(D(FDisplay), &event);
        any = true;
        // Keys the input method consumes while composing never reach the program.
        if (XFilterEvent(&event, None)) continue;
        HandleEvent(&event);
    }
    return any;
}

int X11Backend::AddForeignEventHandler(ForeignEventHandler handler) {
    const int token = FNextForeignHandler++;
    FForeignHandlers.emplace(token, std::move(handler));
    return token;
}

void X11Backend::RemoveForeignEventHandler(int token) {
    FForeignHandlers.erase(token);
}

void X11Backend::HandleEvent(void* raw) {
    XEvent& e = *static_cast<XEvent*>(raw);
    // A handler may add or remove handlers while it runs: each is looked up afresh.
    for (auto it = FForeignHandlers.begin(); it != FForeignHandlers.end();) {
        const int token = it->first;
        const ForeignEventHandler handler = it->second;
        if (handler(raw)) return;
        it = FForeignHandlers.upper_bound(token);
    }
    if (FRandrEvent >= 0 && e.type == FRandrEvent + RRScreenChangeNotify) {
        XRRUpdateConfiguration(&e);
        ReadMonitors();
        DisplayChanged();
        return;
    }
    if (e.type == PropertyNotify && e.xproperty.window == FRoot) {
        HandleRootProperty(e.xproperty.atom);
        return;
    }
    if (HandleLayerEvent(&e)) return;
    const HWND hwnd = HandleOf(e.xany.window);
    InputEvent input;
    switch (e.type) {
    case Expose:
        if (hwnd) FNatives[hwnd].FAwaitingExpose = false;
        // The back buffer holds the window's pixels: put them back without asking the program.
        if (const gfx::Surface* buffer = WindowBackBuffer(hwnd))
            Present(hwnd, *buffer,
                    RECT{ e.xexpose.x, e.xexpose.y, e.xexpose.x + e.xexpose.width,
                          e.xexpose.y + e.xexpose.height });
        break;
    case ConfigureNotify: {
        if (!hwnd) break;
        int x = e.xconfigure.x, y = e.xconfigure.y;
        // A real event of a reparented window is relative to the frame; synthetic ones (sent by
        // the window manager) are in root coordinates, and so are real ones from while the
        // window was still the root's child. Which parent an event comes from is read from the
        // reparent events in their order, not from the tree as it stands when the event is
        // read: a window reparented since into a frame not yet placed would give the frame's
        // first place, and a manager placing a frame where the window already was tells
        // nothing more.
        if (!e.xconfigure.send_event && !FNatives[hwnd].FChildOfRoot) {
            ::Window child;
            XTranslateCoordinates(D(FDisplay), e.xconfigure.window, FRoot, 0, 0, &x, &y, &child);
        }
        const RECT now{ x, y, x + e.xconfigure.width, y + e.xconfigure.height };
        Native& native = FNatives[hwnd];
        // Our own moves come back one by one: while any is on its way, the core is ahead of
        // the event and must not be pulled back to an older place.
        // With none of ours left on the way the core should stand where the server says; if
        // the window manager's word moved it in between, the server is right.
        auto ours = std::find(native.FRequested.begin(), native.FRequested.end(), now);
        if (ours != native.FRequested.end())
            native.FRequested.erase(native.FRequested.begin(), ours + 1);
        if (!native.FRequested.empty()) break;
        // The window manager placed or moved the window: the core follows.
        RECT r;
        GetWindowRect(hwnd, &r);
        native.FBounds = now;
        if (now != r)
            SetWindowPos(hwnd, nullptr, now.left, now.top, now.right - now.left,
                         now.bottom - now.top, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case ReparentNotify:
        if (hwnd) FNatives[hwnd].FChildOfRoot = e.xreparent.parent == FRoot;
        break;
    case UnmapNotify:
        // Unmapped without being asked: the window manager iconified the window. An unmap
        // from before the program mapped the window again (a manager answering the program's
        // own iconify late) is no news.
        if (hwnd && e.xunmap.serial >= FNatives[hwnd].FMapSerial && FNatives[hwnd].FMapped &&
            !IsIconic(hwnd)) {
            FNatives[hwnd].FMapped = false;
            ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
        }
        break;
    case MapNotify:
        if (hwnd) FNatives[hwnd].FAwaitingExpose = false;
        // Mapped again from the task list while the program thinks it iconic; not a map from
        // before the program iconified it.
        if (hwnd && e.xmap.serial >= FNatives[hwnd].FIconifySerial && IsIconic(hwnd))
            ShowWindow(hwnd, SW_RESTORE);
        break;
    case MotionNotify:
        input.FKind = InputKind::MouseMove;
        input.FPoint = POINT{ e.xmotion.x_root, e.xmotion.y_root };
        QueueInput(input);
        break;
    case ButtonPress:
    case ButtonRelease: {
        const unsigned button = e.xbutton.button;
        input.FPoint = POINT{ e.xbutton.x_root, e.xbutton.y_root };
        if (button == 4 || button == 5) {
            if (e.type == ButtonRelease) break;
            input.FKind = InputKind::Wheel;
            input.FWheelDelta = button == 4 ? WHEEL_DELTA : -WHEEL_DELTA;
        } else if (button >= 1 && button <= 3) {
            input.FKind = e.type == ButtonPress ? InputKind::ButtonDown : InputKind::ButtonUp;
            input.FButton = button == 1   ? MouseButton::Left
                            : button == 3 ? MouseButton::Right
                                          : MouseButton::Middle;
        } else {
            break;
        }
        QueueInput(input);
        break;
    }
    case KeyPress:
    case KeyRelease:
        HandleKey(&e, hwnd);
        break;
    case FocusIn:
        if (hwnd && FNatives[hwnd].FInputContext)
            XSetICFocus(static_cast<XIC>(FNatives[hwnd].FInputContext));
        if (hwnd && e.xfocus.mode != NotifyGrab && e.xfocus.mode != NotifyUngrab)
            NativeActivated(hwnd);
        break;
    case FocusOut: {
        if (hwnd && FNatives[hwnd].FInputContext)
            XUnsetICFocus(static_cast<XIC>(FNatives[hwnd].FInputContext));
        if (!hwnd || e.xfocus.mode == NotifyGrab || e.xfocus.mode == NotifyUngrab) break;
        ::Window focus;
        int revert;
        XGetInputFocus(D(FDisplay), &focus, &revert);
        // Focus moving to another of our windows arrives as its FocusIn.
        if (!HandleOf(focus)) NativeActivated(nullptr);
        break;
    }
    case SelectionRequest:
        AnswerSelectionRequest(&e);
        break;
    case SelectionClear:
        if (e.xselectionclear.selection == FAtoms->FClipboard) FClipboard.clear();
        break;
    case ClientMessage:
        if (hwnd && e.xclient.message_type == FAtoms->FProtocols &&
            Atom(e.xclient.data.l[0]) == FAtoms->FDeleteWindow)
            PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
}

void X11Backend::HandleKey(void* raw, HWND hwnd) {
    XKeyEvent& key = static_cast<XEvent*>(raw)->xkey;
    InputEvent input;
    input.FKind = key.type == KeyPress ? InputKind::KeyDown : InputKind::KeyUp;
    input.FPoint = POINT{ key.x_root, key.y_root };
    KeySym keysym = NoSymbol;
    std::string text;
    void* context = hwnd ? FNatives[hwnd].FInputContext : nullptr;
    if (key.type == KeyPress && context) {
        char buffer[64];
        Status status = 0;
        int length = Xutf8LookupString(static_cast<XIC>(context), &key, buffer, sizeof buffer,
                                       &keysym, &status);
        if (status == XBufferOverflow) {
            std::string big(std::size_t(length), '\0');
            length = Xutf8LookupString(static_cast<XIC>(context), &key, big.data(), int(big.size()),
                                       &keysym, &status);
            text.assign(big.data(), std::size_t(std::max(length, 0)));
        } else if (status == XLookupChars || status == XLookupBoth) {
            text.assign(buffer, std::size_t(std::max(length, 0)));
        }
        if (status == XLookupChars) keysym = NoSymbol;
    } else {
        char buffer[32];
        const int length = XLookupString(&key, buffer, sizeof buffer, &keysym, nullptr);
        if (key.type == KeyPress) {
            text = TextFromKeysym(keysym);
            // Control characters come from the lookup (Ctrl+letter), not from the symbol.
            if (text.empty() && length == 1 && static_cast<unsigned char>(buffer[0]) < 0x20)
                text.assign(buffer, 1);
        }
    }
    input.FVirtualKey = VirtualKeyFromKeysym(keysym);
    if (!input.FVirtualKey) {
        // Text the input method composed arrives without a key, as Windows' IME keys do.
        if (text.empty()) return;
        input.FVirtualKey = VK_PROCESSKEY;
        input.FText = text;
        QueueInput(input);
        input.FKind = InputKind::KeyUp;
        input.FText.clear();
        QueueInput(input);
        return;
    }
    input.FText = text;
    QueueInput(input);
}

void X11Backend::CreateNative(HWND hwnd, const NativeWindowParams& params) {
    Native native;
    native.FPopup = params.FPopup;
    native.FKind = params.FPopupKind;
    native.FArgb = WantsArgb(native);
    const ::Window window = CreateXWindow(params.FBounds, params.FPopup, native.FArgb);
    Atom protocols[] = { FAtoms->FDeleteWindow };
    XSetWMProtocols(D(FDisplay), window, protocols, 1);
    // The program draws the whole frame: the window manager must draw none.
    const long motif[5] = { 2 /* decorations given */, 0, 0, 0, 0 };
    XChangeProperty(D(FDisplay), window, FAtoms->FMotifHints, FAtoms->FMotifHints, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(motif), 5);
    WriteWindowType(window, params.FPopup, params.FPopupKind);
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = params.FPopup ? False : True;
    XSetWMHints(D(FDisplay), window, &wmHints);
    if (params.FOwner)
        if (const unsigned long owner = XWindowOf(params.FOwner))
            XSetTransientForHint(D(FDisplay), window, owner);
    if (FCurrentCursor) XDefineCursor(D(FDisplay), window, FCurrentCursor);
    void* context = nullptr;
    if (FInputMethod)
        context = XCreateIC(static_cast<XIM>(FInputMethod), XNInputStyle,
                            XIMPreeditNothing | XIMStatusNothing, XNClientWindow, window,
                            XNFocusWindow, window, nullptr);
    native.FWindow = window;
    native.FBounds = params.FBounds;
    native.FInputContext = context;
    native.FTopmost = params.FTopmost;
    if (native.FTopmost && !native.FPopup) WriteAboveState(native);
    WriteNormalHints(native);
    FNatives[hwnd] = std::move(native);
    SetNativeTitle(hwnd, params.FTitle);
}

void X11Backend::DestroyNative(HWND hwnd) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    if (it->second.FInputContext) XDestroyIC(static_cast<XIC>(it->second.FInputContext));
    XDestroyWindow(D(FDisplay), it->second.FWindow);
    FNatives.erase(it);
    std::erase_if(FWatchedFrames, [&](const auto& watched) { return watched.second == hwnd; });
    for (auto& [other, native] : FNatives)
        if (native.FStackAnchor == hwnd) native.FStackAnchor = nullptr;
    if (FCaptureGrab == hwnd) FCaptureGrab = nullptr;
    if (FMenuGrab == hwnd) FMenuGrab = nullptr;
    XFlush(D(FDisplay));
}

void X11Backend::SetNativeBounds(HWND hwnd, const RECT& bounds) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end() || it->second.FBounds == bounds) return;
    it->second.FBounds = bounds;
    const RECT sent{ bounds.left, bounds.top,
                     bounds.left + std::max<int>(1, bounds.right - bounds.left),
                     bounds.top + std::max<int>(1, bounds.bottom - bounds.top) };
    // A window manager may refuse a request, so its answer could never come: keep few.
    if (it->second.FRequested.size() >= 8)
        it->second.FRequested.erase(it->second.FRequested.begin());
    it->second.FRequested.push_back(sent);
    XMoveResizeWindow(D(FDisplay), it->second.FWindow, bounds.left, bounds.top,
                      unsigned(std::max<int>(1, bounds.right - bounds.left)),
                      unsigned(std::max<int>(1, bounds.bottom - bounds.top)));
    XFlush(D(FDisplay));
}

void X11Backend::ShowNative(HWND hwnd, bool visible) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    Native& native = it->second;
    native.FShown = visible;
    if (native.FKind == PopupKind::Layer && native.FPopup) {
        ApplyLayerMapping(native);
        XFlush(D(FDisplay));
        return;
    }
    // A window manager drops the state of a window the program withdrew, so a window coming
    // back takes its present state along.
    if (visible && native.FWithdrawn && !native.FPopup) WriteAboveState(native);
    if (visible) native.FMapSerial = NextRequest(D(FDisplay));
    if (visible && native.FWithdrawn) native.FAwaitingExpose = true;
    if (visible)
        XMapRaised(D(FDisplay), native.FWindow);
    else
        XUnmapWindow(D(FDisplay), native.FWindow);
    native.FMapped = visible;
    native.FWithdrawn = !visible;
    XFlush(D(FDisplay));
}

void X11Backend::MinimizeNative(HWND hwnd) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    Native& native = it->second;
    native.FMapped = false;
    native.FIconifySerial = NextRequest(D(FDisplay));
    if (FWindowManager.FPresent) {
        XIconifyWindow(D(FDisplay), native.FWindow, FScreen);
    } else {
        // Nobody would answer the request to iconify: the window leaves the screen, and
        // showing it maps it again.
        XUnmapWindow(D(FDisplay), native.FWindow);
        native.FWithdrawn = true;
    }
    XFlush(D(FDisplay));
}

void X11Backend::SetNativeSizeLimits(HWND hwnd, SIZE minSize, SIZE maxSize) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end() || it->second.FPopup) return;
    Native& native = it->second;
    if (native.FHasSizeLimits && native.FMinSize.cx == minSize.cx &&
        native.FMinSize.cy == minSize.cy && native.FMaxSize.cx == maxSize.cx &&
        native.FMaxSize.cy == maxSize.cy)
        return;
    native.FHasSizeLimits = true;
    native.FMinSize = minSize;
    native.FMaxSize = maxSize;
    WriteNormalHints(native);
    XFlush(D(FDisplay));
}

void X11Backend::WriteNormalHints(const Native& native) {
    XSizeHints hints{};
    hints.flags = PPosition | PSize | USPosition;
    hints.x = native.FBounds.left;
    hints.y = native.FBounds.top;
    hints.width = std::max<int>(1, native.FBounds.right - native.FBounds.left);
    hints.height = std::max<int>(1, native.FBounds.bottom - native.FBounds.top);
    if (native.FHasSizeLimits) {
        hints.flags |= PMinSize | PMaxSize;
        hints.min_width = std::max<int>(1, native.FMinSize.cx);
        hints.min_height = std::max<int>(1, native.FMinSize.cy);
        hints.max_width = std::max<int>(hints.min_width, native.FMaxSize.cx);
        hints.max_height = std::max<int>(hints.min_height, native.FMaxSize.cy);
    }
    XSetWMNormalHints(D(FDisplay), native.FWindow, &hints);
}

void X11Backend::SetNativeTitle(HWND hwnd, const std::string& title) {
    const unsigned long window = XWindowOf(hwnd);
    if (!window) return;
    XChangeProperty(D(FDisplay), window, FAtoms->FNetName, FAtoms->FUtf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), int(title.size()));
    XStoreName(D(FDisplay), window, title.c_str());
}

void X11Backend::RestackNative(const std::vector<HWND>& topFirst) {
    std::vector<::Window> windows;
    for (HWND h : topFirst)
        if (const unsigned long w = XWindowOf(h)) windows.push_back(w);
    if (windows.size() > 1) XRestackWindows(D(FDisplay), windows.data(), int(windows.size()));
    RestackAllLayers();
}

void X11Backend::WriteWindowType(unsigned long window, bool popup, PopupKind kind) {
    Atom type = FAtoms->FTypeNormal;
    if (popup)
        type = kind == PopupKind::DropDown  ? FAtoms->FTypeDropDown
               : kind == PopupKind::Tooltip ? FAtoms->FTypeTooltip
               : kind == PopupKind::Layer   ? FAtoms->FTypeNotification
                                            : FAtoms->FTypePopup;
    XChangeProperty(D(FDisplay), window, FAtoms->FWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
}

void X11Backend::SetNativePopupKind(HWND hwnd, PopupKind kind) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end() || !it->second.FPopup) return;
    it->second.FKind = kind;
    WriteWindowType(it->second.FWindow, true, kind);
    MatchLayerVisual(hwnd);
    XFlush(D(FDisplay));
}

void X11Backend::SetNativeTopmost(HWND hwnd, bool topmost) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    Native& native = it->second;
    native.FTopmost = topmost;
    // No window manager stacks an override-redirect window.
    if (native.FPopup) return;
    if (native.FWithdrawn) {
        WriteAboveState(native);
    } else {
        // The window manager owns the state of a window it manages and ignores the program's
        // writes: it must be asked.
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = native.FWindow;
        e.xclient.message_type = FAtoms->FState;
        e.xclient.format = 32;
        e.xclient.data.l[0] = topmost ? 1 : 0; // _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
        e.xclient.data.l[1] = long(FAtoms->FStateAbove);
        e.xclient.data.l[2] = 0;
        e.xclient.data.l[3] = 1; // from an ordinary application
        XSendEvent(D(FDisplay), FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &e);
    }
    XFlush(D(FDisplay));
}

// The _NET_WM_STATE that the window manager reads when it maps the window: ABOVE as the window
// is topmost, the other states left as they are.
void X11Backend::WriteAboveState(const Native& native) {
    std::vector<Atom> states;
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(D(FDisplay), native.FWindow, FAtoms->FState, 0, 64, False, XA_ATOM,
                           &type, &format, &items, &after, &data) == Success &&
        data && format == 32) {
        const Atom* atoms = reinterpret_cast<const Atom*>(data);
        states.assign(atoms, atoms + items);
    }
    if (data) XFree(data);
    std::erase(states, FAtoms->FStateAbove);
    if (native.FTopmost) states.push_back(FAtoms->FStateAbove);
    if (states.empty())
        XDeleteProperty(D(FDisplay), native.FWindow, FAtoms->FState);
    else
        XChangeProperty(D(FDisplay), native.FWindow, FAtoms->FState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(states.data()), int(states.size()));
}

void X11Backend::GrabPointer(HWND hwnd) {
    FCaptureGrab = hwnd;
    const unsigned long window = XWindowOf(hwnd ? hwnd : FMenuGrab);
    XUngrabPointer(D(FDisplay), CurrentTime);
    // Capture: owner_events False, every pointer event reports to the capturing window. An open
    // menu: owner_events True, the program's windows get their own events and the grab window
    // hears of presses everywhere else.
    if (window)
        XGrabPointer(D(FDisplay), window, hwnd ? False : True,
                     ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                     GrabModeAsync, None, None, CurrentTime);
    XFlush(D(FDisplay));
}

void X11Backend::GrabPointerForMenu(HWND hwnd) {
    FMenuGrab = hwnd;
    if (!FCaptureGrab) GrabPointer(nullptr);
}

void X11Backend::ActivateNative(HWND hwnd) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = it->second.FWindow;
    e.xclient.message_type = FAtoms->FActiveWindow;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2; // a request from a pager-like source: honoured at once
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(D(FDisplay), FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    // Without a window manager the request goes unanswered; take the focus directly.
    if (it->second.FMapped)
        XSetInputFocus(D(FDisplay), it->second.FWindow, RevertToParent, CurrentTime);
    XFlush(D(FDisplay));
}

void X11Backend::SetNativeCursor(UINT_PTR cursorId) {
    unsigned shape = XC_left_ptr;
    switch (cursorId) {
    case IDC_IBEAM:
        shape = XC_xterm;
        break;
    case IDC_WAIT:
    case IDC_APPSTARTING:
        shape = XC_watch;
        break;
    case IDC_CROSS:
        shape = XC_crosshair;
        break;
    case IDC_UPARROW:
        shape = XC_sb_up_arrow;
        break;
    case IDC_SIZEWE:
        shape = XC_sb_h_double_arrow;
        break;
    case IDC_SIZENS:
        shape = XC_sb_v_double_arrow;
        break;
    case IDC_SIZENWSE:
        shape = XC_bottom_right_corner;
        break;
    case IDC_SIZENESW:
        shape = XC_bottom_left_corner;
        break;
    case IDC_SIZEALL:
        shape = XC_fleur;
        break;
    case IDC_NO:
        shape = XC_X_cursor;
        break;
    case IDC_HAND:
        shape = XC_hand2;
        break;
    case IDC_DRAG:
        shape = XC_dotbox;
        break;
    case IDC_NODROP:
        shape = XC_circle;
        break;
    default:
        break;
    }
    auto it = FCursors.find(cursorId);
    if (it == FCursors.end())
        it = FCursors.emplace(cursorId, XCreateFontCursor(D(FDisplay), shape)).first;
    if (FCurrentCursor == it->second) return;
    FCurrentCursor = it->second;
    for (const auto& [hwnd, native] : FNatives)
        XDefineCursor(D(FDisplay), native.FWindow, FCurrentCursor);
}

void X11Backend::Present(HWND hwnd, const gfx::Surface& buffer, const RECT& dirty) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end() || buffer.Empty()) return;
    // An unmapped window keeps no pixels; mapping it exposes it, and the expose puts the buffer.
    if (!it->second.FMapped || it->second.FAwaitingExpose) return;
    RECT r;
    const RECT bounds{ 0, 0, buffer.Width(), buffer.Height() };
    if (!IntersectRect(&r, &dirty, &bounds)) return;
    const bool argb = it->second.FArgb;
    Visual* visual = argb ? static_cast<Visual*>(FArgbVisual) : DefaultVisual(D(FDisplay), FScreen);
    const int depth = argb ? 32 : DefaultDepth(D(FDisplay), FScreen);
    // The buffer's BGRA words are what a 24/32-bit TrueColor visual takes on little-endian
    // machines, so the image points straight at them; a layer's words carry premultiplied
    // alpha, which is what the compositor blends.
    XImage* image =
        XCreateImage(D(FDisplay), visual, unsigned(depth), ZPixmap, 0,
                     const_cast<char*>(reinterpret_cast<const char*>(buffer.Data())),
                     unsigned(buffer.Width()), unsigned(buffer.Height()), 32, buffer.Stride() * 4);
    if (!image) return;
    XPutImage(D(FDisplay), it->second.FWindow, static_cast<GC>(GcFor(it->second)), image, r.left,
              r.top, r.left, r.top, unsigned(r.right - r.left), unsigned(r.bottom - r.top));
    image->data = nullptr; // the pixels belong to the buffer
    XDestroyImage(image);
    XFlush(D(FDisplay));
}

void X11Backend::SetNativeShape(HWND hwnd, const gfx::Region* shape) {
    const unsigned long window = XWindowOf(hwnd);
    if (!window) return;
    Native& native = FNatives[hwnd];
    native.FHasShape = shape != nullptr;
    native.FShape = shape ? shape->Rects() : std::vector<RECT>{};
    WriteShape(native);
    XFlush(D(FDisplay));
}

void X11Backend::WriteShape(const Native& native) {
    if (!FShape) return;
    if (!native.FHasShape) {
        XShapeCombineMask(D(FDisplay), native.FWindow, ShapeBounding, 0, 0, None, ShapeSet);
        return;
    }
    std::vector<XRectangle> rects;
    for (const RECT& r : native.FShape)
        rects.push_back(XRectangle{ short(r.left), short(r.top),
                                    static_cast<unsigned short>(r.right - r.left),
                                    static_cast<unsigned short>(r.bottom - r.top) });
    XShapeCombineRectangles(D(FDisplay), native.FWindow, ShapeBounding, 0, 0, rects.data(),
                            int(rects.size()), ShapeSet, YXBanded);
}

void X11Backend::SetNativeInputTransparent(HWND hwnd, bool transparent) {
    const unsigned long window = XWindowOf(hwnd);
    if (!window) return;
    FNatives[hwnd].FInputTransparent = transparent;
    WriteInputShape(FNatives[hwnd]);
    XFlush(D(FDisplay));
}

void X11Backend::WriteInputShape(const Native& native) {
    if (!FShape) return;
    if (native.FInputTransparent)
        XShapeCombineRectangles(D(FDisplay), native.FWindow, ShapeInput, 0, 0, nullptr, 0, ShapeSet,
                                Unsorted);
    else
        XShapeCombineMask(D(FDisplay), native.FWindow, ShapeInput, 0, 0, None, ShapeSet);
}

void X11Backend::SetNativeOpacity(HWND hwnd, BYTE alpha, bool) {
    const unsigned long window = XWindowOf(hwnd);
    if (!window) return;
    FNatives[hwnd].FOpacity = alpha;
    WriteOpacity(FNatives[hwnd]);
    // Fades run without returning to the event loop: the server must see each step now.
    XFlush(D(FDisplay));
}

void X11Backend::WriteOpacity(const Native& native) {
    if (native.FOpacity == 255) {
        XDeleteProperty(D(FDisplay), native.FWindow, FAtoms->FOpacity);
    } else {
        const unsigned long value = 0x01010101UL * native.FOpacity;
        XChangeProperty(D(FDisplay), native.FWindow, FAtoms->FOpacity, XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&value), 1);
    }
}

void X11Backend::SetClipboardText(const std::string& text) {
    FClipboard = text;
    XSetSelectionOwner(D(FDisplay), FAtoms->FClipboard, FSelectionWindow, CurrentTime);
    // A round trip, not only a flush: the server must have made us the owner before another
    // program, on a connection of its own, can ask for what was copied.
    XSync(D(FDisplay), False);
}

std::string X11Backend::ClipboardText() {
    const ::Window owner = XGetSelectionOwner(D(FDisplay), FAtoms->FClipboard);
    if (owner == FSelectionWindow) return FClipboard;
    if (owner == None) return {};
    XDeleteProperty(D(FDisplay), FSelectionWindow, FAtoms->FTransfer);
    XConvertSelection(D(FDisplay), FAtoms->FClipboard, FAtoms->FUtf8, FAtoms->FTransfer,
                      FSelectionWindow, CurrentTime);
    XFlush(D(FDisplay));
    const std::uint64_t deadline = FClock.NowMs() + 1000;
    XEvent e;
    for (;;) {
        if (XCheckTypedWindowEvent(D(FDisplay), FSelectionWindow, SelectionNotify, &e)) break;
        const std::uint64_t now = FClock.NowMs();
        if (now >= deadline) return {};
        pollfd fd{ ConnectionNumber(D(FDisplay)), POLLIN, 0 };
        poll(&fd, 1, int(deadline - now));
    }
    if (e.xselection.property == None) return {};
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(D(FDisplay), FSelectionWindow, FAtoms->FTransfer, 0, 1 << 24, True,
                           AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
        data && format == 8)
        text.assign(reinterpret_cast<const char*>(data), items);
    if (data) XFree(data);
    return text;
}

void X11Backend::Beep() {
    // 0: the bell at the volume the user set for the display.
    XBell(D(FDisplay), 0);
    XFlush(D(FDisplay));
}

void X11Backend::AnswerSelectionRequest(void* raw) {
    const XSelectionRequestEvent& request = static_cast<XEvent*>(raw)->xselectionrequest;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    // Old clients ask with no property: the target names it.
    const Atom property = request.property == None ? request.target : request.property;
    reply.property = None;
    if (request.selection == FAtoms->FClipboard) {
        if (request.target == FAtoms->FTargets) {
            const Atom targets[] = { FAtoms->FTargets, FAtoms->FUtf8, XA_STRING };
            XChangeProperty(D(FDisplay), request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(targets), 3);
            reply.property = property;
        } else if (request.target == FAtoms->FUtf8 || request.target == XA_STRING) {
            XChangeProperty(
                D(FDisplay), request.requestor, property, request.target, 8, PropModeReplace,
                reinterpret_cast<const unsigned char*>(FClipboard.data()), int(FClipboard.size()));
            reply.property = property;
        }
    }
    XSendEvent(D(FDisplay), request.requestor, False, NoEventMask,
               reinterpret_cast<XEvent*>(&reply));
    XFlush(D(FDisplay));
}

unsigned long X11Backend::CreateNativeChild(HWND hwnd, HWND top, const RECT& bounds) {
    const unsigned long parent = XWindowOf(top);
    if (!parent) return 0;
    const ::Window window =
        XCreateSimpleWindow(D(FDisplay), parent, bounds.left, bounds.top,
                            unsigned(std::max<int>(1, bounds.right - bounds.left)),
                            unsigned(std::max<int>(1, bounds.bottom - bounds.top)), 0, 0,
                            BlackPixel(D(FDisplay), FScreen));
    FChildren[hwnd] = window;
    XFlush(D(FDisplay));
    return window;
}

void X11Backend::PlaceNativeChild(HWND hwnd, const RECT& bounds, bool visible) {
    auto it = FChildren.find(hwnd);
    if (it == FChildren.end()) return;
    const bool empty = bounds.right <= bounds.left || bounds.bottom <= bounds.top;
    XMoveResizeWindow(D(FDisplay), it->second, bounds.left, bounds.top,
                      unsigned(std::max<int>(1, bounds.right - bounds.left)),
                      unsigned(std::max<int>(1, bounds.bottom - bounds.top)));
    if (visible && !empty)
        XMapWindow(D(FDisplay), it->second);
    else
        XUnmapWindow(D(FDisplay), it->second);
    XFlush(D(FDisplay));
}

void X11Backend::ClearNativeChild(HWND hwnd) {
    auto it = FChildren.find(hwnd);
    if (it == FChildren.end()) return;
    XClearWindow(D(FDisplay), it->second);
    XFlush(D(FDisplay));
}

void X11Backend::DestroyNativeChild(HWND hwnd) {
    auto it = FChildren.find(hwnd);
    if (it == FChildren.end()) return;
    XDestroyWindow(D(FDisplay), it->second);
    FChildren.erase(it);
    XFlush(D(FDisplay));
}

} // namespace win
