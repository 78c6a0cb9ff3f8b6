#pragma once
#include <functional>

namespace x11test {

// Runs the window system's event loop and the main thread's queued calls until done() holds;
// false when it still did not after a generous watchdog (30 seconds).
bool RunUntil(const std::function<bool()>& done);

} // namespace x11test
