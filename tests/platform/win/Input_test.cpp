#include "WinTestSupport.h"

namespace wintest {
namespace {

// A form with the default thick frame and caption: 4-pixel border, caption rows 4..21.
constexpr DWORD kFramed = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;

class Input : public WinTest {
protected:
    // Runs the queue after each injected step, as the event loop would.
    void Move(int x, int y) {
        FDisplay->MoveMouse(x, y);
        Pump();
    }
    void Press(MouseButton b = MouseButton::Left) {
        FDisplay->PressButton(b);
        Pump();
    }
    void Release(MouseButton b = MouseButton::Left) {
        FDisplay->ReleaseButton(b);
        Pump();
    }
};

const std::vector<UINT> kMouse{ WM_NCHITTEST,       WM_SETCURSOR,     WM_MOUSEMOVE,
                                WM_LBUTTONDOWN,     WM_LBUTTONUP,     WM_LBUTTONDBLCLK,
                                WM_NCMOUSEMOVE,     WM_NCLBUTTONDOWN, WM_NCLBUTTONUP,
                                WM_NCLBUTTONDBLCLK, WM_RBUTTONDOWN,   WM_RBUTTONUP };

TEST_F(Input, HitTestDecidesBetweenFrameAndClientMessages) {
    HWND w = Create(kFramed | WS_VISIBLE, { -50, 100, 150, 300 });
    Pump();
    struct Case {
        POINT at;
        int hit;
        UINT message;
    };
    const Case cases[] = {
        { { 40, 150 }, HTCLIENT, WM_MOUSEMOVE },
        { { 40, 110 }, HTCAPTION, WM_NCMOUSEMOVE },
        { { -49, 200 }, HTLEFT, WM_NCMOUSEMOVE },
        { { 148, 298 }, HTBOTTOMRIGHT, WM_NCMOUSEMOVE },
        { { -30, 101 }, HTTOPLEFT, WM_NCMOUSEMOVE },
    };
    for (const Case& c : cases) {
        MessageSpy spy;
        Move(c.at.x, c.at.y);
        const auto records = spy.Records();
        std::vector<UINT> order;
        for (const auto& r : records)
            if (r.FHwnd == w) order.push_back(r.FMessage);
        ASSERT_EQ(order, (std::vector<UINT>{ WM_NCHITTEST, WM_SETCURSOR, c.message }))
            << c.at.x << "," << c.at.y;
        const auto& setCursor = records[1];
        EXPECT_EQ(short(LOWORD(setCursor.FLParam)), c.hit);
        EXPECT_EQ(HIWORD(setCursor.FLParam), WM_MOUSEMOVE);
        const auto& move = records[2];
        if (c.message == WM_NCMOUSEMOVE) {
            EXPECT_EQ(move.FWParam, WPARAM(c.hit));
            // Frame messages carry signed screen coordinates.
            EXPECT_EQ(GET_X_LPARAM(move.FLParam), c.at.x);
            EXPECT_EQ(GET_Y_LPARAM(move.FLParam), c.at.y);
        } else {
            EXPECT_EQ(GET_X_LPARAM(move.FLParam), c.at.x - (-50 + 4));
            EXPECT_EQ(GET_Y_LPARAM(move.FLParam), c.at.y - (100 + 22));
        }
    }
}

TEST_F(Input, CursorFollowsTheHitArea) {
    HWND w = Create(kFramed | WS_VISIBLE, { 0, 0, 200, 200 });
    SetClassLong(w, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_HAND)));
    struct Case {
        POINT at;
        UINT_PTR cursor;
    };
    const Case cases[] = { { { 1, 100 }, IDC_SIZEWE },     { { 100, 1 }, IDC_SIZENS },
                           { { 199, 199 }, IDC_SIZENWSE }, { { 199, 1 }, IDC_SIZENESW },
                           { { 100, 10 }, IDC_ARROW },     { { 100, 100 }, IDC_HAND } };
    for (const Case& c : cases) {
        Move(c.at.x, c.at.y);
        EXPECT_EQ(FDisplay->Cursor(), c.cursor) << c.at.x << "," << c.at.y;
    }
}

