#include "Src/MyUtils/MainThreadCalls.h"

#include "platform/rtl/MainThread.h"
#include "platform/win/Messaging.h"

std::uint32_t CurrentThreadId() {
    return win::GetCurrentThreadId();
}

void CallInMainThread(const std::function<void()>& method) {
    SynchronizeWithMainThread(method);
}

void PumpMessages() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
}
