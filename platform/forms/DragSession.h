#pragma once
#include "platform/forms/ControlMessages.h"
#include "platform/forms/DragTypes.h"
#include "platform/gfx/TRect.h"
#include "platform/win/Win.h"

class TControl;

// The one drag of controls a program may have under way. It is pending from BeginDrag until
// the pointer moves past the threshold (the press meanwhile is an ordinary press), then
// active: the source's window holds the mouse, each move finds the control under the pointer
// and asks it whether it takes the drop, and the release, Escape or a lost capture ends it.
// Drags stay inside the program; docking is not among them.
namespace dragsession {

// Starts a drag of source (nothing when one is under way).
void Begin(TControl& source, bool immediate, int threshold);
// Ends the drag of source: dropped on the control under the pointer, or cancelled.
void End(TControl& source, bool drop);
// The control being dragged, pending or active; nullptr when none is.
TControl* Source();
// True once the drag is past its threshold.
bool Active();

// Every message a windowed control gets passes here first; window is the control's own
// window. True when the drag took the message and the control must not see it.
bool PreviewWindowMessage(TControl& control, win::HWND window, TMessage& message);
// A mouse message a windowed parent hands to its windowless child, in the child's
// coordinates; true when the drag took it.
bool PreviewChildMouseMessage(TControl& child, TMessage& message);
// A control going away leaves the drag: as its source the drag ends without events.
void ControlDestroyed(TControl& control);

} // namespace dragsession
