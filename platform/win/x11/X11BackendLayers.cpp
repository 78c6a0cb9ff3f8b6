// Layers on the X server: popups that show a picture with alpha per pixel (glows, a soft border
// around a form). X composes nothing by itself: a compositing manager, the owner of the screen's
// _NET_WM_CM_S<n> selection, blends windows of a 32-bit visual by their alpha. While one runs a
// layer gets that visual and shows its premultiplied buffer as it is; while none runs the
// program is told so (HasCompositor) and a layer stays off the screen, where it would be a black
// box.
#include "platform/win/Painting.h"
#include "platform/win/x11/X11Backend.h"
#include <algorithm>
#include <string>
// Xlib's macros (None, Bool, Status ...) come last so that no header before them sees them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

namespace win {

namespace {

Display* D(_XDisplay* d) {
    return d;
}

} // namespace

void X11Backend::InitLayers() {
    const std::string name = "_NET_WM_CM_S" + std::to_string(FScreen);
    FCompositorSelection = XInternAtom(D(FDisplay), name.c_str(), False);
    XVisualInfo info{};
    if (XMatchVisualInfo(D(FDisplay), FScreen, 32, TrueColor, &info)) FArgbVisual = info.visual;
    // The selection's owner changes when a compositor starts or stops: XFixes tells.
    int fixesError = 0, major = 5, minor = 0;
    if (XFixesQueryExtension(D(FDisplay), &FFixesEvent, &fixesError) &&
        XFixesQueryVersion(D(FDisplay), &major, &minor))
        XFixesSelectSelectionInput(D(FDisplay), FRoot, FCompositorSelection,
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    else
        FFixesEvent = -1;
    FCompositor = XGetSelectionOwner(D(FDisplay), FCompositorSelection) != None;
}

void X11Backend::FreeLayers() {
    if (FArgbGc) XFreeGC(D(FDisplay), static_cast<GC>(FArgbGc));
    if (FArgbColormap) XFreeColormap(D(FDisplay), FArgbColormap);
    FArgbGc = nullptr;
    FArgbColormap = 0;
}

bool X11Backend::WantsArgb(const Native& native) const {
    return native.FPopup && native.FKind == PopupKind::Layer && FCompositor && FArgbVisual;
}

unsigned long X11Backend::CreateXWindow(const RECT& bounds, bool popup, bool argb) {
    XSetWindowAttributes attributes{};
    attributes.event_mask = ExposureMask | StructureNotifyMask | ButtonPressMask |
                            ButtonReleaseMask | PointerMotionMask | KeyPressMask | KeyReleaseMask |
                            FocusChangeMask | LeaveWindowMask;
    attributes.override_redirect = popup ? True : False;
    attributes.background_pixmap = None; // the buffer is put at once: no flash of a background
    attributes.bit_gravity = NorthWestGravity;
    unsigned long mask = CWEventMask | CWOverrideRedirect | CWBackPixmap | CWBitGravity;
    Visual* visual = CopyFromParent;
    int depth = CopyFromParent;
    if (argb) {
        // A visual other than the root's needs a colormap and a border pixel of its own.
        if (!FArgbColormap)
            FArgbColormap =
                XCreateColormap(D(FDisplay), FRoot, static_cast<Visual*>(FArgbVisual), AllocNone);
        visual = static_cast<Visual*>(FArgbVisual);
        depth = 32;
        attributes.colormap = FArgbColormap;
        attributes.border_pixel = 0;
        mask |= CWColormap | CWBorderPixel;
    }
    const int width = std::max<int>(1, bounds.right - bounds.left);
    const int height = std::max<int>(1, bounds.bottom - bounds.top);
    const ::Window window =
        XCreateWindow(D(FDisplay), FRoot, bounds.left, bounds.top, unsigned(width),
                      unsigned(height), 0, depth, InputOutput, visual, mask, &attributes);
    if (argb && !FArgbGc) FArgbGc = XCreateGC(D(FDisplay), window, 0, nullptr);
    return window;
}

void* X11Backend::GcFor(const Native& native) const {
    return native.FArgb ? FArgbGc : FGc;
}

void X11Backend::MatchLayerVisual(HWND hwnd) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end()) return;
    const Native old = it->second;
    // A layer with no compositor keeps its visual: it stays off the screen until one comes.
    const bool remake =
        (WantsArgb(old) && !old.FArgb) || (old.FArgb && old.FKind != PopupKind::Layer);
    if (!remake) return;
    // A window's visual is fixed when it is made: the X window is made anew with the state the
    // program gave it.
    if (old.FInputContext) XDestroyIC(static_cast<XIC>(old.FInputContext));
    XDestroyWindow(D(FDisplay), old.FWindow);
    FNatives.erase(it);
    NativeWindowParams params;
    params.FBounds = old.FBounds;
    params.FPopup = old.FPopup;
    params.FPopupKind = old.FKind;
    params.FTopmost = old.FTopmost;
    CreateNative(hwnd, params);
    Native& fresh = FNatives[hwnd];
    fresh.FStackAnchor = old.FStackAnchor;
    fresh.FInputTransparent = old.FInputTransparent;
    fresh.FOpacity = old.FOpacity;
    fresh.FShape = old.FShape;
    fresh.FHasShape = old.FHasShape;
    WriteShape(fresh);
    WriteInputShape(fresh);
    WriteOpacity(fresh);
    if (old.FMapped) {
        fresh.FShown = true;
        if (fresh.FKind == PopupKind::Layer) {
            ApplyLayerMapping(fresh);
        } else {
            XMapRaised(D(FDisplay), fresh.FWindow);
            fresh.FMapped = true;
            fresh.FWithdrawn = false;
        }
    } else {
        fresh.FShown = old.FShown;
        if (fresh.FKind == PopupKind::Layer) ApplyLayerMapping(fresh);
    }
    if (const gfx::Surface* buffer = WindowBackBuffer(hwnd))
        Present(hwnd, *buffer, RECT{ 0, 0, buffer->Width(), buffer->Height() });
}

