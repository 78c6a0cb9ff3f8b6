#include "WinTestSupport.h"
#include "platform/gfx/PngCodec.h"
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace wintest {
namespace {

using Painting = WinTest;

constexpr gfx::Pixel Colour(COLORREF c) {
    // Colour drawing writes alpha 0, as GDI does into 32-bit surfaces.
    return gfx::MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), 0);
}

// Fills what it paints with one colour.
Handler PaintsWith(COLORREF colour, int* paints = nullptr) {
    return [colour, paints](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT all;
        GetClientRect(h, &all);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        EndPaint(h, &ps);
        if (paints) ++*paints;
        return 0;
    };
}

TEST_F(Painting, ShowPaintsFrameThenBackgroundThenClientParentsFirst) {
    MessageSpy spy;
    HWND form = Create(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, { 0, 0, 200, 150 });
    HWND child = Create(WS_CHILD | WS_VISIBLE, { 10, 10, 60, 40 }, form);
    Pump();
    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& r : spy.Matching({ WM_NCPAINT, WM_ERASEBKGND, WM_PAINT }))
        order.emplace_back(r.FHwnd, r.FMessage);
    const std::vector<std::pair<HWND, UINT>> expected{
        { form, WM_NCPAINT },  { form, WM_ERASEBKGND },  { form, WM_PAINT },
        { child, WM_NCPAINT }, { child, WM_ERASEBKGND }, { child, WM_PAINT },
    };
    EXPECT_EQ(order, expected);
    const gfx::Surface* buffer = WindowBackBuffer(form);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->Width(), 200);
    // The class brush (the window colour) erased the client area.
    EXPECT_EQ(buffer->At(100, 100), Colour(GetSysColor(COLOR_WINDOW)));
    // The default frame is drawn in the face colour, the caption in the caption colour.
    EXPECT_EQ(buffer->At(2, 100), Colour(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(buffer->At(100, 10), Colour(GetSysColor(COLOR_ACTIVECAPTION)));
    Pump();
    EXPECT_EQ(spy.Matching({ WM_PAINT }).size(), 2u) << "painting validated the windows";
}

TEST_F(Painting, DefaultCaptionShowsTheTitleAndFollowsItsChanges) {
    HWND form = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, { 0, 0, 200, 150 });
    Pump();
    const gfx::Surface* buffer = WindowBackBuffer(form);
    ASSERT_NE(buffer, nullptr);
    POINT origin{ 0, 0 };
    ClientToScreen(form, &origin);
    RECT window;
    GetWindowRect(form, &window);
    const int captionBottom = origin.y - window.top;
    const auto textPixels = [&] {
        // Glyphs are smoothed: count every pixel of the bar that left the caption colour.
        int count = 0;
        const gfx::Pixel bar = Colour(GetSysColor(COLOR_ACTIVECAPTION));
        for (int y = 4; y < captionBottom - 2; ++y)
            for (int x = 4; x < buffer->Width() - 4; ++x)
                if (buffer->At(x, y) != bar) ++count;
        return count;
    };
    EXPECT_EQ(textPixels(), 0) << "an untitled caption is plain";
    SetWindowText(form, "Converter 转换器");
    Pump();
    EXPECT_GT(textPixels(), 100) << "the title is drawn into the caption bar";
}

TEST_F(Painting, BeginPaintClipsToTheUpdateRegionAndPresents) {
    const COLORREF red = RGB(255, 0, 0);
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 50, 50, 150, 150 });
    Pump();
    SetWindowLongPtr(w, GWLP_USERDATA, 0); // from now on painting is done by the spy below
    RECT painted{};
    SetWindowSubclass(
        w,
        [&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m != WM_PAINT) return DefSubclassProc(h, m, wp, lp);
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            painted = ps.rcPaint;
            RECT all{ 0, 0, 100, 100 };
            HBRUSH brush = CreateSolidBrush(red);
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            EndPaint(h, &ps);
            return 0;
        },
        1);
    const RECT dirty{ 10, 20, 30, 40 };
    const int presentsBefore = FDisplay->Native(w)->FPresentCount;
    InvalidateRect(w, &dirty, FALSE);
    Pump();
    EXPECT_EQ(painted, dirty);
    const gfx::Surface* buffer = WindowBackBuffer(w);
    EXPECT_EQ(buffer->At(15, 25), Colour(red));
    EXPECT_NE(buffer->At(5, 25), Colour(red));
    EXPECT_NE(buffer->At(30, 25), Colour(red));
    EXPECT_GT(FDisplay->Native(w)->FPresentCount, presentsBefore);
    EXPECT_EQ(FDisplay->Native(w)->FPresented.At(15, 25), Colour(red));
}