TEST_F(Input, CaptureSendsClientMessagesWhereverThePointerIs) {
    HWND form = Create(kFramed | WS_VISIBLE, { 100, 100, 300, 300 });
    HWND button = Create(WS_CHILD | WS_VISIBLE, { 10, 10, 50, 30 }, form,
                         [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                             if (m == WM_LBUTTONDOWN) SetCapture(h);
                             if (m == WM_LBUTTONUP) ReleaseCapture();
                             return std::nullopt;
                         });
    Pump();
    Move(120, 140);
    Press();
    ASSERT_EQ(GetCapture(), button);
    EXPECT_EQ(FDisplay->PointerGrab(), form);
    MessageSpy spy;
    Move(105, 110); // over the form's caption
    Move(500, 500); // outside every window
    Release();
    const auto records = spy.Records();
    std::vector<std::pair<HWND, UINT>> got;
    for (const auto& r : records)
        if (r.FMessage != WM_CAPTURECHANGED) got.emplace_back(r.FHwnd, r.FMessage);
    const std::vector<std::pair<HWND, UINT>> expected{ { button, WM_MOUSEMOVE },
                                                       { button, WM_MOUSEMOVE },
                                                       { button, WM_LBUTTONUP } };
    EXPECT_EQ(got, expected);
    // Client coordinates of the button, negative above and left of it.
    EXPECT_EQ(GET_X_LPARAM(records[0].FLParam), 105 - (100 + 4 + 10));
    EXPECT_EQ(GET_Y_LPARAM(records[0].FLParam), 110 - (100 + 22 + 10));
    EXPECT_EQ(GET_X_LPARAM(records[2].FLParam), 500 - 114);
    EXPECT_EQ(spy.Messages(button, { WM_CAPTURECHANGED }),
              (std::vector<UINT>{ WM_CAPTURECHANGED }));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(FDisplay->PointerGrab(), nullptr);
}

TEST_F(Input, DoubleClicksNeedTimeDistanceAndTheClassStyle) {
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 200, 200 });
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "NoDoubleClicks";
    RegisterClassEx(&wc);
    HWND plain = CreateWindowEx(0, "NoDoubleClicks", "", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100,
                                nullptr, nullptr, nullptr, nullptr);
    Pump();
    struct Case {
        const char* name;
        HWND target;
        POINT first;
        POINT second;
        std::uint64_t delay;
        UINT expected;
    };
    const Case cases[] = {
        { "quick and close", w, { 50, 50 }, { 52, 48 }, 200, WM_LBUTTONDBLCLK },
        { "at the time limit", w, { 50, 50 }, { 50, 50 }, 500, WM_LBUTTONDBLCLK },
        { "too slow", w, { 50, 50 }, { 50, 50 }, 501, WM_LBUTTONDOWN },
        { "too far", w, { 50, 50 }, { 53, 50 }, 100, WM_LBUTTONDOWN },
        { "class without CS_DBLCLKS", plain, { 350, 50 }, { 350, 50 }, 100, WM_LBUTTONDOWN },
    };
    for (const Case& c : cases) {
        FDisplay->Time().Advance(1000); // forget the previous case
        FDisplay->Click(c.first.x, c.first.y);
        Pump();
        FDisplay->Time().Advance(c.delay);
        MessageSpy spy;
        FDisplay->Click(c.second.x, c.second.y);
        Pump();
        EXPECT_EQ(spy.Messages(c.target, { WM_LBUTTONDOWN, WM_LBUTTONDBLCLK }),
                  (std::vector<UINT>{ c.expected }))
            << c.name;
    }
    // After a double click the next press starts over.
    MessageSpy spy;
    FDisplay->Click(50, 50);
    Pump();
    EXPECT_EQ(spy.Messages(w, { WM_LBUTTONDOWN, WM_LBUTTONDBLCLK }),
              (std::vector<UINT>{ WM_LBUTTONDOWN }));
    DestroyWindow(plain);
    UnregisterClass("NoDoubleClicks", nullptr);
}

