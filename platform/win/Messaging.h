#pragma once
#include "platform/win/Messages.h"
#include "platform/win/Msg.h"
#include <functional>

// Sending, posting and retrieving messages; window procedures and their chains; timers.
namespace win {

// Runs the window's procedure at once. From another thread the message is carried to the
// window's thread, which runs it the next time it looks at its queue; the caller waits and
// meanwhile answers messages sent to its own windows. A stale handle gives 0.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// hwnd nullptr posts to the calling thread's queue (a thread message).
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Retrieval order: messages sent from other threads are run first, then posted messages
// (WM_QUIT once they are gone), input, WM_PAINT for windows with an update region, WM_TIMER.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove);
// Waits for a message; 0 when it is WM_QUIT.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last);
BOOL WaitMessage();
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
DWORD GetMessageTime();
// Runs everything that is ready without waiting; true when WM_QUIT was seen (it is posted
// again so that the outer loop ends too).
bool ProcessPendingMessages();

// Values from 0xC000; the same name (ignoring case) gives the same value.
UINT RegisterWindowMessage(const char* name);

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// prev is a value returned by GetWindowLongPtr(GWLP_WNDPROC) or a class procedure.
LRESULT CallWindowProc(WNDPROC prev, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

using SUBCLASSPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Handle-level subclassing: each procedure runs before those installed earlier and the
// window's own procedure, and passes a message on with DefSubclassProc. Unlike replacing
// GWLP_WNDPROC, entries can be removed in any order, also from inside their own call.
BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
BOOL RemoveWindowSubclass(HWND hwnd, UINT_PTR id);
LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A window timer (hwnd set) is identified by hwnd and id and returns nonzero; a thread timer
// (hwnd nullptr) returns its new id. WM_TIMER carries the id in wParam and proc in lParam; a
// timer with a proc calls it on dispatch instead of the window procedure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
UINT GetDoubleClickTime();

// The time source of timers and message times: the back end's clock on the GUI thread.
std::uint64_t CurrentTimeMs();

// Work other threads hand to the GUI thread: the event loop runs the calls queued by
// TThread::Synchronize/Queue whenever it looks at its queue (or the runner set here in their
// place), and WakeGuiThread interrupts its wait.
void SetQueuedWorkRunner(std::function<bool()> runner);
void WakeGuiThread();

} // namespace win
