#include "platform/win/WindowSystem.h"
#include "platform/win/WindowStyles.h"
#include <algorithm>
#include <cctype>

namespace win {

WindowSystem& WindowSystem::Instance() {
    static WindowSystem instance;
    return instance;
}

WindowSystem::WindowSystem() {
    auto desktop = std::make_shared<Window>();
    desktop->FDesktop = true;
    desktop->FStyle = WS_VISIBLE;
    FDesktop = HandleFromValue(FWindows.Add(desktop));
    desktop->FHandle = FDesktop;
    auto root = std::make_shared<Window>();
    root->FDesktop = true;
    root->FMessageOnly = true;
    FMessageRoot = HandleFromValue(FWindows.Add(root));
    root->FHandle = FMessageRoot;
}

std::shared_ptr<Window> WindowSystem::Find(HWND hwnd) const {
    return FWindows.Get(HandleValue(hwnd));
}

HWND WindowSystem::Add(std::shared_ptr<Window> window) {
    Window* w = window.get();
    w->FHandle = HandleFromValue(FWindows.Add(std::move(window)));
    return w->FHandle;
}

void WindowSystem::Remove(HWND hwnd) {
    FWindows.Remove(HandleValue(hwnd));
}

std::vector<std::shared_ptr<Window>> WindowSystem::AllWindows() const {
    std::vector<std::shared_ptr<Window>> all = FWindows.All();
    std::erase_if(all, [](const auto& w) { return w->FDesktop; });
    return all;
}

bool SameClassName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

std::shared_ptr<WindowClassData> WindowSystem::FindClass(const std::string& name) const {
    std::lock_guard lock(FClassMutex);
    for (const auto& c : FClasses)
        if (SameClassName(c->FName, name)) return c;
    return nullptr;
}

ATOM WindowSystem::AddClass(std::shared_ptr<WindowClassData> cls) {
    std::lock_guard lock(FClassMutex);
    for (const auto& c : FClasses)
        if (SameClassName(c->FName, cls->FName)) return 0;
    cls->FAtom = FNextAtom++;
    FClasses.push_back(cls);
    return cls->FAtom;
}

bool WindowSystem::RemoveClass(const std::string& name) {
    std::lock_guard lock(FClassMutex);
    auto it = std::find_if(FClasses.begin(), FClasses.end(),
                           [&](const auto& c) { return SameClassName(c->FName, name); });
    if (it == FClasses.end() || (*it)->FWindowCount > 0) return false;
    FClasses.erase(it);
    return true;
}

int WindowSystem::AddHook(MessageHook hook) {
    std::lock_guard lock(FHookMutex);
    FHooks.emplace_back(FNextHook, std::move(hook));
    return FNextHook++;
}

void WindowSystem::RemoveHook(int id) {
    std::lock_guard lock(FHookMutex);
    std::erase_if(FHooks, [id](const auto& h) { return h.first == id; });
}

void WindowSystem::RunHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const {
    std::vector<MessageHook> hooks;
    {
        std::lock_guard lock(FHookMutex);
        if (FHooks.empty()) return;
        for (const auto& h : FHooks)
            hooks.push_back(h.second);
    }
    for (const auto& h : hooks)
        h(hwnd, msg, wParam, lParam);
}

} // namespace win