TEST_F(Painting, DrawingOutsidePaintShowsWhenTheDcIsReleased) {
    HWND w = Create(WS_POPUP | WS_BORDER | WS_VISIBLE, { 0, 0, 60, 60 });
    Pump();
    const COLORREF blue = RGB(0, 0, 255);
    HDC dc = GetWindowDC(w);
    RECT frame{ 0, 0, 60, 60 };
    HBRUSH brush = CreateSolidBrush(blue);
    FillRect(dc, &frame, brush);
    DeleteObject(brush);
    EXPECT_NE(FDisplay->Native(w)->FPresented.At(0, 0), Colour(blue));
    ReleaseDC(w, dc);
    // A window DC covers the frame; the one-pixel border is at (0,0).
    EXPECT_EQ(FDisplay->Native(w)->FPresented.At(0, 0), Colour(blue));
    EXPECT_EQ(FDisplay->Native(w)->FPresented.At(30, 30), Colour(blue));
}

TEST_F(Painting, ChildReachingPastTheClientEdgeLeavesTheFramePaintable) {
    // A scrolled child hangs over the client edge; only its part inside the client is its own.
    HWND w = Create(WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | WS_VISIBLE, { 0, 0, 60, 60 });
    Create(WS_CHILD | WS_VISIBLE, { -10, -10, 100, 30 }, w, PaintsWith(RGB(0, 255, 0)));
    Pump();
    const COLORREF blue = RGB(0, 0, 255);
    HDC dc = GetWindowDC(w);
    RECT all{ 0, 0, 60, 60 };
    HBRUSH brush = CreateSolidBrush(blue);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(w, dc);
    const gfx::Surface* buffer = WindowBackBuffer(w);
    EXPECT_EQ(buffer->At(0, 0), Colour(blue)) << "the border under the child";
    EXPECT_EQ(buffer->At(30, 0), Colour(blue));
    EXPECT_EQ(buffer->At(59, 10), Colour(blue));
    EXPECT_EQ(buffer->At(10, 10), Colour(RGB(0, 255, 0))) << "the child's own part";
    EXPECT_EQ(buffer->At(30, 40), Colour(blue));
}

TEST_F(Painting, ClientDcsClipChildrenAndSiblingsWhenAsked) {
    struct Case {
        DWORD parentStyle;
        DWORD siblingStyle;
        bool childCovered;
        bool siblingCovered;
    };
    const Case cases[] = { { 0, 0, true, true },
                           { WS_CLIPCHILDREN, 0, false, false },
                           { WS_CLIPCHILDREN, WS_CLIPSIBLINGS, false, false } };
    const COLORREF green = RGB(0, 255, 0), grey = RGB(128, 128, 128);
    for (const Case& c : cases) {
        HWND form = Create(WS_POPUP | WS_VISIBLE | c.parentStyle, { 0, 0, 100, 100 });
        HWND lower = Create(WS_CHILD | WS_VISIBLE | c.siblingStyle, { 10, 10, 50, 50 }, form);
        HWND upper = Create(WS_CHILD | WS_VISIBLE, { 30, 30, 70, 70 }, form);
        Pump();
        // The lower sibling paints over the upper one only without WS_CLIPSIBLINGS.
        HDC dc = GetDC(lower);
        RECT r{ 0, 0, 40, 40 };
        HBRUSH brush = CreateSolidBrush(grey);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        ReleaseDC(lower, dc);
        const gfx::Surface* buffer = WindowBackBuffer(form);
        EXPECT_EQ(buffer->At(40, 40) == Colour(grey), !(c.siblingStyle & WS_CLIPSIBLINGS));
        dc = GetDC(form);
        RECT all{ 0, 0, 100, 100 };
        brush = CreateSolidBrush(green);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(form, dc);
        EXPECT_EQ(buffer->At(5, 5), Colour(green));
        EXPECT_EQ(buffer->At(20, 20) == Colour(green), c.childCovered);
        EXPECT_EQ(buffer->At(60, 60) == Colour(green), c.siblingCovered);
        DestroyWindow(form);
        (void)upper;
    }
}

