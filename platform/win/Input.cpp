#include "platform/win/Input.h"
#include "platform/win/Activation.h"
#include "platform/win/Backend.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messaging.h"
#include "platform/win/QueueSources.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <array>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace win {

namespace {

struct RawInput {
    InputEvent FEvent;
    DWORD FTime{ 0 };
};

struct CookedInput {
    MSG FMsg;
    std::string FText;
};

struct LastPress {
    HWND FHwnd{};
    UINT FMessage{ 0 }; // the plain down message, client or frame
    int FHit{ 0 };
    DWORD FTime{ 0 };
    POINT FPoint;
    bool FWasDouble{ false };
};

// The input queue of the GUI thread. Raw events wait here until a message is asked for; they
// are then cooked (hit test, cursor, activation, double clicks) into messages for their target.
struct InputState {
    std::mutex FMutex;
    std::deque<RawInput> FRaw;
    std::deque<CookedInput> FCooked;
    std::array<std::uint8_t, 256> FKeys{};
    LastPress FLastPress;
    HWND FTracked{};
    bool FTrackedNonClient{ false };
    HWND FPointerHwnd{};
    bool FPointerClient{ false };
    bool FAltAlone{ false };
    bool FLoneAlt{ false };
    HCURSOR FCursor{};
};

InputState& State() {
    static InputState state;
    return state;
}

thread_local std::string tKeyText;
thread_local MSG tKeyMsg;

bool KeyDown(int vk) {
    return (State().FKeys[std::size_t(vk & 0xFF)] & 0x80) != 0;
}

WPARAM MouseKeyState() {
    WPARAM k = 0;
    if (KeyDown(VK_LBUTTON)) k |= MK_LBUTTON;
    if (KeyDown(VK_RBUTTON)) k |= MK_RBUTTON;
    if (KeyDown(VK_MBUTTON)) k |= MK_MBUTTON;
    if (KeyDown(VK_SHIFT)) k |= MK_SHIFT;
    if (KeyDown(VK_CONTROL)) k |= MK_CONTROL;
    return k;
}

bool ContainsPoint(const Window& w, POINT pt) {
    const RECT r = ScreenRect(w);
    if (!PtInRect(&r, pt)) return false;
    if (w.FRegion && !w.FRegion->Contains(pt.x - r.left, pt.y - r.top)) return false;
    if (w.FStyle & WS_CHILD) {
        auto parent = FindWindow(w.FParent);
        if (parent) {
            const POINT o = ClientOrigin(*parent);
            const RECT client{ o.x, o.y, o.x + parent->FClient.right - parent->FClient.left,
                               o.y + parent->FClient.bottom - parent->FClient.top };
            if (!PtInRect(&client, pt)) return false;
        }
    }
    return true;
}

void AddCandidates(const Window& w, POINT pt, std::vector<HWND>& out) {
    for (HWND h : w.FChildren) {
        auto c = FindWindow(h);
        if (!c || !(c->FStyle & WS_VISIBLE) || (c->FStyle & WS_DISABLED)) continue;
        if (ContainsPoint(*c, pt)) AddCandidates(*c, pt, out);
    }
    out.push_back(w.FHandle);
}

// Windows under a point in the order they are asked: the deepest child first, then the
// windows below it, then its parent.
std::vector<HWND> Candidates(POINT pt) {
    WindowSystem& ws = WindowSystem::Instance();
    std::vector<HWND> out;
    auto desktop = ws.Find(ws.Desktop());
    for (HWND h : desktop->FChildren) {
        auto top = FindWindow(h);
        if (!top || !(top->FStyle & WS_VISIBLE) || (top->FStyle & WS_MINIMIZE) ||
            (top->FExStyle & WS_EX_TRANSPARENT))
            continue;
        if (ContainsPoint(*top, pt)) AddCandidates(*top, pt, out);
    }
    return out;
}

HWND HitTarget(POINT pt, int* hit) {
    for (HWND h : Candidates(pt)) {
        auto w = FindWindow(h);
        if (!w) continue;
        if (w->FStyle & WS_DISABLED) {
            *hit = HTERROR;
            return h;
        }
        const LRESULT code = SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(UINT(pt.x), UINT(pt.y)));
        if (code == HTTRANSPARENT || !FindWindow(h)) continue;
        *hit = int(code);
        return h;
    }
    *hit = HTNOWHERE;
    return nullptr;
}

void Push(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const RawInput& raw,
          std::string text = {}) {
    MSG m{ hwnd, msg, wParam, lParam, raw.FTime, raw.FEvent.FPoint };
    std::lock_guard lock(State().FMutex);
    State().FCooked.push_back(CookedInput{ m, std::move(text) });
}