void X11Backend::ApplyLayerMapping(Native& native) {
    const bool show = native.FShown && native.FArgb && FCompositor;
    if (show == native.FMapped) return;
    native.FMapped = show;
    native.FWithdrawn = !show;
    if (!show) {
        XUnmapWindow(D(FDisplay), native.FWindow);
        return;
    }
    native.FMapSerial = NextRequest(D(FDisplay));
    XMapRaised(D(FDisplay), native.FWindow);
    if (native.FStackAnchor) RestackLayers(native.FStackAnchor);
}

bool X11Backend::HandleLayerEvent(void* raw) {
    XEvent& e = *static_cast<XEvent*>(raw);
    if (FFixesEvent >= 0 && e.type == FFixesEvent + XFixesSelectionNotify) {
        const bool now = XGetSelectionOwner(D(FDisplay), FCompositorSelection) != None;
        if (now == FCompositor) return true;
        FCompositor = now;
        std::vector<HWND> layers;
        for (const auto& [hwnd, native] : FNatives)
            if (native.FKind == PopupKind::Layer) layers.push_back(hwnd);
        for (HWND hwnd : layers) {
            MatchLayerVisual(hwnd);
            if (auto it = FNatives.find(hwnd); it != FNatives.end()) ApplyLayerMapping(it->second);
        }
        XFlush(D(FDisplay));
        return true;
    }
    // A window manager's frame around an anchor: it moved in the stack (raised on activation,
    // lowered) or went away.
    if (auto watched = FWatchedFrames.find(e.xany.window); watched != FWatchedFrames.end()) {
        const HWND anchor = watched->second;
        if (e.type == DestroyNotify)
            FWatchedFrames.erase(watched);
        else if (e.type == ConfigureNotify || e.type == MapNotify)
            RestackLayers(anchor);
        return true;
    }
    if (e.type == ConfigureNotify || e.type == MapNotify || e.type == ReparentNotify ||
        e.type == FocusIn)
        if (const HWND hwnd = HandleOf(e.xany.window)) RestackLayers(hwnd);
    return false;
}

unsigned long X11Backend::TopLevelAncestor(unsigned long window) const {
    for (;;) {
        ::Window root = 0, parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(D(FDisplay), window, &root, &parent, &children, &count)) return window;
        if (children) XFree(children);
        if (!parent || parent == root) return window;
        window = parent;
    }
}

void X11Backend::SetNativeStackAnchor(HWND hwnd, HWND anchor) {
    auto it = FNatives.find(hwnd);
    if (it == FNatives.end() || !it->second.FPopup) return;
    it->second.FStackAnchor = anchor;
    if (anchor) RestackLayers(anchor);
    XFlush(D(FDisplay));
}

void X11Backend::RestackLayers(HWND anchor) {
    auto it = FNatives.find(anchor);
    if (it == FNatives.end()) return;
    bool any = false;
    for (const auto& [hwnd, native] : FNatives)
        any = any || (native.FStackAnchor == anchor && native.FMapped);
    if (!any) return;
    const unsigned long top = TopLevelAncestor(it->second.FWindow);
    // A managed anchor sits in a frame of the window manager's: its moves in the stack are
    // told to whoever listens on the frame.
    if (top != it->second.FWindow && !FWatchedFrames.contains(top)) {
        std::erase_if(FWatchedFrames,
                      [&](const auto& watched) { return watched.second == anchor; });
        FWatchedFrames[top] = anchor;
        XSelectInput(D(FDisplay), top, StructureNotifyMask);
    }
    XWindowChanges changes{};
    changes.sibling = top;
    changes.stack_mode = Above;
    for (const auto& [hwnd, native] : FNatives)
        if (native.FStackAnchor == anchor && native.FMapped)
            XConfigureWindow(D(FDisplay), native.FWindow, CWSibling | CWStackMode, &changes);
}

void X11Backend::RestackAllLayers() {
    std::vector<HWND> anchors;
    for (const auto& [hwnd, native] : FNatives)
        if (native.FStackAnchor && native.FMapped &&
            std::find(anchors.begin(), anchors.end(), native.FStackAnchor) == anchors.end())
            anchors.push_back(native.FStackAnchor);
    for (HWND anchor : anchors)
        RestackLayers(anchor);
}

} // namespace win
