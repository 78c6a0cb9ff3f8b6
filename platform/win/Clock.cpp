#include "platform/win/Clock.h"
#include <chrono>

namespace win {

std::uint64_t SteadyClock::NowMs() const {
    using namespace std::chrono;
    return std::uint64_t(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::uint64_t FakeClock::NowMs() const {
    std::lock_guard lock(FMutex);
    return FNow;
}

void FakeClock::Advance(std::uint64_t ms) {
    {
        std::lock_guard lock(FMutex);
        FNow += ms;
    }
    if (OnAdvance) OnAdvance();
}

} // namespace win
