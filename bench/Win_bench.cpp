// bench-libraries: win
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include <benchmark/benchmark.h>

// Goals: SendMessage round trip under 1 us; a posted message dispatched within 50 us; a full
// repaint of an 800x600 window holding 100 child windows under 5 ms on the headless display.
namespace {

using namespace win;

LRESULT Answer(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) return LRESULT(w + 1);
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

// A headless display with one registered class, for the life of one benchmark.
struct Desk {
    Desk() {
        InstallBackend(std::make_unique<HeadlessBackend>());
        WNDCLASSEX wc;
        wc.lpfnWndProc = Answer;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "BenchWnd";
        RegisterClassEx(&wc);
    }
    ~Desk() {
        for (HWND h = GetTopWindow(nullptr); h; h = GetTopWindow(nullptr))
            DestroyWindow(h);
        ProcessPendingMessages();
        UnregisterClass("BenchWnd", nullptr);
        InstallBackend(nullptr);
    }
    HWND Make(DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
        return CreateWindowEx(0, "BenchWnd", "", style, x, y, w, h, parent, nullptr, nullptr,
                              nullptr);
    }
};

void SendMessageRoundTrip(benchmark::State& state) {
    Desk desk;
    HWND w = desk.Make(WS_POPUP, 0, 0, 10, 10);
    WPARAM n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(n = WPARAM(SendMessage(w, WM_USER, n, 0)));
}
BENCHMARK(SendMessageRoundTrip);

void PostedMessageDispatch(benchmark::State& state) {
    Desk desk;
    HWND w = desk.Make(WS_POPUP, 0, 0, 10, 10);
    MSG msg;
    for (auto _ : state) {
        PostMessage(w, WM_USER, 0, 0);
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        benchmark::DoNotOptimize(DispatchMessage(&msg));
    }
}
BENCHMARK(PostedMessageDispatch);

void RepaintWindowOfHundredChildren(benchmark::State& state) {
    Desk desk;
    HWND form = desk.Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800, 600);
    for (int i = 0; i < 100; ++i)
        desk.Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, (i % 10) * 80, (i / 10) * 60, 76, 56,
                  form);
    ProcessPendingMessages();
    for (auto _ : state) {
        RedrawWindow(form, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ProcessPendingMessages();
    }
}
BENCHMARK(RepaintWindowOfHundredChildren)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
