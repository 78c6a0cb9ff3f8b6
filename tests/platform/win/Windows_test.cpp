#include "WinTestSupport.h"

namespace wintest {
namespace {

using Windows = WinTest;

TEST_F(Windows, StaleHandleIsDeadAndIgnoresMessages) {
    int calls = 0;
    HWND a = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr, [&](HWND, UINT m, WPARAM, LPARAM) {
        if (m == WM_USER) ++calls;
        return std::optional<LRESULT>();
    });
    ASSERT_TRUE(IsWindow(a));
    ASSERT_TRUE(DestroyWindow(a));
    EXPECT_FALSE(IsWindow(a));
    // The slot is reused, but the old handle must not reach the new window.
    HWND b = Create(WS_POPUP, { 0, 0, 10, 10 });
    ASSERT_TRUE(IsWindow(b));
    EXPECT_NE(a, b);
    EXPECT_EQ(SendMessage(a, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(a, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(a));
    EXPECT_FALSE(SetWindowPos(a, nullptr, 1, 1, 1, 1, 0));
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(IsWindow(nullptr));
    EXPECT_FALSE(IsWindow(HandleFromValue(0xDEADBEEF)));
}

TEST_F(Windows, ClassesRegisterOnceIgnoringCaseAndStayWhileUsed) {
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "testwnd";
    EXPECT_EQ(RegisterClassEx(&wc), 0) << "the name differs only in case";
    HWND w = Create(WS_POPUP, { 0, 0, 5, 5 });
    EXPECT_EQ(GetClassNameString(w), "TestWnd");
    EXPECT_FALSE(UnregisterClass("TestWnd", nullptr));
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr),
              nullptr);
    EXPECT_EQ(GetClassLong(w, GCL_STYLE) & CS_DBLCLKS, LONG_PTR(CS_DBLCLKS));
    SetClassLong(w, GCL_STYLE, GetClassLong(w, GCL_STYLE) | CS_DROPSHADOW);
    EXPECT_TRUE(GetClassLong(w, GCL_STYLE) & CS_DROPSHADOW);
}

TEST_F(Windows, CreationMessagesComeInWin32Order) {
    MessageSpy spy;
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 10, 20, 110, 70 });
    const std::vector<UINT> created =
        spy.Messages(w, { WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW,
                          WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED });
    const std::vector<UINT> expected{
        WM_NCCREATE,   WM_NCCALCSIZE,        WM_CREATE,          WM_SIZE, WM_MOVE,
        WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED
    };
    // Activation moves the new window to the top, which adds one more position change.
    ASSERT_GE(created.size(), expected.size());
    EXPECT_EQ(std::vector<UINT>(created.begin(), created.begin() + long(expected.size())),
              expected);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetActiveWindow(), w);
}

TEST_F(Windows, RefusedCreationLeavesNoWindow) {
    struct Case {
        UINT refuse;
        LRESULT answer;
        std::vector<UINT> tail;
    };
    const Case cases[] = { { WM_NCCREATE, FALSE, { WM_NCDESTROY } },
                           { WM_CREATE, -1, { WM_DESTROY, WM_NCDESTROY } } };
    for (const Case& c : cases) {
        MessageSpy spy;
        HWND seen{};
        HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                        [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            seen = h;
                            if (m == c.refuse) return c.answer;
                            return std::nullopt;
                        });
        EXPECT_EQ(w, nullptr);
        EXPECT_FALSE(IsWindow(seen));
        const auto all = spy.Messages(seen, { WM_DESTROY, WM_NCDESTROY });
        EXPECT_EQ(all, c.tail) << c.refuse;
    }
}

TEST_F(Windows, DestroyNotifiesParentsFirstAndFreesChildrenFirst) {
    HWND top = Create(WS_POPUP, { 0, 0, 200, 200 });
    HWND child = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 50 }, top);
    HWND grandchild = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 10, 10 }, child);
    HWND owned = Create(WS_POPUP, { 0, 0, 10, 10 }, top);
    MessageSpy spy;
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& r : spy.Matching({ WM_DESTROY, WM_NCDESTROY }))
        order.emplace_back(r.FHwnd, r.FMessage);
    const std::vector<std::pair<HWND, UINT>> expected{
        { owned, WM_DESTROY },   { owned, WM_NCDESTROY },    { top, WM_DESTROY },
        { child, WM_DESTROY },   { grandchild, WM_DESTROY }, { grandchild, WM_NCDESTROY },
        { child, WM_NCDESTROY }, { top, WM_NCDESTROY },
    };
    EXPECT_EQ(order, expected);
    for (HWND h : { top, child, grandchild, owned })
        EXPECT_FALSE(IsWindow(h));
}

