#include "EventLoop.h"

#include "platform/rtl/MainThread.h"
#include "platform/win/Backend.h"
#include "platform/win/Clock.h"
#include "platform/win/Messaging.h"

#include <chrono>
#include <utility>

namespace x11test {
namespace {

std::function<void()>& Pump() {
    static std::function<void()> pump;
    return pump;
}

} // namespace

bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds watchdog) {
    const auto deadline = std::chrono::steady_clock::now() + watchdog;
    while (std::chrono::steady_clock::now() < deadline) {
        if (Pump())
            Pump()();
        else
            win::ProcessPendingMessages();
        CheckSynchronize(0);
        if (done()) return true;
        win::CurrentBackend().WaitEvents(win::CurrentBackend().GetClock().NowMs() + 20);
    }
    return false;
}

ProgramLoop::ProgramLoop(std::function<void()> pump)
    : FPrevious(std::exchange(Pump(), std::move(pump))) {}

ProgramLoop::~ProgramLoop() {
    Pump() = std::move(FPrevious);
}

} // namespace x11test
