#pragma once
// The edit control messages with their Win32 numbers, answered by the memo; the skinned edits
// send them by number.
namespace win {

constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
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
constexpr unsigned EM_LINEFROMCHAR = 0x00C9;
constexpr unsigned EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr unsigned EM_SETREADONLY = 0x00CF;

} // namespace win