// Ends leave tracking when the pointer is no longer over the tracked window's tracked area.
void UpdateTracking(HWND target, bool client, const RawInput& raw) {
    InputState& s = State();
    s.FPointerHwnd = target;
    s.FPointerClient = client;
    if (!s.FTracked) return;
    const bool stillOver = s.FTracked == target && client == !s.FTrackedNonClient;
    if (stillOver) return;
    const HWND tracked = s.FTracked;
    const UINT msg = s.FTrackedNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
    s.FTracked = nullptr;
    if (FindWindow(tracked)) Push(tracked, msg, 0, 0, raw);
}

void NotifyParents(HWND child, UINT msg, POINT screen) {
    for (auto w = FindWindow(child);
         w && (w->FStyle & WS_CHILD) && !(w->FExStyle & WS_EX_NOPARENTNOTIFY);) {
        auto parent = FindWindow(w->FParent);
        if (!parent) break;
        POINT p = screen;
        ScreenToClient(parent->FHandle, &p);
        SendMessage(parent->FHandle, WM_PARENTNOTIFY, MAKEWPARAM(msg, 0),
                    MAKELPARAM(UINT(p.x), UINT(p.y)));
        w = FindWindow(parent->FHandle);
    }
}

UINT ButtonMessage(MouseButton b, bool down) {
    switch (b) {
    case MouseButton::Left:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::Right:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::Middle:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    }
    return WM_LBUTTONDOWN;
}

int ButtonKey(MouseButton b) {
    return b == MouseButton::Left ? VK_LBUTTON : b == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
}

// Frame messages sit 0x160 below their client counterparts (WM_NCMOUSEMOVE .. WM_NCMBUTTONDBLCLK).
constexpr UINT kFrameOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

bool IsDoubleClick(HWND target, UINT downMsg, int hit, const RawInput& raw) {
    const LastPress& last = State().FLastPress;
    if (last.FWasDouble || last.FHwnd != target || last.FMessage != downMsg || last.FHit != hit)
        return false;
    if (raw.FTime - last.FTime > GetDoubleClickTime()) return false;
    // Win32's double-click box is 4 pixels wide and high around the first press.
    return std::abs(raw.FEvent.FPoint.x - last.FPoint.x) <= 2 &&
           std::abs(raw.FEvent.FPoint.y - last.FPoint.y) <= 2;
}

void CookWheel(const RawInput& raw) {
    WindowSystem& ws = WindowSystem::Instance();
    HWND target = FindWindow(ws.FFocus) ? ws.FFocus : ws.FActive;
    if (!FindWindow(target)) return;
    Push(target, WM_MOUSEWHEEL, MAKEWPARAM(UINT(MouseKeyState()), UINT(raw.FEvent.FWheelDelta)),
         MAKELPARAM(UINT(raw.FEvent.FPoint.x), UINT(raw.FEvent.FPoint.y)), raw);
}

void CookMouse(const RawInput& raw) {
    WindowSystem& ws = WindowSystem::Instance();
    InputState& s = State();
    const InputEvent& e = raw.FEvent;
    ws.FCursorPos = e.FPoint;
    const bool down = e.FKind == InputKind::ButtonDown;
    const bool up = e.FKind == InputKind::ButtonUp;
    if (down) s.FKeys[ButtonKey(e.FButton)] |= 0x80;
    if (up) s.FKeys[ButtonKey(e.FButton)] &= 0x7F;
    if (e.FKind == InputKind::Wheel) return CookWheel(raw);
    const UINT baseMsg = (down || up) ? ButtonMessage(e.FButton, down) : WM_MOUSEMOVE;

    HWND target{};
    int hit = HTCLIENT;
    const HWND capture = FindWindow(ws.FCapture) ? ws.FCapture : nullptr;
    if (capture) {
        target = capture;
        auto w = FindWindow(capture);
        const POINT o = ClientOrigin(*w);
        const RECT client{ o.x, o.y, o.x + w->FClient.right - w->FClient.left,
                           o.y + w->FClient.bottom - w->FClient.top };
        UpdateTracking(PtInRect(&client, e.FPoint) ? capture : nullptr, true, raw);
    } else {
        target = HitTarget(e.FPoint, &hit);
        if (!target) {
            UpdateTracking(nullptr, false, raw);
            if (down)
                if (const HWND menuOwner = MenuModeOwner())
                    SendMessage(menuOwner, WM_CANCELMODE, 0, 0);
            return;
        }
        const HWND top = GetAncestor(target, GA_ROOT);
        if (hit == HTERROR || !IsWindowEnabled(top)) {
            SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                        MAKELPARAM(UINT(HTERROR) & 0xFFFF, baseMsg));
            return;
        }
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                    MAKELPARAM(UINT(hit) & 0xFFFF, baseMsg));
        if (!FindWindow(target)) return;
        UpdateTracking(target, hit == HTCLIENT, raw);
    }
    const bool client = capture || hit == HTCLIENT;

    UINT msg = client ? baseMsg : baseMsg - kFrameOffset;
    if (down) {
        const HWND top = GetAncestor(target, GA_ROOT);
        if (!capture && top != ws.FActive) {
            const LRESULT r = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                          MAKELPARAM(UINT(hit) & 0xFFFF, baseMsg));
            if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) ActivateByClick(top);
            if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT || !FindWindow(target)) return;
        }
        if (client) NotifyParents(target, baseMsg, e.FPoint);
        if (!FindWindow(target)) return;
        const bool classDbl = (GetClassLongPtr(target, GCL_STYLE) & CS_DBLCLKS) != 0;
        const bool dbl = IsDoubleClick(target, msg, hit, raw) && (!client || classDbl);
        s.FLastPress = LastPress{ target, msg, hit, raw.FTime, e.FPoint, dbl };
        if (dbl) msg += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    }
    if (client) {
        POINT p = e.FPoint;
        ScreenToClient(target, &p);
        Push(target, msg, MouseKeyState(), MAKELPARAM(UINT(p.x), UINT(p.y)), raw);
    } else {
        Push(target, msg, WPARAM(hit), MAKELPARAM(UINT(e.FPoint.x), UINT(e.FPoint.y)), raw);
    }
}

