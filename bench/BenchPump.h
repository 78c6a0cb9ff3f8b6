#pragma once
// Runs the queued messages and main-thread calls, as the program's event loop does, for
// benchmarks that drive the program's windows without its loop.
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"

inline void PumpBenchMessages() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
    while (CheckSynchronize(0)) {}
}
