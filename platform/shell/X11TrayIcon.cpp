#include "platform/shell/X11TrayIcon.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/THintWindow.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/IconObject.h"
#include "platform/gfx/SysColors.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>
#include <cstdlib>
#include <span>
// Xlib's macros (None, Bool, Status ...) come last so that no header before them sees them.
// Xlib's types Screen and Time would clash with the class library's at global scope.
#define Screen XlibScreen
#define Time XlibTime
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef Screen
#undef Time

namespace win {

namespace {

constexpr long kXEmbedVersion = 0;
constexpr long kXEmbedMapped = 1;
constexpr unsigned kEventMask = ExposureMask | StructureNotifyMask | ButtonPressMask |
                                ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                                LeaveWindowMask;

Display* D(_XDisplay* d) {
    return d;
}

// The picture scaled to fit a square of the smaller side, centred in width x height; the rest
// is clear.
gfx::Surface IconPicture(const std::vector<gfx::Surface>& images, int width, int height) {
    gfx::Surface out(width, height, 0);
    if (images.empty() || width <= 0 || height <= 0) return out;
    const IconObject icon(images);
    const int side = std::min(width, height);
    const gfx::Surface scaled = ScalePicture(icon.BestFor(side, side), side, side);
    const int left = (width - side) / 2, top = (height - side) / 2;
    for (int y = 0; y < side; ++y)
        std::copy(scaled.Row(y), scaled.Row(y) + side, out.Row(top + y) + left);
    return out;
}

std::uint8_t Blend(std::uint8_t over, std::uint8_t under, unsigned alpha) {
    return std::uint8_t((over * alpha + under * (255 - alpha) + 127) / 255);
}

} // namespace

X11TrayIcon::X11TrayIcon(_XDisplay* display, unsigned long visualId, const NOTIFYICONDATA& data)
    : FDisplay(display), FOwner(data.hWnd), FId(data.uID) {
    Display* d = D(FDisplay);
    const int screen = DefaultScreen(d);
    const ::Window root = RootWindow(d, screen);
    XSetWindowAttributes attributes{};
    attributes.event_mask = long(kEventMask);
    unsigned long mask = CWEventMask;
    Visual* visual = CopyFromParent;
    int depth = CopyFromParent;
    XVisualInfo wanted{};
    wanted.visualid = visualId;
    int count = 0;
    XVisualInfo* found = visualId ? XGetVisualInfo(d, VisualIDMask, &wanted, &count) : nullptr;
    if (found && count > 0) {
        // The tray's own visual (usually with alpha): the icon brings its colour map, and the
        // background stays clear so that the tray shows through.
        visual = found[0].visual;
        depth = found[0].depth;
        FVisualId = visualId;
        FColormap = XCreateColormap(d, root, visual, AllocNone);
        attributes.colormap = FColormap;
        attributes.background_pixel = 0;
        attributes.border_pixel = 0;
        mask |= CWColormap | CWBackPixel | CWBorderPixel;
    } else {
        // The tray's background shows under the icon.
        attributes.background_pixmap = ParentRelative;
        mask |= CWBackPixmap;
    }
    if (found) XFree(found);
    FDepth = depth == CopyFromParent ? DefaultDepth(d, screen) : depth;
    FWindow = XCreateWindow(d, root, 0, 0, unsigned(FWidth), unsigned(FHeight), 0, depth,
                            InputOutput, visual, mask, &attributes);
    FGc = XCreateGC(d, FWindow, 0, nullptr);
    const long info[2] = { kXEmbedVersion, kXEmbedMapped };
    const Atom xembedInfo = XInternAtom(d, "_XEMBED_INFO", False);
    XChangeProperty(d, FWindow, xembedInfo, xembedInfo, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(info), 2);
    Update(data);
}

X11TrayIcon::~X11TrayIcon() {
    HideTip();
    Display* d = D(FDisplay);
    if (FGc) XFreeGC(d, static_cast<GC>(FGc));
    if (FWindow) XDestroyWindow(d, FWindow);
    if (FColormap) XFreeColormap(d, FColormap);
    XFlush(d);
}

void X11TrayIcon::Update(const NOTIFYICONDATA& data) {
    if (data.uFlags & NIF_MESSAGE) FCallbackMessage = data.uCallbackMessage;
    if (data.uFlags & NIF_TIP) {
        FTip = data.szTip.substr(0, 127);
        if (FTip.empty()) HideTip();
    }
    if (data.uFlags & NIF_ICON) {
        // The caller may destroy its icon at once: the pictures are kept.
        const IconObject* icon = IconFromHandle(data.hIcon);
        FImages = icon ? icon->Images() : std::vector<gfx::Surface>{};
        Paint();
    }
}

bool X11TrayIcon::HandleEvent(void* raw) {
    XEvent& e = *static_cast<XEvent*>(raw);
    if (!FWindow || e.xany.window != FWindow) return false;
    switch (e.type) {
    case Expose:
        if (e.xexpose.count == 0) Paint();
        break;
    case ConfigureNotify:
        if (e.xconfigure.width != FWidth || e.xconfigure.height != FHeight) {
            FWidth = e.xconfigure.width;
            FHeight = e.xconfigure.height;
            Paint();
        }
        break;
    case ReparentNotify:
        // Back on the root: the tray went away and handed the icon back. It stays off the
        // screen until a tray docks it again.
        if (e.xreparent.parent == RootWindow(D(FDisplay), DefaultScreen(D(FDisplay)))) {
            XUnmapWindow(D(FDisplay), FWindow);
            FManager = 0;
            HideTip();
        }
        break;
    case DestroyNotify:
        FWindow = 0;
        FManager = 0;
        HideTip();
        break;
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
        Mouse(raw);
        break;
    case EnterNotify:
        if (!FTip.empty()) StartTip(Application ? Application->HintPause() : 500, false);
        break;
    case LeaveNotify:
        HideTip();
        break;
    default:
        break;
    }
    return true;
}

void X11TrayIcon::Paint() {
    if (!FWindow || FWidth <= 0 || FHeight <= 0) return;
    Display* d = D(FDisplay);
    gfx::Surface picture = IconPicture(FImages, FWidth, FHeight);
    Visual* visual = nullptr;
    if (FVisualId) {
        // A visual with alpha takes premultiplied pixels.
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(d, FWindow, &attributes)) return;
        visual = attributes.visual;
        for (int y = 0; y < FHeight; ++y)
            for (gfx::Pixel& p : std::span(picture.Row(y), std::size_t(FWidth))) {
                const unsigned a = gfx::PixelA(p);
                p = gfx::MakePixel(Blend(gfx::PixelR(p), 0, a), Blend(gfx::PixelG(p), 0, a),
                                   Blend(gfx::PixelB(p), 0, a), std::uint8_t(a));
            }
    } else {
        // Over the tray's background as the server has it; where it cannot be read (the
        // window is not on the screen), over the button face.
        visual = DefaultVisual(d, DefaultScreen(d));
        XClearWindow(d, FWindow);
        XImage* under =
            XGetImage(d, FWindow, 0, 0, unsigned(FWidth), unsigned(FHeight), AllPlanes, ZPixmap);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x) {
                const gfx::Pixel p = picture.At(x, y);
                const unsigned long back =
                    under ? XGetPixel(under, x, y)
                          : (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
                const unsigned a = gfx::PixelA(p);
                picture.Set(x, y,
                            gfx::MakePixel(Blend(gfx::PixelR(p), std::uint8_t(back >> 16), a),
                                           Blend(gfx::PixelG(p), std::uint8_t(back >> 8), a),
                                           Blend(gfx::PixelB(p), std::uint8_t(back), a), 255));
            }
        if (under) XDestroyImage(under);
    }
    // BGRA words are what a 24/32-bit TrueColor visual takes on little-endian machines.
    XImage* image = XCreateImage(d, visual, unsigned(FDepth), ZPixmap, 0,
                                 reinterpret_cast<char*>(picture.Data()), unsigned(FWidth),
                                 unsigned(FHeight), 32, picture.Stride() * 4);
    if (!image) return;
    XPutImage(d, FWindow, static_cast<GC>(FGc), image, 0, 0, 0, 0, unsigned(FWidth),
              unsigned(FHeight));
    image->data = nullptr; // the pixels belong to the picture
    XDestroyImage(image);
    XFlush(d);
}

