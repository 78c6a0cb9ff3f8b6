#pragma once
// The list box and combo box messages, notifications and styles with their Win32 numbers: the
// skinned controls send them by number to the controls they wrap.
namespace win {

constexpr unsigned LB_ADDSTRING = 0x0180;
constexpr unsigned LB_INSERTSTRING = 0x0181;
constexpr unsigned LB_DELETESTRING = 0x0182;
constexpr unsigned LB_RESETCONTENT = 0x0184;
constexpr unsigned LB_SETSEL = 0x0185;
constexpr unsigned LB_SETCURSEL = 0x0186;
constexpr unsigned LB_GETSEL = 0x0187;
constexpr unsigned LB_GETCURSEL = 0x0188;
constexpr unsigned LB_GETTEXT = 0x0189;
constexpr unsigned LB_GETTEXTLEN = 0x018A;
constexpr unsigned LB_GETCOUNT = 0x018B;
constexpr unsigned LB_SELECTSTRING = 0x018C;
constexpr unsigned LB_GETTOPINDEX = 0x018E;
constexpr unsigned LB_FINDSTRING = 0x018F;
constexpr unsigned LB_GETSELCOUNT = 0x0190;
constexpr unsigned LB_GETSELITEMS = 0x0191;
constexpr unsigned LB_SETTOPINDEX = 0x0197;
constexpr unsigned LB_GETITEMRECT = 0x0198;
constexpr unsigned LB_GETITEMDATA = 0x0199;
constexpr unsigned LB_SETITEMDATA = 0x019A;
constexpr unsigned LB_SELITEMRANGE = 0x019B;
constexpr unsigned LB_SETANCHORINDEX = 0x019C;
constexpr unsigned LB_GETANCHORINDEX = 0x019D;
constexpr unsigned LB_SETCARETINDEX = 0x019E;
constexpr unsigned LB_GETCARETINDEX = 0x019F;
constexpr unsigned LB_SETITEMHEIGHT = 0x01A0;
constexpr unsigned LB_GETITEMHEIGHT = 0x01A1;
constexpr unsigned LB_FINDSTRINGEXACT = 0x01A2;
constexpr unsigned LB_ITEMFROMPOINT = 0x01A9;

constexpr int LB_OKAY = 0;
constexpr int LB_ERR = -1;
constexpr int LB_ERRSPACE = -2;

constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned LBN_DBLCLK = 2;
constexpr unsigned LBN_SELCANCEL = 3;
constexpr unsigned LBN_SETFOCUS = 4;
constexpr unsigned LBN_KILLFOCUS = 5;

constexpr unsigned CB_GETEDITSEL = 0x0140;
constexpr unsigned CB_LIMITTEXT = 0x0141;
constexpr unsigned CB_SETEDITSEL = 0x0142;
constexpr unsigned CB_ADDSTRING = 0x0143;
constexpr unsigned CB_DELETESTRING = 0x0144;
constexpr unsigned CB_GETCOUNT = 0x0146;
constexpr unsigned CB_GETCURSEL = 0x0147;
constexpr unsigned CB_GETLBTEXT = 0x0148;
constexpr unsigned CB_GETLBTEXTLEN = 0x0149;
constexpr unsigned CB_INSERTSTRING = 0x014A;
constexpr unsigned CB_RESETCONTENT = 0x014B;
constexpr unsigned CB_FINDSTRING = 0x014C;
constexpr unsigned CB_SELECTSTRING = 0x014D;
constexpr unsigned CB_SETCURSEL = 0x014E;
constexpr unsigned CB_SHOWDROPDOWN = 0x014F;
constexpr unsigned CB_GETITEMDATA = 0x0150;
constexpr unsigned CB_SETITEMDATA = 0x0151;
constexpr unsigned CB_GETDROPPEDCONTROLRECT = 0x0152;
constexpr unsigned CB_SETITEMHEIGHT = 0x0153;
constexpr unsigned CB_GETITEMHEIGHT = 0x0154;
constexpr unsigned CB_GETDROPPEDSTATE = 0x0157;
constexpr unsigned CB_FINDSTRINGEXACT = 0x0158;
constexpr unsigned CB_GETDROPPEDWIDTH = 0x015F;
constexpr unsigned CB_SETDROPPEDWIDTH = 0x0160;

constexpr int CB_OKAY = 0;
constexpr int CB_ERR = -1;
constexpr int CB_ERRSPACE = -2;

constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DBLCLK = 2;
constexpr unsigned CBN_SETFOCUS = 3;
constexpr unsigned CBN_KILLFOCUS = 4;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_EDITUPDATE = 6;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;
constexpr unsigned CBN_SELENDOK = 9;
constexpr unsigned CBN_SELENDCANCEL = 10;

} // namespace win
