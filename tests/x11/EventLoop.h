#pragma once
#include <chrono>
#include <functional>

namespace x11test {

// Runs the window system's event loop and the main thread's queued calls until done() holds;
// false when it still did not after the watchdog (a generous 30 seconds unless given).
bool RunUntil(const std::function<bool()>& done,
              std::chrono::milliseconds watchdog = std::chrono::seconds(30));

} // namespace x11test