TEST_F(Painting, ValidateAndUpdateWindowControlWmPaint) {
    int paints = 0;
    HWND w =
        Create(WS_POPUP | WS_VISIBLE, { 0, 0, 50, 50 }, nullptr, PaintsWith(RGB(1, 2, 3), &paints));
    Pump();
    ASSERT_EQ(paints, 1);
    InvalidateRect(w, nullptr, TRUE);
    ValidateRect(w, nullptr);
    Pump();
    EXPECT_EQ(paints, 1);
    RECT part{ 0, 0, 10, 10 };
    InvalidateRect(w, &part, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_EQ(update, part);
    UpdateWindow(w);
    EXPECT_EQ(paints, 2) << "UpdateWindow paints at once";
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
    Pump();
    EXPECT_EQ(paints, 2);
    // A hidden window is not painted until it shows.
    ShowWindow(w, SW_HIDE);
    InvalidateRect(w, nullptr, FALSE);
    Pump();
    EXPECT_EQ(paints, 2);
    ShowWindow(w, SW_SHOWNA);
    Pump();
    EXPECT_EQ(paints, 3);
}

TEST_F(Painting, WindowRegionShapesPaintingAndTheDisplay) {
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 40, 40 });
    Pump();
    EXPECT_EQ(SetWindowRgn(w, CreateEllipticRgn(0, 0, 40, 40), TRUE), 1);
    ASSERT_TRUE(FDisplay->Native(w)->FShape.has_value());
    EXPECT_FALSE(FDisplay->Native(w)->FShape->Contains(0, 0));
    EXPECT_TRUE(FDisplay->Native(w)->FShape->Contains(20, 20));
    const COLORREF pink = RGB(255, 0, 255);
    HDC dc = GetWindowDC(w);
    RECT all{ 0, 0, 40, 40 };
    HBRUSH brush = CreateSolidBrush(pink);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(w, dc);
    const gfx::Surface* buffer = WindowBackBuffer(w);
    EXPECT_EQ(buffer->At(20, 20), Colour(pink));
    EXPECT_NE(buffer->At(0, 0), Colour(pink));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(w, copy), 0);
    EXPECT_TRUE(PtInRegion(copy, 20, 20));
    DeleteObject(copy);
    SetWindowRgn(w, nullptr, TRUE);
    EXPECT_FALSE(FDisplay->Native(w)->FShape.has_value());
}

// Gives the layered window a 4 x 4 picture of one colour with per-pixel alpha, at `at` when
// given, from a 32-bit memory bitmap.
BOOL UpdateLayeredFromSolid(HWND hwnd, const POINT* at, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{ 0, 0, 4, 4 };
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SIZE size{ 4, 4 };
    POINT origin{};
    BLENDFUNCTION blend{ AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    const BOOL done = UpdateLayeredWindow(hwnd, screen, at, at ? &size : nullptr, memory, &origin,
                                          0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return done;
}

TEST_F(Painting, LayeredWindowsNeedTheStyleAndFollowTheCompositor) {
    HWND plain = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 10, 10 });
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA));
    HWND glow = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 4, 4 }, nullptr, {}, WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributes(glow, 0, 128, LWA_ALPHA));
    EXPECT_EQ(FDisplay->Native(glow)->FAlpha, 128);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(glow, nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 128);

    // Per-pixel alpha from a 32-bit memory bitmap.
    POINT at{ 100, 200 };
    EXPECT_TRUE(UpdateLayeredFromSolid(glow, &at, RGB(10, 20, 30)));
    RECT r;
    GetWindowRect(glow, &r);
    EXPECT_EQ(r, (RECT{ 100, 200, 104, 204 }));
    EXPECT_TRUE(FDisplay->Native(glow)->FPerPixelAlpha);
    EXPECT_EQ(FDisplay->Native(glow)->FPresented.At(1, 1), Colour(RGB(10, 20, 30)));

    // Dropping WS_EX_LAYERED makes the window opaque again.
    SetWindowLong(glow, GWL_EXSTYLE, GetWindowLong(glow, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    EXPECT_EQ(FDisplay->Native(glow)->FAlpha, 255);
    EXPECT_FALSE(FDisplay->Native(glow)->FPerPixelAlpha);

    EXPECT_TRUE(LayeredWindowsAvailable());
    FDisplay->SetCompositor(false);
    EXPECT_FALSE(LayeredWindowsAvailable());
}

// A window given its picture by UpdateLayeredWindow keeps showing it when it is painted: its
// paint would otherwise cover the picture's clear parts with an opaque background.
TEST_F(Painting, PaintsDoNotDrawOverTheLayeredPicture) {
    HWND glow = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 4, 4 }, nullptr, PaintsWith(RGB(0, 200, 0)),
                       WS_EX_LAYERED);
    Pump();
    ASSERT_TRUE(UpdateLayeredFromSolid(glow, nullptr, RGB(10, 20, 30)));

    InvalidateRect(glow, nullptr, TRUE);
    Pump();
    EXPECT_EQ(FDisplay->Native(glow)->FPresented.At(1, 1), Colour(RGB(10, 20, 30)));
    // Layered by a constant opacity only, it shows its paints again.
    SetLayeredWindowAttributes(glow, 0, 255, LWA_ALPHA);
    InvalidateRect(glow, nullptr, TRUE);
    Pump();
    EXPECT_EQ(FDisplay->Native(glow)->FPresented.At(1, 1), Colour(RGB(0, 200, 0)));
}