TEST_F(Input, CaptionDoubleClickIsAFrameDoubleClick) {
    HWND w = Create(kFramed | WS_VISIBLE, { 0, 0, 200, 200 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                        // The form runs its own caption buttons: no move loop here.
                        if (m == WM_NCLBUTTONDOWN) return 0;
                        return std::nullopt;
                    });
    Pump();
    MessageSpy spy;
    FDisplay->Click(100, 10);
    FDisplay->Time().Advance(100);
    FDisplay->Click(100, 10);
    Pump();
    EXPECT_EQ(spy.Messages(w, { WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK }),
              (std::vector<UINT>{ WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK,
                                  WM_NCLBUTTONUP }));
}

TEST_F(Input, CaptionDragRunsTheMoveLoop) {
    std::vector<RECT> moving;
    HWND w = Create(kFramed | WS_VISIBLE, { 100, 100, 300, 250 }, nullptr,
                    [&](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_MOVING) {
                            auto* r = reinterpret_cast<RECT*>(l);
                            moving.push_back(*r);
                            // Snaps to the screen's left edge when close to it.
                            if (r->left < 20) OffsetRect(r, -r->left, 0);
                        }
                        return std::nullopt;
                    });
    Pump();
    MessageSpy spy;
    FDisplay->MoveMouse(150, 110);
    FDisplay->PressButton();
    FDisplay->MoveMouse(180, 130);
    FDisplay->MoveMouse(65, 130);
    FDisplay->ReleaseButton();
    Pump();
    const auto order = spy.Messages(
        w, { WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_EXITSIZEMOVE });
    EXPECT_EQ(order,
              (std::vector<UINT>{ WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVE,
                                  WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_EXITSIZEMOVE }));
    ASSERT_EQ(moving.size(), 2u);
    EXPECT_EQ(moving[0], (RECT{ 130, 120, 330, 270 }));
    EXPECT_EQ(moving[1], (RECT{ 15, 120, 215, 270 }));
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (RECT{ 0, 120, 200, 270 }));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, BorderDragSizesWithinTheTrackingLimits) {
    HWND w = Create(kFramed | WS_VISIBLE, { 100, 100, 400, 300 }, nullptr,
                    [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                        if (m == WM_GETMINMAXINFO) {
                            auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
                            mmi->ptMinTrackSize = POINT{ 250, 120 };
                            mmi->ptMaxTrackSize = POINT{ 350, 400 };
                            return 0;
                        }
                        return std::nullopt;
                    });
    Pump();
    struct Case {
        POINT grab;
        POINT to;
        UINT edge;
        RECT expected;
    };
    const Case cases[] = {
        { { 398, 200 }, { 200, 200 }, WMSZ_RIGHT, { 100, 100, 350, 300 } },
        { { 101, 200 }, { 0, 200 }, WMSZ_LEFT, { 0, 100, 350, 300 } },
        { { 200, 298 }, { 200, 500 }, WMSZ_BOTTOM, { 0, 100, 350, 500 } },
    };
    for (const Case& c : cases) {
        MessageSpy spy;
        FDisplay->MoveMouse(c.grab.x, c.grab.y);
        FDisplay->PressButton();
        FDisplay->MoveMouse(c.to.x, c.to.y);
        FDisplay->ReleaseButton();
        Pump();
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r, c.expected) << c.edge;
        const auto sizing = spy.Matching({ WM_SIZING });
        ASSERT_EQ(sizing.size(), 1u);
        EXPECT_EQ(sizing[0].FWParam, c.edge);
        EXPECT_EQ(spy.Messages(w, { WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, WM_SIZING }).front(),
                  WM_ENTERSIZEMOVE);
    }
}

TEST_F(Input, MoveLoopKeepsDispatchingAndEscapeRestores) {
    bool postedSeen = false;
    HWND w{};
    w = Create(kFramed | WS_VISIBLE, { 100, 100, 300, 250 }, nullptr,
               [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                   if (m == WM_MOVING && !postedSeen) PostMessage(h, WM_USER, 0, 0);
                   if (m == WM_USER) {
                       postedSeen = GetCapture() == h; // still inside the loop
                       FDisplay->PressKey(VK_ESCAPE);
                   }
                   return std::nullopt;
               });
    Pump();
    FDisplay->MoveMouse(150, 110);
    FDisplay->PressButton();
    FDisplay->MoveMouse(250, 210);
    Pump();
    EXPECT_TRUE(postedSeen);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (RECT{ 100, 100, 300, 250 }));
    EXPECT_EQ(GetCapture(), nullptr);
    FDisplay->ReleaseButton();
    FDisplay->ReleaseKey(VK_ESCAPE);
    Pump();
}