std::string DefaultKeyText(UINT vk) {
    switch (vk) {
    case VK_RETURN:
        return "\r";
    case VK_BACK:
        return "\b";
    case VK_TAB:
        return "\t";
    case VK_ESCAPE:
        return "\x1b";
    default:
        if (KeyDown(VK_CONTROL) && vk >= 'A' && vk <= 'Z')
            return std::string(1, char(vk - 'A' + 1));
        return {};
    }
}

void CookKey(const RawInput& raw) {
    WindowSystem& ws = WindowSystem::Instance();
    InputState& s = State();
    const InputEvent& e = raw.FEvent;
    const UINT vk = e.FVirtualKey & 0xFF;
    const bool down = e.FKind == InputKind::KeyDown;
    const bool wasDown = KeyDown(int(vk));
    if (down) {
        if (!wasDown && (vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL))
            s.FKeys[vk] ^= 0x01;
        s.FKeys[vk] |= 0x80;
        if (!wasDown) s.FAltAlone = vk == VK_MENU;
    } else {
        s.FKeys[vk] &= 0x7F;
        s.FLoneAlt = vk == VK_MENU && s.FAltAlone;
        s.FAltAlone = false;
    }
    const bool alt = KeyDown(VK_MENU) || (vk == VK_MENU && !down);
    const HWND focus = FindWindow(ws.FFocus) ? ws.FFocus : nullptr;
    const HWND target = focus ? focus : ws.FActive;
    if (!FindWindow(target)) return;
    // With Ctrl, Alt is AltGr typing a character, not a menu key.
    const bool sys = (alt && !KeyDown(VK_CONTROL)) || vk == VK_F10 || !focus;
    LPARAM lParam = 1 | (LPARAM(vk & 0xFF) << 16);
    if (alt) lParam |= LPARAM(1) << 29;
    if (wasDown) lParam |= LPARAM(1) << 30;
    if (!down) lParam |= (LPARAM(1) << 30) | (LPARAM(1u) << 31);
    const UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    Push(target, msg, vk, lParam, raw,
         down ? (e.FText.empty() ? DefaultKeyText(vk) : e.FText) : "");
}

void Cook(const RawInput& raw) {
    switch (raw.FEvent.FKind) {
    case InputKind::KeyDown:
    case InputKind::KeyUp:
        CookKey(raw);
        break;
    default:
        CookMouse(raw);
        break;
    }
}

// Decodes one UTF-8 sequence; malformed bytes come out as themselves so that nothing is lost.
unsigned NextCodePoint(const std::string& s, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    unsigned cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
    for (; extra > 0; --extra) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return c;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

} // namespace

void QueueInput(const InputEvent& event) {
    const DWORD time = HasBackend() ? DWORD(CurrentBackend().GetClock().NowMs()) : 0;
    {
        std::lock_guard lock(State().FMutex);
        State().FRaw.push_back(RawInput{ event, time });
    }
    if (HasBackend()) CurrentBackend().Wake();
}

bool HasPendingInput() {
    std::lock_guard lock(State().FMutex);
    return !State().FRaw.empty() || !State().FCooked.empty();
}

