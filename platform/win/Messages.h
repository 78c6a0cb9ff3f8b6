#pragma once

// Message numbers, hit-test codes, system commands and the other constants carried in messages.
// The numbers are Win32's: the skin engine's handlers and private messages depend on them.
namespace win {

constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_ENABLE = 0x000A;
constexpr unsigned WM_SETREDRAW = 0x000B;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SYSCOLORCHANGE = 0x0015;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_SETTINGCHANGE = 0x001A;
constexpr unsigned WM_ACTIVATEAPP = 0x001C;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
constexpr unsigned WM_GETMINMAXINFO = 0x0024;
constexpr unsigned WM_SETFONT = 0x0030;
constexpr unsigned WM_GETFONT = 0x0031;
constexpr unsigned WM_WINDOWPOSCHANGING = 0x0046;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_NOTIFY = 0x004E;
// WParam the window clicked or focused, LParam the pointer's screen position, or -1, -1 when
// the keyboard asked (the menu key, Shift+F10).
constexpr unsigned WM_CONTEXTMENU = 0x007B;
constexpr unsigned WM_STYLECHANGING = 0x007C;
constexpr unsigned WM_STYLECHANGED = 0x007D;
constexpr unsigned WM_DISPLAYCHANGE = 0x007E;
constexpr unsigned WM_GETICON = 0x007F;
constexpr unsigned WM_SETICON = 0x0080;
constexpr unsigned WM_NCCREATE = 0x0081;
constexpr unsigned WM_NCDESTROY = 0x0082;
constexpr unsigned WM_NCCALCSIZE = 0x0083;
constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_NCACTIVATE = 0x0086;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_SYNCPAINT = 0x0088;
constexpr unsigned WM_NCMOUSEMOVE = 0x00A0;
constexpr unsigned WM_NCLBUTTONDOWN = 0x00A1;
constexpr unsigned WM_NCLBUTTONUP = 0x00A2;
constexpr unsigned WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr unsigned WM_NCRBUTTONDOWN = 0x00A4;
constexpr unsigned WM_NCRBUTTONUP = 0x00A5;
constexpr unsigned WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr unsigned WM_NCMBUTTONDOWN = 0x00A7;
constexpr unsigned WM_NCMBUTTONUP = 0x00A8;
constexpr unsigned WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr unsigned WM_KEYFIRST = 0x0100;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_DEADCHAR = 0x0103;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCHAR = 0x0106;
constexpr unsigned WM_SYSDEADCHAR = 0x0107;
constexpr unsigned WM_KEYLAST = 0x0109;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_INITMENU = 0x0116;
constexpr unsigned WM_INITMENUPOPUP = 0x0117;
constexpr unsigned WM_MENUSELECT = 0x011F;
constexpr unsigned WM_MENUCHAR = 0x0120;
constexpr unsigned WM_ENTERIDLE = 0x0121;
constexpr unsigned WM_CTLCOLORMSGBOX = 0x0132;
constexpr unsigned WM_CTLCOLOREDIT = 0x0133;
constexpr unsigned WM_CTLCOLORLISTBOX = 0x0134;
constexpr unsigned WM_CTLCOLORBTN = 0x0135;
constexpr unsigned WM_CTLCOLORDLG = 0x0136;
constexpr unsigned WM_CTLCOLORSCROLLBAR = 0x0137;
constexpr unsigned WM_CTLCOLORSTATIC = 0x0138;
constexpr unsigned WM_MOUSEFIRST = 0x0200;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_MOUSELAST = 0x020A;
constexpr unsigned WM_PARENTNOTIFY = 0x0210;
constexpr unsigned WM_ENTERMENULOOP = 0x0211;
constexpr unsigned WM_EXITMENULOOP = 0x0212;
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WM_CAPTURECHANGED = 0x0215;
constexpr unsigned WM_MOVING = 0x0216;
constexpr unsigned WM_MDICREATE = 0x0220;
constexpr unsigned WM_MDIDESTROY = 0x0221;
constexpr unsigned WM_MDIACTIVATE = 0x0222;
constexpr unsigned WM_MDIRESTORE = 0x0223;
constexpr unsigned WM_MDINEXT = 0x0224;
constexpr unsigned WM_MDIMAXIMIZE = 0x0225;
constexpr unsigned WM_MDIGETACTIVE = 0x0229;
constexpr unsigned WM_MDITILE = 0x0226;
constexpr unsigned WM_MDICASCADE = 0x0227;
constexpr unsigned WM_MDIICONARRANGE = 0x0228;
constexpr unsigned WM_ENTERSIZEMOVE = 0x0231;
constexpr unsigned WM_EXITSIZEMOVE = 0x0232;
constexpr unsigned WM_NCMOUSELEAVE = 0x02A2;
constexpr unsigned WM_MOUSELEAVE = 0x02A3;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
constexpr unsigned WM_UNDO = 0x0304;
constexpr unsigned WM_PRINT = 0x0317;
constexpr unsigned WM_PRINTCLIENT = 0x0318;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_APP = 0x8000;

// WM_ACTIVATE
constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;
constexpr unsigned WA_CLICKACTIVE = 2;

// WM_SIZE
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

// WM_NCHITTEST results
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTSIZE = 4;
constexpr int HTMENU = 5;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTOBJECT = 19;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;

// WM_SYSCOMMAND
constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_NEXTWINDOW = 0xF040;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_KEYMENU = 0xF100;
constexpr unsigned SC_RESTORE = 0xF120;

// WM_MOUSEACTIVATE results
constexpr int MA_ACTIVATE = 1;
constexpr int MA_ACTIVATEANDEAT = 2;
constexpr int MA_NOACTIVATE = 3;
constexpr int MA_NOACTIVATEANDEAT = 4;

// Key state flags in mouse messages' wParam
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;

// WM_SIZING edges
constexpr unsigned WMSZ_LEFT = 1;
constexpr unsigned WMSZ_RIGHT = 2;
constexpr unsigned WMSZ_TOP = 3;
constexpr unsigned WMSZ_TOPLEFT = 4;
constexpr unsigned WMSZ_TOPRIGHT = 5;
constexpr unsigned WMSZ_BOTTOM = 6;
constexpr unsigned WMSZ_BOTTOMLEFT = 7;
constexpr unsigned WMSZ_BOTTOMRIGHT = 8;

constexpr int WHEEL_DELTA = 120;

// PeekMessage
constexpr unsigned PM_NOREMOVE = 0x0000;
constexpr unsigned PM_REMOVE = 0x0001;
constexpr unsigned PM_NOYIELD = 0x0002;

} // namespace win
