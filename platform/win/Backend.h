#pragma once
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Clock.h"
#include "platform/win/WinDefs.h"
#include "platform/win/WindowStyles.h"
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace win {

struct MonitorArea {
    RECT FBounds;
    RECT FWorkArea;
    bool FPrimary{ false };
};

// What the desktop's window manager offers, as far as the program asks: whether one runs, and
// whether it moves and sizes windows for their programs on request (_NET_WM_MOVERESIZE).
struct WindowManagerSupport {
    bool FPresent{ false };
    bool FMoveResize{ false };
    bool operator==(const WindowManagerSupport&) const = default;
};

struct NativeWindowParams {
    RECT FBounds;         // screen coordinates, frame included
    bool FPopup{ false }; // never focused, not managed (menus, hints, drop-downs)
    PopupKind FPopupKind{ PopupKind::Menu };
    HWND FOwner{};          // dialogs stay above their owner
    bool FTopmost{ false }; // above other programs' windows from the start (WS_EX_TOPMOST)
    std::string FTitle;
};

// What the window core needs from the display: native top-level windows, waiting for events and
// the clock. Everything else (hit testing, messages, painting order) lives in the core. Input
// arrives by the back end calling QueueInput from the thread that installed it.
class Backend {
public:
    static constexpr std::uint64_t kNoDeadline = std::numeric_limits<std::uint64_t>::max();

    virtual ~Backend() = default;

    virtual Clock& GetClock() = 0;
    // Blocks until native input arrived, Wake was called, or the clock reached deadlineMs.
    virtual void WaitEvents(std::uint64_t deadlineMs) = 0;
    // Callable from any thread.
    virtual void Wake() = 0;

    virtual void CreateNative(HWND hwnd, const NativeWindowParams& params) = 0;
    virtual void DestroyNative(HWND hwnd) = 0;
    virtual void SetNativeBounds(HWND hwnd, const RECT& bounds) = 0;
    virtual void ShowNative(HWND hwnd, bool visible) = 0;
    // Iconifies the window: it leaves the screen but stays in the desktop's task list, from where
    // the user can bring it back (ShowNative(true) does too). Without a window manager nothing
    // would answer an iconify request, so the window is only taken off the screen.
    virtual void MinimizeNative(HWND hwnd) = 0;
    // The smallest and largest size a window manager may give the window (its normal hints).
    virtual void SetNativeSizeLimits(HWND hwnd, SIZE minSize, SIZE maxSize) = 0;
    virtual void SetNativeTitle(HWND hwnd, const std::string& title) = 0;
    // Tells the display what the popup is; called before it is shown.
    virtual void SetNativePopupKind(HWND hwnd, PopupKind kind) = 0;
    // Keeps a layer popup directly above the native window anchor (nullptr: none) wherever the
    // desktop stacks anchor. Displays that stack only by the core's order ignore it.
    virtual void SetNativeStackAnchor(HWND, HWND) {}
    // Z-order of native windows, topmost first, after a change in the core's order.
    virtual void RestackNative(const std::vector<HWND>& topFirst) = 0;
    // Keeps the window above other programs' windows too (WS_EX_TOPMOST switched on or off):
    // restacking orders the program's own windows only.
    virtual void SetNativeTopmost(HWND hwnd, bool topmost) = 0;
    // Pointer grab for capture and the move/size loop; nullptr releases it.
    virtual void GrabPointer(HWND hwnd) = 0;
    // While a menu is open: presses anywhere on the screen are reported (to hwnd when they fall
    // outside the program's windows), so that a click elsewhere closes the menu. nullptr ends it.
    virtual void GrabPointerForMenu(HWND hwnd) = 0;
    // Asks the display to give the native window the input focus.
    virtual void ActivateNative(HWND hwnd) = 0;
    // The pointer shape, one of the IDC_* values.
    virtual void SetNativeCursor(UINT_PTR cursorId) = 0;

    // Shows part of a top-level window's back buffer (buffer coordinates).
    virtual void Present(HWND hwnd, const gfx::Surface& buffer, const RECT& dirty) = 0;
    // The window's shape in window coordinates; nullptr restores the rectangle.
    virtual void SetNativeShape(HWND hwnd, const gfx::Region* shape) = 0;
    // A window the pointer passes through (WS_EX_TRANSPARENT): the display gives its input to
    // whatever lies below.
    virtual void SetNativeInputTransparent(HWND hwnd, bool transparent) = 0;
    // Whole-window opacity (255 opaque), or the buffer's own premultiplied alpha per pixel.
    virtual void SetNativeOpacity(HWND hwnd, BYTE alpha, bool perPixel) = 0;
    // Whether translucent windows can be shown at all (a compositing manager runs).
    virtual bool HasCompositor() const = 0;

    virtual std::vector<MonitorArea> Monitors() const = 0;
    virtual WindowManagerSupport WindowManager() const = 0;

    // A native window inside a top-level one, for libraries that draw into a display window of
    // their own (SDL video). Bounds are in the top-level window's coordinates. Returns the
    // display's id of the window.
    virtual unsigned long CreateNativeChild(HWND hwnd, HWND top, const RECT& bounds) = 0;
    virtual void PlaceNativeChild(HWND hwnd, const RECT& bounds, bool visible) = 0;
    virtual void DestroyNativeChild(HWND hwnd) = 0;
    // Fills the native window with its background, wiping what the library drew there.
    virtual void ClearNativeChild(HWND hwnd) = 0;

    // The desktop's clipboard, text only (UTF-8).
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;

    // The display's warning sound (a refused key).
    virtual void Beep() = 0;
};

// Installs the back end used by the calling thread's event loop; that thread becomes the GUI
// thread whose queue receives input. Replacing it (tests) requires that no windows exist.
void InstallBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();
bool HasBackend();

} // namespace win
