#include "WinTestSupport.h"

namespace wintest {
namespace {

using ScrollInfo = WinTest;

TEST(ScrollBarData, KeepsPageAndPositionWithinTheRange) {
    struct Case {
        int min, max;
        UINT page;
        int pos;
        UINT expectedPage;
        int expectedPos;
    };
    const Case kCases[] = {
        { 0, 99, 10, 50, 10, 50 }, { 0, 99, 10, 95, 10, 90 }, { 0, 99, 10, -5, 10, 0 },
        { 0, 9, 30, 4, 10, 0 },    { 5, 5, 0, 9, 0, 5 },      { 0, 99, 0, 120, 0, 99 },
        { 10, 2, 1, 7, 1, 10 }, // a maximum below the minimum collapses onto it
    };
    for (const auto& c : kCases) {
        ScrollBarData bar;
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMin = c.min;
        info.nMax = c.max;
        info.nPage = c.page;
        info.nPos = c.pos;
        EXPECT_EQ(bar.Set(info), c.expectedPos) << c.min << ".." << c.max << " pos " << c.pos;
        EXPECT_EQ(bar.Info().nPage, c.expectedPage) << c.min << ".." << c.max;
    }
}

TEST_F(ScrollInfo, AsksTheWindowForTheBarItNames) {
    ScrollBarData vert;
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [&](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
                        if (LOWORD(wp) != SB_VERT) return std::nullopt;
                        if (m == SBM_SETSCROLLINFO)
                            return vert.Set(*reinterpret_cast<const SCROLLINFO*>(lp));
                        if (m != SBM_GETSCROLLINFO) return std::nullopt;
                        vert.Get(*reinterpret_cast<SCROLLINFO*>(lp));
                        return TRUE;
                    });
    SetScrollRange(w, SB_VERT, 0, 40, TRUE);
    EXPECT_EQ(SetScrollPos(w, SB_VERT, 55, TRUE), 0);
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(w, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 40);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 40);
    // A bar the window does not answer for reads as empty and reports failure.
    SCROLLINFO none;
    none.fMask = SIF_ALL;
    EXPECT_FALSE(GetScrollInfo(w, SB_HORZ, &none));
    EXPECT_EQ(GetScrollPos(w, SB_HORZ), 0);
}

} // namespace
} // namespace wintest
