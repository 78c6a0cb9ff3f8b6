#pragma once
#include "platform/win/Backend.h"
#include "platform/win/Input.h"
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace win {

// The display for tests and CI: native windows are records, the screen is what was presented,
// the clock moves only when told, and input is injected in screen coordinates.
class HeadlessBackend : public Backend {
public:
    // What the display holds for one native window.
    struct NativeWindow {
        RECT FBounds;
        bool FVisible{ false };
        bool FIconic{ false };
        bool FInputTransparent{ false };
        bool FPopup{ false };
        PopupKind FPopupKind{ PopupKind::Menu };
        bool FTopmost{ false };
        HWND FOwner{};
        std::string FTitle;
        BYTE FAlpha{ 255 };
        bool FPerPixelAlpha{ false };
        std::optional<gfx::Region> FShape;
        // The size limits last given for a window manager; unset until given.
        std::optional<SIZE> FMinSize;
        std::optional<SIZE> FMaxSize;
        gfx::Surface FPresented; // the window's pixels as last presented
        int FPresentCount{ 0 };
    };

    // A native window inside a top-level one.
    struct NativeChild {
        unsigned long FId{ 0 };
        HWND FTop{};
        RECT FBounds; // in the top-level window
        bool FVisible{ false };
        int FClearCount{ 0 }; // how often its contents were wiped
    };

    // One 1280x1024 monitor whose work area leaves 40 rows for a panel at the bottom.
    HeadlessBackend();
    explicit HeadlessBackend(std::vector<MonitorArea> monitors);

    FakeClock& Time() { return FClock; }
    void SetCompositor(bool present) { FCompositor = present; }
    // Replaces the monitors and tells the windows (WM_DISPLAYCHANGE).
    void SetMonitors(std::vector<MonitorArea> monitors);
    // A panel came or went: the monitor's work area changes and the windows hear of it
    // (WM_SETTINGCHANGE with SPI_SETWORKAREA).
    void SetWorkArea(std::size_t monitor, const RECT& workArea);
    // Whether a window manager runs (it does unless told otherwise): without one a minimized
    // window is only taken off the screen, never iconified.
    void SetWindowManager(WindowManagerSupport support) { FWindowManager = support; }

    // Input, queued for the GUI thread like the display's events.
    void MoveMouse(int x, int y);
    void PressButton(MouseButton button = MouseButton::Left);
    void ReleaseButton(MouseButton button = MouseButton::Left);
    void Click(int x, int y, MouseButton button = MouseButton::Left);
    void Wheel(int delta);
    void PressKey(UINT vk, std::string text = {});
    void ReleaseKey(UINT vk);
    void TypeKey(UINT vk, std::string text = {});

    const NativeWindow* Native(HWND hwnd) const;
    const NativeChild* Child(HWND hwnd) const;
    std::vector<HWND> Stack() const { return FStack; }
    HWND PointerGrab() const { return FGrab; }
    HWND MenuGrab() const { return FMenuGrab; }
    HWND LastActivated() const { return FActivated; }
    UINT_PTR Cursor() const { return FCursor; }
    // The presented windows composed bottom to top over a black desktop.
    gfx::Surface ComposeScreen() const;
    static bool SavePng(const gfx::Surface& pixels, const std::string& path);

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
    void GrabPointer(HWND hwnd) override { FGrab = hwnd; }
    void GrabPointerForMenu(HWND hwnd) override { FMenuGrab = hwnd; }
    void ActivateNative(HWND hwnd) override { FActivated = hwnd; }
    void SetNativeCursor(UINT_PTR cursorId) override { FCursor = cursorId; }
    void Present(HWND hwnd, const gfx::Surface& buffer, const RECT& dirty) override;
    void SetNativeShape(HWND hwnd, const gfx::Region* shape) override;
    void SetNativeOpacity(HWND hwnd, BYTE alpha, bool perPixel) override;
    void SetNativeInputTransparent(HWND hwnd, bool transparent) override;
    bool HasCompositor() const override { return FCompositor; }
    std::vector<MonitorArea> Monitors() const override { return FMonitors; }
    WindowManagerSupport WindowManager() const override { return FWindowManager; }
    unsigned long CreateNativeChild(HWND hwnd, HWND top, const RECT& bounds) override;
    void PlaceNativeChild(HWND hwnd, const RECT& bounds, bool visible) override;
    void DestroyNativeChild(HWND hwnd) override { FChildren.erase(hwnd); }
    void ClearNativeChild(HWND hwnd) override;
    void SetClipboardText(const std::string& text) override { FClipboard = text; }
    std::string ClipboardText() override { return FClipboard; }

private:
    void Notify();

    FakeClock FClock;
    std::mutex FMutex;
    std::condition_variable FCondition;
    bool FWoken{ false };
    std::vector<MonitorArea> FMonitors;
    bool FCompositor{ true };
    WindowManagerSupport FWindowManager{ true, true };
    std::map<HWND, NativeWindow> FWindows;
    std::vector<HWND> FStack;
    HWND FGrab{};
    HWND FMenuGrab{};
    HWND FActivated{};
    UINT_PTR FCursor{ 0 };
    POINT FPointer;
    std::string FClipboard;
    std::map<HWND, NativeChild> FChildren;
    unsigned long FNextChildId{ 0x400001 };
};

} // namespace win
