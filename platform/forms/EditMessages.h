#pragma once
// The edit control messages, styles and margin flags with their Win32 numbers, answered by the
// edit and the memo; the skinned edits send them by number.
namespace win {

constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
constexpr unsigned EM_GETRECT = 0x00B2;
constexpr unsigned EM_SETRECT = 0x00B3;
constexpr unsigned EM_SETRECTNP = 0x00B4;
constexpr unsigned EM_SCROLL = 0x00B5;
constexpr unsigned EM_LINESCROLL = 0x00B6;
constexpr unsigned EM_SCROLLCARET = 0x00B7;
constexpr unsigned EM_GETMODIFY = 0x00B8;
constexpr unsigned EM_SETMODIFY = 0x00B9;
constexpr unsigned EM_GETLINECOUNT = 0x00BA;
constexpr unsigned EM_LINEINDEX = 0x00BB;
constexpr unsigned EM_LINELENGTH = 0x00C1;
constexpr unsigned EM_REPLACESEL = 0x00C2;
constexpr unsigned EM_GETLINE = 0x00C4;
constexpr unsigned EM_LIMITTEXT = 0x00C5;
constexpr unsigned EM_CANUNDO = 0x00C6;
constexpr unsigned EM_UNDO = 0x00C7;
constexpr unsigned EM_LINEFROMCHAR = 0x00C9;
constexpr unsigned EM_SETPASSWORDCHAR = 0x00CC;
constexpr unsigned EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr unsigned EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr unsigned EM_SETREADONLY = 0x00CF;
constexpr unsigned EM_GETPASSWORDCHAR = 0x00D2;
constexpr unsigned EM_SETMARGINS = 0x00D3;
constexpr unsigned EM_GETMARGINS = 0x00D4;

// EM_SETMARGINS: which margins the message sets; EC_USEFONTINFO restores the defaults.
constexpr unsigned EC_LEFTMARGIN = 0x0001;
constexpr unsigned EC_RIGHTMARGIN = 0x0002;
constexpr unsigned EC_USEFONTINFO = 0xFFFF;

constexpr unsigned ES_LEFT = 0x0000;
constexpr unsigned ES_CENTER = 0x0001;
constexpr unsigned ES_RIGHT = 0x0002;
constexpr unsigned ES_MULTILINE = 0x0004;
constexpr unsigned ES_UPPERCASE = 0x0008;
constexpr unsigned ES_LOWERCASE = 0x0010;
constexpr unsigned ES_PASSWORD = 0x0020;
constexpr unsigned ES_AUTOVSCROLL = 0x0040;
constexpr unsigned ES_AUTOHSCROLL = 0x0080;
constexpr unsigned ES_NOHIDESEL = 0x0100;
constexpr unsigned ES_READONLY = 0x0800;
constexpr unsigned ES_WANTRETURN = 0x1000;

} // namespace win
