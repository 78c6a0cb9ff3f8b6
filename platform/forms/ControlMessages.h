#pragma once
#include "platform/win/Messages.h"
#include "platform/win/WinDefs.h"
#include <optional>

// The messages the class library's controls send each other, with their usual numbers: the
// skin engine's handlers answer them by number.
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_GOTFOCUS = CM_BASE + 2;
constexpr unsigned CM_LOSTFOCUS = CM_BASE + 3;
// WParam 0, LParam the control that asks the others to close their popups.
constexpr unsigned CM_CANCELMODE = CM_BASE + 4;
// WParam the virtual key, LParam the key data; a nonzero Result consumes the key.
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
// WParam the character, LParam the key data; a nonzero Result consumes it (accelerators).
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
// LParam the control that received the focus; the form broadcasts it to all its controls.
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
constexpr unsigned CM_CTL3DCHANGED = CM_BASE + 16;
constexpr unsigned CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
// LParam the control the pointer entered or left.
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_MENUCHANGED = CM_BASE + 21;
constexpr unsigned CM_APPKEYDOWN = CM_BASE + 22;
constexpr unsigned CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 24;
constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr unsigned CM_ENTER = CM_BASE + 26;
constexpr unsigned CM_EXIT = CM_BASE + 27;
constexpr unsigned CM_DESIGNHITTEST = CM_BASE + 28;
constexpr unsigned CM_ICONCHANGED = CM_BASE + 29;
// WParam the virtual key; a nonzero Result claims it from the dialog keys (arrows, Tab ...).
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr unsigned CM_INVOKEHELP = CM_BASE + 31;
constexpr unsigned CM_WINDOWHOOK = CM_BASE + 32;
constexpr unsigned CM_RELEASE = CM_BASE + 33;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr unsigned CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr unsigned CM_WININICHANGE = CM_BASE + 37;
constexpr unsigned CM_FONTCHANGE = CM_BASE + 38;
constexpr unsigned CM_TIMECHANGE = CM_BASE + 39;
constexpr unsigned CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr unsigned CM_UIACTIVATE = CM_BASE + 41;
constexpr unsigned CM_UIDEACTIVATE = CM_BASE + 42;
constexpr unsigned CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr unsigned CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr unsigned CM_GETDATALINK = CM_BASE + 45;
constexpr unsigned CM_CHILDKEY = CM_BASE + 46;
constexpr unsigned CM_DRAG = CM_BASE + 47;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48;
constexpr unsigned CM_DIALOGHANDLE = CM_BASE + 49;
constexpr unsigned CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr unsigned CM_RECREATEWND = CM_BASE + 51;
constexpr unsigned CM_INVALIDATE = CM_BASE + 52;
constexpr unsigned CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr unsigned CM_CONTROLCHANGE = CM_BASE + 54;
constexpr unsigned CM_CHANGED = CM_BASE + 55;

// Messages a parent reflects back to the child window they concern.
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_CHARTOITEM = CN_BASE + 0x002F;
constexpr unsigned CN_COMMAND = CN_BASE + win::WM_COMMAND;
constexpr unsigned CN_CTLCOLORMSGBOX = CN_BASE + win::WM_CTLCOLORMSGBOX;
constexpr unsigned CN_CTLCOLOREDIT = CN_BASE + win::WM_CTLCOLOREDIT;
constexpr unsigned CN_CTLCOLORLISTBOX = CN_BASE + win::WM_CTLCOLORLISTBOX;
constexpr unsigned CN_CTLCOLORBTN = CN_BASE + win::WM_CTLCOLORBTN;
constexpr unsigned CN_CTLCOLORDLG = CN_BASE + win::WM_CTLCOLORDLG;
constexpr unsigned CN_CTLCOLORSCROLLBAR = CN_BASE + win::WM_CTLCOLORSCROLLBAR;
constexpr unsigned CN_CTLCOLORSTATIC = CN_BASE + win::WM_CTLCOLORSTATIC;
constexpr unsigned CN_HSCROLL = CN_BASE + win::WM_HSCROLL;
constexpr unsigned CN_VSCROLL = CN_BASE + win::WM_VSCROLL;
constexpr unsigned CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr unsigned CN_KEYUP = CN_BASE + win::WM_KEYUP;
constexpr unsigned CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr unsigned CN_SYSKEYDOWN = CN_BASE + win::WM_SYSKEYDOWN;
constexpr unsigned CN_SYSCHAR = CN_BASE + win::WM_SYSCHAR;
constexpr unsigned CN_NOTIFY = CN_BASE + win::WM_NOTIFY;

// What a control answers to WM_GETDLGCODE: the keys it wants for itself.
namespace win {
constexpr unsigned DLGC_WANTARROWS = 0x0001;
constexpr unsigned DLGC_WANTTAB = 0x0002;
constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
constexpr unsigned DLGC_WANTMESSAGE = 0x0004;
constexpr unsigned DLGC_HASSETSEL = 0x0008;
constexpr unsigned DLGC_DEFPUSHBUTTON = 0x0010;
constexpr unsigned DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr unsigned DLGC_RADIOBUTTON = 0x0040;
constexpr unsigned DLGC_WANTCHARS = 0x0080;
constexpr unsigned DLGC_STATIC = 0x0100;
constexpr unsigned DLGC_BUTTON = 0x2000;
} // namespace win

// A message as a control's handlers see it; Result is what Perform or the window procedure
// returns.
struct TMessage {
    win::UINT Msg{ 0 };
    win::WPARAM WParam{ 0 };
    win::LPARAM LParam{ 0 };
    win::LRESULT Result{ 0 };
};

// What a control's own handler says to a message before the inherited handling: the result of a
// message it answers, or nothing for one that goes on.
using TMessageAnswer = std::optional<win::LRESULT>;

// Stores an answer as the message's result; false when there is none and the message goes on.
inline bool Answered(TMessage& message, const TMessageAnswer& answer) {
    if (answer) message.Result = *answer;
    return answer.has_value();
}