void X11TrayIcon::Mouse(void* raw) {
    XEvent& e = *static_cast<XEvent*>(raw);
    // What the icon's owner asks of the pointer (GetCursorPos) is where this happened.
    if (e.type == MotionNotify) {
        WindowSystem::Instance().FCursorPos = POINT{ e.xmotion.x_root, e.xmotion.y_root };
        // The tip waits for the pointer to rest.
        if (!FTip.empty() && !FTipWaitingToHide)
            StartTip(Application ? Application->HintPause() : 500, false);
        PostCallback(WM_MOUSEMOVE);
        return;
    }
    const XButtonEvent& b = e.xbutton;
    if (b.button < 1 || b.button > 3) return;
    const POINT at{ b.x_root, b.y_root };
    WindowSystem::Instance().FCursorPos = at;
    const UINT down = b.button == 1   ? WM_LBUTTONDOWN
                      : b.button == 3 ? WM_RBUTTONDOWN
                                      : WM_MBUTTONDOWN;
    if (e.type == ButtonRelease) {
        PostCallback(down + 1);
        return;
    }
    HideTip();
    // Win32's double-click box is 4 pixels wide and high around the first press.
    const bool dbl = !FLastWasDouble && FLastButton == b.button &&
                     b.time - FLastPressTime <= GetDoubleClickTime() &&
                     std::abs(at.x - FLastPressAt.x) <= 2 && std::abs(at.y - FLastPressAt.y) <= 2;
    FLastButton = b.button;
    FLastPressTime = b.time;
    FLastPressAt = at;
    FLastWasDouble = dbl;
    PostCallback(dbl ? down + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : down);
}

