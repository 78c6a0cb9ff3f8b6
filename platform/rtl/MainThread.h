#pragma once
#include <cstdint>
#include <functional>

// The GUI ("main") thread and the queue of calls other threads hand to it.
//
// Which thread is the main thread: the one that first touches this module, which in practice
// is the process's initial thread, because the module records it while the program's static
// data is set up. SetMainThread() names another one (an event loop running elsewhere, or a
// test). The event loop drains the queue with CheckSynchronize; a test acting as the GUI
// thread drains it by hand the same way.

namespace win {
// The kernel's id of the calling thread (what setpriority and /proc know it by).
std::uint32_t GetCurrentThreadId();
} // namespace win

std::uint32_t MainThreadID();
bool IsMainThread();
void SetMainThread();

// Runs the calls queued for the main thread. Waits up to timeoutMs for the first one when none
// is waiting. Returns whether anything ran. An exception from a queued (not synchronised) call
// comes out here, after the calls behind it were put back. Only the main thread may call it.
bool CheckSynchronize(unsigned timeoutMs = 0);

// Installed by the event loop to be woken whenever a call is queued for the main thread; it
// runs on the queuing thread. An empty function removes it.
void SetWakeMainThread(std::function<void()> hook);

// Runs fn on the main thread and waits for it; fn's exception is rethrown here. On the main
// thread fn runs at once.
void SynchronizeWithMainThread(std::function<void()> fn);
// Hands fn to the main thread without waiting; on the main thread fn runs at once.
void QueueToMainThread(std::function<void()> fn);
// Makes a CheckSynchronize that is waiting return early, so that a main thread waiting for a
// thread to end notices the end without waiting for its timeout.
void WakeSynchronizeWaiters();
