#pragma once
#include <cstdint>
#include <functional>
#include <mutex>

namespace win {

// The millisecond clock behind timers, message times and double-click detection. The headless
// back end replaces it with a FakeClock that tests advance by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMs() const = 0;
};

class SteadyClock : public Clock {
public:
    std::uint64_t NowMs() const override;
};

// Time stands still until Advance; OnAdvance lets a waiting event loop notice that timers may
// have come due.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::uint64_t startMs = 1000) : FNow(startMs) {}

    std::uint64_t NowMs() const override;
    void Advance(std::uint64_t ms);

    std::function<void()> OnAdvance;

private:
    mutable std::mutex FMutex;
    std::uint64_t FNow;
};

} // namespace win