void X11TrayIcon::PostCallback(UINT mouseMessage) {
    if (FCallbackMessage && FOwner)
        PostMessage(FOwner, FCallbackMessage, FId, LPARAM(mouseMessage));
}

void X11TrayIcon::StartTip(unsigned ms, bool showing) {
    if (!FTipTimer) {
        FTipTimer = std::make_unique<TTimer>(nullptr);
        FTipTimer->SetOnTimer([this](TObject*) { TipTimerFired(); });
    }
    FTipWaitingToHide = showing;
    FTipTimer->SetEnabled(false);
    FTipTimer->SetInterval(std::max(ms, 1u));
    FTipTimer->SetEnabled(true);
}

void X11TrayIcon::TipTimerFired() {
    FTipTimer->SetEnabled(false);
    if (FTipWaitingToHide || FTip.empty() || !FWindow) {
        HideTip();
        return;
    }
    if (!FTipWindow) FTipWindow = std::make_unique<THintWindow>(nullptr);
    POINT cursor;
    GetCursorPos(&cursor);
    const TRect size = FTipWindow->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), FTip);
    // Below the pointer, clear of the cursor, and inside the work area: a tray lies at an
    // edge of the screen, so the tip turns up or left there.
    int left = cursor.x, top = cursor.y + CursorHeightBelowHotSpot(GetCursor());
    MONITORINFO monitor;
    if (GetMonitorInfo(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (top + size.Height() > work.bottom) top = cursor.y - size.Height();
        left = std::clamp(left, int(work.left),
                          std::max(int(work.left), int(work.right) - size.Width()));
        top = std::max(top, int(work.top));
    }
    FTipWindow->ActivateHint(TRect(left, top, left + size.Width(), top + size.Height()), FTip);
    StartTip(Application ? Application->HintHidePause() : 2500, true);
}

void X11TrayIcon::HideTip() {
    if (FTipTimer) FTipTimer->SetEnabled(false);
    FTipWaitingToHide = false;
    if (FTipWindow) FTipWindow->ReleaseHint();
}

} // namespace win
