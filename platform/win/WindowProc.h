#pragma once
#include "platform/win/Window.h"
#include <memory>

// Internal: running a window's procedure chain.
namespace win {

// Runs the chain of a window owned by the calling thread, reporting to the message hooks.
LRESULT CallProcedure(const std::shared_ptr<Window>& window, UINT msg, WPARAM wParam,
                      LPARAM lParam);
LRESULT SendMessageOnThisThread(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win