bool TakeInputMessage(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
    InputState& s = State();
    for (;;) {
        RawInput raw;
        {
            std::unique_lock lock(s.FMutex);
            for (auto it = s.FCooked.begin(); it != s.FCooked.end(); ++it) {
                if (!MessageMatches(it->FMsg, filter, first, last)) continue;
                *msg = it->FMsg;
                if (remove) {
                    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
                        tKeyText = it->FText;
                        tKeyMsg = *msg;
                    }
                    s.FCooked.erase(it);
                }
                return true;
            }
            if (s.FRaw.empty()) return false;
            raw = s.FRaw.front();
            s.FRaw.pop_front();
        }
        // Cooking sends messages (WM_NCHITTEST, WM_SETCURSOR ...), so it runs unlocked.
        Cook(raw);
    }
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    if (tKeyText.empty() || msg->hwnd != tKeyMsg.hwnd || msg->wParam != tKeyMsg.wParam ||
        msg->time != tKeyMsg.time)
        return FALSE;
    const std::string text = std::move(tKeyText);
    tKeyText.clear();
    const UINT charMsg = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    for (std::size_t i = 0; i < text.size();)
        PostMessage(msg->hwnd, charMsg, NextCodePoint(text, i), msg->lParam);
    return TRUE;
}

bool LastKeyWasLoneAlt() {
    return State().FLoneAlt;
}

short GetKeyState(int vk) {
    const std::uint8_t k = State().FKeys[std::size_t(vk & 0xFF)];
    return short(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int vk) {
    return short(GetKeyState(vk) & 0x8000);
}

BOOL GetCursorPos(POINT* pt) {
    if (!pt) return FALSE;
    *pt = WindowSystem::Instance().FCursorPos;
    return TRUE;
}

HCURSOR LoadCursor(HINSTANCE, UINT_PTR id) {
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR old = State().FCursor;
    State().FCursor = cursor;
    if (cursor != old && HasBackend())
        CurrentBackend().SetNativeCursor(reinterpret_cast<UINT_PTR>(cursor));
    return old;
}

HCURSOR GetCursor() {
    return State().FCursor;
}

int CursorHeightBelowHotSpot(HCURSOR cursor) {
    // Heights of the cursor shapes the back ends show, hot spot to lowest painted row.
    struct Shape {
        UINT_PTR id;
        int below;
    };
    static constexpr Shape kShapes[] = {
        { IDC_ARROW, 20 },       { IDC_IBEAM, 9 },    { IDC_WAIT, 8 },     { IDC_CROSS, 8 },
        { IDC_UPARROW, 16 },     { IDC_SIZENWSE, 8 }, { IDC_SIZENESW, 8 }, { IDC_SIZEWE, 8 },
        { IDC_SIZENS, 8 },       { IDC_SIZEALL, 8 },  { IDC_NO, 8 },       { IDC_HAND, 18 },
        { IDC_APPSTARTING, 20 }, { IDC_DRAG, 8 },     { IDC_NODROP, 8 },
    };
    const auto id = reinterpret_cast<UINT_PTR>(cursor);
    for (const Shape& s : kShapes)
        if (s.id == id) return s.below;
    return 20;
}

UINT_PTR CursorForHit(int hitCode) {
    switch (hitCode) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    if (!tme) return FALSE;
    InputState& s = State();
    const bool nonClient = (tme->dwFlags & TME_NONCLIENT) != 0;
    if (tme->dwFlags & TME_CANCEL) {
        if (s.FTracked == tme->hwndTrack && s.FTrackedNonClient == nonClient) s.FTracked = nullptr;
        return TRUE;
    }
    if (!(tme->dwFlags & TME_LEAVE) || !FindWindow(tme->hwndTrack)) return FALSE;
    // Asked while the pointer is already elsewhere: the leave comes at once.
    if (s.FPointerHwnd != tme->hwndTrack || s.FPointerClient == nonClient) {
        PostMessage(tme->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    s.FTracked = tme->hwndTrack;
    s.FTrackedNonClient = nonClient;
    return TRUE;
}

HWND WindowFromPoint(POINT pt) {
    int hit = HTNOWHERE;
    return HitTarget(pt, &hit);
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) {
    auto w = FindWindow(parent);
    if (!w) return nullptr;
    const RECT client{ 0, 0, w->FClient.right - w->FClient.left,
                       w->FClient.bottom - w->FClient.top };
    if (!PtInRect(&client, pt)) return nullptr;
    for (HWND h : w->FChildren) {
        auto c = FindWindow(h);
        if (c && PtInRect(&c->FRect, pt) &&
            (!c->FRegion || c->FRegion->Contains(pt.x - c->FRect.left, pt.y - c->FRect.top)))
            return h;
    }
    return parent;
}

} // namespace win
