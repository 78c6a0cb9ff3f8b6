#pragma once
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TAutoRepeat.h"
#include "platform/forms/TScrollBarGeometry.h"
#include <functional>

class TWinControl;

// The frame of a scrolling control: its sunken client edge (WS_EX_CLIENTEDGE), the scroll state
// of its own bars (answering SBM_GETSCROLLINFO and SBM_SETSCROLLINFO) and the bars themselves,
// shown through WS_VSCROLL and WS_HSCROLL while there is something to scroll. A press on a bar
// sends the control WM_VSCROLL or WM_HSCROLL as Win32 does, thumb drags included. The control
// hands its messages here first; a wrapper that swallows WM_NCCALCSIZE leaves the bars without
// room, so they are never drawn while the scroll state stays readable.
class TControlScrollBars {
public:
    explicit TControlScrollBars(TWinControl& control) : FControl(control), FRepeat(control) {}

    // Called with each message before the control's own handling; true when the message was
    // the frame's alone. WM_NCCALCSIZE and WM_NCPAINT run the default handling first.
    bool Handle(TMessage& message);
    // Keeps a bar's state without showing or hiding it: the state of a bar the control has
    // turned off stays readable.
    void Store(int bar, const win::SCROLLINFO& info) { FBars[bar == win::SB_VERT].Set(info); }
    // Sets both bars to the range, page and position state fills in for each. Showing or hiding
    // a bar resizes the client area, which may change the other bar: after such a resize resized
    // lets the control fit its view to the new area, and the bars are set again. A call made by
    // the resizes themselves does nothing.
    void Update(const std::function<void(int bar, win::SCROLLINFO& info)>& state,
                const std::function<void()>& resized);

private:
    // The bars in window coordinates; empty when hidden.
    TRect BarRect(int bar) const;
    // The client area in window coordinates.
    TRect ClientInWindow() const;
    TPoint ScreenToWindow(const TPoint& p) const;
    TScrollBarGeometry Geometry(int bar) const;
    void CalcSize(TMessage& message);
    void PaintFrame();
    void PressBar(int bar, const TPoint& windowPoint);
    void Drag(const TPoint& windowPoint);
    void Release();
    void RepeatPress();
    void Send(int bar, unsigned code, int pos);

    void SetInfo(int bar, const win::SCROLLINFO& info, bool redraw);
    void ShowBar(int bar, bool show);
    void RedrawFrame();

    TWinControl& FControl;
    TAutoRepeat FRepeat;
    win::ScrollBarData FBars[2];
    int FTrackBar{ -1 };
    TScrollBarPart FTrackPart{ sbpNone };
    TPoint FTrackOrigin;
    win::SCROLLINFO FTrackStart;
    int FTrackPos{ 0 };
    bool FUpdating{ false };
};