TEST_F(Windows, DestroyFromInsideItsOwnMessageIsSafe) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr,
                    [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                        if (m == WM_USER) {
                            DestroyWindow(h);
                            // The window is gone, yet its procedure is still running.
                            return IsWindow(h) ? 1 : 2;
                        }
                        return std::nullopt;
                    });
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 2);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(Windows, ParentOwnerAndTreeNavigation) {
    HWND top = Create(WS_POPUP, { 0, 0, 200, 200 });
    HWND a = Create(WS_CHILD, { 0, 0, 10, 10 }, top);
    HWND b = Create(WS_CHILD, { 0, 0, 10, 10 }, top);
    HWND inner = Create(WS_CHILD, { 0, 0, 5, 5 }, a);
    HWND owned = Create(WS_POPUP, { 0, 0, 10, 10 }, a);
    EXPECT_EQ(GetParent(a), top);
    EXPECT_EQ(GetParent(owned), top) << "the owner is the top-level window of the given parent";
    EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
    EXPECT_EQ(GetAncestor(inner, GA_ROOT), top);
    EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
    // New children go on top.
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), nullptr);
    EXPECT_TRUE(IsChild(top, inner));
    EXPECT_FALSE(IsChild(inner, top));

    std::vector<HWND> seen;
    EnumChildWindows(
        top,
        [](HWND h, LPARAM p) {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen, (std::vector<HWND>{ b, a, inner }));

    EXPECT_EQ(SetParent(inner, b), a);
    EXPECT_EQ(GetParent(inner), b);
    EXPECT_EQ(SetParent(b, inner), nullptr) << "a window cannot move below its own child";
}

TEST_F(Windows, RectanglesAndCoordinateMapping) {
    HWND top = Create(WS_POPUP | WS_BORDER, { 100, 50, 300, 250 });
    HWND child = Create(WS_CHILD, { 10, 20, 60, 50 }, top);
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{ 100, 50, 300, 250 }));
    GetClientRect(top, &r);
    EXPECT_EQ(r, (RECT{ 0, 0, 198, 198 })) << "a one-pixel border";
    GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{ 111, 71, 161, 101 }));
    POINT p{ 0, 0 };
    ClientToScreen(child, &p);
    EXPECT_EQ(p, (POINT{ 111, 71 }));
    ScreenToClient(top, &p);
    EXPECT_EQ(p, (POINT{ 10, 20 }));
    POINT pts[2]{ { 1, 2 }, { 3, 4 } };
    MapWindowPoints(child, top, pts, 2);
    EXPECT_EQ(pts[0], (POINT{ 11, 22 }));
    EXPECT_EQ(pts[1], (POINT{ 13, 24 }));
}

TEST_F(Windows, ClientAreaComesFromNcCalcSize) {
    Handler frame = [](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m != WM_NCCALCSIZE) return std::nullopt;
        RECT* r =
            w ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(l)->rgrc[0] : reinterpret_cast<RECT*>(l);
        r->left += 3;
        r->top += 30;
        r->right -= 3;
        r->bottom -= 3;
        return 0;
    };
    HWND w = Create(WS_POPUP, { 0, 0, 100, 100 }, nullptr, frame);
    MessageSpy spy;
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(r, (RECT{ 0, 0, 94, 67 }));
    SetWindowPos(w, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(w, &r);
    EXPECT_EQ(r, (RECT{ 0, 0, 194, 117 }));
    const auto records = spy.Records();
    auto size = std::find_if(records.begin(), records.end(),
                             [](const auto& rec) { return rec.FMessage == WM_SIZE; });
    ASSERT_NE(size, records.end());
    EXPECT_EQ(LOWORD(size->FLParam), 194);
    EXPECT_EQ(HIWORD(size->FLParam), 117);
}