TEST_F(Input, ClickActivationFollowsWin32Order) {
    HWND a = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND b = Create(WS_POPUP | WS_VISIBLE, { 200, 0, 300, 100 });
    SetActiveWindow(a);
    Pump();
    ASSERT_EQ(GetActiveWindow(), a);
    ASSERT_EQ(GetFocus(), a);
    MessageSpy spy;
    FDisplay->Click(250, 50);
    Pump();
    std::vector<std::pair<HWND, UINT>> got;
    for (const auto& r : spy.Matching({ WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS,
                                        WM_SETFOCUS, WM_LBUTTONDOWN }))
        got.emplace_back(r.FHwnd, r.FMessage);
    const std::vector<std::pair<HWND, UINT>> expected{
        { b, WM_MOUSEACTIVATE }, { a, WM_NCACTIVATE }, { a, WM_ACTIVATE }, { b, WM_NCACTIVATE },
        { b, WM_ACTIVATE },      { a, WM_KILLFOCUS },  { b, WM_SETFOCUS }, { b, WM_LBUTTONDOWN },
    };
    EXPECT_EQ(got, expected);
    const auto activates = spy.Matching({ WM_ACTIVATE });
    EXPECT_EQ(LOWORD(activates[0].FWParam), WA_INACTIVE);
    EXPECT_EQ(LOWORD(activates[1].FWParam), WA_CLICKACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(activates[1].FLParam), a);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetTopWindow(nullptr), b);
}

TEST_F(Input, MouseActivateAnswersDecideActivationAndDelivery) {
    struct Case {
        LRESULT answer;
        bool activates;
        bool delivered;
    };
    const Case cases[] = { { MA_ACTIVATE, true, true },
                           { MA_NOACTIVATE, false, true },
                           { MA_ACTIVATEANDEAT, true, false },
                           { MA_NOACTIVATEANDEAT, false, false } };
    for (const Case& c : cases) {
        HWND a = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
        HWND b = Create(WS_POPUP | WS_VISIBLE, { 200, 0, 300, 100 }, nullptr,
                        [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_MOUSEACTIVATE) return c.answer;
                            return std::nullopt;
                        });
        SetActiveWindow(a);
        MessageSpy spy;
        FDisplay->Time().Advance(1000);
        FDisplay->Click(250, 50);
        Pump();
        EXPECT_EQ(GetActiveWindow() == b, c.activates) << c.answer;
        EXPECT_EQ(!spy.Messages(b, { WM_LBUTTONDOWN }).empty(), c.delivered) << c.answer;
        DestroyWindow(a);
        DestroyWindow(b);
    }
}

TEST_F(Input, ParentsHearOfPressesOnTheirChildren) {
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 300, 300 });
    HWND panel = Create(WS_CHILD | WS_VISIBLE, { 20, 20, 220, 220 }, form);
    HWND button = Create(WS_CHILD | WS_VISIBLE, { 10, 10, 60, 40 }, panel);
    HWND quiet =
        Create(WS_CHILD | WS_VISIBLE, { 100, 100, 150, 150 }, panel, {}, WS_EX_NOPARENTNOTIFY);
    Pump();
    MessageSpy spy;
    FDisplay->Click(35, 35);
    Pump();
    const auto notes = spy.Matching({ WM_PARENTNOTIFY });
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].FHwnd, panel);
    EXPECT_EQ(LOWORD(notes[0].FWParam), WM_LBUTTONDOWN);
    EXPECT_EQ(notes[0].FLParam, MAKELPARAM(15, 15)) << "in the panel's client coordinates";
    EXPECT_EQ(notes[1].FHwnd, form);
    EXPECT_EQ(notes[1].FLParam, MAKELPARAM(35, 35));
    EXPECT_EQ(spy.Messages(button, { WM_LBUTTONDOWN }).size(), 1u);
    spy.Clear();
    FDisplay->Time().Advance(1000);
    FDisplay->Click(130, 130);
    Pump();
    EXPECT_TRUE(spy.Matching({ WM_PARENTNOTIFY }).empty());
    EXPECT_EQ(spy.Messages(quiet, { WM_LBUTTONDOWN }).size(), 1u);
}