TEST_F(Painting, ScreenAndWindowDumpAsPng) {
    HWND w = Create(WS_POPUP | WS_VISIBLE, { 10, 10, 30, 30 }, nullptr, PaintsWith(RGB(0, 200, 0)));
    Pump();
    const gfx::Surface screen = FDisplay->ComposeScreen();
    EXPECT_EQ(gfx::PixelG(screen.At(15, 15)), 200);
    EXPECT_EQ(gfx::PixelG(screen.At(5, 5)), 0);
    char path[] = "/tmp/win-dumpXXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    ASSERT_TRUE(HeadlessBackend::SavePng(*WindowBackBuffer(w), path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in), {} };
    std::remove(path);
    const gfx::DecodedImage image = gfx::PngCodec::Decode(bytes);
    EXPECT_EQ(image.Pixels.Width(), 20);
    EXPECT_EQ(gfx::PixelG(image.Pixels.At(5, 5)), 200);
}

TEST_F(Painting, MonitorsAndWorkAreas) {
    FDisplay->SetMonitors(
        { MonitorArea{ { 0, 0, 1280, 1024 }, { 0, 0, 1280, 984 }, true },
          MonitorArea{ { 1280, 0, 3200, 1080 }, { 1280, 30, 3200, 1080 }, false } });
    HWND left = Create(WS_POPUP, { 100, 100, 300, 300 });
    HWND right = Create(WS_POPUP, { 1200, 100, 1600, 300 }); // mostly on the second
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(left, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(right, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcWork, (RECT{ 1280, 30, 3200, 1080 }));
    EXPECT_EQ(MonitorFromPoint(POINT{ -500, 10 }, MONITOR_DEFAULTTONULL), nullptr);
    ASSERT_TRUE(
        GetMonitorInfo(MonitorFromPoint(POINT{ 5000, 10 }, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor.left, 1280);
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (RECT{ 0, 0, 1280, 984 }));
    BOOL fullDrag = FALSE;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    EXPECT_TRUE(fullDrag);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(desktop, (RECT{ 0, 0, 1280, 1024 })) << "the desktop window is the primary monitor";
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
    // Maximizing uses the work area of the window's own monitor.
    ShowWindow(right, SW_SHOWMAXIMIZED);
    RECT r;
    GetWindowRect(right, &r);
    EXPECT_EQ(r, (RECT{ 1280, 30, 3200, 1080 }));
    // A changed monitor set is announced to every top-level window.
    MessageSpy spy;
    FDisplay->SetMonitors({ MonitorArea{ { 0, 0, 1920, 1080 }, { 0, 0, 1920, 1040 }, true } });
    const auto changes = spy.Matching({ WM_DISPLAYCHANGE });
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].FLParam, MAKELPARAM(1920, 1080));
}

} // namespace
} // namespace wintest
