#pragma once
#include "platform/win/Backend.h"
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct _XDisplay;

namespace win {

// The display on an X server: every top-level window is an undecorated X window of exactly its
// outer bounds (the program draws the whole frame), popups are override-redirect, back buffers
// are put to the screen with XPutImage, window regions become XShape bounding shapes, and
// opacity is _NET_WM_WINDOW_OPACITY, which only a compositing manager honours.
class X11Backend : public Backend {
public:
    // Connects to displayName (nullptr: $DISPLAY); throws Exception when that fails.
    explicit X11Backend(const char* displayName = nullptr);
    ~X11Backend() override;
    X11Backend(const X11Backend&) = delete;
    X11Backend& operator=(const X11Backend&) = delete;

    // The X window behind a native window, 0 when there is none.
    unsigned long XWindowOf(HWND hwnd) const;
    _XDisplay* XDisplay() const { return FDisplay; }

    // X windows of the program that are not the core's (the tray icon) see every event first;
    // a handler that returns true has taken it. The event is an XEvent*.
    using ForeignEventHandler = std::function<bool(void* event)>;
    int AddForeignEventHandler(ForeignEventHandler handler);
    void RemoveForeignEventHandler(int token);

    Clock& GetClock() override { return FClock; }
    void WaitEvents(std::uint64_t deadlineMs) override;
    void Wake() override;
    void CreateNative(HWND hwnd, const NativeWindowParams& params) override;
    void DestroyNative(HWND hwnd) override;
    void SetNativeBounds(HWND hwnd, const RECT& bounds) override;
    void ShowNative(HWND hwnd, bool visible) override;
    void MinimizeNative(HWND hwnd) override;
    void SetNativeSizeLimits(HWND hwnd, SIZE minSize, SIZE maxSize) override;
    void SetNativeTitle(HWND hwnd, const std::string& title) override;
    void RestackNative(const std::vector<HWND>& topFirst) override;
    void SetNativeTopmost(HWND hwnd, bool topmost) override;
    void SetNativePopupKind(HWND hwnd, PopupKind kind) override;
    void SetNativeStackAnchor(HWND hwnd, HWND anchor) override;
    void GrabPointer(HWND hwnd) override;
    void GrabPointerForMenu(HWND hwnd) override;
    void ActivateNative(HWND hwnd) override;
    void SetNativeCursor(UINT_PTR cursorId) override;
    void Present(HWND hwnd, const gfx::Surface& buffer, const RECT& dirty) override;
    void SetNativeShape(HWND hwnd, const gfx::Region* shape) override;
    void SetNativeOpacity(HWND hwnd, BYTE alpha, bool perPixel) override;
    void SetNativeInputTransparent(HWND hwnd, bool transparent) override;
    bool HasCompositor() const override { return FCompositor; }
    std::vector<MonitorArea> Monitors() const override;
    WindowManagerSupport WindowManager() const override { return FWindowManager; }
    unsigned long CreateNativeChild(HWND hwnd, HWND top, const RECT& bounds) override;
    void PlaceNativeChild(HWND hwnd, const RECT& bounds, bool visible) override;
    void DestroyNativeChild(HWND hwnd) override;
    void ClearNativeChild(HWND hwnd) override;
    void SetClipboardText(const std::string& text) override;
    // Asks the owning program and waits up to a second for its answer.
    std::string ClipboardText() override;
    void Beep() override;

private:
    struct Native {
        unsigned long FWindow{ 0 };
        RECT FBounds;
        bool FMapped{ false };
        // Not mapped since creation or since the program hid it (not merely iconified): the
        // window manager holds none of its state then, and the program writes it.
        bool FWithdrawn{ true };
        // Mapped from withdrawn and not yet viewable: pixels put now would be lost, and the
        // server's first expose asks for the whole window anyway.
        bool FAwaitingExpose{ false };
        bool FPopup{ false };
        bool FTopmost{ false };
        void* FInputContext{ nullptr }; // the input method's context (XIC) for typed text
        std::vector<RECT> FRequested;   // moves asked of the server, not yet confirmed
        // Whether the window is the root's child as of the events read so far (a window
        // manager reparents it into a frame).
        bool FChildOfRoot{ true };
        // The requests that last mapped and iconified the window: events older than the
        // program's own last word about the window are stale.
        unsigned long FMapSerial{ 0 };
        unsigned long FIconifySerial{ 0 };
        // The size limits for a window manager; none given yet: no limits.
        bool FHasSizeLimits{ false };
        SIZE FMinSize;
        SIZE FMaxSize;
        // Layers: a window with an alpha channel (32-bit visual) that the compositor blends.
        PopupKind FKind{ PopupKind::Menu };
        bool FArgb{ false };
        bool FShown{ false }; // the program shows it (a layer maps only while composed)
        HWND FStackAnchor{};  // a layer sits directly above this window's frame
        bool FInputTransparent{ false };
        BYTE FOpacity{ 255 };
        std::vector<RECT> FShape; // the bounding shape's rectangles; empty: none
        bool FHasShape{ false };
    };
    struct Atoms;

