#include "platform/rtl/Clock.h"

#include <cerrno>
#include <ctime>

namespace win {

namespace {

timespec Monotonic() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now;
}

} // namespace

void Sleep(DWORD milliseconds) {
    timespec rest{ time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L };
    while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {}
}

std::uint64_t GetTickCount64() {
    const timespec now = Monotonic();
    return std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
}

DWORD GetTickCount() {
    return DWORD(GetTickCount64());
}

std::int64_t MonotonicMicroseconds() {
    const timespec now = Monotonic();
    return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

} // namespace win
