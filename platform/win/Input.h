#pragma once
#include "platform/win/WinDefs.h"
#include <string>

// Pointer and keyboard input: how the back end hands it in, and what windows ask about it.
namespace win {

constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_RWIN = 0x5C;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F12 = 0x7B;
constexpr UINT VK_PROCESSKEY = 0xE5; // text composed by an input method
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;

// Stock cursors for LoadCursor(nullptr, ...).
constexpr UINT_PTR IDC_ARROW = 32512;
constexpr UINT_PTR IDC_IBEAM = 32513;
constexpr UINT_PTR IDC_WAIT = 32514;
constexpr UINT_PTR IDC_CROSS = 32515;
constexpr UINT_PTR IDC_UPARROW = 32516;
constexpr UINT_PTR IDC_SIZENWSE = 32642;
constexpr UINT_PTR IDC_SIZENESW = 32643;
constexpr UINT_PTR IDC_SIZEWE = 32644;
constexpr UINT_PTR IDC_SIZENS = 32645;
constexpr UINT_PTR IDC_SIZEALL = 32646;
constexpr UINT_PTR IDC_NO = 32648;
constexpr UINT_PTR IDC_HAND = 32649;
constexpr UINT_PTR IDC_APPSTARTING = 32650;
// The class library's drag cursors, which Win32 programs carry among their own resources; here
// they are stock shapes of the back ends like the others.
constexpr UINT_PTR IDC_DRAG = 32760;
constexpr UINT_PTR IDC_NODROP = 32761;

HCURSOR LoadCursor(HINSTANCE instance, UINT_PTR id);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The cursor DefWindowProc shows over a hit-test area: size arrows on the borders, else the arrow.
UINT_PTR CursorForHit(int hitCode);
// How far a stock cursor reaches below its hot spot, so that what is shown under the pointer
// (a hint) clears it. Our cursors are the display's own shapes with no mask bits to measure,
// so the answer comes from a table of those shapes; an unknown cursor counts as the arrow.
int CursorHeightBelowHotSpot(HCURSOR cursor);

BOOL GetCursorPos(POINT* pt);
// Keys and buttons as last seen by the input queue: bit 15 set while down, bit 0 the toggle.
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);

constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
    DWORD cbSize{ sizeof(TRACKMOUSEEVENT) };
    DWORD dwFlags{ 0 };
    HWND hwndTrack{};
    DWORD dwHoverTime{ 0 };
};
// WM_MOUSELEAVE (or WM_NCMOUSELEAVE with TME_NONCLIENT) is posted once when the pointer leaves
// the window's client area (frame); tracking then ends.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);

// The deepest visible window under a screen point: regions and WS_EX_TRANSPARENT windows let
// the point through, disabled children give it to their parent, and a window answering
// WM_NCHITTEST with HTTRANSPARENT passes it to the window below.
HWND WindowFromPoint(POINT pt);
// The child of parent (or parent itself) containing a point in parent's client coordinates.
HWND ChildWindowFromPoint(HWND parent, POINT pt);

// Raw input from the back end, in screen coordinates.
enum class InputKind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp };
enum class MouseButton { Left, Right, Middle };
struct InputEvent {
    InputKind FKind{ InputKind::MouseMove };
    POINT FPoint;
    MouseButton FButton{ MouseButton::Left };
    int FWheelDelta{ 0 };
    UINT FVirtualKey{ 0 };
    // The characters a key press types (UTF-8), delivered as WM_CHAR by TranslateMessage.
    std::string FText;
};
// Queues input for the GUI thread; callable from any thread. The target window is found when
// the message is taken from the queue, as in Win32.
void QueueInput(const InputEvent& event);

// True when the last key released was Alt, pressed and released with no key in between.
bool LastKeyWasLoneAlt();

} // namespace win