    // Turns the X events waiting into input and window changes; true when any was handled.
    bool DrainEvents();
    void HandleEvent(void* event);
    void HandleKey(void* event, HWND hwnd);
    HWND HandleOf(unsigned long window) const;
    // The monitors and their work areas: the desktop's work area (_NET_WORKAREA of the current
    // desktop) cuts every monitor's; without one a monitor's work area is the monitor.
    void ReadMonitors();
    // Whether a window manager runs (_NET_SUPPORTING_WM_CHECK names a live window that names
    // itself) and what it supports (_NET_SUPPORTED).
    void ReadWindowManager();
    void HandleRootProperty(unsigned long atom);
    // WM_NORMAL_HINTS: the position and size asked at creation, and the size limits.
    void WriteNormalHints(const Native& native);
    // A CARDINAL or WINDOW list property of a window; empty when it is missing.
    std::vector<long> ReadLongs(unsigned long window, unsigned long property, unsigned long type,
                                long maxItems) const;
    void AnswerSelectionRequest(void* event);
    void WriteAboveState(const Native& native);
    // _NET_WM_WINDOW_TYPE: normal, or the kind of popup.
    void WriteWindowType(unsigned long window, bool popup, PopupKind kind);
    // The window's stored shape, input shape and opacity, written to its X window.
    void WriteShape(const Native& native);
    void WriteInputShape(const Native& native);
    void WriteOpacity(const Native& native);

    // Layers (X11BackendLayers.cpp): windows with per-pixel alpha, shown only while a
    // compositing manager owns the screen's _NET_WM_CM_S<n> selection.
    void InitLayers();
    void FreeLayers();
    // The X window with its attributes; argb: the 32-bit visual with its own colormap.
    unsigned long CreateXWindow(const RECT& bounds, bool popup, bool argb);
    bool WantsArgb(const Native& native) const;
    // Gives a layer the visual it needs now, making its X window anew (same state) if needed.
    void MatchLayerVisual(HWND hwnd);
    // Maps or unmaps a layer as the program shows it and a compositor composes it.
    void ApplyLayerMapping(Native& native);
    // The compositor came or went: the answer of HasCompositor follows, and the layers too.
    bool HandleLayerEvent(void* event);
    // Restacks the layers anchored to anchor directly above its top-level ancestor.
    void RestackLayers(HWND anchor);
    void RestackAllLayers();
    // The ancestor of window that is a child of the root (the window manager's frame).
    unsigned long TopLevelAncestor(unsigned long window) const;
    void* GcFor(const Native& native) const;

    SteadyClock FClock;
    _XDisplay* FDisplay{ nullptr };
    int FScreen{ 0 };
    unsigned long FRoot{ 0 };
    void* FGc{ nullptr };
    int FWakeFd{ -1 };
    bool FCompositor{ false };
    unsigned long FCompositorSelection{ 0 };
    int FFixesEvent{ -1 };
    void* FArgbVisual{ nullptr };
    unsigned long FArgbColormap{ 0 };
    void* FArgbGc{ nullptr };
    // Window managers' frames around anchors, watched for restacking: frame → anchor.
    std::map<unsigned long, HWND> FWatchedFrames;
    bool FShape{ false };
    int FRandrEvent{ -1 };
    void* FInputMethod{ nullptr }; // XIM; without one keys are looked up directly
    HWND FCaptureGrab{};
    HWND FMenuGrab{};
    std::unique_ptr<Atoms> FAtoms;
    std::map<HWND, Native> FNatives;
    std::map<HWND, unsigned long> FChildren;
    std::map<UINT_PTR, unsigned long> FCursors;
    unsigned long FCurrentCursor{ 0 };
    std::vector<MonitorArea> FMonitors;
    WindowManagerSupport FWindowManager;
    // An unmapped window that owns the clipboard selection while we hold its text.
    unsigned long FSelectionWindow{ 0 };
    std::string FClipboard;
    std::map<int, ForeignEventHandler> FForeignHandlers;
    int FNextForeignHandler{ 1 };
};

} // namespace win
