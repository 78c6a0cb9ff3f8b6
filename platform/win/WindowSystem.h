#pragma once
#include "platform/win/HandleTable.h"
#include "platform/win/Window.h"
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace win {

// The process-wide state of the window system: the window handle table, the class registry,
// and the input state (focus, capture, active window) that Win32 keeps per input queue. The
// program has one GUI thread, so one input state serves it.
class WindowSystem {
public:
    static WindowSystem& Instance();

    std::shared_ptr<Window> Find(HWND hwnd) const;
    HWND Add(std::shared_ptr<Window> window);
    void Remove(HWND hwnd);
    std::vector<std::shared_ptr<Window>> AllWindows() const;

    HWND Desktop() const { return FDesktop; }
    // Parent of message-only windows: they are in no z-order and never on screen.
    HWND MessageRoot() const { return FMessageRoot; }

    std::shared_ptr<WindowClassData> FindClass(const std::string& name) const;
    ATOM AddClass(std::shared_ptr<WindowClassData> cls);
    bool RemoveClass(const std::string& name);

    HWND FFocus{};
    HWND FCapture{};
    HWND FActive{};
    HWND FForeground{};
    HWND FMenuOwner{};
    POINT FCursorPos;

    // Called for every message that reaches a window procedure (the message spy).
    using MessageHook = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
    int AddHook(MessageHook hook);
    void RemoveHook(int id);
    void RunHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    WindowSystem();

    HandleTable<Window> FWindows;
    HWND FDesktop{};
    HWND FMessageRoot{};
    mutable std::mutex FClassMutex;
    std::vector<std::shared_ptr<WindowClassData>> FClasses;
    ATOM FNextAtom{ 0xC000 };
    mutable std::mutex FHookMutex;
    std::vector<std::pair<int, MessageHook>> FHooks;
    int FNextHook{ 1 };
};

// Case-insensitive (ASCII) comparison of class names.
bool SameClassName(const std::string& a, const std::string& b);

} // namespace win
