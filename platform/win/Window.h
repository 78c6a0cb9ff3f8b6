#pragma once
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace win {

// A registered window class as windows share it.
struct WindowClassData {
    std::string FName;
    ATOM FAtom{ 0 };
    WNDCLASSEX FInfo;
    std::atomic<int> FWindowCount{ 0 };
};

// One handle-level subclass. An entry removed while one of its calls is still on the stack
// stays in the chain, skipped, until that call returns, so DefSubclassProc from inside it
// still finds the rest of the chain.
struct SubclassEntry {
    UINT_PTR FId{ 0 };
    SUBCLASSPROC FProc;
    int FInUse{ 0 };
    bool FRemoved{ false };
};

// The object behind a window handle. Only the window's own thread changes it; other threads
// only read FThread (fixed at creation) to route messages.
struct Window {
    HWND FHandle{};
    std::shared_ptr<WindowClassData> FClass;
    std::thread::id FThread;
    DWORD FThreadTid{ 0 }; // the kernel's id of that thread (GetCurrentThreadId)
    DWORD FStyle{ 0 };
    DWORD FExStyle{ 0 };
    HWND FParent{}; // the desktop window for top-level windows
    HWND FOwner{};
    bool FMessageOnly{ false };
    bool FDesktop{ false };
    std::vector<HWND> FChildren; // z-order, top first
    RECT FRect;                  // relative to the parent's client area (screen for top-level)
    RECT FClient;                // relative to the window's own top-left corner
    RECT FNormalRect;            // the restored bounds while minimized or maximized
    WNDPROC FProc{ nullptr };
    std::vector<std::shared_ptr<SubclassEntry>> FSubclasses; // last installed first
    LONG_PTR FUserData{ 0 };
    LONG_PTR FId{ 0 };
    HINSTANCE FInstance{};
    std::string FText;
    std::map<std::string, void*> FProps;
    // The window region (SetWindowRgn), in window coordinates: outside it the window is neither
    // drawn nor hit.
    std::optional<gfx::Region> FRegion;
    // What needs painting: the client part of the update region (client coordinates), and
    // whether the frame and the background are still to be drawn.
    gfx::Region FUpdate;
    bool FNcPending{ false };
    bool FErasePending{ false };
    bool FEraseFailed{ false };
    // Top-level windows: the 32-bit back buffer of frame and client, what of it awaits
    // presenting, and how it is composed on screen (WS_EX_LAYERED).
    gfx::Surface FBuffer;
    RECT FDirty;
    BYTE FAlpha{ 255 };
    bool FPerPixelAlpha{ false };
    // Its pixels come from UpdateLayeredWindow alone: what paints draw reaches no screen.
    bool FUpdatedLayered{ false };
    COLORREF FColorKey{ 0 };
    DWORD FLayeredFlags{ 0 };
    bool FDestroying{ false };
    bool FNative{ false };
    PopupKind FPopupKind{ PopupKind::Menu };
    bool FSizeSent{ false };
};

} // namespace win