TEST_F(Windows, SetWindowPosFlagsDecideWhatChangesAndIsAnnounced) {
    HWND w = Create(WS_POPUP, { 0, 0, 100, 100 });
    struct Case {
        const char* name;
        int x, y, cx, cy;
        UINT flags;
        RECT expected;
        std::vector<UINT> messages;
    };
    const Case cases[] = {
        { "move",
          10,
          10,
          0,
          0,
          SWP_NOSIZE,
          { 10, 10, 110, 110 },
          { WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE } },
        { "size",
          0,
          0,
          50,
          40,
          SWP_NOMOVE,
          { 10, 10, 60, 50 },
          { WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE } },
        { "both",
          5,
          6,
          20,
          30,
          0,
          { 5, 6, 25, 36 },
          { WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE } },
        { "nothing",
          0,
          0,
          0,
          0,
          SWP_NOMOVE | SWP_NOSIZE,
          { 5, 6, 25, 36 },
          { WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED } },
        { "no changing",
          7,
          8,
          0,
          0,
          SWP_NOSIZE | SWP_NOSENDCHANGING,
          { 7, 8, 27, 38 },
          { WM_WINDOWPOSCHANGED, WM_MOVE } },
    };
    for (const Case& c : cases) {
        MessageSpy spy;
        ASSERT_TRUE(SetWindowPos(w, nullptr, c.x, c.y, c.cx, c.cy,
                                 c.flags | SWP_NOZORDER | SWP_NOACTIVATE));
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r, c.expected) << c.name;
        EXPECT_EQ(spy.Messages(w, { WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
                                    WM_MOVE, WM_SIZE }),
                  c.messages)
            << c.name;
    }
}

TEST_F(Windows, WindowPosChangingMayRewriteTheRequest) {
    HWND w = Create(WS_POPUP, { 0, 0, 100, 100 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_WINDOWPOSCHANGING) {
                            auto* wp = reinterpret_cast<WINDOWPOS*>(l);
                            wp->x = 0; // snapped to the screen edge
                            wp->cx = std::min(wp->cx, 150);
                        }
                        return std::nullopt;
                    });
    MoveWindow(w, 8, 9, 400, 100, TRUE);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (RECT{ 0, 9, 150, 109 }));
}

TEST_F(Windows, ZOrderKeepsTopmostWindowsAbove) {
    HWND a = Create(WS_POPUP, { 0, 0, 10, 10 });
    HWND topmost = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr, {}, WS_EX_TOPMOST);
    HWND b = Create(WS_POPUP, { 0, 0, 10, 10 });
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), b);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), a);
    SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), b);
    EXPECT_TRUE(GetWindowLong(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), b);
    SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(FDisplay->Stack().front(), topmost) << "the display follows the core's order";
}

TEST_F(Windows, TopmostReachesTheDisplayHoweverItIsSwitched) {
    auto topmost = [&](HWND h) { return FDisplay->Native(h)->FTopmost; };
    HWND born = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr, {}, WS_EX_TOPMOST);
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 10, 10 });
    EXPECT_TRUE(topmost(born)) << "created topmost";
    EXPECT_FALSE(topmost(w));
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, keep);
    EXPECT_TRUE(topmost(w));
    SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, keep);
    EXPECT_TRUE(topmost(w)) << "a plain raise keeps it topmost";
    SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    EXPECT_FALSE(topmost(w));
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, keep | SWP_NOZORDER);
    EXPECT_FALSE(topmost(w)) << "SWP_NOZORDER leaves the band alone";
    SetWindowLong(w, GWL_EXSTYLE, GetWindowLong(w, GWL_EXSTYLE) | WS_EX_TOPMOST);
    EXPECT_TRUE(topmost(w));
    SetWindowLong(w, GWL_EXSTYLE, GetWindowLong(w, GWL_EXSTYLE) & ~WS_EX_TOPMOST);
    EXPECT_FALSE(topmost(w));
}

TEST_F(Windows, OwnedWindowsStayAboveTheirOwner) {
    HWND main = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 300, 300 });
    HWND tool = Create(WS_POPUP | WS_VISIBLE, { 10, 10, 50, 50 }, main);
    HWND toolChild = Create(WS_POPUP | WS_VISIBLE, { 20, 20, 40, 40 }, tool);
    HWND other = Create(WS_POPUP | WS_VISIBLE, { 100, 100, 200, 200 });
    EXPECT_EQ(GetTopWindow(nullptr), other);
    // Clicking the main form brings it up, and what it owns comes along above it.
    FDisplay->Click(250, 250);
    Pump();
    EXPECT_EQ(GetActiveWindow(), main);
    std::vector<HWND> order;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        order.push_back(h);
    EXPECT_EQ(order, (std::vector<HWND>{ toolChild, tool, main, other }));
}

