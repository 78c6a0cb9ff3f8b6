#include "EventLoop.h"

#include "platform/rtl/MainThread.h"
#include "platform/win/Backend.h"
#include "platform/win/Clock.h"
#include "platform/win/Messaging.h"

#include <chrono>

namespace x11test {

bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds watchdog) {
    const auto deadline = std::chrono::steady_clock::now() + watchdog;
    while (std::chrono::steady_clock::now() < deadline) {
        win::ProcessPendingMessages();
        CheckSynchronize(0);
        if (done()) return true;
        win::CurrentBackend().WaitEvents(win::CurrentBackend().GetClock().NowMs() + 20);
    }
    return false;
}

} // namespace x11test
