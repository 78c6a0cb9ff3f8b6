#include "platform/win/ScrollInfo.h"
#include "platform/win/Messaging.h"
#include <algorithm>

namespace win {

int ScrollBarData::MaxPos() const {
    const int page = int(FInfo.nPage);
    return std::max(FInfo.nMin, FInfo.nMax - std::max(page - 1, 0));
}

int ScrollBarData::Set(const SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) {
        FInfo.nMin = info.nMin;
        FInfo.nMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) FInfo.nPage = info.nPage;
    const long long span = (long long)FInfo.nMax - FInfo.nMin + 1;
    if ((long long)FInfo.nPage > span) FInfo.nPage = UINT(span);
    if (info.fMask & SIF_POS) FInfo.nPos = info.nPos;
    FInfo.nPos = std::clamp(FInfo.nPos, FInfo.nMin, MaxPos());
    FInfo.nTrackPos = FInfo.nPos;
    return FInfo.nPos;
}

void ScrollBarData::Get(SCROLLINFO& info) const {
    if (info.fMask & SIF_RANGE) {
        info.nMin = FInfo.nMin;
        info.nMax = FInfo.nMax;
    }
    if (info.fMask & SIF_PAGE) info.nPage = FInfo.nPage;
    if (info.fMask & SIF_POS) info.nPos = FInfo.nPos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = FInfo.nTrackPos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (!info) return FALSE;
    return SendMessage(hwnd, SBM_GETSCROLLINFO, WPARAM(bar), LPARAM(info)) ? TRUE : FALSE;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!info) return 0;
    SendMessage(hwnd, SBM_SETSCROLLINFO, MAKEWPARAM(unsigned(bar), redraw ? 1 : 0), LPARAM(info));
    return GetScrollPos(hwnd, bar);
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    const int previous = GetScrollPos(hwnd, bar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    const BOOL known = GetScrollInfo(hwnd, bar, &info);
    if (minPos) *minPos = known ? info.nMin : 0;
    if (maxPos) *maxPos = known ? info.nMax : 0;
    return known;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

} // namespace win
