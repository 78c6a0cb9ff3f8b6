#include "platform/forms/ControlTypes.h"
#include "platform/win/Input.h"

TShiftState MouseShiftState(win::WPARAM keys) {
    TShiftState s;
    if (keys & win::MK_SHIFT) s.Include(ssShift);
    if (keys & win::MK_CONTROL) s.Include(ssCtrl);
    if (keys & win::MK_LBUTTON) s.Include(ssLeft);
    if (keys & win::MK_RBUTTON) s.Include(ssRight);
    if (keys & win::MK_MBUTTON) s.Include(ssMiddle);
    if (win::GetKeyState(int(win::VK_MENU)) < 0) s.Include(ssAlt);
    return s;
}

TShiftState KeyDataToShiftState(win::LPARAM keyData) {
    TShiftState s;
    if (win::GetKeyState(int(win::VK_SHIFT)) < 0) s.Include(ssShift);
    if (win::GetKeyState(int(win::VK_CONTROL)) < 0) s.Include(ssCtrl);
    if (keyData & (win::LPARAM(1) << 29)) s.Include(ssAlt);
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s;
    if (win::GetKeyState(int(win::VK_SHIFT)) < 0) s.Include(ssShift);
    if (win::GetKeyState(int(win::VK_CONTROL)) < 0) s.Include(ssCtrl);
    if (win::GetKeyState(int(win::VK_MENU)) < 0) s.Include(ssAlt);
    return s;
}
