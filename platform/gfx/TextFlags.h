#pragma once

// Flags of DrawText, ExtTextOut and SetTextAlign, with their Win32 values.
namespace win {

inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_EXTERNALLEADING = 0x200;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
// Accepted for right-to-left forms; the program's texts are all left-to-right, so it changes
// nothing here.
inline constexpr unsigned DT_RTLREADING = 0x20000;
inline constexpr unsigned DT_HIDEPREFIX = 0x100000;

inline constexpr unsigned ETO_OPAQUE = 0x2;
inline constexpr unsigned ETO_CLIPPED = 0x4;

inline constexpr unsigned TA_NOUPDATECP = 0x0;
inline constexpr unsigned TA_LEFT = 0x0;
inline constexpr unsigned TA_TOP = 0x0;
inline constexpr unsigned TA_RIGHT = 0x2;
inline constexpr unsigned TA_CENTER = 0x6;
inline constexpr unsigned TA_BOTTOM = 0x8;
inline constexpr unsigned TA_BASELINE = 0x18;

} // namespace win
