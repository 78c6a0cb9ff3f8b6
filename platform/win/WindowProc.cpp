#include "platform/win/WindowProc.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>
#include <vector>

namespace win {

namespace {

// The subclass entries currently running on this thread, innermost last, so DefSubclassProc
// knows where in its window's chain it was called from.
struct Frame {
    HWND FHwnd;
    SubclassEntry* FEntry;
};
thread_local std::vector<Frame> tFrames;

LRESULT CallBase(const std::shared_ptr<Window>& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (w->FProc) return w->FProc(w->FHandle, msg, wParam, lParam);
    return DefWindowProc(w->FHandle, msg, wParam, lParam);
}

LRESULT CallFrom(const std::shared_ptr<Window>& w, std::size_t start, UINT msg, WPARAM wParam,
                 LPARAM lParam) {
    std::shared_ptr<SubclassEntry> entry;
    for (std::size_t i = start; i < w->FSubclasses.size(); ++i) {
        if (!w->FSubclasses[i]->FRemoved) {
            entry = w->FSubclasses[i];
            break;
        }
    }
    if (!entry) return CallBase(w, msg, wParam, lParam);

    struct Guard {
        const std::shared_ptr<Window>& FWindow;
        const std::shared_ptr<SubclassEntry>& FEntry;
        ~Guard() {
            tFrames.pop_back();
            if (--FEntry->FInUse == 0 && FEntry->FRemoved) std::erase(FWindow->FSubclasses, FEntry);
        }
    };
    ++entry->FInUse;
    tFrames.push_back(Frame{ w->FHandle, entry.get() });
    Guard guard{ w, entry };
    return entry->FProc(w->FHandle, msg, wParam, lParam);
}

} // namespace

LRESULT CallProcedure(const std::shared_ptr<Window>& window, UINT msg, WPARAM wParam,
                      LPARAM lParam) {
    WindowSystem::Instance().RunHooks(window->FHandle, msg, wParam, lParam);
    return CallFrom(window, 0, msg, wParam, lParam);
}

LRESULT SendMessageOnThisThread(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || w->FDesktop) return 0;
    return CallProcedure(w, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC prev, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!prev) return 0;
    return prev(hwnd, msg, wParam, lParam);
}

BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w || w->FDesktop || !proc || w->FThread != std::this_thread::get_id()) return FALSE;
    for (const auto& e : w->FSubclasses) {
        if (e->FId == id && !e->FRemoved) {
            e->FProc = std::move(proc);
            return TRUE;
        }
    }
    auto entry = std::make_shared<SubclassEntry>();
    entry->FId = id;
    entry->FProc = std::move(proc);
    w->FSubclasses.insert(w->FSubclasses.begin(), std::move(entry));
    return TRUE;
}

BOOL RemoveWindowSubclass(HWND hwnd, UINT_PTR id) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w) return FALSE;
    for (auto it = w->FSubclasses.begin(); it != w->FSubclasses.end(); ++it) {
        if ((*it)->FId != id || (*it)->FRemoved) continue;
        if ((*it)->FInUse > 0)
            (*it)->FRemoved = true;
        else
            w->FSubclasses.erase(it);
        return TRUE;
    }
    return FALSE;
}

LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w) return 0;
    auto frame = std::find_if(tFrames.rbegin(), tFrames.rend(),
                              [&](const Frame& f) { return f.FHwnd == hwnd; });
    if (frame == tFrames.rend()) return CallBase(w, msg, wParam, lParam);
    auto pos = std::find_if(w->FSubclasses.begin(), w->FSubclasses.end(),
                            [&](const auto& e) { return e.get() == frame->FEntry; });
    if (pos == w->FSubclasses.end()) return CallBase(w, msg, wParam, lParam);
    return CallFrom(w, std::size_t(pos - w->FSubclasses.begin()) + 1, msg, wParam, lParam);
}

} // namespace win