TEST_F(Input, WindowFromPointHonoursRegionsTransparencyAndDisabledChildren) {
    HWND below = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 200, 200 });
    HWND round = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 100, 100), TRUE);
    HWND ghost = Create(WS_POPUP | WS_VISIBLE, { 150, 150, 200, 200 }, nullptr, {},
                        WS_EX_TRANSPARENT | WS_EX_LAYERED);
    HWND disabled = Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, { 110, 10, 140, 40 }, below);
    HWND seeThrough = Create(WS_CHILD | WS_VISIBLE, { 110, 50, 140, 80 }, below,
                             [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                 if (m == WM_NCHITTEST) return HTTRANSPARENT;
                                 return std::nullopt;
                             });
    HWND under = Create(WS_CHILD | WS_VISIBLE, { 100, 45, 145, 85 }, below);
    // Created later, so above: move it below the see-through sibling.
    SetWindowPos(under, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    struct Case {
        POINT at;
        HWND expected;
    };
    const Case cases[] = {
        { { 50, 50 }, round },  { { 3, 3 }, below },    { { 175, 175 }, below },
        { { 120, 20 }, below }, { { 120, 60 }, under }, { { 500, 500 }, nullptr },
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowFromPoint(c.at), c.expected) << c.at.x << "," << c.at.y;
    EXPECT_TRUE(FDisplay->Native(ghost)->FInputTransparent);
    SetWindowLong(ghost, GWL_EXSTYLE, WS_EX_LAYERED);
    EXPECT_FALSE(FDisplay->Native(ghost)->FInputTransparent);
    EXPECT_EQ(WindowFromPoint(POINT{ 175, 175 }), ghost);
    EXPECT_EQ(ChildWindowFromPoint(below, POINT{ 120, 20 }), disabled);
    EXPECT_EQ(ChildWindowFromPoint(below, POINT{ 5, 150 }), below);
    EXPECT_EQ(ChildWindowFromPoint(below, POINT{ 500, 5 }), nullptr);
    (void)seeThrough;
}

TEST_F(Input, DisabledFormIgnoresClicks) {
    HWND owner = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND dialog = Create(WS_POPUP | WS_VISIBLE, { 200, 0, 300, 100 }, owner);
    EnableWindow(owner, FALSE);
    SetActiveWindow(dialog);
    MessageSpy spy;
    FDisplay->Click(50, 50);
    Pump();
    EXPECT_TRUE(spy.Messages(owner, { WM_LBUTTONDOWN, WM_MOUSEACTIVATE }).empty());
    const auto cursor = spy.Matching({ WM_SETCURSOR });
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(short(LOWORD(cursor[0].FLParam)), HTERROR);
    EXPECT_EQ(GetActiveWindow(), dialog);
}

TEST_F(Input, DisablingCancelsModeAndTakesCaptureAndFocus) {
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND edit = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 20 }, form);
    SetFocus(edit);
    SetCapture(edit);
    MessageSpy spy;
    EXPECT_FALSE(EnableWindow(edit, FALSE));
    EXPECT_EQ(spy.Messages(edit, { WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE }),
              (std::vector<UINT>{ WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE }));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(edit));
    EXPECT_TRUE(EnableWindow(edit, TRUE));
    EXPECT_TRUE(IsWindowEnabled(edit));
}

