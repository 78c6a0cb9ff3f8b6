#include "platform/forms/TTimer.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

using namespace win;

namespace {
constexpr const char* kTimerClass = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (FWindow && IsWindow(FWindow)) {
        KillTimer(FWindow, kTimerId);
        SetWindowLongPtr(FWindow, GWLP_USERDATA, 0);
        DestroyWindow(FWindow);
    }
}

LRESULT TTimer::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    if (msg == WM_TIMER) {
        if (auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtr(hwnd, GWLP_USERDATA))) {
            try {
                timer->Timer();
            } catch (...) {
                HandleException();
            }
        }
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == FInterval) return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::Timer() {
    if (FOnTimer) FOnTimer(this);
}

void TTimer::UpdateTimer() {
    if (FWindow && IsWindow(FWindow)) KillTimer(FWindow, kTimerId);
    if (!FEnabled || FInterval == 0 || !FOnTimer) return;
    if (!FWindow || !IsWindow(FWindow)) {
        WNDCLASSEX existing;
        if (!GetClassInfoEx(nullptr, kTimerClass, &existing)) {
            WNDCLASSEX wc;
            wc.lpfnWndProc = WindowProc;
            wc.lpszClassName = kTimerClass;
            RegisterClassEx(&wc);
        }
        FWindow =
            CreateWindowEx(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, this);
    }
    if (!FWindow || !SetTimer(FWindow, kTimerId, FInterval, nullptr))
        throw EOutOfResources("Not enough timers available");
}
