#include "WinTestSupport.h"
#include "platform/win/SizeLimits.h"

namespace wintest {
namespace {

using WindowManager = WinTest;

constexpr DWORD kSizeable = WS_OVERLAPPEDWINDOW;
constexpr DWORD kFixed = WS_CAPTION | WS_SYSMENU;

// Answers WM_GETMINMAXINFO with the tracking sizes the test holds at the time.
Handler TrackingSizes(const POINT& minSize, const POINT& maxSize) {
    return [&minSize, &maxSize](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m != WM_GETMINMAXINFO) return std::nullopt;
        auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
        mmi->ptMinTrackSize = minSize;
        mmi->ptMaxTrackSize = maxSize;
        return 0;
    };
}

SIZE MinOf(const HeadlessBackend::NativeWindow& n) {
    return n.FMinSize.value_or(SIZE{ -1, -1 });
}
SIZE MaxOf(const HeadlessBackend::NativeWindow& n) {
    return n.FMaxSize.value_or(SIZE{ -1, -1 });
}

TEST_F(WindowManager, SizeableWindowTellsItsTrackingSizesBeforeItShows) {
    POINT minSize{ 200, 150 }, maxSize{ 500, 400 };
    HWND w = Create(kSizeable, { 0, 0, 300, 300 }, nullptr, TrackingSizes(minSize, maxSize));
    EXPECT_FALSE(FDisplay->Native(w)->FMinSize) << "nothing is told before the window shows";
    ShowWindow(w, SW_SHOW);
    EXPECT_EQ(MinOf(*FDisplay->Native(w)), (SIZE{ 200, 150 }));
    EXPECT_EQ(MaxOf(*FDisplay->Native(w)), (SIZE{ 500, 400 }));

    // A frame rebuilt with other limits tells them again.
    minSize = POINT{ 250, 120 };
    UpdateNativeSizeLimits(w);
    EXPECT_EQ(MinOf(*FDisplay->Native(w)), (SIZE{ 250, 120 }));

    // A maximum below the minimum cannot be kept: the minimum wins.
    maxSize = POINT{ 100, 100 };
    UpdateNativeSizeLimits(w);
    EXPECT_EQ(MaxOf(*FDisplay->Native(w)), (SIZE{ 250, 120 }));
}

TEST_F(WindowManager, FixedSizeWindowIsPinnedToEverySizeItTakes) {
    HWND w = Create(kFixed | WS_VISIBLE, { 10, 10, 310, 210 });
    EXPECT_EQ(MinOf(*FDisplay->Native(w)), (SIZE{ 300, 200 }));
    EXPECT_EQ(MaxOf(*FDisplay->Native(w)), (SIZE{ 300, 200 }));
    // The program sizes it itself (a skinned frame's own maximize or roll-up): the limits move
    // with it, so that a manager lets the new size through.
    SetWindowPos(w, nullptr, 0, 0, 420, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(MinOf(*FDisplay->Native(w)), (SIZE{ 420, 90 }));
    EXPECT_EQ(MaxOf(*FDisplay->Native(w)), (SIZE{ 420, 90 }));
    EXPECT_EQ(FDisplay->Native(w)->FBounds, (RECT{ 10, 10, 430, 100 }));
}

TEST_F(WindowManager, PopupsAndChildrenTellNoLimits) {
    HWND popup = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 50, 50 });
    HWND child = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 10, 10 }, popup);
    UpdateNativeSizeLimits(popup);
    UpdateNativeSizeLimits(child);
    EXPECT_FALSE(FDisplay->Native(popup)->FMinSize);
    EXPECT_EQ(FDisplay->Native(child), nullptr);
}

TEST_F(WindowManager, MoveSizeLoopTellsTheLimitsTheWindowHasThen) {
    POINT minSize{ 200, 150 }, maxSize{ 500, 400 };
    HWND w = Create(kSizeable | WS_VISIBLE, { 100, 100, 400, 300 }, nullptr,
                    TrackingSizes(minSize, maxSize));
    Pump();
    minSize = POINT{ 280, 160 };
    FDisplay->MoveMouse(398, 200);
    FDisplay->PressButton();
    FDisplay->MoveMouse(450, 200);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(MinOf(*FDisplay->Native(w)), (SIZE{ 280, 160 }));
}

TEST_F(WindowManager, MinimizeIconifiesUnderAManagerAndOnlyHidesWithoutOne) {
    struct Case {
        bool manager;
        bool iconic;
    };
    for (const Case c : { Case{ true, true }, Case{ false, false } }) {
        FDisplay->SetWindowManager(WindowManagerSupport{ c.manager, c.manager });
        HWND w = Create(kSizeable | WS_VISIBLE, { 0, 0, 200, 100 });
        ShowWindow(w, SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(w)) << c.manager;
        EXPECT_FALSE(FDisplay->Native(w)->FVisible) << c.manager;
        EXPECT_EQ(FDisplay->Native(w)->FIconic, c.iconic) << c.manager;
        ShowWindow(w, SW_RESTORE);
        EXPECT_TRUE(FDisplay->Native(w)->FVisible) << c.manager;
        EXPECT_FALSE(FDisplay->Native(w)->FIconic) << c.manager;
        DestroyWindow(w);
    }
}

TEST_F(WindowManager, WorkAreaChangeReachesEveryTopLevelWindow) {
    HWND a = Create(kSizeable | WS_VISIBLE, { 0, 0, 200, 100 });
    HWND b = Create(WS_POPUP, { 0, 0, 20, 20 });
    HWND child = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 10, 10 }, a);
    MessageSpy spy;
    FDisplay->SetWorkArea(0, RECT{ 0, 30, 1280, 1024 });
    std::vector<HWND> told;
    for (const auto& r : spy.Matching({ WM_SETTINGCHANGE })) {
        EXPECT_EQ(r.FWParam, WPARAM(SPI_SETWORKAREA));
        told.push_back(r.FHwnd);
    }
    EXPECT_NE(std::find(told.begin(), told.end(), a), told.end());
    EXPECT_NE(std::find(told.begin(), told.end(), b), told.end());
    EXPECT_EQ(std::find(told.begin(), told.end(), child), told.end());
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work, (RECT{ 0, 30, 1280, 1024 }));
}

} // namespace
} // namespace wintest
