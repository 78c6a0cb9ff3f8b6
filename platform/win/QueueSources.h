#pragma once
#include "platform/win/Msg.h"

// Internal: the parts of the queue that are generated on demand rather than stored.
namespace win {

// Input from the back end, turned into a mouse or key message for its target window.
bool TakeInputMessage(MSG* msg, HWND filter, UINT first, UINT last, bool remove);
bool HasPendingInput();
// WM_PAINT for a window of this thread with a non-empty update region.
bool TakePaintMessage(MSG* msg, HWND filter, bool remove);

} // namespace win