TEST_F(Windows, ShowStatesMaximizeRestoreAndMinimize) {
    HWND w = Create(WS_OVERLAPPEDWINDOW, { 100, 100, 400, 300 });
    MessageSpy spy;
    ShowWindow(w, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(w));
    RECT r;
    GetWindowRect(w, &r);
    // The work area of the headless monitor, with the thick frame just outside it.
    EXPECT_EQ(r, (RECT{ -4, -4, 1284, 988 }));
    auto sizes = spy.Matching({ WM_SIZE });
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().FWParam, WPARAM(SIZE_MAXIMIZED));

    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(w));
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (RECT{ 100, 100, 400, 300 }));

    spy.Clear();
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    sizes = spy.Matching({ WM_SIZE });
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().FWParam, WPARAM(SIZE_MINIMIZED));
    EXPECT_FALSE(FDisplay->Native(w)->FVisible) << "an iconic window is off screen";
    EXPECT_TRUE(FDisplay->Native(w)->FIconic) << "but stays in the task list";
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_TRUE(FDisplay->Native(w)->FVisible);
    sizes = spy.Matching({ WM_SIZE });
    EXPECT_EQ(sizes.back().FWParam, WPARAM(SIZE_RESTORED));

    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_FALSE(ShowWindow(w, SW_HIDE)) << "returns whether it was visible";
}

TEST_F(Windows, GetMinMaxInfoLimitsSizes) {
    HWND w = Create(WS_OVERLAPPEDWINDOW, { 0, 0, 300, 300 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_GETMINMAXINFO) {
                            auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
                            mmi->ptMinTrackSize = POINT{ 200, 150 };
                            mmi->ptMaxTrackSize = POINT{ 500, 400 };
                            return 0;
                        }
                        return std::nullopt;
                    });
    struct Case {
        int cx, cy;
        RECT expected;
    };
    const Case cases[] = { { 100, 100, { 0, 0, 200, 150 } },
                           { 900, 900, { 0, 0, 500, 400 } },
                           { 300, 200, { 0, 0, 300, 200 } } };
    for (const Case& c : cases) {
        SetWindowPos(w, nullptr, 0, 0, c.cx, c.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r, c.expected) << c.cx << "x" << c.cy;
    }
}

