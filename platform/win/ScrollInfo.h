#pragma once
#include "platform/win/WinDefs.h"

// Scroll state of a window's own bars and of scroll bar controls. The state lives with the
// control that scrolls: GetScrollInfo and SetScrollInfo send SBM_GETSCROLLINFO and
// SBM_SETSCROLLINFO to the window with the bar in the low word of wParam (SB_HORZ, SB_VERT or
// SB_CTL), so a view keeps answering for its bars while they are hidden or never drawn.
namespace win {

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// Scroll requests of WM_HSCROLL and WM_VSCROLL (low word of wParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;

struct SCROLLINFO {
    UINT cbSize{ sizeof(SCROLLINFO) };
    UINT fMask{ 0 };
    int nMin{ 0 };
    int nMax{ 0 };
    UINT nPage{ 0 };
    int nPos{ 0 };
    int nTrackPos{ 0 };
};

// One bar's state with the window system's rules: the page never exceeds the range and the
// position stays within min .. max - page + 1.
class ScrollBarData {
public:
    // Applies the fields fMask names; returns the resulting position.
    int Set(const SCROLLINFO& info);
    // Fills the fields info.fMask names.
    void Get(SCROLLINFO& info) const;
    const SCROLLINFO& Info() const { return FInfo; }
    int Pos() const { return FInfo.nPos; }
    // The largest position the page allows.
    int MaxPos() const;

private:
    SCROLLINFO FInfo;
};

// FALSE when the window does not answer for that bar.
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
// Returns the new position; redraw is passed in the high word of wParam.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
// Returns the previous position.
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);

} // namespace win