TEST_F(Input, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
    HWND form = Create(kFramed | WS_VISIBLE, { 0, 0, 200, 200 });
    HWND button = Create(WS_CHILD | WS_VISIBLE, { 10, 10, 60, 40 }, form);
    Pump();
    Move(30, 45); // over the button: client (10+4.., 10+22..)
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = button;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    MessageSpy spy;
    Move(35, 45);
    EXPECT_TRUE(spy.Messages(button, { WM_MOUSELEAVE }).empty());
    Move(150, 150);
    Move(160, 150);
    EXPECT_EQ(spy.Messages(button, { WM_MOUSELEAVE }), (std::vector<UINT>{ WM_MOUSELEAVE }));

    // Frame tracking ends when the pointer goes from the frame into the client area.
    Move(100, 10);
    tme.dwFlags = TME_LEAVE | TME_NONCLIENT;
    tme.hwndTrack = form;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    spy.Clear();
    Move(100, 100);
    EXPECT_EQ(spy.Messages(form, { WM_NCMOUSELEAVE, WM_MOUSELEAVE }),
              (std::vector<UINT>{ WM_NCMOUSELEAVE }));
}

TEST_F(Input, KeysGoToTheFocusAndTranslateIntoCharacters) {
    std::vector<std::pair<UINT, WPARAM>> keys;
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND edit = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 20 }, form,
                       [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
                           if (m == WM_KEYDOWN || m == WM_CHAR || m == WM_KEYUP)
                               keys.emplace_back(m, w);
                           return std::nullopt;
                       });
    SetFocus(edit);
    FDisplay->TypeKey('A', "a");
    FDisplay->TypeKey(0xE5, "视频");
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    const std::vector<std::pair<UINT, WPARAM>> expected{
        { WM_KEYDOWN, 'A' }, { WM_CHAR, 'a' },        { WM_KEYUP, 'A' },  { WM_KEYDOWN, 0xE5 },
        { WM_CHAR, 0x89C6 }, { WM_CHAR, 0x9891 },     { WM_KEYUP, 0xE5 }, { WM_KEYDOWN, VK_RETURN },
        { WM_CHAR, '\r' },   { WM_KEYUP, VK_RETURN },
    };
    EXPECT_EQ(keys, expected);
    FDisplay->PressKey(VK_SHIFT);
    Pump();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
    FDisplay->ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
}

TEST_F(Input, AltF4ClosesTheFormAndALoneAltOpensItsMenu) {
    std::vector<WPARAM> commands;
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 }, nullptr,
                       [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
                           if (m == WM_SYSCOMMAND) commands.push_back(w & 0xFFF0);
                           return std::nullopt;
                       });
    HWND edit = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 20 }, form);
    SetFocus(edit);
    FDisplay->PressKey(VK_MENU);
    FDisplay->ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(commands, (std::vector<WPARAM>{ SC_KEYMENU }));
    EXPECT_TRUE(IsWindow(form));
    MessageSpy spy;
    FDisplay->PressKey(VK_MENU);
    FDisplay->PressKey(VK_F4);
    Pump();
    EXPECT_EQ(spy.Messages(edit, { WM_SYSKEYDOWN }).size(), 2u);
    EXPECT_EQ(commands, (std::vector<WPARAM>{ SC_KEYMENU, SC_CLOSE }));
    EXPECT_FALSE(IsWindow(form));
    FDisplay->ReleaseKey(VK_F4);
    FDisplay->ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(commands.size(), 2u) << "Alt with another key is no menu key";
}

TEST_F(Input, AltSpaceAsksForTheMenuWithTheCharacter) {
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 }, nullptr,
                       [&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
                           if (m == WM_SYSCOMMAND) commands.emplace_back(w & 0xFFF0, l);
                           return std::nullopt;
                       });
    SetFocus(form);
    FDisplay->PressKey(VK_MENU);
    FDisplay->TypeKey(VK_SPACE, " ");
    FDisplay->ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(commands, (std::vector<std::pair<WPARAM, LPARAM>>{ { SC_KEYMENU, ' ' } }));
}

