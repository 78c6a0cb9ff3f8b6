#pragma once
#include <cstdint>
#include <functional>

std::uint32_t CurrentThreadId();

// Runs method on the main thread, the caller waiting until it has returned; on the main thread
// it runs at once.
void CallInMainThread(const std::function<void()>& method);

// Dispatches every pending window message of the calling thread; a WM_QUIT is taken off and
// dropped so that a waiting loop does not end the program's event loop.
void PumpMessages();
