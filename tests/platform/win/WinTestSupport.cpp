#include "WinTestSupport.h"
#include "platform/win/WindowSystem.h"

namespace wintest {

namespace {

LRESULT TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* handler = reinterpret_cast<Handler*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (handler && *handler) {
        if (auto result = (*handler)(hwnd, msg, wParam, lParam)) return *result;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

void WinTest::SetUp() {
    auto display = std::make_unique<HeadlessBackend>();
    FDisplay = display.get();
    InstallBackend(std::move(display));
    WNDCLASSEX wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TestProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "TestWnd";
    RegisterClassEx(&wc);
}

void WinTest::TearDown() {
    Pump();
    for (const auto& w : WindowSystem::Instance().AllWindows())
        DestroyWindow(w->FHandle);
    ReleaseCapture();
    Pump();
    UnregisterClass("TestWnd", nullptr);
    InstallBackend(nullptr);
}

HWND WinTest::Create(DWORD style, RECT b, HWND parent, Handler handler, DWORD exStyle,
                     const char* text) {
    FHandlers.push_back(std::make_unique<Handler>(std::move(handler)));
    return CreateWindowEx(exStyle, "TestWnd", text, style, b.left, b.top, b.right - b.left,
                          b.bottom - b.top, parent, nullptr, nullptr, FHandlers.back().get());
}

void WinTest::Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace wintest