TEST_F(Input, SetFocusActivatesTheTopLevelWindowFirst) {
    HWND a = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND b = Create(WS_POPUP | WS_VISIBLE, { 200, 0, 300, 100 });
    HWND edit = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 20 }, a);
    SetActiveWindow(b);
    MessageSpy spy;
    EXPECT_EQ(SetFocus(edit), b);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), edit);
    const auto set = spy.Matching({ WM_SETFOCUS });
    ASSERT_FALSE(set.empty());
    EXPECT_EQ(set.back().FHwnd, edit);
    EXPECT_EQ(reinterpret_cast<HWND>(set.back().FWParam), a)
        << "activation gave the form the focus first";
    // Hiding the active form hands activation to the next one.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(Input, WheelGoesToTheFocus) {
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 100, 100 });
    HWND list = Create(WS_CHILD | WS_VISIBLE, { 0, 0, 50, 50 }, form);
    SetFocus(list);
    MessageSpy spy;
    FDisplay->MoveMouse(80, 80);
    FDisplay->Wheel(-WHEEL_DELTA);
    Pump();
    const auto wheel = spy.Matching({ WM_MOUSEWHEEL });
    ASSERT_GE(wheel.size(), 1u);
    EXPECT_EQ(wheel[0].FHwnd, list);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].FWParam), -WHEEL_DELTA);
    EXPECT_EQ(GET_X_LPARAM(wheel[0].FLParam), 80);
}

TEST_F(Input, MenuModeEndsWithAPressOutsideTheProgram) {
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 200, 200 });
    HWND menu = Create(WS_POPUP | WS_VISIBLE, { 50, 50, 150, 150 }, form, {}, WS_EX_TOOLWINDOW);
    Pump();
    SetMenuMode(form);
    EXPECT_EQ(FDisplay->MenuGrab(), form);
    MessageSpy spy;
    FDisplay->Click(100, 100); // on the menu
    FDisplay->Time().Advance(1000);
    FDisplay->Click(10, 10); // on the form
    Pump();
    EXPECT_TRUE(spy.Matching({ WM_CANCELMODE }).empty());
    FDisplay->Time().Advance(1000);
    FDisplay->Click(600, 600); // the desktop or another program
    Pump();
    const auto cancels = spy.Matching({ WM_CANCELMODE });
    ASSERT_EQ(cancels.size(), 1u);
    EXPECT_EQ(cancels[0].FHwnd, form);
    SetMenuMode(nullptr);
    EXPECT_EQ(FDisplay->MenuGrab(), nullptr);
    FDisplay->Time().Advance(1000);
    FDisplay->Click(600, 600);
    Pump();
    EXPECT_EQ(spy.Matching({ WM_CANCELMODE }).size(), 1u);
    (void)menu;
}

TEST_F(Input, ContextMenusAreAskedForByTheRightButtonTheMenuKeyAndShiftF10) {
    // The child shows no menu of its own: its parent is asked in its place.
    std::vector<std::pair<HWND, LPARAM>> asked;
    std::vector<WPARAM> commands;
    HWND form = Create(WS_POPUP | WS_VISIBLE, { 100, 100, 300, 300 }, nullptr,
                       [&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
                           if (m == WM_CONTEXTMENU) asked.emplace_back(HWND(w), l);
                           if (m == WM_SYSCOMMAND) commands.push_back(w & 0xFFF0);
                           return std::nullopt;
                       });
    HWND edit = Create(WS_CHILD | WS_VISIBLE, { 10, 20, 110, 60 }, form);
    SetFocus(edit);
    MessageSpy spy;
    FDisplay->Click(150, 130, MouseButton::Right);
    Pump();
    const auto order = spy.Messages(edit, { WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU });
    EXPECT_EQ(order, (std::vector<UINT>{ WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU }));
    const LPARAM keyboard = MAKELPARAM(0xFFFF, 0xFFFF);
    FDisplay->TypeKey(VK_APPS);
    FDisplay->PressKey(VK_SHIFT);
    FDisplay->TypeKey(VK_F10);
    FDisplay->ReleaseKey(VK_SHIFT);
    Pump();
    const std::vector<std::pair<HWND, LPARAM>> expected{ { edit, MAKELPARAM(150, 130) },
                                                         { edit, keyboard },
                                                         { edit, keyboard } };
    EXPECT_EQ(asked, expected);
    EXPECT_TRUE(commands.empty()) << "Shift+F10 opens no menu bar";
    // F10 alone still opens the menu bar.
    FDisplay->TypeKey(VK_F10);
    Pump();
    EXPECT_EQ(asked.size(), expected.size());
    EXPECT_EQ(commands, (std::vector<WPARAM>{ SC_KEYMENU }));
}

} // namespace
} // namespace wintest