TEST_F(Windows, StylesAnnounceChangesAndLongsRoundTrip) {
    MessageSpy spy;
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 });
    const LONG_PTR old = SetWindowLong(w, GWL_STYLE, GetWindowLong(w, GWL_STYLE) | WS_THICKFRAME);
    EXPECT_EQ(old & WS_THICKFRAME, 0);
    EXPECT_TRUE(GetWindowLong(w, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(spy.Messages(w, { WM_STYLECHANGING, WM_STYLECHANGED }),
              (std::vector<UINT>{ WM_STYLECHANGING, WM_STYLECHANGED }));
    EXPECT_EQ(GetWindowLong(w, GWL_WNDPROC), GetClassLong(w, GCLP_WNDPROC));
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "PlainWnd";
    RegisterClassEx(&wc);
    HWND child = CreateWindowEx(0, "PlainWnd", "", WS_CHILD, 0, 0, 1, 1, w,
                                reinterpret_cast<HMENU>(77), nullptr, nullptr);
    EXPECT_EQ(GetWindowLong(child, GWL_ID), 77);
    SetWindowLong(child, GWL_USERDATA, 1234);
    EXPECT_EQ(GetWindowLong(child, GWL_USERDATA), 1234);
    DestroyWindow(child);
    EXPECT_TRUE(UnregisterClass("PlainWnd", nullptr));
}

TEST_F(Windows, TextGoesThroughMessagesAndIsNeverCutInsideACharacter) {
    HWND w = Create(WS_POPUP, { 0, 0, 10, 10 }, nullptr, {}, 0, "苇川");
    EXPECT_EQ(GetWindowTextString(w), "苇川");
    MessageSpy spy;
    EXPECT_TRUE(SetWindowText(w, "视频 converter"));
    EXPECT_EQ(spy.Messages(w), (std::vector<UINT>{ WM_SETTEXT }));
    EXPECT_EQ(GetWindowTextLength(w), int(std::string("视频 converter").size()));
    char small[5];
    // Four bytes fit, but the second character needs three of them.
    EXPECT_EQ(GetWindowText(w, small, sizeof small), 3);
    EXPECT_STREQ(small, "视");
    EXPECT_EQ(FDisplay->Native(w)->FTitle, "视频 converter");
}

TEST_F(Windows, MessageOnlyWindowsAreNeverShownOrHit) {
    HWND m = CreateWindowEx(0, "TestWnd", "", 0, 0, 0, 100, 100, HWND_MESSAGE, nullptr, nullptr,
                            nullptr);
    ASSERT_TRUE(IsWindow(m));
    EXPECT_EQ(FDisplay->Native(m), nullptr);
    ShowWindow(m, SW_SHOW);
    EXPECT_FALSE(IsWindowVisible(m));
    EXPECT_NE(WindowFromPoint(POINT{ 10, 10 }), m);
    bool got = false;
    SetWindowSubclass(
        m,
        [&](HWND h, UINT msg, WPARAM w, LPARAM l) {
            if (msg == WM_USER + 1) got = true;
            return DefSubclassProc(h, msg, w, l);
        },
        1);
    PostMessage(m, WM_USER + 1, 0, 0);
    Pump();
    EXPECT_TRUE(got);
}

TEST_F(Windows, PopupKindReachesTheDisplayAndSurvivesANewNativeWindow) {
    HWND popup = Create(WS_POPUP, { 10, 10, 60, 40 });
    ASSERT_NE(FDisplay->Native(popup), nullptr);
    EXPECT_EQ(FDisplay->Native(popup)->FPopupKind, PopupKind::Menu) << "a menu unless told";
    SetWindowPopupKind(popup, PopupKind::Tooltip);
    EXPECT_EQ(FDisplay->Native(popup)->FPopupKind, PopupKind::Tooltip);
    EXPECT_EQ(GetWindowPopupKind(popup), PopupKind::Tooltip);
    // Made a child and a top-level window again, it gets a new native window of the same kind.
    HWND host = Create(WS_POPUP, { 100, 100, 200, 200 });
    SetWindowLong(popup, GWL_STYLE, WS_CHILD);
    SetParent(popup, host);
    EXPECT_EQ(FDisplay->Native(popup), nullptr);
    SetWindowLong(popup, GWL_STYLE, WS_POPUP);
    SetParent(popup, nullptr);
    ASSERT_NE(FDisplay->Native(popup), nullptr);
    EXPECT_EQ(FDisplay->Native(popup)->FPopupKind, PopupKind::Tooltip);
}

TEST_F(Windows, NativeChildFollowsItsWindow) {
    HWND form = Create(WS_POPUP | WS_BORDER | WS_VISIBLE, { 100, 100, 400, 300 });
    HWND panel = Create(WS_CHILD | WS_VISIBLE, { 10, 10, 210, 160 }, form);
    HWND video = Create(WS_CHILD | WS_VISIBLE | WS_BORDER, { 5, 5, 105, 85 }, panel);
    EXPECT_EQ(NativeChildWindowId(form), 0u) << "only children get one";
    const unsigned long id = NativeChildWindowId(video);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(NativeChildWindowId(video), id);
    const auto* child = FDisplay->Child(video);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->FTop, form);
    // The client area of the video window in the form: border 1 + panel 10 + 5 + border 1.
    EXPECT_EQ(child->FBounds, (RECT{ 17, 17, 115, 95 }));
    EXPECT_TRUE(child->FVisible);
    MoveWindow(panel, 20, 30, 200, 150, TRUE);
    EXPECT_EQ(FDisplay->Child(video)->FBounds, (RECT{ 27, 37, 125, 115 }));
    ShowWindow(panel, SW_HIDE);
    EXPECT_FALSE(FDisplay->Child(video)->FVisible);
    ShowWindow(panel, SW_SHOW);
    EXPECT_TRUE(FDisplay->Child(video)->FVisible);
    ShowWindow(form, SW_MINIMIZE);
    EXPECT_FALSE(FDisplay->Child(video)->FVisible);
    ShowWindow(form, SW_RESTORE);
    EXPECT_TRUE(FDisplay->Child(video)->FVisible);
    DestroyWindow(panel);
    EXPECT_EQ(FDisplay->Child(video), nullptr);
}

} // namespace
} // namespace wintest
