#pragma once
#include <cstdint>

// Clocks and pauses with the Win32 names the system's code calls. All clocks are monotonic:
// they never jump when the wall clock is set.
namespace win {

using DWORD = std::uint32_t;

void Sleep(DWORD milliseconds);
// Milliseconds since an arbitrary start, wrapping after about 49.7 days like the original.
DWORD GetTickCount();
std::uint64_t GetTickCount64();
// Microseconds since an arbitrary start.
std::int64_t MonotonicMicroseconds();

} // namespace win
