#pragma once
#include <chrono>
#include <functional>

namespace x11test {

// Runs the window system's event loop and the main thread's queued calls until done() holds;
// false when it still did not after the watchdog (a generous 30 seconds unless given).
bool RunUntil(const std::function<bool()>& done,
              std::chrono::milliseconds watchdog = std::chrono::seconds(30));

// While one lives, RunUntil takes the queued messages through the program's own loop (pump,
// for instance its application's), so that what that loop does before dispatching (message
// filters such as an open menu's key hook, hints) happens as in the running program; without
// one, the window system's plain dispatch takes them.
class ProgramLoop {
public:
    explicit ProgramLoop(std::function<void()> pump);
    ~ProgramLoop();
    ProgramLoop(const ProgramLoop&) = delete;
    ProgramLoop& operator=(const ProgramLoop&) = delete;

private:
    std::function<void()> FPrevious;
};

} // namespace x11test
