// Tab order, focus and the keyboard of windowed controls.
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include <algorithm>

using namespace win;

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    const auto& list = FParent->FTabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (!FParent) return;
    auto& list = FParent->FTabList;
    std::erase(list, this);
    value = std::clamp(value, 0, int(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == FTabStop) return;
    FTabStop = value;
    if (FHandle) {
        const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE,
                         value ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP)));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : FTabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = int(list.size());
    int start = int(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count) start = goForward ? count - 1 : 0;
    int i = start;
    do {
        if (goForward) {
            if (++i == count) i = 0;
        } else {
            if (i == 0) i = count;
            --i;
        }
        TWinControl* c = list[std::size_t(i)];
        if (c != current && c->CanFocus() && (!checkTabStop || c->FTabStop) &&
            (!checkParent || c->FParent == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

bool TWinControl::CanFocus() const {
    const TWinControl* top = this;
    while (top->FParent)
        top = top->FParent;
    for (const TWinControl* c = this; c && c != top; c = c->FParent)
        if (!c->FVisible || !c->FEnabled) return false;
    return top == this || (top->FVisible && top->FEnabled) || !top->FHandle;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    TWinControl* top = TopParent();
    if (top != this)
        top->FocusControl(this);
    else
        win::SetFocus(Handle());
}

void TWinControl::FocusControl(TWinControl* control) {
    win::SetFocus(control->Handle());
}

bool TWinControl::SetFocusedControl(TWinControl*) {
    return false;
}

void TWinControl::KeyDown(unsigned short& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(unsigned short& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

bool TWinControl::WMKeyDown(TMessage& message) {
    if (TopParent()->IsShortCut(message)) {
        // A key taken as a shortcut types nothing: its characters, already queued by the
        // loop's translation, would otherwise reach the control, and Alt+key would open the
        // window's menu a second time.
        DropTranslatedCharacters();
        return true;
    }
    unsigned short key = static_cast<unsigned short>(message.WParam);
    unsigned mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case 0x03:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    // Dialog keys the control does not claim go to the form before the control sees them.
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
        TWinControl* top = TopParent();
        if (top->Perform(CM_DIALOGKEY, key, message.LParam) != 0) return true;
        if (!FHandle && top != this) return true; // the dialog key freed or hid this control
    }
    const TShiftState shift = KeyboardShiftState();
    TWinControl* top = TopParent();
    if (top != this && top->WantsKeyPreview()) {
        top->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    if (key == 0) return true;
    message.WParam = key;
    return false;
}

void TWinControl::DropTranslatedCharacters() {
    if (!FHandle) return;
    MSG pending;
    while (PeekMessage(&pending, FHandle, WM_CHAR, WM_DEADCHAR, PM_REMOVE)) {}
    while (PeekMessage(&pending, FHandle, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {}
}

bool TWinControl::WMChar(TMessage& message) {
    TWinControl* top = TopParent();
    const bool sys = message.Msg == WM_SYSCHAR;
    if (sys ? message.WParam != ' ' : (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
        if (top->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return true;
    }
    if (sys) return false;
    char32_t key = static_cast<char32_t>(message.WParam);
    if (top != this && top->WantsKeyPreview()) {
        top->KeyPress(key);
        if (key == 0) return true;
    }
    KeyPress(key);
    if (key == 0) return true;
    message.WParam = WPARAM(key);
    return false;
}
