#include "platform/forms/DragSession.h"
#include "platform/forms/CursorIds.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include <cstdlib>

using namespace win;

namespace {

// Where one drag stands. Only one exists at a time, as there is one pointer.
struct TDragRun {
    TControl* Source{ nullptr };
    TDragObject* DragObject{ nullptr };
    bool Active{ false };
    // Whether the drag began with the left button down: letting it go ends a pending drag.
    bool ButtonHeld{ false };
    TPoint Start;
    int Threshold{ kDragThreshold };
    // The window holding the mouse while the drag is active.
    HWND Capture{ nullptr };
    TControl* Target{ nullptr };
    bool Accepted{ false };
    TPoint Pointer;
};

TDragRun gRun;
// The run being finished: its events may free the controls it names.
TDragRun* gFinishing = nullptr;

TObject* DraggedObject(const TDragRun& run) {
    if (run.DragObject) return run.DragObject;
    return run.Source;
}

TPoint ScreenPoint(HWND window, LPARAM lParam) {
    POINT p{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    ClientToScreen(window, &p);
    return TPoint(p.x, p.y);
}

bool IsPress(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
}

bool StartsByItself(const TControl& control) {
    // Docking is not built: an automatic dock drag does nothing at all.
    return control.DragMode() == dmAutomatic && control.DragKind() == dkDrag && control.Enabled();
}

// The enabled control under a screen point: the window there, or its windowless child there.
TControl* ControlAt(const TPoint& screen) {
    TWinControl* window = TWinControl::FindControl(WindowFromPoint(POINT{ screen.X, screen.Y }));
    if (!window) return nullptr;
    TControl* child = window->ControlAtPos(window->ScreenToClient(screen), false);
    TControl* control = child ? child : window;
    return control->Enabled() ? control : nullptr;
}

// Asks target about the drag at the pointer; true when it would take the drop.
bool AskTarget(TControl& target, TDragState state) {
    const TPoint at = target.ScreenToClient(gRun.Pointer);
    bool accept = false;
    target.DragOver(DraggedObject(gRun), at.X, at.Y, state, accept);
    return accept;
}

void ShowDragCursor() {
    const TCursor cursor =
        gRun.Target && gRun.Accepted ? gRun.Source->DragCursor() : TCursor(crNoDrop);
    SetCursor(LoadCursor(nullptr, CursorId(cursor)));
}

void MoveTo(const TPoint& screen) {
    gRun.Pointer = screen;
    TControl* now = ControlAt(screen);
    if (now != gRun.Target) {
        if (TControl* left = gRun.Target) {
            gRun.Target = nullptr;
            gRun.Accepted = false;
            AskTarget(*left, dsDragLeave);
            if (!gRun.Active) return;
        }
        gRun.Target = now;
        gRun.Accepted = now && AskTarget(*now, dsDragEnter);
    } else if (now) {
        gRun.Accepted = AskTarget(*now, dsDragMove);
    }
    if (gRun.Active) ShowDragCursor();
}

HWND CaptureWindowOf(TControl& source) {
    if (auto* windowed = dynamic_cast<TWinControl*>(&source)) return windowed->Handle();
    return source.Parent() ? source.Parent()->Handle() : nullptr;
}

void Activate(const TPoint& screen) {
    TControl& source = *gRun.Source;
    const HWND capture = CaptureWindowOf(source);
    if (!capture) {
        gRun = TDragRun{};
        return;
    }
    // The press is over for the source: no click follows the drop, and whatever the press
    // started (a selection sweep) ends with the capture it held.
    TControlState state = source.ControlState();
    state.Exclude(csClicked);
    source.SetControlState(state);
    ReleaseCapture();
    gRun.Active = true;
    source.DoStartDrag(gRun.DragObject);
    if (gRun.Source != &source || !gRun.Active) return;
    gRun.Capture = capture;
    SetCapture(capture);
    MoveTo(screen);
}

// Ends the run; its events go out after the run is cleared, so that they may start another.
void Finish(bool drop) {
    TDragRun run = gRun;
    gRun = TDragRun{};
    if (!run.Active) return;
    TDragRun* const outer = gFinishing;
    gFinishing = &run;
    if (GetCapture() == run.Capture) ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    TObject* dragged = DraggedObject(run);
    TControl* droppedOn = nullptr;
    TPoint at;
    if (run.Target) {
        at = run.Target->ScreenToClient(run.Pointer);
        if (drop && run.Accepted) {
            droppedOn = run.Target;
            droppedOn->DragDrop(dragged, at.X, at.Y);
        } else {
            bool ignored = false;
            run.Target->DragOver(dragged, at.X, at.Y, dsDragLeave, ignored);
        }
    }
    if (run.Source) {
        if (droppedOn && run.Target == droppedOn)
            run.Source->DoEndDrag(droppedOn, at.X, at.Y);
        else
            run.Source->DoEndDrag(nullptr, 0, 0);
    }
    gFinishing = outer;
}

void BeginAt(TControl& source, bool immediate, int threshold, const TPoint& screen) {
    if (gRun.Source || source.DragKind() == dkDock) return;
    gRun = TDragRun{};
    gRun.Source = &source;
    gRun.Start = screen;
    gRun.Pointer = screen;
    gRun.Threshold = threshold < 0 ? kDragThreshold : threshold;
    gRun.ButtonHeld = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (immediate) Activate(screen);
}

bool PastThreshold(const TPoint& screen) {
    return std::abs(screen.X - gRun.Start.X) > gRun.Threshold ||
           std::abs(screen.Y - gRun.Start.Y) > gRun.Threshold;
}

bool PreviewPending(HWND window, const TMessage& message) {
    if (message.Msg == WM_LBUTTONUP) {
        gRun = TDragRun{};
    } else if (message.Msg == WM_MOUSEMOVE) {
        if (gRun.ButtonHeld && !(message.WParam & MK_LBUTTON)) {
            gRun = TDragRun{};
            return false;
        }
        const TPoint screen = ScreenPoint(window, message.LParam);
        if (!PastThreshold(screen)) return false;
        Activate(screen);
        return true;
    }
    return false;
}

bool PreviewActive(HWND window, const TMessage& message) {
    if (message.Msg == WM_KEYDOWN && message.WParam == VK_ESCAPE) {
        Finish(false);
        return true;
    }
    if (window != gRun.Capture) return false;
    switch (message.Msg) {
    case WM_CAPTURECHANGED:
        // Someone else took the mouse: the drag cannot go on.
        if (HWND(message.LParam) != gRun.Capture) {
            gRun.Capture = nullptr;
            Finish(false);
        }
        return false;
    case WM_MOUSEMOVE:
        MoveTo(ScreenPoint(window, message.LParam));
        return true;
    case WM_LBUTTONUP:
        if (const TPoint screen = ScreenPoint(window, message.LParam); screen != gRun.Pointer)
            MoveTo(screen);
        if (gRun.Active) Finish(true);
        return true;
    default:
        // The other buttons and the wheel do nothing while something is dragged.
        return message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST;
    }
}

} // namespace

namespace dragsession {

void Begin(TControl& source, bool immediate, int threshold) {
    POINT p;
    GetCursorPos(&p);
    BeginAt(source, immediate, threshold, TPoint(p.x, p.y));
}

void End(TControl& source, bool drop) {
    if (gRun.Source != &source) return;
    if (gRun.Active)
        Finish(drop);
    else
        gRun = TDragRun{};
}

TControl* Source() {
    return gRun.Source;
}

bool Active() {
    return gRun.Active;
}

bool PreviewWindowMessage(TControl& control, HWND window, TMessage& message) {
    if (!gRun.Source) {
        if (!IsPress(message.Msg) || !StartsByItself(control)) return false;
        const TPoint at(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        // A press on a windowless child is the child's to start a drag with.
        if (auto* windowed = dynamic_cast<TWinControl*>(&control);
            windowed && windowed->ControlAtPos(at, false))
            return false;
        BeginAt(control, false, -1, ScreenPoint(window, message.LParam));
        return false;
    }
    return gRun.Active ? PreviewActive(window, message) : PreviewPending(window, message);
}

bool PreviewChildMouseMessage(TControl& child, TMessage& message) {
    if (gRun.Source || !IsPress(message.Msg) || !StartsByItself(child)) return false;
    BeginAt(
        child, false, -1,
        child.ClientToScreen(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam))));
    return false;
}

void ControlDestroyed(TControl& control) {
    if (gRun.Source == &control) {
        const HWND capture = gRun.Capture;
        gRun = TDragRun{};
        if (capture && GetCapture() == capture) ReleaseCapture();
    } else if (gRun.Target == &control) {
        gRun.Target = nullptr;
        gRun.Accepted = false;
    }
    if (gFinishing) {
        if (gFinishing->Source == &control) gFinishing->Source = nullptr;
        if (gFinishing->Target == &control) gFinishing->Target = nullptr;
    }
}

} // namespace dragsession
